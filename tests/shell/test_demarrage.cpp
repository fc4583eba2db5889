// Start-up state of the main window, its menus, tabs and status bar, and the options.
#include "fenetre_test.h"

#include "shell/autosauvegarde.h"
#include "shell/modele_table.h"
#include "shell/tf_splash.h"
#include "shell/zone_menu.h"
#include "shell/widgets/options.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace velk::test {
namespace {

using Demarrage = FenetreTest;

TEST_F(Demarrage, FenetreInitiale)
{
    TFPrincipale& f = Demarre();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Velk - SansNom"));
    EXPECT_EQ(f.NomFichier(), QStringLiteral("SansNom"));
    ASSERT_EQ(f.Dossier().count(), 3);
    EXPECT_EQ(f.Dossier().tabText(0), QStringLiteral("Graphique"));
    EXPECT_EQ(f.Dossier().tabText(1), QStringLiteral("Texte"));
    EXPECT_EQ(f.Dossier().tabText(2), QStringLiteral("DozoZur"));
    EXPECT_EQ(f.Dossier().currentIndex(), 0);
    EXPECT_EQ(f.Panneau(1), QString());
    EXPECT_EQ(f.Panneau(2), QStringLiteral("Insertion"));
    EXPECT_EQ(f.Lignes().NombreLignes(), 6);
    EXPECT_FALSE(f.Lignes().Modifie());
    EXPECT_EQ(dialogues_.Appels().size(), 0u);

    // The default program ran: one point and the two axes, shown in the grids.
    EXPECT_EQ(f.Donnees().NombrePoints(), 1);
    EXPECT_EQ(f.Donnees().NombreLignes(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Modele(int(GenreTable::Point)).rowCount(), 1);
    EXPECT_EQ(f.Modele(int(GenreTable::Ligne)).rowCount(), 2);
    EXPECT_EQ(f.Modele(int(GenreTable::Cercle)).rowCount(), 0);

    // The axes cross at the world origin, drawn on the image.
    const QImage& image = f.SurfaceGraphique().Image();
    const TVue& vue = f.Vue().VueEcran();
    const int c = XEcran(vue, 0), l = YEcran(vue, 0);
    ASSERT_GT(image.width(), c + 30);
    ASSERT_GT(image.height(), l + 30);
    EXPECT_NE(image.pixel(c + 30, l), QColor(Qt::white).rgb());
    EXPECT_NE(image.pixel(c, l + 30), QColor(Qt::white).rgb());
    EXPECT_EQ(image.pixel(c + 30, l + 30), QColor(Qt::white).rgb());
}

TEST_F(Demarrage, EtatDesCommandes)
{
    TFPrincipale& f = Demarre();
    for (const char* inactive : {"MenuDefaire", "MenuRefaire",
                                 "MenuCouper", "MenuCopier", "MenuSupprimer"})
        EXPECT_FALSE(f.Action(QString::fromLatin1(inactive))->isEnabled()) << inactive;
    EXPECT_FALSE(f.Palettes().PrecedentActif());
    EXPECT_FALSE(f.Palettes().SuivantActif());

    const struct {
        const char* action;
        QKeySequence touche;
    } kRaccourcis[] = {
        {"MenuNouveau", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"MenuOuvrir", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"MenuEnregistrer", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"MenuImprimer", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"MenuQuitter", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"MenuDefaire", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"MenuRefaire", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z)},
        {"MenuSupprimer", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {"MenuChercher", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"MenuRemplacer", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"MenuOccurrenceSuivante", QKeySequence(Qt::Key_F3)},
        {"MenuOrigine", QKeySequence(Qt::Key_F4)},
        {"MenuZoomMoins", QKeySequence(Qt::Key_F5)},
        {"MenuZoomPlus", QKeySequence(Qt::Key_F6)},
        {"MenuPasAPas", QKeySequence(Qt::Key_F8)},
        {"MenuExecuter", QKeySequence(Qt::Key_F9)},
        {"MenuRedessine", QKeySequence(Qt::Key_F10)},
    };
    for (const auto& r : kRaccourcis)
        EXPECT_EQ(f.Action(QString::fromLatin1(r.action))->shortcut(), r.touche) << r.action;
    // Long hints go to the status bar, short names to the tool-bar tooltips.
    EXPECT_EQ(f.Action("MenuNouveau")->statusTip(), QStringLiteral("Crée un nouveau programme"));
    EXPECT_EQ(f.Action("MenuNouveau")->toolTip(), QStringLiteral("Nouveau"));
    EXPECT_EQ(f.Action("MenuZoomMoins")->statusTip(), QStringLiteral("Divise par 2 l'échelle"));
}

TEST_F(Demarrage, MenusEtTablesSuiventLOnglet)
{
    TFPrincipale& f = Demarre();
    const struct {
        int onglet;
        bool chercher, ecran, lectureSeule;
    } kCas[] = {
        {1, true, false, false},
        {2, false, false, true},
        {0, false, true, false},
        {2, false, false, true},
        {1, true, false, false},
    };
    EXPECT_FALSE(f.MenuChercher()->menuAction()->isVisible());
    EXPECT_TRUE(f.MenuEcran()->menuAction()->isVisible());
    EXPECT_FALSE(f.Action("MenuChercher")->isEnabled());
    for (const auto& c : kCas) {
        f.Dossier().setCurrentIndex(c.onglet);
        EXPECT_EQ(f.MenuChercher()->menuAction()->isVisible(), c.chercher) << c.onglet;
        EXPECT_EQ(f.MenuEcran()->menuAction()->isVisible(), c.ecran) << c.onglet;
        EXPECT_EQ(f.Donnees().LectureSeule(), c.lectureSeule) << c.onglet;
        EXPECT_EQ(f.Action("MenuChercher")->isEnabled(), c.chercher) << c.onglet;
        EXPECT_EQ(f.Action("MenuOccurrenceSuivante")->isEnabled(), c.chercher) << c.onglet;
        EXPECT_EQ(f.Action("MenuZoomPlus")->isEnabled(), c.ecran) << c.onglet;
    }
    // On the text tab panel 0 shows the caret position.
    EXPECT_EQ(f.Panneau(0), QStringLiteral("Ligne :   1   Colonne :   1"));
}

TEST_F(Demarrage, LesGrillesSuiventLesTables)
{
    TFPrincipale& f = Demarre();
    ModeleTable& points = f.Modele(int(GenreTable::Point));
    Texte({"a", "b", "c", "P3:=1.5,-2,4,7", "P1:=0,0,0,0", "V2:=6"});
    f.ExecuterClick();
    // The grids are refreshed once the event loop is back, never row by row.
    QCoreApplication::processEvents();
    ASSERT_EQ(points.rowCount(), 2);
    EXPECT_EQ(points.data(points.index(0, 0)).toString(), QStringLiteral("1"));
    EXPECT_EQ(points.data(points.index(1, 0)).toString(), QStringLiteral("3"));
    EXPECT_EQ(points.data(points.index(1, 1)).toString(), QStringLiteral("1.5"));
    EXPECT_EQ(points.data(points.index(1, 2)).toString(), QStringLiteral("-2"));
    EXPECT_EQ(points.data(points.index(1, 3)).toString(), QStringLiteral("4"));
    EXPECT_EQ(points.data(points.index(1, 4)).toString(), QStringLiteral("7"));
    ModeleTable& variables = f.Modele(int(GenreTable::Variable));
    ASSERT_EQ(variables.rowCount(), 1);
    EXPECT_EQ(variables.data(variables.index(0, 1)).toString(), QStringLiteral("6"));
    EXPECT_EQ(f.Modele(int(GenreTable::Ligne)).rowCount(), 0);
}

TEST_F(Demarrage, OptionsArretentOuReglentLaSauvegarde)
{
    TFPrincipale& f = Demarre();
    AutoSauvegarde& s = f.Sauvegarde();
    EXPECT_TRUE(s.Actif());
    EXPECT_EQ(s.Minutes(), 10);
    const auto regle = [&](int minutes) {
        f.Options().Ouvre(s.Tempo());
        const int affiche = f.Options().DefTempo()->value();
        f.Options().DefTempo()->setValue(minutes);
        f.Options().show();
        f.Options().hide();
        return affiche;
    };
    EXPECT_EQ(regle(0), 10);
    EXPECT_FALSE(s.Actif());
    EXPECT_EQ(regle(5), 0);
    EXPECT_TRUE(s.Actif());
    EXPECT_EQ(s.Tempo().interval(), 5 * 60000);
    EXPECT_EQ(regle(5), 5);
}

TEST_F(Demarrage, FenetreDeChargement)
{
    TFSplash splash;
    const QImage image = splash.grab().toImage();
    EXPECT_EQ(image.size(), QSize(240, 245));
    // Something is drawn in the picture area and in the text area below it.
    const auto encre = [&](int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 10; x < 230; ++x)
                n += QColor(image.pixel(x, y)).lightness() < 128 ? 1 : 0;
        return n;
    };
    EXPECT_GT(encre(20, 170), 200);
    EXPECT_GT(encre(180, 240), 50);
}

} // namespace
} // namespace velk::test
