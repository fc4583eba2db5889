// Visibility dialog arithmetic and rules.
#include "view/choix_visible.h"

#include "view/largeur_grille.h"

#include <algorithm>

namespace velk {

namespace {

constexpr int PasColonne = 38; // cell width 34 plus a gap of 4
constexpr int PasRangee = 31;  // cell height 25 plus a gap of 6
constexpr int HautGrille = 20;
constexpr int LargeurMinimale = 222;

} // namespace

DispositionVisible DisposeChoixVisible(int colonnes, int rangees, int couches)
{
    DispositionVisible d;
    d.colonnes = std::clamp(colonnes, 1, 16);
    d.rangees = std::clamp(rangees, 1, 16);
    d.couches = std::clamp(couches, 0, 256);
    d.couleurs = d.colonnes * d.rangees;

    const LargeurGrille g = PlaceLargeurGrille(d.colonnes, PasColonne, LargeurMinimale, 120);
    d.largeur = g.largeur;
    d.marge = g.marge;
    d.gaucheOk = g.gaucheOk;
    d.gaucheAnnule = g.gaucheAnnule;

    d.hauteur = (d.couches / d.colonnes + d.rangees + 2) * PasRangee + 70;
    // With few columns the three kind cells can need more rows than that height leaves
    // above the buttons: grow the dialog rather than hide cells under them.
    const int rangeesCases = (d.NombreCases() + d.colonnes - 1) / d.colonnes;
    d.hauteur = std::max(d.hauteur, HautGrille + rangeesCases * PasRangee + 2 + 70);
    d.hautBoutons = d.hauteur - 70;
    return d;
}

QRect DispositionVisible::Case(int i) const
{
    return QRect(marge + (i % colonnes) * PasColonne, HautGrille + (i / colonnes) * PasRangee, 34,
                 25);
}

int DispositionVisible::CaseSous(QPoint pixel) const
{
    const int x = pixel.x() - marge;
    const int y = pixel.y() - HautGrille;
    if (x < 0 || y < 0)
        return -1;
    const int colonne = x / PasColonne;
    if (colonne >= colonnes)
        return -1;
    const int i = (y / PasRangee) * colonnes + colonne;
    return i < NombreCases() && Case(i).contains(pixel) ? i : -1;
}

ItemVisible ItemDeCase(const DispositionVisible& d, int i)
{
    if (i < d.couleurs)
        return {GenreVisible::Couleur, i};
    if (i < d.couleurs + d.couches)
        return {GenreVisible::Couche, i - d.couleurs};
    switch (i - d.couleurs - d.couches) {
    case 0: return {GenreVisible::Points, 0};
    case 1: return {GenreVisible::Lignes, 0};
    default: return {GenreVisible::Cercles, 0};
    }
}

bool EstVisible(const TVisibilite& drapeaux, const ItemVisible& item)
{
    switch (item.genre) {
    case GenreVisible::Couleur: return drapeaux.DrapeauCouleur(item.numero);
    case GenreVisible::Couche: return drapeaux.DrapeauCouche(item.numero);
    case GenreVisible::Points: return drapeaux.PointsVisibles();
    case GenreVisible::Lignes: return drapeaux.LignesVisibles();
    case GenreVisible::Cercles: return drapeaux.CerclesVisibles();
    }
    return false;
}

void Bascule(TVisibilite& drapeaux, const ItemVisible& item)
{
    const bool v = !EstVisible(drapeaux, item);
    switch (item.genre) {
    case GenreVisible::Couleur: drapeaux.SetCouleurVisible(item.numero, v); break;
    case GenreVisible::Couche: drapeaux.SetCoucheVisible(item.numero, v); break;
    case GenreVisible::Points: drapeaux.SetPointsVisibles(v); break;
    case GenreVisible::Lignes: drapeaux.SetLignesVisibles(v); break;
    case GenreVisible::Cercles: drapeaux.SetCerclesVisibles(v); break;
    }
}

QString TexteCase(const ItemVisible& item)
{
    switch (item.genre) {
    case GenreVisible::Couleur: return QString();
    case GenreVisible::Couche: return QString::number(item.numero);
    case GenreVisible::Points: return QStringLiteral("P");
    case GenreVisible::Lignes: return QStringLiteral("L");
    case GenreVisible::Cercles: return QStringLiteral("C");
    }
    return QString();
}

bool SessionChoixVisible::Termine(FinDialogue fin)
{
    if (fin == FinDialogue::Annule)
        drapeaux_ = cliche_;
    return fin == FinDialogue::Ok;
}

} // namespace velk
