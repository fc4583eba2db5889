// The view state of the graphic tab: the requested window, the screen view computed from
// it, and the history of 20 windows behind the "previous" and "next" commands.
#pragma once

#include "view/vue.h"

#include <array>
#include <functional>

namespace velk {

class TModuleDonnee;

class EtatVue {
public:
    static constexpr int TailleHistorique = 20;

    EtatVue();

    const TFenetre& Fenetre() const { return fenetre_; }
    const TVue& VueEcran() const { return vue_; }

    // History positions 1..TailleHistorique; IndexZoom is the window shown (0 before the
    // first save), DernierZoom the newest saved one.
    int IndexZoom() const { return index_; }
    int DernierZoom() const { return dernier_; }
    const TFenetre& FenetreHistorique(int position) const;
    bool PrecedentPossible() const { return index_ > 1; }
    bool SuivantPossible() const { return index_ < dernier_; }

    // The size of the panel that holds the drawing surface, in pixels (negative sizes
    // count as 0). Nothing is recomputed until CalculeVue or ReprendTailleSurface.
    void SetTailleSurface(int32_t largeur, int32_t hauteur);
    int32_t LargeurSurface() const { return largeur_; }
    int32_t HauteurSurface() const { return hauteur_; }

    // Recomputes the screen view from the window and the panel size.
    void CalculeVue();
    // Gives the screen view the panel size again, scale and origin unchanged (clearing
    // the drawing does this).
    void ReprendTailleSurface();

    // Window -80..80 on both axes, history emptied and the window saved.
    void VueOrigine();
    // Window doubled (halved) about its centre; the history is not touched. False, changing
    // nothing, at the limits of the reals.
    bool ZoomMoins();
    bool ZoomPlus();
    // Window := the rectangle between two pixel corners, saved. Returns false, changing
    // nothing, when the corners share a column or a row: that drag is a click.
    bool ZoomRectangle(int32_t colonne1, int32_t ligne1, int32_t colonne2, int32_t ligne2);
    // Window centred on the clicked pixel, its width and height divided by facteur, saved.
    // A factor that is not a finite number above 0 changes nothing and returns false.
    bool ZoomCentre(int32_t colonne, int32_t ligne, Reel facteur);
    // One wheel step: the scale multiplied by FacteurCranMolette to the power crans
    // (negative crans zoom out), the world point under the pixel staying under it. The
    // steps of one burst share one history entry, so that "previous" undoes the burst; a
    // window left unsaved by a pan or a zoom +/- is saved before the burst starts. False,
    // changing nothing, when the new window would be unusable.
    bool ZoomMolette(int32_t colonne, int32_t ligne, Reel crans);
    // Ends the current wheel burst: the next wheel step saves a new entry. Every other
    // change of the window ends the burst too.
    void FinRafale() { rafale_ = false; }
    bool RafaleEnCours() const { return rafale_; }
    // Pan: the drawing follows the mouse by (dx, dy) pixels; the history is not touched.
    bool Deplace(int32_t dx, int32_t dy);
    // Walk the history; false when there is nowhere to go.
    bool ZoomPrecedent();
    bool ZoomSuivant();
    // Frames every stored point, line and circle with the origin inside. Returns false,
    // changing nothing, when the box stays flat on an axis.
    bool Cadrage(TModuleDonnee& donnees);

    // Saves the window after the current position; anything newer is dropped.
    void EmpileZoom();

    // Sets the window and recomputes the view, history untouched (for callers that restore
    // a window of their own).
    void SetFenetre(const TFenetre& fenetre);

    // Called after every change of the window, the view or the history (redraw and
    // refresh the previous/next buttons).
    void SetObservateur(std::function<void()> observateur) { observateur_ = std::move(observateur); }

private:
    void Change();

    TFenetre fenetre_;
    TVue vue_;
    int32_t largeur_ = 0;
    int32_t hauteur_ = 0;
    std::array<TFenetre, TailleHistorique + 1> historique_{}; // position 0 unused
    int index_ = 0;
    int dernier_ = 0;
    bool rafale_ = false;
    std::function<void()> observateur_;
};

// The box holding every stored point (by its coordinates), line (by its defining point) and
// circle (centre +- radius), starting from the origin so that it is always inside.
TFenetre EtendueElements(TModuleDonnee& donnees);

} // namespace velk
