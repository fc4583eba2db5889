// What velk-run does once its options are read: load the program, run it headless, write
// the messages or the JSON document, and optionally the table files.
#pragma once

#include "cli/options_run.h"

#include <cstdio>

namespace velk {

enum CodeSortie : int { SortieSansMessage = 0, SortieAvecMessages = 1, SortieErreur = 2 };

// Writes the result to `sortie` and French error text to `erreurs`.
int RunFichier(const OptionsRun& options, std::FILE* sortie, std::FILE* erreurs);

} // namespace velk
