// Navigation arithmetic of the drawing: zoom about a pixel and pan by pixels. Pure functions
// on a window and the view it is shown with; the history is EtatVue's business.
#pragma once

#include "view/vue.h"

namespace velk {

// One notch of the mouse wheel multiplies the scale by this.
constexpr Reel FacteurCranMolette = 1.25L;

// The window scaled about the world point under pixel (colonne, ligne) so that the scale
// is multiplied by facteur and that point stays under the same pixel. A factor that is not
// a finite number above 0 gives the window back unchanged.
TFenetre ZoomAutourDe(const TFenetre& fenetre, const TVue& vue, int32_t colonne, int32_t ligne, Reel facteur);

// The window moved so that the drawing follows the mouse by (dx, dy) pixels (dy > 0: down).
TFenetre DecaleFenetre(const TFenetre& fenetre, const TVue& vue, int32_t dx, int32_t dy);

// A window whose view can be computed and zoomed back out of: finite, not collapsed to a
// point, and wide enough that any real surface gets a finite scale from it.
bool FenetreUtilisable(const TFenetre& fenetre);

} // namespace velk
