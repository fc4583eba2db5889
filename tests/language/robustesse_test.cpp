// Pseudo-random statements of every form over degenerate geometry (coincident points,
// parallel lines, zero radii, huge and tiny numbers): the run must go to the end, raise at
// most one message per line, and never store a number that is not finite.
#include "execution_fixture.h"
#include "language/messages.h"
#include "language/table_signatures.h"

#include <cmath>
#include <algorithm>
#include <cstdint>

namespace velk::test {
namespace {

class Hasard {
public:
    explicit Hasard(uint64_t graine) : etat_(graine * 0x9E3779B97F4A7C15ULL + 1) {}
    uint32_t Sous(uint32_t n) {
        etat_ ^= etat_ << 13;
        etat_ ^= etat_ >> 7;
        etat_ ^= etat_ << 17;
        return static_cast<uint32_t>(etat_ % n);
    }
    template <size_t N> const char* Parmi(const char* const (&choix)[N]) {
        return choix[Sous(static_cast<uint32_t>(N))];
    }

private:
    uint64_t etat_;
};

const char* const Nombres[] = {"0", "-0", "1", "-1", "5", "2.5", "1E300", "-1E300", "1E-300",
                               "1E4000", "1E-4000", "90", "180", "360", "45", "V1", "V2"};
const char* const Lettres[] = {"H", "B", "D", "G", "E", "I", "M", "O", "X", "Y"};

// A statement of the given form with random arguments among the first four of each kind.
std::string Instruction(const std::string& signature, int numero, Hasard& h) {
    std::string texte(1, signature[0]);
    texte += std::to_string(numero) + ":=";
    for (size_t k = 1; k < signature.size(); ++k) {
        if (k > 1) texte += ',';
        switch (signature[k]) {
        case 'P': case 'L': case 'C':
            texte += signature[k] + std::to_string(h.Sous(4));
            break;
        case 'A': texte += std::string("A") + h.Parmi(Nombres); break;
        case 'D': texte += h.Parmi(Lettres); break;
        default: texte += h.Parmi(Nombres); break;
        }
    }
    return texte;
}

TEST_F(ExecutionTest, DegenerateStatementsOfEveryFormNeverStoreNonFiniteNumbers) {
    // Coincident points, a line through them twice, concentric circles, a zero radius.
    std::vector<std::string> corps = {
        "P0:=0,0,0,0", "P1:=0,0,0,0", "P2:=1E300,1E300,0,0", "P3:=1,1,0,0",
        "L0:=P0,A0,0,0", "L1:=P0,A0,0,0", "L2:=P0,A180,0,0", "L3:=P3,A90,0,0",
        "C0:=P0,0,0,0", "C1:=P0,5,0,0", "C2:=P0,5,0,0", "C3:=P2,1E300,0,0",
        "V1:=0", "V2:=1E300",
    };
    Hasard h(7);
    int numero = 10;
    for (int tour = 0; tour < 60; ++tour)
        for (int k = 0; k < NombreFormesInstruction() - 1; ++k) // every form but the forms
            corps.push_back(Instruction(FormesInstruction()[k].Signature, numero++, h));
    corps.push_back("P9999:=1,2,0,0");
    Execute(corps);

    EXPECT_TRUE(tables.PointExiste(9999)); // the run reached the last line
    std::vector<int> lignes;
    for (const auto& item : messages.items) lignes.push_back(LigneDuMessage(item));
    EXPECT_TRUE(std::adjacent_find(lignes.begin(), lignes.end()) == lignes.end());
    EXPECT_GT(tables.NombreCercles() + tables.NombreLignes(), 100);

    const auto fini = [](Reel x) { return std::isfinite(static_cast<double>(x)); };
    TRecPoint p;
    for (bool ok = tables.PremierPoint(p); ok; ok = tables.PointSuivant(p))
        EXPECT_TRUE(fini(p.X) && fini(p.Y)) << "P" << p.Numero;
    TRecLigne l;
    for (bool ok = tables.PremiereLigne(l); ok; ok = tables.LigneSuivante(l))
        EXPECT_TRUE(fini(l.Xpd) && fini(l.Ypd) && fini(l.Aod) && fini(l.Xdd) && fini(l.Ydd) &&
                    fini(l.Xfd) && fini(l.Yfd))
            << "L" << l.Numero;
    TRecCercle c;
    for (bool ok = tables.PremierCercle(c); ok; ok = tables.CercleSuivant(c))
        EXPECT_TRUE(fini(c.Xc) && fini(c.Yc) && fini(c.Rc) && fini(c.Xdc) && fini(c.Ydc) &&
                    fini(c.Adc) && fini(c.Xfc) && fini(c.Yfc) && fini(c.Afc))
            << "C" << c.Numero;
    uint16_t n;
    Reel v;
    for (bool ok = tables.PremiereVariable(n, v); ok; ok = tables.VariableSuivante(n, v))
        EXPECT_TRUE(fini(v)) << "V" << n;
}

} // namespace
} // namespace velk::test
