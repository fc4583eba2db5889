// Find and replace in the editor: the two non-modal dialogs of our own ("Rechercher",
// "Remplacer") with match case and whole word, and the commands behind "&Chercher",
// "&Remplacer" and "&Occurrence suivante". End-of-search notices go through Dialogues.
#pragma once

#include "construction/dialogues.h"

#include <QDialog>
#include <QTextCursor>
#include <QTextDocument>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QPlainTextEdit;

namespace velk {

// The find dialog, and the replace dialog when built with avecRemplacement.
class DialogueRecherche : public QDialog {
    Q_OBJECT
public:
    DialogueRecherche(bool avecRemplacement, QWidget* parent);

    QString TexteCherche() const;
    void SetTexteCherche(const QString& texte);
    QString TexteRemplacement() const;
    void SetTexteRemplacement(const QString& texte);
    bool RespecterCasse() const;
    void SetRespecterCasse(bool oui);
    bool MotEntier() const;
    void SetMotEntier(bool oui);
    QTextDocument::FindFlags Options() const;

    QLineEdit* ChampCherche() const { return cherche_; }
    QLineEdit* ChampRemplace() const { return remplace_; }
    QPushButton* BoutonSuivant() const { return suivant_; }
    QPushButton* BoutonRemplacer() const { return remplacer_; }
    QPushButton* BoutonRemplacerTout() const { return remplacerTout_; }

signals:
    void Suivant();
    void Remplacer(bool tout);

private:
    QLineEdit* cherche_;
    QLineEdit* remplace_ = nullptr;
    QCheckBox* casse_;
    QCheckBox* motEntier_;
    QPushButton* suivant_;
    QPushButton* remplacer_ = nullptr;
    QPushButton* remplacerTout_ = nullptr;
};

// Owned by whoever creates it (it has no parent); the two dialogs belong to
// parentDialogues, or to the editor when that is null.
class Recherche : public QObject {
    Q_OBJECT
public:
    Recherche(QPlainTextEdit& editeur, Dialogues& dialogues, QWidget* parentDialogues);

    DialogueRecherche& DialogRechercher() { return *rechercher_; }
    DialogueRecherche& DialogRemplacer() { return *remplacer_; }

public slots:
    // "&Chercher": preset the search text from a 1 to 19 character selection, show.
    void ChercherClick();
    // "&Remplacer": the same with the replace dialog.
    void RemplacerClick();
    // The find dialog's search button and "&Occurrence suivante" (F3).
    void DialogRechercherFind();
    // The replace dialog's search button.
    void DialogRemplacerFind();
    // The replace dialog's replace (tout false) and replace-all (tout true) buttons.
    void DialogRemplacerReplace(bool tout);

private:
    // Moves c onto the next match of the replace dialog's text from position depart;
    // false, leaving c alone, when there is none.
    bool TrouveSuivant(QTextCursor& c, int depart, const DialogueRecherche& dialogue) const;
    // End of a replacement: the replace dialog closes, the notice is shown, and the
    // selection shrinks to its start.
    void FinRemplacement(QTextCursor c);
    void Montre(DialogueRecherche& dialogue);

    QPlainTextEdit& editeur_;
    Dialogues& dialogues_;
    DialogueRecherche* rechercher_;
    DialogueRecherche* remplacer_;
};

} // namespace velk
