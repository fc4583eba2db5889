// The headless run behind velk-run.
#include "cli/run_fichier.h"

#include "cli/image_output.h"
#include "cli/sortie_json.h"
#include "language/fichier_programme.h"
#include "language/interprete.h"
#include "language/observateurs_simples.h"
#include "store/module_donnee.h"

#include <QDir>

#include <string>

namespace velk {

namespace {

void Ecrit(std::FILE* f, const std::string& texte) {
    std::fwrite(texte.data(), 1, texte.size(), f);
}

int Echec(std::FILE* erreurs, const std::string& message) {
    Ecrit(erreurs, "velk-run : " + message + "\n");
    return SortieErreur;
}

} // namespace

int RunFichier(const OptionsRun& options, std::FILE* sortie, std::FILE* erreurs) {
    ProgrammeCharge programme;
    try {
        programme = ChargeProgramme(options.programme);
    } catch (const ErreurFichier& e) {
        return Echec(erreurs, e.what());
    }

    std::string erreurImage;
    if (!VerifieOptionsImage(options, erreurImage))
        return Echec(erreurs, erreurImage);

    if (!options.dossierTables.empty() &&
        !QDir().mkpath(QString::fromStdString(options.dossierTables)))
        return Echec(erreurs, "Impossible de créer le dossier « " + options.dossierTables + " ».");

    try {
        TModuleDonnee tables(options.dossierTables);
        tables.CreeTables();
        MessagesEnMemoire messages;
        DessinMuet dessin;
        OccupeMuet occupe;
        Interprete interprete(tables, messages, dessin, occupe);
        const int nombre = interprete.ExecuteProgramme(programme.lignes);

        std::string texte;
        if (options.json) {
            texte = EcritJson(messages.Items(), tables);
        } else {
            for (const auto& m : messages.Items()) {
                texte += m;
                texte += '\n';
            }
        }
        Ecrit(sortie, texte);
        std::fflush(sortie);
        if (!EcritImages(options, tables, erreurImage))
            return Echec(erreurs, erreurImage);
        return nombre == 0 ? SortieSansMessage : SortieAvecMessages;
    } catch (const ErreurStockage& e) {
        return Echec(erreurs, e.what());
    }
}

} // namespace velk
