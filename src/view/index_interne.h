// Pieces shared by the parts of the view index (index_vue.cpp, index_lignes.cpp): the
// frame of pixels, the grids, the cell lists and what each kind's index was built from.
//
// Positions are pixels from the centre of the surface, v upwards: a click at (column, row)
// is at (column - Largeur / 2, Hauteur / 2 - row). Every test is widened by a margin far
// larger than the rounding of the 64-bit arithmetic, so that the candidates always include
// the elements the exact extended measure would take.
#pragma once

#include "view/index_vue.h"
#include "view/recherche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace velk::index {

// Pixels added to the tolerance by the grids and the pre-checks.
constexpr double Marge = 0.5;
constexpr double Portee = TolerancePixels + Marge;
// Beyond this many pixels from the centre, elements are measured exactly at every pick.
constexpr double LimiteElement = 1e9;
// A view whose origin lies this many pixels away is left to the walk of the tables.
constexpr long double LimiteVue = 1e12L;
// Grids are kept under about this many cells, whatever the size of the surface.
constexpr double CellulesMax = 65536;
// Sectors of the half turn by which lines are sorted.
constexpr int Secteurs = 128;

// The visibility flags one kind depends on.
struct Filtre {
    bool genre = false;
    std::array<bool, NombreCouleurs> couleurs{};
    std::array<bool, NombreCouches> couches{};

    bool operator==(const Filtre& o) const
    {
        return genre == o.genre && couleurs == o.couleurs && couches == o.couches;
    }
};

inline Filtre FiltreDe(const TVisibilite& visibilite, bool genre)
{
    Filtre f;
    f.genre = genre;
    for (int i = 0; i < NombreCouleurs; ++i)
        f.couleurs[static_cast<size_t>(i)] = visibilite.CouleurVisible(i);
    for (int i = 0; i < NombreCouches; ++i)
        f.couches[static_cast<size_t>(i)] = visibilite.CoucheVisible(i);
    return f;
}

// What one kind's index was built from.
struct Etat {
    bool construit = false;
    uint64_t version = 0;
    TVue vue;
    Filtre filtre;
    int constructions = 0;

    // True when the index must be built again; the new state is then recorded.
    bool Perime(uint64_t v, const TVue& w, const Filtre& f)
    {
        if (construit && version == v && vue.OrigineX == w.OrigineX && vue.OrigineY == w.OrigineY
            && vue.Echelle == w.Echelle && vue.Largeur == w.Largeur && vue.Hauteur == w.Hauteur && filtre == f)
            return false;
        construit = true;
        version = v;
        vue = w;
        filtre = f;
        ++constructions;
        return true;
    }
};

// Pixels from the centre of the surface, in 64-bit arithmetic: with the view's origin
// within LimiteVue pixels, an element near the surface is placed within a thousandth of
// a pixel.
struct Repere {
    explicit Repere(const TVue& vue)
        : ox(static_cast<double>(vue.OrigineX)), oy(static_cast<double>(vue.OrigineY)),
          e(static_cast<double>(vue.Echelle)), demiL(vue.Largeur / 2.0), demiH(vue.Hauteur / 2.0)
    {
    }
    double U(Reel x) const { return (static_cast<double>(x) - ox) * e - demiL; }
    double V(Reel y) const { return (static_cast<double>(y) - oy) * e - demiH; }
    double UClic(int32_t colonne) const { return colonne - demiL; }
    double VClic(int32_t ligne) const { return demiH - ligne; }

    double ox, oy, e;
    double demiL, demiH;
};

// The exponent e of 2 with 2^(e-1) <= x < 2^e, for a finite x > 0 (0 for 0).
inline int Exposant(double x)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return x > 0 ? static_cast<int>((bits >> 52) & 0x7ff) - 1022 : 0;
}

inline bool Proche(double u, double v)
{
    return std::fabs(u) < LimiteElement && std::fabs(v) < LimiteElement;
}

// A uniform grid over the surface widened by `extension` pixels on every side.
struct Grille {
    double taille = 64, inverse = 1.0 / 64;
    double u0 = 0, v0 = 0, u1 = 0, v1 = 0;
    int nx = 1, ny = 1;

    void Dimensionne(const TVue& vue, double tailleMin, double extension)
    {
        const double largeur = vue.Largeur + 2 * extension, hauteur = vue.Hauteur + 2 * extension;
        taille = std::max(tailleMin, std::sqrt(largeur * hauteur / CellulesMax));
        inverse = 1 / taille;
        u0 = -vue.Largeur / 2.0 - extension;
        v0 = -vue.Hauteur / 2.0 - extension;
        u1 = -u0;
        v1 = -v0;
        nx = std::max(1, static_cast<int>(std::ceil(largeur / taille)));
        ny = std::max(1, static_cast<int>(std::ceil(hauteur / taille)));
    }
    size_t Nombre() const { return static_cast<size_t>(nx) * static_cast<size_t>(ny); }
    bool Contient(double u, double v) const { return u >= u0 && u <= u1 && v >= v0 && v <= v1; }
    // Column and row of the cells holding u and v, clamped to the grid.
    int Colonne(double u) const { return std::clamp(static_cast<int>(std::floor((u - u0) * inverse)), 0, nx - 1); }
    int Rangee(double v) const { return std::clamp(static_cast<int>(std::floor((v - v0) * inverse)), 0, ny - 1); }
    uint32_t Cellule(int i, int j) const { return static_cast<uint32_t>(j * nx + i); }
    // The cell of a position the grid contains (the truncation of a quotient >= 0).
    uint32_t CelluleDe(double u, double v) const
    {
        const int i = std::min(static_cast<int>((u - u0) * inverse), nx - 1);
        const int j = std::min(static_cast<int>((v - v0) * inverse), ny - 1);
        return Cellule(i, j);
    }
};

// Entries grouped by cell with a counting sort; within a cell they keep the order in which
// they were added (increasing number, since the tables are walked in that order).
template <class Entree> struct Cases {
    std::vector<uint32_t> debuts; // cell k holds entrees[debuts[k]] up to entrees[debuts[k + 1]]
    std::vector<Entree> entrees;

    void Commence(size_t cellules, size_t elements)
    {
        debuts.assign(cellules + 1, 0);
        ordre_.clear();
        cellules_.clear();
        ordre_.reserve(elements);
        cellules_.reserve(elements);
    }
    void Ajoute(uint32_t cellule, const Entree& e)
    {
        ++debuts[cellule + 1];
        ordre_.push_back(e);
        cellules_.push_back(cellule);
    }
    void Termine()
    {
        for (size_t k = 1; k < debuts.size(); ++k)
            debuts[k] += debuts[k - 1];
        entrees.resize(ordre_.size());
        suite_.assign(debuts.begin(), debuts.end() - 1);
        for (size_t i = 0; i < ordre_.size(); ++i)
            entrees[suite_[cellules_[i]]++] = ordre_[i];
    }

private:
    std::vector<Entree> ordre_;
    std::vector<uint32_t> cellules_;
    std::vector<uint32_t> suite_;
};

} // namespace velk::index

namespace velk {

struct IndexVue::Points {
    struct Entree {
        float u, v;
        uint16_t numero;
    };
    index::Etat etat;
    index::Grille grille;
    index::Cases<Entree> cases;

    void Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite);
    void Candidats(double u, double v, std::vector<uint16_t>& candidats) const;
};

struct IndexVue::Lignes {
    static constexpr int Secteurs = index::Secteurs;
    struct Entree {
        double s, c, rho; // unit normal (-s, c) and signed distance from the centre, pixels
        uint16_t numero;
    };
    struct Trigo {
        double angle = std::numeric_limits<double>::quiet_NaN();
        double s = 0, c = 0;
    };
    struct Mesure {
        double d;
        uint16_t numero;
    };
    index::Etat etat;
    double rhoMax = 0;
    double pas = 8; // width of a band of distances, pixels
    int bandes = 1;
    std::array<double, Secteurs> sinMilieu{}, cosMilieu{}, demiLargeur{};
    index::Cases<Entree> cases;
    std::vector<uint16_t> exactes; // far from the surface's centre: always measured
    // Sine and cosine of each line's direction by number, kept while the direction stays
    // the same: the library's trigonometry would cost more than the rest of a build.
    std::vector<Trigo> trigo;
    std::vector<Mesure> mesures;

    Lignes();
    void Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite);
    void Candidats(double u, double v, std::vector<uint16_t>& candidats);
    int Bande(double rho) const
    {
        return std::clamp(static_cast<int>(std::floor((rho + rhoMax) / pas)), 0, bandes - 1);
    }
};

struct IndexVue::Cercles {
    // Circles go by the size of their ring: class k holds those with r + Portee at most
    // 2^k pixels, in a grid of cells of 2^k, so that a pick reads 3 x 3 cells of a class.
    static constexpr int ClasseMin = 4;
    static constexpr int ClasseMax = 30; // 2^30 pixels is beyond LimiteElement
    struct Entree {
        double u, v, r;
        uint16_t numero;
    };
    index::Etat etat;
    std::array<index::Grille, ClasseMax + 1> grilles;
    std::array<uint32_t, ClasseMax + 1> premieres{}; // first cell of each class
    uint32_t classes = 0;                           // bit k: class k holds circles
    index::Cases<Entree> cases;
    std::vector<uint16_t> exacts; // too large or too far for the grids: always measured

    void Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite);
    void Candidats(double u, double v, std::vector<uint16_t>& candidats) const;
};

} // namespace velk
