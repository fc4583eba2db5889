// One element table held in memory: a presence bitmap over the 65 536 possible numbers and
// rows stored directly at their number (in blocks allocated on first use, so that a small
// program does not pay for the whole range), so that lookup, insertion and the search for
// the lowest free number cost a handful of word operations, and walking yields increasing
// numbers without any sorting.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

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

    bool Existe(uint16_t n) const { return (bits_[n >> 6] >> (n & 63)) & 1u; }

    // Only meaningful when Existe(n).
    const Ligne& Lit(uint16_t n) const { return (*blocs_[n / TailleBloc])[n % TailleBloc]; }

    // Inserts or replaces row n.
    void Ecrit(uint16_t n, const Ligne& rangee) {
        auto& bloc = blocs_[n / TailleBloc];
        if (!bloc) bloc = std::make_unique<Bloc>(); // kept across emptyings
        (*bloc)[n % TailleBloc] = rangee;
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
    static constexpr int TailleBloc = 256;
    using Bloc = std::array<Ligne, TailleBloc>;

    std::array<uint64_t, NombreMots> bits_{};
    std::array<std::unique_ptr<Bloc>, NombreNumeros / TailleBloc> blocs_;
    int nombre_ = 0;
    mutable int motLibre_ = 0;
    mutable std::vector<uint16_t> ordre_;
    mutable bool ordreValide_ = false;
};

} // namespace velk
