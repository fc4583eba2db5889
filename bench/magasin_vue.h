// The stores the view benchmarks share: n points, n lines and n circles spread over the
// window -110..110, every line crossing it, the colour changing from one element to the
// next; the same for a given n.
#pragma once

#include "store/module_donnee.h"

#include <map>
#include <memory>
#include <random>

namespace velk {

inline TModuleDonnee& MagasinVue(int n)
{
    static std::map<int, std::unique_ptr<TModuleDonnee>> stores;
    auto& store = stores[n];
    if (store)
        return *store;
    store = std::make_unique<TModuleDonnee>();
    store->CreeTables();
    std::mt19937 rng(1234);
    std::uniform_real_distribution<double> coord(-100, 100), angle(0, 6.283), rayon(0.5, 30);
    std::uniform_int_distribution<int> couleur(0, 15), couche(0, 31);
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<uint16_t>(i);
        TRecPoint p;
        p.X = coord(rng);
        p.Y = coord(rng);
        p.Couleur = couleur(rng);
        p.Couche = couche(rng);
        store->EcritPoint(k, p);
        TRecLigne l;
        l.Xpd = coord(rng) / 2;
        l.Ypd = coord(rng) / 2;
        l.Aod = angle(rng);
        l.Couleur = couleur(rng);
        l.Couche = couche(rng);
        store->EcritLigne(k, l);
        TRecCercle c;
        c.Xc = coord(rng);
        c.Yc = coord(rng);
        c.Rc = rayon(rng);
        c.Couleur = couleur(rng);
        c.Couche = couche(rng);
        store->EcritCercle(k, c);
    }
    store->TablesLectureSeule(true);
    return *store;
}

} // namespace velk
