// The circle and three-point tools: every row of their click tables, the choice dialog's
// three constructions, the typed values, and the I/G letter of a circle centred on a point
// and tangent to another circle.
#include "sequences.h"

namespace velk::test {
namespace {

using S = Sequence;
const std::optional<QString> Annule = std::nullopt;
std::optional<QString> V(const char* t) { return QString::fromUtf8(t); }

class SequencesCercles : public Sequences {};
TEST_P(SequencesCercles, Deroule) { Joue(); }

INSTANTIATE_TEST_SUITE_P(
    Cercle, SequencesCercles,
    ::testing::Values(
        S{"CentreEtPoint", OutilCercle,
          {Clique(Prise(0, {2}, {}), 0, 0, "CP*", 22), Clique(Prise(1, {0}, {}), 20, 0, "C*", 6)},
          "C3:=P0,P1"},
        S{"CentreEtLigne", OutilCercle,
          {Clique(PriseP(0), 0, 0, "CP*", 22), Clique(Prise(-1, {0}, {1}), 0, -50, "C*", 6)},
          "C3:=P0,L0"},
        S{"CentreEtCercleDuCoteLoin", OutilCercle,
          {Clique(PriseP(0), 0, 0, "CP*", 22), Clique(Prise(-1, {}, {0}), 70, 50, "C*", 6)},
          "C3:=P0,C0,G"},
        S{"CentreEtCercleDuCotePres", OutilCercle,
          {Clique(PriseP(0), 0, 0, "CP*", 22), Clique(Prise(-1, {}, {0}), 36, 36, "C*", 6)},
          "C3:=P0,C0,I"},
        S{"LigneSeuleBip", OutilCercle, {Bip(Prise(-1, {0, 1}, {}), "C*", 6)}, ""},
        S{"CentreSurLuiMemeImpossible", OutilCercle,
          {Clique(PriseP(0), 0, 0, "CP*", 22), Clique(PriseP(0), 0, 0, "C*", 6)}, "C3:=P0,P0",
          false},
        S{"Rayon", OutilCercle, {Choisit(Prise(-1, {0}, {0}), 70, 50, 1, {V("25")}, "C*", 6)},
          "C3:=C0,25", true, {" Rayon :"}},
        S{"DifferenceNegativeDonneI", OutilCercle,
          {Choisit(Prise(-1, {}, {0}), 70, 50, 2, {V("-2")}, "C*", 6)}, "C3:=C0,2,I", true,
          {" Différence de rayon :"}},
        S{"DifferencePositiveDonneG", OutilCercle,
          {Choisit(Prise(-1, {}, {1}), -35, -20, 2, {V("5")}, "C*", 6)}, "C3:=C1,5,G"},
        S{"DifferenceAvecPlusDonneG", OutilCercle,
          {Choisit(Prise(-1, {}, {1}), -35, -20, 2, {V("+5")}, "C*", 6)}, "C3:=C1,+5,G"},
        S{"DifferenceQuiNEstPasUnNombreRefusee", OutilCercle,
          {Choisit(Prise(-1, {}, {0}), 70, 50, 2, {V("--5")}, "C*", 6)}, "C3:=C0,--5,G", false},
        S{"DifferenceMoinsSeulRefusee", OutilCercle,
          {Choisit(Prise(-1, {}, {0}), 70, 50, 2, {V("-")}, "C*", 6)}, "C3:=C0,-,G", false},
        S{"Decalage", OutilCercle,
          {Choisit(Prise(-1, {}, {2}), 90, 50, 3, {V("10"), V("-5.5")}, "C*", 6)},
          "C3:=C2,10,-5.5", true, {" Décalage en X :", " Décalage en Y :"}},
        S{"ChoixAnnule", OutilCercle, {Choisit(Prise(-1, {}, {0}), 70, 50, 0, {}, "C*", 6)}, ""},
        S{"RayonAnnule", OutilCercle,
          {Choisit(Prise(-1, {}, {0}), 70, 50, 1, {Annule}, "C*", 6)}, ""},
        S{"DifferenceAnnulee", OutilCercle,
          {Choisit(Prise(-1, {}, {0}), 70, 50, 2, {Annule}, "C*", 6)}, ""},
        S{"DecalageYAnnule", OutilCercle,
          {Choisit(Prise(-1, {}, {0}), 70, 50, 3, {V("1"), Annule}, "C*", 6)}, ""},
        S{"Cotes", OutilCercle, {Tape('1', {V("10"), V("-20"), V("5")}, "C*", 6)},
          "C3:=10,-20,5", true, {" Cote en X :", " Cote en Y :", " Rayon :"}},
        S{"CotesRayonAnnule", OutilCercle, {Tape('1', {V("10"), V("-20"), Annule}, "C*", 6)},
          ""},
        S{"PointPuisRayonTape", OutilCercle,
          {Clique(PriseP(1), 20, 0, "CP*", 22), Tape('2', {V("25")}, "C*", 6)}, "C3:=P1,25",
          true, {" Rayon :"}},
        S{"PointPuisRayonAnnule", OutilCercle,
          {Clique(PriseP(1), 20, 0, "CP*", 22), Tape('2', {Annule}, "C*", 6)}, ""}),
    [](const auto& info) { return std::string(info.param.nom); });

INSTANTIATE_TEST_SUITE_P(
    TroisPoints, SequencesCercles,
    ::testing::Values(
        S{"TroisPoints", OutilArc3,
          {Clique(PriseP(0), 0, 0, "CP*", 5), Clique(Prise(1, {0}, {0}), 20, 0, "CPP*", 5),
           Clique(PriseP(2), 0, 30, "C*", 5)},
          "C3:=P0,P1,P2"},
        S{"PremierClicSurUnCercleBip", OutilArc3, {Bip(Prise(-1, {}, {0}), "C*", 5)}, ""},
        S{"LigneAuDeuxiemeClicBipEtGardeLePoint", OutilArc3,
          {Clique(PriseP(0), 0, 0, "CP*", 5), Bip(Prise(-1, {0}, {}), "CP*", 5),
           Clique(PriseP(1), 20, 0, "CPP*", 5)},
          ""},
        S{"CercleAuTroisiemeClicBip", OutilArc3,
          {Clique(PriseP(0), 0, 0, "CP*", 5), Clique(PriseP(1), 20, 0, "CPP*", 5),
           Bip(Prise(-1, {1}, {2}), "CPP*", 5)},
          ""},
        S{"DeuxFoisLeMemePointImpossible", OutilArc3,
          {Clique(PriseP(0), 0, 0, "CP*", 5), Clique(PriseP(1), 20, 0, "CPP*", 5),
           Clique(PriseP(0), 0, 0, "C*", 5)},
          "C3:=P0,P1,P0", false}),
    [](const auto& info) { return std::string(info.param.nom); });

// The choice dialog comes after prompt 13, the radius after prompt 21; a cancelled choice
// restarts the tool with the same number.
TEST_F(MoteurTest, CercleDepuisUnCercleInvitesEtRecommencement)
{
    hote.Programme(Scene());
    Outil(OutilCercle);
    dialogues.RepondChoix1(1).RepondValeur(QStringLiteral("8"));
    ClicPris(Prise(-1, {}, {0}), 70, 50);
    const std::vector<QString> attendues = {TexteInvite(13), TexteInvite(21), TexteInvite(6)};
    EXPECT_EQ(std::vector<QString>(hote.invites.end() - 3, hote.invites.end()), attendues);
    EXPECT_EQ(dialogues.Appels().back().mode, 1); // positive value
    EXPECT_EQ(Derniere(), "C3:=C0,8,0,0");
    EXPECT_EQ(moteur.Cercle1Sauve().Numero, 0);

    dialogues.RepondChoix1(0);
    ClicPris(Prise(-1, {}, {0}), 70, 50);
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("C4:="));
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("C*"));
    EXPECT_EQ(hote.invite, TexteInvite(6));
}

// The letter of a circle centred on p and tangent to c: always I from inside or on c;
// from outside, G only when the click is farther from p than c's centre is (a tie is I).
TEST_F(MoteurTest, CercleCentreTangentLettre)
{
    const struct {
        const char* point;
        Reel x, y; // the click on C0
        const char* attendu;
    } kCas[] = {
        {"P0:=50,55,0,0", 50, 70, "C1:=P0,C0,I,0,0"},  // inside, far click
        {"P0:=50,55,0,0", 50, 30, "C1:=P0,C0,I,0,0"},  // inside, near click
        {"P0:=50,70,0,0", 50, 30, "C1:=P0,C0,I,0,0"},  // on the circle
        {"P0:=0,50,0,0", 70, 50, "C1:=P0,C0,G,0,0"},   // outside, beyond the centre
        {"P0:=0,50,0,0", 30, 50, "C1:=P0,C0,I,0,0"},   // outside, nearer side
        {"P0:=0,50,0,0", 40, 20, "C1:=P0,C0,I,0,0"},   // outside, as far as the centre
        {"P0:=0,50,0,0", 40, 19, "C1:=P0,C0,G,0,0"},   // just farther
    };
    for (const auto& c : kCas) {
        hote.Programme({c.point, "C0:=50,50,20,0,0"});
        Outil(OutilCercle);
        ClicPris(PriseP(0));
        ClicPris(Prise(-1, {}, {0}), c.x, c.y);
        EXPECT_EQ(Derniere(), c.attendu) << c.point << " " << double(c.x) << "," << double(c.y);
        EXPECT_EQ(moteur.PointTravail(1).Numero, 0);
        moteur.InitAppli();
    }
}

} // namespace
} // namespace velk::test
