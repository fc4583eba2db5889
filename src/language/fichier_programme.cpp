// Program file reading and writing.
#include "language/fichier_programme.h"

#include "language/encodage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velk {

namespace {

QString CheminQt(const std::string& chemin) { return QString::fromStdString(chemin); }

std::string Nomme(const std::string& chemin) { return "« " + chemin + " »"; }

std::string Raison(QFileDevice::FileError erreur) {
    switch (erreur) {
    case QFileDevice::PermissionsError: return "accès refusé";
    case QFileDevice::OpenError: return "ouverture impossible";
    case QFileDevice::ReadError: return "erreur de lecture";
    case QFileDevice::WriteError: return "erreur d'écriture (disque plein ?)";
    case QFileDevice::ResourceError: return "ressources insuffisantes";
    default: return "erreur du système de fichiers";
    }
}

} // namespace

std::vector<std::string> DecoupeLignes(std::string_view octets) {
    if (octets.substr(0, 3) == "\xEF\xBB\xBF") octets.remove_prefix(3);
    std::string converti;
    if (!EstUtf8Valide(octets)) {
        converti = Windows1252VersUtf8(octets);
        octets = converti;
    }
    std::vector<std::string> lignes;
    size_t debut = 0;
    while (debut < octets.size()) {
        size_t fin = octets.find('\n', debut);
        const size_t suivant = fin == std::string_view::npos ? octets.size() : fin + 1;
        if (fin == std::string_view::npos) fin = octets.size();
        size_t longueur = fin - debut;
        if (longueur > 0 && octets[fin - 1] == '\r' && fin < octets.size()) --longueur;
        lignes.emplace_back(octets.substr(debut, longueur));
        debut = suivant;
    }
    return lignes;
}

std::string AssembleLignes(const std::vector<std::string>& lignes) {
    size_t taille = 0;
    for (const auto& l : lignes) taille += l.size() + 2;
    std::string octets;
    octets.reserve(taille);
    for (const auto& l : lignes) {
        octets += l;
        octets += "\r\n";
    }
    return octets;
}

std::vector<std::string> LitFichierProgramme(const std::string& chemin) {
    const QFileInfo info(CheminQt(chemin));
    if (!info.exists())
        throw ErreurFichier("Le fichier " + Nomme(chemin) + " n'existe pas.");
    if (info.isDir())
        throw ErreurFichier(Nomme(chemin) + " est un dossier, pas un fichier programme.");
    if (info.size() > TailleMaxProgramme)
        throw ErreurFichier("Le fichier " + Nomme(chemin) +
                            " est trop volumineux pour être un programme de construction.");
    QFile fichier(CheminQt(chemin));
    if (!fichier.open(QIODevice::ReadOnly))
        throw ErreurFichier("Impossible de lire le fichier " + Nomme(chemin) + " : " +
                            Raison(fichier.error()) + ".");
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        throw ErreurFichier("Impossible de lire le fichier " + Nomme(chemin) + " : " +
                            Raison(fichier.error()) + ".");
    return DecoupeLignes(std::string_view(octets.constData(), static_cast<size_t>(octets.size())));
}

void EcritFichierProgramme(const std::string& chemin, const std::vector<std::string>& lignes) {
    const std::string octets = AssembleLignes(lignes);
    QSaveFile fichier(CheminQt(chemin));
    const auto echec = [&] {
        return ErreurFichier("Impossible d'écrire le fichier " + Nomme(chemin) + " : " +
                             Raison(fichier.error()) + ".");
    };
    if (!fichier.open(QIODevice::WriteOnly)) throw echec();
    if (fichier.write(octets.data(), static_cast<qint64>(octets.size())) !=
        static_cast<qint64>(octets.size())) {
        fichier.cancelWriting();
        throw echec();
    }
    if (!fichier.commit()) throw echec();
}

} // namespace velk
