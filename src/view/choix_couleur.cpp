// Colour dialog arithmetic: sizes and places by the number of columns and rows.
#include "view/choix_couleur.h"

#include "view/largeur_grille.h"

#include <algorithm>

namespace velk {

namespace {

constexpr int PasColonne = 27; // swatch width 25 plus a gap of 2
constexpr int PasRangee = 21;  // swatch height 15 plus a gap of 6
constexpr int HautGrille = 20;
constexpr int LargeurMinimale = 242;

} // namespace

DispositionCouleur DisposeChoixCouleur(int colonnes, int rangees)
{
    DispositionCouleur d;
    d.colonnes = std::clamp(colonnes, 1, 16);
    d.rangees = std::clamp(rangees, 1, 16);
    d.nombre = d.colonnes * d.rangees;

    // A narrow grid is centred in the smallest width that still holds both buttons.
    const LargeurGrille g = PlaceLargeurGrille(d.colonnes, PasColonne, LargeurMinimale, 140);
    d.largeur = g.largeur;
    d.marge = g.marge;
    d.gaucheOk = g.gaucheOk;
    d.gaucheAnnule = g.gaucheAnnule;

    d.hauteur = (d.rangees + 1) * PasRangee + 140;
    d.hautBoutons = d.hauteur - 70;
    d.hautLibelleCouleur = d.hauteur - 128;
    d.hautLibelleCouche = d.hauteur - 103;
    d.hautCouche = d.hauteur - 105;
    return d;
}

QRect DispositionCouleur::Case(int i) const
{
    const int colonne = i % colonnes;
    const int rangee = i / colonnes;
    return QRect(marge + colonne * PasColonne, HautGrille + rangee * PasRangee, 25, 15);
}

QRect DispositionCouleur::Temoin() const
{
    return QRect(165, hautLibelleCouleur, 50, 15);
}

int DispositionCouleur::CaseSous(QPoint pixel) const
{
    const int x = pixel.x() - marge;
    const int y = pixel.y() - HautGrille;
    if (x < 0 || y < 0)
        return -1;
    const int colonne = x / PasColonne;
    const int rangee = y / PasRangee;
    if (colonne >= colonnes || rangee >= rangees)
        return -1;
    const int i = rangee * colonnes + colonne;
    return Case(i).contains(pixel) ? i : -1;
}

int DeplaceSelection(int courant, Fleche fleche, int colonnes, int nombre)
{
    if (nombre <= 0)
        return 0;
    int pas = 0;
    switch (fleche) {
    case Fleche::Gauche: pas = -1; break;
    case Fleche::Droite: pas = 1; break;
    case Fleche::Haut: pas = -colonnes; break;
    case Fleche::Bas: pas = colonnes; break;
    }
    const int r = (courant + pas) % nombre;
    return r < 0 ? r + nombre : r;
}

} // namespace velk
