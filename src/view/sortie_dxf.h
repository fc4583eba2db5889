// The drawing as a DXF file (release 12, text), for CAD programs: every visible point,
// line and circle in world units, each on a layer named after its own and in the colour
// index nearest to its palette colour.
#pragma once

#include "view/palette.h"
#include "view/vue.h"

#include <array>
#include <optional>
#include <string>

namespace velk {

class TModuleDonnee;

struct PointMonde {
    Reel X = 0;
    Reel Y = 0;
};

// The world rectangle a view shows.
struct RectangleMonde {
    Reel Xmin = 0;
    Reel Ymin = 0;
    Reel Xmax = 0;
    Reel Ymax = 0;
};
RectangleMonde RectangleVue(const TVue& vue);

// The part of the unbounded line through (xpd, ypd) at angle aod (radians) inside the
// rectangle, borders included, in the line's direction. Nothing when the line misses the
// rectangle or only touches a corner.
std::optional<std::array<PointMonde, 2>> LigneDansRectangle(Reel xpd, Reel ypd, Reel aod,
                                                            const RectangleMonde& rectangle);

// The name of an element layer in the file: "Couche 0" ... "Couche 31".
std::string NomCoucheDxf(int32_t couche);

// The whole file's text. Points become POINT entities, segments LINE between their ends, unbounded
// lines LINE across the view's rectangle (left out when they miss it), circles CIRCLE and
// arcs ARC, counter-clockwise from the start angle to the end angle. Elements hidden by the
// visibility flags are left out, as on the screen; those outside the view are kept, since a
// CAD drawing has no window. Reals are written with the fewest digits that read back to the
// same 64-bit value.
std::string TexteDxf(TModuleDonnee& donnees, const TVisibilite& visibilite, const TVue& vue);

} // namespace velk
