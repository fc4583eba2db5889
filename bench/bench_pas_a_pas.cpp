// The step-by-step run against the full run, with the tables written to their files as in
// the window: a step costs one line plus the writing of the one row it built, and stepping
// through a whole program ends with the same tables as one run.
#include "language/interprete.h"
#include "language/observateurs_simples.h"
#include "language/pas_a_pas.h"
#include "store/module_donnee.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace velk {
namespace {

// A header and n statements: points, then lines through them, then circles about them.
LignesEnMemoire Programme(int n) {
    std::vector<std::string> lignes = {"Programme VELK Version 1.0 ", "", ""};
    for (int k = 0; k < n; ++k) {
        const int genre = k % 3, i = k / 3;
        const std::string num = std::to_string(i);
        if (genre == 0)
            lignes.push_back("P" + num + ":=" + num + "," + std::to_string(i % 97) + ",0,0");
        else if (genre == 1)
            lignes.push_back("L" + num + ":=P" + num + ",A" + std::to_string(i % 180) + ",1,0");
        else
            lignes.push_back("C" + num + ":=P" + num + "," + std::to_string(1 + i % 13) + ",2,0");
    }
    return LignesEnMemoire(lignes);
}

struct Monde {
    explicit Monde(const std::string& dossier)
        : tables(dossier), interprete(tables, messages, dessin, occupe) {
        tables.CreeTables();
    }
    TModuleDonnee tables;
    MessagesEnMemoire messages;
    DessinMuet dessin;
    OccupeMuet occupe;
    Interprete interprete;
};

std::string DossierTemporaire() {
    std::string modele =
        (std::filesystem::temp_directory_path() / "velk-pas-bench-XXXXXX").string();
    return ::mkdtemp(modele.data());
}

// Argument: the number of statements.
void BM_ExecutionComplete(benchmark::State& state) {
    const LignesEnMemoire texte = Programme(int(state.range(0)));
    const std::string dossier = DossierTemporaire();
    {
        Monde m(dossier);
        for (auto _ : state) m.interprete.ExecuteProgramme(texte);
    }
    std::filesystem::remove_all(dossier);
}
BENCHMARK(BM_ExecutionComplete)->Arg(30000)->Arg(150000)->Unit(benchmark::kMillisecond);

// F8 pressed until the end: one step per statement.
void BM_PasAPasJusquAuBout(benchmark::State& state) {
    const LignesEnMemoire texte = Programme(int(state.range(0)));
    const std::string dossier = DossierTemporaire();
    {
        Monde m(dossier);
        ExecutionPasAPas pas(m.interprete);
        for (auto _ : state)
            while (!pas.Pas(texte).Fin) {
            }
    }
    std::filesystem::remove_all(dossier);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PasAPasJusquAuBout)->Arg(3000)->Unit(benchmark::kMillisecond);

// F9 after the first step: the rest of the run at a full run's pace.
void BM_UnPasPuisFin(benchmark::State& state) {
    const LignesEnMemoire texte = Programme(int(state.range(0)));
    const std::string dossier = DossierTemporaire();
    {
        Monde m(dossier);
        ExecutionPasAPas pas(m.interprete);
        for (auto _ : state) {
            pas.Pas(texte);
            pas.Termine(texte);
        }
    }
    std::filesystem::remove_all(dossier);
}
BENCHMARK(BM_UnPasPuisFin)->Arg(30000)->Arg(150000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velk

BENCHMARK_MAIN();
