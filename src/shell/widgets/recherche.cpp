// Find and replace. A search always runs forward from the end of the selection, or from
// the start of the text when nothing is selected. Replacing keeps the inserted text
// selected, and the next search starts after it, so replace-all always ends.
#include "shell/widgets/recherche.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velk {

DialogueRecherche::DialogueRecherche(bool avecRemplacement, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(avecRemplacement ? QStringLiteral("Remplacer") : QStringLiteral("Rechercher"));
    setModal(false);

    auto* grille = new QGridLayout(this);
    cherche_ = new QLineEdit(this);
    auto* etiquette = new QLabel(QStringLiteral("&Rechercher :"), this);
    etiquette->setBuddy(cherche_);
    grille->addWidget(etiquette, 0, 0);
    grille->addWidget(cherche_, 0, 1);
    int ligne = 1;
    if (avecRemplacement) {
        remplace_ = new QLineEdit(this);
        auto* parLabel = new QLabel(QStringLiteral("Rem&placer par :"), this);
        parLabel->setBuddy(remplace_);
        grille->addWidget(parLabel, ligne, 0);
        grille->addWidget(remplace_, ligne, 1);
        ++ligne;
    }
    motEntier_ = new QCheckBox(QStringLiteral("&Mot entier uniquement"), this);
    casse_ = new QCheckBox(QStringLiteral("Respecter la &casse"), this);
    grille->addWidget(motEntier_, ligne++, 0, 1, 2);
    grille->addWidget(casse_, ligne++, 0, 1, 2);

    auto* boutons = new QVBoxLayout;
    suivant_ = new QPushButton(QStringLiteral("&Suivant"), this);
    suivant_->setDefault(true);
    boutons->addWidget(suivant_);
    connect(suivant_, &QPushButton::clicked, this, &DialogueRecherche::Suivant);
    if (avecRemplacement) {
        remplacer_ = new QPushButton(QStringLiteral("R&emplacer"), this);
        remplacerTout_ = new QPushButton(QStringLiteral("Remplacer &tout"), this);
        boutons->addWidget(remplacer_);
        boutons->addWidget(remplacerTout_);
        connect(remplacer_, &QPushButton::clicked, this, [this] { emit Remplacer(false); });
        connect(remplacerTout_, &QPushButton::clicked, this, [this] { emit Remplacer(true); });
    }
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    boutons->addWidget(annuler);
    boutons->addStretch();
    grille->addLayout(boutons, 0, 2, ligne, 1);
}

QString DialogueRecherche::TexteCherche() const { return cherche_->text(); }
void DialogueRecherche::SetTexteCherche(const QString& texte) { cherche_->setText(texte); }
QString DialogueRecherche::TexteRemplacement() const
{
    return remplace_ ? remplace_->text() : QString();
}
void DialogueRecherche::SetTexteRemplacement(const QString& texte)
{
    if (remplace_)
        remplace_->setText(texte);
}
bool DialogueRecherche::RespecterCasse() const { return casse_->isChecked(); }
void DialogueRecherche::SetRespecterCasse(bool oui) { casse_->setChecked(oui); }
bool DialogueRecherche::MotEntier() const { return motEntier_->isChecked(); }
void DialogueRecherche::SetMotEntier(bool oui) { motEntier_->setChecked(oui); }

QTextDocument::FindFlags DialogueRecherche::Options() const
{
    QTextDocument::FindFlags options;
    if (RespecterCasse())
        options |= QTextDocument::FindCaseSensitively;
    if (MotEntier())
        options |= QTextDocument::FindWholeWords;
    return options;
}

namespace {

// Where a search starts: after the selection, or at the start of the text.
int Depart(const QTextCursor& c) { return c.hasSelection() ? c.selectionEnd() : 0; }

} // namespace

Recherche::Recherche(QPlainTextEdit& editeur, Dialogues& dialogues, QWidget* parentDialogues)
    : editeur_(editeur),
      dialogues_(dialogues),
      rechercher_(new DialogueRecherche(false, parentDialogues ? parentDialogues : &editeur)),
      remplacer_(new DialogueRecherche(true, parentDialogues ? parentDialogues : &editeur))
{
    connect(rechercher_, &DialogueRecherche::Suivant, this, &Recherche::DialogRechercherFind);
    connect(remplacer_, &DialogueRecherche::Suivant, this, &Recherche::DialogRemplacerFind);
    connect(remplacer_, &DialogueRecherche::Remplacer, this, &Recherche::DialogRemplacerReplace);
}

void Recherche::Montre(DialogueRecherche& dialogue)
{
    const QString selection = editeur_.textCursor().selectedText();
    if (selection.size() >= 1 && selection.size() <= 19 &&
        !selection.contains(QChar::ParagraphSeparator))
        dialogue.SetTexteCherche(selection);
    dialogue.show();
    dialogue.raise();
    dialogue.activateWindow();
    dialogue.ChampCherche()->setFocus();
    dialogue.ChampCherche()->selectAll();
}

void Recherche::ChercherClick() { Montre(*rechercher_); }

void Recherche::RemplacerClick() { Montre(*remplacer_); }

bool Recherche::TrouveSuivant(QTextCursor& c, int depart, const DialogueRecherche& dialogue) const
{
    const QString texte = dialogue.TexteCherche();
    if (texte.isEmpty())
        return false;
    const QTextCursor trouve = editeur_.document()->find(texte, depart, dialogue.Options());
    if (trouve.isNull())
        return false;
    c = trouve;
    return true;
}

void Recherche::DialogRechercherFind()
{
    // F3 before anything was ever searched: ask what to search.
    if (rechercher_->TexteCherche().isEmpty()) {
        ChercherClick();
        return;
    }
    QTextCursor c = editeur_.textCursor();
    if (TrouveSuivant(c, Depart(c), *rechercher_)) {
        editeur_.setFocus();
        editeur_.setTextCursor(c);
    } else {
        dialogues_.Information(QStringLiteral("Chaine '") + rechercher_->TexteCherche() +
                               QStringLiteral("' non trouvée !"));
        c.setPosition(c.selectionStart());
        editeur_.setTextCursor(c);
    }
    rechercher_->hide();
}

void Recherche::FinRemplacement(QTextCursor c)
{
    remplacer_->hide();
    dialogues_.Information(QStringLiteral("Remplacement de '") + remplacer_->TexteCherche() +
                           QStringLiteral("' par '") + remplacer_->TexteRemplacement() +
                           QStringLiteral("' terminé !"));
    c.setPosition(c.selectionStart());
    editeur_.setTextCursor(c);
}

void Recherche::DialogRemplacerFind()
{
    QTextCursor c = editeur_.textCursor();
    if (TrouveSuivant(c, Depart(c), *remplacer_)) {
        editeur_.setFocus();
        editeur_.setTextCursor(c);
    } else {
        FinRemplacement(c);
    }
}

void Recherche::DialogRemplacerReplace(bool tout)
{
    // A read-only text is not changed, by keys or by the replace dialog.
    if (editeur_.isReadOnly()) {
        dialogues_.Bip();
        return;
    }
    const QString cherche = remplacer_->TexteCherche();
    const QString remplacement = remplacer_->TexteRemplacement();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    editeur_.viewport()->setUpdatesEnabled(false);

    // The whole replacement is one undo step; the editor's selection is only set at the
    // end, which spares a layout and a scroll per occurrence.
    QTextCursor groupe(editeur_.document());
    groupe.beginEditBlock();
    QTextCursor sel = editeur_.textCursor();
    bool apresRemplacement = false;
    bool termine = false;
    for (;;) {
        // A selection equal to the search text (case-sensitive) is replaced as it is;
        // otherwise the next match is searched. After a replacement the search always
        // starts after the inserted text, even when it equals the search text or is empty.
        if (apresRemplacement || cherche.isEmpty() || sel.selectedText() != cherche) {
            const int depart = apresRemplacement ? sel.selectionEnd() : Depart(sel);
            if (!TrouveSuivant(sel, depart, *remplacer_)) {
                termine = true;
                break;
            }
        }
        const int debut = sel.selectionStart();
        sel.insertText(remplacement);
        sel.setPosition(debut);
        sel.setPosition(debut + remplacement.size(), QTextCursor::KeepAnchor);
        apresRemplacement = true;
        if (!tout)
            break;
    }
    groupe.endEditBlock();
    editeur_.setTextCursor(sel);

    editeur_.viewport()->setUpdatesEnabled(true);
    editeur_.viewport()->update();
    QApplication::restoreOverrideCursor();

    if (termine)
        FinRemplacement(sel);
    else
        editeur_.setFocus();
}

} // namespace velk
