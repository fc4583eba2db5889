// Images of the tables after a run of velk-run: PNG, SVG and PDF of the drawing through
// the same painters as the screen, on a white background, and the DXF file for CAD programs.
#pragma once

#include "cli/options_run.h"

#include <string>

namespace velk {

class TModuleDonnee;

// The file of the drawing module, next to velk-run.
constexpr const char* NomModuleImages = "velk-run-images.so";

// A function of the drawing module, loaded at first use; null with a French message.
void* SymboleModuleImages(const char* nom, std::string& erreur);

// Reads "WxH" (each 1..20000, at most 64 million pixels). False with a French message.
bool LitTailleImage(const std::string& texte, int& largeur, int& hauteur, std::string& erreur);

// Checks the image options before the run, so a typing error costs no run.
bool VerifieOptionsImage(const OptionsRun& options, std::string& erreur);

// Writes every image asked for: the origin view (-80..80) of the surface size, or the
// framing of all elements with --cadrage (the DXF file's unbounded lines end at that view's
// borders). Each file is replaced only once complete.
bool EcritImages(const OptionsRun& options, TModuleDonnee& tables, std::string& erreur);

} // namespace velk
