// The spatial index behind picking: points and circles in uniform grids over the surface,
// lines by direction and distance from the centre of the surface.
//
// Positions are pixels from the centre of the surface, v upwards: a click at (column, row)
// is at (column - Largeur / 2, Hauteur / 2 - row). Every test below is widened by a margin
// far larger than the rounding of the 64-bit arithmetic, so that the candidates always
// include the elements the exact extended measure would take.
#include "view/index_vue.h"

#include "store/module_donnee.h"
#include "view/recherche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace velk {

namespace {

// Pixels added to the tolerance by the grids and the pre-checks.
constexpr double Marge = 0.5;
constexpr double Portee = TolerancePixels + Marge;
// The widening of the line distances: the rounding of the 64-bit line measure stays
// below a micro-pixel within the limits below.
constexpr double EcartLigne = 0.05;
// Beyond this many pixels from the centre, elements are measured exactly at every pick.
constexpr double LimiteElement = 1e9;
// A view whose origin lies this many pixels away is left to the walk of the tables.
constexpr long double LimiteVue = 1e12L;
// Grids are kept under this many cells, whatever the size of the surface.
constexpr double CellulesMax = 65536;

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

Filtre FiltreDe(const TVisibilite& visibilite, bool genre)
{
    Filtre f;
    f.genre = genre;
    for (int i = 0; i < NombreCouleurs; ++i)
        f.couleurs[static_cast<size_t>(i)] = visibilite.CouleurVisible(i);
    for (int i = 0; i < NombreCouches; ++i)
        f.couches[static_cast<size_t>(i)] = visibilite.CoucheVisible(i);
    return f;
}

bool MemeVue(const TVue& a, const TVue& b)
{
    return a.OrigineX == b.OrigineX && a.OrigineY == b.OrigineY && a.Echelle == b.Echelle
           && a.Largeur == b.Largeur && a.Hauteur == b.Hauteur;
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
        if (construit && version == v && MemeVue(vue, w) && filtre == f)
            return false;
        construit = true;
        version = v;
        vue = w;
        filtre = f;
        ++constructions;
        return true;
    }
};

// Pixels from the centre of the surface.
struct Repere {
    explicit Repere(const TVue& vue)
        : ox(vue.OrigineX), oy(vue.OrigineY), e(vue.Echelle), demiL(vue.Largeur / 2.0), demiH(vue.Hauteur / 2.0)
    {
    }
    long double U(Reel x) const { return (x - ox) * e - demiL; }
    long double V(Reel y) const { return (y - oy) * e - demiH; }
    double UClic(int32_t colonne) const { return colonne - demiL; }
    double VClic(int32_t ligne) const { return demiH - ligne; }

    Reel ox, oy, e;
    double demiL, demiH;
};

bool Proche(long double u, long double v)
{
    return std::fabs(u) < LimiteElement && std::fabs(v) < LimiteElement;
}

// A uniform grid over the surface widened by Portee, with its cells' entries stored one
// cell after the other (offsets in debuts).
struct Grille {
    double taille = 64;
    double u0 = 0, v0 = 0;
    int nx = 1, ny = 1;
    std::vector<uint32_t> debuts;

    void Dimensionne(const TVue& vue, double tailleMin)
    {
        const double largeur = vue.Largeur + 2 * Portee, hauteur = vue.Hauteur + 2 * Portee;
        taille = std::max(tailleMin, std::sqrt(largeur * hauteur / CellulesMax));
        u0 = -vue.Largeur / 2.0 - Portee;
        v0 = -vue.Hauteur / 2.0 - Portee;
        nx = std::max(1, static_cast<int>(std::ceil(largeur / taille)));
        ny = std::max(1, static_cast<int>(std::ceil(hauteur / taille)));
        debuts.assign(static_cast<size_t>(nx) * ny + 1, 0);
    }
    // Column and row of the cells holding u and v, clamped to the grid.
    int Colonne(double u) const { return std::clamp(static_cast<int>(std::floor((u - u0) / taille)), 0, nx - 1); }
    int Rangee(double v) const { return std::clamp(static_cast<int>(std::floor((v - v0) / taille)), 0, ny - 1); }
    size_t Cellule(int i, int j) const { return static_cast<size_t>(j) * nx + i; }
    // Turns the counts (one slot after each cell) into offsets.
    void Cumule()
    {
        for (size_t k = 1; k < debuts.size(); ++k)
            debuts[k] += debuts[k - 1];
    }
};

} // namespace

// ---- Points: each in the cells its tolerance box touches; a pick reads one cell. ----

struct IndexVue::Points {
    struct Entree {
        float u, v;
        uint16_t numero;
    };
    Etat etat;
    Grille grille;
    std::vector<Entree> ordre; // visible points near the surface, in number order
    std::vector<Entree> entrees;

    void Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite)
    {
        grille.Dimensionne(vue, 64);
        const Repere repere(vue);
        ordre.clear();
        TRecPoint p;
        for (bool ok = donnees.PremierPoint(p); ok; ok = donnees.PointSuivant(p)) {
            if (!visibilite.Visible(p.Couleur, p.Couche))
                continue;
            const long double u = repere.U(p.X), v = repere.V(p.Y);
            if (!(std::fabs(u) <= repere.demiL + Portee && std::fabs(v) <= repere.demiH + Portee))
                continue;
            ordre.push_back({static_cast<float>(u), static_cast<float>(v), static_cast<uint16_t>(p.Numero)});
        }
        Repartit();
    }

    template <class F> void ParCellule(const Entree& e, F f) const
    {
        const int i0 = grille.Colonne(e.u - Portee), i1 = grille.Colonne(e.u + Portee);
        const int j0 = grille.Rangee(e.v - Portee), j1 = grille.Rangee(e.v + Portee);
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i)
                f(grille.Cellule(i, j));
    }

    void Repartit()
    {
        for (const Entree& e : ordre)
            ParCellule(e, [&](size_t k) { ++grille.debuts[k + 1]; });
        grille.Cumule();
        entrees.resize(grille.debuts.back());
        std::vector<uint32_t> suite(grille.debuts.begin(), grille.debuts.end() - 1);
        for (const Entree& e : ordre)
            ParCellule(e, [&](size_t k) { entrees[suite[k]++] = e; });
    }
};

// ---- Lines: by direction (128 sectors of the half turn) and signed distance from the
// centre of the surface, in bands of 8 pixels or more. A pick reads, in each sector, the band of
// distances that a line of that sector passing near the click can have. ----

struct IndexVue::Lignes {
    static constexpr int Secteurs = 128;
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
    Etat etat;
    double rhoMax = 0;
    double pas = 8; // width of a band of distances, pixels
    int bandes = 1;
    std::array<double, Secteurs + 1> bornes{}; // direction at the edges of the sectors
    std::array<double, Secteurs> sinMilieu{}, cosMilieu{}, demiLargeur{};
    std::vector<uint32_t> debuts;
    std::vector<Entree> ordre, entrees;
    std::vector<uint32_t> cellules;
    std::vector<uint16_t> exactes; // far from the surface's centre: always measured
    // Sine and cosine of each line's direction by number, kept while the direction stays
    // the same: the library's trigonometry would cost more than the rest of a build.
    std::vector<Trigo> trigo;
    std::vector<Mesure> mesures;

    Lignes()
    {
        // Sectors are equal steps of a pseudo-angle of the direction, close enough to
        // equal angles; the direction at a step p of [0, 2] is atan2 of its quadrant.
        for (int k = 0; k <= Secteurs; ++k) {
            const double p = 2.0 * k / Secteurs;
            bornes[static_cast<size_t>(k)] = p <= 1 ? std::atan2(p, 1 - p) : std::atan2(2 - p, 1 - p);
        }
        for (size_t k = 0; k < Secteurs; ++k) {
            const double milieu = (bornes[k] + bornes[k + 1]) / 2;
            sinMilieu[k] = std::sin(milieu);
            cosMilieu[k] = std::cos(milieu);
            demiLargeur[k] = (bornes[k + 1] - bornes[k]) / 2 + 1e-9;
        }
    }

    static int Secteur(double s, double c)
    {
        const double p = c >= 0 ? s / (s + c) : 1 - c / (s - c);
        return std::clamp(static_cast<int>(p * (Secteurs / 2)), 0, Secteurs - 1);
    }
    int Bande(double rho) const
    {
        return std::clamp(static_cast<int>(std::floor((rho + rhoMax) / pas)), 0, bandes - 1);
    }

    void Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite)
    {
        const Repere repere(vue);
        rhoMax = std::hypot(repere.demiL, repere.demiH) + Portee;
        pas = std::max(8.0, 2 * rhoMax * Secteurs / (4 * CellulesMax));
        bandes = std::max(1, static_cast<int>(std::ceil(2 * rhoMax / pas)));
        debuts.assign(static_cast<size_t>(Secteurs) * bandes + 1, 0);
        if (trigo.empty())
            trigo.resize(65536);
        ordre.clear();
        cellules.clear();
        exactes.clear();
        TRecLigne l;
        for (bool ok = donnees.PremiereLigne(l); ok; ok = donnees.LigneSuivante(l)) {
            if (!visibilite.Visible(l.Couleur, l.Couche))
                continue;
            const auto numero = static_cast<uint16_t>(l.Numero);
            const long double x = repere.U(l.Xpd), y = repere.V(l.Ypd);
            if (!Proche(x, y)) {
                exactes.push_back(numero);
                continue;
            }
            Trigo& t = trigo[numero];
            const double angle = static_cast<double>(l.Aod);
            if (!(t.angle == angle)) {
                t.angle = angle;
                t.s = std::sin(angle);
                t.c = std::cos(angle);
            }
            // The same line with its direction in the upper half turn.
            double s = t.s, c = t.c;
            if (s < 0 || (s == 0 && c < 0)) {
                s = -s;
                c = -c;
            }
            const double rho = -s * static_cast<double>(x) + c * static_cast<double>(y);
            if (!(std::fabs(rho) <= rhoMax))
                continue; // farther from every pixel of the surface than the tolerance
            const size_t k = static_cast<size_t>(Secteur(s, c)) * bandes + Bande(rho);
            ++debuts[k + 1];
            ordre.push_back({s, c, rho, numero});
            cellules.push_back(static_cast<uint32_t>(k));
        }
        for (size_t k = 1; k < debuts.size(); ++k)
            debuts[k] += debuts[k - 1];
        entrees.resize(ordre.size());
        std::vector<uint32_t> suite(debuts.begin(), debuts.end() - 1);
        for (size_t i = 0; i < ordre.size(); ++i)
            entrees[suite[cellules[i]]++] = ordre[i];
    }

    void Candidats(double u, double v, std::vector<uint16_t>& candidats)
    {
        const double r = std::hypot(u, v);
        const double limite = TolerancePixels + EcartLigne;
        mesures.clear();
        // The two smallest upper bounds of lines certainly within the tolerance.
        double sur1 = limite, sur2 = limite;
        for (size_t k = 0; k < Secteurs; ++k) {
            // Over a sector the click's distance along the normal moves by at most r times
            // the angle from the middle direction.
            const double milieu = -sinMilieu[k] * u + cosMilieu[k] * v;
            const double etendue = r * demiLargeur[k] + limite;
            if (milieu + etendue < -rhoMax || milieu - etendue > rhoMax)
                continue;
            const size_t base = k * static_cast<size_t>(bandes);
            const uint32_t fin = debuts[base + static_cast<size_t>(Bande(milieu + etendue)) + 1];
            for (uint32_t i = debuts[base + static_cast<size_t>(Bande(milieu - etendue))]; i < fin; ++i) {
                const Entree& e = entrees[i];
                const double d = std::fabs(-e.s * u + e.c * v - e.rho);
                if (d >= limite)
                    continue;
                mesures.push_back({d, e.numero});
                const double sur = d + EcartLigne;
                if (sur < sur1) {
                    sur2 = sur1;
                    sur1 = sur;
                } else if (sur < sur2) {
                    sur2 = sur;
                }
            }
        }
        // With two lines certainly within the tolerance, only lines that may be as near as
        // the second of them can be among the two nearest.
        const double seuil = sur2 < TolerancePixels ? sur2 : limite;
        candidats.clear();
        for (const Mesure& m : mesures)
            if (m.d - EcartLigne <= seuil)
                candidats.push_back(m.numero);
        candidats.insert(candidats.end(), exactes.begin(), exactes.end());
        std::sort(candidats.begin(), candidats.end());
    }
};

// ---- Circles: each in the cells its ring of tolerance crosses; a pick reads one cell. ----

struct IndexVue::Cercles {
    struct Entree {
        double u, v, r;
        uint16_t numero;
    };
    Etat etat;
    Grille grille;
    std::vector<Entree> ordre, entrees;
    std::vector<uint16_t> exacts; // too large or too far for the grid: always measured

    void Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite)
    {
        grille.Dimensionne(vue, 128);
        const Repere repere(vue);
        ordre.clear();
        exacts.clear();
        TRecCercle c;
        for (bool ok = donnees.PremierCercle(c); ok; ok = donnees.CercleSuivant(c)) {
            if (!visibilite.Visible(c.Couleur, c.Couche))
                continue;
            const auto numero = static_cast<uint16_t>(c.Numero);
            const long double u = repere.U(c.Xc), v = repere.V(c.Yc), r = c.Rc * repere.e;
            if (!Proche(u, v) || !(std::fabs(r) < LimiteElement)) {
                exacts.push_back(numero);
                continue;
            }
            // A negative radius leaves only a disc of radius Portee + r around the centre.
            if (r + Portee < 0)
                continue;
            ordre.push_back({static_cast<double>(u), static_cast<double>(v), static_cast<double>(r), numero});
        }
        for (const Entree& e : ordre)
            ParCellule(e, [&](size_t k) { ++grille.debuts[k + 1]; });
        grille.Cumule();
        entrees.resize(grille.debuts.back());
        std::vector<uint32_t> suite(grille.debuts.begin(), grille.debuts.end() - 1);
        for (const Entree& e : ordre)
            ParCellule(e, [&](size_t k) { entrees[suite[k]++] = e; });
    }

    // The cells of the ring's box that the ring reaches: the nearest point of the cell
    // is not beyond the outer edge and its farthest corner not inside the inner edge.
    template <class F> void ParCellule(const Entree& e, F f) const
    {
        const double exterieur = e.r + Portee, interieur = e.r - Portee;
        if (e.u + exterieur < grille.u0 || e.u - exterieur > grille.u0 + grille.nx * grille.taille
            || e.v + exterieur < grille.v0 || e.v - exterieur > grille.v0 + grille.ny * grille.taille)
            return;
        const int i0 = grille.Colonne(e.u - exterieur), i1 = grille.Colonne(e.u + exterieur);
        const int j0 = grille.Rangee(e.v - exterieur), j1 = grille.Rangee(e.v + exterieur);
        for (int j = j0; j <= j1; ++j) {
            const double b0 = grille.v0 + j * grille.taille, b1 = b0 + grille.taille;
            const double dyMin = std::max({b0 - e.v, e.v - b1, 0.0});
            const double dyMax = std::max(std::fabs(b0 - e.v), std::fabs(b1 - e.v));
            for (int i = i0; i <= i1; ++i) {
                const double a0 = grille.u0 + i * grille.taille, a1 = a0 + grille.taille;
                const double dxMin = std::max({a0 - e.u, e.u - a1, 0.0});
                const double dxMax = std::max(std::fabs(a0 - e.u), std::fabs(a1 - e.u));
                if (dxMin * dxMin + dyMin * dyMin > exterieur * exterieur)
                    continue;
                if (interieur > 0 && dxMax * dxMax + dyMax * dyMax < interieur * interieur)
                    continue;
                f(grille.Cellule(i, j));
            }
        }
    }

    void Candidats(double u, double v, std::vector<uint16_t>& candidats) const
    {
        candidats.clear();
        const size_t k = grille.Cellule(grille.Colonne(u), grille.Rangee(v));
        for (uint32_t i = grille.debuts[k]; i < grille.debuts[k + 1]; ++i) {
            const Entree& e = entrees[i];
            const double du = u - e.u, dv = v - e.v;
            const double d = std::sqrt(du * du + dv * dv) - e.r;
            if (-Portee < d && d < Portee)
                candidats.push_back(e.numero);
        }
        if (!exacts.empty()) {
            const size_t milieu = candidats.size();
            candidats.insert(candidats.end(), exacts.begin(), exacts.end());
            std::inplace_merge(candidats.begin(), candidats.begin() + static_cast<std::ptrdiff_t>(milieu),
                               candidats.end());
        }
    }
};

// ---- The index ----

IndexVue::IndexVue(TModuleDonnee& donnees)
    : donnees_(donnees), points_(std::make_unique<Points>()), lignes_(std::make_unique<Lignes>()),
      cercles_(std::make_unique<Cercles>())
{
}

IndexVue::~IndexVue() = default;

bool IndexVue::Utilisable(const TVue& vue, int32_t colonne, int32_t ligne)
{
    if (!(vue.Echelle > 0) || !std::isfinite(vue.Echelle) || !std::isfinite(vue.OrigineX)
        || !std::isfinite(vue.OrigineY))
        return false;
    if (vue.Largeur < 1 || vue.Hauteur < 1 || vue.Largeur > 100000 || vue.Hauteur > 100000)
        return false;
    if (colonne < 0 || colonne > vue.Largeur || ligne < 0 || ligne > vue.Hauteur)
        return false;
    return (std::fabs(vue.OrigineX) + std::fabs(vue.OrigineY)) * vue.Echelle < LimiteVue;
}

void IndexVue::CandidatsPoints(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                               std::vector<uint16_t>& candidats)
{
    Points& p = *points_;
    if (p.etat.Perime(donnees_.VersionGenre('P'), vue, FiltreDe(visibilite, visibilite.PointsVisibles())))
        p.Construit(donnees_, vue, visibilite);
    const Repere repere(vue);
    const double u = repere.UClic(colonne), v = repere.VClic(ligne);
    candidats.clear();
    const size_t k = p.grille.Cellule(p.grille.Colonne(u), p.grille.Rangee(v));
    for (uint32_t i = p.grille.debuts[k]; i < p.grille.debuts[k + 1]; ++i) {
        const Points::Entree& e = p.entrees[i];
        if (std::fabs(e.u - u) <= Portee && std::fabs(e.v - v) <= Portee)
            candidats.push_back(e.numero);
    }
}

void IndexVue::CandidatsLignes(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                               std::vector<uint16_t>& candidats)
{
    Lignes& l = *lignes_;
    if (l.etat.Perime(donnees_.VersionGenre('L'), vue, FiltreDe(visibilite, visibilite.LignesVisibles())))
        l.Construit(donnees_, vue, visibilite);
    const Repere repere(vue);
    l.Candidats(repere.UClic(colonne), repere.VClic(ligne), candidats);
}

void IndexVue::CandidatsCercles(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                                std::vector<uint16_t>& candidats)
{
    Cercles& c = *cercles_;
    if (c.etat.Perime(donnees_.VersionGenre('C'), vue, FiltreDe(visibilite, visibilite.CerclesVisibles())))
        c.Construit(donnees_, vue, visibilite);
    const Repere repere(vue);
    c.Candidats(repere.UClic(colonne), repere.VClic(ligne), candidats);
}

int IndexVue::Constructions(char genre) const
{
    switch (genre) {
    case 'P':
        return points_->etat.constructions;
    case 'L':
        return lignes_->etat.constructions;
    case 'C':
        return cercles_->etat.constructions;
    default:
        return 0;
    }
}

} // namespace velk
