// The AutoCAD Color Index (ACI) that DXF files give their entities, and the entry nearest
// to each colour of the element palette.
#pragma once

#include "view/palette.h"

#include <array>
#include <cstdint>

namespace velk {

// The standard colours of entries 1 to 255; entry 0 (colour of the block) is black here
// and never chosen. Entries 1..9 are the named colours, 10..249 a grid of 24 hues every
// 15 degrees, each at five brightnesses, full and half saturation, and 250..255 six greys.
// The grid is computed from that rule; published tables differ from it by one unit here
// and there, which never changes the entry nearest to a palette colour.
const std::array<CouleurRVB, 256>& TableAci();

// The entry 1..255 nearest to the colour in red-green-blue distance, the lowest entry
// winning a tie. Entry 7 is left out of the search: CAD programs show it black on a white
// sheet and white on a dark screen, so only black itself is given 7.
int AciProche(const CouleurRVB& couleur);

// The entry for an element colour number; numbers outside the palette get 7.
int AciElement(int32_t couleur);

} // namespace velk
