// The drawing surface as an image: the run paints each stored element on it, Redessine
// clears it and paints the whole store. Used by the screen widget, velk-run and tests.
#pragma once

#include "language/interfaces.h"
#include "view/decoupe_ligne.h"
#include "view/etat_vue.h"
#include "view/palette.h"

#include <QImage>

#include <variant>
#include <vector>

namespace velk {

class TModuleDonnee;

class SurfaceImage : public SurfaceDessin {
public:
    SurfaceImage(EtatVue& etat, const TVisibilite& visibilite);

    // A new white image of the panel's size; the screen view takes that size again.
    void EffaceDessin() override;
    // Elements of a run are collected and painted together when the image is next read,
    // in the order they came, so a long run does not pay for a painter per element.
    void DessinePoint(const TRecPoint& p) override;
    void DessineLigne(const TRecLigne& l) override;
    void DessineCercle(const TRecCercle& c) override;

    // EffaceDessin, then every stored element through the screen view.
    void Redessine(TModuleDonnee& donnees);

    // The image with every element received so far painted.
    const QImage& Image();

private:
    static constexpr size_t TailleLot = 4096;
    template <typename Element>
    void Attend(const Element& element);
    void PeintAttente();

    EtatVue& etat_;
    const TVisibilite& visibilite_;
    QImage image_;
    MemoireTangentes tangentes_;
    std::vector<std::variant<TRecPoint, TRecLigne, TRecCercle>> attente_;
};

} // namespace velk
