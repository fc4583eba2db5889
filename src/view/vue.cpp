// World-to-pixel conversions, the view computed from a window, and click-side letters.
#include "view/vue.h"

#include "geometry/conventions.h"

#include <cmath>

namespace velk {

int32_t XEcran(const TVue& vue, Reel x)
{
    return ArrondiEntier((x - vue.OrigineX) * vue.Echelle);
}

int32_t YEcran(const TVue& vue, Reel y)
{
    // Hauteur minus a value clamped to +-999 999 999 stays inside 32 bits for any
    // surface a screen or printer can have.
    return static_cast<int32_t>(static_cast<int64_t>(vue.Hauteur)
                                - ArrondiEntier((y - vue.OrigineY) * vue.Echelle));
}

Reel XReel(const TVue& vue, int32_t colonne)
{
    return vue.OrigineX + static_cast<Reel>(colonne) / vue.Echelle;
}

Reel YReel(const TVue& vue, int32_t ligne)
{
    return vue.OrigineY + static_cast<Reel>(vue.Hauteur - static_cast<int64_t>(ligne)) / vue.Echelle;
}

TVue CalculeVue(const TFenetre& f, int32_t largeur, int32_t hauteur)
{
    TVue v;
    v.Largeur = largeur;
    v.Hauteur = hauteur;
    const Reel sx = f.Xmax == f.Xmin ? Reel(0) : largeur / (f.Xmax - f.Xmin);
    const Reel sy = f.Ymax == f.Ymin ? Reel(0) : hauteur / (f.Ymax - f.Ymin);
    if (sx == 0 && sy == 0)
        v.Echelle = 1;
    else if (sx == 0)
        v.Echelle = sy;
    else if (sy == 0)
        v.Echelle = sx;
    else
        v.Echelle = sx < sy ? sx : sy;
    // A surface of zero size (a hidden panel) or an inverted window would give a scale that
    // is zero, negative or not finite; every later division by it would poison the view.
    if (!(v.Echelle > 0) || !std::isfinite(v.Echelle))
        v.Echelle = 1;
    v.OrigineX = (f.Xmin + f.Xmax) / 2 - largeur / (2 * v.Echelle);
    v.OrigineY = (f.Ymin + f.Ymax) / 2 - hauteur / (2 * v.Echelle);
    return v;
}

char CoteHorizontal(const TVue& vue, int32_t colonne, Reel x)
{
    const Reel cx = XReel(vue, colonne);
    if (x < cx)
        return 'D';
    if (x == cx)
        return ' ';
    return 'G';
}

char CoteVertical(const TVue& vue, int32_t ligne, Reel y)
{
    const Reel cy = YReel(vue, ligne);
    if (y < cy)
        return 'H';
    if (y == cy)
        return ' ';
    return 'B';
}

char CoteDominant(const TVue& vue, int32_t colonne, int32_t ligne, Reel x, Reel y)
{
    const Reel cx = XReel(vue, colonne);
    const Reel cy = YReel(vue, ligne);
    if (std::fabs(y - cy) >= std::fabs(x - cx))
        return CoteVertical(vue, ligne, y);
    return CoteHorizontal(vue, colonne, x);
}

} // namespace velk
