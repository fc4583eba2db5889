// The highlight that shows, before a click, which elements the click would take: the
// strokes to draw over the drawing for the answer of a pick, in pixels of the surface,
// and how to paint them. The drawing itself is never touched.
#pragma once

#include "view/palette.h"
#include "view/recherche.h"
#include "view/vue.h"

#include <QColor>
#include <QPolygonF>
#include <QRect>

#include <vector>

class QPainter;

namespace velk {

class TModuleDonnee;

constexpr int EpaisseurSurbrillance = 5;

struct TSurbrillance {
    // Open polylines: two strokes for a point's cross, one for a line across the surface,
    // the visible arc of a circle.
    std::vector<QPolygonF> Traits;

    bool Vide() const { return Traits.empty(); }
    // Rectangles that together cover every stroke drawn with the highlight pen, each at most
    // about 48 pixels long, so that a diagonal line repaints a band and not the surface.
    std::vector<QRect> Zones() const;
};

// The strokes for the elements of the answer that exist and are visible, in the screen view.
TSurbrillance TraceSurbrillance(const TElementsProches& proches, const TModuleDonnee& donnees, const TVue& vue,
                                const TVisibilite& visibilite);

// A translucent sky blue, unlike any colour of the palette, so that the element's own
// colour still shows through the wider stroke.
QColor CouleurSurbrillance();

void PeintSurbrillance(QPainter& painter, const TSurbrillance& surbrillance);

} // namespace velk
