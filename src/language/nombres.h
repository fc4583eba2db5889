// Decimal text to extended real, exact and independent of the user's locale: "." is the
// only decimal separator, "E" the only exponent mark.
#pragma once

#include "geometry/records.h"

#include <string_view>

namespace velk {

// Converts `texte` as a whole: an optional sign, digits with at most one ".", at least one
// digit, then optionally "E", an optional sign and at least one digit. The result is the
// extended real nearest to the decimal value (an overflow gives an infinity). Returns false,
// leaving `valeur` unchanged, when the text is not such a number.
bool ConvertitReel(std::string_view texte, Reel& valeur);

} // namespace velk
