// Checks of the value dialog: which characters each input mode allows, the range of an
// angle, and which message refuses a value. No widget here, so the rules run headless;
// the dialog only shows the message this returns.
#pragma once

#include "geometry/records.h"

#include <QString>

namespace velk {

// Input modes of the value dialog.
enum ModeSaisieValeur : int {
    SaisieQuelconque = 0, // any value
    SaisiePositive = 1,   // a value greater than 0
    SaisieAngle = 2       // an angle in degrees, -360 to 360
};

enum class VerdictSaisie {
    Valide,         // accepted, the dialog closes
    Incorrecte,     // refused: warning box with MessageRefus(mode)
    ErreurConversion // angle text that is no number: error box with MessageConversion(texte)
};

// The verdict on the text typed when Enter is pressed in the given mode.
VerdictSaisie VerifieSaisie(const QString& texte, int mode);

// The warning shown for a refused value, by mode.
QString MessageRefus(int mode);
// The error shown when an angle cannot be read as a number.
QString MessageConversion(const QString& texte);

// True when every character of texte belongs to the mode's set.
bool CaracteresPermis(const QString& texte, int mode);

// Reads a decimal number as a statement does, with "." whatever the locale: optional
// sign, digits with an optional point, optional "E" exponent. Returns false when the text
// is not such a number. Overflow gives an infinite value.
bool LitReel(const QString& texte, Reel& valeur);

} // namespace velk
