// Editeur: the program text. Besides the plain-text control it keeps the status bar and
// the edit commands in step: caret position, modified flag, insert/replace mode, and the
// availability of undo, cut/copy/delete and paste.
#include "shell/widgets/editeur.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>

namespace velk {

Editeur::Editeur(QWidget* parent) : QPlainTextEdit(parent)
{
    QFont police(FamillePolice());
    police.setPixelSize(17);
    police.setStyleHint(QFont::TypeWriter);
    police.setFixedPitch(true);
    setFont(police);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setOverwriteMode(false);

    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &Editeur::MajPositionCurseur);
    connect(this, &QPlainTextEdit::selectionChanged, this, &Editeur::MajPositionCurseur);
    connect(this, &QPlainTextEdit::modificationChanged, this, &Editeur::ModifieChange);
    connect(this, &QPlainTextEdit::undoAvailable, this, &Editeur::DefaireDisponible);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &Editeur::PresseParpierChange);
}

QString Editeur::FamillePolice()
{
    const QStringList familles = QFontDatabase::families();
    if (familles.contains(QStringLiteral("Courier New"), Qt::CaseInsensitive))
        return QStringLiteral("Courier New");
    if (familles.contains(QStringLiteral("Liberation Mono"), Qt::CaseInsensitive))
        return QStringLiteral("Liberation Mono");
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

int Editeur::LigneCurseur() const
{
    const QTextCursor c = textCursor();
    return document()->findBlock(c.selectionStart()).blockNumber() + 1;
}

int Editeur::ColonneCurseur() const
{
    const QTextCursor c = textCursor();
    const QTextBlock bloc = document()->findBlock(c.selectionStart());
    return c.selectionStart() - bloc.position() + 1;
}

QString Editeur::TextePosition(int ligne, int colonne)
{
    return QStringLiteral("Ligne : %1   Colonne : %2")
        .arg(ligne, 3, 10, QLatin1Char(' '))
        .arg(colonne, 3, 10, QLatin1Char(' '));
}

QString Editeur::TextePosition() const { return TextePosition(LigneCurseur(), ColonneCurseur()); }

void Editeur::SetModeRemplacement(bool remplacement)
{
    if (remplacement == overwriteMode())
        return;
    setOverwriteMode(remplacement);
    emit RemplacementChange(remplacement);
}

QString Editeur::TexteRemplacement(bool remplacement)
{
    return remplacement ? QStringLiteral("Remplacement") : QStringLiteral("Insertion");
}

QString Editeur::TexteModifie(bool modifie)
{
    return modifie ? QStringLiteral("Modifié") : QString();
}

bool Editeur::PeutDefaire() const { return document()->isUndoAvailable(); }

void Editeur::Supprimer()
{
    QTextCursor c = textCursor();
    if (c.hasSelection()) {
        c.removeSelectedText();
        setTextCursor(c);
    }
}

void Editeur::SetLectureSeule(bool lectureSeule)
{
    setReadOnly(lectureSeule);
    emit CollerDisponible(canPaste());
}

void Editeur::VaLigne(int ligne)
{
    const int dernier = document()->blockCount() - 1;
    if (ligne > dernier)
        ligne = dernier;
    if (ligne < 0)
        ligne = 0;
    QTextCursor c(document()->findBlockByNumber(ligne));
    setTextCursor(c);
    centerCursor();
}

void Editeur::RafraichitIndicateurs()
{
    MajPositionCurseur();
    emit ModifieChange(document()->isModified());
    emit RemplacementChange(overwriteMode());
    emit DefaireDisponible(PeutDefaire());
    emit CollerDisponible(canPaste());
}

// Ctrl+Del is the "&Supprimer" command (delete the selection), not the control's own
// "delete to the end of the word": leave the key to the window's shortcut.
bool Editeur::event(QEvent* evenement)
{
    if (evenement->type() == QEvent::ShortcutOverride) {
        auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->key() == Qt::Key_Delete && touche->modifiers() == Qt::ControlModifier) {
            evenement->ignore();
            return false;
        }
    }
    return QPlainTextEdit::event(evenement);
}

void Editeur::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Insert && evenement->modifiers() == Qt::NoModifier) {
        SetModeRemplacement(!overwriteMode());
        evenement->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(evenement);
}

void Editeur::MajPositionCurseur()
{
    emit PositionChangee(TextePosition());
    emit SelectionChangee(textCursor().hasSelection());
}

void Editeur::PresseParpierChange() { emit CollerDisponible(canPaste()); }

} // namespace velk
