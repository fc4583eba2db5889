// ArrondiEntier against an independent reading of its rule: the value printed with 18
// significant digits by the C library, then rounded half away from zero on that text.
#include "geometry/conventions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace velk {
namespace {

int32_t ParLeTexte(Reel x) {
    if (x < -999999999.0L) return -999999999;
    if (x > 999999998.0L) return 999999999;
    char texte[64];
    std::snprintf(texte, sizeof texte, "%.17Le", x);
    const bool negatif = texte[0] == '-';
    const char* p = texte + (negatif ? 1 : 0);
    std::string chiffres(1, p[0]);
    chiffres.append(p + 2, 17);
    const int exposant = std::atoi(std::strchr(p, 'e') + 1);
    const int longueur_entiere = exposant + 1;
    int64_t n = 0;
    for (int i = 0; i < longueur_entiere; ++i)
        n = n * 10 + (chiffres[i] - '0');
    const int premiere_decimale = longueur_entiere >= 0 ? chiffres[longueur_entiere] - '0' : 0;
    if (premiere_decimale >= 5) ++n;
    return static_cast<int32_t>(negatif ? -n : n);
}

TEST(ArrondiEntier, HalvesAwayFromZeroAndClamps) {
    const struct {
        Reel x;
        int32_t attendu;
    } cas[] = {
        {2.5L, 3},
        {2.49L, 2},
        {-2.5L, -3},
        {-2.7L, -3},
        {-0.3L, 0},
        {-0.5L, -1},
        {0.0L, 0},
        {1E12L, 999999999},
        {-1E12L, -999999999},
        {999999998.0L, 999999998},
        {999999998.4L, 999999999}, // above 999 999 998: clamped, not rounded
        {-999999999.0L, -999999999},
        {-999999999.4L, -999999999},
        {INFINITY, 999999999},
        {-INFINITY, -999999999},
        {NAN, 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ArrondiEntier(c.x), c.attendu) << static_cast<double>(c.x);
}

TEST(ArrondiEntier, DecidesOnTheEighteenDigitForm) {
    // Just below one half, the 18-digit form already reads …5 and rounds up.
    EXPECT_EQ(ArrondiEntier(std::nextafter(2.5L, 0.0L)), 3);
    EXPECT_EQ(ArrondiEntier(std::nextafter(-2.5L, 0.0L)), -3);
    EXPECT_EQ(ArrondiEntier(std::nextafter(0.5L, 0.0L)), 1);
    // 0.499999999999999999 has exactly 18 digits, all kept: it stays below one half.
    EXPECT_EQ(ArrondiEntier(0.499999999999999999L), 0);
    EXPECT_EQ(ArrondiEntier(2.4999999999999999L), 2);
}

TEST(ArrondiEntier, MatchesTheDecimalRuleNearEveryHalf) {
    // Walk down from n + 0.5 one representable value at a time, across the point where
    // the decimal form stops reading .5, for integer parts of every length.
    const Reel bases[] = {0,       1,         7,         42,        512,       9999,
                          31415,   123456,    4999999,   12345678,  123456789, -3,
                          -123456, -98765432, 999999997, -999999998};
    for (Reel n : bases) {
        Reel x = n + (n < 0 ? -0.5L : 0.5L);
        for (int pas = 0; pas < 400; ++pas) {
            ASSERT_EQ(ArrondiEntier(x), ParLeTexte(x)) << std::to_string(static_cast<double>(x));
            x = std::nextafter(x, n);
        }
        for (Reel f : {0.4998999L, 0.4999L, 0.4999001L, 0.5000999L, 0.5001L, 0.5001001L, 0.9999999L,
                       0.0000001L}) {
            const Reel y = n < 0 ? n - f : n + f;
            ASSERT_EQ(ArrondiEntier(y), ParLeTexte(y)) << std::to_string(static_cast<double>(y));
        }
    }
}

TEST(ArrondiEntier, MatchesTheDecimalRuleOnRandomValues) {
    std::mt19937_64 alea(12345);
    std::uniform_real_distribution<double> large(-1.2e9, 1.2e9);
    std::uniform_real_distribution<double> petit(-3, 3);
    for (int i = 0; i < 200000; ++i) {
        const Reel x = i % 2 ? static_cast<Reel>(large(alea)) : static_cast<Reel>(petit(alea));
        ASSERT_EQ(ArrondiEntier(x), ParLeTexte(x)) << static_cast<double>(x);
    }
}

} // namespace
} // namespace velk
