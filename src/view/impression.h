// The print view: a framed zone fitted to the printable page, or a clicked centre printed
// at a scale in millimetres of paper per world unit. Pure arithmetic on the page's size in
// device pixels and in millimetres, so that it is the same for a printer and a PDF file.
#pragma once

#include "view/vue.h"

#include <optional>
#include <string>

namespace velk {

// The printable area of a page, as the printer reports it.
struct TPage {
    int32_t Largeur = 0; // device pixels
    int32_t Hauteur = 0;
    Reel LargeurMM = 0;  // millimetres
    Reel HauteurMM = 0;
};

// Empty when something can be printed on the page; otherwise why not, in French, without
// a leading capital (it follows "Impression impossible : ").
std::string DefautPage(const TPage& page);

// The zone (world) fitted to the page: printed as large as the page allows, centred, with
// one scale on both axes. Nothing when the zone has no width or no height, or the page no
// pixels: there is no such view.
std::optional<TVue> CadreImpression(const TPage& page, Reel xmin, Reel ymin, Reel xmax, Reel ymax);

// The world point (x, y) at the centre of the page, one world unit printed as `echelle`
// millimetres on the axis that has fewer pixels per millimetre. Nothing when the scale is
// not a finite number above 0 or the page reports no size.
std::optional<TVue> EchelleImpressionCentree(const TPage& page, Reel x, Reel y, Reel echelle);

} // namespace velk
