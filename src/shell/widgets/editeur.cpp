// Editeur: the program text. Besides the plain-text control it keeps the status bar and
// the edit commands in step: caret position, modified flag, insert/replace mode, read-only
// state, and the availability of undo, cut/copy/delete and paste.
#include "shell/widgets/editeur.h"

#include "shell/widgets/coloration_editeur.h"
#include "shell/widgets/marge_lignes.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

#include <memory>

namespace velk {

namespace {

// The mark of a faulty line: the message, and the text the line had when it was marked.
struct MarqueErreur : QTextBlockUserData {
    QString message;
    QString texte;
};

const MarqueErreur* Marque(const QTextBlock& bloc)
{
    return dynamic_cast<const MarqueErreur*>(bloc.userData());
}

} // namespace

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
    connect(this, &QPlainTextEdit::redoAvailable, this, &Editeur::RefaireDisponible);

    marge_ = new MargeLignes(*this);
    coloration_ = new ColorationEditeur(*this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &Editeur::MajMarge);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& zone, int dy) {
        if (dy != 0)
            marge_->scroll(0, dy);
        else
            marge_->update(0, zone.y(), marge_->width(), zone.height());
    });
    connect(document(), &QTextDocument::contentsChange, this, &Editeur::TexteChange);
    MajMarge();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &Editeur::PresseParpierChange);
    // Once the user scrolls, the view is theirs.
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { ligneAMontrer_ = false; });
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

bool Editeur::PeutRefaire() const { return document()->isRedoAvailable(); }

void Editeur::MajMarge()
{
    const int largeur = marge_->LargeurVoulue();
    if (viewportMargins().left() != largeur)
        setViewportMargins(largeur, 0, 0, 0);
    const QRect contenu = contentsRect();
    marge_->setGeometry(contenu.left(), contenu.top(), largeur, viewport()->height());
}

QRectF Editeur::CadreBloc(const QTextBlock& bloc) const
{
    return blockBoundingGeometry(bloc).translated(contentOffset());
}

bool Editeur::EstMarque(const QTextBlock& bloc) { return Marque(bloc) != nullptr; }

void Editeur::MarqueLigne(int ligne, const QString& message)
{
    QTextBlock bloc = document()->findBlockByNumber(ligne);
    if (ligne < 0 || !bloc.isValid())
        return;
    auto marque = std::make_unique<MarqueErreur>();
    marque->texte = bloc.text();
    marque->message = message;
    if (const MarqueErreur* ancienne = Marque(bloc); ancienne && ancienne->texte == bloc.text())
        marque->message = ancienne->message + QLatin1Char('\n') + message;
    bloc.setUserData(marque.release());
    marquesPosees_ = true;
    marge_->update();
}

void Editeur::EffaceMarques()
{
    if (!marquesPosees_)
        return;
    for (QTextBlock bloc = document()->begin(); bloc.isValid(); bloc = bloc.next())
        if (bloc.userData())
            bloc.setUserData(nullptr);
    marquesPosees_ = false;
    marge_->update();
}

QString Editeur::MessageLigne(int ligne) const
{
    const MarqueErreur* marque = Marque(document()->findBlockByNumber(ligne));
    return marque ? marque->message : QString();
}

QString Editeur::MessageEnY(int y) const
{
    for (QTextBlock bloc = firstVisibleBlock(); bloc.isValid(); bloc = bloc.next()) {
        const QRectF cadre = CadreBloc(bloc);
        if (cadre.top() > y)
            break;
        if (bloc.isVisible() && y < cadre.bottom()) {
            const MarqueErreur* marque = Marque(bloc);
            return marque ? marque->message : QString();
        }
    }
    return QString();
}

int Editeur::NombreMarques() const
{
    int n = 0;
    if (marquesPosees_)
        for (QTextBlock bloc = document()->begin(); bloc.isValid(); bloc = bloc.next())
            n += Marque(bloc) ? 1 : 0;
    return n;
}

void Editeur::TexteChange(int position, int retires, int ajoutes)
{
    Q_UNUSED(retires);
    if (!marquesPosees_)
        return;
    bool change = false;
    const QTextBlock fin = document()->findBlock(position + ajoutes);
    for (QTextBlock bloc = document()->findBlock(position); bloc.isValid(); bloc = bloc.next()) {
        const MarqueErreur* marque = Marque(bloc);
        if (marque && marque->texte != bloc.text()) {
            bloc.setUserData(nullptr);
            change = true;
        }
        if (bloc == fin)
            break;
    }
    if (change)
        marge_->update();
}

bool Editeur::Refuse()
{
    if (!isReadOnly())
        return false;
    emit ToucheRefusee();
    return true;
}

void Editeur::Defaire()
{
    if (!Refuse())
        undo();
}

void Editeur::Refaire()
{
    if (!Refuse())
        redo();
}

void Editeur::Couper()
{
    if (!Refuse())
        cut();
}

void Editeur::Coller()
{
    if (!Refuse())
        paste();
}

void Editeur::Supprimer()
{
    // The control's own commands respect the read-only state; an edit by cursor does not.
    if (Refuse())
        return;
    QTextCursor c = textCursor();
    if (c.hasSelection()) {
        c.removeSelectedText();
        setTextCursor(c);
    }
}

void Editeur::SetLectureSeule(bool lectureSeule)
{
    const bool change = lectureSeule != isReadOnly();
    setReadOnly(lectureSeule);
    // A read-only text still shows where the caret is.
    setTextInteractionFlags(lectureSeule ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                         : Qt::TextEditorInteraction);
    emit CollerDisponible(canPaste());
    if (change)
        emit LectureSeuleChange(lectureSeule);
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
    ligneAMontrer_ = true;
}

void Editeur::resizeEvent(QResizeEvent* evenement)
{
    QPlainTextEdit::resizeEvent(evenement);
    MajMarge();
    if (ligneAMontrer_)
        centerCursor();
}

void Editeur::paintEvent(QPaintEvent* evenement)
{
    coloration_->ColorieVisibles();
    QPlainTextEdit::paintEvent(evenement);
}

void Editeur::showEvent(QShowEvent* evenement)
{
    QPlainTextEdit::showEvent(evenement);
    if (ligneAMontrer_)
        centerCursor();
}

void Editeur::mousePressEvent(QMouseEvent* evenement)
{
    ligneAMontrer_ = false;
    QPlainTextEdit::mousePressEvent(evenement);
}

void Editeur::wheelEvent(QWheelEvent* evenement)
{
    ligneAMontrer_ = false;
    QPlainTextEdit::wheelEvent(evenement);
}

void Editeur::RafraichitIndicateurs()
{
    MajPositionCurseur();
    emit ModifieChange(document()->isModified());
    emit RemplacementChange(overwriteMode());
    emit DefaireDisponible(PeutDefaire());
    emit RefaireDisponible(PeutRefaire());
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

namespace {

// True when the key, typed into an editable text, would change it.
bool ToucheModifiante(const QKeyEvent& touche)
{
    static const QKeySequence::StandardKey kEditions[] = {
        QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Redo,
        QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine, QKeySequence::InsertParagraphSeparator,
        QKeySequence::InsertLineSeparator};
    for (QKeySequence::StandardKey k : kEditions)
        if (touche.matches(k))
            return true;
    switch (touche.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        return true;
    default:
        break;
    }
    // A character typed, without a command modifier (AltGr counts as Ctrl+Alt).
    const Qt::KeyboardModifiers mods = touche.modifiers();
    const bool commande = (mods & (Qt::ControlModifier | Qt::MetaModifier)) &&
                          !((mods & Qt::ControlModifier) && (mods & Qt::AltModifier));
    const QString texte = touche.text();
    return !commande && !texte.isEmpty() && texte.at(0).isPrint();
}

} // namespace

void Editeur::keyPressEvent(QKeyEvent* evenement)
{
    ligneAMontrer_ = false;
    if (evenement->key() == Qt::Key_Insert && evenement->modifiers() == Qt::NoModifier) {
        SetModeRemplacement(!overwriteMode());
        evenement->accept();
        return;
    }
    if (isReadOnly() && ToucheModifiante(*evenement)) {
        emit ToucheRefusee();
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
