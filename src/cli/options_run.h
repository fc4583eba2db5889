// Command-line options of velk-run. Every option is one row of a single table (name, value
// placeholder, help text, effect), so adding an option means adding a row and a field.
#pragma once

#include <string>
#include <vector>

namespace velk {

struct OptionsRun {
    std::string programme;      // the .vlk file to run
    bool json = false;          // one JSON object instead of the message lines
    std::string dossierTables;  // where to write the table files; empty: nowhere
    bool aide = false;
    bool chrono = false;        // time of each step on stderr
    // Images of the drawing after the run (see image_output.h).
    std::string png;
    std::string svg;
    std::string pdf;
    std::string dxf;
    std::string tailleImage = "800x600";
    bool cadrage = false;       // frame all elements instead of the origin view
    // One printed page in PDF (see impression_run.h); the values are checked before the run.
    std::string imprime;
    std::string echelle;
    std::string centre;
    std::string cadre;
    std::string page;
    bool paysage = false;
};

struct DefinitionOption {
    const char* nom;      // "--json"
    const char* valeur;   // placeholder of the value ("DOSSIER"), null for a flag
    const char* aide;     // one line of help, in French
    void (*applique)(OptionsRun& options, const std::string& valeur);
};

const std::vector<DefinitionOption>& DefinitionsOptions();

// Short spellings the parser takes for an option of the table ("-h" for "--help").
struct AliasOption {
    const char* court;
    const char* nom;
};
const std::vector<AliasOption>& AliasOptions();

// Width of the --help text, in characters.
constexpr size_t LargeurAide = 80;

// Reads the arguments (without the program name). Accepts "--name value" and
// "--name=value"; "--" ends the options. Returns false with a French message in `erreur`
// on a usage error.
bool LitOptions(const std::vector<std::string>& arguments, OptionsRun& options,
                std::string& erreur);

// The --help text: usage, one entry per option of the table (wrapped to LargeurAide), the
// forms of the command line, and what the outputs hold.
std::string TexteAide();

} // namespace velk
