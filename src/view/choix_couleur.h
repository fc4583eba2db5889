// Layout and keyboard arithmetic of the colour and layer dialog: where the swatches, labels
// and buttons go for a grid of colours, which swatch lies under a pixel, and how the arrow
// keys move the selection. No widget here, so every figure can be checked headless.
#pragma once

#include <QPoint>
#include <QRect>

namespace velk {

struct DispositionCouleur {
    int colonnes = 1; // 1..16
    int rangees = 1;  // 1..16
    int nombre = 1;   // colonnes x rangees colours
    int largeur = 0;  // client size of the dialog
    int hauteur = 0;
    int marge = 0; // left edge of the grid
    int gaucheOk = 0;
    int gaucheAnnule = 0;
    int hautBoutons = 0;
    int hautLibelleCouleur = 0; // "Couleur active" label and the active swatch
    int hautLibelleCouche = 0;  // "Couche active" label
    int hautCouche = 0;         // the layer box

    // The 25 x 15 swatch of colour i (0 <= i < nombre), frame included.
    QRect Case(int i) const;
    // The 50 x 15 swatch of the selected colour beside its label.
    QRect Temoin() const;
    // The colour whose swatch holds the pixel, or -1 (gaps between swatches included).
    int CaseSous(QPoint pixel) const;
};

// Columns and rows are brought into 1..16 first.
DispositionCouleur DisposeChoixCouleur(int colonnes, int rangees);

enum class Fleche { Gauche, Droite, Haut, Bas };

// The selection after an arrow key: left and right by one colour, up and down by one row,
// wrapping round modulo `nombre`. A result equal to `courant` means the key changed nothing.
int DeplaceSelection(int courant, Fleche fleche, int colonnes, int nombre);

} // namespace velk
