// Benchmarks of the graphic view: a full redraw on a 1280 x 800 image and one pick, for
// stores of about 1 000 and 10 000 elements and for the largest (65 536 points, lines and
// circles). Elements are spread over the framed window, lines all cross it, and colours
// change from one element to the next, which is the worst case for stroke batching.
#include "magasin_vue.h"
#include "store/module_donnee.h"
#include "view/dessine.h"
#include "view/etat_vue.h"
#include "view/recherche.h"
#include "view/surface_image.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>

namespace velk {
namespace {

int ParType(int total)
{
    return total == 0 ? 65536 : total / 3;
}

void BM_Redessine(benchmark::State& state)
{
    TModuleDonnee& donnees = MagasinVue(ParType(static_cast<int>(state.range(0))));
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
    TModuleDonnee& donnees = MagasinVue(ParType(static_cast<int>(state.range(0))));
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

// The same picks by walking the tables, the way every pick went before the index.
void BM_ChercheParcours(benchmark::State& state)
{
    TModuleDonnee& donnees = MagasinVue(ParType(static_cast<int>(state.range(0))));
    EtatVue etat;
    etat.SetTailleSurface(1280, 800);
    etat.SetFenetre({-110, 110, -110, 110});
    TVisibilite visibilite;
    RechercheElements recherche(donnees, etat.VueEcran(), visibilite);
    int colonne = 0;
    for (auto _ : state) {
        TElementsProches r;
        benchmark::DoNotOptimize(recherche.ChercheElementsParcours(300 + colonne, 400, r));
        colonne = (colonne + 37) % 600;
    }
    state.counters["elements"] = 3.0 * ParType(static_cast<int>(state.range(0)));
}

// The first pick after a change, which rebuilds the index of what changed. The change is,
// by argument: 0 a variable (no index to rebuild), 1 one circle (a statement built by
// clicks), 2 one point, one line and one circle (every kind rebuilt, as after a run),
// 3 the view (a zoom: every kind rebuilt).
void BM_ChercheApresChangement(benchmark::State& state)
{
    TModuleDonnee& donnees = MagasinVue(ParType(0));
    EtatVue etat;
    etat.SetTailleSurface(1280, 800);
    etat.SetFenetre({-110, 110, -110, 110});
    TVisibilite visibilite;
    RechercheElements recherche(donnees, etat.VueEcran(), visibilite);
    const int64_t change = state.range(0);
    TElementsProches r;
    recherche.ChercheElements(640, 400, r);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++i;
        if (change == 3) {
            etat.SetFenetre({-110.0L + (i % 2), 110, -110, 110});
        } else {
            donnees.TablesLectureSeule(false);
            const auto n = static_cast<uint16_t>(i * 7919 % 65536);
            if (change == 0)
                donnees.EcritVariable(0, i);
            if (change == 2) {
                TRecPoint p;
                TRecLigne l;
                donnees.LitPoint(n, p);
                donnees.LitLigne(n, l);
                donnees.EcritPoint(n, p);
                donnees.EcritLigne(n, l);
            }
            if (change >= 1) {
                TRecCercle c;
                donnees.LitCercle(n, c);
                donnees.EcritCercle(n, c);
            }
            donnees.TablesLectureSeule(true);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(recherche.ChercheElements(640, 400, r));
    }
    state.counters["elements"] = 3.0 * ParType(0);
}

// The three table walks alone: the part of a pick that belongs to the store.
void BM_ParcoursTables(benchmark::State& state)
{
    TModuleDonnee& donnees = MagasinVue(ParType(static_cast<int>(state.range(0))));
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

// One navigation step as the drawing does it: a wheel notch about a point of the surface
// (in and out in turn, so the view stays put over the run) or a 40-pixel pan, then the
// redraw of every element.
void BM_PasNavigation(benchmark::State& state)
{
    TModuleDonnee& donnees = MagasinVue(ParType(static_cast<int>(state.range(0))));
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
BENCHMARK(BM_ChercheParcours)->Arg(1000)->Arg(10000)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChercheApresChangement)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParcoursTables)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velk

BENCHMARK_MAIN();
