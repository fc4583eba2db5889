// Circles, rotation and symmetry built by clicking on the real Dessin widget: the
// statement lands at the end of the program text and its element in the tables.
#include "fenetre_test.h"

#include "construction/moteur_construction.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolButton>

#include <cmath>

namespace velk::test {
namespace {

const std::vector<std::string> kScene = {
    "// Programme VELK Version 1.0 ", "// Derniere modif. : ", "//",
    "P0:=0,0,0,0", "P1:=30,0,0,0", "P2:=0,40,0,0", "L0:=0,-40,A0,0,0", "C0:=-40,40,15,0,0"};

// A left click, pressed and released, on the drawing at a world point.
void Clique(TFPrincipale& f, Reel x, Reel y)
{
    const TVue& vue = f.Vue().VueEcran();
    const QPointF pixel(XEcran(vue, x), YEcran(vue, y));
    QWidget& dessin = f.SurfaceGraphique();
    const QPointF global = dessin.mapToGlobal(pixel);
    QMouseEvent appui(QEvent::MouseButtonPress, pixel, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&dessin, &appui);
    QMouseEvent relache(QEvent::MouseButtonRelease, pixel, global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&dessin, &relache);
}

void Outil(TFPrincipale& f, const char* bouton)
{
    f.findChild<QToolButton*>(QStringLiteral("BtnConstruction"))->click();
    QToolButton* b = f.findChild<QToolButton*>(QString::fromLatin1(bouton));
    ASSERT_NE(b, nullptr) << bouton;
    b->click();
}

// The window on the scene, on its graphic tab.
class Fenetre : public FenetreTest {
protected:
    TFPrincipale& Ouvre()
    {
        TFPrincipale& f = Demarre();
        f.Lignes().Vide();
        for (const std::string& l : kScene)
            f.Lignes().AjouteLigne(l);
        f.ExecuterClick();
        f.Dossier().setCurrentIndex(0);
        return f;
    }
    std::string DerniereLigne()
    {
        const std::vector<std::string> l = Lignes();
        return l.empty() ? std::string() : l.back();
    }
};

// An arc of radius 20 through P0 and P1, clicked above them: the upper circle.
TEST_F(Fenetre, ArcDeRayonDonneAuDessusDesDeuxPoints)
{
    TFPrincipale& f = Ouvre();
    Outil(f, "BtnArc");
    ASSERT_EQ(f.Outil(), OutilArc);
    dialogues_.RepondValeur(QStringLiteral("20"));
    Clique(f, 0, 0);
    Clique(f, 30, 0);
    EXPECT_EQ(f.Panneau(3), QStringLiteral("CPP*"));
    Clique(f, 15, 10);
    EXPECT_EQ(DerniereLigne(), "C1:=P0,P1,20,H,0,0");
    TRecCercle c;
    f.Donnees().LitCercle(1, c);
    EXPECT_NEAR(double(c.Xc), 15, 1e-9);
    EXPECT_NEAR(double(c.Yc), std::sqrt(175.0), 1e-9);
    EXPECT_EQ(double(c.Rc), 20);
    EXPECT_EQ(f.Moteur().InstructionEnCours(), QStringLiteral("C2:="));
}

// From a circle, "Différence de rayon" with a typed -5 gives the smaller concentric one.
TEST_F(Fenetre, CercleDifferenceDeRayon)
{
    TFPrincipale& f = Ouvre();
    Outil(f, "BtnCercle");
    dialogues_.RepondChoix1(2).RepondValeur(QStringLiteral("-5"));
    Clique(f, -25, 40);
    EXPECT_EQ(DerniereLigne(), "C1:=C0,5,I,0,0");
    TRecCercle c;
    f.Donnees().LitCercle(1, c);
    EXPECT_EQ(double(c.Rc), 10);
}

// One rotation, two elements: each copy gets the next number of its kind, and the tool
// waits for more.
TEST_F(Fenetre, RotationDeDeuxElements)
{
    TFPrincipale& f = Ouvre();
    Outil(f, "BtnRotation");
    dialogues_.RepondValeur(QStringLiteral("90"));
    Clique(f, 0, 0);
    Clique(f, 30, 0);
    Clique(f, 20, -40);
    const std::vector<std::string> l = Lignes();
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[l.size() - 2], "P3:=P1,P0,A90,0,0");
    EXPECT_EQ(l.back(), "L1:=L0,P0,A90,0,0");
    EXPECT_EQ(f.Panneau(3), QStringLiteral("RPA*"));
    TRecPoint p;
    f.Donnees().LitPoint(3, p);
    EXPECT_NEAR(double(p.X), 0, 1e-9);
    EXPECT_NEAR(double(p.Y), 30, 1e-9);
}

} // namespace
} // namespace velk::test
