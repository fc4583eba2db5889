// Decimal conversion: exact to the last bit of the extended type, the same in every
// locale, and strict about what a number is.
#include "language/nombres.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <vector>

namespace velk {
namespace {

struct CasNombre {
    const char* texte;
    Reel attendu;
};

// Expected values are the compiler's own correctly rounded literals.
const CasNombre Exacts[] = {
    {"12", 12.0L},
    {"-3.5", -3.5L},
    {"+4", 4.0L},
    {"1E3", 1000.0L},
    {"2.5E-2", 2.5E-2L},
    {"0.1", 0.1L},
    {"-0.3", -0.3L},
    {".5", 0.5L},
    {"5.", 5.0L},
    {"007", 7.0L},
    {"123456.789", 123456.789L},
    {"0.01745329251994329577", 0.01745329251994329577L},
    {"3.14159265358979323846264338327950288", 3.14159265358979323846264338327950288L},
    {"18446744073709551615", 18446744073709551615.0L},
    {"99999999999999999999", 99999999999999999999.0L},
    {"1E-30", 1E-30L},
    {"1E300", 1E300L},
    {"1E400", 1E400L},
    {"4.9406564584124654E-324", 4.9406564584124654E-324L},
    {"0.000000000000000000000000000000123", 0.000000000000000000000000000000123L},
    {"1E+2", 100.0L},
    {"1E-0", 1.0L},
};

TEST(Nombres, ConvertsToTheNearestExtendedReal) {
    for (const auto& cas : Exacts) {
        Reel x = -42;
        ASSERT_TRUE(ConvertitReel(cas.texte, x)) << cas.texte;
        EXPECT_EQ(x, cas.attendu) << cas.texte;
    }
}

// Against the C library's correctly rounded conversion, bit for bit, on random texts of
// every shape the fast paths take or leave: bare integers up to 20 digits, decimals, signs,
// exponents within and beyond the exact powers.
TEST(Nombres, SameBitsAsTheCLibraryOnRandomTexts) {
    const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    uint64_t graine = 0x9E3779B97F4A7C15ULL;
    auto tirage = [&graine](int n) {
        graine ^= graine << 13;
        graine ^= graine >> 7;
        graine ^= graine << 17;
        return static_cast<int>(graine % static_cast<uint64_t>(n));
    };
    for (int essai = 0; essai < 200000; ++essai) {
        std::string texte;
        if (tirage(4) == 0) texte += tirage(2) ? '-' : '+';
        const int avant = tirage(21);
        for (int k = 0; k < avant; ++k) texte += static_cast<char>('0' + tirage(10));
        if (tirage(2)) {
            texte += '.';
            const int apres = tirage(avant == 0 ? 12 : 10) + (avant == 0 ? 1 : 0);
            for (int k = 0; k < apres; ++k) texte += static_cast<char>('0' + tirage(10));
        }
        if (texte.find_first_of("0123456789") == std::string::npos) texte += '7';
        if (tirage(3) == 0) texte += "E" + std::to_string(tirage(80) - 40);
        Reel x = 0;
        ASSERT_TRUE(ConvertitReel(texte, x)) << texte;
        const Reel attendu = strtold_l(texte.c_str(), nullptr, c);
        ASSERT_EQ(std::memcmp(&x, &attendu, 10), 0) << texte;
    }
    freelocale(c);
}

std::string Oppose(const std::string& exposant) {
    return exposant[0] == '-' ? exposant.substr(1) : "-" + exposant;
}

// Long texts: a million zeros after the point, long mantissas, exponents that cancel the
// zeros, overflow, underflow or pass any count of digits. The exponent and the number of
// decimals must be combined exactly whatever their sizes; the C library is the reference.
TEST(Nombres, SameBitsAsTheCLibraryOnLongTexts) {
    const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    int infinis = 0;
    for (long zeros : {0L, 18L, 28L, 4000L, 999'999L}) {
        std::vector<std::string> exposants;
        for (long decalage : {-4960L, -40L, -1L, 0L, 1L, 9L, 27L, 28L, 4940L})
            exposants.push_back(std::to_string(zeros + decalage));
        for (const char* grand : {"10000100", "-10000100", "99999999999999999", "999999999999999999",
                                  "99999999999999999999999", "-99999999999999999999999"})
            exposants.push_back(grand);
        const std::string suite(static_cast<size_t>(zeros), '0');
        for (const char* chiffres : {"1", "987654321", "12345678901234567891234"}) {
            for (const std::string& exposant : exposants) {
                // The zeros after the point, then after the digits of an integer.
                for (const std::string& texte :
                     {"0." + suite + chiffres + "E" + exposant,
                      "-" + std::string(chiffres) + suite + "E" + Oppose(exposant)}) {
                    Reel x = 0;
                    ASSERT_TRUE(ConvertitReel(texte, x)) << texte.substr(0, 40);
                    const Reel attendu = strtold_l(texte.c_str(), nullptr, c);
                    ASSERT_EQ(std::memcmp(&x, &attendu, 10), 0)
                        << texte.size() << " characters, E" << exposant << ": " << x << " vs "
                        << attendu;
                    infinis += std::isinf(x);
                }
            }
        }
    }
    EXPECT_GT(infinis, 0); // the overflowing cases were reached
    freelocale(c);
}

TEST(Nombres, RefusesWhatIsNotANumber) {
    for (const char* texte : {"", "-", "+", ".", "1.2.3", "5E", "E5", "1E+", "1-2", "--1",
                              "1E2E3", "1E2.5", "+-1", "1..", "0x10", "1,5"}) {
        Reel x = 42;
        EXPECT_FALSE(ConvertitReel(texte, x)) << texte;
        EXPECT_EQ(x, 42) << texte;
    }
}

TEST(Nombres, OverflowGivesInfinityAndNegativeZeroKeepsItsSign) {
    Reel x = 0;
    ASSERT_TRUE(ConvertitReel("1E5000", x));
    EXPECT_TRUE(std::isinf(x));
    ASSERT_TRUE(ConvertitReel("1E99999999999999999999", x));
    EXPECT_TRUE(std::isinf(x));
    ASSERT_TRUE(ConvertitReel("1E-99999999999999999999", x));
    EXPECT_EQ(x, 0);
    ASSERT_TRUE(ConvertitReel("-0", x));
    EXPECT_TRUE(std::signbit(x));
}

TEST(Nombres, DecimalCommaLocaleChangesNothing) {
    const std::string avant = std::setlocale(LC_ALL, nullptr);
    const bool virgule = (std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr ||
                          std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) &&
                         std::string(std::localeconv()->decimal_point) == ",";
    if (!virgule) {
        std::setlocale(LC_ALL, avant.c_str());
        // CI installs the French locale and asks for this test to run.
        if (std::getenv("VELK_EXIGE_LOCALES") != nullptr)
            FAIL() << "no decimal-comma locale installed";
        GTEST_SKIP() << "no decimal-comma locale installed";
    }
    Reel court = 0, long_ = 0;
    const bool ok1 = ConvertitReel("2.5", court);
    const bool ok2 = ConvertitReel("2.50000000000000000000000001", long_);
    std::setlocale(LC_ALL, avant.c_str());
    ASSERT_TRUE(ok1 && ok2);
    EXPECT_EQ(court, 2.5L);
    EXPECT_EQ(long_, 2.50000000000000000000000001L);
}

} // namespace
} // namespace velk
