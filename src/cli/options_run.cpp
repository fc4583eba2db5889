// The option table of velk-run and its parsing.
#include "cli/options_run.h"

namespace velk {

const std::vector<DefinitionOption>& DefinitionsOptions() {
    static const std::vector<DefinitionOption> definitions = {
        {"--json", nullptr,
         "écrit un objet JSON : messages, points, lignes, cercles et variables",
         [](OptionsRun& o, const std::string&) { o.json = true; }},
        {"--tables", "DOSSIER",
         "écrit les cinq fichiers de tables dans DOSSIER (créé s'il manque)",
         [](OptionsRun& o, const std::string& v) { o.dossierTables = v; }},
        {"--png", "FICHIER", "dessine les éléments dans une image PNG",
         [](OptionsRun& o, const std::string& v) { o.png = v; }},
        {"--svg", "FICHIER", "dessine les éléments dans un fichier SVG (vectoriel)",
         [](OptionsRun& o, const std::string& v) { o.svg = v; }},
        {"--pdf", "FICHIER", "dessine les éléments dans un fichier PDF (vectoriel)",
         [](OptionsRun& o, const std::string& v) { o.pdf = v; }},
        {"--size", "LxH", "taille du dessin en pixels (800x600 par défaut)",
         [](OptionsRun& o, const std::string& v) { o.tailleImage = v; }},
        {"--cadrage", nullptr, "cadre tous les éléments au lieu de la vue -80..80",
         [](OptionsRun& o, const std::string&) { o.cadrage = true; }},
        {"--chrono", nullptr,
         "écrit sur la sortie d'erreur la durée du chargement, de l'exécution et des sorties",
         [](OptionsRun& o, const std::string&) { o.chrono = true; }},
        {"--help", nullptr, "affiche cette aide",
         [](OptionsRun& o, const std::string&) { o.aide = true; }},
    };
    return definitions;
}

bool LitOptions(const std::vector<std::string>& arguments, OptionsRun& options,
                std::string& erreur) {
    bool finOptions = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (!finOptions && arg == "--") {
            finOptions = true;
            continue;
        }
        if (!finOptions && arg.size() > 1 && arg[0] == '-') {
            const auto egal = arg.find('=');
            std::string nom = arg.substr(0, egal);
            if (nom == "-h") nom = "--help";
            const DefinitionOption* trouvee = nullptr;
            for (const auto& d : DefinitionsOptions())
                if (nom == d.nom) trouvee = &d;
            if (trouvee == nullptr) {
                erreur = "Option inconnue : " + nom;
                return false;
            }
            std::string valeur;
            if (trouvee->valeur != nullptr) {
                if (egal != std::string::npos) {
                    valeur = arg.substr(egal + 1);
                } else if (i + 1 < arguments.size()) {
                    valeur = arguments[++i];
                } else {
                    erreur = "L'option " + nom + " attend une valeur (" + trouvee->valeur + ").";
                    return false;
                }
                if (valeur.empty()) {
                    erreur = "L'option " + nom + " attend une valeur non vide.";
                    return false;
                }
            } else if (egal != std::string::npos) {
                erreur = "L'option " + nom + " ne prend pas de valeur.";
                return false;
            }
            trouvee->applique(options, valeur);
            continue;
        }
        if (!options.programme.empty()) {
            erreur = "Un seul fichier programme à la fois (déjà indiqué : " + options.programme +
                     ").";
            return false;
        }
        options.programme = arg;
    }
    if (options.aide) return true;
    if (options.programme.empty()) {
        erreur = "Aucun fichier programme indiqué.";
        return false;
    }
    return true;
}

std::string TexteAide() {
    std::string texte =
        "Usage : velk-run [OPTIONS] PROGRAMME.vlk\n"
        "Exécute un programme de construction sans affichage et écrit la liste des messages,\n"
        "un par ligne.\n"
        "Code de sortie : 0 sans message, 1 s'il y a des messages, 2 en cas d'erreur\n"
        "d'utilisation ou de fichier.\n\nOptions :\n";
    for (const auto& d : DefinitionsOptions()) {
        std::string tete = std::string("  ") + d.nom;
        if (d.valeur != nullptr) tete += std::string(" ") + d.valeur;
        if (tete.size() < 22) tete.resize(22, ' ');
        else tete += ' ';
        texte += tete + d.aide + "\n";
    }
    return texte;
}

} // namespace velk
