// Line clipping, palette, visibility and the pixels the painters put on an image.
#include "geometry/conventions.h"
#include "store/module_donnee.h"
#include "view/decoupe_ligne.h"
#include "view/dessine.h"
#include "view/surface_image.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <limits>
#include <vector>

namespace velk {
namespace {

// 100 x 100 pixels, one pixel per unit, world (x, y) at pixel (x, 100 - y).
TVue Vue100()
{
    TVue v;
    v.Largeur = 100;
    v.Hauteur = 100;
    return v;
}

TEST(Clipping, ExactHorizontalAndVerticalBranches)
{
    const TVue v = Vue100();
    struct Cas {
        const char* nom;
        Reel x, y, a;
        int nombre;
        PixelLong p0, p1;
    } cas[] = {
        {"horizontal inside", 30, 40, 0, 2, {0, 60}, {100, 60}},
        {"horizontal on top row", 30, 100, 0, 0, {}, {}},
        {"horizontal on bottom row", 30, 0, 0, 0, {}, {}},
        {"angle pi is horizontal", 30, 40, Pi, 2, {0, 60}, {100, 60}},
        {"vertical inside", 25, 40, 90 * Pi / 180, 2, {25, 0}, {25, 100}},
        {"vertical on left column", 0, 40, 90 * Pi / 180, 0, {}, {}},
        {"vertical on right column", 100, 40, 90 * Pi / 180, 0, {}, {}},
        {"270 degrees reduces to vertical", 25, 40, 270 * Pi / 180, 2, {25, 0}, {25, 100}},
        {"diagonal corner to corner", 0, 0, Pi / 4, 2, {100, 0}, {0, 100}},
        {"direction past pi", 0, 0, 5 * Pi / 4, 2, {100, 0}, {0, 100}},
        {"touching a corner only", 0, 0, 3 * Pi / 4, 2, {0, 100}, {0, 100}},
        {"outside", 200, 0, Pi / 4, 0, {}, {}},
        {"steep line", 50, 50, 80 * Pi / 180, 2, {59, 0}, {41, 100}},
        {"not a number", 50, 50, std::numeric_limits<Reel>::quiet_NaN(), 0, {}, {}},
    };
    for (const auto& c : cas) {
        const CoupureLigne r = CoupeLigne(v, c.x, c.y, c.a);
        ASSERT_EQ(r.Nombre, c.nombre) << c.nom;
        if (c.nombre == 2) {
            EXPECT_EQ(r.Points[0], c.p0) << c.nom;
            EXPECT_EQ(r.Points[1], c.p1) << c.nom;
        }
    }
}

TEST(Clipping, StoredAnglesNearTheExactBranchesStillCross)
{
    // Angles read back from the 64-bit tables miss the exact branches by an ulp.
    const TVue v = Vue100();
    const CoupureLigne vertical = CoupeLigne(v, 25, 40, static_cast<double>(90 * Pi / 180));
    ASSERT_EQ(vertical.Nombre, 2);
    EXPECT_EQ(vertical.Points[0], (PixelLong{25, 0}));
    EXPECT_EQ(vertical.Points[1], (PixelLong{25, 100}));
    const CoupureLigne horizontal = CoupeLigne(v, 30, 40, static_cast<double>(Pi));
    ASSERT_EQ(horizontal.Nombre, 2);
    EXPECT_EQ(horizontal.Points[0].Y, 60);
    EXPECT_EQ(horizontal.Points[1].Y, 60);
}

TEST(Clipping, FarDefiningPointGivesTheSameLine)
{
    // Zoomed in far: the base point is 10^12 pixels away but the line crosses the surface.
    const TVue v = Vue100();
    const Reel a = 30 * Pi / 180;
    const Reel loin = 1e12L;
    const CoupureLigne proche = CoupeLigne(v, 50, 50, a);
    const CoupureLigne eloignee = CoupeLigne(v, 50 + loin * std::cos(a), 50 + loin * std::sin(a), a);
    ASSERT_EQ(proche.Nombre, 2);
    ASSERT_EQ(eloignee.Nombre, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(eloignee.Points[i].X, proche.Points[i].X, 1);
        EXPECT_NEAR(eloignee.Points[i].Y, proche.Points[i].Y, 1);
    }
}

TEST(PaletteTest, EightByTwoGrid)
{
    const CouleurRVB attendu[16] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {0, 0, 128},
                                    {128, 128, 0}, {128, 0, 128}, {0, 128, 128}, {128, 64, 0},
                                    {255, 255, 255}, {255, 0, 0}, {0, 255, 0},   {0, 0, 255},
                                    {255, 255, 0}, {255, 0, 255}, {0, 255, 255}, {255, 128, 0}};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(Palette()[static_cast<size_t>(i)], attendu[i]) << "colour " << i;
}

TEST(PaletteTest, OtherGrids)
{
    EXPECT_EQ(PaletteGrille(1, 1).size(), 1u);
    const auto une = PaletteGrille(16, 1); // v = 256 clamps to 255; h and q come before
    EXPECT_EQ(une[1], (CouleurRVB{255, 0, 0}));
    EXPECT_EQ(une[10], (CouleurRVB{192, 0, 128}));
    EXPECT_EQ(une[15], (CouleurRVB{128, 128, 0}));
    const auto grande = PaletteGrille(16, 16);
    ASSERT_EQ(grande.size(), 256u);
    EXPECT_EQ(grande[16], (CouleurRVB{32, 32, 32}));
    EXPECT_EQ(grande[240], (CouleurRVB{255, 255, 255}));
    EXPECT_EQ(PaletteGrille(40, 0).size(), 16u); // brought into 1..16
}

TEST(Visibility, NumbersOutsideThePaletteAndLayersAreHidden)
{
    TVisibilite v;
    EXPECT_TRUE(v.CouleurVisible(15));
    EXPECT_FALSE(v.CouleurVisible(16));
    EXPECT_FALSE(v.CouleurVisible(-1));
    EXPECT_TRUE(v.CoucheVisible(31));
    EXPECT_FALSE(v.CoucheVisible(32));
    v.SetCoucheVisible(3, false);
    v.SetLignesVisibles(false);
    v.SetCouleurVisible(999, false); // ignored
    EXPECT_FALSE(v.CoucheVisible(3));
    EXPECT_FALSE(v.LignesVisibles());
    v.ToutVisible();
    EXPECT_TRUE(v.CoucheVisible(3));
    EXPECT_TRUE(v.LignesVisibles());
}

class Pixels : public ::testing::Test {
protected:
    QImage Image(int l, int h)
    {
        QImage image(l, h, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }
    static int Colores(const QImage& image)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) != qRgb(255, 255, 255);
        return n;
    }
    TVisibilite visibilite;
};

TEST_F(Pixels, PointCrossOnScreenAndPrinter)
{
    TVue v;
    v.Largeur = v.Hauteur = 40;
    TRecPoint p;
    p.X = 20;
    p.Y = 20; // pixel (20, 20)
    p.Couleur = 9;
    QImage ecran = Image(40, 40);
    {
        QPainter painter(&ecran);
        DessinePoint(p, painter, v, visibilite);
    }
    EXPECT_EQ(Colores(ecran), 9); // two diagonals of 5 sharing the centre
    for (int d = -2; d <= 2; ++d) {
        EXPECT_EQ(ecran.pixel(20 + d, 20 + d), qRgb(255, 0, 0)) << d;
        EXPECT_EQ(ecran.pixel(20 + d, 20 - d), qRgb(255, 0, 0)) << d;
    }
    EXPECT_EQ(ecran.pixel(23, 23), qRgb(255, 255, 255));

    QImage page = Image(40, 40);
    {
        QPainter painter(&page);
        DessinePoint(p, painter, v, visibilite, Support::Imprimante);
    }
    EXPECT_EQ(Colores(page), 37); // 19 x 19 cross
    EXPECT_NE(page.pixel(11, 11), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(10, 10), qRgb(255, 255, 255));
}

TEST_F(Pixels, HorizontalLineOnTheBorderIsNotDrawn)
{
    const TVue v = Vue100();
    TRecLigne bord;
    bord.Ypd = 100; // row 0
    TRecLigne dedans;
    dedans.Ypd = 37; // row 63
    dedans.Couleur = 11;
    QImage image = Image(100, 100);
    {
        QPainter painter(&image);
        DessineLigne(bord, painter, v, visibilite);
        DessineLigne(dedans, painter, v, visibilite);
    }
    for (int x = 0; x < 100; ++x) {
        EXPECT_EQ(image.pixel(x, 0), qRgb(255, 255, 255)) << x;
        EXPECT_EQ(image.pixel(x, 63), qRgb(0, 0, 255)) << x;
    }
    EXPECT_EQ(Colores(image), 100);
}

TEST_F(Pixels, LineStrokeStopsShortOfItsSecondCrossing)
{
    // A stroke covers its first crossing but not its second; only the left column can hold
    // a second crossing that lies on the image. Pixel (x, y) is world (x, 100 - y).
    const TVue v = Vue100();
    struct Cas {
        const char* nom;
        Reel x, y, a;
        int colores;                // pixels drawn in all
        std::vector<QPoint> dessus; // drawn
        std::vector<QPoint> blancs; // left white
    } cas[] = {
        // Through pixel (10, 30) at 45 degrees: crossings (40, 0) then (0, 40).
        {"top then left", 10, 70, Pi / 4, 40, {{40, 0}, {20, 20}, {1, 39}}, {{0, 40}}},
        // Through pixel (10, 70) at 135 degrees: crossings (40, 100) then (0, 60).
        {"bottom then left", 10, 30, 3 * Pi / 4, 39, {{39, 99}, {1, 61}}, {{0, 60}}},
        // The top-left corner offered twice: an empty stroke.
        {"corner only", 0, 100, Pi / 4, 0, {}, {{0, 0}}},
        // Both crossings on the right and bottom are off the image: the full run is drawn.
        {"horizontal", 0, 37, 0, 100, {{0, 63}, {99, 63}}, {}},
        {"vertical", 25, 0, 90 * Pi / 180, 100, {{25, 0}, {25, 99}}, {}},
    };
    for (const auto& c : cas) {
        TRecLigne l;
        l.Xpd = c.x;
        l.Ypd = c.y;
        l.Aod = c.a;
        QImage image = Image(100, 100);
        {
            QPainter painter(&image);
            DessineLigne(l, painter, v, visibilite);
        }
        EXPECT_EQ(Colores(image), c.colores) << c.nom;
        for (const QPoint& p : c.dessus)
            EXPECT_EQ(image.pixel(p), qRgb(0, 0, 0)) << c.nom << " " << p.x() << "," << p.y();
        for (const QPoint& p : c.blancs)
            EXPECT_EQ(image.pixel(p), qRgb(255, 255, 255)) << c.nom << " " << p.x() << "," << p.y();
    }
}

TEST_F(Pixels, CircleOutlineAndHugeCircleArc)
{
    const TVue v = Vue100();
    TRecCercle c;
    c.Xc = 50;
    c.Yc = 50;
    c.Rc = 20;
    QImage image = Image(100, 100);
    {
        QPainter painter(&image);
        DessineCercle(c, painter, v, visibilite);
    }
    EXPECT_EQ(image.pixel(70, 50), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, 30), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255));

    // A circle of radius 10^7 pixels whose outline is the row 50 at the surface.
    TRecCercle immense;
    immense.Xc = 50;
    immense.Yc = 50 - 1e7L;
    immense.Rc = 1e7L;
    QImage arc = Image(100, 100);
    {
        QPainter painter(&arc);
        DessineCercle(immense, painter, v, visibilite);
    }
    for (int x = 10; x < 90; x += 10) {
        EXPECT_EQ(arc.pixel(x, 50), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(arc.pixel(x, 48), qRgb(255, 255, 255)) << x;
        EXPECT_EQ(arc.pixel(x, 52), qRgb(255, 255, 255)) << x;
    }
    // Its inside covers the whole surface when centred on it: nothing to draw.
    immense.Yc = 50;
    QImage rien = Image(100, 100);
    {
        QPainter painter(&rien);
        DessineCercle(immense, painter, v, visibilite);
    }
    EXPECT_EQ(Colores(rien), 0);
}

TEST_F(Pixels, HiddenKindsColoursAndLayersAreNotDrawnByRedrawOrRun)
{
    TModuleDonnee donnees;
    donnees.CreeTables();
    TRecPoint p;
    p.X = 20;
    p.Y = 20;
    p.Couche = 3;
    donnees.EcritPoint(0, p);
    TRecLigne l;
    l.Ypd = 50;
    l.Couleur = 16; // outside the palette: never drawn
    donnees.EcritLigne(0, l);
    TRecCercle c;
    c.Xc = c.Yc = 50;
    c.Rc = 10;
    donnees.EcritCercle(0, c);

    EtatVue etat;
    etat.SetTailleSurface(100, 100);
    etat.SetFenetre({0, 100, 0, 100});
    visibilite.SetCoucheVisible(3, false);
    visibilite.SetCerclesVisibles(false);
    SurfaceImage surface(etat, visibilite);
    surface.Redessine(donnees);
    EXPECT_EQ(Colores(surface.Image()), 0);

    // The run's elements go through the same filter.
    surface.EffaceDessin();
    surface.DessinePoint(p);
    surface.DessineLigne(l);
    surface.DessineCercle(c);
    EXPECT_EQ(Colores(surface.Image()), 0);

    visibilite.ToutVisible();
    surface.DessinePoint(p);
    EXPECT_EQ(Colores(surface.Image()), 9);
    surface.Redessine(donnees);
    EXPECT_GT(Colores(surface.Image()), 9 + 40); // the point and the circle, not the line
    EXPECT_EQ(surface.Image().pixel(10, 50), qRgb(255, 255, 255));
}

TEST_F(Pixels, HostileValuesDrawNothingAndNeverCrash)
{
    const Reel nan = std::numeric_limits<Reel>::quiet_NaN();
    const Reel inf = std::numeric_limits<Reel>::infinity();
    const TVue v = Vue100();
    QImage image = Image(100, 100);
    QPainter painter(&image);
    Peintre peintre(painter, v, visibilite);
    for (Reel mauvais : {nan, inf, -inf}) {
        TRecPoint p;
        p.X = mauvais;
        peintre.DessinePoint(p);
        TRecLigne l;
        l.Ypd = 50;
        l.Aod = mauvais;
        peintre.DessineLigne(l);
        TRecCercle c;
        c.Xc = 50;
        c.Yc = 50;
        c.Rc = mauvais;
        peintre.DessineCercle(c);
    }
    // Far away, or so large that the surface is inside it: nothing to see.
    for (Reel loin : {Reel(1e300), Reel(-1e300), Reel(1e12)}) {
        TRecPoint p;
        p.X = loin;
        peintre.DessinePoint(p);
        TRecCercle c;
        c.Xc = loin;
        c.Rc = 3;
        peintre.DessineCercle(c);
        c.Xc = 50;
        c.Rc = std::fabs(loin);
        peintre.DessineCercle(c);
    }
    TRecPoint couleurInconnue;
    couleurInconnue.X = couleurInconnue.Y = 50;
    couleurInconnue.Couleur = 300;
    peintre.DessinePoint(couleurInconnue);
    peintre.Termine();
    painter.end();
    EXPECT_EQ(Colores(image), 0);
}

TEST_F(Pixels, NegativeRadiusDrawsTheSameOutline)
{
    const TVue v = Vue100();
    TRecCercle c;
    c.Xc = c.Yc = 50;
    c.Rc = 20;
    QImage positif = Image(100, 100), negatif = Image(100, 100);
    {
        QPainter painter(&positif);
        DessineCercle(c, painter, v, visibilite);
    }
    c.Rc = -20;
    {
        QPainter painter(&negatif);
        DessineCercle(c, painter, v, visibilite);
    }
    EXPECT_GT(Colores(positif), 100);
    EXPECT_EQ(positif, negatif);
}

TEST_F(Pixels, VectorDevicesGetTheSameStrokes)
{
    // Through a painter that is not a plain image (here: clipped), strokes go to the
    // painter itself; the pixels must match the direct path (to a rounding).
    const TVue v = Vue100();
    TRecLigne l;
    l.Xpd = 10;
    l.Ypd = 20;
    l.Aod = 0.7L;
    TRecPoint p;
    p.X = p.Y = 50;
    TRecCercle c; // radius 1500 pixels, its top at row 50: a midpoint circle on one side,
    c.Xc = 50;    // an arc polyline on the other
    c.Yc = -1450;
    c.Rc = 1500;
    QImage direct = Image(100, 100), peint = Image(100, 100);
    {
        QPainter painter(&direct);
        Peintre peintre(painter, v, visibilite);
        peintre.DessinePoint(p);
        peintre.DessineLigne(l);
        peintre.DessineCercle(c);
    }
    {
        QPainter painter(&peint);
        painter.setClipRect(QRect(0, 0, 100, 100));
        Peintre peintre(painter, v, visibilite);
        peintre.DessinePoint(p);
        peintre.DessineLigne(l);
        peintre.DessineCercle(c);
    }
    // The two rasterisers may round a slanted stroke differently, never by more than a
    // pixel: every pixel of one has a neighbour in the other.
    const auto proche = [](const QImage& a, const QImage& b) {
        int loin = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                if (a.pixel(x, y) == qRgb(255, 255, 255))
                    continue;
                bool voisin = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        voisin = voisin || (b.valid(x + dx, y + dy) && b.pixel(x + dx, y + dy) != qRgb(255, 255, 255));
                loin += !voisin;
            }
        return loin;
    };
    EXPECT_GT(Colores(direct), 200);
    EXPECT_NEAR(Colores(direct), Colores(peint), 6);
    EXPECT_EQ(proche(direct, peint), 0);
    EXPECT_EQ(proche(peint, direct), 0);
}

TEST_F(Pixels, RunElementsKeepTheirOrderAcrossBatches)
{
    EtatVue etat;
    etat.SetTailleSurface(100, 100);
    etat.SetFenetre({0, 100, 0, 100});
    SurfaceImage surface(etat, visibilite);
    surface.EffaceDessin();
    // The same point in red, then 5 000 elsewhere, then in blue: the last one drawn shows.
    TRecPoint p;
    p.X = p.Y = 50;
    p.Couleur = 9;
    surface.DessinePoint(p);
    TRecPoint ailleurs;
    ailleurs.X = ailleurs.Y = 10;
    for (int i = 0; i < 5000; ++i)
        surface.DessinePoint(ailleurs);
    p.Couleur = 11;
    surface.DessinePoint(p);
    const QImage& image = surface.Image();
    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(10, 90), qRgb(0, 0, 0));
    EXPECT_EQ(Colores(image), 18);
}

} // namespace
} // namespace velk
