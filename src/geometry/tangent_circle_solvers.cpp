// Circles of a given radius N1 through points or tangent to lines and circles. Each one
// finds its centre as an intersection: with a parallel at distance N1 from a line, or with
// an auxiliary circle concentric with a given one whose radius is a sum or difference of
// the two radii.
#include "geometry/conventions.h"
#include "geometry/solver_support.h"
#include "geometry/solvers.h"

#include <cmath>

namespace velk {

using detail::centre;
using detail::cercle;
using detail::point;
using detail::resultat;

namespace {

// The wanted circle: centre from the intersection, radius N1, arc fields 0.
TRecCercle de_centre(const TRecPoint& O, Reel N1, bool& SansSolution) {
    return resultat(cercle(O.X, O.Y, N1), SansSolution);
}

} // namespace

TRecCercle CercleDeuxPointsRayon(const TRecPoint& P1, const TRecPoint& P2, Reel N1, char Lettre,
                                 bool& SansSolution) {
    SansSolution = false;
    // 1. Equal points leave the centre undetermined.
    if (P1.X == P2.X && P1.Y == P2.Y) {
        SansSolution = true;
        return TRecCercle{};
    }
    // 2. The centre is at distance N1 from both points.
    const TRecCercle C1 = CerclePointRayon(P1, N1, SansSolution);
    const TRecCercle C2 = CerclePointRayon(P2, N1, SansSolution);
    const TRecPoint O = PointInterCercles(C1, C2, Lettre, SansSolution);
    return de_centre(O, N1, SansSolution);
}

TRecCercle CerclePointLigneRayon(const TRecPoint& P, const TRecLigne& L, Reel N1, char Lettre,
                                 bool& SansSolution) {
    SansSolution = false;
    // 1. Signed distance of P from L.
    const TEquationLigne e = EquationLigne(L);
    const Reel s = e.a * P.X + e.b * P.Y + e.c;
    // 2. P on L: the centre lies on the perpendicular through P, on the chosen side.
    if (s == 0) {
        const Reel sa = std::sin(L.Aod);
        const Reel ca = std::cos(L.Aod);
        const TRecPoint S1 = point(P.X - N1 * sa, P.Y + N1 * ca);
        const TRecPoint S2 = point(P.X + N1 * sa, P.Y - N1 * ca);
        return de_centre(ChoixDecalage(Lettre, S1, S2), N1, SansSolution);
    }
    // 3. Otherwise the centre lies on the parallel at distance N1 on P's side of L, and at
    // distance N1 from P.
    const TRecPoint H = Projection(P, L);
    char cote;
    if (P.X < H.X) {
        cote = 'G';
    } else if (P.X > H.X) {
        cote = 'D';
    } else if (P.Y < H.Y) {
        cote = 'B';
    } else {
        cote = 'H';
    }
    const TRecLigne Lp = LigneParalleleDistance(L, N1, cote, SansSolution);
    const TRecCercle Cp = CerclePointRayon(P, N1, SansSolution);
    const TRecPoint O = PointInterLigneCercle(Lp, Cp, Lettre, SansSolution);
    return de_centre(O, N1, SansSolution);
}

TRecCercle CerclePointCercleRayon(const TRecPoint& P, const TRecCercle& C, Reel N1, char Tangence,
                                  char Position, bool& SansSolution) {
    SansSolution = false;
    const TRecPoint O = centre(C);
    const Reel R = C.Rc;
    // 1. The centre is at distance N1 from P.
    const Reel d = Distance(P, O);
    const TRecCercle Cp = CerclePointRayon(P, N1, SansSolution);
    TRecPoint centre_trouve;
    if (d == R) {
        // 2. P on C: the centre lies on the line through P and O.
        const TRecLigne PO = LigneDeuxPoints(P, O, SansSolution);
        if (SansSolution) return TRecCercle{};
        centre_trouve = PointInterLigneCercle(PO, Cp, Position, SansSolution);
    } else if (d > R) {
        // 3. P outside C. Through P, a circle enclosing C (I) needs a diameter of at least
        // d + R, one touching it from outside (E) a diameter of at least d - R.
        if ((Tangence == 'I' && 2 * N1 < d + R) || (Tangence != 'I' && 2 * N1 < d - R)) {
            SansSolution = true;
            return TRecCercle{};
        }
        const Reel r_aux = Tangence == 'I' ? N1 - R : N1 + R;
        const TRecCercle Caux = CerclePointRayon(O, r_aux, SansSolution);
        centre_trouve = PointInterCercles(Cp, Caux, Position, SansSolution);
    } else {
        // 4. P inside C: the new circle lies inside C, its centre at R - N1 from O, which
        // needs R - d <= 2·N1 <= R + d.
        if (N1 > (R + d) / 2 || 2 * N1 < R - d) {
            SansSolution = true;
            return TRecCercle{};
        }
        const TRecCercle Caux = CerclePointRayon(O, R - N1, SansSolution);
        centre_trouve = PointInterCercles(Cp, Caux, Position, SansSolution);
    }
    if (SansSolution) return TRecCercle{};
    return de_centre(centre_trouve, N1, SansSolution);
}

TRecCercle CercleDeuxLignesRayon(const TRecLigne& L1, const TRecLigne& L2, Reel N1, char Lettre1,
                                 char Lettre2, bool& SansSolution) {
    SansSolution = false;
    const TRecLigne P1 = LigneParalleleDistance(L1, N1, Lettre1, SansSolution);
    const TRecLigne P2 = LigneParalleleDistance(L2, N1, Lettre2, SansSolution);
    const TRecPoint O = PointInterLignes(P1, P2, SansSolution);
    if (SansSolution) return TRecCercle{};
    return de_centre(O, N1, SansSolution);
}

TRecCercle CercleLigneCercleRayon(const TRecLigne& L, const TRecCercle& C, Reel N1, char Cote,
                                  char Tangence, char Position, bool& SansSolution) {
    SansSolution = false;
    const TRecPoint O = centre(C);
    const Reel R = C.Rc;
    // 1. Distance from the centre of C to L.
    const TRecPoint H = Projection(O, L);
    const Reel delta = Distance(O, H);
    if (delta >= R) {
        // 2. L does not cut C. a. The side of L on which C lies, in the letter family of
        // Cote; 0 when the centre is level with its foot.
        char cote_c = 0;
        if (Cote == 'D' || Cote == 'G') {
            if (O.X < H.X)
                cote_c = 'G';
            else if (O.X > H.X)
                cote_c = 'D';
        } else {
            if (O.Y < H.Y)
                cote_c = 'B';
            else if (O.Y > H.Y)
                cote_c = 'H';
        }
        // b. The new circle must be on the same side of L as C.
        if (Cote != cote_c) {
            SansSolution = true;
            return TRecCercle{};
        }
        // c. Outside tangency: centre at N1 + R from O on the parallel.
        const TRecLigne Lp = LigneParalleleDistance(L, N1, cote_c, SansSolution);
        const TRecCercle Cext = CerclePointRayon(O, N1 + R, SansSolution);
        const TRecPoint premier = PointInterLigneCercle(Lp, Cext, Position, SansSolution);
        if (SansSolution) return TRecCercle{};
        if (R < N1) {
            // d. A larger circle may also enclose C: centre at N1 - R from O. When the
            // parallel misses that smaller auxiliary circle, no circle encloses C, but the
            // one touching it from outside (the first centre) still exists: only I fails.
            const TRecCercle Cint = CerclePointRayon(O, N1 - R, SansSolution);
            const TRecPoint second = PointInterLigneCercle(Lp, Cint, Position, SansSolution);
            if (SansSolution) {
                if (Tangence == 'I') return TRecCercle{};
                SansSolution = false;
                return de_centre(premier, N1, SansSolution);
            }
            if (Tangence == 'I' && N1 > Distance(O, second))
                return de_centre(second, N1, SansSolution);
            return de_centre(premier, N1, SansSolution);
        }
        // e. A circle no larger than C cannot enclose it.
        if (Tangence == 'I') {
            SansSolution = true;
            return TRecCercle{};
        }
        return de_centre(premier, N1, SansSolution);
    }
    // 3. L cuts C: the centre lies on the parallel on the chosen side.
    const TRecLigne Lp = LigneParalleleDistance(L, N1, Cote, SansSolution);
    Reel r_aux;
    if (Tangence == 'I') {
        // c. Inside C.
        if (N1 > R) {
            SansSolution = true;
            return TRecCercle{};
        }
        r_aux = R - N1;
    } else {
        // b. Outside C.
        r_aux = R + N1;
    }
    const TRecCercle Caux = CerclePointRayon(O, r_aux, SansSolution);
    const TRecPoint O2 = PointInterLigneCercle(Lp, Caux, Position, SansSolution);
    if (SansSolution) return TRecCercle{};
    return de_centre(O2, N1, SansSolution);
}

TRecCercle CercleDeuxCerclesRayon(const TRecCercle& C1, const TRecCercle& C2, Reel N1,
                                  char Tangence1, char Tangence2, char Position,
                                  bool& SansSolution) {
    SansSolution = false;
    const Reel R1 = C1.Rc;
    const Reel R2 = C2.Rc;
    // 1. The same circle twice.
    if (C1.Xc == C2.Xc && C1.Yc == C2.Yc && R1 == R2) {
        SansSolution = true;
        return TRecCercle{};
    }
    // 2-3. The centre lies at r1 from O1 and r2 from O2. I means inside a circle that
    // overlaps the other, and enclosing it when the two are apart; for circles apart the
    // new diameter 2·N1 must bridge the gap that the letters leave.
    const Reel d = Distance(centre(C1), centre(C2));
    const bool i1 = Tangence1 == 'I';
    const bool i2 = Tangence2 == 'I';
    bool impossible;
    Reel r1;
    Reel r2;
    if (d < R1 + R2) {
        if (i1 && i2) {
            impossible = 2 * N1 > R1 + R2 - d || N1 > R2;
            r1 = R1 - N1;
            r2 = R2 - N1;
        } else if (i1) {
            impossible = 2 * N1 > R1 - R2 + d;
            r1 = R1 - N1;
            r2 = R2 + N1;
        } else if (i2) {
            impossible = 2 * N1 > R2 - R1 + d || N1 > R2;
            r1 = R1 + N1;
            r2 = R2 - N1;
        } else {
            impossible = false;
            r1 = R1 + N1;
            r2 = R2 + N1;
        }
    } else {
        if (i1 && i2) {
            impossible = 2 * N1 < R1 + R2 + d;
            r1 = N1 - R1;
            r2 = N1 - R2;
        } else if (i1) {
            impossible = 2 * N1 < R1 - R2 + d;
            r1 = N1 - R1;
            r2 = R2 + N1;
        } else if (i2) {
            impossible = 2 * N1 < R2 - R1 + d;
            r1 = R1 + N1;
            r2 = N1 - R2;
        } else {
            impossible = 2 * N1 < d - R1 - R2;
            r1 = R1 + N1;
            r2 = R2 + N1;
        }
    }
    if (impossible) {
        SansSolution = true;
        return TRecCercle{};
    }
    // 4. Intersection of the two auxiliary circles.
    const TRecCercle A1 = CerclePointRayon(centre(C1), r1, SansSolution);
    const TRecCercle A2 = CerclePointRayon(centre(C2), r2, SansSolution);
    const TRecPoint O = PointInterCercles(A1, A2, Position, SansSolution);
    if (SansSolution) return TRecCercle{};
    return de_centre(O, N1, SansSolution);
}

} // namespace velk
