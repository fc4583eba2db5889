// Circle constructions: radii chosen by letter, the circle through three points, images by
// rotation and symmetry, and the degenerate inputs that must not yield a circle.
#include "geometry/conventions.h"
#include "geometry/solvers.h"
#include "geometry_checks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velk {
namespace {

using test::Ci;
using test::Dist;
using test::Li;
using test::Pt;
using test::Tol;

void ExpectCercle(const TRecCercle& c, Reel x, Reel y, Reel r, double tol = 1e-15) {
    EXPECT_NEAR(static_cast<double>(c.Xc), static_cast<double>(x), tol);
    EXPECT_NEAR(static_cast<double>(c.Yc), static_cast<double>(y), tol);
    EXPECT_NEAR(static_cast<double>(c.Rc), static_cast<double>(r), tol);
    EXPECT_EQ(c.Xdc, 0);
    EXPECT_EQ(c.Adc, 0);
    EXPECT_EQ(c.Afc, 0);
}

TEST(CercleDirect, FormulasKeepAnyRadius) {
    bool sans = true;
    ExpectCercle(CercleCoordonnees(1, 2, -3, sans), 1, 2, -3);
    ExpectCercle(CerclePointPoint(Pt(1, 1), Pt(4, 5), sans), 1, 1, 5);
    ExpectCercle(CerclePolaire(Ci(1, 1, 2), 2, 90, sans), 1, 3, 2);
    ExpectCercle(CercleConcentriqueDecale(Ci(1, 1, 2), 2, 'I', sans), 1, 1, 0);
    ExpectCercle(CercleConcentriqueDecale(Ci(1, 1, 2), 3, 'I', sans), 1, 1, -1);
    ExpectCercle(CercleRotation(Ci(1, 0, 2), Pt(0, 0), 90, sans), 0, 1, 2);
    EXPECT_FALSE(sans);
    const TRecCercle m = CercleSymetriqueLigne(Ci(0, 5, 2), Li(0, 0, 0), sans);
    EXPECT_EQ(m.Yc, -5); // horizontal mirror: exact
    EXPECT_EQ(m.Rc, 2);
}

TEST(CercleCentreTangent, RadiusByLetterOrNoSolution) {
    const struct {
        TRecPoint P;
        TRecCercle C;
        char lettre;
        Reel r;
    } cas[] = {
        {Pt(0, 0), Ci(10, 0, 4), 'I', 6}, {Pt(0, 0), Ci(10, 0, 4), 'G', 14},
        {Pt(1, 0), Ci(0, 0, 5), 'I', 4},  {Pt(1, 0), Ci(0, 0, 5), 'G', 6},
        {Pt(0, 0), Ci(0, 0, 5), 'I', 5},  {Pt(0, 0), Ci(0, 0, 5), 'G', 5},
        {Pt(0, 0), Ci(3, 4, -2), 'I', 3}, // negative radius: d > R, r1 = 7, r2 = 3
    };
    for (const auto& c : cas) {
        bool sans = true;
        const TRecCercle t = CercleCentreTangentCercle(c.P, c.C, c.lettre, sans);
        EXPECT_FALSE(sans);
        ExpectCercle(t, c.P.X, c.P.Y, c.r);
    }
    bool sans = false;
    CercleCentreTangentCercle(Pt(3, 4), Ci(0, 0, 5), 'I', sans);
    EXPECT_TRUE(sans);

    // Tangent to a line: the radius is the distance, none when the centre is on it.
    sans = true;
    const TRecLigne L = Li(1, 2, 0.8L);
    const TRecCercle t = CercleCentreTangentLigne(Pt(-3, 5), L, sans);
    EXPECT_FALSE(sans);
    EXPECT_NEAR(t.Rc, test::DistanceALigne(-3, 5, L), Tol);
    sans = false;
    CercleCentreTangentLigne(Pt(7, 2), Li(0, 2, 0), sans);
    EXPECT_TRUE(sans);
    sans = false;
    CerclePointPoint(Pt(1, 1), Pt(1, 1), sans);
    EXPECT_TRUE(sans);
}

TEST(CercleTroisPoints, PassesThroughAllThreeOrHasNoSolution) {
    bool sans = true;
    ExpectCercle(CercleTroisPoints(Pt(1, 0), Pt(0, 1), Pt(-1, 0), sans), 0, 0, 1);
    ExpectCercle(CercleTroisPoints(Pt(2, 0), Pt(0, 2), Pt(0, 0), sans), 1, 1, std::sqrt(2.0L));
    const TRecPoint A = Pt(3.5L, -1), B = Pt(-2, 4.25L), C = Pt(7, 6);
    const TRecCercle c = CercleTroisPoints(A, B, C, sans);
    EXPECT_FALSE(sans);
    for (const TRecPoint& p : {A, B, C})
        EXPECT_NEAR(Dist(p.X, p.Y, c.Xc, c.Yc), c.Rc, Tol);

    // Collinear or repeated points: no circle, nothing non-finite to store.
    const struct {
        TRecPoint a, b, c;
    } degeneres[] = {
        {Pt(0, 0), Pt(1, 1), Pt(2, 2)},
        {Pt(0, 0), Pt(0, 0), Pt(2, 5)},
        {Pt(1, 1), Pt(1, 1), Pt(1, 1)},
        {Pt(-3, 0), Pt(0, 0), Pt(5, 0)},
    };
    for (const auto& d : degeneres) {
        sans = false;
        CercleTroisPoints(d.a, d.b, d.c, sans);
        EXPECT_TRUE(sans);
    }
}

TEST(CercleImages, RotationAndMirrorKeepTheRadius) {
    bool sans = true;
    const TRecCercle C = Ci(2, -1, 1.5L);
    const TRecCercle r = CercleRotation(C, Pt(-1, 1), 123, sans);
    EXPECT_NEAR(Dist(r.Xc, r.Yc, -1, 1), Dist(C.Xc, C.Yc, -1, 1), Tol);
    EXPECT_EQ(r.Rc, C.Rc);
    const TRecLigne L = Li(0, 1, 2.3L);
    const TRecCercle m = CercleSymetriqueLigne(C, L, sans);
    EXPECT_FALSE(sans);
    EXPECT_NEAR(test::DistanceALigne((m.Xc + C.Xc) / 2, (m.Yc + C.Yc) / 2, L), 0, Tol);
    EXPECT_EQ(m.Rc, C.Rc);
}

} // namespace
} // namespace velk
