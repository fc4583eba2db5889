// Reading velk-run's print options, and handing the page to the drawing module.
#include "cli/impression_run.h"

#include "cli/image_output.h"
#include "language/nombres.h"

#include <cctype>
#include <cmath>

namespace velk {

namespace {

// Splits "a,b,..." into exactly `n` reals; the decimal separator is ".".
bool LitReels(const std::string& texte, size_t n, std::vector<Reel>& valeurs)
{
    valeurs.clear();
    size_t debut = 0;
    for (;;) {
        const size_t virgule = texte.find(',', debut);
        const std::string morceau = texte.substr(debut, virgule == std::string::npos ? std::string::npos
                                                                                     : virgule - debut);
        Reel v = 0;
        if (!ConvertitReel(morceau, v) || !std::isfinite(v))
            return false;
        valeurs.push_back(v);
        if (virgule == std::string::npos)
            break;
        debut = virgule + 1;
    }
    return valeurs.size() == n;
}

bool MemeNom(const std::string& a, const char* b)
{
    const std::string nom(b);
    if (a.size() != nom.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(nom[i])))
            return false;
    return true;
}

std::string NomFichier(const std::string& chemin)
{
    const auto barre = chemin.find_last_of('/');
    return barre == std::string::npos ? chemin : chemin.substr(barre + 1);
}

} // namespace

const std::vector<FormatPapier>& FormatsPapier()
{
    static const std::vector<FormatPapier> formats = {
        {"A0", 841, 1189}, {"A1", 594, 841},  {"A2", 420, 594},      {"A3", 297, 420},
        {"A4", 210, 297},  {"A5", 148, 210},  {"A6", 105, 148},      {"B4", 250, 353},
        {"B5", 176, 250},  {"Letter", 215.9, 279.4}, {"Legal", 215.9, 355.6},
    };
    return formats;
}

bool LitDemandeImpression(const OptionsRun& options, DemandeImpression& demande, std::string& erreur)
{
    demande = DemandeImpression();
    const bool parCentre = !options.echelle.empty() || !options.centre.empty();
    const bool parCadre = !options.cadre.empty();
    if (options.imprime.empty()) {
        if (parCentre || parCadre || !options.page.empty() || options.paysage) {
            erreur = "Les options --echelle, --centre, --cadre, --page et --paysage vont avec --imprime.";
            return false;
        }
        return true;
    }
    if (parCentre && parCadre) {
        erreur = "Choisissez --cadre ou bien --echelle et --centre, pas les deux.";
        return false;
    }
    if (!parCadre && (options.echelle.empty() || options.centre.empty())) {
        erreur = "L'option --imprime demande --echelle et --centre, ou bien --cadre.";
        return false;
    }
    std::vector<Reel> v;
    if (parCadre) {
        if (!LitReels(options.cadre, 4, v) || !(v[0] < v[2]) || !(v[1] < v[3])) {
            erreur = "Cadre invalide : « " + options.cadre
                     + " » (attendu XMIN,YMIN,XMAX,YMAX avec XMIN < XMAX et YMIN < YMAX).";
            return false;
        }
        demande.parCadre = true;
        demande.xmin = v[0];
        demande.ymin = v[1];
        demande.xmax = v[2];
        demande.ymax = v[3];
    } else {
        if (!LitReels(options.echelle, 1, v) || !(v[0] > 0)) {
            erreur = "Échelle invalide : « " + options.echelle
                     + " » (un nombre positif de millimètres par unité, par exemple 2.5).";
            return false;
        }
        demande.echelle = v[0];
        if (!LitReels(options.centre, 2, v)) {
            erreur = "Centre invalide : « " + options.centre + " » (attendu X,Y, par exemple 10,-5.5).";
            return false;
        }
        demande.x = v[0];
        demande.y = v[1];
    }
    if (!options.page.empty()) {
        const FormatPapier* trouve = nullptr;
        std::string noms;
        for (const FormatPapier& f : FormatsPapier()) {
            if (MemeNom(options.page, f.nom))
                trouve = &f;
            noms += (noms.empty() ? "" : ", ") + std::string(f.nom);
        }
        if (!trouve) {
            erreur = "Format de page inconnu : « " + options.page + " » (" + noms + ").";
            return false;
        }
        demande.papier = *trouve;
    }
    demande.paysage = options.paysage;
    demande.fichier = options.imprime;
    demande.titre = "Impression :Velk - " + NomFichier(options.programme);
    return true;
}

bool ImprimePage(const DemandeImpression& demande, TModuleDonnee& tables, std::string& erreur)
{
    if (demande.fichier.empty())
        return true;
    using Fonction = bool (*)(const DemandeImpression&, TModuleDonnee&, std::string&);
    const auto imprime = reinterpret_cast<Fonction>(SymboleModuleImages("VelkImprimePage", erreur));
    return imprime && imprime(demande, tables, erreur);
}

} // namespace velk
