// Automatic save and the single-owner lock of the program folder.
#include "shell/autosauvegarde.h"

#include "construction/dialogues.h"
#include "shell/ecriture_sure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace velk {

AutoSauvegarde::AutoSauvegarde(const QString& dossierProgramme, Dialogues& dialogues,
                               std::function<bool()> modifie, std::function<QByteArray()> contenu,
                               QObject* parent)
    : QObject(parent), dossier_(dossierProgramme),
      chemin_(dossierProgramme + QStringLiteral("VELK.SAV")), dialogues_(dialogues),
      modifie_(std::move(modifie)), contenu_(std::move(contenu)),
      couche_(&CoucheFichiers::Systeme())
{
    tempo_.setInterval(PeriodeInitialeMs);
    connect(&tempo_, &QTimer::timeout, this, [this] { TempoSauvegardeTimer(); });
    tempo_.start();
}

AutoSauvegarde::~AutoSauvegarde() = default;

bool AutoSauvegarde::PrendVerrou()
{
    verrou_ = std::make_unique<QLockFile>(dossier_ + QStringLiteral("VELK.LCK"));
    // A running instance keeps its lock however long it lives (no age limit); the lock of a
    // crashed instance is still taken over, since its process no longer exists.
    verrou_->setStaleLockTime(0);
    proprietaire_ = verrou_->tryLock(0);
    if (!proprietaire_) {
        // A folder where no lock can be made at all (read-only) is not a second instance.
        if (verrou_->error() != QLockFile::LockFailedError)
            proprietaire_ = true;
        else
            verrou_.reset();
    }
    // The owner of the folder is the only writer of the autosave file: what a crash left
    // of its temporary files can go.
    if (proprietaire_)
        NettoieTemporaires(chemin_);
    return proprietaire_;
}

bool AutoSauvegarde::Existe() const
{
    return QFileInfo::exists(chemin_);
}

int AutoSauvegarde::Minutes() const
{
    return tempo_.isActive() ? tempo_.interval() / 60000 : 0;
}

void AutoSauvegarde::SetMinutes(int minutes)
{
    if (minutes <= 0) {
        tempo_.stop();
        return;
    }
    tempo_.start(minutes * 60000);
}

bool AutoSauvegarde::TempoSauvegardeTimer()
{
    if (!proprietaire_ || !modifie_())
        return false;
    QString erreur;
    if (!EcritFichierSur(chemin_, contenu_(), QString(), erreur, *couche_)) {
        if (!echecSignale_) {
            echecSignale_ = true;
            dialogues_.Erreur(QStringLiteral("Sauvegarde automatique impossible.\n") + erreur);
        }
        return false;
    }
    echecSignale_ = false;
    return true;
}

bool AutoSauvegarde::Supprime()
{
    if (!proprietaire_ || !Existe())
        return true;
    QFile fichier(chemin_);
    if (!fichier.remove()) {
        dialogues_.Erreur(QStringLiteral("Impossible de supprimer le fichier %1 : %2")
                              .arg(QDir::toNativeSeparators(chemin_), fichier.errorString()));
        return false;
    }
    return true;
}

QString AutoSauvegarde::CheminMisDeCote() const
{
    return dossier_ + QStringLiteral("VELK.~sv");
}

bool AutoSauvegarde::MetDeCote()
{
    if (!proprietaire_ || !Existe())
        return true;
    const QString cible = CheminMisDeCote();
    // Should the rename fail, the autosave file itself is still there, and offered again at
    // the next start.
    if (QFileInfo::exists(cible))
        QFile::remove(cible);
    QFile fichier(chemin_);
    if (!fichier.rename(cible)) {
        dialogues_.Erreur(QStringLiteral("Impossible de renommer le fichier %1 en %2 : %3")
                              .arg(QDir::toNativeSeparators(chemin_),
                                   QDir::toNativeSeparators(cible), fichier.errorString()));
        return false;
    }
    return true;
}

} // namespace velk
