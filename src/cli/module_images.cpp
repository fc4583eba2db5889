// The drawing half of velk-run's image output, built as a module that velk-run loads only
// when an image is asked for: a plain run then starts without the graphics libraries.
#include "cli/image_output.h"

#include "store/module_donnee.h"
#include "view/etat_vue.h"
#include "view/sortie_dessin.h"

// The module's entry point, looked up by name (see EcritImages); the size is already checked.
extern "C" __attribute__((visibility("default"))) bool
VelkEcritImages(const velk::OptionsRun& options, int largeur, int hauteur,
                velk::TModuleDonnee& tables, std::string& erreur) {
    using namespace velk;
    EtatVue etat;
    etat.SetTailleSurface(largeur, hauteur);
    etat.VueOrigine();
    if (options.cadrage) etat.Cadrage(tables);
    const TVisibilite visibilite;
    const TVue vue = etat.VueEcran();
    const std::pair<FormatDessin, const std::string*> sorties[] = {
        {FormatDessin::Png, &options.png},
        {FormatDessin::Svg, &options.svg},
        {FormatDessin::Pdf, &options.pdf},
        {FormatDessin::Dxf, &options.dxf}};
    for (const auto& [format, chemin] : sorties) {
        if (chemin->empty()) continue;
        erreur = EcritDessin(format, QString::fromStdString(*chemin), vue, tables, visibilite);
        if (!erreur.empty()) return false;
    }
    return true;
}
