// Picking: the visible point, lines and circles within 9 pixels of a click.
#pragma once

#include "geometry/records.h"
#include "view/palette.h"
#include "view/vue.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace velk {

class IndexVue;
class TModuleDonnee;

struct TElementsProches {
    int32_t PointTrouve = 0; // 1 when a point was found
    int32_t NumPoint = 0;
    int32_t NbLignes = 0; // 0 to 2
    int32_t NumLigne1 = 0;
    int32_t NumLigne2 = 0;
    int32_t NbCercles = 0; // 0 to 2
    int32_t NumCercle1 = 0;
    int32_t NumCercle2 = 0;
};

constexpr int TolerancePixels = 9;

// The searches consider only elements whose kind, colour and layer are visible, and compare
// distances strictly with 9 / Echelle. For a click on the surface they measure the few
// candidates a spatial index of the view hands out (IndexVue, rebuilt after a change of the
// tables, the view or the flags); otherwise, and in the Parcours variants, they walk the
// tables in increasing number. Both ways give the same answers: candidates are measured
// exactly as in the walk and in the same order. Keep one instance for the life of the view:
// it holds the index. The view and the flags are read at every pick.
class RechercheElements {
public:
    RechercheElements(TModuleDonnee& donnees, const TVue& vue, const TVisibilite& visibilite);
    ~RechercheElements();
    RechercheElements(const RechercheElements&) = delete;
    RechercheElements& operator=(const RechercheElements&) = delete;

    // Fills the whole answer; true when anything was found.
    bool ChercheElements(int32_t colonne, int32_t ligne, TElementsProches& reponse);
    // The nearest point; ties keep the first in number order.
    bool PointProche(int32_t colonne, int32_t ligne, int32_t& numero);
    // The two nearest lines (distance to the unbounded line), nearest first.
    int LignesProches(int32_t colonne, int32_t ligne, int32_t& premiere, int32_t& seconde);
    // The two nearest circles by signed distance to the outline (inside ranks first).
    int CerclesProches(int32_t colonne, int32_t ligne, int32_t& premier, int32_t& second);

    // The same searches by walking the whole tables, without the index.
    bool ChercheElementsParcours(int32_t colonne, int32_t ligne, TElementsProches& reponse);
    bool PointParcours(int32_t colonne, int32_t ligne, int32_t& numero);
    int LignesParcours(int32_t colonne, int32_t ligne, int32_t& premiere, int32_t& seconde);
    int CerclesParcours(int32_t colonne, int32_t ligne, int32_t& premier, int32_t& second);

    const IndexVue& Index() const { return *index_; }

private:
    struct AnglesLignes;

    TModuleDonnee& donnees_;
    const TVue& vue_;
    const TVisibilite& visibilite_;
    std::unique_ptr<AnglesLignes> angles_;
    std::unique_ptr<IndexVue> index_;
    std::vector<uint16_t> candidats_;
};

// Keeps the two best candidates by distance: a candidate beats a held one only when strictly
// nearer, so the first in table order wins ties.
class DeuxPlaces {
public:
    void Propose(int32_t numero, Reel d);
    int Nombre() const { return nombre_; }
    int32_t Premier() const { return premier_; }
    int32_t Second() const { return second_; }

private:
    int nombre_ = 0;
    int32_t premier_ = 0;
    int32_t second_ = 0;
    Reel d1_ = 0;
    Reel d2_ = 0;
};

} // namespace velk
