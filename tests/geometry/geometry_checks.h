// Independent geometric facts used to check solver results: records built by hand, the
// distance of a point from a line, the round trip of a record through the tables' doubles.
#pragma once

#include "geometry/records.h"

#include <cmath>

namespace velk::test {

inline TRecPoint Pt(Reel x, Reel y) {
    TRecPoint p;
    p.X = x;
    p.Y = y;
    return p;
}

inline TRecLigne Li(Reel x, Reel y, Reel a) {
    TRecLigne l;
    l.Xpd = x;
    l.Ypd = y;
    l.Aod = a;
    return l;
}

inline TRecCercle Ci(Reel x, Reel y, Reel r) {
    TRecCercle c;
    c.Xc = x;
    c.Yc = y;
    c.Rc = r;
    return c;
}

// What a later statement reads back: every field narrowed to double and widened again.
inline Reel Stocke(Reel v) {
    return static_cast<Reel>(static_cast<double>(v));
}
inline TRecLigne Stocke(TRecLigne l) {
    l.Xpd = Stocke(l.Xpd);
    l.Ypd = Stocke(l.Ypd);
    l.Aod = Stocke(l.Aod);
    return l;
}

// Unsigned distance of (x, y) from a line, computed from two of its points rather than
// from its equation.
inline Reel DistanceALigne(Reel x, Reel y, const TRecLigne& l) {
    const Reel ux = std::cos(l.Aod), uy = std::sin(l.Aod);
    return std::fabs((x - l.Xpd) * uy - (y - l.Ypd) * ux);
}

inline Reel Dist(Reel x1, Reel y1, Reel x2, Reel y2) {
    return std::hypot(x1 - x2, y1 - y2);
}

constexpr Reel Tol = 1e-12L;

} // namespace velk::test
