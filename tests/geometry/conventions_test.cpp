// Shared operations: constants, angle normalisation, direction, projection, line equation,
// the two choice rules and the finiteness check.
#include "geometry/conventions.h"
#include "geometry_checks.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace velk {
namespace {

using test::Ci;
using test::Li;
using test::Pt;
using test::Stocke;

TEST(Constantes, AreTheClosestExtendedValues) {
    EXPECT_EQ(Pi, 3.141592653589793238462643383279502884L);
    EXPECT_EQ(DemiPi, 1.570796326794896619231321691639751442L);
    EXPECT_EQ(TroisDemiPi, 4.712388980384689857693965074919254326L);
    EXPECT_EQ(DeuxPi, 6.283185307179586476925286766559005768L);
    // The degree factor is the language's 20-digit constant to the last bit: it lies one
    // unit in the last place above the extended value of π/180, and the angles of every
    // program depend on which of the two is used.
    EXPECT_EQ(DegreEnRadian, 0.01745329251994329577L);
    EXPECT_EQ(std::nextafter(Pi / 180, Reel(1)), DegreEnRadian);
    // Only 0 survives the trip through the tables' doubles.
    EXPECT_NE(Stocke(DemiPi), DemiPi);
    EXPECT_NE(Stocke(Pi), Pi);
}

TEST(NormeAngle, TakesOneStepEachWay) {
    const struct {
        Reel a, attendu;
    } cas[] = {
        {-DemiPi, DeuxPi - DemiPi},  {DeuxPi, 0}, {5 * Pi, 5 * Pi - DeuxPi},
        {-5 * Pi, -5 * Pi + DeuxPi}, {1, 1},      {0, 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(NormeAngle(c.a), c.attendu) << static_cast<double>(c.a);
    EXPECT_LT(NormeAngle(-5 * Pi), 0);
    EXPECT_GE(NormeAngle(5 * Pi), DeuxPi);
}

TEST(AngleVecteur, CoversEveryQuadrantAndTheVerticals) {
    const struct {
        Reel x, y, attendu;
    } cas[] = {
        {0, 0, DemiPi}, // same point
        {0, -1, TroisDemiPi}, {0, 1, DemiPi},      {-1, 0, Pi},          {1, 0, 0},
        {1, 1, Pi / 4},       {-1, 1, 3 * Pi / 4}, {-1, -1, 5 * Pi / 4}, {1, -1, 7 * Pi / 4},
    };
    for (const auto& c : cas)
        EXPECT_NEAR(AngleVecteur(Pt(0, 0), Pt(c.x, c.y)), c.attendu, 1e-18)
            << static_cast<double>(c.x) << "," << static_cast<double>(c.y);
    EXPECT_EQ(AngleVecteur(Pt(2, 5), Pt(2, 1)), TroisDemiPi);
}

TEST(Projection, ExactDirectionsSkipTrigonometry) {
    const TRecPoint P = Pt(0.1L, 7.3L);
    const TRecPoint h0 = Projection(P, Li(5, 2.7L, 0));
    EXPECT_EQ(h0.X, P.X);
    EXPECT_EQ(h0.Y, 2.7L);
    const TRecPoint hpi = Projection(P, Li(5, 2.7L, Pi));
    EXPECT_EQ(hpi.Y, 2.7L);
    const TRecPoint hv = Projection(P, Li(1.0L / 3, 2, DemiPi));
    EXPECT_EQ(hv.X, 1.0L / 3);
    EXPECT_EQ(hv.Y, P.Y);
    const TRecPoint hv3 = Projection(P, Li(1.0L / 3, 2, TroisDemiPi));
    EXPECT_EQ(hv3.X, 1.0L / 3);
}

TEST(Projection, FootIsOnTheLineAndPerpendicular) {
    const Reel angles[] = {0.3L, 1.2L, Stocke(DemiPi), 2.5L, 4.0L, 5.9L};
    for (Reel a : angles) {
        const TRecLigne L = Li(1.5L, -2, a);
        const TRecPoint P = Pt(-3, 4.25L);
        const TRecPoint H = Projection(P, L);
        EXPECT_NEAR(test::DistanceALigne(H.X, H.Y, L), 0, 1e-15) << static_cast<double>(a);
        // (P - H) is orthogonal to the direction.
        EXPECT_NEAR((P.X - H.X) * std::cos(a) + (P.Y - H.Y) * std::sin(a), 0, 1e-15);
    }
}

TEST(Projection, SquaresAreFormedBeforeTheProducts) {
    // Lines read back from their tables (direction narrowed to double) through (xp, 0).
    // Xpd·s² and (Xpd·s)·s differ in the last extended bits, often enough to change the
    // stored double. Expected: the exact foot (300-bit arithmetic on the same inputs)
    // rounded to double, which the squares-first grouping reproduces on these inputs and
    // the other grouping misses.
    const struct {
        Reel degres, xp, px, py;
        double x, y;
    } cas[] = {
        {15, 5, 3, 1, 3.3839745962155612, -0.43301270189221935},
        {17, -5, 2, 5, 2.7996137626195132, 2.3845812307600101},
        {24, -3, -3, 6, -0.77056552356781716, 0.9926081809234254},
        {11, 6, 5, -9, 3.350678402345002, -0.51497595115741268},
    };
    for (const auto& c : cas) {
        const TRecPoint H =
            Projection(Pt(c.px, c.py), Li(c.xp, 0, Stocke(c.degres * DegreEnRadian)));
        EXPECT_EQ(static_cast<double>(H.X), c.x) << static_cast<double>(c.degres);
        EXPECT_EQ(static_cast<double>(H.Y), c.y) << static_cast<double>(c.degres);
    }
}

TEST(EquationLigne, GivesSignedDistancePositiveOnTheRight) {
    // Direction +X: the right-hand side is below.
    const TEquationLigne e = EquationLigne(Li(0, 1, 0));
    EXPECT_EQ(e.a * 3 + e.b * -1 + e.c, 2);
    EXPECT_EQ(e.a * 3 + e.b * 4 + e.c, -3);
    // Any direction: unit normal, zero on the base point.
    const TEquationLigne f = EquationLigne(Li(2, -1, 2.2L));
    EXPECT_NEAR(f.a * f.a + f.b * f.b, 1, 1e-18);
    EXPECT_NEAR(f.a * 2 + f.b * -1 + f.c, 0, 1e-18);
}

TEST(InterDeuxLignes, ParallelOnlyWhenTheDeterminantIsExactlyZero) {
    TRecPoint I = Pt(99, 99);
    EXPECT_FALSE(InterDeuxLignes(Li(0, 0, 0.7L), Li(3, 1, 0.7L), I));
    EXPECT_EQ(I.X, 99); // left unchanged
    // Stored directions differing by π: tiny determinant, a far-away intersection.
    EXPECT_TRUE(InterDeuxLignes(Li(0, 0, Stocke(0.7L)), Li(3, 1, Stocke(0.7L + Pi)), I));
    EXPECT_GT(std::fabs(I.X) + std::fabs(I.Y), 1e10);
    EXPECT_TRUE(InterDeuxLignes(Li(0, 2, 0), Li(5, 0, DemiPi), I));
    EXPECT_NEAR(I.X, 5, 1e-17);
    EXPECT_NEAR(I.Y, 2, 1e-17);
}

TEST(Choix, TiesGoOppositeWaysInTheTwoRules) {
    const TRecPoint A = Pt(1, 5), Bp = Pt(1, 5); // full tie
    const TRecPoint haut = Pt(0, 9), bas = Pt(3, 1);
    const struct {
        char l;
        TRecPoint s1, s2;
        int inter, decal; // 1: S1 chosen, 2: S2 chosen
    } cas[] = {
        {'H', A, Bp, 1, 2},     {'B', A, Bp, 2, 1},     {'D', A, Bp, 1, 2},
        {'G', A, Bp, 2, 1},     {'H', bas, haut, 2, 2}, {'H', haut, bas, 1, 1},
        {'B', bas, haut, 1, 1}, {'D', haut, bas, 2, 2}, {'G', haut, bas, 1, 1},
        {'G', bas, haut, 2, 2},
    };
    for (const auto& c : cas) {
        TRecPoint s1 = c.s1, s2 = c.s2;
        s1.Numero = 1;
        s2.Numero = 2;
        EXPECT_EQ(ChoixIntersection(c.l, s1, s2).Numero, c.inter) << c.l;
        EXPECT_EQ(ChoixDecalage(c.l, s1, s2).Numero, c.decal) << c.l;
    }
}

TEST(EstFini, RejectsWhatTheTablesCouldNotHold) {
    const Reel nan = std::numeric_limits<Reel>::quiet_NaN();
    const Reel inf = std::numeric_limits<Reel>::infinity();
    const Reel trop = 1E400L; // finite in extended precision, infinite as a double
    EXPECT_TRUE(EstFini(Pt(1E300L, -1E-300L)));
    EXPECT_TRUE(EstFini(Pt(DBL_MAX, -DBL_MAX)));
    for (Reel v : {nan, inf, -inf, trop, -trop}) {
        EXPECT_FALSE(EstFini(Pt(v, 0)));
        EXPECT_FALSE(EstFini(Pt(0, v)));
        TRecLigne l = Li(0, 0, 0);
        l.Yfd = v;
        EXPECT_FALSE(EstFini(l));
        EXPECT_FALSE(EstFini(Li(0, 0, v)));
        TRecCercle c = Ci(0, 0, 1);
        c.Afc = v;
        EXPECT_FALSE(EstFini(c));
        EXPECT_FALSE(EstFini(Ci(0, 0, v)));
    }
    EXPECT_TRUE(EstFini(Ci(0, 0, -5))); // negative radii are allowed
}

} // namespace
} // namespace velk
