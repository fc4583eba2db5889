// The JSON form of a run: its messages and the rows of the point, line, circle and variable
// tables in increasing Numero. Field names are those of the tables; reals carry 17
// significant digits so that they read back to the same 64-bit value. Scripts rely on this
// layout: keep it stable.
#pragma once

#include <cstdio>
#include <memory>
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

// The same document written while the run goes on: each message as it is raised, then
// the tables. Nothing of it is kept in memory beyond a small buffer.
class JsonEnFlux {
public:
    explicit JsonEnFlux(std::FILE* sortie);
    ~JsonEnFlux();
    JsonEnFlux(const JsonEnFlux&) = delete;
    JsonEnFlux& operator=(const JsonEnFlux&) = delete;
    void Message(std::string_view item);
    // Closes the message list, writes the tables; false when any write failed.
    bool Termine(TModuleDonnee& tables);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace velk
