// Picking of points, lines and circles near a click.
#include "view/recherche.h"

#include "geometry/conventions.h"
#include "store/module_donnee.h"

#include <cmath>

namespace velk {

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

bool RechercheElements::PointProche(int32_t colonne, int32_t ligne, int32_t& numero)
{
    numero = 0;
    if (!visibilite_.PointsVisibles())
        return false;
    TRecPoint clic;
    clic.X = XReel(vue_, colonne);
    clic.Y = YReel(vue_, ligne);
    Reel meilleure = TolerancePixels / vue_.Echelle;
    bool trouve = false;
    TRecPoint p;
    for (bool ok = donnees_.PremierPoint(p); ok; ok = donnees_.PointSuivant(p)) {
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
    premiere = seconde = 0;
    if (!visibilite_.LignesVisibles())
        return 0;
    TRecPoint clic;
    clic.X = XReel(vue_, colonne);
    clic.Y = YReel(vue_, ligne);
    const Reel tolerance = TolerancePixels / vue_.Echelle;
    DeuxPlaces places;
    TRecLigne l;
    for (bool ok = donnees_.PremiereLigne(l); ok; ok = donnees_.LigneSuivante(l)) {
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
    premier = second = 0;
    if (!visibilite_.CerclesVisibles())
        return 0;
    TRecPoint clic;
    clic.X = XReel(vue_, colonne);
    clic.Y = YReel(vue_, ligne);
    const Reel tolerance = TolerancePixels / vue_.Echelle;
    DeuxPlaces places;
    TRecCercle c;
    TRecPoint centre;
    for (bool ok = donnees_.PremierCercle(c); ok; ok = donnees_.CercleSuivant(c)) {
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
