// One element table held in memory: a presence bitmap over the 65 536 possible numbers and
// rows stored directly at their number (in one zone reserved on first use whose pages only
// take memory once written, so that a small program does not pay for the whole range), so that lookup, insertion and the search for
// the lowest free number cost a handful of word operations, and walking yields increasing
// numbers without any sorting.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <type_traits>
#include <vector>

#include "store/zone_memoire.h"

namespace velk {

constexpr int NombreNumeros = 65536;

// NReels 64-bit reals followed by NEntiers 32-bit integers: the columns of a table after
// its Numero, in the order they are persisted.
template <int NReels, int NEntiers> struct Rangee {
    std::array<double, NReels> reels{};
    std::array<int32_t, NEntiers> entiers{};
};

template <int NReels, int NEntiers> class TableMemoire {
  public:
    using Ligne = Rangee<NReels, NEntiers>;
    static constexpr int Reels = NReels;
    static constexpr int Entiers = NEntiers;

    // Rows live in zeroed memory and are only ever assigned, never constructed in place.
    static_assert(std::is_trivially_copyable_v<Ligne> && std::is_trivially_destructible_v<Ligne>);

    TableMemoire() = default;
    TableMemoire(const TableMemoire&) = delete;
    TableMemoire& operator=(const TableMemoire&) = delete;
    ~TableMemoire() { LibereZone(lignes_, TailleZone); }

    bool Existe(uint16_t n) const { return (bits_[n >> 6] >> (n & 63)) & 1u; }

    // Only meaningful when Existe(n).
    const Ligne& Lit(uint16_t n) const { return lignes_[n]; }

    // Inserts or replaces row n.
    void Ecrit(uint16_t n, const Ligne& rangee) {
        if (!lignes_) { // kept across emptyings
            lignes_ = static_cast<Ligne*>(AlloueZone(TailleZone));
            if (!lignes_) throw std::bad_alloc();
        }
        lignes_[n] = rangee;
        if (!Existe(n)) {
            bits_[n >> 6] |= uint64_t{1} << (n & 63);
            ++nombre_;
            ordreValide_ = false;
        }
    }

    void Vide() {
        if (nombre_ == 0) return;
        bits_.fill(0);
        nombre_ = 0;
        motLibre_ = 0;
        ordreValide_ = false;
    }

    int Nombre() const { return nombre_; }

    // The smallest existing number >= depuis, or -1.
    int Suivant(int depuis) const {
        if (depuis < 0) depuis = 0;
        if (depuis >= NombreNumeros) return -1;
        int mot = depuis >> 6;
        uint64_t bits = bits_[mot] & (~uint64_t{0} << (depuis & 63));
        while (bits == 0) {
            if (++mot == NombreMots) return -1;
            bits = bits_[mot];
        }
        return mot * 64 + __builtin_ctzll(bits);
    }

    // The smallest number without a row, or nothing when every number is used. Words
    // below motLibre_ are known to be full: rows are only ever added between emptyings.
    std::optional<uint16_t> Libre() const {
        while (motLibre_ < NombreMots && bits_[motLibre_] == ~uint64_t{0})
            ++motLibre_;
        if (motLibre_ == NombreMots) return std::nullopt;
        return static_cast<uint16_t>(motLibre_ * 64 + __builtin_ctzll(~bits_[motLibre_]));
    }

    // The number of the row of rank rang in increasing order, or -1. The order is rebuilt
    // lazily after a change, so a grid can page through all rows in constant time each.
    int AuRang(int rang) const {
        if (rang < 0 || rang >= nombre_) return -1;
        if (!ordreValide_) {
            ordre_.clear();
            ordre_.reserve(static_cast<size_t>(nombre_));
            for (int n = Suivant(0); n >= 0; n = Suivant(n + 1))
                ordre_.push_back(static_cast<uint16_t>(n));
            ordreValide_ = true;
        }
        return ordre_[static_cast<size_t>(rang)];
    }

  private:
    static constexpr int NombreMots = NombreNumeros / 64;
    static constexpr size_t TailleZone = sizeof(Ligne) * NombreNumeros;

    std::array<uint64_t, NombreMots> bits_{};
    Ligne* lignes_ = nullptr;
    int nombre_ = 0;
    mutable int motLibre_ = 0;
    mutable std::vector<uint16_t> ordre_;
    mutable bool ordreValide_ = false;
};

} // namespace velk
