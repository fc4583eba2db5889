// The main window's memory between sessions: the "Fichiers récents" submenu, the folder the
// document dialogs start in, and the geometry and splitter sizes restored at creation and
// written at closing.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "shell/memoire_session.h"
#include "shell/widgets/editeur.h"
#include "view/etat_vue.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSplitter>

namespace velk {

void TFPrincipale::ChargeSession()
{
    memoire_ = std::make_unique<MemoireSession>(dossierProgramme_ + QStringLiteral("velk.ini"));
    memoire_->Charge();
    if (!memoire_->geometrie.isEmpty())
        restoreGeometry(memoire_->geometrie);
    if (memoire_->partage.size() == partageTexte_->count())
        partageTexte_->setSizes(memoire_->partage);
    MajMenuRecents();
}

QStringList TFPrincipale::FichiersRecents() const { return memoire_->recents.Liste(); }

QString TFPrincipale::DossierDocuments() const
{
    const QString& dossier = memoire_->dernierDossier;
    return !dossier.isEmpty() && QFileInfo(dossier).isDir() ? dossier : dossierProgramme_;
}

void TFPrincipale::MajMenuRecents()
{
    menuRecents_->clear();
    const QStringList& liste = memoire_->recents.Liste();
    for (int i = 0; i < liste.size(); ++i) {
        const QString chemin = liste.at(i);
        QAction* a = menuRecents_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(chemin)));
        connect(a, &QAction::triggered, this, [this, chemin] { OuvreRecent(chemin); });
    }
    menuRecents_->setEnabled(!liste.isEmpty());
}

void TFPrincipale::DocumentNomme(const QString& chemin)
{
    if (EstAutoSauvegarde(chemin))
        return;
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    memoire_->recents.Ajoute(absolu);
    memoire_->dernierDossier = QFileInfo(absolu).absolutePath();
    memoire_->Ecrit();
    MajMenuRecents();
}

void TFPrincipale::OuvreRecent(const QString& chemin)
{
    if (!QFileInfo(chemin).isFile()) {
        memoire_->recents.Retire(chemin);
        memoire_->Ecrit();
        MajMenuRecents();
        dialogues_.Information(
            QStringLiteral("Le fichier %1 n'existe plus : il est retiré des fichiers récents.")
                .arg(QDir::toNativeSeparators(chemin)));
        return;
    }
    if (!FichierDepose(chemin))
        return;
    editeur_->SetLectureSeule(false);
    vue_->VueOrigine();
    EffaceDessin();
}

void TFPrincipale::EnregistreSession()
{
    memoire_->geometrie = saveGeometry();
    // A hidden message list has no size: the sizes it had when shown are kept.
    const QList<int> tailles = partageTexte_->sizes();
    if (!tailles.contains(0))
        memoire_->partage = tailles;
    memoire_->Ecrit();
}

} // namespace velk
