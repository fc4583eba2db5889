// The lines of the view index, by direction (128 sectors of the half turn) and by signed
// distance from the centre of the surface (bands of 8 pixels or more). A pick reads, in
// each sector, the bands a line of that sector passing near the click can lie in, then
// keeps only the lines that may be one of the two nearest.
#include "index_interne.h"

#include "store/module_donnee.h"

namespace velk {

using namespace index;

namespace {

// The widening of the 64-bit line distances: their rounding stays below a micro-pixel for
// lines defined within LimiteElement of the centre.
constexpr double EcartLigne = 0.05;

// Sectors are equal steps of a pseudo-angle p of [0, 2] that grows with the direction
// (s, c) of the upper half turn, close enough to the angle itself.
int Secteur(double s, double c)
{
    const double p = c >= 0 ? s / (s + c) : 1 - c / (s - c);
    return std::clamp(static_cast<int>(p * (Secteurs / 2)), 0, Secteurs - 1);
}

// The direction at the pseudo-angle p.
double Direction(double p)
{
    return p <= 1 ? std::atan2(p, 1 - p) : std::atan2(2 - p, 1 - p);
}

} // namespace

IndexVue::Lignes::Lignes()
{
    for (size_t k = 0; k < Secteurs; ++k) {
        const double debut = Direction(2.0 * k / Secteurs), fin = Direction(2.0 * (k + 1) / Secteurs);
        const double milieu = (debut + fin) / 2;
        sinMilieu[k] = std::sin(milieu);
        cosMilieu[k] = std::cos(milieu);
        demiLargeur[k] = (fin - debut) / 2 + 1e-9;
    }
}

void IndexVue::Lignes::Construit(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite)
{
    const Repere repere(vue);
    rhoMax = std::hypot(repere.demiL, repere.demiH) + Portee;
    pas = std::max(8.0, 2 * rhoMax * Secteurs / (4 * CellulesMax));
    bandes = std::max(1, static_cast<int>(std::ceil(2 * rhoMax / pas)));
    cases.Commence(static_cast<size_t>(Secteurs) * static_cast<size_t>(bandes),
                   static_cast<size_t>(donnees.NombreLignes()));
    if (trigo.empty())
        trigo.resize(65536);
    exactes.clear();
    TRecLigne l;
    for (bool ok = donnees.PremiereLigne(l); ok; ok = donnees.LigneSuivante(l)) {
        if (!visibilite.Visible(l.Couleur, l.Couche))
            continue;
        const auto numero = static_cast<uint16_t>(l.Numero);
        const double x = repere.U(l.Xpd), y = repere.V(l.Ypd);
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
        const double rho = -s * x + c * y;
        if (!(std::fabs(rho) <= rhoMax))
            continue; // farther from every pixel of the surface than the tolerance
        cases.Ajoute(static_cast<uint32_t>(Secteur(s, c) * bandes + Bande(rho)), {s, c, rho, numero});
    }
    cases.Termine();
}

void IndexVue::Lignes::Candidats(double u, double v, std::vector<uint16_t>& candidats)
{
    const double r = std::hypot(u, v);
    const double limite = TolerancePixels + EcartLigne;
    mesures.clear();
    // The two smallest upper bounds of the distances measured.
    double sur1 = limite, sur2 = limite;
    for (size_t k = 0; k < Secteurs; ++k) {
        // Over a sector the click's distance along the normal moves by at most r times the
        // angle from the middle direction.
        const double milieu = -sinMilieu[k] * u + cosMilieu[k] * v;
        const double etendue = r * demiLargeur[k] + limite;
        if (milieu + etendue < -rhoMax || milieu - etendue > rhoMax)
            continue;
        const size_t base = k * static_cast<size_t>(bandes);
        const uint32_t fin = cases.debuts[base + static_cast<size_t>(Bande(milieu + etendue)) + 1];
        for (uint32_t i = cases.debuts[base + static_cast<size_t>(Bande(milieu - etendue))]; i < fin; ++i) {
            const Entree& e = cases.entrees[i];
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
    // With two lines certainly within the tolerance, a line that cannot be as near as the
    // second of them is not among the two nearest.
    const double seuil = sur2 < TolerancePixels ? sur2 : limite;
    candidats.clear();
    for (const Mesure& m : mesures)
        if (m.d - EcartLigne <= seuil)
            candidats.push_back(m.numero);
    candidats.insert(candidats.end(), exactes.begin(), exactes.end());
    std::sort(candidats.begin(), candidats.end());
}

} // namespace velk
