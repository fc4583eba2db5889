// The system's file calls (POSIX) and the French wording of their errors.
#include "shell/couche_fichiers.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velk {

namespace {

QByteArray Natif(const QString& chemin)
{
    return QFile::encodeName(chemin);
}

} // namespace

int CoucheFichiers::Cree(const QString& chemin, const QString& modele, int& descripteur)
{
    descripteur = ::open(Natif(chemin).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descripteur < 0)
        return errno;
    // A rewritten document keeps who may read it; failing that is no reason not to save.
    struct stat etat;
    if (!modele.isEmpty() && ::stat(Natif(modele).constData(), &etat) == 0)
        (void)::fchmod(descripteur, etat.st_mode & 07777);
    return 0;
}

int CoucheFichiers::Ecrit(int descripteur, const char* octets, size_t taille, size_t& ecrits)
{
    ecrits = 0;
    for (;;) {
        const ssize_t n = ::write(descripteur, octets, taille);
        if (n >= 0) {
            ecrits = size_t(n);
            // A write that takes nothing would loop for ever: say the disk is full.
            return n == 0 && taille > 0 ? ENOSPC : 0;
        }
        if (errno != EINTR)
            return errno;
    }
}

int CoucheFichiers::Synchronise(int descripteur)
{
    return ::fsync(descripteur) == 0 ? 0 : errno;
}

int CoucheFichiers::Ferme(int descripteur)
{
    // Not retried on EINTR: the descriptor is released whatever close reports.
    return ::close(descripteur) == 0 ? 0 : errno;
}

int CoucheFichiers::Renomme(const QString& de, const QString& vers)
{
    return ::rename(Natif(de).constData(), Natif(vers).constData()) == 0 ? 0 : errno;
}

int CoucheFichiers::Lie(const QString& existant, const QString& nouveau)
{
    return ::link(Natif(existant).constData(), Natif(nouveau).constData()) == 0 ? 0 : errno;
}

int CoucheFichiers::Supprime(const QString& chemin)
{
    return ::unlink(Natif(chemin).constData()) == 0 ? 0 : errno;
}

void CoucheFichiers::SynchroniseDossier(const QString& dossier)
{
    const int d = ::open(Natif(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0)
        return;
    (void)::fsync(d);
    ::close(d);
}

CoucheFichiers& CoucheFichiers::Systeme()
{
    static CoucheFichiers systeme;
    return systeme;
}

QString RaisonErreur(int erreur)
{
    switch (erreur) {
    case ENOSPC: return QStringLiteral("le disque est plein");
    case EDQUOT: return QStringLiteral("le quota de disque est dépassé");
    case EFBIG: return QStringLiteral("le fichier dépasse la taille permise");
    case EACCES:
    case EPERM: return QStringLiteral("accès refusé");
    case EROFS: return QStringLiteral("le disque est en lecture seule");
    case EISDIR: return QStringLiteral("c'est un dossier");
    case ENOENT: return QStringLiteral("le dossier n'existe pas ou plus");
    case ENOTDIR: return QStringLiteral("un élément du chemin n'est pas un dossier");
    case ENAMETOOLONG: return QStringLiteral("le nom est trop long");
    case EIO: return QStringLiteral("erreur d'entrée-sortie du disque");
    case EMFILE:
    case ENFILE: return QStringLiteral("trop de fichiers ouverts");
    case EXDEV: return QStringLiteral("les deux noms sont sur des disques différents");
    default:
        return QStringLiteral("erreur du système n° %1 (%2)")
            .arg(erreur)
            .arg(QString::fromLocal8Bit(std::strerror(erreur)));
    }
}

} // namespace velk
