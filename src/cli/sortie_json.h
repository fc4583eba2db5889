// The JSON form of a run: its messages and the rows of the point, line, circle and variable
// tables in increasing Numero. Field names are those of the tables; reals carry 17
// significant digits so that they read back to the same 64-bit value. Scripts rely on this
// layout: keep it stable.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

class TModuleDonnee;

// A JSON string literal; control characters are escaped and ill-formed UTF-8 becomes
// U+FFFD.
void AjouteChaineJson(std::string& sortie, std::string_view texte);
// A finite real in the shortest form that keeps 17 significant digits ("0.10000000000000001").
void AjouteReelJson(std::string& sortie, double valeur);

std::string EcritJson(const std::vector<std::string>& messages, TModuleDonnee& tables);
// The same document written to `sortie` as it is produced; false when a write failed.
bool EcritJson(const std::vector<std::string>& messages, TModuleDonnee& tables,
               std::FILE* sortie);

} // namespace velk
