// Atomic document writes with a backup copy, through a replaceable file layer.
#include "shell/ecriture_sure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>

namespace velk {

namespace {

// Writes go in pieces of this size, so that a large text is not one system call.
constexpr size_t kMorceau = size_t(1) << 20;
constexpr int kLongueurHasard = 6;
const QString kFinTemporaire = QStringLiteral(".tmp");

QString Dossier(const QString& chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    return chemin.left(chemin.size() - nom.size());
}

// The temporary files of a target are ".<name>.<6 random letters>.tmp" in its folder:
// hidden, and recognisable for the clean-up after a crash.
QString PrefixeTemporaire(const QString& chemin)
{
    QString nom = QFileInfo(chemin).fileName();
    // Names are limited to 255 bytes: a long name gets a short temporary one.
    if (QFile::encodeName(nom).size() > 200)
        nom = QStringLiteral("velk");
    return QLatin1Char('.') + nom + QLatin1Char('.');
}

QString NomTemporaire(const QString& chemin)
{
    static const char kLettres[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString hasard;
    for (int k = 0; k < kLongueurHasard; ++k)
        hasard += QLatin1Char(kLettres[QRandomGenerator::global()->bounded(36)]);
    return Dossier(chemin) + PrefixeTemporaire(chemin) + hasard + kFinTemporaire;
}

// Creates a temporary file beside cible holding octets, on the disk. Returns 0 and its
// name in temporaire, or the error, with nothing left behind.
int EcritTemporaire(CoucheFichiers& couche, const QString& cible, const QString& modele,
                    const QByteArray& octets, QString& temporaire)
{
    int descripteur = -1;
    int erreur = EEXIST;
    for (int essai = 0; essai < 100 && erreur == EEXIST; ++essai) {
        temporaire = NomTemporaire(cible);
        erreur = couche.Cree(temporaire, modele, descripteur);
    }
    if (erreur != 0) {
        temporaire.clear();
        return erreur;
    }
    size_t fait = 0;
    const size_t taille = size_t(octets.size());
    while (erreur == 0 && fait < taille) {
        size_t ecrits = 0;
        erreur = couche.Ecrit(descripteur, octets.constData() + fait,
                              std::min(kMorceau, taille - fait), ecrits);
        fait += ecrits;
    }
    if (erreur == 0)
        erreur = couche.Synchronise(descripteur);
    const int fermeture = couche.Ferme(descripteur);
    if (erreur == 0)
        erreur = fermeture;
    if (erreur != 0) {
        couche.Supprime(temporaire);
        temporaire.clear();
    }
    return erreur;
}

// A second name for the document, to become its backup: a link when the file system has
// them, a copy otherwise.
int CopieDeSecours(CoucheFichiers& couche, const QString& document, const QString& secours,
                   QString& temporaire)
{
    int erreur = EEXIST;
    for (int essai = 0; essai < 100 && erreur == EEXIST; ++essai) {
        temporaire = NomTemporaire(secours);
        erreur = couche.Lie(document, temporaire);
    }
    if (erreur == 0)
        return 0;
    QFile lu(document);
    if (!lu.open(QIODevice::ReadOnly)) {
        temporaire.clear();
        return lu.error() == QFileDevice::PermissionsError ? EACCES : EIO;
    }
    const QByteArray octets = lu.readAll();
    if (lu.error() != QFileDevice::NoError) {
        temporaire.clear();
        return EIO;
    }
    return EcritTemporaire(couche, secours, document, octets, temporaire);
}

QString Natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

QString EchecEcriture(const QString& chemin, int erreur)
{
    return QStringLiteral("Impossible d'écrire le fichier %1 : %2.")
        .arg(Natif(chemin), RaisonErreur(erreur));
}

QString EchecSecours(const QString& secours, const QString& chemin, int erreur)
{
    return QStringLiteral("Impossible d'écrire la copie de secours %1 : %2.\n"
                          "Le fichier %3 n'a pas été modifié.")
        .arg(Natif(secours), RaisonErreur(erreur), Natif(chemin));
}

} // namespace

QString NomSecours(const QString& chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    // Only a dot after the first character starts an extension: ".profile" has none.
    const int point = nom.lastIndexOf(QLatin1Char('.'));
    const QString base = point > 0 ? nom.left(point) : nom;
    return Dossier(chemin) + base + QStringLiteral(".~lk");
}

bool EcritFichierSur(const QString& chemin, const QByteArray& contenu, const QString& secours,
                     QString& erreur, CoucheFichiers& couche)
{
    const QFileInfo info(chemin);
    if (info.isDir()) {
        erreur = EchecEcriture(chemin, EISDIR);
        return false;
    }
    // A document reached through a symbolic link is written where the link points, so that
    // the link stays.
    const QString cible = info.isSymLink() && info.exists() ? info.canonicalFilePath() : chemin;

    QString temporaire;
    int code = EcritTemporaire(couche, cible, cible, contenu, temporaire);
    if (code != 0) {
        erreur = EchecEcriture(chemin, code);
        return false;
    }

    // The new text is whole on the disk. The previous document gets a second name before
    // it is replaced, so that a failure past this point can put it back.
    QString temporaireSecours;
    const bool avecSecours = !secours.isEmpty() && secours != chemin && QFileInfo(cible).isFile();
    if (avecSecours) {
        code = CopieDeSecours(couche, cible, secours, temporaireSecours);
        if (code != 0) {
            couche.Supprime(temporaire);
            erreur = EchecSecours(secours, chemin, code);
            return false;
        }
    }

    code = couche.Renomme(temporaire, cible);
    if (code != 0) {
        couche.Supprime(temporaire);
        if (!temporaireSecours.isEmpty())
            couche.Supprime(temporaireSecours);
        erreur = EchecEcriture(chemin, code);
        return false;
    }

    if (!temporaireSecours.isEmpty()) {
        code = couche.Renomme(temporaireSecours, secours);
        if (code != 0) {
            // The previous document goes back under its name: nothing changed. Should even
            // that fail, the new text stays saved and only the backup is out of date.
            if (couche.Renomme(temporaireSecours, cible) == 0) {
                erreur = EchecSecours(secours, chemin, code);
                return false;
            }
            couche.Supprime(temporaireSecours);
        } else if (QFileInfo::exists(temporaireSecours)) {
            // Renaming a name onto another name of the same file does nothing.
            couche.Supprime(temporaireSecours);
        }
    }
    couche.SynchroniseDossier(Dossier(cible));
    return true;
}

void NettoieTemporaires(const QString& chemin, CoucheFichiers& couche)
{
    const QString prefixe = PrefixeTemporaire(chemin);
    const QDir dossier(Dossier(chemin).isEmpty() ? QStringLiteral(".") : Dossier(chemin));
    const QStringList noms = dossier.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& nom : noms) {
        if (nom.size() == prefixe.size() + kLongueurHasard + kFinTemporaire.size() &&
            nom.startsWith(prefixe) && nom.endsWith(kFinTemporaire))
            couche.Supprime(dossier.filePath(nom));
    }
}

} // namespace velk
