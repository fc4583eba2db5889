// Program file reading and writing.
#include "language/fichier_programme.h"

#include "language/encodage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

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

TamponZone Copie(std::string_view octets) {
    TamponZone tampon = NouveauTampon(octets.size() + 1);
    std::memcpy(tampon.get(), octets.data(), octets.size());
    return tampon;
}

} // namespace

ProgrammeCharge DecoupeProgramme(std::string_view octets) {
    return DecoupeProgramme(Copie(octets), octets.size());
}

ProgrammeCharge DecoupeProgramme(TamponZone octets, size_t taille) {
    ProgrammeCharge programme;
    std::string_view brut(octets.get(), taille);
    const bool bom = brut.substr(0, 3) == "\xEF\xBB\xBF";
    if (bom) brut.remove_prefix(3);
    if (EstUtf8Valide(brut)) {
        programme.texte = std::move(octets);
        programme.encodage = bom ? Encodage::Utf8AvecBom : Encodage::Utf8;
    } else {
        programme.encodage = Encodage::Windows1252;
        const std::string converti = Windows1252VersUtf8(brut);
        programme.texte = Copie(converti);
        brut = std::string_view(programme.texte.get(), converti.size());
    }
    const std::string_view texte = brut;
    programme.lignes.reserve(texte.size() / 24 + 16); // typical statement length
    size_t debut = 0;
    while (debut < texte.size()) {
        size_t fin = texte.find('\n', debut);
        const size_t suivant = fin == std::string_view::npos ? texte.size() : fin + 1;
        if (fin == std::string_view::npos) fin = texte.size();
        size_t longueur = fin - debut;
        // CR belongs to the line end only when LF follows it.
        if (longueur > 0 && texte[fin - 1] == '\r' && fin < texte.size()) --longueur;
        programme.lignes.push_back(texte.substr(debut, longueur));
        debut = suivant;
    }
    return programme;
}

std::vector<std::string> DecoupeLignes(std::string_view octets) {
    const ProgrammeCharge programme = DecoupeProgramme(octets);
    return std::vector<std::string>(programme.lignes.begin(), programme.lignes.end());
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

std::string AssembleLignes(const std::vector<std::string>& lignes, Encodage& encodage) {
    return EncodeTexte(AssembleLignes(lignes), encodage);
}

std::string EncodeTexte(std::string utf8, Encodage& encodage) {
    switch (encodage) {
    case Encodage::Utf8:
        return utf8;
    case Encodage::Utf8AvecBom:
        return "\xEF\xBB\xBF" + utf8;
    case Encodage::Windows1252: {
        std::string octets;
        if (Utf8VersWindows1252(utf8, octets)) return octets;
        encodage = Encodage::Utf8;
        return utf8;
    }
    }
    return utf8;
}

LignesEnFlux::LignesEnFlux(TamponZone octets, size_t taille)
    : octets_(std::move(octets)), texte_(octets_.get(), taille) {
    if (texte_.substr(0, 3) == "\xEF\xBB\xBF") texte_.remove_prefix(3);
    utf8_ = EstUtf8Valide(texte_);
    // Line ends are the same bytes in both encodings: lines are counted on the raw text.
    size_t nombre = static_cast<size_t>(std::count(texte_.begin(), texte_.end(), '\n'));
    if (!texte_.empty() && texte_.back() != '\n') ++nombre;
    nombre_ = static_cast<int>(nombre); // below 2^31: files are at most TailleMaxProgramme
}

std::string_view LignesEnFlux::Ligne(int k) {
    std::string_view ligne;
    while (suivante_ <= k && position_ < texte_.size()) {
        size_t fin = texte_.find('\n', position_);
        const size_t suivant = fin == std::string_view::npos ? texte_.size() : fin + 1;
        if (fin == std::string_view::npos) fin = texte_.size();
        size_t longueur = fin - position_;
        // CR belongs to the line end only when LF follows it.
        if (longueur > 0 && texte_[fin - 1] == '\r' && fin < texte_.size()) --longueur;
        ligne = texte_.substr(position_, longueur);
        position_ = suivant;
        ++suivante_;
    }
    if (utf8_) return ligne;
    decodee_ = Windows1252VersUtf8(ligne);
    return decodee_;
}

namespace {

// The whole file in one buffer sized to it. Throws ErreurFichier.
std::pair<TamponZone, size_t> LitOctets(const std::string& chemin) {
    const QFileInfo info(CheminQt(chemin));
    if (!info.exists())
        throw ErreurFichier("Le fichier " + Nomme(chemin) + " n'existe pas.");
    if (info.isDir())
        throw ErreurFichier(Nomme(chemin) + " est un dossier, pas un fichier programme.");
    if (info.size() > TailleMaxProgramme)
        throw ErreurFichier("Le fichier " + Nomme(chemin) +
                            " est trop volumineux pour être un programme de construction.");
    QFile fichier(CheminQt(chemin));
    const auto echec = [&] {
        return ErreurFichier("Impossible de lire le fichier " + Nomme(chemin) + " : " +
                             Raison(fichier.error()) + ".");
    };
    if (!fichier.open(QIODevice::ReadOnly)) throw echec();
    // Read straight into the buffer the lines will point into: no intermediate copy. A pipe
    // or device has no size: the buffer grows as it is read, up to the same limit.
    size_t capacite = static_cast<size_t>(info.isFile() ? info.size() : 0);
    TamponZone octets = NouveauTampon(capacite + 1);
    size_t lus = 0;
    for (;;) {
        if (lus == capacite) {
            if (info.isFile() && lus > 0) break;
            if (lus >= static_cast<size_t>(TailleMaxProgramme))
                throw ErreurFichier("Le fichier " + Nomme(chemin) +
                                    " est trop volumineux pour être un programme de construction.");
            const size_t nouvelle = std::max<size_t>(65536, capacite * 2);
            TamponZone plus = NouveauTampon(nouvelle + 1);
            if (lus > 0) std::memcpy(plus.get(), octets.get(), lus);
            octets = std::move(plus);
            capacite = nouvelle;
        }
        const qint64 n = fichier.read(octets.get() + lus, static_cast<qint64>(capacite - lus));
        if (n < 0) throw echec();
        if (n == 0) break;
        lus += static_cast<size_t>(n);
    }
    return {std::move(octets), lus};
}

} // namespace

ProgrammeCharge ChargeProgramme(const std::string& chemin) {
    auto [octets, taille] = LitOctets(chemin);
    return DecoupeProgramme(std::move(octets), taille);
}

LignesEnFlux ChargeProgrammeEnFlux(const std::string& chemin) {
    auto [octets, taille] = LitOctets(chemin);
    return LignesEnFlux(std::move(octets), taille);
}

std::vector<std::string> LitFichierProgramme(const std::string& chemin) {
    Encodage encodage;
    return LitFichierProgramme(chemin, encodage);
}

std::vector<std::string> LitFichierProgramme(const std::string& chemin, Encodage& encodage) {
    const ProgrammeCharge programme = ChargeProgramme(chemin);
    encodage = programme.encodage;
    return std::vector<std::string>(programme.lignes.begin(), programme.lignes.end());
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
