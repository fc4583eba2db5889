// The highlight that follows the mouse over the drawing: while a construction tool or the
// canonical-form mode waits for a click, the elements that a click at the cursor would take
// are stroked over the drawing.
#include "shell/tf_principale.h"

#include "view/qt/dessin.h"
#include "view/recherche.h"

namespace velk {

void TFPrincipale::MajSurbrillance(int colonne, int ligne)
{
    // In the zoom and print-area modes a click frames a rectangle; a canonical-form click
    // or a tool's click picks elements.
    const ModeSouris mode = Mode();
    const bool outilArme = Outil() >= 1 && Outil() <= 9 && mode != ModeSouris::Zoom
                           && mode != ModeSouris::ZoneImpression;
    TElementsProches proches;
    if ((outilArme || mode == ModeSouris::FormeCanonique) && pointage_->ChercheElements(colonne, ligne, proches))
        dessin_->MontreSurbrillance(proches);
    else
        dessin_->CacheSurbrillance();
}

} // namespace velk
