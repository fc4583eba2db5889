// The view index: points and circles in uniform grids over the surface, and the entry
// points that rebuild each kind's index when what it was built from has changed. The lines
// are in index_lignes.cpp.
#include "index_interne.h"

#include "store/module_donnee.h"

namespace velk {

using namespace index;

// ---- Points: each in the cell of its position (cells of 32 pixels or more); a pick reads
// the cells within Portee of the click. ----

void IndexVue::Points::Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite)
{
    grille.Dimensionne(vue, 32, Portee);
    cases.Commence(grille.Nombre(), static_cast<size_t>(donnees.NombrePoints()));
    const Repere repere(vue);
    TRecPoint p;
    for (bool ok = donnees.PremierPoint(p); ok; ok = donnees.PointSuivant(p)) {
        if (!visibilite.Visible(p.Couleur, p.Couche))
            continue;
        const double u = repere.U(p.X), v = repere.V(p.Y);
        if (!grille.Contient(u, v))
            continue; // farther from the surface than the tolerance
        cases.Ajoute(grille.CelluleDe(u, v),
                     {static_cast<float>(u), static_cast<float>(v), static_cast<uint16_t>(p.Numero)});
    }
    cases.Termine();
}

void IndexVue::Points::Candidats(double u, double v, std::vector<uint16_t>& candidats) const
{
    candidats.clear();
    const int i0 = grille.Colonne(u - Portee), i1 = grille.Colonne(u + Portee);
    const int j0 = grille.Rangee(v - Portee), j1 = grille.Rangee(v + Portee);
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i) {
            const uint32_t k = grille.Cellule(i, j);
            for (uint32_t n = cases.debuts[k]; n < cases.debuts[k + 1]; ++n) {
                const Entree& e = cases.entrees[n];
                if (std::fabs(e.u - u) <= Portee && std::fabs(e.v - v) <= Portee)
                    candidats.push_back(e.numero);
            }
        }
    if (i0 != i1 || j0 != j1)
        std::sort(candidats.begin(), candidats.end());
}

// ---- Circles: each in the cell of its centre in the grid of its class. ----

void IndexVue::Cercles::Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite)
{
    uint32_t total = 0;
    for (int k = ClasseMin; k <= ClasseMax; ++k) {
        const double cote = std::ldexp(1.0, k);
        grilles[static_cast<size_t>(k)].Dimensionne(vue, cote, cote);
        premieres[static_cast<size_t>(k)] = total;
        total += static_cast<uint32_t>(grilles[static_cast<size_t>(k)].Nombre());
    }
    cases.Commence(total, static_cast<size_t>(donnees.NombreCercles()));
    classes = 0;
    exacts.clear();
    const Repere repere(vue);
    TRecCercle c;
    for (bool ok = donnees.PremierCercle(c); ok; ok = donnees.CercleSuivant(c)) {
        if (!visibilite.Visible(c.Couleur, c.Couche))
            continue;
        const auto numero = static_cast<uint16_t>(c.Numero);
        const double u = repere.U(c.Xc), v = repere.V(c.Yc), r = static_cast<double>(c.Rc) * repere.e;
        if (!Proche(u, v) || !(std::fabs(r) < LimiteElement)) {
            exacts.push_back(numero);
            continue;
        }
        // How far from the centre the ring of tolerance reaches; a negative radius leaves
        // only a disc of radius r + Portee, or nothing.
        const double portee = r + Portee;
        if (portee < 0)
            continue;
        // The whole surface inside the inner edge of the ring.
        const double interieur = r - Portee, du = std::fabs(u) + repere.demiL, dv = std::fabs(v) + repere.demiH;
        if (interieur > 0 && du * du + dv * dv < interieur * interieur)
            continue;
        const int k = std::max(ClasseMin, Exposant(portee));
        const Grille& g = grilles[static_cast<size_t>(k)];
        if (!g.Contient(u, v))
            continue; // farther from the surface than its ring reaches
        classes |= 1u << k;
        cases.Ajoute(premieres[static_cast<size_t>(k)] + g.CelluleDe(u, v), {u, v, r, numero});
    }
    cases.Termine();
}

void IndexVue::Cercles::Candidats(double u, double v, std::vector<uint16_t>& candidats) const
{
    candidats.clear();
    for (int k = ClasseMin; k <= ClasseMax; ++k) {
        if (!((classes >> k) & 1u))
            continue;
        const Grille& g = grilles[static_cast<size_t>(k)];
        const double cote = std::ldexp(1.0, k);
        const int i0 = g.Colonne(u - cote), i1 = g.Colonne(u + cote);
        const int j0 = g.Rangee(v - cote), j1 = g.Rangee(v + cote);
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i) {
                const uint32_t cellule = premieres[static_cast<size_t>(k)] + g.Cellule(i, j);
                for (uint32_t n = cases.debuts[cellule]; n < cases.debuts[cellule + 1]; ++n) {
                    const Entree& e = cases.entrees[n];
                    const double du = u - e.u, dv = v - e.v;
                    const double d = std::sqrt(du * du + dv * dv) - e.r;
                    if (-Portee < d && d < Portee)
                        candidats.push_back(e.numero);
                }
            }
    }
    candidats.insert(candidats.end(), exacts.begin(), exacts.end());
    std::sort(candidats.begin(), candidats.end());
}

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

namespace {

// Rebuilds one kind's index when the tables, the view or the visibility it was built from
// have changed, then reads the candidates around the click.
template <typename Index>
void CandidatsDe(Index& index, TModuleDonnee& donnees, char genre, bool genreVisible, const TVue& vue,
                 const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                 std::vector<uint16_t>& candidats)
{
    if (index.etat.Perime(donnees.VersionGenre(genre), vue, FiltreDe(visibilite, genreVisible)))
        index.Construit(donnees, vue, visibilite);
    const Repere repere(vue);
    index.Candidats(repere.UClic(colonne), repere.VClic(ligne), candidats);
}

} // namespace

void IndexVue::CandidatsPoints(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                               std::vector<uint16_t>& candidats)
{
    CandidatsDe(*points_, donnees_, 'P', visibilite.PointsVisibles(), vue, visibilite, colonne, ligne,
                candidats);
}

void IndexVue::CandidatsLignes(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                               std::vector<uint16_t>& candidats)
{
    CandidatsDe(*lignes_, donnees_, 'L', visibilite.LignesVisibles(), vue, visibilite, colonne, ligne,
                candidats);
}

void IndexVue::CandidatsCercles(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                                std::vector<uint16_t>& candidats)
{
    CandidatsDe(*cercles_, donnees_, 'C', visibilite.CerclesVisibles(), vue, visibilite, colonne, ligne,
                candidats);
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
