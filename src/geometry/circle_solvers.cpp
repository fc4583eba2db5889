// Circle constructions without a given tangency radius: from numbers and points, tangent
// from a given centre, moved and concentric circles, through three points, and the images
// of a circle by rotation and symmetries.
#include "geometry/conventions.h"
#include "geometry/solver_support.h"
#include "geometry/solvers.h"

#include <cmath>

namespace velk {

using detail::centre;
using detail::cercle;
using detail::resultat;

TRecCercle CercleCoordonnees(Reel N1, Reel N2, Reel N3, bool& SansSolution) {
    SansSolution = false;
    return resultat(cercle(N1, N2, N3), SansSolution);
}

TRecCercle CerclePointRayon(const TRecPoint& P, Reel N1, bool& SansSolution) {
    SansSolution = false;
    return resultat(cercle(P.X, P.Y, N1), SansSolution);
}

TRecCercle CerclePointPoint(const TRecPoint& P1, const TRecPoint& P2, bool& SansSolution) {
    SansSolution = false;
    if (P1.X == P2.X && P1.Y == P2.Y) {
        SansSolution = true;
        return TRecCercle{};
    }
    return resultat(cercle(P1.X, P1.Y, Distance(P1, P2)), SansSolution);
}

TRecCercle CercleCentreTangentLigne(const TRecPoint& P, const TRecLigne& L, bool& SansSolution) {
    SansSolution = false;
    const TEquationLigne e = EquationLigne(L);
    if (e.a * P.X + e.b * P.Y + e.c == 0) {
        SansSolution = true;
        return TRecCercle{};
    }
    const TRecPoint H = Projection(P, L);
    return resultat(cercle(P.X, P.Y, Distance(P, H)), SansSolution);
}

TRecCercle CercleCentreTangentCercle(const TRecPoint& P, const TRecCercle& C, char Lettre,
                                     bool& SansSolution) {
    SansSolution = false;
    const Reel R = C.Rc;
    // 1. P on C: the only tangent circle would have radius 0.
    const Reel dx = P.X - C.Xc;
    const Reel dy = P.Y - C.Yc;
    if (dx * dx + dy * dy - R * R == 0) {
        SansSolution = true;
        return TRecCercle{};
    }
    // 2-3. The circle touching C at its nearest point and the one touching its farthest.
    const Reel d = Distance(P, centre(C));
    Reel r1;
    Reel r2;
    if (d > R) {
        r1 = d - R;
        r2 = d + R;
    } else {
        r1 = R - d;
        r2 = R + d;
    }
    // 4. I: the smaller radius; G: the greater.
    Reel r;
    if (Lettre == 'I') {
        r = r2 < r1 ? r2 : r1;
    } else {
        r = r2 >= r1 ? r2 : r1;
    }
    return resultat(cercle(P.X, P.Y, r), SansSolution);
}

TRecCercle CercleDecale(const TRecCercle& C, Reel N1, Reel N2, bool& SansSolution) {
    SansSolution = false;
    return resultat(cercle(C.Xc + N1, C.Yc + N2, C.Rc), SansSolution);
}

TRecCercle CerclePolaire(const TRecCercle& C, Reel N1, Reel N2, bool& SansSolution) {
    SansSolution = false;
    const Reel a = DegresEnRadians(N2);
    return resultat(cercle(C.Xc + N1 * std::cos(a), C.Yc + N1 * std::sin(a), C.Rc), SansSolution);
}

TRecCercle CercleConcentrique(const TRecCercle& C, Reel N1, bool& SansSolution) {
    SansSolution = false;
    return resultat(cercle(C.Xc, C.Yc, N1), SansSolution);
}

TRecCercle CercleConcentriqueDecale(const TRecCercle& C, Reel N1, char Lettre, bool& SansSolution) {
    SansSolution = false;
    if (Lettre == 'I') return resultat(cercle(C.Xc, C.Yc, C.Rc - N1), SansSolution);
    return resultat(cercle(C.Xc, C.Yc, C.Rc + N1), SansSolution);
}

TRecCercle CercleTroisPoints(const TRecPoint& P1, const TRecPoint& P2, const TRecPoint& P3,
                             bool& SansSolution) {
    SansSolution = false;
    const Reel x1 = P1.X, y1 = P1.Y;
    const Reel x2 = P2.X, y2 = P2.Y;
    const Reel x3 = P3.X, y3 = P3.Y;
    const Reel S1 = x1 * x1 + y1 * y1;
    const Reel S2 = x2 * x2 + y2 * y2;
    const Reel S3 = x3 * x3 + y3 * y3;
    // 1. Twice the signed area: 0 for collinear points, and the divisions below then give
    // non-finite values that the caller reports as no solution.
    const Reel A = x1 * (y2 - y3) + x2 * (y3 - y1) + x3 * (y1 - y2);
    // 2. x² + y² + D·x + E·y + F = 0 through the three points, by Cramer's rule.
    const Reel D = -(S1 * (y2 - y3) + S2 * (y3 - y1) + S3 * (y1 - y2)) / A;
    const Reel E = -(S1 * (x3 - x2) + S2 * (x1 - x3) + S3 * (x2 - x1)) / A;
    const Reel F =
        -(S1 * (x2 * y3 - x3 * y2) + S2 * (x3 * y1 - x1 * y3) + S3 * (x1 * y2 - x2 * y1)) / A;
    // 3. Centre and radius from the equation.
    const Reel xc = -D / 2;
    const Reel yc = -E / 2;
    return resultat(cercle(xc, yc, std::sqrt(xc * xc + yc * yc - F)), SansSolution);
}

TRecCercle CercleRotation(const TRecCercle& C, const TRecPoint& P, Reel N1, bool& SansSolution) {
    SansSolution = false;
    const TRecPoint O = PointRotation(centre(C), P, N1, SansSolution);
    return resultat(cercle(O.X, O.Y, C.Rc), SansSolution);
}

TRecCercle CercleSymetriquePoint(const TRecCercle& C, const TRecPoint& P, bool& SansSolution) {
    SansSolution = false;
    return resultat(cercle(2 * P.X - C.Xc, 2 * P.Y - C.Yc, C.Rc), SansSolution);
}

TRecCercle CercleSymetriqueLigne(const TRecCercle& C, const TRecLigne& L, bool& SansSolution) {
    SansSolution = false;
    const TRecPoint O = PointSymetriqueLigne(centre(C), L, SansSolution);
    return resultat(cercle(O.X, O.Y, C.Rc), SansSolution);
}

} // namespace velk
