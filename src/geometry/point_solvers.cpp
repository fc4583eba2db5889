// Point constructions: direct formulas, rotation, symmetries and the intersections of
// lines and circles (the latter also serve the tangent-circle constructions).
#include "geometry/conventions.h"
#include "geometry/solver_support.h"
#include "geometry/solvers.h"

#include <cmath>

namespace velk {

using detail::point;
using detail::resultat;

TRecPoint PointCoordonnees(Reel N1, Reel N2, bool& SansSolution) {
    SansSolution = false;
    return resultat(point(N1, N2), SansSolution);
}

TRecPoint PointPolaire(Reel N1, Reel N2, bool& SansSolution) {
    SansSolution = false;
    const Reel a = DegresEnRadians(N2);
    return resultat(point(N1 * std::cos(a), N1 * std::sin(a)), SansSolution);
}

TRecPoint PointDecale(const TRecPoint& P, Reel N1, Reel N2, bool& SansSolution) {
    SansSolution = false;
    return resultat(point(P.X + N1, P.Y + N2), SansSolution);
}

TRecPoint PointPolaireRelatif(const TRecPoint& P, Reel N1, Reel N2, bool& SansSolution) {
    SansSolution = false;
    const Reel a = DegresEnRadians(N2);
    return resultat(point(P.X + N1 * std::cos(a), P.Y + N1 * std::sin(a)), SansSolution);
}

TRecPoint PointCentre(const TRecCercle& C, bool& SansSolution) {
    SansSolution = false;
    return resultat(point(C.Xc, C.Yc), SansSolution);
}

TRecPoint PointRotation(const TRecPoint& P1, const TRecPoint& P2, Reel N1, bool& SansSolution) {
    SansSolution = false;
    const Reel a = DegresEnRadians(N1);
    // 1. Same abscissa (also when the points coincide): turn the vertical offset.
    if (P1.X == P2.X) {
        const Reel d = P1.Y - P2.Y;
        return resultat(point(P2.X - d * std::sin(a), P2.Y + d * std::cos(a)), SansSolution);
    }
    // 2. Same ordinate: turn the horizontal offset.
    if (P1.Y == P2.Y) {
        const Reel d = P1.X - P2.X;
        return resultat(point(P2.X + d * std::cos(a), P2.Y + d * std::sin(a)), SansSolution);
    }
    // 3. General case: polar form of P1 about P2.
    const Reel r = Distance(P1, P2);
    const Reel dx = P1.X - P2.X;
    const Reel dy = P1.Y - P2.Y;
    Reel b = std::acos(dx / r);
    if (dy < 0) b = DeuxPi - b;
    return resultat(point(P2.X + r * std::cos(a + b), P2.Y + r * std::sin(a + b)), SansSolution);
}

TRecPoint PointSymetriquePoint(const TRecPoint& P1, const TRecPoint& P2, bool& SansSolution) {
    SansSolution = false;
    return resultat(point(2 * P2.X - P1.X, 2 * P2.Y - P1.Y), SansSolution);
}

TRecPoint PointSymetriqueLigne(const TRecPoint& P, const TRecLigne& L, bool& SansSolution) {
    SansSolution = false;
    const TRecPoint H = Projection(P, L);
    return resultat(point(2 * H.X - P.X, 2 * H.Y - P.Y), SansSolution);
}

TRecPoint PointInterLignes(const TRecLigne& L1, const TRecLigne& L2, bool& SansSolution) {
    SansSolution = false;
    TRecPoint I;
    if (!InterDeuxLignes(L1, L2, I)) SansSolution = true;
    return resultat(I, SansSolution);
}

TRecPoint PointInterLigneCercle(const TRecLigne& L, const TRecCercle& C, char Lettre,
                                bool& SansSolution) {
    SansSolution = false;
    const Reel R = C.Rc;
    TRecPoint S1;
    TRecPoint S2;
    if (L.Aod == 0 || L.Aod == Pi) {
        // 1. Horizontal line: S1 is the right-hand point.
        if (L.Ypd > C.Yc + R || L.Ypd < C.Yc - R) {
            SansSolution = true;
            return S1;
        }
        const Reel t = std::asin((L.Ypd - C.Yc) / R);
        S1 = point(C.Xc + R * std::cos(t), L.Ypd);
        S2 = point(C.Xc - R * std::cos(t), L.Ypd);
    } else if (L.Aod == DemiPi || L.Aod == TroisDemiPi) {
        // 2. Vertical line: S1 is the upper point.
        if (L.Xpd > C.Xc + R || L.Xpd < C.Xc - R) {
            SansSolution = true;
            return S1;
        }
        const Reel dx = L.Xpd - C.Xc;
        const Reel h = std::sqrt(R * R - dx * dx);
        S1 = point(L.Xpd, C.Yc + h);
        S2 = point(L.Xpd, C.Yc - h);
    } else {
        // 3. General line: the two points at ±e about the direction from O to the foot H.
        const TRecPoint O = point(C.Xc, C.Yc);
        const TRecPoint H = Projection(O, L);
        const Reel d = Distance(O, H);
        if (d > R) {
            SansSolution = true;
            return S1;
        }
        const Reel e = std::acos(d / R);
        const Reel phi = d == 0 ? L.Aod + DemiPi : AngleVecteur(O, H);
        S1 = point(O.X + R * std::cos(phi - e), O.Y + R * std::sin(phi - e));
        S2 = point(O.X + R * std::cos(phi + e), O.Y + R * std::sin(phi + e));
    }
    return resultat(ChoixIntersection(Lettre, S1, S2), SansSolution);
}

TRecPoint PointInterCercles(const TRecCercle& C1, const TRecCercle& C2, char Lettre,
                            bool& SansSolution) {
    SansSolution = false;
    const TRecPoint O1 = point(C1.Xc, C1.Yc);
    const TRecPoint O2 = point(C2.Xc, C2.Yc);
    const Reel R1 = C1.Rc;
    const Reel R2 = C2.Rc;
    // 1. Concentric circles.
    if (O1.X == O2.X && O1.Y == O2.Y) {
        SansSolution = true;
        return O1;
    }
    // 2. Too far apart.
    const Reel d = Distance(O1, O2);
    if (d > R1 + R2) {
        SansSolution = true;
        return O1;
    }
    // 3-4. Seen from O1 towards O2, S1 lies on the left and S2 on the right.
    const Reel b = AngleVecteur(O1, O2);
    const Reel e = std::acos((d * d + R1 * R1 - R2 * R2) / (2 * d * R1));
    const TRecPoint S1 = point(O1.X + R1 * std::cos(b + e), O1.Y + R1 * std::sin(b + e));
    const TRecPoint S2 = point(O1.X + R1 * std::cos(b - e), O1.Y + R1 * std::sin(b - e));
    return resultat(ChoixIntersection(Lettre, S1, S2), SansSolution);
}

TRecPoint PointMilieu(const TRecPoint& P1, const TRecPoint& P2, bool& SansSolution) {
    SansSolution = false;
    return resultat(point((P1.X + P2.X) / 2, (P1.Y + P2.Y) / 2), SansSolution);
}

} // namespace velk
