// The main window's life: tab changes and the tables' read-only state, the grids' refresh,
// the show step at start-up (first run, recovery, command-line file), options, About,
// closing, and files dropped on the window.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "shell/autosauvegarde.h"
#include "shell/liste_messages_vue.h"
#include "shell/modele_table.h"
#include "shell/widgets/apropos.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/lignes_editeur.h"
#include "shell/widgets/options.h"
#include "store/module_donnee.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace velk {

void TFPrincipale::OngletChange(int)
{
    // The menus follow the tab shown, whoever selected it.
    QWidget* courant = dossier_->currentWidget();
    menuChercher_->menuAction()->setVisible(courant == ongletText_);
    menuEcran_->menuAction()->setVisible(courant == ongletGraph_);
    // A hidden menu's shortcuts rest too: no search in a text that is not shown, no zoom of
    // a drawing that is not shown.
    for (QAction* a : menuChercher_->actions())
        a->setEnabled(courant == ongletText_);
    for (QAction* a : menuEcran_->actions())
        a->setEnabled(courant == ongletGraph_);
    if (courant == ongletText_) {
        avisErreurs_->hide();
        editeur_->setFocus();
        SetPanneau(0, editeur_->TextePosition());
    }
    if (!demarre_)
        return;
    ChangeTables(courant == ongletDozoZur_);
    if (courant == ongletDozoZur_)
        ActualiseGrilles();
}

void TFPrincipale::ChangeTables(bool lectureSeule)
{
    try {
        donnees_->TablesLectureSeule(lectureSeule);
    } catch (const ErreurStockage& e) {
        dialogues_.Erreur(QString::fromStdString(e.what()));
    }
}

void TFPrincipale::TablesChangees()
{
    // Called at every write: only note it, and refresh the grids once the event loop is back
    // (never row by row during a run).
    if (grillesAActualiser_)
        return;
    grillesAActualiser_ = true;
    QTimer::singleShot(0, this, &TFPrincipale::ActualiseGrilles);
}

void TFPrincipale::ActualiseGrilles()
{
    grillesAActualiser_ = false;
    for (auto& m : modeles_)
        m->Actualise();
    // Fitting the columns reads every row: only for grids the user is looking at.
    if (dossier_->currentWidget() == ongletDozoZur_)
        for (size_t g = 0; g < grilles_.size(); ++g)
            AjusteColonnes(*grilles_[g], *modeles_[g]);
}

namespace {

// The first dropped item when it is a local file, else an empty string.
QString FichierDeposeDans(const QMimeData* donnees)
{
    if (!donnees || !donnees->hasUrls() || donnees->urls().isEmpty() ||
        !donnees->urls().first().isLocalFile())
        return QString();
    return donnees->urls().first().toLocalFile();
}

} // namespace

bool TFPrincipale::eventFilter(QObject* objet, QEvent* evenement)
{
    // The window sees keys before its controls: Escape and the first character of a typed
    // value reach the construction whatever control of the window has the focus. A key
    // taken by the construction goes no further; the others may be seen again as they
    // propagate to the parents, which changes nothing (Escape twice is Escape once).
    if (evenement->type() == QEvent::KeyPress && objet->isWidgetType() &&
        static_cast<QWidget*>(objet)->window() == this &&
        ToucheFenetre(static_cast<QKeyEvent*>(evenement)))
        return true;
    // A file dropped on the editor opens it, as anywhere else in the window, instead of
    // pasting its address into the text.
    if (objet == editeur_->viewport()) {
        if (evenement->type() == QEvent::DragEnter || evenement->type() == QEvent::DragMove) {
            auto* e = static_cast<QDropEvent*>(evenement);
            if (!FichierDeposeDans(e->mimeData()).isEmpty()) {
                e->acceptProposedAction();
                return true;
            }
        } else if (evenement->type() == QEvent::Drop) {
            auto* e = static_cast<QDropEvent*>(evenement);
            if (!FichierDeposeDans(e->mimeData()).isEmpty()) {
                dropEvent(e);
                return true;
            }
        }
    }
    if ((objet == dossier_ || objet == dossier_->tabBar()) && evenement->type() == QEvent::FocusIn &&
        dossier_->currentWidget() == ongletText_)
        QTimer::singleShot(0, editeur_, [this] { editeur_->setFocus(); });
    return QMainWindow::eventFilter(objet, evenement);
}

void TFPrincipale::showEvent(QShowEvent* evenement)
{
    QMainWindow::showEvent(evenement);
    // Once the window has been laid out and painted: the drawing then has its real size
    // and questions asked at start-up appear over a visible window.
    if (!demarre_)
        QTimer::singleShot(0, this, &TFPrincipale::EtapeAffichage);
}

void TFPrincipale::EtapeAffichage()
{
    if (demarre_)
        return;
    demarre_ = true;
    try {
        donnees_->CreeTables();
    } catch (const ErreurStockage& e) {
        dialogues_.Erreur(QString::fromStdString(e.what()));
    }
    if (!autoSauvegarde_->Proprietaire())
        dialogues_.Information(
            QStringLiteral("Un autre exemplaire du programme utilise déjà le dossier %1.\n"
                           "Celui-ci ne fera pas de sauvegarde automatique.")
                .arg(QDir::toNativeSeparators(dossierProgramme_)));
    SetPanneau(0, editeur_->TextePosition());
    setAcceptDrops(true);
    editeur_->RafraichitIndicateurs();
    visibilite_.ToutVisible();
    vue_->VueOrigine();
    EffaceDessin();
    ExecuterClick();

    if (autoSauvegarde_->Proprietaire() && autoSauvegarde_->Existe()) {
        const Reponse r = dialogues_.Question(
            QStringLiteral("Recupérer le fichier de sauvegarde précédent ?"), false);
        if (r == Reponse::Oui) {
            // The recovered text is nowhere but in the autosave file: it stays unsaved until
            // the user saves it under a name of its own.
            if (OuvreFichier(autoSauvegarde_->Chemin())) {
                lignes_->SetModifie(true);
                AfficheModifie(true);
            }
        } else {
            autoSauvegarde_->MetDeCote();
        }
    } else if (!fichierLigneCommande_.isEmpty() && QFileInfo(fichierLigneCommande_).isFile()) {
        OuvreFichier(QFileInfo(fichierLigneCommande_).absoluteFilePath());
    }
}

void TFPrincipale::OptionsClick()
{
    options_->Execute(autoSauvegarde_->Tempo());
}

void TFPrincipale::AProposClick()
{
    about_->VersionLogiciel = QStringLiteral("1.0");
    about_->exec();
}

bool TFPrincipale::AccepteFermeture()
{
    if (!DemandeEnregistrement())
        return false;
    // The autosave file goes once nothing is left unsaved, unless it is the document itself:
    // a recovered text whose changes were given up is offered again at the next start.
    if (!lignes_->Modifie() && !EstAutoSauvegarde(nomFichier_))
        autoSauvegarde_->Supprime(); // a failure is reported; the program still closes
    donnees_->SetTablesPretes(false);
    return true;
}

void TFPrincipale::closeEvent(QCloseEvent* evenement)
{
    if (fermetureAcceptee_ || AccepteFermeture()) {
        fermetureAcceptee_ = true;
        EnregistreSession();
        evenement->accept();
    } else {
        evenement->ignore();
    }
}

void TFPrincipale::dragEnterEvent(QDragEnterEvent* evenement)
{
    if (!FichierDeposeDans(evenement->mimeData()).isEmpty())
        evenement->acceptProposedAction();
}

void TFPrincipale::dropEvent(QDropEvent* evenement)
{
    const QString chemin = FichierDeposeDans(evenement->mimeData());
    if (chemin.isEmpty())
        return;
    evenement->acceptProposedAction();
    // The command may ask questions: let the drag end first.
    QTimer::singleShot(0, this, [this, chemin] { FichierDepose(chemin); });
}

} // namespace velk
