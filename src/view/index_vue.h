// A spatial index of the visible points, lines and circles over the screen view, so that a
// pick looks at the few elements near the click instead of walking the three tables.
//
// The index only narrows the search: it hands out candidate numbers, in increasing order,
// and the caller measures them exactly with the same rules as a walk of the tables. Each
// kind is rebuilt lazily, at the first pick after its table, the view or the visibility
// flags changed.
#pragma once

#include "view/palette.h"
#include "view/vue.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace velk {

class TModuleDonnee;

class IndexVue {
public:
    explicit IndexVue(TModuleDonnee& donnees);
    ~IndexVue();
    IndexVue(const IndexVue&) = delete;
    IndexVue& operator=(const IndexVue&) = delete;

    // Whether the index can answer for a click at this pixel: the click lies on the
    // surface, and the view's numbers are small enough for 64-bit arithmetic to place
    // every element within a small fraction of a pixel. Otherwise the caller walks the
    // tables.
    static bool Utilisable(const TVue& vue, int32_t colonne, int32_t ligne);

    // The visible points within a box around the click a little wider than the tolerance:
    // every point nearer than the tolerance is among them.
    void CandidatsPoints(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                         std::vector<uint16_t>& candidats);
    // Visible lines among which the two nearest within the tolerance are certain to be
    // (all the lines within the tolerance when there are fewer than two).
    void CandidatsLignes(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                         std::vector<uint16_t>& candidats);
    // The visible circles whose outline may pass within the tolerance of the click.
    void CandidatsCercles(const TVue& vue, const TVisibilite& visibilite, int32_t colonne, int32_t ligne,
                          std::vector<uint16_t>& candidats);

    // How many times the index of one kind ('P', 'L', 'C') was built.
    int Constructions(char genre) const;

private:
    struct Points;
    struct Lignes;
    struct Cercles;

    TModuleDonnee& donnees_;
    std::unique_ptr<Points> points_;
    std::unique_ptr<Lignes> lignes_;
    std::unique_ptr<Cercles> cercles_;
};

} // namespace velk
