// Decimal text of a double with 17 significant digits, the form of the JSON output ("%.17g":
// correctly rounded, trailing zeros dropped, exponent form below 1E-4 and from 1E17).
#pragma once

namespace velk {

// Writes the text of a finite `valeur` at `tampon` (at least 32 bytes) and returns the end.
// Identical to std::to_chars(..., std::chars_format::general, 17); values of ordinary
// magnitude take an exact integer path that is several times faster.
char* EcritReel17(char* tampon, double valeur);

} // namespace velk
