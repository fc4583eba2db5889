// Zoom about a pixel and pan by pixels.
#include "view/navigation.h"

#include <cmath>

namespace velk {

bool FenetreUtilisable(const TFenetre& f)
{
    const Reel w = f.Xmax - f.Xmin, h = f.Ymax - f.Ymin;
    return std::isfinite(f.Xmin) && std::isfinite(f.Xmax) && std::isfinite(f.Ymin) && std::isfinite(f.Ymax)
           && std::isfinite(w) && std::isfinite(h) && (w > 0 || h > 0) && (w == 0 || std::isfinite(1e6L / w))
           && (h == 0 || std::isfinite(1e6L / h));
}

TFenetre ZoomAutourDe(const TFenetre& f, const TVue& vue, int32_t colonne, int32_t ligne, Reel facteur)
{
    if (!(facteur > 0) || !std::isfinite(facteur))
        return f;
    // The shown area is the window widened about its centre on one axis; scaling the
    // window about a point scales the shown area about the same point, so the point keeps
    // its pixel whatever the surface's proportions.
    const Reel px = XReel(vue, colonne);
    const Reel py = YReel(vue, ligne);
    return {px + (f.Xmin - px) / facteur, px + (f.Xmax - px) / facteur, py + (f.Ymin - py) / facteur,
            py + (f.Ymax - py) / facteur};
}

TFenetre DecaleFenetre(const TFenetre& f, const TVue& vue, int32_t dx, int32_t dy)
{
    // Pixel rows grow downwards while world y grows upwards.
    const Reel ddx = static_cast<Reel>(dx) / vue.Echelle;
    const Reel ddy = static_cast<Reel>(dy) / vue.Echelle;
    return {f.Xmin - ddx, f.Xmax - ddx, f.Ymin + ddy, f.Ymax + ddy};
}

} // namespace velk
