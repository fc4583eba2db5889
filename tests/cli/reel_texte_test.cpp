// The 17-digit text of reals must be the standard library's, byte for byte: scripts compare
// JSON outputs, and a single different digit would be a different stored value.
#include "cli/reel_texte.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace velk {
namespace {

std::string Attendu(double v) {
    char t[64];
    return std::string(t, std::to_chars(t, t + sizeof t, v, std::chars_format::general, 17).ptr);
}

std::string Obtenu(double v) {
    char t[64];
    return std::string(t, EcritReel17(t, v));
}

TEST(ReelTexte, KnownForms) {
    const struct {
        double v;
        const char* texte;
    } cas[] = {
        {0.1, "0.10000000000000001"}, {-2, "-2"}, {30, "30"}, {0.5, "0.5"},
        {1e-5, "1.0000000000000001e-05"}, {1e-4, "0.0001"}, {123456.789, "123456.789"},
        {9007199254740991.0, "9007199254740991"}, {1e17, "1e+17"}, {0.0, "0"}, {-0.0, "-0"},
        {1e-300, "1e-300"}, {2.5e-6, "2.5000000000000002e-06"},
    };
    for (const auto& c : cas) EXPECT_EQ(Obtenu(c.v), c.texte) << c.v;
}

// Powers of ten and their neighbours (where the digit count changes), values whose 18th
// digit is an exact 5 (ties), short decimals as programs write them, and random bits.
TEST(ReelTexte, SameTextAsTheStandardLibrary) {
    auto verifie = [](double v) {
        if (std::isfinite(v)) {
            ASSERT_EQ(Obtenu(v), Attendu(v)) << v;
        }
    };
    for (int e = -40; e <= 40; ++e) {
        const double p = std::pow(10.0, e);
        for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), -p, 3 * p, 9.5 * p})
            verifie(v);
    }
    for (int k = 1; k <= 60; ++k)
        for (uint64_t m : {uint64_t{1}, uint64_t{3}, uint64_t{5}, (uint64_t{1} << 53) - 1})
            verifie(std::ldexp(static_cast<double>(m), -k));
    std::mt19937_64 g(20261209);
    std::uniform_real_distribution<double> u(-2000, 2000);
    for (int i = 0; i < 100000; ++i) {
        const uint64_t bits = g();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        verifie(v);
        verifie(u(g));
        verifie(std::round(u(g) * 1000) / 1000);
        verifie(static_cast<double>(static_cast<int64_t>(g() % 4000000) - 2000000) / 64);
        verifie(std::ldexp(static_cast<double>(g() >> 11), static_cast<int>(g() % 100) - 90));
    }
}

} // namespace
} // namespace velk
