// 17-digit decimal text of doubles (see reel_texte.h).
//
// A double of ordinary magnitude is m * 2^q with m < 2^53 and -127 < q <= 0. Scaled by
// 10^s so that it has 17 digits before the point, it is m * 10^s / 2^-q: with s at most 22
// the numerator stays below 2^127, so the 17 digits and the rounding (to nearest, ties to
// even, on the exact value) come from one 128-bit product and a shift. Everything else
// (tiny or huge values, large integers, infinities) goes to the standard library.
#include "cli/reel_texte.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace velk {

namespace {

using U128 = unsigned __int128;

constexpr uint64_t Dix16 = 10000000000000000ull;  // 10^16
constexpr uint64_t Dix17 = 100000000000000000ull; // 10^17

U128 PuissanceDix(int s) {
    U128 p = 1;
    for (int i = 0; i < s; ++i) p *= 10;
    return p;
}

struct TablePuissances {
    U128 p[23];
    TablePuissances() {
        for (int s = 0; s <= 22; ++s) p[s] = PuissanceDix(s);
    }
};
const TablePuissances Puissances;

struct TablePaires {
    char texte[200];
    TablePaires() {
        for (int i = 0; i < 100; ++i) {
            texte[2 * i] = static_cast<char>('0' + i / 10);
            texte[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
const TablePaires Paires;

// The 17 digits of m * 10^s / 2^k rounded to nearest, ties to even; false when the scaled
// value does not have 17 digits before the point (s was one off).
bool Chiffres(uint64_t m, int s, int k, uint64_t& d, int& ajustement) {
    const U128 n = U128(m) * Puissances.p[s];
    U128 entier = k == 0 ? n : n >> k;
    if (entier < Dix16) {
        ajustement = 1;
        return false;
    }
    if (entier >= Dix17) {
        ajustement = -1;
        return false;
    }
    if (k > 0) {
        const U128 reste = n & ((U128(1) << k) - 1);
        const U128 moitie = U128(1) << (k - 1);
        if (reste > moitie || (reste == moitie && (entier & 1))) ++entier;
    }
    d = static_cast<uint64_t>(entier);
    return true;
}

char* SansZeros(char* debut, char* fin) {
    // Drops trailing zeros of the fraction, and the point when nothing is left after it.
    while (fin > debut && fin[-1] == '0') --fin;
    if (fin > debut && fin[-1] == '.') --fin;
    return fin;
}

} // namespace

char* EcritReel17(char* tampon, double valeur) {
    uint64_t bits = 0;
    std::memcpy(&bits, &valeur, sizeof bits);
    const int champExposant = static_cast<int>((bits >> 52) & 0x7FF);
    const double a = std::fabs(valeur);
    if (a == 0) { // frequent: coordinates near zero are stored as an exact 0
        char* p = tampon;
        if (bits >> 63) *p++ = '-';
        *p++ = '0';
        return p;
    }
    // Ordinary magnitudes only: 1E-6 <= |v| < 2^53 (normal numbers, q <= 0, s <= 22).
    if (!(a >= 1e-6 && a < 9007199254740992.0))
        return std::to_chars(tampon, tampon + 32, valeur, std::chars_format::general, 17).ptr;
    const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int k = 1075 - champExposant; // v = m / 2^k, 2^52 <= m < 2^53
    // Decimal exponent estimated from the binary one (log10(2) = 0.30103); off by at most
    // one, which the digit count then corrects.
    const int e2 = champExposant - 1023; // 2^e2 <= v < 2^(e2+1)
    int x = (e2 * 78913) >> 18;
    uint64_t d = 0;
    for (int essai = 0;; ++essai) {
        const int s = 16 - x;
        int ajustement = 0;
        if (essai == 3 || s < 0 || s > 22 || k < 0 || k > 127)
            return std::to_chars(tampon, tampon + 32, valeur, std::chars_format::general, 17).ptr;
        if (Chiffres(m, s, k, d, ajustement)) break;
        x -= ajustement;
    }
    if (d == Dix17) { // rounding carried into an 18th digit
        d = Dix16;
        ++x;
    }
    // Digits in two halves of 32-bit arithmetic, two at a time.
    char chiffres[18];
    uint32_t haut = static_cast<uint32_t>(d / 1000000000u); // 8 digits
    uint32_t bas = static_cast<uint32_t>(d % 1000000000u);  // 9 digits
    chiffres[16] = static_cast<char>('0' + bas % 10);
    bas /= 10;
    for (int i = 14; i >= 8; i -= 2) {
        std::memcpy(chiffres + i, Paires.texte + 2 * (bas % 100), 2);
        bas /= 100;
    }
    for (int i = 6; i >= 0; i -= 2) {
        std::memcpy(chiffres + i, Paires.texte + 2 * (haut % 100), 2);
        haut /= 100;
    }
    char* p = tampon;
    if (valeur < 0) *p++ = '-';
    if (x >= -4 && x < 17) {
        if (x >= 0) {
            std::memcpy(p, chiffres, static_cast<size_t>(x + 1));
            p += x + 1;
            char* point = p;
            *p++ = '.';
            std::memcpy(p, chiffres + x + 1, static_cast<size_t>(16 - x));
            p += 16 - x;
            return SansZeros(point, p);
        }
        char* point = p + 1;
        *p++ = '0';
        *p++ = '.';
        for (int i = 0; i < -x - 1; ++i) *p++ = '0';
        std::memcpy(p, chiffres, 17);
        p += 17;
        return SansZeros(point, p);
    }
    *p++ = chiffres[0];
    char* point = p;
    *p++ = '.';
    std::memcpy(p, chiffres + 1, 16);
    p = SansZeros(point, p + 16);
    *p++ = 'e';
    *p++ = x < 0 ? '-' : '+';
    const int ax = x < 0 ? -x : x;
    if (ax >= 100) *p++ = static_cast<char>('0' + ax / 100);
    *p++ = static_cast<char>('0' + ax / 10 % 10);
    *p++ = static_cast<char>('0' + ax % 10);
    return p;
}

} // namespace velk
