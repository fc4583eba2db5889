// The import command: the statements of another program file (its lines after the
// three-line header) inserted into the text, before the caret's line, as one undo step.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "language/fichier_programme.h"
#include "shell/widgets/editeur.h"

#include <QDir>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <new>

namespace velk {

namespace {

constexpr int LignesEntete = 3;

} // namespace

void TFPrincipale::ImporterClick() {
    if (!TexteModifiable()) {
        // A program opened read-only cannot receive statements.
        dialogues_.Bip();
        return;
    }
    const ChoixFichierOuvrir choix = dialogues_.FichierOuvrir(
        QStringLiteral("Importation fichier programme"), DossierDocuments(),
        QStringLiteral("Fichiers VELK ( *.vlk)|*.vlk|Tous fichiers ( *.*)|*.*"));
    if (choix.chemin.isEmpty()) return;
    std::vector<std::string> lignes;
    try {
        lignes = LitFichierProgramme(choix.chemin.toStdString());
    } catch (const ErreurFichier& e) {
        dialogues_.Erreur(QString::fromStdString(e.what()));
        return;
    } catch (const std::bad_alloc&) {
        dialogues_.Erreur(QStringLiteral("Mémoire insuffisante pour lire le fichier %1.")
                              .arg(QDir::toNativeSeparators(choix.chemin)));
        return;
    }
    // Its header describes the other file: only what follows it is taken, without the
    // empty lines at the end.
    while (static_cast<int>(lignes.size()) > LignesEntete && lignes.back().empty())
        lignes.pop_back();
    if (static_cast<int>(lignes.size()) <= LignesEntete) return;
    QString texte;
    for (size_t i = LignesEntete; i < lignes.size(); ++i)
        texte += QString::fromStdString(lignes[i]) + QLatin1Char('\n');

    // Before the caret's line, never inside the header of this text; after the last line
    // when the text is no longer than its header.
    QTextDocument* document = editeur_->document();
    const int ligne = std::max(editeur_->LigneCurseur() - 1, LignesEntete);
    QTextCursor curseur(document);
    if (ligne < document->blockCount()) {
        curseur.setPosition(document->findBlockByNumber(ligne).position());
    } else {
        curseur.movePosition(QTextCursor::End);
        texte.chop(1);
        texte.prepend(QLatin1Char('\n'));
    }
    curseur.beginEditBlock();
    curseur.insertText(texte);
    curseur.endEditBlock();
    dossier_->setCurrentWidget(ongletText_);
    editeur_->setTextCursor(curseur);
    editeur_->setFocus();
}

} // namespace velk
