// velk-run's printed page (--imprime): the print options read and checked before the run,
// and the page written after it by the drawing module, through the same printing function
// as the main window.
#pragma once

#include "cli/options_run.h"
#include "geometry/records.h"

#include <string>
#include <vector>

namespace velk {

class TModuleDonnee;

// The paper sizes --page knows, portrait, in millimetres.
struct FormatPapier {
    const char* nom;
    double largeurMM;
    double hauteurMM;
};
const std::vector<FormatPapier>& FormatsPapier();

// Margins of the printed page on every side, in points: those the main window's printer
// has when it prints to a PDF file, so that both give the same page.
constexpr double MargeImpressionPoints = 10;

// One page to print: the drawing framed on a zone, or centred on a point at a scale.
struct DemandeImpression {
    std::string fichier; // the PDF file; empty when nothing is to be printed
    std::string titre;   // the job title, as the main window gives it
    bool parCadre = false;
    Reel xmin = 0, ymin = 0, xmax = 0, ymax = 0; // --cadre
    Reel x = 0, y = 0;                           // --centre
    Reel echelle = 0;                            // --echelle, millimetres per unit
    FormatPapier papier{"A4", 210, 297};
    bool paysage = false;
};

// Reads the print options (all of them may be absent). False with a French message when
// they are incomplete, contradictory or not numbers.
bool LitDemandeImpression(const OptionsRun& options, DemandeImpression& demande, std::string& erreur);

// Writes the page (nothing when no file is asked). False with a French message.
bool ImprimePage(const DemandeImpression& demande, TModuleDonnee& tables, std::string& erreur);

} // namespace velk
