// Palette grid rule and visibility flags.
#include "view/palette.h"

#include <algorithm>

namespace velk {

std::vector<CouleurRVB> PaletteGrille(int colonnes, int lignes)
{
    const int c = std::clamp(colonnes, 1, 16);
    const int r = std::clamp(lignes, 1, 16);
    std::vector<CouleurRVB> couleurs(static_cast<size_t>(c * r));
    for (int i = 1; i < c * r; ++i) {
        const int k = i % c;
        const int j = i / c;
        int v = (j + 1) * (256 / r);
        const int h = v / 2;
        const int q = (3 * v) / 4;
        v = std::min(v, 255);
        int rouge = 0, vert = 0, bleu = 0;
        switch (k) {
        case 0: rouge = v; vert = v; bleu = v; break;
        case 1: rouge = v; break;
        case 2: vert = v; break;
        case 3: bleu = v; break;
        case 4: rouge = v; vert = v; break;
        case 5: rouge = v; bleu = v; break;
        case 6: vert = v; bleu = v; break;
        case 7: rouge = v; vert = h; break;
        case 8: rouge = h; break;
        case 9: rouge = v; bleu = h; break;
        case 10: rouge = q; bleu = h; break;
        case 11: rouge = h; bleu = h; break;
        case 12: bleu = h; break;
        case 13: vert = h; bleu = h; break;
        case 14: vert = h; break;
        default: rouge = h; vert = h; break;
        }
        // Components are bytes: a value of 256 or more keeps its low eight bits.
        couleurs[static_cast<size_t>(i)] = {static_cast<uint8_t>(rouge), static_cast<uint8_t>(vert),
                                            static_cast<uint8_t>(bleu)};
    }
    return couleurs;
}

const std::array<CouleurRVB, 16>& Palette()
{
    static const std::array<CouleurRVB, 16> palette = [] {
        std::array<CouleurRVB, 16> p{};
        const auto grille = PaletteGrille(8, 2);
        std::copy(grille.begin(), grille.end(), p.begin());
        return p;
    }();
    return palette;
}

void TVisibilite::ToutVisible()
{
    points_ = lignes_ = cercles_ = true;
    couleurs_.fill(true);
    couches_.fill(true);
}

void TVisibilite::SetCouleurVisible(int32_t couleur, bool v)
{
    if (couleur >= 0 && couleur < 256)
        couleurs_[static_cast<size_t>(couleur)] = v;
}

void TVisibilite::SetCoucheVisible(int32_t couche, bool v)
{
    if (couche >= 0 && couche < 256)
        couches_[static_cast<size_t>(couche)] = v;
}

} // namespace velk
