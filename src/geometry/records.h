// Element records shared by solvers, store, language and view.
// Coordinates and radii are extended reals; angles are radians counter-clockwise from +X.
#pragma once

#include <cstdint>

namespace velk {

using Reel = long double;

struct TRecPoint {
    int32_t Numero = 0;
    Reel X = 0;
    Reel Y = 0;
    int32_t Couleur = 0;
    int32_t Couche = 0;
};

// A directed line through (Xpd, Ypd) at angle Aod; the segment fields are all 0 for an
// unbounded line.
struct TRecLigne {
    int32_t Numero = 0;
    Reel Xpd = 0;
    Reel Ypd = 0;
    Reel Aod = 0;
    Reel Xdd = 0;
    Reel Ydd = 0;
    Reel Xfd = 0;
    Reel Yfd = 0;
    int32_t Couleur = 0;
    int32_t Couche = 0;
};

// A circle of centre (Xc, Yc) and radius Rc; the six arc fields are 0 for a whole circle.
struct TRecCercle {
    int32_t Numero = 0;
    Reel Xc = 0;
    Reel Yc = 0;
    Reel Rc = 0;
    Reel Xdc = 0;
    Reel Ydc = 0;
    Reel Adc = 0;
    Reel Xfc = 0;
    Reel Yfc = 0;
    Reel Afc = 0;
    int32_t Couleur = 0;
    int32_t Couche = 0;
};

} // namespace velk
