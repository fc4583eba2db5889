// LignesEditeur: the editor's blocks seen as numbered lines. Sequential reading walks
// from the last block read; any change of the document drops that position.
#include "shell/widgets/lignes_editeur.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace velk {

LignesEditeur::LignesEditeur(QPlainTextEdit& editeur) : editeur_(editeur)
{
    // A block kept from before a change may have been removed or renumbered.
    changement_ = QObject::connect(&editeur_, &QPlainTextEdit::textChanged,
                                   [this] { numeroDernier_ = -1; });
}

LignesEditeur::~LignesEditeur() { QObject::disconnect(changement_); }

QTextBlock LignesEditeur::Bloc(int k) const
{
    QTextDocument* doc = editeur_.document();
    if (numeroDernier_ >= 0 && dernier_.document() == doc) {
        if (k == numeroDernier_)
            return dernier_;
        if (k == numeroDernier_ + 1) {
            dernier_ = dernier_.next();
            numeroDernier_ = dernier_.isValid() ? k : -1;
            return dernier_;
        }
    }
    dernier_ = doc->findBlockByNumber(k);
    numeroDernier_ = dernier_.isValid() ? k : -1;
    return dernier_;
}

int LignesEditeur::NombreLignes() const
{
    const QTextDocument* doc = editeur_.document();
    // An empty last block is the end of the previous line, not a line of its own.
    return doc->blockCount() - (doc->lastBlock().length() <= 1 ? 1 : 0);
}

std::string LignesEditeur::Ligne(int k) const
{
    if (k < 0 || k >= NombreLignes())
        return {};
    return Bloc(k).text().toStdString();
}

void LignesEditeur::InsereLigne(int k, const std::string& texte)
{
    if (k >= NombreLignes()) {
        AjouteLigne(texte);
        return;
    }
    if (k < 0)
        k = 0;
    QTextCursor c(Bloc(k));
    c.insertText(QString::fromStdString(texte) + QLatin1Char('\n'));
}

void LignesEditeur::SupprimeLigne(int k)
{
    if (k < 0 || k >= NombreLignes())
        return;
    const QTextBlock bloc = Bloc(k);
    QTextCursor c(bloc);
    const QTextBlock suivant = bloc.next();
    if (suivant.isValid()) {
        c.setPosition(suivant.position(), QTextCursor::KeepAnchor);
    } else if (bloc.previous().isValid()) {
        // The last line goes with the line break before it.
        c.setPosition(bloc.previous().position() + bloc.previous().length() - 1);
        c.setPosition(bloc.position() + bloc.length() - 1, QTextCursor::KeepAnchor);
    } else {
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
    c.removeSelectedText();
}

void LignesEditeur::AjouteLigne(const std::string& texte)
{
    QTextDocument* doc = editeur_.document();
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    const QString ligne = QString::fromStdString(texte);
    // After a final line break (or in an empty text) the new line takes the empty block.
    if (doc->lastBlock().length() <= 1)
        c.insertText(ligne);
    else
        c.insertText(QLatin1Char('\n') + ligne);
}

void LignesEditeur::Vide()
{
    editeur_.clear();
    numeroDernier_ = -1;
}

bool LignesEditeur::Modifie() const { return editeur_.document()->isModified(); }

void LignesEditeur::SetModifie(bool modifie) { editeur_.document()->setModified(modifie); }

void LignesEditeur::EffaceHistorique() { editeur_.document()->clearUndoRedoStacks(); }

void LignesEditeur::DefinitTexte(const QString& texte)
{
    editeur_.setPlainText(texte);
    numeroDernier_ = -1;
}

QString LignesEditeur::Texte() const
{
    QString t = editeur_.document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}

} // namespace velk
