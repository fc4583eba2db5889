// Fitting the print view to the page.
#include "view/impression.h"

#include <cmath>

namespace velk {

namespace {

bool Positif(Reel v)
{
    return std::isfinite(v) && v > 0;
}

// The view centred on (cx, cy) at the given scale, when every figure of it is usable.
std::optional<TVue> VueCentree(const TPage& page, Reel cx, Reel cy, Reel echelle)
{
    if (!Positif(echelle))
        return std::nullopt;
    TVue v;
    v.Largeur = page.Largeur;
    v.Hauteur = page.Hauteur;
    v.Echelle = echelle;
    v.OrigineX = cx - page.Largeur / (2 * echelle);
    v.OrigineY = cy - page.Hauteur / (2 * echelle);
    if (!std::isfinite(v.OrigineX) || !std::isfinite(v.OrigineY))
        return std::nullopt;
    return v;
}

} // namespace

std::string DefautPage(const TPage& page)
{
    if (page.Largeur <= 0 || page.Hauteur <= 0)
        return "la page n'a aucune surface imprimable (" + std::to_string(page.Largeur) + " x "
               + std::to_string(page.Hauteur) + " points).";
    if (!Positif(page.LargeurMM) || !Positif(page.HauteurMM))
        return "l'imprimante indique une taille imprimable nulle en millimètres.";
    return {};
}

std::optional<TVue> CadreImpression(const TPage& page, Reel xmin, Reel ymin, Reel xmax, Reel ymax)
{
    if (page.Largeur <= 0 || page.Hauteur <= 0 || !(xmax > xmin) || !(ymax > ymin))
        return std::nullopt;
    const Reel sx = page.Largeur / (xmax - xmin);
    const Reel sy = page.Hauteur / (ymax - ymin);
    // The axis that needs the smaller scale decides; a tie keeps the vertical one.
    const Reel echelle = sy <= sx ? sy : sx;
    return VueCentree(page, (xmin + xmax) / 2, (ymin + ymax) / 2, echelle);
}

std::optional<TVue> EchelleImpressionCentree(const TPage& page, Reel x, Reel y, Reel echelle)
{
    if (!DefautPage(page).empty() || !Positif(echelle))
        return std::nullopt;
    // Device pixels per millimetre on each axis; the coarser axis keeps the true scale.
    const Reel ph = page.Largeur / page.LargeurMM;
    const Reel pv = page.Hauteur / page.HauteurMM;
    return VueCentree(page, x, y, (pv <= ph ? pv : ph) * echelle);
}

} // namespace velk
