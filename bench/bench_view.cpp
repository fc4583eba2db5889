// Benchmarks of the graphic view: a full redraw on a 1280 x 800 image and one pick, for
// stores of about 1 000 and 10 000 elements and for the largest (65 536 points, lines and
// circles). Elements are spread over the framed window, lines all cross it, and colours
// change from one element to the next, which is the worst case for stroke batching.
#include "store/module_donnee.h"
#include "view/dessine.h"
#include "view/etat_vue.h"
#include "view/recherche.h"
#include "view/surface_image.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <map>
#include <memory>
#include <random>

namespace velk {
namespace {

// n elements of each kind, the same for a given n.
TModuleDonnee& Store(int n)
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

int ParType(int total)
{
    return total == 0 ? 65536 : total / 3;
}

void BM_Redessine(benchmark::State& state)
{
    TModuleDonnee& donnees = Store(ParType(static_cast<int>(state.range(0))));
    EtatVue etat;
    etat.SetTailleSurface(1280, 800);
    etat.SetFenetre({-110, 110, -110, 110});
    TVisibilite visibilite;
    SurfaceImage surface(etat, visibilite);
    for (auto _ : state) {
        surface.Redessine(donnees);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
    state.counters["elements"] = 3.0 * ParType(static_cast<int>(state.range(0)));
}

void BM_ChercheElements(benchmark::State& state)
{
    TModuleDonnee& donnees = Store(ParType(static_cast<int>(state.range(0))));
    EtatVue etat;
    etat.SetTailleSurface(1280, 800);
    etat.SetFenetre({-110, 110, -110, 110});
    TVisibilite visibilite;
    RechercheElements recherche(donnees, etat.VueEcran(), visibilite);
    int colonne = 0;
    for (auto _ : state) {
        TElementsProches r;
        benchmark::DoNotOptimize(recherche.ChercheElements(300 + colonne, 400, r));
        colonne = (colonne + 37) % 600;
    }
    state.counters["elements"] = 3.0 * ParType(static_cast<int>(state.range(0)));
}

// The first pick after the tables changed also copies them for the later picks.
void BM_ChercheApresChangement(benchmark::State& state)
{
    TModuleDonnee& donnees = Store(ParType(static_cast<int>(state.range(0))));
    EtatVue etat;
    etat.SetTailleSurface(1280, 800);
    etat.SetFenetre({-110, 110, -110, 110});
    TVisibilite visibilite;
    RechercheElements recherche(donnees, etat.VueEcran(), visibilite);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        donnees.TablesLectureSeule(false);
        donnees.EcritVariable(0, ++i);
        donnees.TablesLectureSeule(true);
        state.ResumeTiming();
        TElementsProches r;
        benchmark::DoNotOptimize(recherche.ChercheElements(640, 400, r));
    }
    state.counters["elements"] = 3.0 * ParType(static_cast<int>(state.range(0)));
}

// The three table walks alone: the part of a pick that belongs to the store.
void BM_ParcoursTables(benchmark::State& state)
{
    TModuleDonnee& donnees = Store(ParType(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        TRecPoint p;
        TRecLigne l;
        TRecCercle c;
        int n = 0;
        for (bool ok = donnees.PremierPoint(p); ok; ok = donnees.PointSuivant(p))
            ++n;
        for (bool ok = donnees.PremiereLigne(l); ok; ok = donnees.LigneSuivante(l))
            ++n;
        for (bool ok = donnees.PremierCercle(c); ok; ok = donnees.CercleSuivant(c))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}

// 0 stands for the largest store.
// One navigation step as the drawing does it: a wheel notch about a point of the surface
// (in and out in turn, so the view stays put over the run) or a 40-pixel pan, then the
// redraw of every element.
void BM_PasNavigation(benchmark::State& state)
{
    TModuleDonnee& donnees = Store(ParType(static_cast<int>(state.range(0))));
    EtatVue etat;
    etat.SetTailleSurface(1280, 800);
    etat.SetFenetre({-110, 110, -110, 110});
    TVisibilite visibilite;
    SurfaceImage surface(etat, visibilite);
    int pas = 0;
    for (auto _ : state) {
        switch (pas++ % 4) {
        case 0: etat.ZoomMolette(900, 300, 1); break;
        case 1: etat.Deplace(40, -40); break;
        case 2: etat.ZoomMolette(900, 300, -1); break;
        default: etat.Deplace(-40, 40); break;
        }
        surface.Redessine(donnees);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
    state.counters["elements"] = 3.0 * ParType(static_cast<int>(state.range(0)));
}

BENCHMARK(BM_Redessine)->Arg(1000)->Arg(10000)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasNavigation)->Arg(10000)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChercheElements)->Arg(1000)->Arg(10000)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChercheApresChangement)->Arg(10000)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParcoursTables)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velk

BENCHMARK_MAIN();
