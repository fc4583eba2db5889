// TFSaisie, the small modal dialog that asks one value (a coordinate, a radius, an
// angle...) at the bottom-right corner of the main window, checking it by mode before
// it lets the dialog close. Refusals are shown through Dialogues so tests drive it.
#pragma once

#include "construction/dialogues.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace velk {

class TFSaisie : public QDialog {
    Q_OBJECT
public:
    // principale: the window whose bottom-right corner the dialog sits in (may be null).
    TFSaisie(Dialogues& dialogues, QWidget* principale);

    // Prepares a showing: label, mode, empty field, and the first character already
    // typed (not selected, the caret after it) when one is given.
    void Prepare(const QString& libelle, int mode, QChar premierCaractere = QChar());
    // Prepare, show modally, and return the text as typed when Enter accepted it.
    std::optional<QString> Demande(const QString& libelle, int mode,
                                   QChar premierCaractere = QChar());

    QLabel* Texte() const { return texte_; }
    QLineEdit* EditSaisie() const { return edit_; }
    int ModeSaisie() const { return mode_; }
    // Last key pressed in the field: 13 after an accepted value, 27 after Escape,
    // 0 after a refused value.
    int ToucheSortie() const { return toucheSortie_; }
    bool ValeurValide() const { return valeurValide_; }

    // Where the dialog goes for the main window's outer rectangle and its own outer size.
    static QPoint Placement(const QRect& principale, const QSize& propre);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void reject() override;
    void done(int resultat) override;

private:
    void EditSaisieKeyPress(int touche);

    Dialogues& dialogues_;
    QWidget* principale_;
    QLabel* texte_;
    QLineEdit* edit_;
    int mode_ = 0;
    int toucheSortie_ = 0;
    bool valeurValide_ = false;
};

} // namespace velk
