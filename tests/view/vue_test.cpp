// View transform, zero-size windows, click sides, zoom commands, history and framing.
#include "store/module_donnee.h"
#include "view/etat_vue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velk {
namespace {

TVue VueOrigine400x300()
{
    return CalculeVue({-80, 80, -80, 80}, 400, 300);
}

TEST(Transform, OriginViewPutsWorldOriginAtSurfaceCentre)
{
    const TVue v = VueOrigine400x300();
    EXPECT_EQ(v.Echelle, 300.0L / 160.0L);
    EXPECT_EQ(XEcran(v, 0), 200);
    EXPECT_EQ(YEcran(v, 0), 150);
    // The bottom edge is world y = OrigineY; larger y goes up the screen.
    EXPECT_EQ(YEcran(v, v.OrigineY), 300);
    EXPECT_LT(YEcran(v, 10), YEcran(v, 0));
    EXPECT_GT(XEcran(v, 10), XEcran(v, 0));
    EXPECT_EQ(YReel(v, 300), v.OrigineY);
    EXPECT_EQ(XReel(v, 0), v.OrigineX);
}

TEST(Transform, PixelRoundTripsAndFarValuesClamp)
{
    const TVue v = CalculeVue({-3.7L, 12.1L, -1, 5.5L}, 1280, 800);
    for (int p = -50; p <= 1330; p += 7) {
        EXPECT_EQ(XEcran(v, XReel(v, p)), p);
        EXPECT_EQ(YEcran(v, YReel(v, p)), p);
    }
    EXPECT_EQ(XEcran(v, 1e30L), 999999999);
    EXPECT_EQ(XEcran(v, -1e30L), -999999999);
    EXPECT_EQ(YEcran(v, -1e30L), 800 + 999999999);
}

TEST(Transform, RoundingAppliesToTheOffsetFromTheOrigin)
{
    // Rows are Hauteur minus the rounded offset, so halves go away from the bottom edge:
    // rounding Hauteur - 2.5 instead would give 98, not 97.
    TVue v;
    v.Largeur = 200;
    v.Hauteur = 100;
    v.OrigineX = -10;
    v.OrigineY = -10;
    v.Echelle = 1;
    struct Cas {
        Reel monde;
        int32_t colonne, ligne;
    } cas[] = {
        {-7.5L, 3, 97},   // offset 2.5
        {-12.5L, -3, 103}, // offset -2.5
        {-7.51L, 2, 98},
        {-10.49L, 0, 100},
        {1e12L, 999999999, 100 - 999999999},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(XEcran(v, c.monde), c.colonne) << double(c.monde);
        EXPECT_EQ(YEcran(v, c.monde), c.ligne) << double(c.monde);
    }
    v.Echelle = 4; // a pixel is a quarter of a unit
    EXPECT_EQ(XReel(v, 6), -8.5L);
    EXPECT_EQ(YReel(v, 94), -8.5L);
}

TEST(Transform, ZeroSizeWindowRules)
{
    struct Cas {
        TFenetre f;
        int32_t l, h;
        Reel echelle;
    } cas[] = {
        {{0, 10, 0, 10}, 200, 100, 10},   // the smaller scale wins
        {{0, 10, 0, 20}, 200, 400, 20},   // equal scales
        {{5, 5, 0, 10}, 200, 100, 10},    // zero width: height decides
        {{0, 10, 3, 3}, 200, 100, 20},    // zero height: width decides
        {{4, 4, 7, 7}, 200, 100, 1},      // a single point: scale 1
        {{0, 10, 0, 10}, 0, 100, 10},     // an empty surface width counts as zero
        {{0, 10, 0, 10}, 0, 0, 1},
    };
    for (const auto& c : cas) {
        const TVue v = CalculeVue(c.f, c.l, c.h);
        EXPECT_EQ(v.Echelle, c.echelle) << c.f.Xmin << " " << c.f.Xmax << " " << c.l << "x" << c.h;
        // The window's centre is at the surface's centre.
        EXPECT_NEAR(double(XReel(v, 0) + c.l / (2 * v.Echelle)), double((c.f.Xmin + c.f.Xmax) / 2), 1e-12);
        EXPECT_NEAR(double(YReel(v, c.h) + c.h / (2 * v.Echelle)), double((c.f.Ymin + c.f.Ymax) / 2), 1e-12);
    }
}

TEST(Transform, ClickSideLetters)
{
    const TVue v = VueOrigine400x300(); // pixel (200, 150) is world (0, 0)
    EXPECT_EQ(CoteHorizontal(v, 200, -1), 'D');
    EXPECT_EQ(CoteHorizontal(v, 200, 0), ' ');
    EXPECT_EQ(CoteHorizontal(v, 200, 1), 'G');
    EXPECT_EQ(CoteVertical(v, 150, -1), 'H');
    EXPECT_EQ(CoteVertical(v, 150, 0), ' ');
    EXPECT_EQ(CoteVertical(v, 150, 1), 'B');
    // Click above-right of the point, mostly to the right.
    EXPECT_EQ(CoteDominant(v, 200, 150, -2, -1), 'D');
    EXPECT_EQ(CoteDominant(v, 200, 150, -1, -2), 'H');
    EXPECT_EQ(CoteDominant(v, 200, 150, 3, 3), 'B'); // a tie takes the vertical letter
}

class Zoom : public ::testing::Test {
protected:
    void SetUp() override
    {
        etat.SetTailleSurface(400, 300);
        etat.VueOrigine();
    }
    EtatVue etat;
};

TEST_F(Zoom, OriginViewStartsAOneWindowHistory)
{
    EXPECT_EQ(etat.Fenetre(), (TFenetre{-80, 80, -80, 80}));
    EXPECT_EQ(etat.IndexZoom(), 1);
    EXPECT_EQ(etat.DernierZoom(), 1);
    EXPECT_FALSE(etat.PrecedentPossible());
    EXPECT_FALSE(etat.SuivantPossible());
    EXPECT_FALSE(etat.ZoomPrecedent());
    EXPECT_EQ(XEcran(etat.VueEcran(), 0), 200);
}

TEST_F(Zoom, PlusThenMinusRestoresTheWindowWithoutHistory)
{
    etat.ZoomPlus();
    EXPECT_EQ(etat.Fenetre(), (TFenetre{-40, 40, -40, 40}));
    EXPECT_EQ(etat.VueEcran().Echelle, 2 * 300.0L / 160);
    etat.ZoomMoins();
    EXPECT_EQ(etat.Fenetre(), (TFenetre{-80, 80, -80, 80}));
    EXPECT_EQ(etat.IndexZoom(), 1);
    EXPECT_FALSE(etat.PrecedentPossible());
}

TEST_F(Zoom, PlusAndMinusWorkAboutAnOffCentreWindow)
{
    // The centre (20, 5) stays; the width and height are halved or doubled.
    struct Cas {
        bool plus;
        TFenetre avant, apres;
        Reel echelle; // on the 400 x 300 surface
    } cas[] = {
        {true, {10, 30, 0, 10}, {15, 25, 2.5L, 7.5L}, 40},
        {false, {10, 30, 0, 10}, {0, 40, -5, 15}, 10},
        {false, {-30, -10, 100, 140}, {-40, 0, 80, 160}, 3.75L},
    };
    for (const auto& c : cas) {
        etat.SetFenetre(c.avant);
        ASSERT_TRUE(c.plus ? etat.ZoomPlus() : etat.ZoomMoins());
        EXPECT_EQ(etat.Fenetre(), c.apres) << c.plus;
        EXPECT_EQ(etat.VueEcran().Echelle, c.echelle) << c.plus;
        EXPECT_EQ(etat.IndexZoom(), 1);
    }
}

TEST_F(Zoom, RepeatedZoomStopsAtTheLimitsOfTheReals)
{
    int fois = 0;
    while (etat.ZoomMoins() && fois < 40000)
        ++fois;
    EXPECT_LT(fois, 40000);
    EXPECT_TRUE(std::isfinite(etat.VueEcran().OrigineX));
    EXPECT_GT(etat.VueEcran().Echelle, 0);
    etat.VueOrigine();
    fois = 0;
    while (etat.ZoomPlus() && fois < 40000)
        ++fois;
    EXPECT_LT(fois, 40000);
    EXPECT_LT(etat.Fenetre().Xmin, etat.Fenetre().Xmax);
    EXPECT_GT(etat.VueEcran().Echelle, 1e4000L); // the scale followed the window
    // Coming back out still works.
    EXPECT_TRUE(etat.ZoomMoins());
}

TEST_F(Zoom, RectangleNeedsTwoDistinctColumnsAndRows)
{
    int changements = 0;
    etat.SetObservateur([&] { ++changements; });
    EXPECT_FALSE(etat.ZoomRectangle(100, 50, 100, 80));
    EXPECT_FALSE(etat.ZoomRectangle(100, 50, 140, 50));
    EXPECT_EQ(changements, 0);
    EXPECT_EQ(etat.IndexZoom(), 1);
    // Corners in any order; the top row gives Ymax.
    ASSERT_TRUE(etat.ZoomRectangle(300, 50, 200, 150));
    const TVue avant = VueOrigine400x300();
    EXPECT_EQ(etat.Fenetre(), (TFenetre{XReel(avant, 200), XReel(avant, 300), YReel(avant, 150), YReel(avant, 50)}));
    EXPECT_EQ(etat.IndexZoom(), 2);
    EXPECT_TRUE(etat.PrecedentPossible());
    EXPECT_EQ(changements, 1);
}

TEST_F(Zoom, CentreDividesTheWindowByTheTypedFactor)
{
    // Pixel (240, 150) is world (21.333.., 0).
    const Reel cx = XReel(etat.VueEcran(), 240);
    ASSERT_TRUE(etat.ZoomCentre(240, 150, 2));
    EXPECT_EQ(etat.Fenetre(), (TFenetre{cx - 40, cx + 40, -40, 40}));
    ASSERT_TRUE(etat.ZoomCentre(200, 150, 0.5L));
    EXPECT_NEAR(double(etat.Fenetre().Xmax - etat.Fenetre().Xmin), 160, 1e-12);
    EXPECT_EQ(etat.IndexZoom(), 3);

    const TFenetre avant = etat.Fenetre();
    for (Reel mauvais : {Reel(0), Reel(-2), std::numeric_limits<Reel>::quiet_NaN(),
                         std::numeric_limits<Reel>::infinity()}) {
        EXPECT_FALSE(etat.ZoomCentre(10, 10, mauvais));
        EXPECT_EQ(etat.Fenetre(), avant);
        EXPECT_EQ(etat.IndexZoom(), 3);
    }
}

TEST_F(Zoom, HistoryKeepsTheLastTwentyWindows)
{
    // Windows 1 (origin) to 21: the origin window is dropped.
    for (int i = 2; i <= 21; ++i)
        etat.SetFenetre({0, Reel(i), 0, Reel(i)}), etat.EmpileZoom();
    EXPECT_EQ(etat.IndexZoom(), 20);
    EXPECT_EQ(etat.DernierZoom(), 20);
    EXPECT_EQ(etat.FenetreHistorique(1), (TFenetre{0, 2, 0, 2}));
    EXPECT_FALSE(etat.SuivantPossible());
    for (int i = 20; i >= 2; --i) {
        ASSERT_TRUE(etat.ZoomPrecedent());
        EXPECT_EQ(etat.Fenetre().Xmax, i);
        EXPECT_TRUE(etat.SuivantPossible());
    }
    EXPECT_EQ(etat.IndexZoom(), 1);
    EXPECT_FALSE(etat.PrecedentPossible());
    EXPECT_FALSE(etat.ZoomPrecedent());
    ASSERT_TRUE(etat.ZoomSuivant());
    EXPECT_EQ(etat.Fenetre().Xmax, 3);
    EXPECT_TRUE(etat.PrecedentPossible());
}

TEST_F(Zoom, NewWindowAfterPreviousDropsTheNewerOnes)
{
    ASSERT_TRUE(etat.ZoomCentre(200, 150, 2));
    ASSERT_TRUE(etat.ZoomCentre(200, 150, 2));
    ASSERT_TRUE(etat.ZoomPrecedent());
    EXPECT_TRUE(etat.SuivantPossible());
    ASSERT_TRUE(etat.ZoomRectangle(10, 10, 50, 60));
    EXPECT_EQ(etat.IndexZoom(), 3);
    EXPECT_EQ(etat.DernierZoom(), 3);
    EXPECT_FALSE(etat.SuivantPossible());
    EXPECT_FALSE(etat.ZoomSuivant());
}

TEST_F(Zoom, FramingKeepsTheOriginInsideWithAMarginFromTheOldScale)
{
    TModuleDonnee donnees;
    donnees.CreeTables();
    TRecPoint p;
    p.X = 50;
    p.Y = 50;
    donnees.EcritPoint(0, p);
    etat.ZoomCentre(200, 150, 2); // history of 2, to see it restart
    // Scale 3.75 before framing: margin R(10 / 3.75) = 3.
    ASSERT_TRUE(etat.Cadrage(donnees));
    EXPECT_EQ(etat.Fenetre(), (TFenetre{-3, 53, -3, 53}));
    EXPECT_EQ(etat.IndexZoom(), 1);
    EXPECT_EQ(etat.DernierZoom(), 1);
}

TEST_F(Zoom, FramingCountsLineBasePointsAndCircleExtents)
{
    TModuleDonnee donnees;
    donnees.CreeTables();
    TRecLigne l;
    l.Xpd = -30;
    l.Ypd = 5;
    l.Xdd = -500; // segment ends do not count
    l.Yfd = 500;
    donnees.EcritLigne(0, l);
    TRecCercle c;
    c.Xc = 10;
    c.Yc = -10;
    c.Rc = 4;
    c.Couche = 31;
    donnees.EcritCercle(2, c);
    EXPECT_EQ(EtendueElements(donnees), (TFenetre{-30, 14, -14, 5}));
}

TEST_F(Zoom, FramingAFlatBoxChangesNothing)
{
    TModuleDonnee donnees;
    donnees.CreeTables();
    TRecPoint p;
    p.X = 25; // on the x axis: the box has no height
    donnees.EcritPoint(0, p);
    // Zoomed so far in that the margin rounds to 0.
    etat.SetFenetre({-1, 1, -1, 1});
    etat.EmpileZoom();
    const TFenetre avant = etat.Fenetre();
    int changements = 0;
    etat.SetObservateur([&] { ++changements; });
    EXPECT_FALSE(etat.Cadrage(donnees));
    EXPECT_EQ(etat.Fenetre(), avant);
    EXPECT_EQ(etat.IndexZoom(), 2);
    EXPECT_EQ(changements, 0);
    // At the origin view's scale the margin of 5 gives the box a height.
    etat.VueOrigine();
    ASSERT_TRUE(etat.Cadrage(donnees));
    EXPECT_EQ(etat.Fenetre(), (TFenetre{-5, 30, -5, 5}));
}

} // namespace
} // namespace velk
