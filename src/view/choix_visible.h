// Layout and rules of the visibility dialog: the grid of N colour cells, L layer cells and
// the three kind cells, what each cell stands for, and one opening of the dialog with its
// snapshot (Cancel restores the flags, the close box keeps them). No widget here.
#pragma once

#include "view/palette.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace velk {

struct DispositionVisible {
    int colonnes = 1;  // 1..16
    int rangees = 1;   // 1..16
    int couleurs = 1;  // colonnes x rangees
    int couches = 0;   // 0..256
    int largeur = 0;   // client size of the dialog
    int hauteur = 0;
    int marge = 0;     // left edge of the grid
    int gaucheOk = 0;
    int gaucheAnnule = 0;
    int hautBoutons = 0;

    // The colours, then the layers, then points, lines and circles.
    int NombreCases() const { return couleurs + couches + 3; }
    // The 34 x 25 rectangle of cell i, frame included.
    QRect Case(int i) const;
    // The cell holding the pixel, or -1.
    int CaseSous(QPoint pixel) const;
};

// The grid for `colonnes` x `rangees` colours and `couches` layers (brought into 1..16,
// 1..16 and 0..256).
DispositionVisible DisposeChoixVisible(int colonnes, int rangees, int couches);

enum class GenreVisible { Couleur, Couche, Points, Lignes, Cercles };

// What a cell shows and toggles: a colour or layer number, or one of the three kinds.
struct ItemVisible {
    GenreVisible genre = GenreVisible::Couleur;
    int numero = 0; // colour or layer number; 0 for a kind
    bool operator==(const ItemVisible& o) const { return genre == o.genre && numero == o.numero; }
};

ItemVisible ItemDeCase(const DispositionVisible& d, int i);
bool EstVisible(const TVisibilite& drapeaux, const ItemVisible& item);
void Bascule(TVisibilite& drapeaux, const ItemVisible& item);
// The text written in a cell: the layer number, "P", "L" or "C"; nothing for a colour.
QString TexteCase(const ItemVisible& item);

// How a dialog was left: its OK button, its Cancel button (or Escape), or the close box.
enum class FinDialogue { Ok, Annule, Fermeture };

// One opening of the visibility dialog over the flags it changes in place.
class SessionChoixVisible {
public:
    // Takes the snapshot that Cancel restores.
    explicit SessionChoixVisible(TVisibilite& drapeaux) : drapeaux_(drapeaux), cliche_(drapeaux) {}

    void Bascule(const ItemVisible& item) { velk::Bascule(drapeaux_, item); }
    // Applies the way out and returns the result flag (true only for OK). Cancel puts every
    // flag back as it was at the opening; the close box keeps the changes.
    bool Termine(FinDialogue fin);

private:
    TVisibilite& drapeaux_;
    TVisibilite cliche_;
};

} // namespace velk
