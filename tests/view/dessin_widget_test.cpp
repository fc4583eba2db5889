// The drawing surface widget: follows its size only while the tables are ready, shows what
// the run draws, reports mouse events in pixels, and draws the rubber band over the drawing.
#include "store/module_donnee.h"
#include "view/qt/dessin.h"
#include "view/dessine.h"
#include "view/surface_image.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <QEventLoop>
#include <QTimer>

#include <cmath>
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

// Sends the mouse, wheel and key events of the navigation gestures and counts every mouse
// signal the construction would see.
class NavigationDessin : public DessinWidget {
protected:
    void SetUp() override
    {
        DessinWidget::SetUp();
        dessin->resize(400, 300);
        dessin->show();
        QApplication::processEvents();
        auto compte = [this](int, int, auto, Qt::KeyboardModifiers) { ++signaux; };
        QObject::connect(dessin.get(), &Dessin::sourisEnfoncee, compte);
        QObject::connect(dessin.get(), &Dessin::sourisDeplacee, compte);
        QObject::connect(dessin.get(), &Dessin::sourisRelachee, compte);
    }
    void Souris(QEvent::Type type, QPoint p, Qt::MouseButton bouton, Qt::MouseButtons boutons)
    {
        QMouseEvent e(type, QPointF(p), dessin->mapToGlobal(QPointF(p)), bouton, boutons, Qt::NoModifier);
        QApplication::sendEvent(dessin.get(), &e);
    }
    void Glisse(Qt::MouseButton bouton, QPoint de, QPoint a)
    {
        Souris(QEvent::MouseButtonPress, de, bouton, bouton);
        Souris(QEvent::MouseMove, (de + a) / 2, Qt::NoButton, bouton);
        Souris(QEvent::MouseMove, a, Qt::NoButton, bouton);
        Souris(QEvent::MouseButtonRelease, a, bouton, Qt::NoButton);
    }
    void Molette(QPoint p, int angle)
    {
        QWheelEvent e(QPointF(p), dessin->mapToGlobal(QPointF(p)), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(dessin.get(), &e);
    }
    void Touche(QEvent::Type type, int touche, bool repetee = false)
    {
        QKeyEvent e(type, touche, Qt::NoModifier, QString(), repetee);
        QApplication::sendEvent(dessin.get(), &e);
    }
    int signaux = 0;
};

TEST_F(NavigationDessin, WheelZoomsAboutTheCursorOneEntryPerBurst)
{
    const QPoint curseur(287, 61);
    const Reel x = XReel(etat.VueEcran(), curseur.x()), y = YReel(etat.VueEcran(), curseur.y());
    const Reel echelle = etat.VueEcran().Echelle;
    Molette(curseur, 120);
    Molette(curseur, 120);
    Molette(curseur, 240);
    EXPECT_NEAR(static_cast<double>(etat.VueEcran().Echelle / echelle), std::pow(1.25, 4), 1e-12);
    EXPECT_LE(std::abs(XEcran(etat.VueEcran(), x) - curseur.x()), 1);
    EXPECT_LE(std::abs(YEcran(etat.VueEcran(), y) - curseur.y()), 1);
    EXPECT_EQ(etat.DernierZoom(), 2);
    Molette(curseur, -120); // still the same burst
    EXPECT_EQ(etat.DernierZoom(), 2);
    // A pause longer than the burst delay starts a new entry.
    QEventLoop attente;
    QTimer::singleShot(Dessin::DelaiRafaleMs + 100, &attente, &QEventLoop::quit);
    attente.exec();
    Molette(curseur, -120);
    EXPECT_EQ(etat.DernierZoom(), 3);
    EXPECT_EQ(signaux, 0);
}

TEST_F(NavigationDessin, MiddleDragAndSpaceDragPanByTheDrag)
{
    struct Cas {
        QPoint de, a;
        bool espace;
    };
    for (const Cas& c : {Cas{{100, 100}, {160, 70}, false}, Cas{{10, 290}, {390, 5}, false},
                         Cas{{200, 150}, {180, 190}, true}}) {
        const TVue avant = etat.VueEcran();
        const int index = etat.IndexZoom();
        const QPoint d = c.a - c.de;
        if (c.espace) {
            Touche(QEvent::KeyPress, Qt::Key_Space);
            Touche(QEvent::KeyPress, Qt::Key_Space, true);
            Glisse(Qt::LeftButton, c.de, c.a);
            Touche(QEvent::KeyRelease, Qt::Key_Space);
        } else {
            Glisse(Qt::MiddleButton, c.de, c.a);
        }
        EXPECT_NEAR(static_cast<double>((avant.OrigineX - etat.VueEcran().OrigineX) * avant.Echelle), d.x(), 1e-6);
        EXPECT_NEAR(static_cast<double>((etat.VueEcran().OrigineY - avant.OrigineY) * avant.Echelle), d.y(), 1e-6);
        EXPECT_EQ(etat.IndexZoom(), index);
        EXPECT_FALSE(dessin->DeplacementEnCours());
        EXPECT_EQ(dessin->cursor().shape(), Qt::CrossCursor);
    }
    EXPECT_EQ(signaux, 0);
    // Space released: the left button is a click again.
    Souris(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(signaux, 1);
}

TEST_F(NavigationDessin, ArrowsPanByAnEighthOfTheView)
{
    const struct {
        int touche, dx, dy;
    } cas[] = {{Qt::Key_Left, 50, 0}, {Qt::Key_Right, -50, 0}, {Qt::Key_Up, 0, 37}, {Qt::Key_Down, 0, -37}};
    for (const auto& c : cas) {
        const int x0 = XEcran(etat.VueEcran(), 0), y0 = YEcran(etat.VueEcran(), 0);
        Touche(QEvent::KeyPress, c.touche);
        EXPECT_EQ(XEcran(etat.VueEcran(), 0) - x0, c.dx);
        EXPECT_EQ(YEcran(etat.VueEcran(), 0) - y0, c.dy);
    }
    EXPECT_EQ(signaux, 0);
}

// On a drawing past the preview threshold the steps only move the last image; the image
// drawn when the burst ends is the one a full redraw gives.
TEST_F(NavigationDessin, PreviewStepsEndInTheFullRedraw)
{
    donnees.TablesLectureSeule(false);
    TRecPoint origine;
    origine.Couleur = 12;
    donnees.EcritPoint(0, origine);
    TRecLigne l;
    l.Xpd = 10;
    l.Aod = 1.1;
    l.Couleur = 9;
    donnees.EcritLigne(0, l);
    TRecCercle c;
    c.Xc = -20;
    c.Rc = 30;
    donnees.EcritCercle(0, c);
    donnees.TablesLectureSeule(true);
    const auto redessinFrais = [this] {
        SurfaceImage surface(etat, visibilite);
        surface.Redessine(donnees);
        return surface.Image().copy();
    };
    const auto attendFin = [] {
        QEventLoop attente;
        QTimer::singleShot(Dessin::DelaiApercuMs + 100, &attente, &QEventLoop::quit);
        attente.exec();
    };
    // Below the threshold every step redraws at once.
    Molette({120, 80}, 120);
    EXPECT_FALSE(dessin->ApercuEnCours());
    EXPECT_EQ(dessin->Image(), redessinFrais());

    dessin->SetElementsApercu(3);
    dessin->Redessine();
    const QImage avant = dessin->Image().copy();
    Molette({120, 80}, 120);
    Molette({120, 80}, 240);
    EXPECT_TRUE(dessin->ApercuEnCours());
    EXPECT_EQ(dessin->Image(), avant);
    // The shown image already has the point's cross where the new view puts it.
    const QImage montre = Capture();
    const int x = XEcran(etat.VueEcran(), 0), y = YEcran(etat.VueEcran(), 0);
    int couleur = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            couleur += montre.pixel(x + dx, y + dy) == CouleurQt(12).rgb();
    EXPECT_GT(couleur, 0);
    attendFin();
    EXPECT_FALSE(dessin->ApercuEnCours());
    EXPECT_EQ(dessin->Image(), redessinFrais());

    // A pan redraws in full as soon as its button is released.
    Glisse(Qt::MiddleButton, {100, 100}, {170, 60});
    EXPECT_FALSE(dessin->ApercuEnCours());
    EXPECT_EQ(dessin->Image(), redessinFrais());
    EXPECT_EQ(signaux, 0);
}

} // namespace
} // namespace velk
