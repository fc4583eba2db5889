// Line constructions: lines from numbers and points, parallels and perpendiculars,
// tangents to circles, the common tangent of two circles, symmetries, rotation, bisector.
#include "geometry/conventions.h"
#include "geometry/solver_support.h"
#include "geometry/solvers.h"

#include <cmath>

namespace velk {

using detail::ligne;
using detail::point;
using detail::resultat;

namespace {

// A line through the base point chosen by ChoixDecalage among S1 and S2.
TRecLigne ligne_choisie(char lettre, const TRecPoint& S1, const TRecPoint& S2, Reel a) {
    const TRecPoint base = ChoixDecalage(lettre, S1, S2);
    return ligne(base.X, base.Y, a);
}

// Whether a contact point T on the circle of centre O satisfies a position letter.
bool lettre_tient(char lettre, const TRecPoint& T, Reel ox, Reel oy) {
    switch (lettre) {
    case 'H':
        return T.Y >= oy;
    case 'B':
        return T.Y < oy;
    case 'D':
        return T.X >= ox;
    case 'G':
        return T.X < ox;
    default:
        return false;
    }
}

} // namespace

TRecLigne LigneCoordonnees(Reel N1, Reel N2, Reel N3, bool& SansSolution) {
    SansSolution = false;
    return resultat(ligne(N1, N2, NormeAngle(DegresEnRadians(N3))), SansSolution);
}

TRecLigne LignePointAngle(const TRecPoint& P, Reel N1, bool& SansSolution) {
    SansSolution = false;
    return resultat(ligne(P.X, P.Y, NormeAngle(DegresEnRadians(N1))), SansSolution);
}

TRecLigne LigneDeuxPoints(const TRecPoint& P1, const TRecPoint& P2, bool& SansSolution) {
    SansSolution = false;
    const Reel r = Distance(P1, P2);
    Reel t = std::acos((P2.X - P1.X) / r);
    if (P1.Y > P2.Y) t = DeuxPi - t;
    return resultat(ligne(P1.X, P1.Y, NormeAngle(t)), SansSolution);
}

TRecLigne LigneParallelePoint(const TRecPoint& P, const TRecLigne& L, bool& SansSolution) {
    SansSolution = false;
    return resultat(ligne(P.X, P.Y, L.Aod), SansSolution);
}

TRecLigne LignePerpendiculairePoint(const TRecPoint& P, const TRecLigne& L, bool& SansSolution) {
    SansSolution = false;
    return resultat(ligne(P.X, P.Y, NormeAngle(L.Aod + DemiPi)), SansSolution);
}

TRecLigne LigneTangentePoint(const TRecPoint& P, const TRecCercle& C, char Lettre,
                             bool& SansSolution) {
    SansSolution = false;
    const TRecPoint O = point(C.Xc, C.Yc);
    const Reel R = C.Rc;
    // 1-2. No tangent from the centre or from inside; a point on the circle is accepted.
    if (P.X == O.X && P.Y == O.Y) {
        SansSolution = true;
        return ligne(P.X, P.Y, 0);
    }
    const Reel d = Distance(P, O);
    if (R > d) {
        SansSolution = true;
        return ligne(P.X, P.Y, 0);
    }
    // 3. Direction to the centre and half the angle under which the circle is seen.
    const Reel b = AngleVecteur(P, O);
    const Reel s = std::asin(R / d);
    // 4. Which side of the centre line the tangent passes.
    Reel a = b;
    switch (Lettre) {
    case 'H':
        a = O.X > P.X ? b + s : b - s;
        break;
    case 'B':
        a = O.X > P.X ? b - s : b + s;
        break;
    case 'D':
        a = O.Y > P.Y ? b - s : b + s;
        break;
    case 'G':
        a = O.Y > P.Y ? b + s : b - s;
        break;
    default:
        break;
    }
    return resultat(ligne(P.X, P.Y, NormeAngle(a)), SansSolution);
}

TRecLigne LigneAxe(Reel N1, char Lettre, bool& SansSolution) {
    SansSolution = false;
    if (Lettre == 'X') return resultat(ligne(N1, 0, DemiPi), SansSolution);
    return resultat(ligne(0, N1, 0), SansSolution);
}

TRecLigne LigneParalleleDistance(const TRecLigne& L, Reel N1, char Lettre, bool& SansSolution) {
    SansSolution = false;
    const Reel s = std::sin(L.Aod);
    const Reel c = std::cos(L.Aod);
    const TRecPoint S1 = point(L.Xpd - N1 * s, L.Ypd + N1 * c); // left of the direction
    const TRecPoint S2 = point(L.Xpd + N1 * s, L.Ypd - N1 * c); // right of it
    return resultat(ligne_choisie(Lettre, S1, S2, L.Aod), SansSolution);
}

TRecLigne LigneParalleleTangente(const TRecLigne& L, const TRecCercle& C, char Lettre,
                                 bool& SansSolution) {
    SansSolution = false;
    const Reel s = std::sin(L.Aod);
    const Reel c = std::cos(L.Aod);
    const TRecPoint S1 = point(C.Xc - C.Rc * s, C.Yc + C.Rc * c);
    const TRecPoint S2 = point(C.Xc + C.Rc * s, C.Yc - C.Rc * c);
    return resultat(ligne_choisie(Lettre, S1, S2, L.Aod), SansSolution);
}

TRecLigne LignePerpendiculaireTangente(const TRecLigne& L, const TRecCercle& C, char Lettre,
                                       bool& SansSolution) {
    SansSolution = false;
    const Reel s = std::sin(L.Aod);
    const Reel c = std::cos(L.Aod);
    const TRecPoint S1 = point(C.Xc - C.Rc * c, C.Yc - C.Rc * s); // behind the centre
    const TRecPoint S2 = point(C.Xc + C.Rc * c, C.Yc + C.Rc * s); // ahead of it
    return resultat(ligne_choisie(Lettre, S1, S2, NormeAngle(L.Aod + DemiPi)), SansSolution);
}

TRecLigne LigneTangenteAngle(const TRecCercle& C, Reel N1, char Lettre, bool& SansSolution) {
    SansSolution = false;
    const Reel a = DegresEnRadians(N1);
    const Reel s = std::sin(a);
    const Reel c = std::cos(a);
    const TRecPoint S1 = point(C.Xc - C.Rc * s, C.Yc + C.Rc * c);
    const TRecPoint S2 = point(C.Xc + C.Rc * s, C.Yc - C.Rc * c);
    return resultat(ligne_choisie(Lettre, S1, S2, NormeAngle(a)), SansSolution);
}

TRecLigne LigneTangenteCercles(const TRecCercle& C1, const TRecCercle& C2, char Lettre1,
                               char Lettre2, bool& SansSolution) {
    SansSolution = false;
    // 1. Concentric circles have no common tangent.
    if (C1.Xc == C2.Xc && C1.Yc == C2.Yc) {
        SansSolution = true;
        return TRecLigne{};
    }
    // 2. Circle 1 is the left one; each letter stays with its own circle.
    const bool echange = C2.Xc < C1.Xc;
    const TRecCercle& K1 = echange ? C2 : C1;
    const TRecCercle& K2 = echange ? C1 : C2;
    const char l1 = echange ? Lettre2 : Lettre1;
    const char l2 = echange ? Lettre1 : Lettre2;
    const TRecPoint O1 = point(K1.Xc, K1.Yc);
    const TRecPoint O2 = point(K2.Xc, K2.Yc);
    const Reel R1 = K1.Rc;
    const Reel R2 = K2.Rc;
    // 3. Circle 2 strictly inside circle 1.
    const Reel d = Distance(O1, O2);
    if (R1 > d && R1 > d + R2) {
        SansSolution = true;
        return TRecLigne{};
    }
    // 4-6. Outer tangents (1, 2) then crossing tangents (3, 4); the last match wins.
    const Reel b = AngleVecteur(O1, O2);
    bool trouve = false;
    Reel t_retenu = 0;
    TRecPoint T1_retenu;
    TRecPoint T2_retenu;
    auto essaie = [&](Reel t, Reel signe1, Reel signe2) {
        const Reel nx = -std::sin(t);
        const Reel ny = std::cos(t);
        const TRecPoint T1 = point(O1.X + signe1 * R1 * nx, O1.Y + signe1 * R1 * ny);
        const TRecPoint T2 = point(O2.X + signe2 * R2 * nx, O2.Y + signe2 * R2 * ny);
        if (lettre_tient(l1, T1, O1.X, O1.Y) && lettre_tient(l2, T2, O2.X, O2.Y)) {
            trouve = true;
            t_retenu = t;
            T1_retenu = T1;
            T2_retenu = T2;
        }
    };
    const Reel q_ext = (R1 - R2) / d;
    if (-1 <= q_ext && q_ext <= 1) {
        const Reel as = std::asin(q_ext);
        essaie(NormeAngle(b - as), 1, 1);
        essaie(NormeAngle(b + as), -1, -1);
    }
    const Reel q_int = (R1 + R2) / d;
    if (-1 <= q_int && q_int <= 1) {
        const Reel as = std::asin(q_int);
        essaie(NormeAngle(b - as), 1, -1);
        essaie(NormeAngle(b + as), -1, 1);
    }
    // 7. The segment runs from the left circle's contact to the right circle's.
    if (!trouve) {
        SansSolution = true;
        return TRecLigne{};
    }
    TRecLigne l = ligne(T1_retenu.X, T1_retenu.Y, t_retenu);
    l.Xdd = T1_retenu.X;
    l.Ydd = T1_retenu.Y;
    l.Xfd = T2_retenu.X;
    l.Yfd = T2_retenu.Y;
    return resultat(l, SansSolution);
}

TRecLigne LigneSymetriquePoint(const TRecLigne& L, const TRecPoint& P, bool& SansSolution) {
    SansSolution = false;
    const TRecPoint H = Projection(P, L);
    return resultat(ligne(2 * P.X - H.X, 2 * P.Y - H.Y, L.Aod), SansSolution);
}

TRecLigne LigneSymetriqueLigne(const TRecLigne& L1, const TRecLigne& L2, bool& SansSolution) {
    SansSolution = false;
    const Reel A1 = L1.Aod;
    const Reel A2 = L2.Aod;
    // 1. Parallel lines: L1 mirrored in L2 is the parallel on the other side of L2.
    if (A1 == A2 || A1 == A2 + Pi || A1 - Pi == A2) {
        const TRecPoint Q = point(L2.Xpd, L2.Ypd);
        const TRecPoint H = Projection(Q, L1);
        return resultat(ligne(2 * Q.X - H.X, 2 * Q.Y - H.Y, A1), SansSolution);
    }
    // 2. Crossing lines: through the intersection, direction reflected about A2 and kept
    // as computed (it may fall outside [0, 2π)).
    TRecPoint I;
    if (!InterDeuxLignes(L1, L2, I)) {
        SansSolution = true;
        return TRecLigne{};
    }
    return resultat(ligne(I.X, I.Y, 2 * A2 - A1), SansSolution);
}

TRecLigne LigneRotation(const TRecLigne& L, const TRecPoint& P, Reel N1, bool& SansSolution) {
    SansSolution = false;
    const Reel a = DegresEnRadians(N1);
    // 1. Turning about the base point keeps it.
    if (P.X == L.Xpd && P.Y == L.Ypd)
        return resultat(ligne(L.Xpd, L.Ypd, NormeAngle(L.Aod + a)), SansSolution);
    // 2. Otherwise the foot of the perpendicular from P turns about P.
    const TRecPoint H = Projection(P, L);
    const Reel r = Distance(P, H);
    // P on L but away from its base point: the foot is P itself and does not move, so
    // the turned line passes through P (the angle of a zero vector is not needed).
    if (r == 0) return resultat(ligne(P.X, P.Y, NormeAngle(L.Aod + a)), SansSolution);
    Reel g = std::acos((H.X - P.X) / r);
    if (H.Y < P.Y) g = DeuxPi - g;
    return resultat(
        ligne(P.X + r * std::cos(a + g), P.Y + r * std::sin(a + g), NormeAngle(L.Aod + a)),
        SansSolution);
}

TRecLigne LigneBissectrice(const TRecLigne& L1, const TRecLigne& L2, bool& SansSolution) {
    SansSolution = false;
    TRecPoint I;
    if (!InterDeuxLignes(L1, L2, I)) {
        SansSolution = true;
        return TRecLigne{};
    }
    const Reel A1 = L1.Aod;
    const Reel A2 = L2.Aod;
    Reel m = (A1 + A2) / 2;
    if (A1 > A2) m = m + DemiPi;
    return resultat(ligne(I.X, I.Y, NormeAngle(m)), SansSolution);
}

} // namespace velk
