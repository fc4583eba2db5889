// Small builders shared by the solver files, and the final check every solver applies to
// its result. Internal to the geometry library.
#pragma once

#include "geometry/conventions.h"
#include "geometry/records.h"

namespace velk::detail {

inline TRecPoint point(Reel x, Reel y) {
    TRecPoint p;
    p.X = x;
    p.Y = y;
    return p;
}

// An unbounded line: the segment fields stay 0.
inline TRecLigne ligne(Reel x, Reel y, Reel a) {
    TRecLigne l;
    l.Xpd = x;
    l.Ypd = y;
    l.Aod = a;
    return l;
}

// A whole circle: the arc fields stay 0.
inline TRecCercle cercle(Reel x, Reel y, Reel r) {
    TRecCercle c;
    c.Xc = x;
    c.Yc = y;
    c.Rc = r;
    return c;
}

inline TRecPoint centre(const TRecCercle& C) {
    return point(C.Xc, C.Yc);
}

// Degenerate inputs that no branch tests (collinear points, a square root or arc cosine
// out of its domain, a division by zero, a result too large for the tables) end here:
// a result that is not finite counts as no solution, so it is never stored.
template <typename Rec> Rec resultat(const Rec& r, bool& SansSolution) {
    if (!SansSolution && !EstFini(r)) SansSolution = true;
    return r;
}

} // namespace velk::detail
