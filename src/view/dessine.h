// Painting of points, lines and circles through a view on any QPainter (an image for the
// screen and headless use, an SVG or PDF generator, a printer).
#pragma once

#include "geometry/records.h"
#include "view/palette.h"
#include "view/vue.h"

#include <QColor>
#include <QLine>
#include <QPoint>

#include <memory>
#include <vector>

class QPainter;

namespace velk {

class TModuleDonnee;
class MemoireTangentes;
class TraceImage;

enum class Support {
    Ecran,      // point crosses of half-size 3
    Imprimante, // point crosses of half-size 10 device pixels
};

// Paints elements one after the other in the order given, with a 1-pixel pen in the
// element's palette colour, skipping hidden ones. Consecutive strokes of one colour are
// sent to the painter together; Termine (or the destructor) sends what is left. On a
// plain 32-bit image the strokes are written to its pixels directly.
class Peintre {
public:
    Peintre(QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
            Support support = Support::Ecran);
    ~Peintre();
    Peintre(const Peintre&) = delete;
    Peintre& operator=(const Peintre&) = delete;

    void DessinePoint(const TRecPoint& p);
    void DessineLigne(const TRecLigne& l);
    void DessineCercle(const TRecCercle& c);
    void Termine();
    // Line tangents kept by the caller from one redraw to the next (none by default).
    void SetMemoireTangentes(MemoireTangentes* memoire) { tangentes_ = memoire; }

private:
    void ChoisitCouleur(int32_t couleur);
    void EnvoieTraits();
    void Trait(int x0, int y0, int x1, int y1, bool dernier = true);
    void CercleImmense(Reel cx, Reel cy, Reel r);

    QPainter& painter_;
    TVue vue_;
    const TVisibilite& visibilite_;
    int demiTaille_;
    int couleur_ = -1;
    MemoireTangentes* tangentes_ = nullptr;
    std::vector<QLine> traits_;
    std::vector<QPointF> polyligne_;
    // Set when the painter draws straight onto a 32-bit image: pixels are then written
    // directly, in the same order.
    std::unique_ptr<TraceImage> trace_;
};

// Each element alone (the run draws every element as soon as it is stored).
void DessinePoint(const TRecPoint& p, QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
                  Support support = Support::Ecran);
void DessineLigne(const TRecLigne& l, QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
                  Support support = Support::Ecran);
void DessineCercle(const TRecCercle& c, QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
                   Support support = Support::Ecran);

// Every stored point, then every line, then every circle, in increasing number.
void DessineTout(TModuleDonnee& donnees, QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
                 Support support = Support::Ecran, MemoireTangentes* tangentes = nullptr);

QColor CouleurQt(int32_t couleur);

} // namespace velk
