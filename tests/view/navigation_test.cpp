// Wheel zoom about the cursor, its history bursts, and panning by pixels.
#include "view/etat_vue.h"
#include "view/navigation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velk {
namespace {

struct CasZoom {
    int32_t largeur, hauteur, colonne, ligne;
    Reel crans;
};

TEST(ZoomAutourDe, PointUnderCursorKeepsItsPixel)
{
    const CasZoom cas[] = {
        {400, 300, 200, 150, 1},  {400, 300, 0, 0, 1},       {400, 300, 399, 299, -1},
        {400, 300, 37, 251, 3},   {300, 800, 290, 10, -4},   {1920, 1080, 1500, 90, 0.25L},
        {400, 300, -50, 400, 2},  {1, 1, 0, 0, 5},           {640, 480, 611, 17, 30},
    };
    for (const CasZoom& c : cas) {
        SCOPED_TRACE(testing::Message() << c.largeur << "x" << c.hauteur << " at " << c.colonne << ","
                                        << c.ligne << " crans " << static_cast<double>(c.crans));
        EtatVue etat;
        etat.SetTailleSurface(c.largeur, c.hauteur);
        etat.VueOrigine();
        const TVue avant = etat.VueEcran();
        const Reel x = XReel(avant, c.colonne), y = YReel(avant, c.ligne);
        ASSERT_TRUE(etat.ZoomMolette(c.colonne, c.ligne, c.crans));
        const TVue apres = etat.VueEcran();
        EXPECT_NEAR(static_cast<double>(apres.Echelle / avant.Echelle),
                    std::pow(1.25, static_cast<double>(c.crans)), 1e-12);
        EXPECT_LE(std::abs(XEcran(apres, x) - c.colonne), 1);
        EXPECT_LE(std::abs(YEcran(apres, y) - c.ligne), 1);
    }
}

TEST(ZoomAutourDe, BadFactorLeavesTheWindow)
{
    const TFenetre f{-80, 80, -80, 80};
    const TVue v = CalculeVue(f, 400, 300);
    for (Reel facteur : {Reel(0), Reel(-2), std::numeric_limits<Reel>::infinity(),
                         std::numeric_limits<Reel>::quiet_NaN()})
        EXPECT_EQ(ZoomAutourDe(f, v, 10, 10, facteur), f);
}

TEST(ZoomMolette, NotchMultipliesTheScaleAndRefusesUnusableWindows)
{
    EtatVue etat;
    etat.SetTailleSurface(400, 300);
    etat.VueOrigine();
    const TFenetre origine = etat.Fenetre();
    EXPECT_FALSE(etat.ZoomMolette(10, 10, 0));
    EXPECT_FALSE(etat.ZoomMolette(10, 10, std::numeric_limits<Reel>::quiet_NaN()));
    EXPECT_FALSE(etat.ZoomMolette(10, 10, -1e6L)); // would overflow the reals
    EXPECT_EQ(etat.Fenetre(), origine);
    EXPECT_EQ(etat.DernierZoom(), 1);
}

TEST(ZoomMolette, BurstMakesOneHistoryEntryUndoneByPrevious)
{
    EtatVue etat;
    etat.SetTailleSurface(400, 300);
    etat.VueOrigine();
    const TFenetre origine = etat.Fenetre();
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(etat.ZoomMolette(100, 80, 1));
    EXPECT_EQ(etat.DernierZoom(), 2);
    EXPECT_EQ(etat.IndexZoom(), 2);
    const TFenetre rafale1 = etat.Fenetre();
    EXPECT_EQ(etat.FenetreHistorique(2), rafale1);

    etat.FinRafale();
    ASSERT_TRUE(etat.ZoomMolette(300, 200, -1));
    ASSERT_TRUE(etat.ZoomMolette(300, 200, -1));
    EXPECT_EQ(etat.DernierZoom(), 3);

    ASSERT_TRUE(etat.ZoomPrecedent());
    EXPECT_EQ(etat.Fenetre(), rafale1);
    ASSERT_TRUE(etat.ZoomPrecedent());
    EXPECT_EQ(etat.Fenetre(), origine);
    // Walking the history ended the burst: the next step saves after the current position.
    ASSERT_TRUE(etat.ZoomMolette(0, 0, 1));
    EXPECT_EQ(etat.IndexZoom(), 2);
    EXPECT_EQ(etat.DernierZoom(), 2);
}

TEST(ZoomMolette, UnsavedWindowIsSavedBeforeTheBurst)
{
    // A pan (or zoom +/-) is not saved; "previous" after a burst still comes back to it.
    EtatVue etat;
    etat.SetTailleSurface(400, 300);
    etat.VueOrigine();
    ASSERT_TRUE(etat.Deplace(40, -25));
    const TFenetre deplacee = etat.Fenetre();
    ASSERT_TRUE(etat.ZoomMolette(50, 50, 2));
    ASSERT_TRUE(etat.ZoomMolette(50, 50, 1));
    EXPECT_EQ(etat.DernierZoom(), 3);
    ASSERT_TRUE(etat.ZoomPrecedent());
    EXPECT_EQ(etat.Fenetre(), deplacee);
    // A pan in the middle of a burst ends it.
    etat.ZoomSuivant();
    ASSERT_TRUE(etat.ZoomMolette(50, 50, 1));
    ASSERT_TRUE(etat.Deplace(5, 5));
    ASSERT_TRUE(etat.ZoomMolette(50, 50, 1));
    // Burst saved at 4, the panned window at 5, the new burst at 6.
    EXPECT_EQ(etat.DernierZoom(), 6);
    EXPECT_TRUE(etat.RafaleEnCours());
}

TEST(Deplace, DrawingFollowsTheDragAndHistoryStays)
{
    const struct {
        int32_t dx, dy;
    } cas[] = {{0, 0}, {10, 0}, {0, -7}, {-123, 45}, {399, 299}, {-2000, 3000}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        EtatVue etat;
        etat.SetTailleSurface(400, 300);
        etat.VueOrigine();
        ASSERT_TRUE(etat.ZoomMolette(123, 77, 3)); // a scale that is not a round number
        const TVue avant = etat.VueEcran();
        const int index = etat.IndexZoom();
        ASSERT_TRUE(etat.Deplace(c.dx, c.dy));
        const TVue apres = etat.VueEcran();
        EXPECT_NEAR(static_cast<double>((avant.OrigineX - apres.OrigineX) * avant.Echelle), c.dx, 1e-6);
        EXPECT_NEAR(static_cast<double>((apres.OrigineY - avant.OrigineY) * avant.Echelle), c.dy, 1e-6);
        EXPECT_NEAR(static_cast<double>(apres.Echelle / avant.Echelle), 1.0, 1e-12);
        for (const Reel x : {Reel(0), Reel(13.5), Reel(-40)}) {
            EXPECT_LE(std::abs(XEcran(apres, x) - XEcran(avant, x) - c.dx), 1);
            EXPECT_LE(std::abs(YEcran(apres, x) - YEcran(avant, x) - c.dy), 1);
        }
        EXPECT_EQ(etat.IndexZoom(), index);
        EXPECT_EQ(etat.DernierZoom(), index);
    }
}

} // namespace
} // namespace velk
