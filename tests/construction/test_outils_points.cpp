// The point and intersection tools, every row of their click tables and their typed
// values, on a small scene: P0 (0,0), P1 (20,0), P2 (0,30); L0 y = -50, L1 x = 60,
// L2 y = -20; C0 (50,50) r 20, C1 (-50,-20) r 15, C2 (75,50) r 15.
#include "sequences.h"

namespace velk::test {
namespace {

using S = Sequence;
const std::optional<QString> Annule = std::nullopt;
std::optional<QString> V(const char* t) { return QString::fromLatin1(t); }

TEST_P(Sequences, Deroule) { Joue(); }

INSTANTIATE_TEST_SUITE_P(
    Point, Sequences,
    ::testing::Values(
        S{"Milieu", OutilPoint,
          {Clique(PriseP(0), 0, 0, "PP*", 20), Clique(Prise(1, {0}, {}), 20, 0, "P*", 19)},
          "P3:=P0,P1,M"},
        S{"Centre", OutilPoint, {Clique(Prise(-1, {0}, {0}), 70, 50, "P*", 19)}, "P3:=C0"},
        S{"DeuxCerclesBip", OutilPoint, {Bip(Prise(-1, {}, {0, 2}), "P*", 19)}, ""},
        S{"LignesSeulesBip", OutilPoint, {Bip(Prise(-1, {0, 1}, {}), "P*", 19)}, ""},
        S{"RienNeChangeRien", OutilPoint, {Clique(TElementsProches(), 5, 5, "P*", 19)}, ""},
        S{"Symetrique", OutilPoint,
          {Clique(PriseP(2), 0, 30, "PP*", 20), Clique(Prise(-1, {0}, {1}), 0, -50, "P*", 19)},
          "P3:=P2,L0"},
        S{"CerclesSeulsBip", OutilPoint,
          {Clique(PriseP(2), 0, 30, "PP*", 20), Bip(Prise(-1, {}, {1}), "PP*", 20)}, ""},
        S{"Cotes", OutilPoint, {Tape('1', {V("10"), V("-20.5")}, "P*", 19)}, "P3:=10,-20.5",
          true, {" Cote en X :", " Cote en Y :"}},
        S{"Decalage", OutilPoint,
          {Clique(PriseP(0), 0, 0, "PP*", 20), Tape('-', {V("-5"), V("7")}, "P*", 19)},
          "P3:=P0,-5,7", true, {" Decalage en X :", " Decalage en Y :"}},
        S{"CoteXAnnulee", OutilPoint, {Tape('1', {Annule}, "P*", 19)}, ""},
        S{"CoteYAnnulee", OutilPoint, {Tape('1', {V("1"), Annule}, "P*", 19)}, ""},
        S{"DecalageAnnule", OutilPoint,
          {Clique(PriseP(0), 0, 0, "PP*", 20), Tape('5', {V("5"), Annule}, "P*", 19)}, ""}),
    [](const auto& info) { return std::string(info.param.nom); });

INSTANTIATE_TEST_SUITE_P(
    Intersection, Sequences,
    ::testing::Values(
        S{"LigneLigne", OutilInter,
          {Clique(Prise(-1, {0}, {}), 30, -50, "PL*", 8), Clique(Prise(-1, {1}, {}), 60, 10, "P*", 7)},
          "P3:=L0,L1"},
        S{"LigneEtCercleDuPremierCoup", OutilInter,
          {Clique(Prise(0, {2}, {1}), -35, -20, "P*", 7)}, "P3:=L2,C1,D"},
        S{"DeuxLignesDuPremierCoup", OutilInter, {Clique(Prise(-1, {0, 1}, {0}), 60, -50, "P*", 7)},
          "P3:=L0,L1"},
        S{"CercleCercle", OutilInter,
          {Clique(Prise(-1, {}, {0}), 50, 70, "PC*", 8), Clique(Prise(-1, {}, {2}), 66, 62, "P*", 7)},
          "P3:=C0,C2,H"},
        S{"CercleCercleEntreLesCentresEnBas", OutilInter,
          {Clique(Prise(-1, {}, {0}), 50, 70, "PC*", 8), Clique(Prise(-1, {}, {2}), 66, 38, "P*", 7)},
          "P3:=C0,C2,B"},
        S{"DeuxCerclesADroite", OutilInter, {Clique(Prise(-1, {}, {2, 0}), 90, 50, "P*", 7)},
          "P3:=C2,C0,D"},
        S{"PointSeulBip", OutilInter, {Bip(PriseP(0), "P*", 7)}, ""},
        S{"LignePuisCercle", OutilInter,
          {Clique(Prise(-1, {2}, {}), 0, -20, "PL*", 8), Clique(Prise(-1, {}, {1}), -65, -20, "P*", 7)},
          "P3:=L2,C1,G"},
        S{"LignePuisPointBip", OutilInter,
          {Clique(Prise(-1, {2}, {}), 0, -20, "PL*", 8), Bip(PriseP(1), "PL*", 8)}, ""},
        S{"CerclePuisLigneReecrit", OutilInter,
          {Clique(Prise(-1, {}, {1}), -50, -5, "PC*", 8),
           Clique(Prise(-1, {2}, {}), -35, -21, "P*", 7)},
          "P3:=L2,C1,D"},
        S{"CerclePuisPointBip", OutilInter,
          {Clique(Prise(-1, {}, {1}), -50, -5, "PC*", 8), Bip(PriseP(1), "PC*", 8)}, ""},
        S{"ParallelesImpossible", OutilInter, {Clique(Prise(-1, {0, 2}, {}), 0, -35, "P*", 7)},
          "P3:=L0,L2", false}),
    [](const auto& info) { return std::string(info.param.nom); });

// What the working records hold after the steps that save them.
TEST_F(MoteurTest, IntersectionSauveLigneEtCercles)
{
    hote.Programme(Scene());
    Outil(OutilInter);
    ClicPris(Prise(-1, {}, {1}), -50, -5);
    EXPECT_EQ(moteur.Cercle1Sauve().Numero, 1);
    EXPECT_EQ(double(moteur.Cercle1Sauve().Xc), -50);
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("P3:=C1,"));
    ClicPris(Prise(-1, {}, {0}), 66, 62);
    EXPECT_EQ(moteur.Cercle2Sauve().Numero, 0);
    EXPECT_EQ(double(moteur.Cercle2Sauve().Rc), 20);
    moteur.ArmeOutil();
    ClicPris(Prise(-1, {1}, {}), 60, 0);
    EXPECT_EQ(double(moteur.LigneSauvee().Xpd), 60);
}

// The scene's crossing of L2 and C1 picked for real: the pick finds both, and the click,
// level with the centre and right of it, gives "D".
TEST_F(MoteurTest, IntersectionSurLaVraieScene)
{
    hote.Programme(Scene());
    Outil(OutilInter);
    Clic(-35, -20);
    EXPECT_EQ(Derniere(), "P3:=L2,C1,D,0,0");
    TRecPoint p;
    hote.tables.LitPoint(3, p);
    EXPECT_NEAR(double(p.X), -35, 1e-12);
    EXPECT_NEAR(double(p.Y), -20, 1e-12);
    // The next statement takes the next number.
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("P4:="));
}

TEST_F(MoteurTest, PointLignePremierClicBipe)
{
    hote.Programme(Scene());
    Outil(OutilPoint);
    Clic(-90, -50); // on L0 only
    EXPECT_EQ(dialogues.Nombre(G::Bip), 1);
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("P*"));
    Clic(0, 0); // on P0, near L2? no: 20 units away
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("PP*"));
}

TEST_F(MoteurTest, TypedValueAbandonedKeepsTheNumber)
{
    hote.Programme(Scene());
    Outil(OutilPoint);
    dialogues.RepondValeur(QStringLiteral("4")).RepondValeur(std::nullopt);
    Touche('4');
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("P3:="));
    EXPECT_EQ(hote.invite, TexteInvite(19));
    // The prompt of each value was shown before its dialog.
    const std::vector<QString> attendues = {TexteInvite(19), TexteInvite(9), TexteInvite(10),
                                            TexteInvite(19)};
    EXPECT_EQ(std::vector<QString>(hote.invites.end() - 4, hote.invites.end()), attendues);
    EXPECT_EQ(dialogues.Appels()[0].premierCaractere, QLatin1Char('4'));
    EXPECT_TRUE(dialogues.Appels()[1].premierCaractere.isNull());
}

} // namespace
} // namespace velk::test
