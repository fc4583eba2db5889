// The drawing surface widget: follows its size only while the tables are ready, shows what
// the run draws, reports mouse events in pixels, and draws the rubber band over the drawing.
#include "store/module_donnee.h"
#include "view/qt/dessin.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <functional>
#include <memory>
#include <vector>

namespace velk {
namespace {

class DessinWidget : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nom[] = "view_dessin_widget_test";
        static char* argv[] = {nom, nullptr};
        if (QApplication::instance() == nullptr)
            new QApplication(argc, argv);
    }
    void SetUp() override
    {
        donnees.CreeTables();
        etat.SetTailleSurface(400, 300);
        etat.VueOrigine();
        dessin = std::make_unique<Dessin>(etat, donnees, visibilite);
    }
    QImage Capture()
    {
        return dessin->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    TModuleDonnee donnees;
    EtatVue etat;
    TVisibilite visibilite;
    std::unique_ptr<Dessin> dessin;
};

TEST_F(DessinWidget, ResizeRecomputesTheViewOnlyWhileTablesAreReady)
{
    dessin->resize(400, 300);
    dessin->show();
    QApplication::processEvents();
    EXPECT_EQ(etat.VueEcran().Largeur, 400);
    EXPECT_EQ(XEcran(etat.VueEcran(), 0), 200);
    EXPECT_EQ(dessin->Image().size(), QSize(400, 300));

    donnees.SetTablesPretes(false); // closing: no redraw while the window is torn down
    const TVue avant = etat.VueEcran();
    dessin->resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(etat.VueEcran().Echelle, avant.Echelle);
    EXPECT_EQ(etat.VueEcran().Largeur, 400);
    EXPECT_EQ(dessin->Image().size(), QSize(400, 300));

    donnees.SetTablesPretes(true);
    dessin->resize(320, 160);
    QApplication::processEvents();
    EXPECT_EQ(etat.VueEcran().Echelle, 1);
    EXPECT_EQ(dessin->Image().size(), QSize(320, 160));
}

TEST_F(DessinWidget, RunElementsAppearAndTheCursorIsACross)
{
    dessin->resize(400, 300);
    dessin->show();
    QApplication::processEvents();
    EXPECT_EQ(dessin->cursor().shape(), Qt::CrossCursor);
    dessin->EffaceDessin();
    TRecLigne axe; // the x axis, through pixel row 150
    axe.Couleur = 11;
    dessin->DessineLigne(axe);
    const QImage image = Capture();
    EXPECT_EQ(image.pixel(10, 150), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(10, 140), qRgb(255, 255, 255));
}

TEST_F(DessinWidget, RubberBandInvertsInGreyAndLeavesTheDrawing)
{
    dessin->resize(400, 300);
    dessin->show();
    QApplication::processEvents();
    dessin->EffaceDessin();
    TRecLigne axe;
    dessin->DessineLigne(axe); // black along row 150
    dessin->MontreCadre(QPoint(300, 50), QPoint(100, 200));
    QImage image = Capture();
    EXPECT_EQ(image.pixel(200, 50), qRgb(128, 128, 128)); // on white
    EXPECT_EQ(image.pixel(100, 150), qRgb(127, 127, 127)); // on black
    EXPECT_EQ(image.pixel(200, 150), qRgb(0, 0, 0));       // inside: untouched
    dessin->CacheCadre();
    image = Capture();
    EXPECT_EQ(image.pixel(200, 50), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(100, 150), qRgb(0, 0, 0));
}

TEST_F(DessinWidget, MouseEventsArriveInPixels)
{
    dessin->resize(400, 300);
    dessin->show();
    QApplication::processEvents();
    std::vector<QPoint> enfonce, relache;
    QObject::connect(dessin.get(), &Dessin::sourisEnfoncee,
                     [&](int c, int l, Qt::MouseButton, Qt::KeyboardModifiers) { enfonce.emplace_back(c, l); });
    QObject::connect(dessin.get(), &Dessin::sourisRelachee,
                     [&](int c, int l, Qt::MouseButton, Qt::KeyboardModifiers) { relache.emplace_back(c, l); });
    auto envoie = [&](QEvent::Type type, QPoint p) {
        QMouseEvent e(type, QPointF(p), dessin->mapToGlobal(QPointF(p)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(dessin.get(), &e);
    };
    envoie(QEvent::MouseButtonPress, QPoint(37, 42));
    envoie(QEvent::MouseButtonRelease, QPoint(60, 80));
    ASSERT_EQ(enfonce.size(), 1u);
    ASSERT_EQ(relache.size(), 1u);
    EXPECT_EQ(enfonce[0], QPoint(37, 42));
    EXPECT_EQ(relache[0], QPoint(60, 80));
}

// The highlight is painted over the drawing, never into it, and goes away on request, when
// the mouse leaves and when the drawing is redrawn.
TEST_F(DessinWidget, HighlightOverlaysTheDrawingUntilHiddenOrLeft)
{
    dessin->resize(400, 300);
    dessin->show();
    QApplication::processEvents();
    TRecLigne axe; // black along row 150
    donnees.EcritLigne(0, axe);
    dessin->Redessine();
    TElementsProches proches;
    proches.NbLignes = 1;
    const QRgb blanc = qRgb(255, 255, 255), noir = qRgb(0, 0, 0);

    struct Etape {
        const char* nom;
        std::function<void()> action;
        bool visible;
    } etapes[] = {
        {"shown", [&] { dessin->MontreSurbrillance(proches); }, true},
        {"hidden", [&] { dessin->CacheSurbrillance(); }, false},
        {"shown again", [&] { dessin->MontreSurbrillance(proches); }, true},
        {"mouse left",
         [&] {
             QEvent sortie(QEvent::Leave);
             QApplication::sendEvent(dessin.get(), &sortie);
         },
         false},
        {"shown before a redraw", [&] { dessin->MontreSurbrillance(proches); }, true},
        {"redrawn", [&] { dessin->Redessine(); }, false},
    };
    for (const Etape& e : etapes) {
        e.action();
        EXPECT_EQ(dessin->SurbrillanceVisible(), e.visible) << e.nom;
        const QImage ecran = Capture();
        EXPECT_EQ(ecran.pixel(30, 152) != blanc, e.visible) << e.nom; // beside the axis
        EXPECT_EQ(ecran.pixel(30, 150) != noir, e.visible) << e.nom;  // on it
        EXPECT_EQ(ecran.pixel(30, 160), blanc) << e.nom;              // beyond the stroke
        EXPECT_EQ(dessin->Image().pixel(30, 152), blanc) << e.nom << ": the drawing itself is unchanged";
    }
}

} // namespace
} // namespace velk
