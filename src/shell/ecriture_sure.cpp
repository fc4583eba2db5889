// Atomic document writes with a backup copy.
#include "shell/ecriture_sure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velk {

QString NomSecours(const QString& chemin)
{
    const QFileInfo info(chemin);
    const QString nom = info.fileName();
    // Only a dot after the first character starts an extension: ".profile" has none.
    const int point = nom.lastIndexOf(QLatin1Char('.'));
    const QString base = point > 0 ? nom.left(point) : nom;
    const QString dossier = chemin.left(chemin.size() - nom.size());
    return dossier + base + QStringLiteral(".~lk");
}

bool EcritFichierSur(const QString& chemin, const QByteArray& contenu, const QString& secours,
                     QString& erreur)
{
    const QString nomAffiche = QDir::toNativeSeparators(chemin);
    if (QFileInfo(chemin).isDir()) {
        erreur = QStringLiteral("Impossible d'écrire le fichier %1 : c'est un dossier").arg(nomAffiche);
        return false;
    }
    QSaveFile fichier(chemin);
    // A direct write would overwrite the document in place; never fall back to it.
    fichier.setDirectWriteFallback(false);
    if (!fichier.open(QIODevice::WriteOnly)) {
        erreur = QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                     .arg(nomAffiche, fichier.errorString());
        return false;
    }
    if (fichier.write(contenu) != contenu.size()) {
        erreur = QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                     .arg(nomAffiche, fichier.errorString());
        fichier.cancelWriting();
        fichier.commit();
        return false;
    }

    // The new text is safely on disk in the temporary file: now the previous document
    // may become the backup. Failures here only cost the backup, never the document.
    bool documentDeplace = false;
    if (!secours.isEmpty() && secours != chemin && QFileInfo(chemin).isFile()) {
        if (QFileInfo::exists(secours))
            QFile::remove(secours);
        documentDeplace = QFile::rename(chemin, secours);
    }

    if (!fichier.commit()) {
        erreur = QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                     .arg(nomAffiche, fichier.errorString());
        if (documentDeplace && !QFileInfo::exists(chemin))
            QFile::rename(secours, chemin);
        return false;
    }
    return true;
}

} // namespace velk
