// The colour index table of DXF files, built from its rule, and the nearest-entry search.
#include "view/couleurs_aci.h"

namespace velk {

namespace {

constexpr int AciNoirOuBlanc = 7;

CouleurRVB Rvb(int r, int v, int b) {
    return CouleurRVB{static_cast<uint8_t>(r), static_cast<uint8_t>(v), static_cast<uint8_t>(b)};
}

// One entry of the hue grid: hue step 0..23 (15 degrees each), brightness step 0..4, and
// half saturation for the odd entries.
CouleurRVB EntreeGrille(int teinte, int clarte, bool pastel) {
    static constexpr double Hauts[5] = {255, 165, 127, 76, 38};
    const double haut = Hauts[clarte];
    const double bas = pastel ? haut / 2 : 0;
    // Position within the 60-degree sector: the rising or falling component lies between
    // the low and the high value.
    const int secteur = teinte / 4;
    const double f = (teinte % 4) / 4.0;
    const double monte = bas + (haut - bas) * f;
    const double descend = bas + (haut - bas) * (1 - f);
    double r = 0, v = 0, b = 0;
    switch (secteur) {
    case 0:
        r = haut, v = monte, b = bas;
        break; // red to yellow
    case 1:
        r = descend, v = haut, b = bas;
        break; // yellow to green
    case 2:
        r = bas, v = haut, b = monte;
        break; // green to cyan
    case 3:
        r = bas, v = descend, b = haut;
        break; // cyan to blue
    case 4:
        r = monte, v = bas, b = haut;
        break; // blue to magenta
    default:
        r = haut, v = bas, b = descend;
        break; // magenta to red
    }
    return Rvb(static_cast<int>(r), static_cast<int>(v), static_cast<int>(b));
}

std::array<CouleurRVB, 256> ConstruitTable() {
    std::array<CouleurRVB, 256> t{};
    const CouleurRVB nommees[10] = {Rvb(0, 0, 0),      Rvb(255, 0, 0),     Rvb(255, 255, 0),
                                    Rvb(0, 255, 0),    Rvb(0, 255, 255),   Rvb(0, 0, 255),
                                    Rvb(255, 0, 255),  Rvb(255, 255, 255), Rvb(128, 128, 128),
                                    Rvb(192, 192, 192)};
    for (int i = 0; i < 10; ++i)
        t[size_t(i)] = nommees[i];
    for (int i = 10; i < 250; ++i) {
        const int j = (i - 10) % 10;
        t[size_t(i)] = EntreeGrille((i - 10) / 10, j / 2, j % 2 == 1);
    }
    for (int k = 0; k < 6; ++k) {
        const int gris = (255 + 204 * k) / 5; // 51, 91, 132, 173, 214, 255
        t[size_t(250 + k)] = Rvb(gris, gris, gris);
    }
    return t;
}

int Distance2(const CouleurRVB& a, const CouleurRVB& b) {
    const int dr = a.Rouge - b.Rouge, dv = a.Vert - b.Vert, db = a.Bleu - b.Bleu;
    return dr * dr + dv * dv + db * db;
}

} // namespace

const std::array<CouleurRVB, 256>& TableAci() {
    static const std::array<CouleurRVB, 256> table = ConstruitTable();
    return table;
}

int AciProche(const CouleurRVB& couleur) {
    if (couleur == CouleurRVB{}) return AciNoirOuBlanc;
    const auto& table = TableAci();
    int meilleur = 1;
    int distance = Distance2(couleur, table[1]);
    for (int i = 2; i < 256; ++i) {
        if (i == AciNoirOuBlanc) continue;
        const int d = Distance2(couleur, table[size_t(i)]);
        if (d < distance) {
            distance = d;
            meilleur = i;
        }
    }
    return meilleur;
}

int AciElement(int32_t couleur) {
    // Searched once per palette colour: a file may hold hundreds of thousands of elements.
    static const std::array<int, NombreCouleurs> entrees = [] {
        std::array<int, NombreCouleurs> e{};
        for (int i = 0; i < NombreCouleurs; ++i)
            e[size_t(i)] = AciProche(Palette()[size_t(i)]);
        return e;
    }();
    if (couleur < 0 || couleur >= NombreCouleurs) return AciNoirOuBlanc;
    return entrees[size_t(couleur)];
}

} // namespace velk
