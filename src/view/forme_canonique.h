// The canonical form of a point, line or circle: the stored values of the element as the
// canonical-form window lists them (titles, values, which rows and frames show, the window
// height), and the text copied to the clipboard.
#pragma once

#include "geometry/records.h"

#include <QChar>
#include <QString>

#include <array>

namespace velk {

// The rows of the window, top to bottom.
enum RangForme {
    RangNum,
    RangCouleur,
    RangCouche,
    RangX,
    RangY,
    RangRayon, // radius of a circle, direction of a line
    RangXDebut,
    RangYDebut,
    RangXFin,
    RangYFin,
    RangAngleDebut,
    RangAngleFin,
    NombreRangsForme
};

// The frames that group the rows.
enum CadreForme { Bevel1, CadreClCc, CadreXY, CadreXdYd, CadreXfYf, CadreAdAf, NombreCadresForme };

struct LigneForme {
    QString titre;
    QString valeur;        // as shown: up to 15 significant digits
    QString valeurExacte;  // as copied: 17 significant digits, enough to give the double back
    bool visible = false;
};

struct ContenuFormeCanonique {
    QChar genre;     // 'P', 'L' or 'C'
    int numero = 0;
    int hauteur = 0; // client height of the window
    int hauteurCadreXY = 0;
    bool centre = false; // centred on the screen at each showing
    std::array<LigneForme, NombreRangsForme> rangs;

    bool CadreVisible(CadreForme cadre) const;
    // One "title value" line per shown row, values with 17 significant digits.
    QString TexteCopie() const;
};

ContenuFormeCanonique FormePoint(const TRecPoint& p);
ContenuFormeCanonique FormeLigne(const TRecLigne& l);
ContenuFormeCanonique FormeCercle(const TRecCercle& c);

// The frame of each row.
CadreForme CadreDuRang(RangForme rang);

// A real in the general shortest form with at most `chiffres` significant digits, "." as
// decimal point and "E" for the exponent, as statements write numbers ("0.1", "1E-5").
QString TexteReel(Reel valeur, int chiffres);

} // namespace velk
