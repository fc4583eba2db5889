// Clipping of an unbounded line to the drawing surface: exact horizontal and vertical
// cases first, then the four borders in the order top, bottom, left, right.
#include "view/decoupe_ligne.h"

#include "geometry/conventions.h"

#include <cmath>

namespace velk {

namespace {

// 90 degrees converted the way a statement's angle is, so that an exact match is possible.
constexpr Reel Deg90 = 90 * Pi / 180;
constexpr Reel Deg45 = Pi / 4;
constexpr Reel Deg135 = 3 * Pi / 4;

// Pixel offsets beyond this are clamped by the rounding; keep well inside.
constexpr Reel LimitePixel = 500000000.0L;

void Ajoute(CoupureLigne& c, int64_t x, int64_t y)
{
    if (c.Nombre < 2)
        c.Points[c.Nombre++] = {x, y};
}

} // namespace

TangentesLigne Tangentes(Reel aod)
{
    TangentesLigne t;
    t.Angle = aod;
    Reel a = aod;
    if (a >= Pi)
        a -= Pi;
    if (!std::isfinite(a) || a == 0 || a == Deg90)
        return t;
    t.T = std::tan(a);
    if (a > Deg45 && a < Deg135)
        t.U = std::tan(a - Deg90);
    return t;
}

const TangentesLigne& MemoireTangentes::Pour(int32_t numero, Reel aod)
{
    constexpr int32_t NumerosMax = 65536;
    TangentesLigne* t = &horsTable_;
    if (numero >= 0 && numero < NumerosMax) {
        if (static_cast<size_t>(numero) >= memoire_.size())
            memoire_.resize(static_cast<size_t>(numero) + 1);
        t = &memoire_[static_cast<size_t>(numero)];
    }
    if (!(t->Angle == aod))
        *t = Tangentes(aod);
    return *t;
}

CoupureLigne CoupeLigne(const TVue& vue, Reel xpd, Reel ypd, Reel aod)
{
    return CoupeLigne(vue, xpd, ypd, aod, Tangentes(aod));
}

CoupureLigne CoupeLigne(const TVue& vue, Reel xpd, Reel ypd, Reel aod, const TangentesLigne& tangentes)
{
    CoupureLigne c;
    if (!std::isfinite(xpd) || !std::isfinite(ypd) || !std::isfinite(aod))
        return c;

    // A defining point far outside the surface would have its pixel position clamped and
    // the line drawn in the wrong place: slide it to the foot of the perpendicular from
    // the centre of the surface, which is the same line.
    const Reel fx = (xpd - vue.OrigineX) * vue.Echelle;
    const Reel fy = (ypd - vue.OrigineY) * vue.Echelle;
    if (std::fabs(fx) > LimitePixel || std::fabs(fy) > LimitePixel) {
        const Reel cx = vue.OrigineX + vue.Largeur / (2 * vue.Echelle);
        const Reel cy = vue.OrigineY + vue.Hauteur / (2 * vue.Echelle);
        const Reel ux = std::cos(aod);
        const Reel uy = std::sin(aod);
        const Reel t = (cx - xpd) * ux + (cy - ypd) * uy;
        xpd += t * ux;
        ypd += t * uy;
    }

    const int64_t W = vue.Largeur;
    const int64_t H = vue.Hauteur;
    const int64_t px = XEcran(vue, xpd);
    const int64_t py = YEcran(vue, ypd);
    Reel a = aod;
    if (a >= Pi)
        a -= Pi;

    if (a == 0) {
        if (0 < py && py < H) {
            Ajoute(c, 0, py);
            Ajoute(c, W, py);
        }
        return c;
    }
    if (a == Deg90) {
        if (0 < px && px < W) {
            Ajoute(c, px, 0);
            Ajoute(c, px, H);
        }
        return c;
    }

    const Reel t = tangentes.T;
    int64_t haut, bas;
    if (a > Deg45 && a < Deg135) {
        const Reel u = tangentes.U;
        haut = px - ArrondiEntier(py * u);
        bas = px + ArrondiEntier((H - py) * u);
    } else {
        haut = px + ArrondiEntier(py / t);
        bas = px - ArrondiEntier((H - py) / t);
    }
    if (0 <= haut && haut <= W)
        Ajoute(c, haut, 0);
    if (0 <= bas && bas <= W)
        Ajoute(c, bas, H);
    const int64_t gauche = py + ArrondiEntier(px * t);
    if (0 <= gauche && gauche <= H)
        Ajoute(c, 0, gauche);
    const int64_t droite = py - ArrondiEntier((W - px) * t);
    if (0 <= droite && droite <= H)
        Ajoute(c, W, droite);
    return c;
}

} // namespace velk
