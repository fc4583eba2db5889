// Where an unbounded line crosses the border of the drawing surface, in pixels.
#pragma once

#include "geometry/records.h"
#include "view/vue.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace velk {

struct PixelLong {
    int64_t X = 0;
    int64_t Y = 0;
    bool operator==(const PixelLong& o) const { return X == o.X && Y == o.Y; }
};

struct CoupureLigne {
    int Nombre = 0; // crossings held, 0 to 2; the line is drawn only with 2
    PixelLong Points[2];
};

// Crossings of the line through (xpd, ypd) at angle aod (radians) with the border of the
// surface Largeur x Hauteur of the view. A horizontal line on the top or bottom row, or a
// vertical one on the left or right column, has none. A line whose defining point lies
// too far away for pixel arithmetic is first moved along itself next to the surface.
CoupureLigne CoupeLigne(const TVue& vue, Reel xpd, Reel ypd, Reel aod);

// The tangents the clipping takes of a line's angle, which depend on nothing else: worth
// keeping from one redraw to the next, since extended-precision tangents cost more than
// the rest of the clipping.
struct TangentesLigne {
    Reel Angle = std::numeric_limits<Reel>::quiet_NaN(); // the angle they were computed for
    Reel T = 0;
    Reel U = 0;
};
TangentesLigne Tangentes(Reel aod);
// The same crossings, with the tangents of aod given.
CoupureLigne CoupeLigne(const TVue& vue, Reel xpd, Reel ypd, Reel aod, const TangentesLigne& tangentes);

// The tangents of every line drawn, by line number, recomputed when the angle changes.
class MemoireTangentes {
public:
    const TangentesLigne& Pour(int32_t numero, Reel aod);

private:
    std::vector<TangentesLigne> memoire_;
    TangentesLigne horsTable_;
};

} // namespace velk
