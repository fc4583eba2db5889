// The line and segment tools, every row of their click tables and the line tool's typed
// values, on the scene of sequences.h.
#include "sequences.h"

namespace velk::test {
namespace {

using S = Sequence;
const std::optional<QString> Annule = std::nullopt;
std::optional<QString> V(const char* t) { return QString::fromLatin1(t); }

class SequencesLignes : public Sequences {};
TEST_P(SequencesLignes, Deroule) { Joue(); }

INSTANTIATE_TEST_SUITE_P(
    Droite, SequencesLignes,
    ::testing::Values(
        S{"Parallele", OutilLigne,
          {Clique(Prise(2, {0}, {}), 0, 30, "LP*", 17), Clique(Prise(-1, {0}, {}), 0, -50, "L*", 6)},
          "L3:=P2,L0"},
        S{"ParalleleSansLigneBip", OutilLigne,
          {Clique(PriseP(2), 0, 30, "LP*", 17), Bip(Prise(-1, {}, {0}), "LP*", 17)}, ""},
        S{"LigneTangenteACercle", OutilLigne,
          {Clique(Prise(-1, {0}, {}), 0, -50, "LL*", 18),
           Clique(Prise(-1, {}, {0}), 50, 70, "L*", 6)},
          "L3:=L0,C0,H"},
        S{"LigneSansCercleBip", OutilLigne,
          {Clique(Prise(-1, {0}, {}), 0, -50, "LL*", 18), Bip(Prise(-1, {1}, {}), "LL*", 18)}, ""},
        S{"CercleEtAngle", OutilLigne,
          {Clique(Prise(-1, {}, {0}), 30, 50, "L*", 6, false, {V("30")})}, "L3:=C0,A30,G", true,
          {" Angle (+ - 360°) :"}},
        S{"CercleAngleAnnule", OutilLigne,
          {Clique(Prise(-1, {}, {0}), 30, 50, "L*", 6, false, {Annule})}, ""},
        S{"CotesEtAngle", OutilLigne, {Tape('5', {V("5"), V("6"), V("45")}, "L*", 6)},
          "L3:=5,6,A45", true, {" Cote en X :", " Cote en Y :", " Angle (+ - 360°) :"}},
        S{"AngleAnnule", OutilLigne, {Tape('5', {V("5"), V("6"), Annule}, "L*", 6)}, ""},
        S{"PointEtAngle", OutilLigne,
          {Clique(PriseP(2), 0, 30, "LP*", 17), Tape('3', {V("30")}, "L*", 6)}, "L3:=P2,A30",
          true, {" Angle (+ - 360°):"}},
        S{"EcartAuDessus", OutilLigne,
          {Clique(Prise(-1, {0}, {}), 0, -50, "LL*", 18), Tape('1', {V("10")}, "LLN*", 16),
           Clique(TElementsProches(), 30, -40, "L*", 6)},
          "L3:=L0,10,H", true, {" Ecart :"}},
        S{"EcartAGauche", OutilLigne,
          {Clique(Prise(-1, {1}, {}), 60, 0, "LL*", 18), Tape('1', {V("10")}, "LLN*", 16),
           Clique(Prise(-1, {}, {0}), 50, 10, "L*", 6)},
          "L3:=L1,10,G"},
        S{"EcartAnnule", OutilLigne,
          {Clique(Prise(-1, {0}, {}), 0, -50, "LL*", 18), Tape('1', {Annule}, "L*", 6)}, ""}),
    [](const auto& info) { return std::string(info.param.nom); });

INSTANTIATE_TEST_SUITE_P(
    Segment, SequencesLignes,
    ::testing::Values(
        S{"DeuxPoints", OutilSegment,
          {Clique(PriseP(0), 0, 0, "LP*", 5), Clique(Prise(1, {0}, {}), 20, 0, "L*", 5)},
          "L3:=P0,P1"},
        S{"Perpendiculaire", OutilSegment,
          {Clique(PriseP(0), 0, 0, "LP*", 5), Clique(Prise(-1, {0}, {0}), 0, -50, "L*", 5)},
          "L3:=P0,L0,O"},
        S{"TangenteDepuisUnPoint", OutilSegment,
          {Clique(PriseP(0), 0, 0, "LP*", 5), Clique(Prise(-1, {}, {0}), 50, 30, "L*", 5)},
          "L3:=P0,C0,B"},
        S{"Bissectrice", OutilSegment,
          {Clique(Prise(-1, {0}, {}), 0, -50, "LL*", 5), Clique(Prise(0, {1}, {}), 60, 0, "L*", 5)},
          "L3:=L0,L1,M"},
        S{"PerpendiculaireTangente", OutilSegment,
          {Clique(Prise(-1, {0}, {}), 0, -50, "LL*", 5),
           Clique(Prise(-1, {}, {0}), 70, 50, "L*", 5)},
          "L3:=L0,C0,O,D"},
        S{"LignePuisPointBip", OutilSegment,
          {Clique(Prise(-1, {0}, {}), 0, -50, "LL*", 5), Bip(PriseP(0), "LL*", 5)}, ""},
        S{"TangenteCommune", OutilSegment,
          {Clique(Prise(-1, {}, {0}), 70, 50, "LC*", 4),
           Clique(Prise(-1, {}, {1}), -50, -5, "L*", 5)},
          "L3:=C0,C1,D,H"},
        S{"CerclePuisLigneBip", OutilSegment,
          {Clique(Prise(-1, {}, {0}), 70, 50, "LC*", 4), Bip(Prise(-1, {1}, {}), "LC*", 4)}, ""}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(MoteurTest, LigneToucheEnAttenteDePositionNeFaitRien)
{
    hote.Programme(Scene());
    Outil(OutilLigne);
    ClicPris(Prise(-1, {0}, {}), 0, -50);
    dialogues.RepondValeur(QStringLiteral("10"));
    Touche('1');
    ASSERT_EQ(moteur.SignatureEnCours(), QStringLiteral("LLN*"));
    EXPECT_TRUE(Touche('7'));
    EXPECT_EQ(dialogues.Nombre(G::DemandeValeur), 1);
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("L3:=L0,10,"));
    // The position click does not pick.
    const int pointages = hote.pointages;
    Clic(0, -60);
    EXPECT_EQ(hote.pointages, pointages);
    EXPECT_EQ(Derniere(), "L3:=L0,10,B,0,0");
}

// The letter of the distance step follows the side of an oblique line, by the larger
// component of the offset from the foot of the perpendicular.
TEST_F(MoteurTest, EcartCoteDUneLigneOblique)
{
    hote.Programme({"L0:=0,0,A30,0,0"});
    const struct {
        Reel x, y;
        const char* attendu;
    } kCas[] = {{0, 20, "L1:=L0,5,H,0,0"}, {0, -20, "L1:=L0,5,B,0,0"}};
    for (const auto& c : kCas) {
        Outil(OutilLigne);
        ClicPris(Prise(-1, {0}, {}), 0, 0);
        dialogues.RepondValeur(QStringLiteral("5"));
        Touche('5');
        Clic(c.x, c.y);
        EXPECT_EQ(hote.executees.back().toStdString(), c.attendu);
        moteur.InitAppli();
        hote.Programme({"L0:=0,0,A30,0,0"});
    }
    hote.Programme({"L0:=0,0,A70,0,0"});
    Outil(OutilLigne);
    ClicPris(Prise(-1, {0}, {}), 0, 0);
    dialogues.RepondValeur(QStringLiteral("5"));
    Touche('5');
    Clic(-20, 0);
    EXPECT_EQ(hote.executees.back(), QStringLiteral("L1:=L0,5,G,0,0"));
}

TEST_F(MoteurTest, SegmentSauveLeSecondCercle)
{
    hote.Programme(Scene());
    Outil(OutilSegment);
    ClicPris(Prise(-1, {}, {0}), 70, 50);
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("L3:=C0,D"));
    EXPECT_EQ(moteur.Cercle1Sauve().Numero, 0);
    ClicPris(Prise(-1, {}, {2}), 75, 65);
    EXPECT_EQ(hote.executees.back(), QStringLiteral("L3:=C0,C2,D,H,0,0"));
    EXPECT_EQ(moteur.Cercle2Sauve().Numero, 2);
}

} // namespace
} // namespace velk::test
