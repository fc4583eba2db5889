// "&Pas à pas" (F8) from the window: one statement line per press with its highlight,
// status text and drawing; F9 finishing like a full run; Escape and edits ending the mode;
// an armed tool released by F8.
#include "fenetre_test.h"

#include "shell/liste_messages_vue.h"
#include "shell/zone_menu.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QAction>
#include <QKeyEvent>
#include <QToolButton>

#include <cmath>
#include <cstdio>

namespace velk::test {
namespace {

using PasAPasFenetre = FenetreTest;

const std::vector<std::string> kProgramme = {
    "// Programme VELK Version 1.0 ", "// Derniere modif. : ", "//",
    "P0:=0,0,0,0",     // 4
    "// commentaire",  // 5
    "P1:=P7,0,0,0,0",  // 6
    "L0:=P0,A30,0,0",  // 7
    "C0:=P0,5,0,0",    // 8
    "V1:=2",           // 9
    "P2:=V1,1,0,0",    // 10
};

// What a run leaves that the user can see: messages, marks, table rows.
std::string Etat(TFPrincipale& f)
{
    std::string s;
    for (int i = 0; i < f.Messages().NombreMessages(); ++i)
        s += f.Messages().Message(i) + "\n";
    s += "marques " + std::to_string(f.EditeurTexte().NombreMarques()) + "\n";
    s += f.Messages().isHidden() ? "liste cachée\n" : "liste montrée\n";
    char tampon[256];
    TModuleDonnee& t = f.Donnees();
    TRecPoint p;
    for (bool ok = t.PremierPoint(p); ok; ok = t.PointSuivant(p)) {
        std::snprintf(tampon, sizeof tampon, "P%d %La %La\n", p.Numero, p.X, p.Y);
        s += tampon;
    }
    TRecLigne l;
    for (bool ok = t.PremiereLigne(l); ok; ok = t.LigneSuivante(l)) {
        std::snprintf(tampon, sizeof tampon, "L%d %La %La %La\n", l.Numero, l.Xpd, l.Ypd, l.Aod);
        s += tampon;
    }
    TRecCercle c;
    for (bool ok = t.PremierCercle(c); ok; ok = t.CercleSuivant(c)) {
        std::snprintf(tampon, sizeof tampon, "C%d %La %La %La\n", c.Numero, c.Xc, c.Yc, c.Rc);
        s += tampon;
    }
    return s + "variables " + std::to_string(t.NombreVariables()) + "\n";
}

void Echap(TFPrincipale& f)
{
    QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&f.EditeurTexte(), &echap);
}

TEST_F(PasAPasFenetre, TroisPasExecutentTroisLignes)
{
    TFPrincipale& f = Demarre();
    Texte(kProgramme);
    QAction* f8 = f.Action(QStringLiteral("MenuPasAPas"));
    ASSERT_NE(f8, nullptr);
    EXPECT_EQ(f8->shortcut(), QKeySequence(Qt::Key_F8));
    const struct {
        int ligne; // editor line, from 0
        const char* etat;
        int points, lignes, messages;
    } kPas[] = {
        {3, "Ligne 4 : P0 construit", 1, 0, 0},
        {5, "Ligne 6 : Point P7 non défini", 1, 0, 1},
        {6, "Ligne 7 : L0 construite", 1, 1, 1},
    };
    // A point of L0 (through the origin at 30 degrees), far from the other elements: white
    // until the step that builds L0 draws it.
    const TVue& vue = f.Vue().VueEcran();
    const QPoint surL0(XEcran(vue, 40), YEcran(vue, Reel(40) * std::tan(std::acos(Reel(-1)) / 6)));
    const QColor blanc(Qt::white);
    for (const auto& pas : kPas) {
        f8->trigger();
        EXPECT_EQ(f.SurfaceGraphique().Image().pixelColor(surL0) != blanc, pas.lignes == 1);
        EXPECT_TRUE(f.EnPasAPas());
        EXPECT_EQ(f.LigneExecutee(), pas.ligne);
        EXPECT_EQ(f.EditeurTexte().LigneCurseur(), pas.ligne + 1);
        EXPECT_EQ(f.EtatPasAPas(), QString::fromUtf8(pas.etat));
        EXPECT_EQ(f.Donnees().NombrePoints(), pas.points);
        EXPECT_EQ(f.Donnees().NombreLignes(), pas.lignes);
        EXPECT_EQ(f.Messages().NombreMessages(), pas.messages);
        EXPECT_TRUE(f.Donnees().LectureSeule());
    }
    EXPECT_EQ(f.Donnees().NombreCercles(), 0);
    // The faulty line is marked and its message listed as it happens.
    EXPECT_EQ(f.EditeurTexte().MessageLigne(5), QStringLiteral("(6) Point P7 non défini"));
    EXPECT_FALSE(f.Messages().isHidden());
    EXPECT_EQ(dialogues_.Appels().size(), 0u);

    // F9 finishes from there and leaves what a full run leaves.
    f.Action(QStringLiteral("MenuExecuter"))->trigger();
    EXPECT_FALSE(f.EnPasAPas());
    EXPECT_EQ(f.LigneExecutee(), -1);
    EXPECT_EQ(f.EtatPasAPas(), QStringLiteral("Fin du programme : 1 message"));
    const std::string apresPas = Etat(f);
    EXPECT_EQ(f.Donnees().NombreCercles(), 1);
    EXPECT_EQ(f.Donnees().NombrePoints(), 2);
    f.ExecuterClick();
    EXPECT_EQ(Etat(f), apresPas);
    EXPECT_EQ(f.EtatPasAPas(), QString());
}

TEST_F(PasAPasFenetre, LeDernierPasAnnonceLaFin)
{
    TFPrincipale& f = Demarre();
    Texte(kProgramme);
    f.ExecuterClick();
    const std::string complet = Etat(f);
    for (int i = 0; i < 6; ++i)
        f.PasAPasClick();
    EXPECT_EQ(f.EtatPasAPas(), QStringLiteral("Ligne 10 : P2 construit"));
    f.PasAPasClick();
    EXPECT_FALSE(f.EnPasAPas());
    EXPECT_EQ(f.EtatPasAPas(), QStringLiteral("Fin du programme : 1 message"));
    EXPECT_EQ(Etat(f), complet);
    // As after a run, the caret is on the first faulty line.
    EXPECT_EQ(f.EditeurTexte().LigneCurseur(), 6);
}

// Escape and an edit of the text both end step mode; the tables keep what the steps built.
TEST_F(PasAPasFenetre, EchapOuModificationTerminentLeMode)
{
    const struct {
        const char* cas;
        void (*action)(TFPrincipale&);
    } kCas[] = {
        {"échap", Echap},
        {"frappe",
         [](TFPrincipale& f) {
             QTextCursor c(f.EditeurTexte().document()->findBlockByNumber(9));
             c.movePosition(QTextCursor::EndOfBlock);
             c.insertText(QStringLiteral(" "));
         }},
        {"défaire", [](TFPrincipale& f) { f.Action(QStringLiteral("MenuDefaire"))->trigger(); }},
    };
    for (const auto& cas : kCas) {
        TFPrincipale& f = Demarre();
        Texte(kProgramme);
        f.PasAPasClick();
        f.PasAPasClick();
        f.PasAPasClick();
        ASSERT_TRUE(f.EnPasAPas());
        cas.action(f);
        EXPECT_FALSE(f.EnPasAPas()) << cas.cas;
        EXPECT_EQ(f.EtatPasAPas(), QString()) << cas.cas;
        EXPECT_EQ(f.LigneExecutee(), -1) << cas.cas;
        EXPECT_EQ(f.Donnees().NombrePoints(), 1) << cas.cas;
        EXPECT_EQ(f.Donnees().NombreLignes(), 1) << cas.cas;
        // The next F8 starts again from the first statement line.
        Texte(kProgramme);
        f.PasAPasClick();
        EXPECT_EQ(f.LigneExecutee(), 3) << cas.cas;
        EXPECT_EQ(f.Donnees().NombreLignes(), 0) << cas.cas;
    }
}

// The click sequence's picks refer to the tables the step run empties: F8 ends it first,
// as Escape does.
TEST_F(PasAPasFenetre, F8RelacheLOutilArme)
{
    TFPrincipale& f = Demarre();
    Texte(kProgramme);
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    f.Palettes().Bouton("BtnPoint")->click();
    ASSERT_NE(f.Outil(), 0);
    f.PasAPasClick();
    EXPECT_EQ(f.Outil(), 0);
    EXPECT_EQ(f.Invite(), QString());
    EXPECT_EQ(f.LigneExecutee(), 3);
    f.Palettes().AffichePalette(ZoneMenu::MenuGeneral);
    f.Palettes().Bouton("BtnZoom1")->click();
    ASSERT_EQ(f.Mode(), ModeSouris::Zoom);
    f.PasAPasClick();
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_EQ(f.LigneExecutee(), 5);
}

} // namespace
} // namespace velk::test
