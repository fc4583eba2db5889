// The engine's frame: the prompt table, the complete signatures, arming a tool,
// InitAppli, TermineConstruction with its continuation rules, the mode dispatch of the
// mouse (zoom, print area, canonical form), the keys and the status panels.
#include "moteur_fixture.h"

#include <QLocale>

namespace velk::test {
namespace {

TEST(Invites, LesVingtNeufTextesExactement)
{
    const char* const attendus[] = {
        "",
        " Encadrez la zone à zoomer ou cliquez le centre puis donnez une échelle",
        " Cliquez un point ",
        " Cliquez une ligne ",
        " Cliquez un cercle ",
        " Cliquez un élément de géométrie ",
        " Cliquez un élément de géométrie ou tapez une valeur",
        " Cliquez une intersection, une ligne ou un cercle",
        " Cliquez une ligne ou un cercle",
        " Tapez la cote en X",
        " Tapez la cote en Y",
        " Tapez le décalage en X",
        " Tapez le décalage en Y",
        " Faites un choix",
        " Entrez un angle",
        " Tapez l'ecart",
        " Position",
        " Cliquez une ligne ou tapez un angle",
        " Cliquez un cercle ou tapez un ecart",
        " Cliquez un point, un cercle ou tapez une cote",
        " Cliquez un point, une ligne ou tapez un decalage",
        " Tapez le rayon",
        " Cliquez un élément géométrique tangent ou tapez le rayon",
        " Tapez la différence de rayon",
        " Cliquez un point ou une ligne de symètrie",
        " Cliquez le centre de rotation",
        " Cliquez l'élément de géométrie à tourner",
        " Cliquez l'élément de géométrie à symètriser",
        " Encadrez la zone à imprimer ou cliquez le centre puis donnez une échelle",
        " Tapez l'échelle",
    };
    ASSERT_EQ(NombreInvites, 30);
    for (int k = 0; k < NombreInvites; ++k)
        EXPECT_EQ(TexteInvite(k), QString::fromUtf8(attendus[k])) << k;
    EXPECT_EQ(TexteInvite(30), QString());
    EXPECT_EQ(TexteInvite(-1), QString());
}

TEST(Signatures, LesCinquanteSixCompletes)
{
    const char* const completes[] = {
        "PNN", "PNA", "PPNN", "PPNA", "PC", "PPPA", "PPP", "PPL", "PLL", "PLCD", "PCCD",
        "PPPD", "LNNA", "LPA", "LPP", "LPL", "LPLD", "LPCD", "LND", "LLND", "LLCD", "LLCDD",
        "LCCDD", "LCAD", "LLP", "LLL", "LLPA", "LLLD", "CNNN", "CPN", "CPP", "CPL", "CPCD",
        "CCNN", "CCNA", "CPPND", "CPLND", "CPCNDD", "CLLNDD", "CLCNDDD", "CCCNDDD", "CCN",
        "CCND", "CPPP", "CPPL", "CPPCD", "CPLL", "CPLCDD", "CPCCDD", "CLLLDDD", "CLLCDDDD",
        "CLCCDDDD", "CCCCDDD", "CCPA", "CCP", "CCL"};
    EXPECT_EQ(sizeof(completes) / sizeof(completes[0]), 56u);
    for (const char* s : completes)
        EXPECT_TRUE(SignatureComplete(QString::fromLatin1(s))) << s;
    for (const char* s : {"", "P*", "PP*", "LLN*", "RPA*", "SP*", "P", "PPPPA", "PPNNN", "VN"})
        EXPECT_FALSE(SignatureComplete(QString::fromLatin1(s))) << s;
}

TEST(Coordonnees, EntiersGroupesParMilliers)
{
    const QString sep = QLocale::system().groupSeparator();
    EXPECT_EQ(TexteCoordonnees(0, 0), QStringLiteral("X : 0  Y : 0"));
    EXPECT_EQ(TexteCoordonnees(-40.4L, 24.5L), QStringLiteral("X : -40  Y : 25"));
    EXPECT_EQ(TexteCoordonnees(1234567.2L, -2.5L),
              QStringLiteral("X : 1") + sep + "234" + sep + "567  Y : -3");
}

// ---- Arming ----

struct Depart {
    int outil;
    const char* instruction;
    const char* signature;
    int invite;
};

class Armement : public MoteurTest, public ::testing::WithParamInterface<Depart> {};

TEST_P(Armement, TexteSignatureEtInviteDuTableau)
{
    hote.Programme({"P0:=0,0,0,0", "P1:=1,0,0,0", "P3:=3,0,0,0", "L0:=P0,A0,0,0",
                    "C0:=P0,5,0,0", "C1:=P0,6,0,0"});
    const Depart& d = GetParam();
    hote.panneaux[3] = QStringLiteral("vieux");
    Outil(d.outil);
    EXPECT_EQ(moteur.Outil(), d.outil);
    EXPECT_EQ(moteur.InstructionEnCours(), QString::fromLatin1(d.instruction));
    EXPECT_EQ(moteur.SignatureEnCours(), QString::fromLatin1(d.signature));
    EXPECT_EQ(moteur.InviteCourante(), d.invite);
    EXPECT_EQ(hote.invite, TexteInvite(d.invite));
    EXPECT_EQ(hote.panneaux[3], QString());
}

INSTANTIATE_TEST_SUITE_P(Outils, Armement,
                         ::testing::Values(Depart{1, "P2:=", "P*", 19}, Depart{2, "P2:=", "P*", 7},
                                           Depart{3, "L1:=", "L*", 6}, Depart{4, "L1:=", "L*", 5},
                                           Depart{5, "C2:=", "C*", 6}, Depart{6, "C2:=", "C*", 5},
                                           Depart{7, "C2:=", "C*", 5}, Depart{8, "", "R*", 25},
                                           Depart{9, "", "S*", 24}));

TEST_F(MoteurTest, OutilsSansSequenceGardentLInvite)
{
    for (int outil = 10; outil <= 14; ++outil) {
        moteur.AfficheInvite(7);
        Outil(outil);
        EXPECT_EQ(moteur.Outil(), outil);
        EXPECT_EQ(moteur.InstructionEnCours(), QString());
        EXPECT_EQ(moteur.SignatureEnCours(), QString());
        EXPECT_EQ(hote.invite, TexteInvite(7)) << outil;
        // No click, key or prompt belongs to them.
        Clic(0, 0);
        EXPECT_FALSE(Touche('5'));
        EXPECT_EQ(hote.pointages, 0);
        EXPECT_EQ(dialogues.Appels().size(), 0u);
        EXPECT_EQ(hote.invite, TexteInvite(7));
    }
}

TEST_F(MoteurTest, BoutonRelacheRendOutilZeroEtEfface)
{
    Outil(OutilPoint);
    moteur.BtnOutilClick(OutilPoint, false);
    EXPECT_EQ(moteur.Outil(), 0);
    EXPECT_EQ(hote.invite, QString());
    EXPECT_EQ(hote.panneaux[3], QString());
    EXPECT_EQ(moteur.SignatureEnCours(), QString());
}

TEST_F(MoteurTest, PlusDeNumeroLibre)
{
    hote.plusDeNumero = true;
    Outil(OutilLigne);
    EXPECT_EQ(moteur.Outil(), 0);
    EXPECT_EQ(hote.outilsRelaches, std::vector<int>{OutilLigne});
    EXPECT_EQ(hote.invite, QStringLiteral(" Plus de numéro libre"));
    EXPECT_EQ(moteur.SignatureEnCours(), QString());
    Clic(0, 0);
    EXPECT_TRUE(hote.executees.empty());
}

TEST_F(MoteurTest, PlusDeNumeroLibreSurLaVraieTable)
{
    // 65 536 points: every number is taken.
    std::vector<std::string> lignes;
    lignes.reserve(65536);
    for (int n = 0; n < 65536; ++n)
        lignes.push_back("P" + std::to_string(n) + ":=" + std::to_string(n % 50) + ",0,0,0");
    hote.Programme(lignes);
    ASSERT_FALSE(hote.tables.NumeroLibrePoint());
    Outil(OutilPoint);
    EXPECT_EQ(moteur.Outil(), 0);
    EXPECT_EQ(hote.invite, TextePlusDeNumero());
    EXPECT_FALSE(Touche('1'));
    // Lines are still free.
    Outil(OutilSegment);
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("L0:="));
}

// ---- InitAppli ----

TEST_F(MoteurTest, InitAppliRelacheModeEtOutil)
{
    Outil(OutilInter);
    moteur.BtnModeClick(ModeSouris::FormeCanonique, true);
    moteur.InitAppli();
    EXPECT_EQ(moteur.Mode(), ModeSouris::Aucun);
    EXPECT_EQ(moteur.Outil(), 0);
    EXPECT_EQ(hote.modesRelaches, std::vector<ModeSouris>{ModeSouris::FormeCanonique});
    EXPECT_EQ(hote.outilsRelaches, std::vector<int>{OutilInter});
    EXPECT_EQ(hote.invite, QString());
    EXPECT_EQ(moteur.InstructionEnCours(), QString());
    EXPECT_EQ(moteur.SignatureEnCours(), QString());
}

TEST_F(MoteurTest, EchapSurLOngletGraphiqueSeulement)
{
    hote.Programme({"P0:=0,0,0,0"});
    Outil(OutilPoint);
    Clic(0, 0);
    ASSERT_EQ(moteur.SignatureEnCours(), QStringLiteral("PP*"));
    EXPECT_FALSE(moteur.FormKeyDown(Qt::Key_Escape, false));
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("PP*"));
    EXPECT_FALSE(moteur.FormKeyDown(Qt::Key_A, true));
    EXPECT_TRUE(moteur.FormKeyDown(Qt::Key_Escape, true));
    EXPECT_EQ(moteur.SignatureEnCours(), QString());
    EXPECT_EQ(moteur.Outil(), 0);
    EXPECT_EQ(hote.outilsRelaches, std::vector<int>{OutilPoint});
}

// ---- TermineConstruction ----

TEST_F(MoteurTest, CouleurEtCoucheCourantesAjoutees)
{
    moteur.SetCouleurCourante(3);
    moteur.SetCoucheCourante(2);
    Outil(OutilPoint);
    dialogues.RepondValeur(QStringLiteral("10")).RepondValeur(QStringLiteral("20"));
    EXPECT_TRUE(Touche('1'));
    EXPECT_EQ(Ajoutees(), std::vector<std::string>{"P0:=10,20,3,2"});
    EXPECT_TRUE(hote.tables.PointExiste(0));
    TRecPoint p;
    hote.tables.LitPoint(0, p);
    EXPECT_EQ(p.Couleur, 3);
    EXPECT_EQ(p.Couche, 2);
    // The same tool starts again with the next number.
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("P1:="));
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("P*"));
    EXPECT_EQ(hote.invite, TexteInvite(19));
}

TEST_F(MoteurTest, TexteEnLectureSeuleNiOutilNiElement)
{
    // A program opened read-only cannot receive a statement: the tool button pops up with a
    // beep, and a sequence under way when the text became read-only stores nothing.
    hote.lectureSeule = true;
    Outil(OutilPoint);
    EXPECT_EQ(moteur.Outil(), OutilAucun);
    EXPECT_EQ(hote.outilsRelaches, std::vector<int>{OutilPoint});
    EXPECT_EQ(dialogues.Nombre(G::Bip), 1);
    EXPECT_FALSE(Touche('1'));

    hote.lectureSeule = false;
    Outil(OutilPoint);
    dialogues.RepondValeur(QStringLiteral("10")).RepondValeur(QStringLiteral("20"));
    hote.lectureSeule = true;
    EXPECT_TRUE(Touche('1'));
    EXPECT_TRUE(hote.executees.empty());
    EXPECT_TRUE(hote.ajoutees.empty());
    EXPECT_FALSE(hote.tables.PointExiste(0));
    EXPECT_EQ(dialogues.Nombre(G::Bip), 2);
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("P0:="));
}

TEST_F(MoteurTest, ConstructionImpossibleRecommenceAvecLeMemeNumero)
{
    // L0 and L1 are parallel: their intersection is refused.
    hote.Programme({"L0:=0,0,A0,0,0", "L1:=0,10,A0,0,0"});
    Outil(OutilInter);
    ClicPris(Prise(-1, {0, 1}, {}));
    EXPECT_EQ(hote.executees, std::vector<QString>{QStringLiteral("P0:=L0,L1,0,0")});
    EXPECT_TRUE(hote.ajoutees.empty());
    EXPECT_EQ(dialogues.Textes(G::Avertissement),
              std::vector<QString>{QStringLiteral("Construction impossible")});
    EXPECT_EQ(hote.messages.items.size(), 1u);
    EXPECT_EQ(moteur.Outil(), OutilInter);
    EXPECT_EQ(moteur.InstructionEnCours(), QStringLiteral("P0:="));
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("P*"));
    EXPECT_EQ(hote.invite, TexteInvite(7));
}

TEST_F(MoteurTest, PanneauTroisSuitLaSignatureAChaqueClic)
{
    hote.Programme({"P0:=0,0,0,0", "P1:=10,0,0,0"});
    Outil(OutilSegment);
    Clic(0, 0);
    EXPECT_EQ(hote.panneaux[3], QStringLiteral("LP*"));
    Clic(10, 0);
    // Completed: the tool restarted and the panel shows the new signature.
    EXPECT_EQ(hote.panneaux[3], QStringLiteral("L*"));
    EXPECT_EQ(Derniere(), "L0:=P0,P1,0,0");
}

// ---- Mouse modes ----

TEST_F(MoteurTest, ZoomParLeMoteur)
{
    Outil(OutilPoint);
    moteur.BtnModeClick(ModeSouris::Zoom, true);
    moteur.DessinMouseDown(100, 200);
    EXPECT_TRUE(moteur.GlisserEnCours());
    EXPECT_TRUE(hote.cadreVisible);
    moteur.DessinMouseMove(40, 60);
    EXPECT_EQ(hote.cadre.second, QPoint(40, 60));
    moteur.DessinMouseUp(40, 60);
    EXPECT_FALSE(hote.cadreVisible);
    EXPECT_FALSE(moteur.GlisserEnCours());
    EXPECT_EQ(moteur.Mode(), ModeSouris::Aucun);
    EXPECT_EQ(hote.modesRelaches, std::vector<ModeSouris>{ModeSouris::Zoom});
    ASSERT_EQ(hote.zooms.size(), 1u);
    EXPECT_EQ(hote.zooms[0].first, QPoint(100, 200));
    EXPECT_EQ(hote.zooms[0].second, QPoint(40, 60));
    // The click that ended the drag is not passed to the tool, which stays armed.
    EXPECT_EQ(hote.pointages, 0);
    EXPECT_EQ(moteur.Outil(), OutilPoint);
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("P*"));
}

TEST_F(MoteurTest, ZoneImpressionCommeLeZoom)
{
    moteur.SetModeSouris(ModeSouris::ZoneImpression);
    moteur.AfficheInvite(28);
    moteur.DessinMouseDown(10, 20);
    moteur.DessinMouseMove(30, 50);
    moteur.DessinMouseUp(30, 50);
    EXPECT_EQ(moteur.Mode(), ModeSouris::Aucun);
    ASSERT_EQ(hote.impressions.size(), 1u);
    EXPECT_EQ(hote.impressions[0].first, QPoint(10, 20));
    EXPECT_EQ(hote.impressions[0].second, QPoint(30, 50));
    EXPECT_TRUE(hote.zooms.empty());
    EXPECT_TRUE(hote.modesRelaches.empty());
}

TEST_F(MoteurTest, FormeCanoniquePointAvantLigneAvantCercle)
{
    const struct {
        TElementsProches e;
        const char* attendu;
    } kCas[] = {
        {Prise(4, {1, 2}, {3}), "P4"},
        {Prise(-1, {1, 2}, {3}), "L1"},
        {Prise(-1, {}, {3, 5}), "C3"},
    };
    Outil(OutilSegment);
    for (const auto& c : kCas) {
        moteur.BtnModeClick(ModeSouris::FormeCanonique, true);
        // Nothing found: the mode stays.
        Clic(90, 90);
        EXPECT_EQ(moteur.Mode(), ModeSouris::FormeCanonique);
        EXPECT_TRUE(hote.formes.empty());
        ClicPris(c.e);
        ASSERT_EQ(hote.formes.size(), 1u);
        EXPECT_EQ(hote.formes[0], QString::fromLatin1(c.attendu));
        EXPECT_EQ(moteur.Mode(), ModeSouris::Aucun);
        EXPECT_EQ(hote.modesRelaches.back(), ModeSouris::FormeCanonique);
        hote.formes.clear();
    }
    // The tool did not see those clicks.
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("L*"));
    EXPECT_TRUE(dialogues.Appels().empty());
}

TEST_F(MoteurTest, GommeLaisseLesClicsALOutil)
{
    hote.Programme({"P0:=0,0,0,0"});
    Outil(OutilSegment);
    moteur.BtnModeClick(ModeSouris::Gomme, true);
    Clic(0, 0);
    EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("LP*"));
}

TEST_F(MoteurTest, PanneauZeroSuitLaSouris)
{
    moteur.DessinMouseMove(hote.Colonne(-40), hote.Ligne(25));
    EXPECT_EQ(hote.panneaux[0], QStringLiteral("X : -40  Y : 25"));
}

// ---- Keys ----

TEST_F(MoteurTest, TouchesAccepteesEtRefusees)
{
    Outil(OutilPoint);
    for (char c : {'.', 'a', ',', ' ', 'x', '*'}) {
        EXPECT_FALSE(Touche(c)) << c;
    }
    EXPECT_EQ(dialogues.Nombre(G::DemandeValeur), 0);
    // Not on another tab.
    EXPECT_FALSE(moteur.FormKeyPress(QLatin1Char('5'), false));
    EXPECT_EQ(dialogues.Nombre(G::DemandeValeur), 0);
    for (char c : {'+', '-', '0', '9', 'E', 'e'}) {
        dialogues.RepondValeur(std::nullopt);
        EXPECT_TRUE(Touche(c)) << c;
        const AppelDialogue& a = dialogues.Appels().back();
        EXPECT_EQ(a.premierCaractere, QLatin1Char(c == 'e' ? 'E' : c)) << c;
        EXPECT_EQ(moteur.SignatureEnCours(), QStringLiteral("P*"));
    }
}

TEST_F(MoteurTest, TouchesDesAutresOutilsIgnorees)
{
    for (int outil : {OutilInter, OutilSegment, OutilArc, OutilArc3, OutilRotation,
                      OutilSymetrie}) {
        Outil(outil);
        EXPECT_FALSE(Touche('5')) << outil;
    }
    EXPECT_TRUE(dialogues.Appels().empty());
}

} // namespace
} // namespace velk::test
