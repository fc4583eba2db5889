// Navigation on the real window: zoom and pan in the middle of a click sequence leave the
// sequence as it was, the faulty-lines notice leads from the drawing to the text, and the
// status bar keeps every text whole.
#include "fenetre_test.h"

#include "construction/moteur_construction.h"
#include "shell/liste_messages_vue.h"
#include "shell/widgets/editeur.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QWheelEvent>

namespace velk::test {
namespace {

const std::vector<std::string> kScene = {"// Programme VELK Version 1.0 ", "// Derniere modif. : ", "//",
                                         "P0:=0,0,0,0", "P1:=30,0,0,0"};

void Souris(QWidget& w, QEvent::Type type, QPointF p, Qt::MouseButton bouton, Qt::MouseButtons boutons)
{
    QMouseEvent e(type, p, w.mapToGlobal(p), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void Clique(TFPrincipale& f, Reel x, Reel y)
{
    const TVue& vue = f.Vue().VueEcran();
    const QPointF pixel(XEcran(vue, x), YEcran(vue, y));
    Souris(f.SurfaceGraphique(), QEvent::MouseButtonPress, pixel, Qt::LeftButton, Qt::LeftButton);
    Souris(f.SurfaceGraphique(), QEvent::MouseButtonRelease, pixel, Qt::LeftButton, Qt::NoButton);
}

// Everything of the click engine a gesture could disturb.
struct EtatClics {
    ModeSouris mode;
    int outil;
    bool glisser;
    QString instruction, signature, invite, panneau3;
    int inviteCourante;
    bool operator==(const EtatClics& o) const
    {
        return mode == o.mode && outil == o.outil && glisser == o.glisser && instruction == o.instruction &&
               signature == o.signature && invite == o.invite && panneau3 == o.panneau3 &&
               inviteCourante == o.inviteCourante;
    }
};

EtatClics Releve(TFPrincipale& f)
{
    const MoteurConstruction& m = f.Moteur();
    return {m.Mode(),      m.Outil(), m.GlisserEnCours(), m.InstructionEnCours(), m.SignatureEnCours(),
            f.Invite(),    f.Panneau(3), m.InviteCourante()};
}

using Navigation = FenetreTest;

TEST_F(Navigation, ZoomAndPanLeaveAClickSequenceAsItWas)
{
    TFPrincipale& f = Demarre();
    Texte(kScene);
    f.ExecuterClick();
    f.Dossier().setCurrentIndex(0);
    f.findChild<QToolButton*>(QStringLiteral("BtnConstruction"))->click();
    f.findChild<QToolButton*>(QStringLiteral("BtnArc"))->click();
    dialogues_.RepondValeur(QStringLiteral("20"));
    Clique(f, 0, 0);
    Clique(f, 30, 0);
    const EtatClics avant = Releve(f);
    ASSERT_EQ(avant.panneau3, QStringLiteral("CPP*"));

    Dessin& d = f.SurfaceGraphique();
    const TVue vueAvant = f.Vue().VueEcran();
    QWheelEvent molette(QPointF(50, 40), d.mapToGlobal(QPointF(50, 40)), QPoint(), QPoint(0, 240), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&d, &molette);
    EXPECT_EQ(Releve(f), avant);
    Souris(d, QEvent::MouseButtonPress, {60, 60}, Qt::MiddleButton, Qt::MiddleButton);
    Souris(d, QEvent::MouseMove, {90, 20}, Qt::NoButton, Qt::MiddleButton);
    Souris(d, QEvent::MouseButtonRelease, {90, 20}, Qt::MiddleButton, Qt::NoButton);
    EXPECT_EQ(Releve(f), avant);
    QKeyEvent fleche(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&d, &fleche);
    QKeyEvent espace(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&d, &espace);
    Souris(d, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    Souris(d, QEvent::MouseMove, {25, 30}, Qt::NoButton, Qt::LeftButton);
    Souris(d, QEvent::MouseButtonRelease, {25, 30}, Qt::LeftButton, Qt::NoButton);
    QKeyEvent espaceLache(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&d, &espaceLache);
    EXPECT_EQ(Releve(f), avant);
    EXPECT_NE(f.Vue().VueEcran().Echelle, vueAvant.Echelle);
    EXPECT_EQ(Lignes().back(), kScene.back()); // nothing was appended

    // The sequence goes on in the new view.
    Clique(f, 15, 10);
    EXPECT_EQ(Lignes().back(), "C0:=P0,P1,20,H,0,0");
}

TEST_F(Navigation, FaultyLinesNoticeLeadsToTheText)
{
    TFPrincipale& f = Demarre();
    QPushButton* avis = f.findChild<QPushButton*>(QStringLiteral("AvisErreurs"));
    ASSERT_NE(avis, nullptr);
    struct Cas {
        std::vector<std::string> instructions;
        QString texte;
        int ligneCurseur;
    };
    const Cas cas[] = {
        {{"P0:=0,0,0,0", "P0:=0,0,0,0"}, QStringLiteral("1 ligne en erreur — cliquez pour la voir"), 5},
        {{"P0:=0,0,0,0", "P1:=0,0,0,0", "P1:=1,1,0,0", "P2:=P7,0,0,0,0", "L5:=P2,A0,0,0"},
         QStringLiteral("3 lignes en erreur — cliquez pour les voir"), 6},
    };
    for (const Cas& c : cas) {
        std::vector<std::string> texte(kScene.begin(), kScene.begin() + 3);
        texte.insert(texte.end(), c.instructions.begin(), c.instructions.end());
        Texte(texte);
        f.Dossier().setCurrentIndex(0);
        f.ExecuterClick();
        ASSERT_FALSE(avis->isHidden());
        EXPECT_EQ(avis->text(), c.texte);
        avis->click();
        EXPECT_TRUE(avis->isHidden());
        EXPECT_EQ(f.Dossier().currentIndex(), 1);
        EXPECT_FALSE(f.Messages().isHidden());
        EXPECT_EQ(f.Messages().ItemSelectionne(), 0);
        EXPECT_EQ(f.EditeurTexte().LigneCurseur(), c.ligneCurseur);
    }
    // A run from the text tab, or a clean run, shows no notice.
    f.ExecuterClick();
    EXPECT_TRUE(avis->isHidden());
    Texte(std::vector<std::string>(kScene));
    f.Dossier().setCurrentIndex(0);
    f.ExecuterClick();
    EXPECT_TRUE(avis->isHidden());
}

TEST_F(Navigation, StatusBarPanelsNeverOverlapAtTheSmallestWindow)
{
    TFPrincipale& f = Demarre();
    f.show();
    Texte({"// Programme VELK Version 1.0 ", "// Derniere modif. : ", "//", "P0:=0,0,0,0", "P0:=0,0,0,0"});
    f.Dossier().setCurrentIndex(0);
    f.ExecuterClick();
    f.AffichePanneau(0, Editeur::TextePosition(99999, 999));
    f.AffichePanneau(2, QStringLiteral("Lecture seule"));
    f.resize(100, 80);
    QApplication::processEvents();
    EXPECT_GE(f.width(), 560);
    EXPECT_GE(f.height(), 360);
    std::vector<QWidget*> elements;
    for (int i = 0; i < 4; ++i)
        elements.push_back(f.findChild<QLabel*>(QStringLiteral("Panneau%1").arg(i)));
    elements.push_back(f.findChild<QPushButton*>(QStringLiteral("AvisErreurs")));
    for (QWidget* w : elements) {
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
        EXPECT_LE(w->geometry().right(), w->parentWidget()->width()) << w->objectName().toStdString();
        if (auto* panneau = qobject_cast<QLabel*>(w)) {
            EXPECT_LE(panneau->fontMetrics().horizontalAdvance(panneau->text()), panneau->contentsRect().width())
                << w->objectName().toStdString();
        }
    }
    for (size_t i = 0; i < elements.size(); ++i)
        for (size_t j = i + 1; j < elements.size(); ++j)
            EXPECT_FALSE(elements[i]->geometry().intersects(elements[j]->geometry()))
                << elements[i]->objectName().toStdString() << " / " << elements[j]->objectName().toStdString();
}

} // namespace
} // namespace velk::test
