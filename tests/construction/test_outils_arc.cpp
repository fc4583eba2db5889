// The arc tool: every row of its click table on the scene of sequences.h, then each
// letter rule of the "Position" click with clicks on both sides of its reference and on
// it, and the two-candidate choice between two circles.
#include "sequences.h"

#include <cmath>

namespace velk::test {
namespace {

using S = Sequence;
const std::optional<QString> Annule = std::nullopt;
std::optional<QString> V(const char* t) { return QString::fromLatin1(t); }
Pas Position(Reel x, Reel y) { return Clique(TElementsProches(), x, y, "C*", 5); }
// A second click: its step asks the radius at once.
Pas AvecRayon(TElementsProches e, Reel x, Reel y, const char* sig, const char* rayon)
{
    return Clique(e, x, y, sig, 16, false, {V(rayon)});
}

class SequencesArc : public Sequences {};
TEST_P(SequencesArc, Deroule) { Joue(); }

INSTANTIATE_TEST_SUITE_P(
    Arc, SequencesArc,
    ::testing::Values(
        S{"DeuxPoints", OutilArc,
          {Clique(Prise(0, {2}, {}), 0, 0, "CP*", 5), AvecRayon(PriseP(1), 20, 0, "CPP*", "20"),
           Position(10, 10)},
          "C3:=P0,P1,20,H", true, {" Rayon :"}},
        S{"PointLigne", OutilArc,
          {Clique(PriseP(2), 0, 30, "CP*", 5), AvecRayon(Prise(-1, {0}, {1}), 0, -50, "CPL*", "50"),
           Position(20, 10)},
          "C3:=P2,L0,50,D"},
        S{"PointCercle", OutilArc,
          {Clique(PriseP(0), 0, 0, "CP*", 5), AvecRayon(Prise(-1, {}, {0}), 36, 36, "CPC*", "60"),
           Position(30, 25)},
          "C3:=P0,C0,60,E,D"},
        S{"LigneLigne", OutilArc,
          {Clique(Prise(-1, {0}, {1}), 0, -50, "CL*", 8),
           AvecRayon(Prise(-1, {1}, {}), 60, 0, "CLL*", "10"), Position(40, -30)},
          "C3:=L0,L1,10,H,G"},
        S{"LigneEtPointPrendLaLigne", OutilArc,
          {Clique(Prise(-1, {0}, {}), 0, -50, "CL*", 8),
           AvecRayon(Prise(0, {1}, {}), 60, 0, "CLL*", "10"), Position(70, -60)},
          "C3:=L0,L1,10,B,D"},
        S{"LigneCercle", OutilArc,
          {Clique(Prise(-1, {0}, {}), 0, -50, "CL*", 8),
           AvecRayon(Prise(-1, {}, {1}), -50, -35, "CLC*", "10"), Position(-45, -40)},
          "C3:=L0,C1,10,H,E,D"},
        S{"LigneEtPointPrendLeCercle", OutilArc,
          {Clique(Prise(-1, {0}, {}), 0, -50, "CL*", 8),
           AvecRayon(Prise(2, {}, {1}), -50, -35, "CLC*", "10"), Position(-55, -40)},
          "C3:=L0,C1,10,H,E,G"},
        S{"LignePuisPointBip", OutilArc,
          {Clique(Prise(-1, {0}, {}), 0, -50, "CL*", 8), Bip(PriseP(0), "CL*", 8)}, ""},
        S{"DeuxCercles", OutilArc,
          {Clique(Prise(-1, {}, {0}), 50, 70, "CC*", 4),
           AvecRayon(Prise(1, {0}, {2}), 75, 65, "CCC*", "10"), Position(60, 80)},
          "C3:=C0,C2,10,E,E,H"},
        S{"CerclePuisPointBip", OutilArc,
          {Clique(Prise(-1, {}, {0}), 50, 70, "CC*", 4), Bip(PriseP(0), "CC*", 4)}, ""},
        S{"CerclePuisLigneBip", OutilArc,
          {Clique(Prise(-1, {}, {0}), 50, 70, "CC*", 4), Bip(Prise(-1, {0}, {}), "CC*", 4)}, ""},
        S{"RayonAnnuleRecommence", OutilArc,
          {Clique(PriseP(0), 0, 0, "CP*", 5), Clique(PriseP(1), 20, 0, "C*", 5, false, {Annule})},
          ""},
        S{"RayonTropPetitImpossible", OutilArc,
          {Clique(PriseP(0), 0, 0, "CP*", 5), AvecRayon(PriseP(1), 20, 0, "CPP*", "5"),
           Position(10, 10)},
          "C3:=P0,P1,5,H", false},
        S{"ClicDeNiveauLettreVideImpossible", OutilArc,
          {Clique(PriseP(0), 0, 0, "CP*", 5), AvecRayon(PriseP(1), 20, 0, "CPP*", "20"),
           Position(10, 0)},
          "C3:=P0,P1,20, ", false}),
    [](const auto& info) { return std::string(info.param.nom); });

// One arc built on its own program: two scripted picks at the given places, a radius,
// then the "Position" click; the statement executed last, without colour and layer.
class ArcTest : public MoteurTest {
protected:
    struct Cas {
        std::vector<std::string> programme;
        TElementsProches prise1;
        Reel x1, y1;
        TElementsProches prise2;
        Reel x2, y2;
        const char* rayon;
        Reel x, y;
        const char* attendu;
    };
    void Verifie(const std::vector<Cas>& cas)
    {
        for (const Cas& c : cas) {
            hote.Programme(c.programme);
            Outil(OutilArc);
            ClicPris(c.prise1, c.x1, c.y1);
            dialogues.RepondValeur(QString::fromLatin1(c.rayon));
            ClicPris(c.prise2, c.x2, c.y2);
            Clic(c.x, c.y);
            ASSERT_FALSE(hote.executees.empty());
            QString texte = hote.executees.back();
            texte.chop(4); // ",0,0"
            EXPECT_EQ(texte.toStdString(), c.attendu)
                << "click at " << double(c.x) << "," << double(c.y);
            moteur.InitAppli();
        }
    }
};

const std::vector<std::string> kDeuxPoints = {"P0:=0,0,0,0", "P1:=10,0,0,0"};

// Beside both points that side; between them, above or below the first; level with a
// point's abscissa counts as between.
TEST_F(ArcTest, DeuxPointsLettre)
{
    const TElementsProches p0 = PriseP(0), p1 = PriseP(1);
    Verifie({
        {kDeuxPoints, p0, 0, 0, p1, 10, 0, "20", 5, 10, "C0:=P0,P1,20,H"},
        {kDeuxPoints, p0, 0, 0, p1, 10, 0, "20", 5, -10, "C0:=P0,P1,20,B"},
        {kDeuxPoints, p0, 0, 0, p1, 10, 0, "20", 30, 3, "C0:=P0,P1,20,D"},
        {kDeuxPoints, p0, 0, 0, p1, 10, 0, "20", -30, 3, "C0:=P0,P1,20,G"},
        {kDeuxPoints, p0, 0, 0, p1, 10, 0, "20", 0, 10, "C0:=P0,P1,20,H"},
        {kDeuxPoints, p0, 0, 0, p1, 10, 0, "20", 10, -5, "C0:=P0,P1,20,B"},
    });
}

// The side of the line on which p lies, taken at p's pixel: p beside a line that runs up
// and down gives above or below p, otherwise right or left of p.
TEST_F(ArcTest, PointLigneLettre)
{
    const std::vector<std::string> horizontale = {"P0:=0,30,0,0", "L0:=0,-50,A0,0,0"};
    const std::vector<std::string> verticale = {"P0:=20,0,0,0", "L0:=60,0,A90,0,0"};
    const std::vector<std::string> raide = {"P0:=20,0,0,0", "L0:=0,0,A60,0,0"};
    const std::vector<std::string> douce = {"P0:=0,20,0,0", "L0:=0,0,A30,0,0"};
    const std::vector<std::string> dessus = {"P0:=0,0,0,0", "L0:=0,0,A0,0,0"};
    const TElementsProches p = PriseP(0), l = Prise(-1, {0}, {});
    Verifie({
        {horizontale, p, 0, 30, l, 0, -50, "50", 20, 40, "C0:=P0,L0,50,D"},
        {horizontale, p, 0, 30, l, 0, -50, "50", -20, 40, "C0:=P0,L0,50,G"},
        {horizontale, p, 0, 30, l, 0, -50, "50", 0, 40, "C0:=P0,L0,50, "},
        {verticale, p, 20, 0, l, 60, 0, "30", 30, 10, "C0:=P0,L0,30,H"},
        {verticale, p, 20, 0, l, 60, 0, "30", 30, -10, "C0:=P0,L0,30,B"},
        {raide, p, 20, 0, l, 0, 0, "20", 25, 10, "C0:=P0,L0,20,H"},
        {douce, p, 0, 20, l, 0, 0, "20", 5, 30, "C0:=P0,L0,20,D"},
        // p on a level line: the offset is nil, the tie is vertical, so right or left.
        {dessus, p, 0, 0, l, 30, 0, "10", 10, 10, "C0:=P0,L0,10,D"},
    });
}

// E or I, then the side of the click from p. From outside the circle the tangency follows
// the picking place against the centre (a tie is E); from inside, the click in or out.
TEST_F(ArcTest, PointCercleLettres)
{
    const std::vector<std::string> dehors = {"P0:=0,0,0,0", "C0:=50,50,20,0,0"};
    const std::vector<std::string> dedans = {"P0:=50,60,0,0", "C0:=50,50,20,0,0"};
    const TElementsProches p = PriseP(0), c = Prise(-1, {}, {0});
    Verifie({
        {dehors, p, 0, 0, c, 36, 36, "60", 30, 25, "C1:=P0,C0,60,E,D"},
        {dehors, p, 0, 0, c, 36, 36, "60", 45, 45, "C1:=P0,C0,60,I,H"},
        {dehors, p, 0, 0, c, 36, 36, "60", 43, 43, "C1:=P0,C0,60,E,H"},
        {dehors, p, 0, 0, c, 36, 36, "60", 20, 40, "C1:=P0,C0,60,E,H"},
        {dedans, p, 50, 60, c, 50, 70, "12", 50, 75, "C1:=P0,C0,12,E,H"},
        {dedans, p, 50, 60, c, 50, 70, "12", 40, 62, "C1:=P0,C0,12,I,G"},
        {dedans, p, 50, 60, c, 50, 70, "12", 50, 29, "C1:=P0,C0,12,E,B"},
        {dedans, p, 50, 60, c, 50, 70, "12", 50, 70, "C1:=P0,C0,12,I,H"}, // on the circle
    });
}

// Each letter is the side of its own line where the click lies.
TEST_F(ArcTest, DeuxLignesLettres)
{
    const std::vector<std::string> lignes = {"L0:=0,-50,A0,0,0", "L1:=60,0,A90,0,0"};
    const TElementsProches l0 = Prise(-1, {0}, {}), l1 = Prise(-1, {1}, {});
    Verifie({
        {lignes, l0, 0, -50, l1, 60, 0, "10", 40, -30, "C0:=L0,L1,10,H,G"},
        {lignes, l0, 0, -50, l1, 60, 0, "10", 70, -60, "C0:=L0,L1,10,B,D"},
        {lignes, l1, 60, 0, l0, 0, -50, "10", 70, -40, "C0:=L1,L0,10,D,H"},
        {lignes, l0, 0, -50, l1, 60, 0, "10", 40, -50, "C0:=L0,L1,10, ,G"},
    });
}

// Side of the line; I inside the circle, else E unless the click is nearer the centre
// than the picking place; then the side of the centre across the line.
TEST_F(ArcTest, LigneCercleLettres)
{
    const std::vector<std::string> niveau = {"L0:=0,-50,A0,0,0", "C0:=-50,-20,15,0,0"};
    const std::vector<std::string> debout = {"L0:=60,0,A90,0,0", "C0:=50,50,20,0,0"};
    const TElementsProches l = Prise(-1, {0}, {}), c = Prise(-1, {}, {0});
    Verifie({
        {niveau, l, 0, -50, c, -50, -35, "10", -45, -40, "C1:=L0,C0,10,H,E,D"},
        {niveau, l, 0, -50, c, -50, -35, "10", -55, -40, "C1:=L0,C0,10,H,E,G"},
        {niveau, l, 0, -50, c, -50, -35, "10", -45, -25, "C1:=L0,C0,10,H,I,D"},
        {niveau, l, 0, -50, c, -50, -35, "10", -30, -5, "C1:=L0,C0,10,H,I,D"},
        {niveau, l, 0, -50, c, -50, -35, "10", -50, -60, "C1:=L0,C0,10,B,E, "},
        {debout, l, 60, 0, c, 70, 50, "10", 45, 40, "C1:=L0,C0,10,G,I,B"},
        {debout, l, 60, 0, c, 70, 50, "10", 75, 60, "C1:=L0,C0,10,D,E,H"},
    });
}

const std::vector<std::string> kCoteACote = {"C0:=-40,0,10,0,0", "C1:=40,0,10,0,0"};
const std::vector<std::string> kSuperposes = {"C0:=0,-40,10,0,0", "C1:=0,40,10,0,0"};
const std::vector<std::string> kSecants = {"C0:=50,50,20,0,0", "C1:=75,50,15,0,0"};

// The two candidates are computed and the nearer centre wins, a tie to the first one.
// Circles apart: E when the click is at least as near the picking place as the centre.
// Circles that meet: E when the click is outside the circle.
TEST_F(ArcTest, DeuxCerclesCandidatLePlusProche)
{
    const TElementsProches c0 = Prise(-1, {}, {0}), c1 = Prise(-1, {}, {1});
    Verifie({
        {kCoteACote, c0, -30, 0, c1, 30, 0, "50", 0, 30, "C2:=C0,C1,50,E,E,H"},
        {kCoteACote, c0, -30, 0, c1, 30, 0, "50", 0, -30, "C2:=C0,C1,50,E,E,B"},
        {kCoteACote, c0, -30, 0, c1, 30, 0, "50", 0, 0, "C2:=C0,C1,50,E,E,H"},
        {kCoteACote, c0, -30, 0, c1, 30, 0, "50", 10, 1, "C2:=C0,C1,50,E,E,H"},
        {kCoteACote, c0, -30, 0, c1, 30, 0, "50", 10, -1, "C2:=C0,C1,50,E,E,B"},
        {kCoteACote, c0, -40, 10, c1, 40, -10, "50", 0, -30, "C2:=C0,C1,50,I,E,B"},
        {kSuperposes, c0, 0, -30, c1, 0, 30, "50", 30, 0, "C2:=C0,C1,50,E,E,D"},
        {kSuperposes, c0, 0, -30, c1, 0, 30, "50", -30, 5, "C2:=C0,C1,50,E,E,G"},
        {kSecants, c0, 50, 70, c1, 75, 65, "10", 60, 80, "C2:=C0,C1,10,E,E,H"},
        {kSecants, c0, 50, 70, c1, 75, 65, "4", 62, 49, "C2:=C0,C1,4,I,I,B"},
    });
}

// The winning candidate is the circle the run builds: its centre is the nearer one.
TEST_F(ArcTest, DeuxCerclesConstruitLeCandidatChoisi)
{
    hote.Programme(kCoteACote);
    Outil(OutilArc);
    ClicPris(Prise(-1, {}, {0}), -30, 0);
    dialogues.RepondValeur(QStringLiteral("5E1"));
    ClicPris(Prise(-1, {}, {1}), 30, 0);
    EXPECT_EQ(double(moteur.RayonArc()), 50.0);
    EXPECT_EQ(moteur.PointTravail(1).X, -30);
    EXPECT_EQ(moteur.PointTravail(2).X, 30);
    Clic(5, -20);
    ASSERT_EQ(Derniere(), "C2:=C0,C1,5E1,E,E,B,0,0");
    TRecCercle c;
    hote.tables.LitCercle(2, c);
    EXPECT_NEAR(double(c.Xc), 0, 1e-9);
    EXPECT_NEAR(double(c.Yc), -std::sqrt(2000.0), 1e-9);
    EXPECT_EQ(double(c.Rc), 50);
}

// Neither candidate has a solution: the first letter stays and the run refuses the
// statement; the tool starts again with the same number.
TEST_F(MoteurTest, DeuxCerclesSansSolutionConstructionImpossible)
{
    hote.Programme(kCoteACote);
    Outil(OutilArc);
    ClicPris(Prise(-1, {}, {0}), -40, 10);
    dialogues.RepondValeur(QStringLiteral("40"));
    ClicPris(Prise(-1, {}, {1}), 40, 10);
    Clic(0, -30);
    EXPECT_EQ(hote.executees.back(), QStringLiteral("C2:=C0,C1,40,I,I,H,0,0"));
    EXPECT_TRUE(hote.ajoutees.empty());
    EXPECT_EQ(dialogues.Textes(G::Avertissement),
              std::vector<QString>{QStringLiteral("Construction impossible")});
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("C2:="));
    EXPECT_EQ(hote.invite, TexteInvite(5));
}

// The "Position" click does not pick, and a key typed meanwhile starts nothing.
TEST_F(MoteurTest, PositionSansPointageNiFrappe)
{
    hote.Programme(Scene());
    Outil(OutilArc);
    ClicPris(PriseP(0), 0, 0);
    dialogues.RepondValeur(QStringLiteral("20"));
    ClicPris(PriseP(1), 20, 0);
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("C3:=P0,P1,20,"));
    EXPECT_EQ(dialogues.Appels().back().mode, 1);
    EXPECT_FALSE(Touche('5'));
    const int pointages = hote.pointages;
    Clic(10, 10);
    EXPECT_EQ(hote.pointages, pointages);
    EXPECT_EQ(Derniere(), "C3:=P0,P1,20,H,0,0");
}

} // namespace
} // namespace velk::test
