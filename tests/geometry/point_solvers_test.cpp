// Point constructions, checked against independent facts: rotations against complex
// multiplication, intersections against membership of both elements, and the tie and
// exact-direction rules of the letters.
#include "geometry/conventions.h"
#include "geometry/solvers.h"
#include "geometry_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>

namespace velk {
namespace {

using test::Ci;
using test::Dist;
using test::Li;
using test::Pt;
using test::Stocke;
using test::Tol;

#define EXPECT_POINT(p, x, y, tol)                                                                 \
    do {                                                                                           \
        EXPECT_NEAR(static_cast<double>((p).X), static_cast<double>(x), tol);                      \
        EXPECT_NEAR(static_cast<double>((p).Y), static_cast<double>(y), tol);                      \
    } while (0)

TEST(PointDirect, AnglesAreInDegrees) {
    bool sans = true;
    EXPECT_POINT(PointPolaire(10, 90, sans), 0, 10, 1e-15);
    EXPECT_FALSE(sans);
    EXPECT_POINT(PointPolaire(10, -90, sans), 0, -10, 1e-15);
    EXPECT_POINT(PointPolaireRelatif(Pt(1, 1), 2, 180, sans), -1, 1, 1e-15);
    EXPECT_FALSE(sans);
}

TEST(PointRotation, TakesEachBranchAndAgreesWithComplexRotation) {
    bool sans = true;
    // Same ordinate, same abscissa, general case.
    EXPECT_POINT(PointRotation(Pt(1, 0), Pt(0, 0), 90, sans), 0, 1, 1e-18);
    EXPECT_POINT(PointRotation(Pt(0, 1), Pt(0, 0), 90, sans), -1, 0, 1e-18);
    EXPECT_POINT(PointRotation(Pt(1, 1), Pt(0, 0), 180, sans), -1, -1, 1e-17);
    EXPECT_POINT(PointRotation(Pt(2, 3), Pt(2, 3), 37, sans), 2, 3, 0); // centre stays
    EXPECT_FALSE(sans);

    std::mt19937 alea(7);
    std::uniform_real_distribution<double> u(-50, 50);
    for (int i = 0; i < 500; ++i) {
        const TRecPoint P1 = Pt(u(alea), u(alea)), P2 = Pt(u(alea), u(alea));
        const Reel deg = u(alea) * 10;
        const std::complex<Reel> z =
            std::complex<Reel>(P2.X, P2.Y) +
            (std::complex<Reel>(P1.X, P1.Y) - std::complex<Reel>(P2.X, P2.Y)) *
                std::polar<Reel>(1, deg * DegreEnRadian);
        const TRecPoint R = PointRotation(P1, P2, deg, sans);
        EXPECT_POINT(R, z.real(), z.imag(), 1e-12);
    }
}

TEST(PointSymetriqueLigne, MirrorsAcrossAnyLine) {
    bool sans = true;
    // Horizontal line: no trigonometry, exact.
    const TRecPoint m = PointSymetriqueLigne(Pt(0, 5), Li(0, 0, 0), sans);
    EXPECT_EQ(m.X, 0);
    EXPECT_EQ(m.Y, -5);
    for (Reel a : {0.4L, Stocke(DemiPi), 2.0L, 3.7L}) {
        const TRecLigne L = Li(1, 2, a);
        const TRecPoint P = Pt(-4, 3);
        const TRecPoint S = PointSymetriqueLigne(P, L, sans);
        // The midpoint is on L, and P and S are at the same distance from it.
        EXPECT_NEAR(test::DistanceALigne((P.X + S.X) / 2, (P.Y + S.Y) / 2, L), 0, Tol);
        EXPECT_NEAR(test::DistanceALigne(S.X, S.Y, L), test::DistanceALigne(P.X, P.Y, L), Tol);
    }
}

TEST(PointInterLignes, LiesOnBothOrHasNoSolution) {
    bool sans = false;
    PointInterLignes(Li(0, 0, 0.5L), Li(4, 4, 0.5L), sans);
    EXPECT_TRUE(sans); // same direction
    sans = false;
    PointInterLignes(Li(1, 1, 2), Li(1, 1, 2), sans);
    EXPECT_TRUE(sans); // a line with itself

    const TRecLigne L1 = Li(1, 2, 0.3L), L2 = Li(-5, 0, 2.1L);
    const TRecPoint I = PointInterLignes(L1, L2, sans);
    EXPECT_FALSE(sans);
    EXPECT_NEAR(test::DistanceALigne(I.X, I.Y, L1), 0, Tol);
    EXPECT_NEAR(test::DistanceALigne(I.X, I.Y, L2), 0, Tol);
}

TEST(PointInterLigneCercle, HorizontalVerticalAndGeneralBranches) {
    const TRecCercle C = Ci(0, 0, 5);
    const struct {
        TRecLigne L;
        char lettre;
        Reel x, y;
    } cas[] = {
        // Horizontal y = 0: S1 is the right point; ties on Y send H to S1 and B to S2.
        {Li(0, 0, 0), 'D', 5, 0},
        {Li(0, 0, 0), 'H', 5, 0},
        {Li(0, 0, 0), 'G', -5, 0},
        {Li(0, 0, 0), 'B', -5, 0},
        // Vertical x = 3 built in memory (exact π/2): S1 is the upper point.
        {Li(3, 0, DemiPi), 'D', 3, 4},
        {Li(3, 0, DemiPi), 'G', 3, -4},
        {Li(3, 0, DemiPi), 'H', 3, 4},
        {Li(3, 0, DemiPi), 'B', 3, -4},
        // The same line read back from its table: general branch.
        {Li(3, 0, Stocke(DemiPi)), 'H', 3, 4},
        {Li(3, 0, Stocke(DemiPi)), 'B', 3, -4},
        // A tangent gives its contact point whatever the letter.
        {Li(0, 5, 0), 'B', 0, 5},
        {Li(-5, 0, DemiPi), 'H', -5, 0},
    };
    for (const auto& c : cas) {
        bool sans = true;
        const TRecPoint p = PointInterLigneCercle(c.L, C, c.lettre, sans);
        EXPECT_FALSE(sans);
        EXPECT_POINT(p, c.x, c.y, 1e-15);
    }
}

TEST(PointInterLigneCercle, BothPointsLieOnLineAndCircle) {
    const TRecCercle C = Ci(1, -2, 3);
    for (Reel deg : {10.0L, 30.0L, 77.0L, 135.0L, 210.0L, 300.0L}) {
        const TRecLigne L = Li(0.5L, -1, deg * DegreEnRadian);
        bool sans = true;
        const TRecPoint h = PointInterLigneCercle(L, C, 'H', sans);
        const TRecPoint b = PointInterLigneCercle(L, C, 'B', sans);
        ASSERT_FALSE(sans);
        for (const TRecPoint& p : {h, b}) {
            EXPECT_NEAR(test::DistanceALigne(p.X, p.Y, L), 0, Tol);
            EXPECT_NEAR(Dist(p.X, p.Y, C.Xc, C.Yc), C.Rc, Tol);
        }
        EXPECT_GT(h.Y, b.Y);
    }
    // The opposite direction names the same pair of points.
    bool sans = true;
    const TRecPoint a = PointInterLigneCercle(Li(0, 0, 30 * DegreEnRadian), C, 'H', sans);
    const TRecPoint b = PointInterLigneCercle(Li(0, 0, 210 * DegreEnRadian), C, 'H', sans);
    EXPECT_POINT(a, b.X, b.Y, 1e-15);
}

TEST(PointInterLigneCercle, MissingLineHasNoSolution) {
    bool sans = false;
    PointInterLigneCercle(Li(0, 5.01L, 0), Ci(0, 0, 5), 'H', sans);
    EXPECT_TRUE(sans);
    sans = false;
    PointInterLigneCercle(Li(-5.01L, 0, DemiPi), Ci(0, 0, 5), 'H', sans);
    EXPECT_TRUE(sans);
    sans = false;
    PointInterLigneCercle(Li(0, 8, 0.1L), Ci(0, 0, 5), 'H', sans);
    EXPECT_TRUE(sans);
}

TEST(PointInterCercles, ChoosesByLetterAndFailsWhenApart) {
    bool sans = true;
    EXPECT_POINT(PointInterCercles(Ci(0, 0, 5), Ci(8, 0, 5), 'H', sans), 4, 3, 1e-15);
    EXPECT_POINT(PointInterCercles(Ci(0, 0, 5), Ci(8, 0, 5), 'B', sans), 4, -3, 1e-15);
    EXPECT_POINT(PointInterCercles(Ci(0, 0, 5), Ci(0, 8, 5), 'D', sans), 3, 4, 1e-15);
    EXPECT_POINT(PointInterCercles(Ci(0, 0, 5), Ci(0, 8, 5), 'G', sans), -3, 4, 1e-15);
    EXPECT_POINT(PointInterCercles(Ci(0, 0, 2), Ci(5, 0, 3), 'H', sans), 2, 0, 1e-9); // touch
    EXPECT_FALSE(sans);

    const TRecCercle A = Ci(1.5L, -0.5L, 4), B = Ci(-2, 2.5L, 3.25L);
    for (char l : {'H', 'B', 'D', 'G'}) {
        const TRecPoint p = PointInterCercles(A, B, l, sans);
        ASSERT_FALSE(sans);
        EXPECT_NEAR(Dist(p.X, p.Y, A.Xc, A.Yc), A.Rc, Tol);
        EXPECT_NEAR(Dist(p.X, p.Y, B.Xc, B.Yc), B.Rc, Tol);
    }

    const struct {
        TRecCercle a, b;
    } sans_solution[] = {
        {Ci(0, 0, 5), Ci(0, 0, 3)},  // concentric
        {Ci(0, 0, 5), Ci(0, 0, 5)},  // equal
        {Ci(0, 0, 1), Ci(5, 0, 1)},  // apart
        {Ci(0, 0, 10), Ci(1, 0, 2)}, // one inside the other: not finite, no solution
    };
    for (const auto& c : sans_solution) {
        sans = false;
        PointInterCercles(c.a, c.b, 'H', sans);
        EXPECT_TRUE(sans);
    }
}

TEST(PointSolvers, ResultsBeyondTheTablesRangeAreRefused) {
    bool sans = false;
    PointCoordonnees(1E400L, 0, sans);
    EXPECT_TRUE(sans);
    sans = false;
    PointDecale(Pt(1E308L, 0), 1E308L, 0, sans);
    EXPECT_TRUE(sans);
    // Nearly parallel lines from the tables meet very far away, but finitely.
    sans = true;
    PointInterLignes(Li(0, 0, Stocke(0.7L)), Li(0, 1, Stocke(0.7L + Pi)), sans);
    EXPECT_FALSE(sans);
}

} // namespace
} // namespace velk
