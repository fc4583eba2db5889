// The colour numbers of elements (a palette built by a grid rule) and the visibility
// flags by kind, colour and layer that drawing and picking both obey.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velk {

struct CouleurRVB {
    uint8_t Rouge = 0;
    uint8_t Vert = 0;
    uint8_t Bleu = 0;
    bool operator==(const CouleurRVB& o) const
    {
        return Rouge == o.Rouge && Vert == o.Vert && Bleu == o.Bleu;
    }
};

// The colours of a grid of `colonnes` x `lignes` swatches (each 1..16; values outside are
// brought into that range). Colour 0 is black; each column is a hue, each row a brightness.
std::vector<CouleurRVB> PaletteGrille(int colonnes, int lignes);

// The 16 element colours: the 8 x 2 grid.
const std::array<CouleurRVB, 16>& Palette();

constexpr int NombreCouleurs = 16;
constexpr int NombreCouches = 32;

class TVisibilite {
public:
    TVisibilite() { ToutVisible(); }

    void ToutVisible();

    bool PointsVisibles() const { return points_; }
    bool LignesVisibles() const { return lignes_; }
    bool CerclesVisibles() const { return cercles_; }
    // False for a number outside the palette (0..15) or the layers (0..31).
    bool CouleurVisible(int32_t couleur) const
    {
        return couleur >= 0 && couleur < NombreCouleurs && couleurs_[couleur];
    }
    bool CoucheVisible(int32_t couche) const
    {
        return couche >= 0 && couche < NombreCouches && couches_[couche];
    }
    // The colour and layer tests an element of a visible kind must pass.
    bool Visible(int32_t couleur, int32_t couche) const
    {
        return CouleurVisible(couleur) && CoucheVisible(couche);
    }

    // The raw flag of any number 0..255, whatever the palette and layer count (false
    // outside): what the visibility dialog shows in its cells.
    bool DrapeauCouleur(int32_t couleur) const
    {
        return couleur >= 0 && couleur < 256 && couleurs_[std::size_t(couleur)];
    }
    bool DrapeauCouche(int32_t couche) const
    {
        return couche >= 0 && couche < 256 && couches_[std::size_t(couche)];
    }

    void SetPointsVisibles(bool v) { points_ = v; }
    void SetLignesVisibles(bool v) { lignes_ = v; }
    void SetCerclesVisibles(bool v) { cercles_ = v; }
    // Numbers outside 0..255 are ignored.
    void SetCouleurVisible(int32_t couleur, bool v);
    void SetCoucheVisible(int32_t couche, bool v);

private:
    bool points_ = true;
    bool lignes_ = true;
    bool cercles_ = true;
    std::array<bool, 256> couleurs_{};
    std::array<bool, 256> couches_{};
};

} // namespace velk
