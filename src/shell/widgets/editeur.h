// Editeur, the program text of the "Texte" tab: a plain-text editor in a fixed-pitch
// font, without word wrap, with an insert/replace mode toggled by the Insert key and a
// gutter of line numbers where the faulty lines of the last run are marked. It tells the
// main window what its status panels and edit commands need through signals.
#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>

namespace velk {

class ColorationEditeur;
class MargeLignes;

class Editeur : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Editeur(QWidget* parent = nullptr);

    // Line (from 1) and column (from 1) of the start of the selection.
    int LigneCurseur() const;
    int ColonneCurseur() const;
    // "Ligne : %3d   Colonne : %3d" for the current selection start.
    QString TextePosition() const;
    static QString TextePosition(int ligne, int colonne);

    bool ModeRemplacement() const { return overwriteMode(); }
    void SetModeRemplacement(bool remplacement);
    // "Remplacement" or "Insertion".
    static QString TexteRemplacement(bool remplacement);
    // "Modifié" or nothing.
    static QString TexteModifie(bool modifie);

    bool SelectionPresente() const { return textCursor().hasSelection(); }
    bool PeutDefaire() const;
    bool PeutRefaire() const;
    bool PeutColler() const { return canPaste(); }

    // ---- Marks of faulty lines ----
    // Marks a line (from 0) with a run's message; a second message on the same line is
    // added under the first. A line past the end is ignored.
    void MarqueLigne(int ligne, const QString& message);
    // Removes every mark (at the start of a run).
    void EffaceMarques();
    // The message of a marked line (from 0), or nothing.
    QString MessageLigne(int ligne) const;
    // The message of the marked line at height y of the gutter, or nothing.
    QString MessageEnY(int y) const;
    int NombreMarques() const;
    static bool EstMarque(const QTextBlock& bloc);

    // For the gutter: the blocks in view and where they are drawn.
    QTextBlock PremierBlocVisible() const { return firstVisibleBlock(); }
    QRectF CadreBloc(const QTextBlock& bloc) const;
    MargeLignes& Marge() { return *marge_; }
    ColorationEditeur& Coloration() { return *coloration_; }

    // The family actually used ("Courier New", or its metric twin when it is missing).
    static QString FamillePolice();

public slots:
    // The commands that change the text refuse (ToucheRefusee) on a read-only text.
    void Defaire();
    void Refaire();
    void Couper();
    void Copier() { copy(); }
    void Coller();
    // Deletes the selection without touching the clipboard.
    void Supprimer();
    void ToutSelectionner() { selectAll(); }
    // Read-only from the open dialog's box; paste availability follows it.
    void SetLectureSeule(bool lectureSeule);
    // Puts the caret at the start of a line (from 0); past the end, on the last line. The
    // line stays in view when the editor is resized or shown before the user moves on
    // (the message list appearing under it, the text tab shown after a run).
    void VaLigne(int ligne);
    // Emits every signal once so the status bar and commands start in step.
    void RafraichitIndicateurs();

signals:
    // Status panel 0 text on every selection change.
    void PositionChangee(const QString& texte);
    // Status panel 1: the modified flag changed.
    void ModifieChange(bool modifie);
    // Status panel 2: the Insert key toggled the mode.
    void RemplacementChange(bool remplacement);
    // Cut, copy and delete are available exactly when this is true.
    void SelectionChangee(bool presente);
    // "&Défaire" availability.
    void DefaireDisponible(bool disponible);
    // "&Refaire" availability.
    void RefaireDisponible(bool disponible);
    // Paste availability, following the clipboard.
    void CollerDisponible(bool disponible);
    // The read-only state changed.
    void LectureSeuleChange(bool lectureSeule);
    // A key or command would have changed a read-only text: nothing was done.
    void ToucheRefusee();

protected:
    bool event(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    // The lines coming into view are coloured just before they are painted.
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void wheelEvent(QWheelEvent* evenement) override;

private:
    void MajPositionCurseur();
    void PresseParpierChange();
    // True (and ToucheRefusee emitted) when the text is read-only.
    bool Refuse();
    void MajMarge();
    // A mark goes as soon as the text of its line differs from the text it was put on.
    void TexteChange(int position, int retires, int ajoutes);

    MargeLignes* marge_ = nullptr;
    ColorationEditeur* coloration_ = nullptr;
    // Some block may carry a mark: without one, edits have nothing to look at.
    bool marquesPosees_ = false;

    // The caret's line must be brought back into view at the next resize or show.
    bool ligneAMontrer_ = false;
};

} // namespace velk
