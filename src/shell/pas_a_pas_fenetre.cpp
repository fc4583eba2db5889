// "&Pas à pas" (F8): the step-by-step run driven from the main window. The language's
// stepping executor does the work; the window shows the line just run in the editor, draws
// what it built, marks a faulty line and says in the status bar what the step did.
//
// F8 works alike on every tab. An interaction of the graphic tab in progress (a tool with
// some clicks done, the zoom mode) is ended first, as Escape would: its picks refer to
// elements the step run is about to empty from the tables. F9 finishes the run from the
// line reached; Escape or any edit of the text ends step mode and leaves the tables as the
// steps left them.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "construction/moteur_construction.h"
#include "language/interprete.h"
#include "language/messages.h"
#include "language/pas_a_pas.h"
#include "shell/liste_messages_vue.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/lignes_editeur.h"
#include "store/module_donnee.h"
#include "view/qt/dessin.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>

#include <new>

namespace velk {

void TFPrincipale::CreePasAPas()
{
    pasAPas_ = std::make_unique<ExecutionPasAPas>(*interprete_);
    etatPasAPas_ = new QLabel;
    etatPasAPas_->setObjectName(QStringLiteral("EtatPasAPas"));
    etatPasAPas_->setAccessibleName(QStringLiteral("Pas à pas"));
    etatPasAPas_->setFrameShape(QFrame::Panel);
    etatPasAPas_->setFrameShadow(QFrame::Sunken);
    etatPasAPas_->hide();
    statusBar()->addPermanentWidget(etatPasAPas_);
    connect(Action(QStringLiteral("MenuPasAPas")), &QAction::triggered, this,
            &TFPrincipale::PasAPasClick);
    // Any change of the text's characters ends step mode; a change of formats only (the
    // colouring of the text) keeps the length and the document's revision.
    connect(editeur_->document(), &QTextDocument::contentsChange, this,
            [this](int, int retires, int ajoutes) {
                if (pasAPas_->EnCours() &&
                    (retires != ajoutes || editeur_->document()->revision() != revisionPas_))
                    ArretePasAPas();
            });
}

bool TFPrincipale::EnPasAPas() const
{
    return pasAPas_->EnCours();
}

QString TFPrincipale::EtatPasAPas() const
{
    return etatPasAPas_->isHidden() ? QString() : etatPasAPas_->toolTip();
}

int TFPrincipale::LigneExecutee() const
{
    const QList<QTextEdit::ExtraSelection> selections = editeur_->extraSelections();
    for (const QTextEdit::ExtraSelection& s : selections)
        if (s.format.property(QTextFormat::UserProperty).toBool())
            return s.cursor.blockNumber();
    return -1;
}

void TFPrincipale::MontreLigneExecutee(int ligne)
{
    QList<QTextEdit::ExtraSelection> selections;
    // Other highlights of the editor stay; only the step's own is replaced.
    for (const QTextEdit::ExtraSelection& s : editeur_->extraSelections())
        if (!s.format.property(QTextFormat::UserProperty).toBool())
            selections.append(s);
    const QTextBlock bloc = editeur_->document()->findBlockByNumber(ligne);
    if (ligne >= 0 && bloc.isValid()) {
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(bloc);
        s.format.setBackground(QColor(255, 236, 150));
        s.format.setProperty(QTextFormat::FullWidthSelection, true);
        s.format.setProperty(QTextFormat::UserProperty, true);
        selections.append(s);
    }
    editeur_->setExtraSelections(selections);
}

void TFPrincipale::AfficheEtatPasAPas(const QString& texte)
{
    // The window keeps room for the whole status bar: a long message is cut to a bounded
    // width there and shown whole as the tooltip (and in the message list).
    constexpr int kLargeurMax = 360;
    etatPasAPas_->setText(
        etatPasAPas_->fontMetrics().elidedText(texte, Qt::ElideRight, kLargeurMax));
    etatPasAPas_->setToolTip(texte);
    etatPasAPas_->setAccessibleDescription(texte);
    etatPasAPas_->setHidden(texte.isEmpty());
    AjusteBarreEtat();
}

void TFPrincipale::PasAPasClick()
{
    if (moteur_->Mode() != ModeSouris::Aucun || moteur_->Outil() != 0)
        InitAppli();
    if (!pasAPas_->EnCours()) {
        messages_->hide();
        avisErreurs_->hide();
        editeur_->EffaceMarques();
    }
    ResultatPas pas;
    try {
        pas = pasAPas_->Pas(*lignes_);
    } catch (const ErreurStockage& e) {
        dialogues_.Erreur(QString::fromStdString(e.what()));
        ArretePasAPas();
        return;
    } catch (const std::bad_alloc&) {
        dialogues_.Erreur(QStringLiteral("Mémoire insuffisante pour exécuter le programme."));
        ArretePasAPas();
        return;
    }
    revisionPas_ = editeur_->document()->revision();
    if (pas.Fin) {
        // The last step ended the run: shown as a run's end is.
        editeur_->EffaceMarques();
        AnnonceFinPasAPas();
        AfficheResultatExecution();
        return;
    }
    MontreLigneExecutee(pas.Ligne);
    editeur_->VaLigne(pas.Ligne);
    editeur_->ensureCursorVisible();
    if (!pas.Message.empty()) {
        const int dernier = messages_->NombreMessages() - 1;
        editeur_->MarqueLigne(pas.Ligne, QString::fromStdString(messages_->Message(dernier)));
        messages_->Publie();
        messages_->show();
        messages_->SelectionneItem(dernier);
    }
    dessin_->update();
    AfficheEtatPasAPas(QString::fromStdString(TexteResultatPas(pas)));
}

void TFPrincipale::AnnonceFinPasAPas()
{
    ResultatPas fin;
    fin.Fin = true;
    fin.NombreMessages = messages_->NombreMessages();
    MontreLigneExecutee(-1);
    AfficheEtatPasAPas(QString::fromStdString(TexteResultatPas(fin)));
}

void TFPrincipale::ArretePasAPas()
{
    pasAPas_->Abandonne();
    MontreLigneExecutee(-1);
    AfficheEtatPasAPas(QString());
}

} // namespace velk
