// Zoom commands, the window history and framing of all elements.
#include "view/etat_vue.h"

#include "view/navigation.h"

#include "store/module_donnee.h"
#include "geometry/conventions.h"

#include <algorithm>
#include <cmath>

namespace velk {

EtatVue::EtatVue()
{
    fenetre_ = {-80, 80, -80, 80};
    vue_ = velk::CalculeVue(fenetre_, 0, 0);
}

const TFenetre& EtatVue::FenetreHistorique(int position) const
{
    return historique_[static_cast<size_t>(std::clamp(position, 0, TailleHistorique))];
}

void EtatVue::SetTailleSurface(int32_t largeur, int32_t hauteur)
{
    largeur_ = std::max<int32_t>(largeur, 0);
    hauteur_ = std::max<int32_t>(hauteur, 0);
}

void EtatVue::CalculeVue()
{
    vue_ = velk::CalculeVue(fenetre_, largeur_, hauteur_);
}

void EtatVue::ReprendTailleSurface()
{
    vue_.Largeur = largeur_;
    vue_.Hauteur = hauteur_;
}

void EtatVue::Change()
{
    rafale_ = false;
    if (observateur_)
        observateur_();
}

void EtatVue::EmpileZoom()
{
    rafale_ = false;
    if (index_ >= TailleHistorique) {
        std::move(historique_.begin() + 2, historique_.end(), historique_.begin() + 1);
        index_ = TailleHistorique - 1;
    }
    ++index_;
    historique_[static_cast<size_t>(index_)] = fenetre_;
    dernier_ = index_;
}

void EtatVue::VueOrigine()
{
    fenetre_ = {-80, 80, -80, 80};
    CalculeVue();
    index_ = 0;
    EmpileZoom();
    Change();
}

namespace {

TFenetre AutourDuCentre(const TFenetre& f, Reel facteur)
{
    const Reel w = (f.Xmax - f.Xmin) * facteur;
    const Reel h = (f.Ymax - f.Ymin) * facteur;
    const Reel cx = (f.Xmin + f.Xmax) / 2;
    const Reel cy = (f.Ymin + f.Ymax) / 2;
    return {cx - w, cx + w, cy - h, cy + h};
}

} // namespace

bool EtatVue::ZoomMoins()
{
    const TFenetre f = AutourDuCentre(fenetre_, 1);
    if (!FenetreUtilisable(f))
        return false;
    fenetre_ = f;
    CalculeVue();
    Change();
    return true;
}

bool EtatVue::ZoomPlus()
{
    const TFenetre f = AutourDuCentre(fenetre_, Reel(1) / 4);
    if (!FenetreUtilisable(f))
        return false;
    fenetre_ = f;
    CalculeVue();
    Change();
    return true;
}

bool EtatVue::ZoomRectangle(int32_t colonne1, int32_t ligne1, int32_t colonne2, int32_t ligne2)
{
    if (colonne1 == colonne2 || ligne1 == ligne2)
        return false;
    const int32_t gauche = std::min(colonne1, colonne2);
    const int32_t droite = std::max(colonne1, colonne2);
    const int32_t haut = std::min(ligne1, ligne2);
    const int32_t bas = std::max(ligne1, ligne2);
    fenetre_ = {XReel(vue_, gauche), XReel(vue_, droite), YReel(vue_, bas), YReel(vue_, haut)};
    EmpileZoom();
    CalculeVue();
    Change();
    return true;
}

bool EtatVue::ZoomCentre(int32_t colonne, int32_t ligne, Reel facteur)
{
    if (!(facteur > 0) || !std::isfinite(facteur))
        return false;
    const Reel demiLargeur = (fenetre_.Xmax - fenetre_.Xmin) / (2 * facteur);
    const Reel demiHauteur = (fenetre_.Ymax - fenetre_.Ymin) / (2 * facteur);
    const Reel cx = XReel(vue_, colonne);
    const Reel cy = YReel(vue_, ligne);
    const TFenetre nouvelle{cx - demiLargeur, cx + demiLargeur, cy - demiHauteur, cy + demiHauteur};
    // A factor so small or so large that the window overflows or collapses to a point
    // would leave a view nobody can come back from by zooming.
    if (!FenetreUtilisable(nouvelle))
        return false;
    fenetre_ = nouvelle;
    EmpileZoom();
    CalculeVue();
    Change();
    return true;
}

bool EtatVue::ZoomMolette(int32_t colonne, int32_t ligne, Reel crans)
{
    const Reel facteur = std::pow(FacteurCranMolette, crans);
    const TFenetre nouvelle = ZoomAutourDe(fenetre_, vue_, colonne, ligne, facteur);
    if (!FenetreUtilisable(nouvelle) || nouvelle == fenetre_)
        return false;
    const bool suite = rafale_;
    if (!suite && (index_ == 0 || historique_[static_cast<size_t>(index_)] != fenetre_))
        EmpileZoom();
    fenetre_ = nouvelle;
    if (suite)
        historique_[static_cast<size_t>(index_)] = fenetre_;
    else
        EmpileZoom();
    CalculeVue();
    Change();
    rafale_ = true;
    return true;
}

bool EtatVue::Deplace(int32_t dx, int32_t dy)
{
    const TFenetre nouvelle = DecaleFenetre(fenetre_, vue_, dx, dy);
    if (!FenetreUtilisable(nouvelle))
        return false;
    fenetre_ = nouvelle;
    CalculeVue();
    Change();
    return true;
}

bool EtatVue::ZoomPrecedent()
{
    if (index_ <= 1)
        return false;
    --index_;
    fenetre_ = historique_[static_cast<size_t>(index_)];
    CalculeVue();
    Change();
    return true;
}

bool EtatVue::ZoomSuivant()
{
    if (index_ >= dernier_)
        return false;
    ++index_;
    fenetre_ = historique_[static_cast<size_t>(index_)];
    CalculeVue();
    Change();
    return true;
}

void EtatVue::SetFenetre(const TFenetre& fenetre)
{
    fenetre_ = fenetre;
    CalculeVue();
    Change();
}

namespace {

void Elargit(TFenetre& f, Reel x, Reel y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    f.Xmin = std::min(f.Xmin, x);
    f.Xmax = std::max(f.Xmax, x);
    f.Ymin = std::min(f.Ymin, y);
    f.Ymax = std::max(f.Ymax, y);
}

} // namespace

TFenetre EtendueElements(TModuleDonnee& donnees)
{
    TFenetre f{0, 0, 0, 0};
    TRecPoint p;
    for (bool ok = donnees.PremierPoint(p); ok; ok = donnees.PointSuivant(p))
        Elargit(f, p.X, p.Y);
    TRecLigne l;
    for (bool ok = donnees.PremiereLigne(l); ok; ok = donnees.LigneSuivante(l))
        Elargit(f, l.Xpd, l.Ypd);
    TRecCercle c;
    for (bool ok = donnees.PremierCercle(c); ok; ok = donnees.CercleSuivant(c)) {
        if (!std::isfinite(c.Rc))
            continue;
        Elargit(f, c.Xc - c.Rc, c.Yc - c.Rc);
        Elargit(f, c.Xc + c.Rc, c.Yc + c.Rc);
    }
    return f;
}

bool EtatVue::Cadrage(TModuleDonnee& donnees)
{
    TFenetre f = EtendueElements(donnees);
    const Reel marge = ArrondiEntier(10 / vue_.Echelle);
    f.Xmin -= marge;
    f.Xmax += marge;
    f.Ymin -= marge;
    f.Ymax += marge;
    if ((f.Xmin == 0 && f.Xmax == 0) || (f.Ymin == 0 && f.Ymax == 0))
        return false;
    fenetre_ = f;
    CalculeVue();
    index_ = 0;
    EmpileZoom();
    Change();
    return true;
}

} // namespace velk
