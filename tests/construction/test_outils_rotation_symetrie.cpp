// The rotation and symmetry tools: the transformation is fixed once, then every clicked
// element is copied with a new number of its own kind, until a statement fails or the
// tool is left.
#include "sequences.h"

namespace velk::test {
namespace {

using S = Sequence;
const std::optional<QString> Annule = std::nullopt;
std::optional<QString> V(const char* t) { return QString::fromLatin1(t); }

class SequencesCopies : public Sequences {};
TEST_P(SequencesCopies, Deroule) { Joue(); }

INSTANTIATE_TEST_SUITE_P(
    Rotation, SequencesCopies,
    ::testing::Values(
        S{"Point", OutilRotation,
          {Clique(Prise(0, {2}, {}), 0, 0, "RPA*", 26, false, {V("90")}),
           Clique(Prise(1, {0}, {0}), 20, 0, "RPA*", 26)},
          "P3:=P1,P0,A90", true, {" Angle de rotation :"}},
        S{"Ligne", OutilRotation,
          {Clique(PriseP(2), 0, 30, "RPA*", 26, false, {V("-45.5")}),
           Clique(Prise(-1, {1}, {2}), 60, 0, "RPA*", 26)},
          "L3:=L1,P2,A-45.5"},
        S{"Cercle", OutilRotation,
          {Clique(PriseP(0), 0, 0, "RPA*", 26, false, {V("180")}),
           Clique(Prise(-1, {}, {1, 0}), -50, -5, "RPA*", 26)},
          "C3:=C1,P0,A180"},
        S{"CentreSurUneLigneBip", OutilRotation, {Bip(Prise(-1, {0}, {}), "R*", 25)}, ""},
        S{"CentreSurUnCercleBip", OutilRotation, {Bip(Prise(-1, {}, {0}), "R*", 25)}, ""},
        S{"AngleAnnuleRevientAuCentre", OutilRotation,
          {Clique(PriseP(0), 0, 0, "R*", 25, false, {Annule})}, ""},
        S{"RienTrouveNeChangeRien", OutilRotation,
          {Clique(PriseP(0), 0, 0, "RPA*", 26, false, {V("30")}),
           Clique(TElementsProches(), 90, 90, "RPA*", 26)},
          ""},
        S{"ElementAbsentRevientAuCentre", OutilRotation,
          {Clique(PriseP(0), 0, 0, "RPA*", 26, false, {V("30")}), Clique(PriseP(40), 5, 5, "R*", 25)},
          "P3:=P40,P0,A30", false}),
    [](const auto& info) { return std::string(info.param.nom); });

INSTANTIATE_TEST_SUITE_P(
    Symetrie, SequencesCopies,
    ::testing::Values(
        S{"PointParUnCentre", OutilSymetrie,
          {Clique(Prise(0, {2}, {0}), 0, 0, "SP*", 27), Clique(Prise(1, {0}, {}), 20, 0, "SP*", 27)},
          "P3:=P1,P0"},
        S{"LigneParUnCentre", OutilSymetrie,
          {Clique(PriseP(2), 0, 30, "SP*", 27), Clique(Prise(-1, {0, 2}, {}), 0, -50, "SP*", 27)},
          "L3:=L0,P2"},
        S{"CercleParUnCentre", OutilSymetrie,
          {Clique(PriseP(0), 0, 0, "SP*", 27), Clique(Prise(-1, {}, {2}), 90, 50, "SP*", 27)},
          "C3:=C2,P0"},
        S{"PointParUnAxe", OutilSymetrie,
          {Clique(Prise(-1, {0}, {1}), 0, -50, "SL*", 27), Clique(PriseP(1), 20, 0, "SL*", 27)},
          "P3:=P1,L0"},
        S{"LigneParUnAxe", OutilSymetrie,
          {Clique(Prise(-1, {1}, {}), 60, 0, "SL*", 27),
           Clique(Prise(-1, {2}, {1}), -50, -20, "SL*", 27)},
          "L3:=L2,L1"},
        S{"CercleParUnAxe", OutilSymetrie,
          {Clique(Prise(-1, {1}, {}), 60, 0, "SL*", 27), Clique(Prise(-1, {}, {0}), 50, 70, "SL*", 27)},
          "C3:=C0,L1"},
        S{"CercleSeulBip", OutilSymetrie, {Bip(Prise(-1, {}, {0, 1}), "S*", 24)}, ""},
        S{"ElementAbsentRevientAuDebut", OutilSymetrie,
          {Clique(PriseP(0), 0, 0, "SP*", 27), Clique(Prise(-1, {}, {9}), 5, 5, "S*", 24)},
          "C3:=C9,P0", false}),
    [](const auto& info) { return std::string(info.param.nom); });

// Points P0 to P5, lines L0 to L2, circles C0 and C1: one rotation about P0 by 90 degrees
// copies P3, L2 and C1, each with the next number of its kind, and waits for more.
TEST_F(MoteurTest, RotationContinueAvecDesNumerosDeChaqueGenre)
{
    hote.Programme({"P0:=0,0,0,0", "P1:=10,0,0,0", "P2:=20,0,0,0", "P3:=30,0,0,0",
                    "P4:=40,0,0,0", "P5:=50,0,0,0", "L0:=0,-50,A0,0,0", "L1:=60,0,A90,0,0",
                    "L2:=0,-20,A0,0,0", "C0:=50,50,20,0,0", "C1:=-50,-20,15,0,0"});
    moteur.SetCouleurCourante(3);
    moteur.SetCoucheCourante(2);
    Outil(OutilRotation);
    dialogues.RepondValeur(QStringLiteral("90"));
    ClicPris(PriseP(0));
    EXPECT_EQ(moteur.CentreRotation(), 0);
    EXPECT_EQ(moteur.AngleRotation(), QStringLiteral("90"));
    ClicPris(PriseP(3));
    ClicPris(Prise(-1, {2}, {}));
    ClicPris(Prise(-1, {}, {1}));
    ClicPris(PriseP(3));
    EXPECT_EQ(Ajoutees(), (std::vector<std::string>{"P6:=P3,P0,A90,3,2", "L3:=L2,P0,A90,3,2",
                                                     "C2:=C1,P0,A90,3,2", "P7:=P3,P0,A90,3,2"}));
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("RPA*"));
    EXPECT_EQ(hote.invite, TexteInvite(26));
    EXPECT_EQ(hote.panneaux[3], QStringLiteral("RPA*"));
    TRecPoint p;
    hote.tables.LitPoint(6, p);
    EXPECT_NEAR(double(p.X), 0, 1e-12);
    EXPECT_NEAR(double(p.Y), 30, 1e-12);
    // Only one angle was asked for the four copies.
    EXPECT_EQ(dialogues.Nombre(G::DemandeValeur), 1);
    EXPECT_EQ(dialogues.Appels().front().mode, 2);
}

// A refused copy ends the repetition: the centre and the angle are to be given again.
TEST_F(MoteurTest, RotationRefuseeRedemandeCentreEtAngle)
{
    hote.Programme(Scene());
    Outil(OutilRotation);
    dialogues.RepondValeur(QStringLiteral("30"));
    ClicPris(PriseP(0));
    ClicPris(PriseP(1));
    ClicPris(PriseP(77));
    EXPECT_EQ(dialogues.Textes(G::Avertissement),
              std::vector<QString>{QStringLiteral("Construction impossible")});
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("R*"));
    EXPECT_EQ(hote.invite, TexteInvite(25));
    dialogues.RepondValeur(std::nullopt);
    ClicPris(PriseP(2)); // taken as a centre: the angle is asked again
    EXPECT_EQ(dialogues.Nombre(G::DemandeValeur), 2);
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("R*"));
    EXPECT_EQ(Ajoutees(), std::vector<std::string>{"P3:=P1,P0,A30,0,0"});
}

// The symmetry comes back to its own prefix after each copy, through a centre or in an
// axis, and numbers every copy in its kind.
TEST_F(MoteurTest, SymetrieRepeteAvecSaSignature)
{
    hote.Programme(Scene());
    Outil(OutilSymetrie);
    ClicPris(Prise(-1, {0}, {}), 0, -50);
    EXPECT_EQ(moteur.AxeSymetrie(), 0);
    ClicPris(PriseP(1));
    EXPECT_EQ(moteur.SignatureSymetrie(), QStringLiteral("SL*"));
    ClicPris(Prise(-1, {}, {2}));
    ClicPris(Prise(-1, {2}, {}));
    EXPECT_EQ(Ajoutees(),
              (std::vector<std::string>{"P3:=P1,L0,0,0", "C3:=C2,L0,0,0", "L3:=L2,L0,0,0"}));
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("SL*"));
    EXPECT_EQ(hote.invite, TexteInvite(27));
    TRecPoint p;
    hote.tables.LitPoint(3, p);
    EXPECT_NEAR(double(p.Y), -100, 1e-12);

    // Escape leaves the tool; pressed again it starts from the first step.
    moteur.FormKeyDown(Qt::Key_Escape, true);
    EXPECT_TRUE(moteur.SignatureSymetrie().isEmpty());
    Outil(OutilSymetrie);
    EXPECT_EQ(hote.invite, TexteInvite(24));
    ClicPris(PriseP(2));
    EXPECT_EQ(moteur.CentreSymetrie(), 2);
    EXPECT_EQ(moteur.AxeSymetrie(), 0); // kept until the next axis
    ClicPris(PriseP(3));
    EXPECT_EQ(Derniere(), "P4:=P3,P2,0,0");
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("SP*"));
}

// With every number of the clicked kind taken, the copy is not built and the tool keeps
// waiting for another element.
TEST_F(MoteurTest, CopieSansNumeroLibre)
{
    hote.Programme(Scene());
    Outil(OutilRotation);
    dialogues.RepondValeur(QStringLiteral("10"));
    ClicPris(PriseP(0));
    hote.plusDeNumero = true;
    ClicPris(PriseP(1));
    EXPECT_TRUE(hote.executees.empty());
    EXPECT_EQ(hote.invite, TextePlusDeNumero());
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("RPA*"));
    hote.plusDeNumero = false;
    ClicPris(PriseP(1));
    EXPECT_EQ(Derniere(), "P3:=P1,P0,A10,0,0");
}

} // namespace
} // namespace velk::test
