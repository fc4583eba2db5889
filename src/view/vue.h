// The world-to-pixel transform of the drawing surface and the side-of-a-click letters.
// Pure arithmetic on extended reals; pixel values come from ArrondiEntier.
#pragma once

#include "geometry/records.h"

#include <cstdint>

namespace velk {

// A view transform: one scale on both axes, world y upwards, pixel rows downwards.
struct TVue {
    Reel OrigineX = 0; // world x of pixel column 0
    Reel OrigineY = 0; // world y of the bottom edge (pixel row Hauteur)
    Reel Echelle = 1;  // pixels per world unit
    int32_t Largeur = 0;
    int32_t Hauteur = 0;
};

// The world window asked for; the view shows at least this.
struct TFenetre {
    Reel Xmin = 0;
    Reel Xmax = 0;
    Reel Ymin = 0;
    Reel Ymax = 0;

    bool operator==(const TFenetre& o) const
    {
        return Xmin == o.Xmin && Xmax == o.Xmax && Ymin == o.Ymin && Ymax == o.Ymax;
    }
    bool operator!=(const TFenetre& o) const { return !(*this == o); }
};

int32_t XEcran(const TVue& vue, Reel x);
int32_t YEcran(const TVue& vue, Reel y);
Reel XReel(const TVue& vue, int32_t colonne);
Reel YReel(const TVue& vue, int32_t ligne);

// The transform that shows the window centred on a surface of the given size. A window of
// zero width (or height) leaves the other axis to decide; zero on both gives scale 1.
TVue CalculeVue(const TFenetre& fenetre, int32_t largeur, int32_t hauteur);

// Choice letters from the side of a click (pixels) relative to a world coordinate:
// 'D'/'G' right or left, 'H'/'B' above or below, ' ' when exactly level.
char CoteHorizontal(const TVue& vue, int32_t colonne, Reel x);
char CoteVertical(const TVue& vue, int32_t ligne, Reel y);
// The letter of the axis along which the click is farther from the point; a tie is vertical.
char CoteDominant(const TVue& vue, int32_t colonne, int32_t ligne, Reel x, Reel y);

} // namespace velk
