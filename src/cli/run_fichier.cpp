// The headless run behind velk-run.
#include "cli/run_fichier.h"

#include "cli/image_output.h"
#include "cli/impression_run.h"
#include "cli/sortie_json.h"
#include "language/fichier_programme.h"
#include "language/interprete.h"
#include "language/observateurs_simples.h"
#include "store/module_donnee.h"

#include <QDir>

#include <chrono>
#include <new>
#include <optional>

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

// The messages go out as they are raised (a plain line each, or a JSON item): a file of
// millions of faulty lines never has its messages in memory.
class MessagesEnFlux : public ListeMessages {
public:
    MessagesEnFlux(std::FILE* sortie, JsonEnFlux* json) : sortie_(sortie), json_(json) {}
    void EffaceMessages() override { nombre_ = 0; }
    void AjouteMessage(const std::string& item) override {
        ++nombre_;
        if (json_) {
            json_->Message(item);
        } else {
            ok_ = ok_ && std::fwrite(item.data(), 1, item.size(), sortie_) == item.size() &&
                  std::fputc('\n', sortie_) != EOF;
        }
    }
    int NombreMessages() const override { return nombre_; }
    std::string Message(int) const override { return {}; } // already written
    bool Ok() const { return ok_; }

private:
    std::FILE* sortie_;
    JsonEnFlux* json_;
    int nombre_ = 0;
    bool ok_ = true;
};

} // namespace

// Durations of the steps, for --chrono.
class Chrono {
public:
    void Etape(const char* nom) {
        const auto maintenant = std::chrono::steady_clock::now();
        const double ms = std::chrono::duration<double, std::milli>(maintenant - debut_).count();
        char ligne[96];
        std::snprintf(ligne, sizeof ligne, "%s%s %.1f ms", texte_.empty() ? "" : ", ", nom, ms);
        texte_ += ligne;
        debut_ = maintenant;
    }
    const std::string& Texte() const { return texte_; }

private:
    std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
    std::string texte_;
};

int RunFichier(const OptionsRun& options, std::FILE* sortie, std::FILE* erreurs) {
    Chrono chrono;
    std::optional<LignesEnFlux> programme;
    try {
        programme.emplace(ChargeProgrammeEnFlux(options.programme));
    } catch (const ErreurFichier& e) {
        return Echec(erreurs, e.what());
    } catch (const std::bad_alloc&) {
        return Echec(erreurs, "Mémoire insuffisante pour lire le fichier « " +
                                  options.programme + " ».");
    }
    chrono.Etape("chargement");

    std::string erreurImage;
    if (!VerifieOptionsImage(options, erreurImage))
        return Echec(erreurs, erreurImage);
    DemandeImpression impression;
    if (!LitDemandeImpression(options, impression, erreurImage))
        return Echec(erreurs, erreurImage);

    if (!options.dossierTables.empty() &&
        !QDir().mkpath(QString::fromStdString(options.dossierTables)))
        return Echec(erreurs, "Impossible de créer le dossier « " + options.dossierTables + " ».");

    try {
        TModuleDonnee tables(options.dossierTables);
        tables.CreeTables();
        std::optional<JsonEnFlux> json;
        if (options.json) json.emplace(sortie);
        MessagesEnFlux messages(sortie, json ? &*json : nullptr);
        DessinMuet dessin;
        OccupeMuet occupe;
        Interprete interprete(tables, messages, dessin, occupe);
        chrono.Etape("tables");
        const int nombre = interprete.ExecuteProgramme(*programme);
        programme.reset();
        chrono.Etape("exécution");

        bool ecrit = messages.Ok();
        if (json) ecrit = json->Termine(tables) && ecrit;
        if (std::fflush(sortie) != 0 || !ecrit)
            return Echec(erreurs, "Impossible d'écrire la sortie (disque plein ?).");
        if (!EcritImages(options, tables, erreurImage) || !ImprimePage(impression, tables, erreurImage))
            return Echec(erreurs, erreurImage);
        chrono.Etape("sorties");
        if (options.chrono) Ecrit(erreurs, "velk-run : " + chrono.Texte() + "\n");
        return nombre == 0 ? SortieSansMessage : SortieAvecMessages;
    } catch (const ErreurStockage& e) {
        return Echec(erreurs, e.what());
    }
}

} // namespace velk
