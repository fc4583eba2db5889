// Conversions between the in-memory records (extended reals) and the rows of the element
// tables (64-bit reals): what is stored, and what a later statement reads back.
#pragma once

#include "geometry/records.h"
#include "store/table_memoire.h"

#include <cmath>

namespace velk {

using TablePoints = TableMemoire<2, 2>;
using TableLignes = TableMemoire<7, 2>;
using TableCercles = TableMemoire<9, 2>;
using TableVariables = TableMemoire<1, 0>;
using TableFormes = TableMemoire<0, 0>;

// Coordinates within 1E-14 of zero are noise of the computation: they are stored as an
// exact 0 so that later exact comparisons (parallel, vertical, on the axis) hold.
inline double Coordonnee(Reel v) {
    return (v > -1E-14L && v < 1E-14L) ? 0.0 : static_cast<double>(v);
}
// Angles, radius and values are stored as they are, rounded to 64 bits.
inline double Tel(Reel v) {
    return static_cast<double>(v);
}

template <int R, int E> bool Finie(const Rangee<R, E>& r) {
    for (double v : r.reels)
        if (!std::isfinite(v)) return false;
    return true;
}

inline TablePoints::Ligne VersRangee(const TRecPoint& p) {
    return {{Coordonnee(p.X), Coordonnee(p.Y)}, {p.Couleur, p.Couche}};
}

inline TableLignes::Ligne VersRangee(const TRecLigne& l) {
    return {{Coordonnee(l.Xpd), Coordonnee(l.Ypd), Tel(l.Aod), Coordonnee(l.Xdd), Coordonnee(l.Ydd),
             Coordonnee(l.Xfd), Coordonnee(l.Yfd)},
            {l.Couleur, l.Couche}};
}

inline TableCercles::Ligne VersRangee(const TRecCercle& c) {
    return {{Coordonnee(c.Xc), Coordonnee(c.Yc), Tel(c.Rc), Coordonnee(c.Xdc), Coordonnee(c.Ydc),
             Tel(c.Adc), Coordonnee(c.Xfc), Coordonnee(c.Yfc), Tel(c.Afc)},
            {c.Couleur, c.Couche}};
}

inline void VersRecord(int n, const TablePoints::Ligne& r, TRecPoint& p) {
    p.Numero = n;
    p.X = r.reels[0];
    p.Y = r.reels[1];
    p.Couleur = r.entiers[0];
    p.Couche = r.entiers[1];
}

inline void VersRecord(int n, const TableLignes::Ligne& r, TRecLigne& l) {
    l.Numero = n;
    Reel* champs[] = {&l.Xpd, &l.Ypd, &l.Aod, &l.Xdd, &l.Ydd, &l.Xfd, &l.Yfd};
    for (int i = 0; i < 7; ++i)
        *champs[i] = r.reels[static_cast<size_t>(i)];
    l.Couleur = r.entiers[0];
    l.Couche = r.entiers[1];
}

inline void VersRecord(int n, const TableCercles::Ligne& r, TRecCercle& c) {
    c.Numero = n;
    Reel* champs[] = {&c.Xc, &c.Yc, &c.Rc, &c.Xdc, &c.Ydc, &c.Adc, &c.Xfc, &c.Yfc, &c.Afc};
    for (int i = 0; i < 9; ++i)
        *champs[i] = r.reels[static_cast<size_t>(i)];
    c.Couleur = r.entiers[0];
    c.Couche = r.entiers[1];
}

} // namespace velk
