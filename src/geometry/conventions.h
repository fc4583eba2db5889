// Shared geometric conventions: the angle constants, the small operations every solver,
// the drawing and the picking rely on, the choice rules between two candidate points and
// the check that a computed record holds only finite numbers.
#pragma once

#include "geometry/records.h"

#include <cstdint>

namespace velk {

// The extended values closest to π and its multiples. Halving and doubling are exact in
// binary, so DemiPi and DeuxPi derive from Pi; 3π/2 is written out because 3·Pi/2 would
// round once more.
constexpr Reel Pi = 3.14159265358979323851L;
constexpr Reel DemiPi = Pi / 2;
constexpr Reel TroisDemiPi = 4.71238898038468985769396507491925432629575L;
constexpr Reel DeuxPi = Pi * 2;
// Degrees to radians: the extended value closest to π/180.
constexpr Reel DegreEnRadian = 0.01745329251994329577L;

// An angle written in degrees by the user, in radians.
inline Reel DegresEnRadians(Reel degres) {
    return degres * DegreEnRadian;
}

// Brings an angle once into [0, 2π): one step up or one step down, never more.
Reel NormeAngle(Reel a);

Reel Distance(const TRecPoint& P1, const TRecPoint& P2);

// Direction of the vector P1 -> P2 in [0, 2π); π/2 when both points coincide.
Reel AngleVecteur(const TRecPoint& P1, const TRecPoint& P2);

// Foot of the perpendicular from P on the unbounded line L (only X and Y are set).
TRecPoint Projection(const TRecPoint& P, const TRecLigne& L);

// a·x + b·y + c = 0 with a unit normal (a, b): the value is the signed distance of (x, y),
// positive on the right of the line's direction.
struct TEquationLigne {
    Reel a = 0;
    Reel b = 0;
    Reel c = 0;
};
TEquationLigne EquationLigne(const TRecLigne& L);

// Intersection of two lines from their equations. Returns false, leaving I unchanged,
// when the determinant is exactly 0 (parallel or equal lines).
bool InterDeuxLignes(const TRecLigne& L1, const TRecLigne& L2, TRecPoint& I);

// Picks one of two candidate points by a position letter H, B, D or G. On a tie
// ChoixIntersection keeps S1 for H and D and S2 for B and G; ChoixDecalage the reverse.
TRecPoint ChoixIntersection(char lettre, const TRecPoint& S1, const TRecPoint& S2);
TRecPoint ChoixDecalage(char lettre, const TRecPoint& S1, const TRecPoint& S2);

// True when every coordinate, angle and radius of the record is a finite number, both in
// extended precision and once converted to the tables' 64-bit reals. A solver result that
// fails this test is treated as having no solution and is never stored.
bool EstFini(const TRecPoint& P);
bool EstFini(const TRecLigne& L);
bool EstFini(const TRecCercle& C);

// ---- ArrondiEntier ---------------------------------------------------------------------

namespace detail {
// The exact decision on the extended value, for fractions close to one half.
int32_t ArrondiPresDeLaMoitie(Reel x);
} // namespace detail

// Rounds to the nearest integer, halves away from zero, deciding on the 18-significant-
// digit decimal form of x; clamped to ±999 999 999. NaN gives 0.
// Inline because the view calls it for every pixel conversion. Below 1E9 a double holds x
// to within 6E-8, so its fraction settles every case except fractions within 1E-4 of one
// half, which take the exact extended-precision path.
inline int32_t ArrondiEntier(Reel x) {
    if (x < -999999999.0L) return -999999999;
    if (x > 999999998.0L) return 999999999;
    if (!(x == x)) return 0;
    const double d = static_cast<double>(x);
    const bool negatif = d < 0;
    const double a = negatif ? -d : d;
    int64_t n = static_cast<int64_t>(a);
    const double frac = a - static_cast<double>(n); // exact
    if (frac > 0.5001) {
        ++n;
    } else if (frac >= 0.4999) {
        return detail::ArrondiPresDeLaMoitie(x);
    }
    return static_cast<int32_t>(negatif ? -n : n);
}

} // namespace velk
