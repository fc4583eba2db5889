// MemoireSession: the recent-documents list and the session values, read from and written
// to an INI file. Every value read is checked for its type, so a damaged entry only loses
// itself.
#include "shell/memoire_session.h"

#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace velk {

namespace {

const QString kRecents = QStringLiteral("Documents/Recents");
const QString kDossier = QStringLiteral("Documents/DernierDossier");
const QString kGeometrie = QStringLiteral("Fenetre/Geometrie");
const QString kPartage = QStringLiteral("Fenetre/PartageTexte");

} // namespace

void FichiersRecents::Ajoute(const QString& chemin)
{
    if (chemin.isEmpty())
        return;
    chemins_.removeAll(chemin);
    chemins_.prepend(chemin);
    while (chemins_.size() > kMax)
        chemins_.removeLast();
}

void FichiersRecents::Retire(const QString& chemin) { chemins_.removeAll(chemin); }

void FichiersRecents::Definit(const QStringList& chemins)
{
    chemins_.clear();
    for (const QString& c : chemins)
        if (!c.isEmpty() && !chemins_.contains(c) && chemins_.size() < kMax)
            chemins_.append(c);
}

MemoireSession::MemoireSession(QString fichier) : fichier_(std::move(fichier)) {}

bool MemoireSession::Charge()
{
    if (!QFileInfo(fichier_).isFile())
        return false;
    QSettings reglages(fichier_, QSettings::IniFormat);
    if (reglages.status() != QSettings::NoError)
        return false;
    const QVariant recentsLus = reglages.value(kRecents);
    if (recentsLus.canConvert<QStringList>())
        recents.Definit(recentsLus.toStringList());
    const QVariant dossier = reglages.value(kDossier);
    if (dossier.typeId() == QMetaType::QString)
        dernierDossier = dossier.toString();
    const QVariant geometrieLue = reglages.value(kGeometrie);
    if (geometrieLue.typeId() == QMetaType::QByteArray)
        geometrie = geometrieLue.toByteArray();
    partage.clear();
    const QStringList tailles = reglages.value(kPartage).toStringList();
    for (const QString& t : tailles) {
        bool ok = false;
        const int n = t.toInt(&ok);
        if (!ok || n < 0) {
            partage.clear();
            break;
        }
        partage.append(n);
    }
    return true;
}

bool MemoireSession::Ecrit() const
{
    QSettings reglages(fichier_, QSettings::IniFormat);
    reglages.setValue(kRecents, recents.Liste());
    reglages.setValue(kDossier, dernierDossier);
    reglages.setValue(kGeometrie, geometrie);
    QStringList tailles;
    for (int n : partage)
        tailles.append(QString::number(n));
    reglages.setValue(kPartage, tailles);
    reglages.sync();
    return reglages.status() == QSettings::NoError;
}

} // namespace velk
