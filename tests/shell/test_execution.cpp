// The run from the window (message list, caret on the faulty line), the message jump, and
// the zoom mode with its value dialog.
#include "fenetre_test.h"

#include "shell/liste_messages_vue.h"
#include "shell/zone_menu.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace velk::test {
namespace {

using Execution = FenetreTest;

const std::vector<std::string> kEntete = {"// Programme VELK Version 1.0 ", "// Derniere modif. : ",
                                          "//"};

std::vector<std::string> AvecEntete(std::vector<std::string> instructions)
{
    std::vector<std::string> r = kEntete;
    r.insert(r.end(), instructions.begin(), instructions.end());
    return r;
}

TEST_F(Execution, LesMessagesMenentALaLigneFautive)
{
    TFPrincipale& f = Demarre();
    Texte(AvecEntete({"P0:=0,0,0,0", "P1:=0,0,0,0", "P1:=1,1,0,0", "P2:=P7,0,0,0,0",
                      "L5:=P2,A0,0,0"}));
    f.ExecuterClick();
    ListeMessagesVue& m = f.Messages();
    ASSERT_EQ(m.NombreMessages(), 3);
    EXPECT_EQ(m.Message(0), "(6) Point P1 déjà défini");
    EXPECT_NE(m.Message(1).find(" Point P7 non défini"), std::string::npos);
    EXPECT_NE(m.Message(2).find(" Point P2 non défini"), std::string::npos);
    EXPECT_FALSE(m.isHidden());
    EXPECT_EQ(m.ItemSelectionne(), 0);
    EXPECT_EQ(f.EditeurTexte().LigneCurseur(), 6);
    EXPECT_EQ(f.EditeurTexte().ColonneCurseur(), 1);

    // A click on the third message.
    emit m.ItemChoisi(2);
    EXPECT_EQ(f.EditeurTexte().LigneCurseur(), 8);

    // Lines removed since the run: the caret goes to the last line there is.
    Texte(AvecEntete({"P0:=0,0,0,0"}));
    f.AfficheLigneMessage(2);
    EXPECT_EQ(f.EditeurTexte().LigneCurseur(), 4);

    // A correct program hides the list again; running twice gives the same tables.
    Texte(AvecEntete({"P0:=0,0,0,0", "L0:=P0,A30,0,0", "C0:=P0,5,0,0"}));
    f.ExecuterClick();
    EXPECT_EQ(m.NombreMessages(), 0);
    EXPECT_TRUE(m.isHidden());
    f.ExecuterClick();
    EXPECT_EQ(f.Donnees().NombrePoints(), 1);
    EXPECT_EQ(f.Donnees().NombreLignes(), 1);
    EXPECT_EQ(f.Donnees().NombreCercles(), 1);
}

TEST_F(Execution, ZoomParCadre)
{
    TFPrincipale& f = Demarre();
    const TVue avant = f.Vue().VueEcran();
    f.Palettes().Bouton("BtnZoom1")->click();
    EXPECT_EQ(f.Mode(), ModeSouris::Zoom);
    f.DessinMouseDown(100, 200);
    f.DessinMouseMove(40, 60);
    f.DessinMouseUp(40, 60);
    const TFenetre& w = f.Vue().Fenetre();
    EXPECT_EQ(w.Xmin, XReel(avant, 40));
    EXPECT_EQ(w.Xmax, XReel(avant, 100));
    EXPECT_EQ(w.Ymin, YReel(avant, 200));
    EXPECT_EQ(w.Ymax, YReel(avant, 60));
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_FALSE(f.Palettes().ZoomEnfonce());
    EXPECT_TRUE(f.Palettes().PrecedentActif());
    EXPECT_FALSE(f.Palettes().SuivantActif());
    EXPECT_EQ(dialogues_.Appels().size(), 0u);

    f.ZoomPrecedent();
    EXPECT_EQ(f.Vue().Fenetre().Xmin, -80);
    EXPECT_FALSE(f.Palettes().PrecedentActif());
    EXPECT_TRUE(f.Palettes().SuivantActif());
    f.ZoomSuivant();
    EXPECT_EQ(f.Vue().Fenetre().Xmin, XReel(avant, 40));
}

TEST_F(Execution, ZoomParClicDemandeUneEchelle)
{
    TFPrincipale& f = Demarre();
    const struct {
        std::optional<QString> reponse;
        bool change;
    } kCas[] = {{QStringLiteral("2"), true}, {std::nullopt, false}, {QStringLiteral("0.5"), true}};
    for (const auto& cas : kCas) {
        dialogues_.RepondValeur(cas.reponse);
        const TFenetre avant = f.Vue().Fenetre();
        const TVue vue = f.Vue().VueEcran();
        const int c = XEcran(vue, 20), l = YEcran(vue, 10);
        f.Palettes().Bouton("BtnZoom1")->click();
        // A drag along one axis only counts as a click.
        f.DessinMouseDown(c, l);
        f.DessinMouseUp(c + 15, l);
        const TFenetre apres = f.Vue().Fenetre();
        if (cas.change) {
            EXPECT_NEAR(double((apres.Xmin + apres.Xmax) / 2), double(XReel(vue, c)), 1e-9);
            EXPECT_NE(apres.Xmax - apres.Xmin, avant.Xmax - avant.Xmin);
        } else {
            EXPECT_EQ(apres, avant);
        }
        EXPECT_EQ(f.Invite(), QString());
    }
    ASSERT_EQ(dialogues_.Nombre(G::DemandeValeur), 3);
    EXPECT_EQ(dialogues_.Appels()[0].texte, QStringLiteral(" Echelle à appliquer :"));
    EXPECT_EQ(dialogues_.Appels()[0].mode, 1);
}

TEST_F(Execution, ZoomMoinsPuisPlusRendLaFenetre)
{
    TFPrincipale& f = Demarre();
    const TFenetre depart = f.Vue().Fenetre();
    f.ZoomMoins();
    EXPECT_EQ(f.Vue().Fenetre().Xmax, 160);
    f.ZoomPlus();
    EXPECT_EQ(f.Vue().Fenetre(), depart);
    EXPECT_FALSE(f.Palettes().PrecedentActif());
}

TEST_F(Execution, CoordonneesSousLaSouris)
{
    TFPrincipale& f = Demarre();
    const TVue vue = f.Vue().VueEcran();
    f.DessinMouseMove(XEcran(vue, 0), YEcran(vue, 0));
    EXPECT_EQ(f.Panneau(0), QStringLiteral("X : 0  Y : 0"));
    f.DessinMouseMove(XEcran(vue, -40), YEcran(vue, 25));
    EXPECT_EQ(f.Panneau(0), QStringLiteral("X : -40  Y : 25"));
}

TEST_F(Execution, InitAppliRelacheTout)
{
    TFPrincipale& f = Demarre();
    f.Palettes().Bouton("BtnZoom1")->click();
    f.DessinMouseDown(10, 10);
    f.InitAppli();
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_FALSE(f.Palettes().ZoomEnfonce());
    // The drag was abandoned: releasing the mouse zooms nothing.
    const TFenetre avant = f.Vue().Fenetre();
    f.DessinMouseUp(80, 90);
    EXPECT_EQ(f.Vue().Fenetre(), avant);
}

TEST_F(Execution, EchapTermineLInteractionSurLOngletGraphiqueSeulement)
{
    TFPrincipale& f = Demarre();
    const struct {
        int onglet;
        bool termine;
    } kCas[] = {{0, true}, {1, false}, {2, false}};
    for (const auto& c : kCas) {
        f.Dossier().setCurrentIndex(0);
        f.Palettes().Bouton("BtnZoom1")->click();
        ASSERT_EQ(f.Mode(), ModeSouris::Zoom);
        f.Dossier().setCurrentIndex(c.onglet);
        // The key goes to whatever has the focus; the window sees it first.
        QWidget* cible = c.onglet == 1 ? static_cast<QWidget*>(&f.EditeurTexte())
                                       : static_cast<QWidget*>(&f.SurfaceGraphique());
        Touche(cible, Qt::Key_Escape);
        EXPECT_EQ(f.Mode() == ModeSouris::Aucun, c.termine) << c.onglet;
        f.InitAppli();
    }
}

// After every run with errors, the first one included, the line with the caret is in view,
// whether the text tab is shown during the run or only afterwards. The faulty line is the
// last one, the line just typed: the editor cannot centre it, and the message list that
// appears under the editor must not push it out of view.
TEST_F(Execution, LaLigneFautiveEstVisibleApresChaqueExecution)
{
    std::vector<std::string> instructions;
    for (int k = 0; k < 43; ++k)
        instructions.push_back("P" + std::to_string(k) + ":=0,0,0,0");
    instructions.push_back("P1:=P99,0,0,0,0");
    for (int onglet : {1, 0}) {
        TFPrincipale& f = Demarre();
        f.Dossier().setCurrentIndex(onglet);
        Texte(AvecEntete(instructions));
        QCoreApplication::processEvents();
        f.ExecuterClick();
        f.Dossier().setCurrentIndex(1);
        QCoreApplication::processEvents();
        Editeur& e = f.EditeurTexte();
        ASSERT_EQ(e.LigneCurseur(), 47) << onglet;
        EXPECT_TRUE(e.viewport()->rect().contains(e.cursorRect())) << onglet;
        EXPECT_FALSE(f.Messages().isHidden());
    }
}

// A grid never shows a different number: columns fit their widest value at each refresh,
// a column the user narrows elides at the right, and the tooltip gives the whole value.
TEST_F(Execution, LesGrillesMontrentLesNombresEntiers)
{
    TFPrincipale& f = Demarre();
    f.resize(1024, 720);
    // The grids' font is the desktop's, known only once they are shown: the columns are
    // fitted to the font they are drawn with.
    QFont police = f.font();
    police.setPixelSize(24);
    for (QTableView* g : f.findChildren<QTableView*>())
        g->setFont(police);
    Texte(AvecEntete({"P0:=3823.110119932325,-380.0488692096362,15,31",
                      "P65535:=-0.000123456789012345,1E300,0,0", "L0:=P0,A33.3,0,0",
                      "C7:=P0,-380.0488692096362,0,0", "V12:=-3823.110119932325"}));
    f.ExecuterClick();
    f.Dossier().setCurrentIndex(2);
    QCoreApplication::processEvents();
    const int marge =
        2 * (f.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &f) + 1);
    const auto grille = [&](const char* nom) {
        auto* g = f.findChild<QTableView*>(QString::fromLatin1(nom));
        EXPECT_NE(g, nullptr) << nom;
        return g;
    };
    int cellules = 0;
    for (const char* nom : {"GrillePoint", "GrilleLigne", "GrilleCercle", "GrilleVariable"}) {
        QTableView* g = grille(nom);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->textElideMode(), Qt::ElideRight) << nom;
        const QAbstractItemModel* m = g->model();
        const QFontMetrics fm(g->font());
        for (int r = 0; r < m->rowCount(); ++r)
            for (int c = 0; c < m->columnCount(); ++c) {
                const QString texte = m->index(r, c).data().toString();
                EXPECT_LE(fm.horizontalAdvance(texte) + marge, g->columnWidth(c))
                    << nom << " " << texte.toStdString();
                EXPECT_EQ(m->index(r, c).data(Qt::ToolTipRole).toString(), texte);
                ++cellules;
            }
    }
    EXPECT_EQ(cellules, 2 * 5 + 10 + 12 + 2);
    EXPECT_EQ(grille("GrillePoint")->model()->index(0, 1).data().toString(),
              QStringLiteral("3823.110119932325"));

    // The points have the room of the lines.
    EXPECT_NEAR(grille("GrillePoint")->width(), grille("GrilleLigne")->width(), 20);

    // A column the user narrowed stays so until the tables change.
    QTableView* points = grille("GrillePoint");
    const int large = points->columnWidth(1);
    points->setColumnWidth(1, large / 2);
    const int etroit = points->columnWidth(1);
    ASSERT_LT(etroit, large);
    f.Dossier().setCurrentIndex(1);
    f.Dossier().setCurrentIndex(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(points->columnWidth(1), etroit);
    f.ExecuterClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(points->columnWidth(1), large);
}

} // namespace
} // namespace velk::test
