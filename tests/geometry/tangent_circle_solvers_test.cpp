// Circles of given radius tangent to two elements. Every result is checked by what it must
// touch: the distance from its centre to a point, a line or a circle centre equals the
// radius, or the sum or difference of the radii. The thresholds are tested at and just
// below the smallest radius that exists.
#include "geometry/conventions.h"
#include "geometry/solvers.h"
#include "geometry_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace velk {
namespace {

using test::Ci;
using test::Dist;
using test::DistanceALigne;
using test::Li;
using test::Pt;
using test::Stocke;
using test::Tol;

constexpr Reel Juste = 1e-9L; // how far below a threshold "just below" is

void ExpectCentre(const TRecCercle& c, Reel x, Reel y, double tol = 1e-12) {
    EXPECT_NEAR(static_cast<double>(c.Xc), static_cast<double>(x), tol);
    EXPECT_NEAR(static_cast<double>(c.Yc), static_cast<double>(y), tol);
}

// The new circle touches C from outside (E) or on the inside of one of the two circles (I).
void ExpectTouche(const TRecCercle& n, const TRecCercle& C, char tangence, Reel tol = Tol) {
    const Reel d = Dist(n.Xc, n.Yc, C.Xc, C.Yc);
    if (tangence == 'E')
        EXPECT_NEAR(d, n.Rc + C.Rc, tol);
    else
        EXPECT_NEAR(d, std::fabs(n.Rc - C.Rc), tol);
}

TEST(CercleDeuxPointsRayon, ThroughBothPoints) {
    bool sans = true;
    ExpectCentre(CercleDeuxPointsRayon(Pt(0, 0), Pt(6, 0), 5, 'H', sans), 3, 4);
    ExpectCentre(CercleDeuxPointsRayon(Pt(0, 0), Pt(6, 0), 5, 'B', sans), 3, -4);
    const TRecCercle c = CercleDeuxPointsRayon(Pt(1, 2), Pt(-2, 3), 4, 'G', sans);
    EXPECT_FALSE(sans);
    EXPECT_EQ(c.Rc, 4);
    EXPECT_NEAR(Dist(c.Xc, c.Yc, 1, 2), 4, Tol);
    EXPECT_NEAR(Dist(c.Xc, c.Yc, -2, 3), 4, Tol);

    for (Reel r : {2.0L, 3 - Juste}) { // points farther apart than the diameter
        sans = false;
        CercleDeuxPointsRayon(Pt(0, 0), Pt(6, 0), r, 'H', sans);
        EXPECT_TRUE(sans);
    }
    sans = true;
    ExpectCentre(CercleDeuxPointsRayon(Pt(0, 0), Pt(6, 0), 3, 'H', sans), 3, 0, 1e-9);
    EXPECT_FALSE(sans);
    sans = false;
    CercleDeuxPointsRayon(Pt(1, 1), Pt(1, 1), 3, 'H', sans);
    EXPECT_TRUE(sans);
}

TEST(CerclePointLigneRayon, ThroughThePointTangentToTheLine) {
    bool sans = true;
    const TRecLigne axe = Li(0, 0, 0);
    ExpectCentre(CerclePointLigneRayon(Pt(0, 2), axe, 2, 'D', sans), 2, 2);
    ExpectCentre(CerclePointLigneRayon(Pt(0, 2), axe, 2, 'G', sans), -2, 2);
    // A point on the line: the centre is on the perpendicular, on the letter's side.
    ExpectCentre(CerclePointLigneRayon(Pt(3, 0), axe, 2, 'H', sans), 3, 2);
    ExpectCentre(CerclePointLigneRayon(Pt(3, 0), axe, 2, 'B', sans), 3, -2);
    EXPECT_FALSE(sans);

    const TRecLigne L = Li(1, -1, Stocke(2.2L));
    for (char l : {'H', 'B', 'D', 'G'}) {
        const TRecPoint P = Pt(-1, 3);
        const TRecCercle c = CerclePointLigneRayon(P, L, 3, l, sans);
        ASSERT_FALSE(sans) << l;
        EXPECT_NEAR(Dist(c.Xc, c.Yc, P.X, P.Y), 3, Tol);
        EXPECT_NEAR(DistanceALigne(c.Xc, c.Yc, L), 3, Tol);
    }
    // The point farther from the line than the diameter.
    sans = false;
    CerclePointLigneRayon(Pt(0, 5), axe, 2, 'H', sans);
    EXPECT_TRUE(sans);
}

TEST(CerclePointCercleRayon, ExistsDownToTheGeometricThresholds) {
    // P = (10, 0) outside C (centre 0, radius 2): E needs 2·N1 >= 8, I needs 2·N1 >= 12.
    // P = (1, 0) inside C (centre 0, radius 5): needs 4 <= 2·N1 <= 6.
    const TRecCercle dehors = Ci(0, 0, 2), dedans = Ci(0, 0, 5);
    const struct {
        TRecPoint P;
        const TRecCercle& C;
        char tangence;
        Reel N1;
        bool existe;
        Reel x, y; // the centre when the circle is the only one
    } cas[] = {
        {Pt(10, 0), dehors, 'E', 4, true, 6, 0},
        {Pt(10, 0), dehors, 'E', 4 - Juste, false, 0, 0},
        {Pt(10, 0), dehors, 'I', 6, true, 4, 0},
        {Pt(10, 0), dehors, 'I', 6 - Juste, false, 0, 0},
        {Pt(1, 0), dedans, 'I', 2, true, 3, 0},
        {Pt(1, 0), dedans, 'I', 2 - Juste, false, 0, 0},
        {Pt(1, 0), dedans, 'E', 3, true, -2, 0}, // inside C the letter does not matter
        {Pt(1, 0), dedans, 'E', 3 + Juste, false, 0, 0},
    };
    for (const auto& c : cas) {
        bool sans = !c.existe;
        const TRecCercle n = CerclePointCercleRayon(c.P, c.C, c.N1, c.tangence, 'H', sans);
        ASSERT_EQ(sans, !c.existe) << c.tangence << " " << static_cast<double>(c.N1);
        if (c.existe) ExpectCentre(n, c.x, c.y, 1e-8);
    }
}

TEST(CerclePointCercleRayon, BetweenThresholdsTouchesAndPasses) {
    const TRecCercle C = Ci(1, -1, 2);
    const struct {
        TRecPoint P;
        char tangence;
        Reel N1;
    } cas[] = {
        // d = √65 ≈ 8.06: the former rule refused every N1 below d - R ≈ 6.06 for E.
        {Pt(8, 3), 'E', 3.5L}, {Pt(8, 3), 'E', 7},        {Pt(8, 3), 'I', 6},
        {Pt(8, 3), 'I', 20},   {Pt(1.5L, -0.5L), 'I', 1}, // inside C: N1 between 0.65 and 1.35
    };
    for (const auto& c : cas) {
        for (char position : {'H', 'B', 'D', 'G'}) {
            bool sans = true;
            const TRecCercle n = CerclePointCercleRayon(c.P, C, c.N1, c.tangence, position, sans);
            ASSERT_FALSE(sans) << c.tangence << static_cast<double>(c.N1) << position;
            EXPECT_EQ(n.Rc, c.N1);
            EXPECT_NEAR(Dist(n.Xc, n.Yc, c.P.X, c.P.Y), c.N1, Tol);
            const bool dedans = Dist(c.P.X, c.P.Y, C.Xc, C.Yc) < C.Rc;
            ExpectTouche(n, C, dedans ? 'I' : c.tangence);
        }
    }
    // P on C: the centre lies on the line from P through the centre of C.
    bool sans = true;
    ExpectCentre(CerclePointCercleRayon(Pt(5, 0), Ci(0, 0, 5), 2, 'E', 'D', sans), 7, 0);
    ExpectCentre(CerclePointCercleRayon(Pt(5, 0), Ci(0, 0, 5), 2, 'E', 'G', sans), 3, 0);
    EXPECT_FALSE(sans);
    // At the top of C that line is built in memory with the exact direction 3π/2, so the
    // vertical branch decides: D takes the upper candidate, G the lower one.
    ExpectCentre(CerclePointCercleRayon(Pt(0, 5), Ci(0, 0, 5), 2, 'E', 'D', sans), 0, 7, 0);
    ExpectCentre(CerclePointCercleRayon(Pt(0, 5), Ci(0, 0, 5), 2, 'I', 'G', sans), 0, 3, 0);
    EXPECT_FALSE(sans);
}

TEST(CercleDeuxLignesRayon, TangentToBothOnTheChosenSides) {
    bool sans = true;
    const TRecLigne x = Li(0, 0, 0), y = Li(0, 0, Stocke(DemiPi));
    ExpectCentre(CercleDeuxLignesRayon(x, y, 1, 'H', 'D', sans), 1, 1, 1e-15);
    ExpectCentre(CercleDeuxLignesRayon(x, y, 1, 'B', 'G', sans), -1, -1, 1e-15);
    EXPECT_FALSE(sans);
    const TRecLigne L1 = Li(1, 2, 0.4L), L2 = Li(-3, 0, 2.0L);
    const TRecCercle c = CercleDeuxLignesRayon(L1, L2, 2.5L, 'B', 'H', sans);
    EXPECT_FALSE(sans);
    EXPECT_NEAR(DistanceALigne(c.Xc, c.Yc, L1), 2.5L, Tol);
    EXPECT_NEAR(DistanceALigne(c.Xc, c.Yc, L2), 2.5L, Tol);
    sans = false;
    CercleDeuxLignesRayon(x, Li(0, 5, 0), 1, 'H', 'B', sans);
    EXPECT_TRUE(sans);
}

TEST(CercleLigneCercleRayon, SideTangencyAndFailures) {
    const TRecLigne axe = Li(0, 0, 0);
    const TRecCercle haut = Ci(0, 5, 2);  // above the line, not cut by it
    const TRecCercle coupe = Ci(0, 1, 3); // cut by the line
    const TRecCercle loin = Ci(0, 10, 1); // far above: enclosing it takes N1 >= 5.5
    const struct {
        const TRecCercle& C;
        Reel N1;
        char cote, tangence;
        bool existe;
        Reel x, y;
    } cas[] = {
        {haut, 2, 'H', 'E', true, std::sqrt(7.0L), 2},
        {haut, 2, 'B', 'E', false, 0, 0}, // the other side of the line
        {haut, 2, 'D', 'E', false, 0, 0}, // level with its foot: no side at all
        {haut, 2, 'H', 'I', false, 0, 0}, // no larger than C: cannot enclose it
        {haut, 1, 'H', 'E', false, 0, 0}, // the parallel misses the auxiliary circle
        {haut, 4, 'H', 'I', true, std::sqrt(3.0L), 4},
        {haut, 4, 'H', 'E', true, std::sqrt(35.0L), 4},
        // N1 = 5: the parallel y = 5 misses the enclosing auxiliary circle (radius 4), yet
        // the circle touching C from outside exists.
        {loin, 5, 'H', 'E', true, std::sqrt(11.0L), 5},
        {loin, 5, 'H', 'I', false, 0, 0},
        {loin, 5.5L, 'H', 'I', true, 0, 5.5L},
        {loin, 5.5L - Juste, 'H', 'I', false, 0, 0},
        {loin, 5.5L - Juste, 'H', 'E', true,
         std::sqrt((6.5L - Juste) * (6.5L - Juste) - (4.5L + Juste) * (4.5L + Juste)),
         5.5L - Juste},
        {coupe, 1, 'H', 'E', true, 4, 1},
        {coupe, 1, 'H', 'I', true, 2, 1},
        {coupe, 1, 'B', 'I', true, 0, -1},
        {coupe, 4, 'H', 'I', false, 0, 0},
    };
    for (const auto& c : cas) {
        bool sans = !c.existe;
        const TRecCercle n = CercleLigneCercleRayon(axe, c.C, c.N1, c.cote, c.tangence, 'D', sans);
        ASSERT_EQ(sans, !c.existe) << c.cote << c.tangence << static_cast<double>(c.N1);
        if (!c.existe) continue;
        ExpectCentre(n, c.x, c.y);
        EXPECT_NEAR(DistanceALigne(n.Xc, n.Yc, axe), c.N1, Tol);
        ExpectTouche(n, c.C, c.tangence);
    }
}

TEST(CercleDeuxCerclesRayon, OverlappingCircles) {
    bool sans = true;
    // Two circles of radius 5, 6 apart: I, I gives a circle inside both.
    const TRecCercle A = Ci(0, 0, 5), B = Ci(6, 0, 5);
    ExpectCentre(CercleDeuxCerclesRayon(A, B, 1, 'I', 'I', 'H', sans), 3, std::sqrt(7.0L));
    for (char e1 : {'E', 'I'}) {
        for (char e2 : {'E', 'I'}) {
            const TRecCercle n = CercleDeuxCerclesRayon(A, B, 1.5L, e1, e2, 'B', sans);
            ASSERT_FALSE(sans) << e1 << e2;
            ExpectTouche(n, A, e1);
            ExpectTouche(n, B, e2);
        }
    }
    sans = false;
    CercleDeuxCerclesRayon(A, B, 2.5L, 'I', 'I', 'H', sans); // 2·N1 > R1 + R2 - d
    EXPECT_TRUE(sans);
    sans = false;
    CercleDeuxCerclesRayon(A, A, 1, 'E', 'E', 'H', sans); // the same circle twice
    EXPECT_TRUE(sans);
    // E, E with the second circle well inside the first: the auxiliary circles are nested.
    sans = false;
    CercleDeuxCerclesRayon(Ci(0, 0, 10), Ci(1, 0, 1), 1, 'E', 'E', 'H', sans);
    EXPECT_TRUE(sans);
}

TEST(CercleDeuxCerclesRayon, SeparateCirclesDownToTheGeometricThresholds) {
    bool sans = true;
    // Radius 1 at (0, 0) and (4, 0), E, E: N1 = 2 reaches over, N1 = 1 just fits between.
    ExpectCentre(CercleDeuxCerclesRayon(Ci(0, 0, 1), Ci(4, 0, 1), 2, 'E', 'E', 'H', sans), 2,
                 std::sqrt(5.0L));
    ExpectCentre(CercleDeuxCerclesRayon(Ci(0, 0, 1), Ci(4, 0, 1), 1, 'E', 'E', 'H', sans), 2, 0,
                 1e-9);
    EXPECT_FALSE(sans);

    // Radius 1 at (0, 0) and radius 2 at (10, 0). At the threshold the circle sits on the
    // line of centres; just below it there is none; above it, it touches both.
    const TRecCercle A = Ci(0, 0, 1), B = Ci(10, 0, 2);
    const struct {
        char e1, e2;
        Reel seuil, x;
    } cas[] = {
        {'I', 'I', 6.5L, 5.5L},
        {'I', 'E', 4.5L, 3.5L},
        {'E', 'I', 5.5L, 6.5L},
        {'E', 'E', 3.5L, 4.5L},
    };
    for (const auto& c : cas) {
        sans = true;
        const TRecCercle au_seuil = CercleDeuxCerclesRayon(A, B, c.seuil, c.e1, c.e2, 'H', sans);
        ASSERT_FALSE(sans) << c.e1 << c.e2;
        ExpectCentre(au_seuil, c.x, 0, 1e-8);
        sans = false;
        CercleDeuxCerclesRayon(A, B, c.seuil - Juste, c.e1, c.e2, 'H', sans);
        EXPECT_TRUE(sans) << c.e1 << c.e2;
        const TRecCercle au_dela = CercleDeuxCerclesRayon(A, B, c.seuil + 1, c.e1, c.e2, 'B', sans);
        ASSERT_FALSE(sans) << c.e1 << c.e2;
        EXPECT_LT(au_dela.Yc, 0);
        ExpectTouche(au_dela, A, c.e1);
        ExpectTouche(au_dela, B, c.e2);
    }
}

TEST(CerclesTangents, EveryReturnedCircleTouchesWhatItMust) {
    // Random configurations: whatever the branch taken, a circle that is returned must be
    // tangent to both elements in the way its letters ask.
    std::mt19937 alea(2024);
    std::uniform_real_distribution<double> u(-10, 10), r(0.5, 6);
    const char positions[] = {'H', 'B', 'D', 'G'};
    const char tangences[] = {'E', 'I'};
    int trouves = 0;
    for (int i = 0; i < 3000; ++i) {
        const TRecCercle C1 = Ci(u(alea), u(alea), r(alea)), C2 = Ci(u(alea), u(alea), r(alea));
        const TRecLigne L = Li(u(alea), u(alea), Stocke(std::fabs(u(alea)) * 0.6));
        const Reel N1 = r(alea);
        const char e1 = tangences[i % 2], e2 = tangences[(i / 2) % 2];
        const char cote = positions[(i / 4) % 4], position = positions[(i / 16) % 4];
        bool sans = true;
        const TRecCercle a = CercleDeuxCerclesRayon(C1, C2, N1, e1, e2, position, sans);
        if (!sans) {
            ++trouves;
            ASSERT_EQ(a.Rc, N1);
            ExpectTouche(a, C1, e1, 1e-9);
            ExpectTouche(a, C2, e2, 1e-9);
        }
        const TRecCercle b = CercleLigneCercleRayon(L, C1, N1, cote, e1, position, sans);
        if (!sans) {
            ++trouves;
            EXPECT_NEAR(DistanceALigne(b.Xc, b.Yc, L), N1, 1e-9);
            ExpectTouche(b, C1, e1, 1e-9);
        }
        const TRecPoint P = Pt(u(alea), u(alea));
        const TRecCercle c = CerclePointCercleRayon(P, C1, N1, e1, position, sans);
        if (!sans) {
            ++trouves;
            EXPECT_NEAR(Dist(c.Xc, c.Yc, P.X, P.Y), N1, 1e-9);
            const bool dedans = Dist(P.X, P.Y, C1.Xc, C1.Yc) < C1.Rc;
            ExpectTouche(c, C1, dedans ? 'I' : e1, 1e-9);
        }
    }
    EXPECT_GT(trouves, 2000); // about a quarter of the 9000 attempts have a solution
}

} // namespace
} // namespace velk
