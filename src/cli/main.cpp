// velk-run: runs a construction program without any display.
#include "cli/options_run.h"
#include "cli/run_fichier.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    velk::OptionsRun options;
    std::string erreur;
    if (!velk::LitOptions(arguments, options, erreur)) {
        std::fprintf(stderr, "velk-run : %s\nEssayez « velk-run --help ».\n", erreur.c_str());
        return velk::SortieErreur;
    }
    if (options.aide) {
        std::fputs(velk::TexteAide().c_str(), stdout);
        return velk::SortieSansMessage;
    }
    return velk::RunFichier(options, stdout, stderr);
}
