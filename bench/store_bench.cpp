// The element store alone at its largest size (65 536 rows of a kind): writing, reading,
// walking, ranks for a grid, free numbers, and writing the tables to their files.
#include "store/module_donnee.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace velk {
namespace {

constexpr int Rangs = 65536;

TRecCercle Cercle(int n) {
    TRecCercle c;
    c.Xc = n * 0.25L;
    c.Yc = -n * 0.5L;
    c.Rc = 1 + n % 97;
    c.Couleur = n % 16;
    c.Couche = n % 32;
    return c;
}

void Remplit(TModuleDonnee& store) {
    for (int n = 0; n < Rangs; ++n)
        store.EcritCercle(static_cast<uint16_t>(n), Cercle(n));
}

// A run's pattern: empty the tables, then write every number once.
void BM_EcritureCercles(benchmark::State& state) {
    TModuleDonnee store;
    for (auto _ : state) {
        store.VideTables();
        Remplit(store);
    }
    state.SetItemsProcessed(state.iterations() * Rangs);
}
BENCHMARK(BM_EcritureCercles)->Unit(benchmark::kMicrosecond);

// Reads in a scattered order, as statements referring to earlier elements do.
void BM_LectureCercles(benchmark::State& state) {
    TModuleDonnee store;
    Remplit(store);
    TRecCercle c;
    for (auto _ : state) {
        for (int i = 0; i < Rangs; ++i) {
            const auto n = static_cast<uint16_t>(i * 40503u);
            if (store.CercleExiste(n)) store.LitCercle(n, c);
        }
        benchmark::DoNotOptimize(c);
    }
    state.SetItemsProcessed(state.iterations() * Rangs);
}
BENCHMARK(BM_LectureCercles)->Unit(benchmark::kMicrosecond);

// The drawing's walk over a full table.
void BM_ParcoursCercles(benchmark::State& state) {
    TModuleDonnee store;
    Remplit(store);
    TRecCercle c;
    for (auto _ : state) {
        int vus = 0;
        for (bool ok = store.PremierCercle(c); ok; ok = store.CercleSuivant(c))
            ++vus;
        benchmark::DoNotOptimize(vus);
    }
    state.SetItemsProcessed(state.iterations() * Rangs);
}
BENCHMARK(BM_ParcoursCercles)->Unit(benchmark::kMicrosecond);

// A grid showing every row by rank right after a change (the order is rebuilt once).
void BM_RangsApresChangement(benchmark::State& state) {
    TModuleDonnee store;
    Remplit(store);
    TRecCercle c;
    for (auto _ : state) {
        store.VideTables();
        store.EcritCercle(0, c);
        Remplit(store);
        for (int r = 0; r < Rangs; ++r)
            store.CercleAuRang(r, c);
        benchmark::DoNotOptimize(c);
    }
    state.SetItemsProcessed(state.iterations() * Rangs);
}
BENCHMARK(BM_RangsApresChangement)->Unit(benchmark::kMicrosecond);

// Interactive construction: take the lowest free number and use it, until all are used.
void BM_NumeroLibreJusquAuPlein(benchmark::State& state) {
    TModuleDonnee store;
    TRecPoint p;
    for (auto _ : state) {
        store.VideTables();
        while (auto n = store.NumeroLibrePoint())
            store.EcritPoint(*n, p);
    }
    state.SetItemsProcessed(state.iterations() * Rangs);
}
BENCHMARK(BM_NumeroLibreJusquAuPlein)->Unit(benchmark::kMicrosecond);

// The one free number of a full table is the last one: the worst single search.
void BM_NumeroLibreTablePleine(benchmark::State& state) {
    TModuleDonnee store;
    TRecPoint p;
    for (int n = 0; n < Rangs - 1; ++n)
        store.EcritPoint(static_cast<uint16_t>(n), p);
    for (auto _ : state) {
        store.VideTables();
        for (int n = 0; n < Rangs - 1; ++n)
            store.EcritPoint(static_cast<uint16_t>(n), p);
        benchmark::DoNotOptimize(store.NumeroLibrePoint());
    }
}
BENCHMARK(BM_NumeroLibreTablePleine)->Unit(benchmark::kMicrosecond);

std::string DossierTemporaire() {
    std::string modele =
        (std::filesystem::temp_directory_path() / "velk-store-bench-XXXXXX").string();
    return ::mkdtemp(modele.data());
}

// The switch to read-only at the end of the largest run: 65 536 points, lines and
// circles written to their three files.
void BM_EcritureFichiers(benchmark::State& state) {
    const std::string dossier = DossierTemporaire();
    {
        TModuleDonnee store(dossier);
        store.CreeTables();
        for (auto _ : state) {
            state.PauseTiming();
            store.VideTables();
            store.TablesLectureSeule(false);
            for (int n = 0; n < Rangs; ++n) {
                const auto k = static_cast<uint16_t>(n);
                const TRecCercle c = Cercle(n);
                store.EcritPoint(k, TRecPoint{0, c.Xc, c.Yc, 1, 2});
                store.EcritLigne(k, TRecLigne{0, c.Xc, c.Yc, 0.5L, 0, 0, 0, 0, 1, 2});
                store.EcritCercle(k, c);
            }
            state.ResumeTiming();
            store.TablesLectureSeule(true);
        }
        state.SetItemsProcessed(state.iterations() * 3 * Rangs);
    }
    std::filesystem::remove_all(dossier);
}
BENCHMARK(BM_EcritureFichiers)->Unit(benchmark::kMillisecond)->UseRealTime();

// One statement built by clicks after a large run: the switch back to read-only writes
// only the new row, not the 65 535 others.
void BM_InstructionSeuleApresGrandRun(benchmark::State& state) {
    const std::string dossier = DossierTemporaire();
    {
        TModuleDonnee store(dossier);
        store.CreeTables();
        for (int n = 0; n < Rangs - 1; ++n)
            store.EcritCercle(static_cast<uint16_t>(n), Cercle(n));
        store.TablesLectureSeule(true);
        for (auto _ : state) {
            store.TablesLectureSeule(false);
            store.EcritCercle(Rangs - 1, Cercle(Rangs - 1));
            store.TablesLectureSeule(true);
        }
    }
    std::filesystem::remove_all(dossier);
}
BENCHMARK(BM_InstructionSeuleApresGrandRun)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
} // namespace velk

BENCHMARK_MAIN();
