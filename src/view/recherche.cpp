// Picking of points, lines and circles near a click: through the index of the view, or by
// walking the tables.
#include "view/recherche.h"

#include "geometry/conventions.h"
#include "store/module_donnee.h"
#include "view/index_vue.h"

#include <cmath>
#include <limits>
#include <vector>

namespace velk {

namespace {

// The pre-checks below only skip elements that are certainly farther than the tolerance;
// whatever passes them is measured exactly as the rules say. The slack covers the
// rounding of the cheaper arithmetic.
constexpr Reel Marge = 1.000001L;

// The world point of a pixel of the surface.
TRecPoint PointDuClic(const TVue& vue, int32_t colonne, int32_t ligne)
{
    TRecPoint clic;
    clic.X = XReel(vue, colonne);
    clic.Y = YReel(vue, ligne);
    return clic;
}

// The 9-pixel tolerance in world units.
Reel ToleranceMonde(const TVue& vue)
{
    return TolerancePixels / vue.Echelle;
}

// Sine and cosine of a double angle within 1E-8, for the pre-check of lines: a short
// series on the nearest quarter turn, three times cheaper than the library's.
void SinCosApproche(double a, double& s, double& c)
{
    if (!(std::fabs(a) < 1e6)) {
        s = std::sin(a);
        c = std::cos(a);
        return;
    }
    constexpr double DemiPiD = 1.57079632679489661923;
    const double q = std::floor(a / DemiPiD + 0.5);
    const double r = a - q * DemiPiD;
    const double r2 = r * r;
    const double sr = r * (1 - r2 / 6 * (1 - r2 / 20 * (1 - r2 / 42 * (1 - r2 / 72))));
    const double cr = 1 - r2 / 2 * (1 - r2 / 12 * (1 - r2 / 30 * (1 - r2 / 56 * (1 - r2 / 90))));
    switch (static_cast<long long>(q) & 3) {
    case 0: s = sr; c = cr; break;
    case 1: s = cr; c = -sr; break;
    case 2: s = -sr; c = -cr; break;
    default: s = -cr; c = sr; break;
    }
}

} // namespace

void DeuxPlaces::Propose(int32_t numero, Reel d)
{
    if (nombre_ == 0) {
        d1_ = d;
        premier_ = numero;
        nombre_ = 1;
    } else if (nombre_ == 1) {
        if (d1_ <= d) {
            d2_ = d;
            second_ = numero;
        } else {
            d2_ = d1_;
            second_ = premier_;
            d1_ = d;
            premier_ = numero;
        }
        nombre_ = 2;
    } else if (d1_ <= d) {
        if (d < d2_) {
            d2_ = d;
            second_ = numero;
        }
    } else {
        d2_ = d1_;
        second_ = premier_;
        d1_ = d;
        premier_ = numero;
    }
}

// Sine and cosine of each line's direction for the pre-check, by line number, kept while
// the direction stays the same: directions rarely change between picks, and computing them
// again would cost more than the rest of the search.
struct RechercheElements::AnglesLignes {
    struct Trigo {
        double angle = std::numeric_limits<double>::quiet_NaN();
        double sinus = 0;
        double cosinus = 0;
    };
    std::vector<Trigo> lignes = std::vector<Trigo>(65536);
};

RechercheElements::RechercheElements(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite)
    : donnees_(donnees), vue_(vue), visibilite_(visibilite), index_(std::make_unique<IndexVue>(donnees))
{
}

RechercheElements::~RechercheElements() = default;

bool RechercheElements::PointParcours(int32_t colonne, int32_t ligne, int32_t& numero)
{
    numero = 0;
    if (!visibilite_.PointsVisibles())
        return false;
    const TRecPoint clic = PointDuClic(vue_, colonne, ligne);
    Reel meilleure = TolerancePixels / vue_.Echelle;
    bool trouve = false;
    TRecPoint p;
    for (bool ok = donnees_.PremierPoint(p); ok; ok = donnees_.PointSuivant(p)) {
        if (std::fabs(p.X - clic.X) > meilleure * Marge || std::fabs(p.Y - clic.Y) > meilleure * Marge)
            continue;
        if (!visibilite_.Visible(p.Couleur, p.Couche))
            continue;
        const Reel d = Distance(clic, p);
        if (d < meilleure) {
            meilleure = d;
            numero = p.Numero;
            trouve = true;
        }
    }
    return trouve;
}

int RechercheElements::LignesParcours(int32_t colonne, int32_t ligne, int32_t& premiere, int32_t& seconde)
{
    premiere = seconde = 0;
    if (!visibilite_.LignesVisibles())
        return 0;
    if (!angles_)
        angles_ = std::make_unique<AnglesLignes>();
    auto& trigo = angles_->lignes;
    const TRecPoint clic = PointDuClic(vue_, colonne, ligne);
    const Reel tolerance = ToleranceMonde(vue_);
    const double clicX = static_cast<double>(clic.X), clicY = static_cast<double>(clic.Y);
    // The click rounded to double moves by far less than the absolute slack.
    const double seuil = static_cast<double>(tolerance * Marge) + 1e-12 * (std::fabs(clicX) + std::fabs(clicY));
    DeuxPlaces places;
    TRecLigne l;
    for (bool ok = donnees_.PremiereLigne(l); ok; ok = donnees_.LigneSuivante(l)) {
        // Distance to the line in double precision first: the exact projection needs the
        // extended sine and cosine, several times dearer.
        auto& t = trigo[static_cast<uint16_t>(l.Numero)];
        const double angle = static_cast<double>(l.Aod);
        if (!(t.angle == angle)) {
            SinCosApproche(angle, t.sinus, t.cosinus);
            t.angle = angle;
        }
        const double dx = clicX - static_cast<double>(l.Xpd), dy = clicY - static_cast<double>(l.Ypd);
        if (std::fabs(t.sinus * dx - t.cosinus * dy) > seuil + 1e-7 * (std::fabs(dx) + std::fabs(dy)))
            continue;
        if (!visibilite_.Visible(l.Couleur, l.Couche))
            continue;
        const Reel d = Distance(clic, Projection(clic, l));
        if (d < tolerance)
            places.Propose(l.Numero, d);
    }
    premiere = places.Premier();
    seconde = places.Second();
    return places.Nombre();
}

int RechercheElements::CerclesParcours(int32_t colonne, int32_t ligne, int32_t& premier, int32_t& second)
{
    premier = second = 0;
    if (!visibilite_.CerclesVisibles())
        return 0;
    const TRecPoint clic = PointDuClic(vue_, colonne, ligne);
    const Reel tolerance = ToleranceMonde(vue_);
    DeuxPlaces places;
    TRecCercle c;
    TRecPoint centre;
    for (bool ok = donnees_.PremierCercle(c); ok; ok = donnees_.CercleSuivant(c)) {
        // Outside the box of the ring Rc +- tolerance: too far from the outline.
        const Reel portee = (std::fabs(c.Rc) + tolerance) * Marge;
        if (std::fabs(c.Xc - clic.X) > portee || std::fabs(c.Yc - clic.Y) > portee)
            continue;
        if (!visibilite_.Visible(c.Couleur, c.Couche))
            continue;
        centre.X = c.Xc;
        centre.Y = c.Yc;
        const Reel d = Distance(clic, centre) - c.Rc;
        if (-tolerance < d && d < tolerance)
            places.Propose(c.Numero, d);
    }
    premier = places.Premier();
    second = places.Second();
    return places.Nombre();
}

bool RechercheElements::ChercheElementsParcours(int32_t colonne, int32_t ligne, TElementsProches& r)
{
    r = TElementsProches{};
    int32_t numero = 0;
    r.PointTrouve = PointParcours(colonne, ligne, numero) ? 1 : 0;
    r.NumPoint = numero;
    r.NbLignes = LignesParcours(colonne, ligne, r.NumLigne1, r.NumLigne2);
    r.NbCercles = CerclesParcours(colonne, ligne, r.NumCercle1, r.NumCercle2);
    return r.PointTrouve == 1 || r.NbLignes >= 1 || r.NbCercles >= 1;
}

// ---- Through the index: the candidates come in increasing number and are measured as
// the walks measure every element. ----

bool RechercheElements::PointProche(int32_t colonne, int32_t ligne, int32_t& numero)
{
    if (!IndexVue::Utilisable(vue_, colonne, ligne))
        return PointParcours(colonne, ligne, numero);
    numero = 0;
    if (!visibilite_.PointsVisibles())
        return false;
    index_->CandidatsPoints(vue_, visibilite_, colonne, ligne, candidats_);
    const TRecPoint clic = PointDuClic(vue_, colonne, ligne);
    Reel meilleure = TolerancePixels / vue_.Echelle;
    bool trouve = false;
    TRecPoint p;
    for (const uint16_t n : candidats_) {
        donnees_.LitPoint(n, p);
        if (!visibilite_.Visible(p.Couleur, p.Couche))
            continue;
        const Reel d = Distance(clic, p);
        if (d < meilleure) {
            meilleure = d;
            numero = p.Numero;
            trouve = true;
        }
    }
    return trouve;
}

int RechercheElements::LignesProches(int32_t colonne, int32_t ligne, int32_t& premiere, int32_t& seconde)
{
    if (!IndexVue::Utilisable(vue_, colonne, ligne))
        return LignesParcours(colonne, ligne, premiere, seconde);
    premiere = seconde = 0;
    if (!visibilite_.LignesVisibles())
        return 0;
    index_->CandidatsLignes(vue_, visibilite_, colonne, ligne, candidats_);
    const TRecPoint clic = PointDuClic(vue_, colonne, ligne);
    const Reel tolerance = ToleranceMonde(vue_);
    DeuxPlaces places;
    TRecLigne l;
    for (const uint16_t n : candidats_) {
        donnees_.LitLigne(n, l);
        if (!visibilite_.Visible(l.Couleur, l.Couche))
            continue;
        const Reel d = Distance(clic, Projection(clic, l));
        if (d < tolerance)
            places.Propose(l.Numero, d);
    }
    premiere = places.Premier();
    seconde = places.Second();
    return places.Nombre();
}

int RechercheElements::CerclesProches(int32_t colonne, int32_t ligne, int32_t& premier, int32_t& second)
{
    if (!IndexVue::Utilisable(vue_, colonne, ligne))
        return CerclesParcours(colonne, ligne, premier, second);
    premier = second = 0;
    if (!visibilite_.CerclesVisibles())
        return 0;
    index_->CandidatsCercles(vue_, visibilite_, colonne, ligne, candidats_);
    const TRecPoint clic = PointDuClic(vue_, colonne, ligne);
    const Reel tolerance = ToleranceMonde(vue_);
    DeuxPlaces places;
    TRecCercle c;
    TRecPoint centre;
    for (const uint16_t n : candidats_) {
        donnees_.LitCercle(n, c);
        if (!visibilite_.Visible(c.Couleur, c.Couche))
            continue;
        centre.X = c.Xc;
        centre.Y = c.Yc;
        const Reel d = Distance(clic, centre) - c.Rc;
        if (-tolerance < d && d < tolerance)
            places.Propose(c.Numero, d);
    }
    premier = places.Premier();
    second = places.Second();
    return places.Nombre();
}

bool RechercheElements::ChercheElements(int32_t colonne, int32_t ligne, TElementsProches& r)
{
    r = TElementsProches{};
    int32_t numero = 0;
    r.PointTrouve = PointProche(colonne, ligne, numero) ? 1 : 0;
    r.NumPoint = numero;
    r.NbLignes = LignesProches(colonne, ligne, r.NumLigne1, r.NumLigne2);
    r.NbCercles = CerclesProches(colonne, ligne, r.NumCercle1, r.NumCercle2);
    return r.PointTrouve == 1 || r.NbLignes >= 1 || r.NbCercles >= 1;
}

} // namespace velk
