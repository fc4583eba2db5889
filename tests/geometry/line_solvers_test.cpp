// Line constructions, checked by tangency (distance of a centre from the line equals the
// radius), membership of points, directions, and the letter and scan-order rules.
#include "geometry/conventions.h"
#include "geometry/solvers.h"
#include "geometry_checks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velk {
namespace {

using test::Ci;
using test::DistanceALigne;
using test::Li;
using test::Pt;
using test::Stocke;
using test::Tol;

// Same point set and same direction up to a multiple of 2π.
void ExpectDirection(Reel a, Reel attendu) {
    const Reel diff = std::remainder(a - attendu, DeuxPi);
    EXPECT_NEAR(static_cast<double>(diff), 0, 1e-15)
        << static_cast<double>(a) << " vs " << static_cast<double>(attendu);
}

TEST(LigneDirect, AnglesAreNormalisedOnceOrCopied) {
    bool sans = true;
    EXPECT_NEAR(LigneCoordonnees(1, 2, 450, sans).Aod, DemiPi, 1e-18);
    EXPECT_NEAR(LigneCoordonnees(1, 2, -450, sans).Aod, -DemiPi, 1e-18); // one step only
    EXPECT_NEAR(LignePointAngle(Pt(0, 0), -90, sans).Aod, TroisDemiPi, 1e-18);
    EXPECT_EQ(LigneDeuxPoints(Pt(0, 0), Pt(0, -5), sans).Aod, TroisDemiPi);
    EXPECT_EQ(LigneDeuxPoints(Pt(0, 0), Pt(-5, 0), sans).Aod, Pi);
    EXPECT_EQ(LigneDeuxPoints(Pt(0, 0), Pt(0, 5), sans).Aod, DemiPi);
    EXPECT_NEAR(LigneDeuxPoints(Pt(1, 1), Pt(0, 0), sans).Aod, 5 * Pi / 4, 1e-18);
    // A copied direction keeps even a value outside [0, 2π).
    EXPECT_EQ(LigneParallelePoint(Pt(3, 3), Li(0, 0, 9), sans).Aod, 9);
    EXPECT_EQ(LigneSymetriquePoint(Li(0, 0, -1), Pt(1, 1), sans).Aod, -1);
    EXPECT_EQ(LignePerpendiculairePoint(Pt(3, 3), Li(0, 0, TroisDemiPi), sans).Aod,
              NormeAngle(TroisDemiPi + DemiPi));
    EXPECT_FALSE(sans);

    const TRecLigne x4 = LigneAxe(4, 'X', sans);
    EXPECT_EQ(x4.Xpd, 4);
    EXPECT_EQ(x4.Ypd, 0);
    EXPECT_EQ(x4.Aod, DemiPi);
    const TRecLigne y4 = LigneAxe(4, 'Y', sans);
    EXPECT_EQ(y4.Xpd, 0);
    EXPECT_EQ(y4.Ypd, 4);
    EXPECT_EQ(y4.Aod, 0);
}

TEST(LigneDeuxPoints, EqualPointsHaveNoSolution) {
    bool sans = false;
    LigneDeuxPoints(Pt(2, 3), Pt(2, 3), sans);
    EXPECT_TRUE(sans);
}

TEST(LigneSymetriquePoint, IsTheMirrorThroughThePoint) {
    bool sans = true;
    const TRecLigne L = Li(1, 0, 0.6L);
    const TRecPoint P = Pt(3, 4);
    const TRecLigne M = LigneSymetriquePoint(L, P, sans);
    // The image of L's base point lies on the result, as far from P on the other side.
    EXPECT_NEAR(DistanceALigne(2 * P.X - L.Xpd, 2 * P.Y - L.Ypd, M), 0, Tol);
    EXPECT_NEAR(DistanceALigne(P.X, P.Y, M), DistanceALigne(P.X, P.Y, L), Tol);
}

TEST(LigneParalleleDistance, BasePointsAndChoiceTies) {
    const TRecLigne L = Li(0, 0, 0);
    const struct {
        Reel d;
        char lettre;
        Reel x, y;
    } cas[] = {
        {3, 'H', 0, 3},
        {3, 'B', 0, -3},
        {3, 'D', 0, -3}, // equal abscissae: D keeps S2, the right-hand side
        {3, 'G', 0, 3},
        {-3, 'H', 0, 3}, // a negative distance swaps the sides, the letter still decides
        {-3, 'B', 0, -3},
    };
    for (const auto& c : cas) {
        bool sans = true;
        const TRecLigne p = LigneParalleleDistance(L, c.d, c.lettre, sans);
        EXPECT_FALSE(sans);
        EXPECT_NEAR(p.Xpd, c.x, 1e-18) << c.lettre;
        EXPECT_NEAR(p.Ypd, c.y, 1e-18) << c.lettre;
        EXPECT_EQ(p.Aod, 0);
    }
    bool sans = true;
    const TRecLigne oblique = Li(1, 1, 2.0L);
    const TRecLigne p = LigneParalleleDistance(oblique, 2.5L, 'D', sans);
    EXPECT_NEAR(DistanceALigne(p.Xpd, p.Ypd, oblique), 2.5L, Tol);
    EXPECT_GT(p.Xpd, oblique.Xpd);
}

TEST(LignesTangentes, TouchTheCircleOnTheChosenSide) {
    const TRecCercle C = Ci(2, -1, 3);
    const Reel oblique = 0.7L;
    for (char l : {'H', 'B', 'D', 'G'}) {
        bool sans = true;
        const TRecLigne par = LigneParalleleTangente(Li(0, 0, oblique), C, l, sans);
        const TRecLigne per = LignePerpendiculaireTangente(Li(0, 0, oblique), C, l, sans);
        const TRecLigne ang = LigneTangenteAngle(C, 40, l, sans);
        EXPECT_FALSE(sans);
        for (const TRecLigne& t : {par, per, ang}) {
            EXPECT_NEAR(DistanceALigne(C.Xc, C.Yc, t), C.Rc, Tol) << l;
            // The base point is the point of contact.
            EXPECT_NEAR(std::hypot(t.Xpd - C.Xc, t.Ypd - C.Yc), C.Rc, Tol) << l;
            const bool cote_juste = l == 'H'   ? t.Ypd > C.Yc
                                    : l == 'B' ? t.Ypd < C.Yc
                                    : l == 'D' ? t.Xpd > C.Xc
                                               : t.Xpd < C.Xc;
            EXPECT_TRUE(cote_juste) << l;
        }
        EXPECT_EQ(par.Aod, oblique);
        EXPECT_EQ(per.Aod, NormeAngle(oblique + DemiPi));
        EXPECT_EQ(ang.Aod, 40 * DegreEnRadian);
    }
}

TEST(LigneTangentePoint, DirectionsByLetterAndFailures) {
    const TRecCercle C = Ci(0, 0, 5);
    bool sans = true;
    EXPECT_NEAR(LigneTangentePoint(Pt(-10, 0), C, 'H', sans).Aod, Pi / 6, 1e-18);
    EXPECT_NEAR(LigneTangentePoint(Pt(-10, 0), C, 'B', sans).Aod, 11 * Pi / 6, 1e-17);
    // Seen from above, D passes to the right of the circle.
    const TRecLigne d = LigneTangentePoint(Pt(0, 10), C, 'D', sans);
    EXPECT_NEAR(DistanceALigne(0, 0, d), 5, Tol);
    const TRecPoint contact = Projection(Pt(0, 0), d);
    EXPECT_GT(contact.X, 0);
    // A point on the circle gives the tangent there.
    const TRecLigne sur = LigneTangentePoint(Pt(5, 0), C, 'H', sans);
    EXPECT_FALSE(sans);
    ExpectDirection(std::fmod(sur.Aod, Pi), DemiPi);

    for (const TRecPoint& P : {Pt(0, 0), Pt(1, 2), Pt(4.99L, 0)}) {
        sans = false;
        LigneTangentePoint(P, C, 'H', sans);
        EXPECT_TRUE(sans);
    }
}

TEST(LigneTangenteCercles, SegmentBetweenContactsFromLeftToRight) {
    const TRecCercle A = Ci(0, 0, 2), B = Ci(10, 0, 2);
    bool sans = true;
    const TRecLigne hh = LigneTangenteCercles(A, B, 'H', 'H', sans);
    EXPECT_FALSE(sans);
    EXPECT_NEAR(hh.Xdd, 0, 1e-18);
    EXPECT_NEAR(hh.Ydd, 2, 1e-18);
    EXPECT_NEAR(hh.Xfd, 10, 1e-17);
    EXPECT_NEAR(hh.Yfd, 2, 1e-18);
    EXPECT_EQ(hh.Xpd, hh.Xdd);
    EXPECT_EQ(hh.Ypd, hh.Ydd);

    // Given in the other order, with the letters following their circles.
    const TRecLigne renverse = LigneTangenteCercles(B, A, 'H', 'H', sans);
    EXPECT_EQ(renverse.Xdd, hh.Xdd);
    EXPECT_EQ(renverse.Yfd, hh.Yfd);
    const TRecLigne hb = LigneTangenteCercles(A, B, 'H', 'B', sans);
    const TRecLigne bh = LigneTangenteCercles(B, A, 'B', 'H', sans);
    EXPECT_EQ(hb.Xdd, bh.Xdd);
    EXPECT_EQ(hb.Ydd, bh.Ydd);
    EXPECT_GE(hb.Ydd, 0);
    EXPECT_LT(hb.Yfd, 0);

    // Every pair of letters that holds gives a true common tangent through its contacts.
    const TRecCercle P = Ci(-1, 2, 1.5L), Q = Ci(6, -1, 3);
    int trouvees = 0;
    for (char l1 : {'H', 'B', 'D', 'G'}) {
        for (char l2 : {'H', 'B', 'D', 'G'}) {
            const TRecLigne t = LigneTangenteCercles(P, Q, l1, l2, sans);
            if (sans) continue;
            ++trouvees;
            EXPECT_NEAR(DistanceALigne(P.Xc, P.Yc, t), P.Rc, Tol);
            EXPECT_NEAR(DistanceALigne(Q.Xc, Q.Yc, t), Q.Rc, Tol);
            EXPECT_NEAR(std::hypot(t.Xdd - P.Xc, t.Ydd - P.Yc), P.Rc, Tol);
            EXPECT_NEAR(std::hypot(t.Xfd - Q.Xc, t.Yfd - Q.Yc), Q.Rc, Tol);
        }
    }
    EXPECT_GE(trouvees, 8);
}

TEST(LigneTangenteCercles, LaterCandidateWinsAndNestedCirclesFail) {
    // D on the left circle and G on the right one hold for both crossing tangents: the
    // fourth candidate (direction b + arcsin q) is kept.
    bool sans = true;
    const TRecLigne t = LigneTangenteCercles(Ci(0, 0, 2), Ci(10, 0, 2), 'D', 'G', sans);
    EXPECT_FALSE(sans);
    EXPECT_NEAR(t.Aod, std::asin(0.4L), 1e-18);
    EXPECT_LT(t.Ydd, 0);

    const struct {
        TRecCercle a, b;
    } cas[] = {
        {Ci(0, 0, 2), Ci(0, 0, 5)},  // concentric
        {Ci(0, 0, 10), Ci(1, 0, 2)}, // second inside the first
        {Ci(1, 0, 2), Ci(0, 0, 10)}, // first inside the second: no candidate
    };
    for (const auto& c : cas) {
        sans = false;
        LigneTangenteCercles(c.a, c.b, 'H', 'H', sans);
        EXPECT_TRUE(sans);
    }
}

TEST(LigneSymetriqueLigne, ParallelAndCrossingMirrors) {
    bool sans = true;
    // Parallel: y = 0 mirrored in y = 2 is y = 4 with L1's direction, also when L1 runs
    // the opposite way (A1 = A2 + π exactly).
    for (Reel a1 : {0.0L, Pi}) {
        const TRecLigne m = LigneSymetriqueLigne(Li(0, 0, a1), Li(7, 2, 0), sans);
        EXPECT_FALSE(sans);
        EXPECT_NEAR(DistanceALigne(0, 4, m), 0, Tol);
        EXPECT_EQ(m.Aod, a1);
    }
    // Crossing: the direction 2·A2 - A1 is kept outside [0, 2π).
    const TRecLigne L1 = Li(1, 0, 0.1L), L2 = Li(0, 0, 5);
    const TRecLigne m = LigneSymetriqueLigne(L1, L2, sans);
    EXPECT_FALSE(sans);
    EXPECT_EQ(m.Aod, 2 * 5 - 0.1L);
    // A point of L1 mirrored in L2 lies on the result.
    const TRecPoint image = PointSymetriqueLigne(
        Pt(L1.Xpd + 3 * std::cos(L1.Aod), L1.Ypd + 3 * std::sin(L1.Aod)), L2, sans);
    EXPECT_NEAR(DistanceALigne(image.X, image.Y, m), 0, Tol);
}

TEST(LigneRotation, TurnsTheLineAboutThePoint) {
    bool sans = true;
    const TRecLigne L = Li(2, 1, 0.3L);
    const TRecLigne autour_base = LigneRotation(L, Pt(2, 1), 50, sans);
    EXPECT_EQ(autour_base.Xpd, 2);
    EXPECT_EQ(autour_base.Aod, NormeAngle(0.3L + 50 * DegreEnRadian));

    const TRecPoint P = Pt(-1, 4);
    const TRecLigne r = LigneRotation(L, P, 75, sans);
    EXPECT_FALSE(sans);
    // The base point of L turned about P lies on the result; the distance to P is kept.
    const TRecPoint b = PointRotation(Pt(L.Xpd, L.Ypd), P, 75, sans);
    EXPECT_NEAR(DistanceALigne(b.X, b.Y, r), 0, Tol);
    EXPECT_NEAR(DistanceALigne(P.X, P.Y, r), DistanceALigne(P.X, P.Y, L), Tol);

    // P on L away from its base point: the turned line still passes through P.
    sans = true;
    const TRecLigne sur = LigneRotation(Li(0, 0, 0), Pt(5, 0), 30, sans);
    EXPECT_FALSE(sans);
    EXPECT_EQ(sur.Xpd, 5);
    EXPECT_EQ(sur.Ypd, 0);
    EXPECT_EQ(sur.Aod, 30 * DegreEnRadian);
}

TEST(LigneBissectrice, DependsOnArgumentOrder) {
    bool sans = true;
    const TRecLigne a = LigneBissectrice(Li(0, 0, 0), Li(0, 0, DemiPi), sans);
    EXPECT_NEAR(a.Aod, Pi / 4, 1e-18);
    const TRecLigne b = LigneBissectrice(Li(0, 0, DemiPi), Li(0, 0, 0), sans);
    EXPECT_NEAR(b.Aod, 3 * Pi / 4, 1e-18);
    // Through the intersection, equally inclined to both lines.
    const TRecLigne L1 = Li(1, 1, 0.2L), L2 = Li(4, 0, 1.4L);
    const TRecLigne m = LigneBissectrice(L1, L2, sans);
    EXPECT_FALSE(sans);
    const TRecPoint I = PointInterLignes(L1, L2, sans);
    EXPECT_NEAR(m.Xpd, I.X, 1e-15);
    EXPECT_NEAR(std::fabs(std::sin(m.Aod - L1.Aod)), std::fabs(std::sin(L2.Aod - m.Aod)), Tol);

    sans = false;
    LigneBissectrice(Li(0, 0, 1), Li(3, 3, 1), sans);
    EXPECT_TRUE(sans);
}

} // namespace
} // namespace velk
