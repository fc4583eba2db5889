// The option table of velk-run and its parsing.
#include "cli/options_run.h"

#include <algorithm>

namespace velk {

const std::vector<DefinitionOption>& DefinitionsOptions() {
    static const std::vector<DefinitionOption> definitions = {
        {"--json", nullptr,
         "écrit les messages et les tables en un objet JSON (voir plus bas)",
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
        {"--dxf", "FICHIER",
         "écrit les éléments dans un fichier DXF (R12) pour les logiciels de CAO ; les droites "
         "s'arrêtent aux bords de la vue",
         [](OptionsRun& o, const std::string& v) { o.dxf = v; }},
        {"--size", "LxH", "taille du dessin en pixels (800x600 par défaut)",
         [](OptionsRun& o, const std::string& v) { o.tailleImage = v; }},
        {"--cadrage", nullptr, "cadre tous les éléments au lieu de la vue -80..80 (voir plus bas)",
         [](OptionsRun& o, const std::string&) { o.cadrage = true; }},
        {"--imprime", "FICHIER",
         "imprime le dessin sur une page du fichier PDF FICHIER, comme la commande Imprimer "
         "de la fenêtre",
         [](OptionsRun& o, const std::string& v) { o.imprime = v; }},
        {"--echelle", "S", "avec --imprime : S millimètres de papier par unité (avec --centre)",
         [](OptionsRun& o, const std::string& v) { o.echelle = v; }},
        {"--centre", "X,Y", "avec --imprime : le point mis au centre de la page (avec --echelle)",
         [](OptionsRun& o, const std::string& v) { o.centre = v; }},
        {"--cadre", "ZONE",
         "avec --imprime : la zone XMIN,YMIN,XMAX,YMAX agrandie à la taille de la page",
         [](OptionsRun& o, const std::string& v) { o.cadre = v; }},
        {"--page", "FORMAT", "avec --imprime : A4 (par défaut), A3, A5, Letter, Legal...",
         [](OptionsRun& o, const std::string& v) { o.page = v; }},
        {"--paysage", nullptr, "avec --imprime : la page en largeur",
         [](OptionsRun& o, const std::string&) { o.paysage = true; }},
        {"--chrono", nullptr,
         "écrit sur la sortie d'erreur la durée du chargement, de l'exécution et des sorties",
         [](OptionsRun& o, const std::string&) { o.chrono = true; }},
        {"--help", nullptr, "affiche cette aide",
         [](OptionsRun& o, const std::string&) { o.aide = true; }},
    };
    return definitions;
}

const std::vector<AliasOption>& AliasOptions() {
    static const std::vector<AliasOption> alias = {{"-h", "--help"}};
    return alias;
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
            for (const auto& a : AliasOptions())
                if (nom == a.court) nom = a.nom;
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

namespace {

// Characters of a UTF-8 text (continuation bytes do not count).
size_t Largeur(const std::string& texte) {
    size_t n = 0;
    for (unsigned char c : texte)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// Appends `texte` after `tete`, cut between words so that no line passes LargeurAide;
// the following lines start with `retrait` blanks. French punctuation set off by a blank
// (" :", " ;") stays with the word before it.
void AjouteParagraphe(std::string& sortie, std::string tete, const std::string& texte,
                      size_t retrait) {
    std::vector<std::string> mots;
    for (size_t i = 0; i < texte.size();) {
        const size_t fin = std::min(texte.find(' ', i), texte.size());
        const std::string mot = texte.substr(i, fin - i);
        i = fin + 1;
        if (mot.empty()) continue;
        const bool ponctuation = mot == ":" || mot == ";" || mot == "?" || mot == "!";
        if (ponctuation && !mots.empty())
            mots.back() += " " + mot;
        else
            mots.push_back(mot);
    }
    std::string ligne = std::move(tete);
    bool debut = true;
    for (const std::string& mot : mots) {
        if (!debut && Largeur(ligne) + 1 + Largeur(mot) > LargeurAide) {
            sortie += ligne + "\n";
            ligne.assign(retrait, ' ');
            debut = true;
        }
        if (!debut) ligne += ' ';
        ligne += mot;
        debut = false;
    }
    sortie += ligne + "\n";
}

} // namespace

std::string TexteAide() {
    constexpr size_t Colonne = 22;
    std::string texte = "Usage : velk-run [OPTIONS] PROGRAMME.vlk\n";
    AjouteParagraphe(texte, "",
                     "Exécute un programme de construction sans affichage, comme F9 dans la "
                     "fenêtre, et écrit la liste des messages, un par ligne.",
                     0);
    AjouteParagraphe(texte, "",
                     "Code de sortie : 0 sans message, 1 s'il y a des messages, 2 en cas "
                     "d'erreur d'utilisation ou de fichier.",
                     0);
    texte += "\nOptions :\n";
    for (const auto& d : DefinitionsOptions()) {
        std::string tete = "  ";
        for (const auto& a : AliasOptions())
            if (std::string(a.nom) == d.nom) tete += std::string(a.court) + ", ";
        tete += d.nom;
        if (d.valeur != nullptr) tete += std::string(" ") + d.valeur;
        if (tete.size() < Colonne) tete.resize(Colonne, ' ');
        else tete += ' ';
        AjouteParagraphe(texte, tete, d.aide, Colonne);
    }
    texte += "\n";
    AjouteParagraphe(texte, "",
                     "Une option à valeur s'écrit --option valeur ou --option=valeur. -- "
                     "termine les options : ce qui suit est le programme, même si son nom "
                     "commence par un tiret.",
                     0);
    AjouteParagraphe(texte, "",
                     "--json écrit un objet aux clés messages (les messages, comme sans "
                     "--json), points, lines, circles et variables (les rangées de chaque "
                     "table, par numéro croissant).",
                     0);
    AjouteParagraphe(texte, "",
                     "--tables : chaque fichier (Points.DB, Lignes.DB, Cercles.DB, "
                     "Variables.DB, Formes.DB) est une base SQLite d'une seule table, nommée "
                     "d'après le genre d'élément (Point, Ligne, Cercle, Variable, Forme).",
                     0);
    AjouteParagraphe(texte, "",
                     "Vue -80..80 : la fenêtre du monde d'un nouveau programme, x et y de -80 "
                     "à 80 autour de l'origine ; le côté le plus long de l'image en montre "
                     "davantage.",
                     0);
    return texte;
}

} // namespace velk

