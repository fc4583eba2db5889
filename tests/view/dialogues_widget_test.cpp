// The colour, visibility and canonical-form dialogs as widgets, shown without a modal loop:
// placement, painting of the cells, mouse and keys, and the ways out.
#include "view/qt/tf_choix_couleur.h"
#include "view/qt/tf_choix_visible.h"
#include "view/qt/tf_fcanon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>

namespace velk {
namespace {

class DialoguesVue : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nom[] = "view_dialogues_widget_test";
        static char* argv[] = {nom, nullptr};
        if (QApplication::instance() == nullptr)
            new QApplication(argc, argv);
    }
    static void Touche(QWidget* cible, int touche, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        QKeyEvent appui(QEvent::KeyPress, touche, mod);
        QApplication::sendEvent(cible, &appui);
        QKeyEvent relache(QEvent::KeyRelease, touche, mod);
        QApplication::sendEvent(cible, &relache);
    }
    static void Clic(QWidget* cible, QPoint ou, Qt::MouseButton bouton = Qt::LeftButton)
    {
        QMouseEvent appui(QEvent::MouseButtonPress, QPointF(ou), cible->mapToGlobal(QPointF(ou)),
                          bouton, bouton, Qt::NoModifier);
        QApplication::sendEvent(cible, &appui);
        QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(ou),
                            cible->mapToGlobal(QPointF(ou)), bouton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(cible, &relache);
    }
    static void Glisse(QWidget* cible, QPointF de, QPointF a)
    {
        QMouseEvent appui(QEvent::MouseButtonPress, de, cible->mapToGlobal(de), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cible, &appui);
        QMouseEvent bouge(QEvent::MouseMove, a, cible->mapToGlobal(a), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(cible, &bouge);
        QMouseEvent relache(QEvent::MouseButtonRelease, a, cible->mapToGlobal(a), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(cible, &relache);
    }
    static QImage Capture(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static QColor Couleur(const CouleurRVB& c) { return QColor(c.Rouge, c.Vert, c.Bleu); }
};

// ---- Colour and layer ----

struct ChoixCouleurOuvert {
    TFChoixCouleur dialogue;
    QSpinBox* couche = nullptr;
    ChoixCouleurOuvert(int colonnes, int rangees, int couleur, int coucheChoisie)
    {
        dialogue.NbColonnes = colonnes;
        dialogue.NbRangees = rangees;
        dialogue.CouleurChoisie = couleur;
        dialogue.CoucheChoisie = coucheChoisie;
        dialogue.show();
        QApplication::processEvents();
        couche = dialogue.findChild<QSpinBox*>(QStringLiteral("SpinEditCouche"));
    }
    QPushButton* Bouton(const char* nom)
    {
        return dialogue.findChild<QPushButton*>(QString::fromLatin1(nom));
    }
};

TEST_F(DialoguesVue, ColourDialogIsLaidOutForItsGrid)
{
    ChoixCouleurOuvert o(8, 2, 3, 4);
    TFChoixCouleur& d = o.dialogue;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Choix couleur / couche"));
    EXPECT_EQ(d.size(), QSize(260, 203));
    ASSERT_NE(o.couche, nullptr);
    EXPECT_EQ(o.couche->value(), 4);
    EXPECT_EQ(o.couche->maximum(), 31);
    EXPECT_EQ(o.couche->pos(), QPoint(165, 98));
    EXPECT_EQ(o.Bouton("BtnOk")->pos(), QPoint(32, 133));
    EXPECT_TRUE(o.Bouton("BtnOk")->isDefault());
    EXPECT_EQ(o.Bouton("BtnCancel")->pos(), QPoint(144, 133));
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LabelCouleur"))->pos().y(), 75);

    ChoixCouleurOuvert un(1, 1, 5, 0);
    EXPECT_EQ(un.dialogue.size(), QSize(242, 182));
    EXPECT_EQ(un.dialogue.CouleurChoisie, 0); // brought into the one colour there is
    EXPECT_EQ(un.Bouton("BtnCancel")->pos(), QPoint(140, 112));
}

TEST_F(DialoguesVue, ArrowsMoveTheColourEvenFromTheLayerBox)
{
    ChoixCouleurOuvert o(8, 2, 15, 4);
    Touche(o.couche, Qt::Key_Right);
    EXPECT_EQ(o.dialogue.CouleurChoisie, 0);
    o.dialogue.CouleurChoisie = 3;
    Touche(o.couche, Qt::Key_Up);
    EXPECT_EQ(o.dialogue.CouleurChoisie, 11);
    Touche(o.Bouton("BtnOk"), Qt::Key_Down);
    EXPECT_EQ(o.dialogue.CouleurChoisie, 3);
    Touche(&o.dialogue, Qt::Key_Left);
    EXPECT_EQ(o.dialogue.CouleurChoisie, 2);
    EXPECT_EQ(o.couche->value(), 4); // the box never saw the arrows

    // With a single colour nothing moves, and the box gets its arrows.
    ChoixCouleurOuvert un(1, 1, 0, 4);
    Touche(un.couche, Qt::Key_Up);
    EXPECT_EQ(un.dialogue.CouleurChoisie, 0);
    EXPECT_EQ(un.couche->value(), 5);
}

TEST_F(DialoguesVue, MouseSelectsASwatchWithTheLeftButtonOnly)
{
    ChoixCouleurOuvert o(8, 2, 0, 0);
    const DispositionCouleur& d = o.dialogue.Disposition();
    Clic(&o.dialogue, d.Case(13).center());
    EXPECT_EQ(o.dialogue.CouleurChoisie, 13);
    Clic(&o.dialogue, d.Case(2).center(), Qt::RightButton);
    EXPECT_EQ(o.dialogue.CouleurChoisie, 13);
    Clic(&o.dialogue, d.Case(2).topRight() + QPoint(1, 0)); // the gap beside it
    EXPECT_EQ(o.dialogue.CouleurChoisie, 13);
}

TEST_F(DialoguesVue, ColourDialogWaysOut)
{
    enum Fin { Ok, Entree, BoutonAnnule, Echap, CaseFermeture };
    struct Cas {
        Fin fin;
        bool resultat;
        int couche;
    } const cas[] = {{Ok, true, 7}, {Entree, true, 7}, {BoutonAnnule, false, 2}, {Echap, false, 2},
                     {CaseFermeture, false, 2}};
    for (const Cas& c : cas) {
        ChoixCouleurOuvert o(8, 2, 1, 2);
        o.couche->setValue(7);
        switch (c.fin) {
        case Ok: o.Bouton("BtnOk")->click(); break;
        case Entree: Touche(o.couche, Qt::Key_Return); break;
        case BoutonAnnule: o.Bouton("BtnCancel")->click(); break;
        case Echap: Touche(o.couche, Qt::Key_Escape); break;
        case CaseFermeture: o.dialogue.close(); break;
        }
        EXPECT_FALSE(o.dialogue.isVisible()) << c.fin;
        EXPECT_EQ(o.dialogue.Resultat(), c.resultat) << c.fin;
        EXPECT_EQ(o.dialogue.CoucheChoisie, c.couche) << c.fin;
        // The next opening shows the layer it is given, not what was typed.
        o.dialogue.CoucheChoisie = 2;
        o.dialogue.show();
        EXPECT_EQ(o.couche->value(), 2);
        EXPECT_FALSE(o.dialogue.Resultat());
    }
}

TEST_F(DialoguesVue, SwatchesArePaintedInTheirColours)
{
    ChoixCouleurOuvert o(8, 2, 15, 0);
    const DispositionCouleur& d = o.dialogue.Disposition();
    const QImage image = Capture(o.dialogue);
    const auto& couleurs = o.dialogue.Couleurs();
    ASSERT_EQ(couleurs.size(), 16u);
    EXPECT_EQ(Couleur(couleurs[15]), QColor(255, 128, 0));
    for (int i = 0; i < 16; ++i) {
        const QRect r = d.Case(i);
        EXPECT_EQ(image.pixelColor(r.center().x(), r.top() + 2), Couleur(couleurs[size_t(i)])) << i;
        // The sunken frame: dark top-left, light bottom-right.
        EXPECT_NE(image.pixelColor(r.topLeft()), image.pixelColor(r.bottomRight())) << i;
    }
    // The dotted focus rectangle marks the selected swatch only.
    auto pointsFocus = [&](int i) {
        const QRect f = d.Case(i).adjusted(3, 3, -3, -3);
        int n = 0;
        for (int x = f.left(); x <= f.right(); ++x)
            n += image.pixelColor(x, f.top()) != Couleur(couleurs[size_t(i)]) ? 1 : 0;
        return n;
    };
    EXPECT_GT(pointsFocus(15), 2);
    EXPECT_EQ(pointsFocus(14), 0);
    EXPECT_EQ(image.pixelColor(d.Temoin().center()), QColor(255, 128, 0));
}

// ---- Visibility ----

TEST_F(DialoguesVue, VisibilityDialogIsPreparedForTheProgramsGrid)
{
    TFChoixVisible d;
    d.PrepareVisible(8, 2, 32);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Choix des éléments visibles"));
    EXPECT_EQ(d.size(), QSize(348, 318));
    EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("BtnOk"))->pos(), QPoint(62, 248));
    EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("BtnCancel"))->pos(), QPoint(204, 248));
}

TEST_F(DialoguesVue, VisibilityCellsToggleAndShowTheirState)
{
    TVisibilite drapeaux;
    TFChoixVisible d;
    d.PrepareVisible(8, 2, 32);
    d.Ouvre(drapeaux);
    d.show();
    QApplication::processEvents();
    const DispositionVisible& g = d.Disposition();
    const QRect c9 = g.Case(9);
    const QImage avant = Capture(d);
    Clic(&d, c9.center());
    EXPECT_FALSE(drapeaux.CouleurVisible(9));
    Clic(&d, g.Case(49).center()); // "L"
    EXPECT_FALSE(drapeaux.LignesVisibles());
    Clic(&d, g.Case(49).topRight() + QPoint(2, 0)); // between two cells
    EXPECT_TRUE(drapeaux.CerclesVisibles());
    const QImage apres = Capture(d);
    // Raised once hidden: the top-left corner changes shade, the colour inside stays.
    EXPECT_NE(avant.pixelColor(c9.topLeft()), apres.pixelColor(c9.topLeft()));
    EXPECT_EQ(apres.pixelColor(c9.center()), QColor(255, 0, 0));
    EXPECT_EQ(avant.pixelColor(g.Case(0).topLeft()), apres.pixelColor(g.Case(0).topLeft()));
    // Layer and kind cells carry text on the button face.
    for (int i : {16, 47, 48, 50}) {
        const QRect r = g.Case(i).adjusted(6, 4, -4, -4);
        const QColor face = apres.pixelColor(g.Case(i).center().x(), g.Case(i).bottom() - 3);
        int encre = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                encre += apres.pixelColor(x, y) != face ? 1 : 0;
        EXPECT_GT(encre, 3) << i;
    }
}

TEST_F(DialoguesVue, VisibilityDialogWaysOut)
{
    enum Fin { Ok, BoutonAnnule, Echap, CaseFermeture };
    struct Cas {
        Fin fin;
        bool resultat, cache;
    } const cas[] = {{Ok, true, true}, {BoutonAnnule, false, false}, {Echap, false, false},
                     {CaseFermeture, false, true}};
    TFChoixVisible d;
    d.PrepareVisible(8, 2, 32);
    for (const Cas& c : cas) {
        TVisibilite drapeaux;
        d.Ouvre(drapeaux);
        d.show();
        Clic(&d, d.Disposition().Case(9).center());
        Clic(&d, d.Disposition().Case(16 + 3).center());
        switch (c.fin) {
        case Ok: d.findChild<QPushButton*>(QStringLiteral("BtnOk"))->click(); break;
        case BoutonAnnule: d.findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click(); break;
        case Echap: Touche(&d, Qt::Key_Escape); break;
        case CaseFermeture: d.close(); break;
        }
        EXPECT_FALSE(d.isVisible()) << c.fin;
        EXPECT_EQ(d.Resultat(), c.resultat) << c.fin;
        EXPECT_EQ(drapeaux.CouleurVisible(9), !c.cache) << c.fin;
        EXPECT_EQ(drapeaux.CoucheVisible(3), !c.cache) << c.fin;
    }
}

// ---- Canonical form ----

TEST_F(DialoguesVue, CanonicalFormShowsTheRowsOfItsKind)
{
    TFFCanon f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Formes canoniques"));
    TRecLigne l{6, 1, 2, static_cast<double>(3.14159265358979323846L / 2), 0, 0, 0, 0, 2, 5};
    f.Remplit(FormeLigne(l));
    f.show();
    EXPECT_EQ(f.size(), QSize(360, 400));
    EXPECT_EQ(f.BoutonOk()->y(), 330);
    EXPECT_EQ(f.Valeur(RangRayon)->text(), QStringLiteral("90"));
    EXPECT_EQ(f.Valeur(RangRayon)->pos(), QPoint(144, 160));
    EXPECT_EQ(f.Titre(RangYFin)->pos(), QPoint(16, 288));
    EXPECT_TRUE(f.Titre(RangNum)->font().bold());
    EXPECT_FALSE(f.Valeur(RangAngleDebut)->isVisible());
    EXPECT_FALSE(f.Cadre(CadreAdAf)->isVisible());
    EXPECT_EQ(f.Cadre(CadreXY)->height(), 81);
    EXPECT_TRUE(f.Valeur(RangNum)->textInteractionFlags() & Qt::TextSelectableByMouse);

    // The same window then shows a point: fewer rows, a shorter frame.
    f.Remplit(FormePoint(TRecPoint{4, 7, 8, 1, 0}));
    EXPECT_EQ(f.size(), QSize(360, 250));
    EXPECT_EQ(f.Titre(RangX)->text(), QStringLiteral("Coordonnée X : "));
    EXPECT_FALSE(f.Valeur(RangRayon)->isVisible());
    EXPECT_FALSE(f.Cadre(CadreXdYd)->isVisible());
    EXPECT_TRUE(f.Cadre(CadreClCc)->isVisible());
    EXPECT_EQ(f.Cadre(CadreXY)->height(), 57);
    EXPECT_EQ(f.BoutonOk()->y(), 180);
    f.BoutonOk()->click();
    EXPECT_FALSE(f.isVisible());
}

TEST_F(DialoguesVue, ValuesAreSelectableAndCtrlCCopiesTheWholeForm)
{
    TFFCanon f;
    f.Remplit(FormePoint(TRecPoint{1, 0.1L, -3, 2, 9}));
    f.show();
    Glisse(f.Valeur(RangX), QPointF(1, 5), QPointF(40, 5));
    EXPECT_EQ(f.Valeur(RangX)->selectedText(), QStringLiteral("0.1"));
    QApplication::clipboard()->clear();
    Touche(f.BoutonOk(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("Point numéro : 1\nCouleur : 2\nCouche : 9\n"
                             "Coordonnée X : 0.10000000000000001\nCoordonnée Y : -3\n"));
    EXPECT_TRUE(f.isVisible());
}

} // namespace
} // namespace velk
