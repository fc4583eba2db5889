// Construction by clicks in the real window: the palettes (buttons, hints, accessible
// names, groups, switches), statements built by clicking on the Dessin widget and checked
// in the program text and the table files, keys reaching the construction whatever has the
// focus, Escape, New and loading.
#include "fenetre_test.h"

#include "construction/moteur_construction.h"
#include "shell/zone_menu.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <sqlite3.h>

namespace velk::test {
namespace {

using Construction = FenetreTest;

const std::vector<std::string> kScene = {
    "// Programme VELK Version 1.0 ", "// Derniere modif. : ", "//",
    "P0:=0,0,0,0", "P1:=40,0,0,0", "P2:=0,40,0,0", "L0:=0,-40,A0,0,0", "C0:=-40,40,15,0,0"};

QToolButton* Bouton(TFPrincipale& f, const char* nom)
{
    return f.findChild<QToolButton*>(QString::fromLatin1(nom));
}

// A left click on the drawing at a world point.
void Clique(TFPrincipale& f, Reel x, Reel y)
{
    const TVue& vue = f.Vue().VueEcran();
    QTest::mouseClick(&f.SurfaceGraphique(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(XEcran(vue, x), YEcran(vue, y)));
}

// Rows of a table file, by a query of its own connection.
int CompteLignes(const QString& fichier, const char* sql)
{
    sqlite3* db = nullptr;
    int n = -1;
    if (sqlite3_open_v2(fichier.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return n;
}

TFPrincipale& DemarreScene(Construction& t, TFPrincipale& f)
{
    (void)t;
    f.Lignes().Vide();
    for (const std::string& l : kScene)
        f.Lignes().AjouteLigne(l);
    f.ExecuterClick();
    f.Dossier().setCurrentIndex(0);
    return f;
}

// ---- Palettes ----

TEST_F(Construction, BoutonsDesPalettes)
{
    TFPrincipale& f = Demarre();
    const struct {
        const char* nom;
        const char* indice;
        bool bascule;
        bool actif;
    } kBoutons[] = {
        {"BtnConstruction", "Construction", false, true}, {"BtnCotation", "Cotation", false, false},
        {"BtnChainer", "Chainer", false, true},           {"BtnPoint", "Point", true, true},
        {"BtnInter", "Intersection", true, true},         {"BtnLigne", "Droite", true, true},
        {"BtnSegment", "Segment", true, true},            {"BtnCercle", "Cercle", true, true},
        {"BtnArc", "Arc", true, true},                    {"BtnArc3", "Arc3", true, true},
        {"BtnRotation", "Rotation", true, true},          {"BtnSymetrie", "Symètrie", true, true},
        {"BtnTexte", "Texte", true, false},               {"BtnCoteH", "", true, true},
        {"BtnCoteV", "", true, true},                     {"BtnCoteRef", "", true, true},
        {"BtnCoteSuiv", "", true, true},                  {"BtnDebutForme", "Début de forme", false, true},
        {"BtnFinForme", "Fin de forme", false, false},    {"BtnMenuGeneral2", "Menu général", false, true},
        {"BtnMenuGeneral3", "Menu général", false, true}, {"BtnMenuGeneral4", "Menu général", false, true},
        {"BtnSelection1", "Selection", true, true},       {"BtnGomme2", "Gomme", true, false},
        {"BtnZoom3", "Zoom", true, true},                 {"BtnFCanon4", "Formes canoniques", true, true},
        {"BtnCouleur1", "Couleur / Couche", false, true}, {"BtnCouleur2", "Couleur", false, true},
    };
    for (const auto& b : kBoutons) {
        QToolButton* bouton = Bouton(f, b.nom);
        ASSERT_NE(bouton, nullptr) << b.nom;
        const QString indice = QString::fromUtf8(b.indice);
        EXPECT_EQ(bouton->toolTip(), indice) << b.nom;
        EXPECT_EQ(bouton->accessibleName(), indice.isEmpty() ? bouton->text() : indice) << b.nom;
        EXPECT_EQ(bouton->isCheckable(), b.bascule) << b.nom;
        EXPECT_EQ(bouton->isEnabled(), b.actif) << b.nom;
        EXPECT_FALSE(bouton->icon().isNull()) << b.nom;
    }
    // The construction tools carry their hint as caption too.
    for (const char* nom : {"BtnPoint", "BtnInter", "BtnLigne", "BtnSegment", "BtnCercle",
                            "BtnArc", "BtnArc3", "BtnRotation", "BtnSymetrie"})
        EXPECT_EQ(Bouton(f, nom)->text(), Bouton(f, nom)->toolTip()) << nom;
}

TEST_F(Construction, GroupesDeBoutons)
{
    TFPrincipale& f = Demarre();
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton(f, "BtnPoint")->click();
    Bouton(f, "BtnLigne")->click();
    EXPECT_FALSE(Bouton(f, "BtnPoint")->isChecked());
    EXPECT_TRUE(Bouton(f, "BtnLigne")->isChecked());
    EXPECT_EQ(f.Outil(), OutilLigne);
    // Pressed again: released, no tool, prompt and panel 3 cleared.
    Bouton(f, "BtnLigne")->click();
    EXPECT_FALSE(Bouton(f, "BtnLigne")->isChecked());
    EXPECT_EQ(f.Outil(), 0);
    EXPECT_EQ(f.Invite(), QString());
    EXPECT_EQ(f.Panneau(3), QString());

    // Dimensioning: two independent groups; InitAppli releases the last tool only.
    f.Palettes().AffichePalette(ZoneMenu::MenuCotation);
    f.AfficheInvite(QStringLiteral(" garde"));
    Bouton(f, "BtnCoteH")->click();
    Bouton(f, "BtnCoteRef")->click();
    EXPECT_TRUE(Bouton(f, "BtnCoteH")->isChecked());
    EXPECT_TRUE(Bouton(f, "BtnCoteRef")->isChecked());
    EXPECT_EQ(f.Outil(), OutilCoteRef);
    EXPECT_EQ(f.Invite(), QStringLiteral(" garde"));
    Bouton(f, "BtnCoteV")->click();
    EXPECT_FALSE(Bouton(f, "BtnCoteH")->isChecked());
    EXPECT_TRUE(Bouton(f, "BtnCoteRef")->isChecked());
    // A click in the drawing with a dimensioning tool does nothing.
    Clique(f, 0, 0);
    EXPECT_TRUE(dialogues_.Appels().empty());
    f.InitAppli();
    EXPECT_FALSE(Bouton(f, "BtnCoteV")->isChecked());
    EXPECT_EQ(f.Outil(), 0);
}

TEST_F(Construction, ChangementsDePalette)
{
    TFPrincipale& f = Demarre();
    ZoneMenu& z = f.Palettes();
    EXPECT_EQ(z.PaletteVisible(), ZoneMenu::MenuGeneral);
    Bouton(f, "BtnChainer")->click();
    EXPECT_EQ(z.PaletteVisible(), ZoneMenu::MenuChainer);
    EXPECT_FALSE(z.PaletteMontree(ZoneMenu::MenuGeneral));
    // "Début de forme": construction in front, chaining still shown behind.
    Bouton(f, "BtnDebutForme")->click();
    EXPECT_EQ(z.PaletteVisible(), ZoneMenu::MenuConstruction);
    EXPECT_TRUE(z.PaletteMontree(ZoneMenu::MenuChainer));
    EXPECT_TRUE(Bouton(f, "BtnPoint")->isVisible());
    EXPECT_FALSE(Bouton(f, "BtnDebutForme")->isVisible());
    Bouton(f, "BtnPoint")->click();
    ASSERT_EQ(f.Outil(), OutilPoint);
    // "Menu général" brings the general palette back alone and ends the tool.
    Bouton(f, "BtnMenuGeneral2")->click();
    EXPECT_EQ(z.PaletteVisible(), ZoneMenu::MenuGeneral);
    for (auto p : {ZoneMenu::MenuConstruction, ZoneMenu::MenuCotation, ZoneMenu::MenuChainer})
        EXPECT_FALSE(z.PaletteMontree(p)) << p;
    EXPECT_EQ(f.Outil(), 0);
    EXPECT_FALSE(Bouton(f, "BtnPoint")->isChecked());
    EXPECT_EQ(f.Invite(), QString());
    Bouton(f, "BtnConstruction")->click();
    EXPECT_EQ(z.PaletteVisible(), ZoneMenu::MenuConstruction);
    EXPECT_FALSE(z.PaletteMontree(ZoneMenu::MenuGeneral));
}

// ---- Statements by clicks on the drawing ----

TEST_F(Construction, SegmentCliqueEcritLeTexteEtLesTables)
{
    TFPrincipale& f = DemarreScene(*this, Demarre());
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton(f, "BtnSegment")->click();
    EXPECT_EQ(f.Invite(), TexteInvite(5));
    Clique(f, 0, 0);
    EXPECT_EQ(f.Panneau(3), QStringLiteral("LP*"));
    Clique(f, 40, 0);
    const std::vector<std::string> lignes = Lignes();
    EXPECT_EQ(lignes.back(), "L1:=P0,P1,0,0");
    EXPECT_TRUE(f.Donnees().LigneExiste(1));
    EXPECT_EQ(CompteLignes(Chemin("Lignes.DB"), "SELECT count(*) FROM Ligne WHERE Numero = 1"), 1);
    // The tool goes on with the next number.
    EXPECT_EQ(f.Panneau(3), QStringLiteral("L*"));
    EXPECT_TRUE(Bouton(f, "BtnSegment")->isChecked());
    EXPECT_TRUE(f.Lignes().Modifie());
}

// The table file refuses the new row (another program holds it) after the element was
// built: the element is in the tables and drawn, so its statement goes into the text as
// well, and the user is told about the file once. Text and tables never disagree.
TEST_F(Construction, TableVerrouilleeLeTexteGardeLElementConstruit)
{
    TFPrincipale& f = DemarreScene(*this, Demarre());
    f.Donnees().SetDelaiVerrou(20);
    sqlite3* autre = nullptr;
    ASSERT_EQ(sqlite3_open(Chemin("Lignes.DB").toUtf8().constData(), &autre), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(autre, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton(f, "BtnSegment")->click();
    Clique(f, 0, 0);
    Clique(f, 40, 0);
    EXPECT_EQ(Lignes().back(), "L1:=P0,P1,0,0");
    EXPECT_TRUE(f.Donnees().LigneExiste(1));
    EXPECT_TRUE(dialogues_.Textes(G::Avertissement).empty());
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 1);
    EXPECT_TRUE(dialogues_.Textes(G::Erreur).front().contains(QStringLiteral("Lignes.DB")));
    EXPECT_EQ(f.Panneau(3), QStringLiteral("L*"));

    // The next segment while the lock lasts: appended too, nothing more said.
    Clique(f, 0, 0);
    Clique(f, 0, 40);
    EXPECT_EQ(Lignes().back(), "L2:=P0,P2,0,0");
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 1);

    // Once the lock is gone the file catches up with the tables.
    sqlite3_exec(autre, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(autre);
    f.Dossier().setCurrentIndex(2);
    EXPECT_EQ(CompteLignes(Chemin("Lignes.DB"), "SELECT count(*) FROM Ligne"), 3);
}

TEST_F(Construction, PointTapeAuClavierMemeAvecLeFocusSurUnBouton)
{
    TFPrincipale& f = DemarreScene(*this, Demarre());
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    QToolButton* point = Bouton(f, "BtnPoint");
    point->click();
    // An assistive tool may well leave the focus on the button it pressed.
    point->setFocusPolicy(Qt::StrongFocus);
    point->setFocus();
    dialogues_.RepondValeur(QStringLiteral("12")).RepondValeur(QStringLiteral("-3"));
    Touche(point, Qt::Key_1, QStringLiteral("1"));
    ASSERT_EQ(dialogues_.Nombre(G::DemandeValeur), 2);
    EXPECT_EQ(dialogues_.Appels()[0].premierCaractere, QLatin1Char('1'));
    EXPECT_EQ(Lignes().back(), "P3:=12,-3,0,0");
    EXPECT_EQ(CompteLignes(Chemin("Points.DB"), "SELECT count(*) FROM Point"), 4);
    // The button is still down and the key did not toggle it.
    EXPECT_TRUE(point->isChecked());
}

TEST_F(Construction, ToucheSurLOngletTexteNeVaPasALaConstruction)
{
    TFPrincipale& f = DemarreScene(*this, Demarre());
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton(f, "BtnPoint")->click();
    f.Dossier().setCurrentIndex(1);
    const int lignes = f.Lignes().NombreLignes();
    Touche(&f.EditeurTexte(), Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(dialogues_.Nombre(G::DemandeValeur), 0);
    // The key went to the editor instead.
    EXPECT_EQ(f.Lignes().NombreLignes(), lignes);
    EXPECT_EQ(f.Outil(), OutilPoint);
}

TEST_F(Construction, ConstructionImpossibleRecommence)
{
    TFPrincipale& f = DemarreScene(*this, Demarre());
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton(f, "BtnSegment")->click();
    Clique(f, 0, 0);
    Clique(f, 0, 0); // the same point twice: no line through it
    EXPECT_EQ(dialogues_.Textes(G::Avertissement),
              std::vector<QString>{QStringLiteral("Construction impossible")});
    EXPECT_EQ(Lignes().back(), kScene.back());
    EXPECT_EQ(f.Panneau(3), QStringLiteral("L*"));
    EXPECT_EQ(f.Moteur().InstructionEnCours(), QStringLiteral("L1:="));
}

TEST_F(Construction, EchapAuMilieuDUneSequence)
{
    TFPrincipale& f = DemarreScene(*this, Demarre());
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton(f, "BtnInter")->click();
    Clique(f, -40, 55); // C0
    ASSERT_EQ(f.Panneau(3), QStringLiteral("PC*"));
    Touche(&f.SurfaceGraphique(), Qt::Key_Escape);
    EXPECT_EQ(f.Outil(), 0);
    EXPECT_FALSE(Bouton(f, "BtnInter")->isChecked());
    EXPECT_EQ(f.Moteur().SignatureEnCours(), QString());
    EXPECT_EQ(f.Invite(), QString());
}

TEST_F(Construction, NouveauEtChargementRelachentTout)
{
    TFPrincipale& f = DemarreScene(*this, Demarre());
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton(f, "BtnLigne")->click();
    Clique(f, 0, 0);
    ASSERT_EQ(f.Moteur().SignatureEnCours(), QStringLiteral("LP*"));
    f.Lignes().SetModifie(false);
    f.NouveauClick();
    EXPECT_EQ(f.Outil(), 0);
    EXPECT_FALSE(Bouton(f, "BtnLigne")->isChecked());
    EXPECT_EQ(f.Moteur().SignatureEnCours(), QString());

    Ecrit(Chemin("p.vlk"), "a\nb\nc\nP0:=0,0,0,0\n");
    Bouton(f, "BtnSegment")->click();
    ASSERT_EQ(f.Outil(), OutilSegment);
    ASSERT_TRUE(f.OuvreFichier(Chemin("p.vlk")));
    EXPECT_EQ(f.Outil(), 0);
    EXPECT_FALSE(Bouton(f, "BtnSegment")->isChecked());
}

TEST_F(Construction, ZoomPuisOutilSansMelange)
{
    TFPrincipale& f = DemarreScene(*this, Demarre());
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton(f, "BtnSegment")->click();
    Bouton(f, "BtnZoom2")->click();
    ASSERT_EQ(f.Mode(), ModeSouris::Zoom);
    const TVue vue = f.Vue().VueEcran();
    QTest::mousePress(&f.SurfaceGraphique(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(&f.SurfaceGraphique(), QPoint(300, 200));
    QTest::mouseRelease(&f.SurfaceGraphique(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(f.Vue().Fenetre().Xmin, XReel(vue, 20));
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_FALSE(Bouton(f, "BtnZoom2")->isChecked());
    // The tool is still armed and saw nothing.
    EXPECT_EQ(f.Outil(), OutilSegment);
    EXPECT_EQ(f.Moteur().SignatureEnCours(), QStringLiteral("L*"));
}

} // namespace
} // namespace velk::test
