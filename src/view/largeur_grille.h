// Width of the colour and visibility dialogs, which share one rule: the grid of columns plus
// fixed borders, or a minimum width with the grid centred when the grid is narrow, and the
// two buttons placed for that width.
#pragma once

namespace velk {

struct LargeurGrille {
    int largeur = 0;      // client width of the dialog
    int marge = 0;        // left edge of the grid
    int gaucheOk = 0;
    int gaucheAnnule = 0;
};

// `pasColonne` is the width of a cell plus its gap; `gaucheAnnuleEtroit` the "Annuler"
// button's left edge when the minimum width applies.
inline LargeurGrille PlaceLargeurGrille(int colonnes, int pasColonne, int largeurMinimale,
                                        int gaucheAnnuleEtroit)
{
    LargeurGrille g;
    g.largeur = colonnes * pasColonne + 44;
    g.marge = 20;
    if (g.largeur < largeurMinimale) {
        g.largeur = largeurMinimale;
        g.marge = (largeurMinimale - (colonnes * pasColonne + 2)) / 2;
        g.gaucheOk = 20;
        g.gaucheAnnule = gaucheAnnuleEtroit;
    } else {
        const int k = (g.largeur - 162) / 3;
        g.gaucheOk = k;
        g.gaucheAnnule = 2 * k + 80;
    }
    return g;
}

} // namespace velk
