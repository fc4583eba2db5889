// The statement-form table: its shape, one statement through every row, and the figures of
// a selection of rows checked against geometry worked out by hand.
#include "execution_fixture.h"
#include "language/table_signatures.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace velk::test {
namespace {

TEST(TableSignatures, FortyNineDistinctRowsWithOneLetterSetPerChoice) {
    ASSERT_EQ(NombreFormesInstruction(), 49);
    std::set<std::string> vues;
    for (int k = 0; k < NombreFormesInstruction(); ++k) {
        const FormeInstruction& f = FormesInstruction()[k];
        EXPECT_TRUE(vues.insert(f.Signature).second) << f.Signature;
        const std::string s = f.Signature;
        const int choix = static_cast<int>(std::count(s.begin() + 1, s.end(), 'D'));
        for (int j = 0; j < 3; ++j) EXPECT_EQ(f.Lettres[j] != nullptr, j < choix) << s;
        EXPECT_EQ(f.Construit == nullptr, s == "VN" || s == "F") << s;
        EXPECT_EQ(ChercheForme(s), &f);
    }
    EXPECT_STREQ(FormesInstruction()[0].Signature, "PNNNN");
    EXPECT_STREQ(FormesInstruction()[36].Signature, "CPLNDNN");
    EXPECT_EQ(ChercheForme("PP*"), nullptr);
    EXPECT_EQ(ChercheForme(""), nullptr);
    EXPECT_TRUE(SignatureComplete("LPANN"));
}

// One statement per row, in table order, all with a solution.
const std::vector<std::string> Base = {
    "P0:=0,0,0,0", "P1:=10,0,0,0", "P2:=0,10,0,0", "P3:=3,9,0,0", "L0:=P0,A0,0,0",
    "L1:=P0,A90,0,0", "C0:=P0,5,0,0", "C1:=20,0,5,0,0", "C2:=8,0,5,0,0", "V1:=2",
};
const std::vector<std::string> UneParForme = {
    "P10:=1,2,0,0", "P11:=10,A30,0,0", "P12:=P1,3,4,0,0", "P13:=P1,5,A90,0,0",
    "P14:=C0,0,0", "P15:=P1,P0,A90,0,0", "P16:=P1,P2,0,0", "P17:=P3,L0,0,0",
    "P18:=L0,L1,0,0", "P19:=L0,C0,D,0,0", "P20:=C0,C2,H,0,0", "P21:=P0,P1,M,0,0",
    "L10:=1,2,A45,0,0", "L11:=P1,A30,0,0", "L12:=P0,P3,0,0", "L13:=P3,L0,0,0",
    "L14:=P3,L0,O,0,0", "L15:=P1,C0,H,0,0", "L16:=5,X,0,0", "L17:=L0,3,H,0,0",
    "L18:=L0,C0,H,0,0", "L19:=L0,C0,O,D,0,0", "L20:=C0,C1,H,H,0,0", "L21:=C0,A45,H,0,0",
    "L22:=L0,P3,0,0", "L23:=L10,L0,0,0", "L24:=L0,P3,A30,0,0", "L25:=L10,L0,M,0,0",
    "C10:=1,2,3,0,0", "C11:=P1,4,0,0", "C12:=P0,P3,0,0", "C13:=P3,L0,0,0",
    "C14:=P1,C0,G,0,0", "C15:=C0,1,1,0,0", "C16:=C0,2,A90,0,0", "C17:=P0,P1,10,H,0,0",
    "C18:=P3,L0,5,D,0,0", "C19:=P1,C0,3,E,H,0,0", "C20:=L0,L1,2,H,D,0,0",
    "C21:=L0,C0,2,H,E,D,0,0", "C22:=C0,C1,10,E,E,H,0,0", "C23:=C0,7,0,0", "C24:=C0,1,I,0,0",
    "C25:=P0,P1,P2,0,0", "C26:=C0,P1,A90,0,0", "C27:=C0,P1,0,0", "C28:=C1,L1,0,0",
    "V5:=V1", "F1:=",
};

class Formes : public ExecutionTest {
protected:
    void SetUp() override {
        std::vector<std::string> corps = Base;
        corps.insert(corps.end(), UneParForme.begin(), UneParForme.end());
        Execute(corps);
    }
    static constexpr Reel Tol = 1e-9L;

    void PointEn(uint16_t n, Reel x, Reel y) {
        const TRecPoint p = Point(n);
        EXPECT_NEAR(p.X, x, Tol) << "P" << n;
        EXPECT_NEAR(p.Y, y, Tol) << "P" << n;
    }
    void CercleEn(uint16_t n, Reel x, Reel y, Reel r) {
        const TRecCercle c = Cercle(n);
        EXPECT_NEAR(c.Xc, x, Tol) << "C" << n;
        EXPECT_NEAR(c.Yc, y, Tol) << "C" << n;
        EXPECT_NEAR(c.Rc, r, Tol) << "C" << n;
    }
    // Signed distance of (x, y) from the line, independent of how its base point was chosen.
    static Reel Ecart(const TRecLigne& l, Reel x, Reel y) {
        return (x - l.Xpd) * std::sin(l.Aod) - (y - l.Ypd) * std::cos(l.Aod);
    }
};

TEST_F(Formes, EveryRowIsReachedAndBuilds) {
    EXPECT_TRUE(messages.items.empty()) << messages.items.front();
    EXPECT_EQ(tables.NombrePoints(), 4 + 12);
    EXPECT_EQ(tables.NombreLignes(), 2 + 16);
    EXPECT_EQ(tables.NombreCercles(), 3 + 19);
    EXPECT_EQ(tables.ValeurVariable(5), 2);
    EXPECT_TRUE(interprete.DansForme);
}

TEST_F(Formes, PointsMatchHandGeometry) {
    PointEn(10, 1, 2);
    PointEn(11, 5 * std::sqrt(3.0L), 5);
    PointEn(12, 13, 4);
    PointEn(13, 10, 5);
    PointEn(14, 0, 0);
    PointEn(15, 0, 10);
    PointEn(16, -10, 20);
    PointEn(17, 3, -9);
    PointEn(18, 0, 0);
    PointEn(19, 5, 0);
    PointEn(20, 4, 3);
    PointEn(21, 5, 0);
}

TEST_F(Formes, LinesMatchHandGeometry) {
    const TRecLigne axeX = Ligne(16);
    EXPECT_NEAR(Ecart(axeX, 5, -100), 0, Tol);
    EXPECT_NEAR(Ecart(axeX, 5, 100), 0, Tol);
    EXPECT_NEAR(std::fabs(Ecart(Ligne(17), 0, 0)), 3, Tol);
    EXPECT_NEAR(Ecart(Ligne(17), 7, 3), 0, Tol);
    EXPECT_NEAR(Ecart(Ligne(18), -2, 5), 0, Tol); // y = 5, tangent to C0 from above
    EXPECT_NEAR(Ecart(Ligne(19), 5, -3), 0, Tol); // x = 5, on the right of C0
    const TRecLigne tangente = Ligne(15); // from P1 (10, 0) to C0
    EXPECT_NEAR(Ecart(tangente, 10, 0), 0, Tol);
    EXPECT_NEAR(std::fabs(Ecart(tangente, 0, 0)), 5, Tol);
    const TRecLigne commune = Ligne(20); // segment between the upper contacts
    EXPECT_NEAR(commune.Xdd, 0, Tol);
    EXPECT_NEAR(commune.Ydd, 5, Tol);
    EXPECT_NEAR(commune.Xfd, 20, Tol);
    EXPECT_NEAR(commune.Yfd, 5, Tol);
    EXPECT_NEAR(Ecart(Ligne(14), 3, -40), 0, Tol); // perpendicular to L0 through P3
    EXPECT_NEAR(Ecart(Ligne(22), 6, 18), 0, Tol); // L0 through P3: y = 18
}

TEST_F(Formes, CirclesMatchHandGeometry) {
    CercleEn(10, 1, 2, 3);
    CercleEn(12, 0, 0, std::sqrt(90.0L));
    CercleEn(13, 3, 9, 9);
    CercleEn(14, 10, 0, 15);
    CercleEn(15, 1, 1, 5);
    CercleEn(16, 0, 2, 5);
    CercleEn(17, 5, std::sqrt(75.0L), 10);
    CercleEn(18, 6, 5, 5);
    CercleEn(20, 2, 2, 2);
    CercleEn(22, 10, std::sqrt(125.0L), 10);
    CercleEn(24, 0, 0, 4);
    CercleEn(25, 5, 5, std::sqrt(50.0L));
    CercleEn(26, 10, -10, 5);
    CercleEn(27, 20, 0, 5);
    CercleEn(28, -20, 0, 5);
    // Through P1 and tangent to C0 from outside: 3 from P1 and 8 from the origin.
    const TRecCercle c = Cercle(19);
    EXPECT_NEAR(std::hypot(c.Xc - 10, c.Yc), 3, Tol);
    EXPECT_NEAR(std::hypot(c.Xc, c.Yc), 8, Tol);
    EXPECT_GT(c.Yc, 0);
}

} // namespace
} // namespace velk::test
