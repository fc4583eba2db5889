// Where an unbounded line crosses the border of the drawing surface, in pixels.
#pragma once

#include "geometry/records.h"
#include "view/vue.h"

#include <cstdint>

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

} // namespace velk
