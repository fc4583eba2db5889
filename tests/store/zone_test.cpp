// Zones of zeroed memory and the in-memory table built on them.
#include "store/table_memoire.h"
#include "store/zone_memoire.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velk {
namespace {

// Sizes on both sides of the switch from the heap to a mapping, and not multiples of a page.
TEST(ZoneMemoire, ZonesAreZeroedWritableAndAligned) {
    for (size_t taille : {size_t{1}, size_t{4097}, (size_t{1} << 20) - 1, size_t{1} << 20,
                          size_t{5} * 1024 * 1024 + 17}) {
        TamponZone zone = NouveauTampon(taille);
        ASSERT_NE(zone.get(), nullptr) << taille;
        EXPECT_EQ(reinterpret_cast<uintptr_t>(zone.get()) % alignof(std::max_align_t), 0u);
        for (size_t i : {size_t{0}, taille / 2, taille - 1}) EXPECT_EQ(zone[i], 0) << taille;
        for (size_t i : {size_t{0}, taille / 2, taille - 1}) zone[i] = 'x';
        EXPECT_EQ(zone[taille - 1], 'x');
    }
}

// A table over its whole range: both ends, rows written again after an emptying, and a
// second table that must not share the first one's rows.
TEST(ZoneMemoire, TableKeepsEveryRowAcrossItsRange) {
    using Table = TableMemoire<9, 2>;
    Table a, b;
    for (uint32_t n = 0; n < NombreNumeros; n += 4099) a.Ecrit(uint16_t(n), {{double(n)}, {int(n)}});
    a.Ecrit(65535, {{-1.5}, {7, 8}});
    for (uint32_t n = 0; n < NombreNumeros; n += 4099) {
        ASSERT_TRUE(a.Existe(uint16_t(n)));
        EXPECT_EQ(a.Lit(uint16_t(n)).reels[0], double(n));
        EXPECT_EQ(a.Lit(uint16_t(n)).entiers[0], int(n));
    }
    EXPECT_EQ(a.Lit(65535).reels[0], -1.5);
    EXPECT_EQ(a.Lit(65535).entiers[1], 8);
    EXPECT_EQ(b.Nombre(), 0);
    b.Ecrit(65535, {{2.0}, {1, 1}});
    EXPECT_EQ(a.Lit(65535).reels[0], -1.5);

    a.Vide();
    EXPECT_FALSE(a.Existe(65535));
    a.Ecrit(65535, {{3.0}, {0, 0}});
    EXPECT_EQ(a.Lit(65535).reels[0], 3.0);
    EXPECT_EQ(a.Nombre(), 1);
}

} // namespace
} // namespace velk
