// Exact decimal conversion. Short numbers (at most 19 significant digits and a decimal
// exponent within ±27) are converted with one correctly rounded multiplication or division
// of two exactly representable extended reals; anything longer goes through the C library
// under the "C" locale, which rounds correctly as well.
#include "language/nombres.h"

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace velk {

namespace {

// 10^0 .. 10^27: each fits the 64-bit mantissa of the extended type exactly.
constexpr int PuissanceExacteMax = 27;
const Reel PuissancesDeDix[PuissanceExacteMax + 1] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

locale_t LocaleC() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return locale;
}

constexpr int64_t ExposantSature = 100'000'000'000'000'000;

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

Reel ConvertitParBibliotheque(std::string_view texte) {
    std::string copie;
    copie.reserve(texte.size());
    for (char c : texte) copie += c;
    errno = 0;
    return strtold_l(copie.c_str(), nullptr, LocaleC());
}

} // namespace

bool ConvertitReel(std::string_view texte, Reel& valeur) {
    const size_t n = texte.size();
    // Most numbers of a program (colours, layers, whole coordinates) are a few bare digits:
    // below 10^18 their value is an integer the extended type holds exactly.
    if (n > 0 && n <= 18) {
        uint64_t entier = 0;
        size_t k = 0;
        while (k < n && EstChiffre(texte[k])) entier = entier * 10 + static_cast<uint64_t>(texte[k++] - '0');
        if (k == n) {
            valeur = static_cast<Reel>(entier);
            return true;
        }
    }
    size_t i = 0;
    bool negatif = false;
    if (i < n && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';

    uint64_t mantisse = 0;
    int64_t significatifs = 0; // digits of the mantissa after its leading zeros
    int64_t chiffres = 0;      // all digits of the mantissa
    int64_t decimales = 0;     // digits after the point
    bool point = false;
    for (; i < n; ++i) {
        const char c = texte[i];
        if (EstChiffre(c)) {
            ++chiffres;
            if (point) ++decimales;
            if (mantisse != 0 || c != '0') {
                ++significatifs;
                if (significatifs <= 19) mantisse = mantisse * 10 + static_cast<uint64_t>(c - '0');
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (chiffres == 0) return false;

    int64_t exposant = 0;
    if (i < n && texte[i] == 'E') {
        ++i;
        bool exposantNegatif = false;
        if (i < n && (texte[i] == '+' || texte[i] == '-')) exposantNegatif = texte[i++] == '-';
        if (i >= n || !EstChiffre(texte[i])) return false;
        for (; i < n && EstChiffre(texte[i]); ++i) {
            // Saturate far beyond any count of digits a text can hold, so that the exponent
            // less the decimals keeps its true sign and size: a saturated exponent then
            // takes the library's path, which gives 0 or an infinity.
            if (exposant < ExposantSature) exposant = exposant * 10 + (texte[i] - '0');
        }
        if (exposantNegatif) exposant = -exposant;
    }
    if (i != n) return false;

    if (significatifs <= 19) {
        const int64_t puissance = exposant - decimales;
        Reel resultat = static_cast<Reel>(mantisse);
        if (mantisse == 0) {
            valeur = negatif ? -resultat : resultat;
            return true;
        }
        if (puissance >= 0 && puissance <= PuissanceExacteMax) {
            resultat *= PuissancesDeDix[puissance];
            valeur = negatif ? -resultat : resultat;
            return true;
        }
        if (puissance < 0 && puissance >= -PuissanceExacteMax) {
            resultat /= PuissancesDeDix[-puissance];
            valeur = negatif ? -resultat : resultat;
            return true;
        }
    }
    valeur = ConvertitParBibliotheque(texte);
    return true;
}

} // namespace velk
