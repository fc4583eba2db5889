// Program folder and application title.
#include "shell/dossier_programme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velk {

namespace {

QString WithSeparator(QString dossier)
{
    // A relative folder would move with the working directory: anchor it now.
    dossier = QDir::cleanPath(QDir(dossier).absolutePath());
    if (!dossier.endsWith(QLatin1Char('/')))
        dossier += QLatin1Char('/');
    return dossier;
}

} // namespace

QString ChoisitDossierProgramme(const QString& surcharge, const QString& dossierExecutable,
                                bool executableInscriptible, const QString& dossierUtilisateur)
{
    if (!surcharge.isEmpty())
        return WithSeparator(surcharge);
    if (executableInscriptible && !dossierExecutable.isEmpty())
        return WithSeparator(dossierExecutable);
    return WithSeparator(dossierUtilisateur);
}

bool DossierExecutableUtilisable(const QString& dossierExecutable, bool inscriptible)
{
    // An installed program sits in a "bin" folder shared with other programs (/usr/bin,
    // /usr/local/bin, ~/.local/bin): its tables and autosave file go to the user's data
    // folder even when the folder could be written (by root, for instance).
    return inscriptible && !dossierExecutable.isEmpty() &&
           QDir(QDir::cleanPath(dossierExecutable)).dirName() != QLatin1String("bin");
}

QString DossierProgramme()
{
    return DossierProgramme(QCoreApplication::applicationDirPath());
}

QString DossierProgramme(const QString& dossierExe)
{
    const QString surcharge = qEnvironmentVariable("VELK_DOSSIER");
    const QFileInfo infoExe(dossierExe);
    const bool inscriptible = DossierExecutableUtilisable(
        dossierExe, !dossierExe.isEmpty() && infoExe.isDir() && infoExe.isWritable());
    QString utilisateur = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (utilisateur.isEmpty())
        utilisateur = QDir::homePath() + QStringLiteral("/.local/share");
    utilisateur += QStringLiteral("/velk");
    const QString dossier = ChoisitDossierProgramme(surcharge, dossierExe, inscriptible, utilisateur);
    QDir().mkpath(dossier);
    return dossier;
}

QString TitreApplication(const QString& cheminExecutable)
{
    const QString base = QFileInfo(cheminExecutable).completeBaseName();
    if (base.isEmpty())
        return QStringLiteral("Velk");
    return base.left(1).toUpper() + base.mid(1).toLower();
}

} // namespace velk
