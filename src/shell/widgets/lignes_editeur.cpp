// LignesEditeur: the editor's blocks seen as numbered lines, with a UTF-8 copy of the
// whole text for sequential reading, dropped at every change of the document.
#include "shell/widgets/lignes_editeur.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace velk {

LignesEditeur::LignesEditeur(QPlainTextEdit& editeur) : editeur_(editeur)
{
    changement_ =
        QObject::connect(&editeur_, &QPlainTextEdit::textChanged, [this] { Oublie(); });
}

LignesEditeur::~LignesEditeur() { QObject::disconnect(changement_); }

void LignesEditeur::Oublie() const
{
    copieFaite_ = false;
    copie_.clear();
    copie_.shrink_to_fit();
    debuts_.clear();
    debuts_.shrink_to_fit();
}

LignesEditeur::Etat LignesEditeur::EtatActuel() const
{
    const QTextDocument* doc = editeur_.document();
    return {doc, doc->blockCount(), doc->revision()};
}

// Besides the change signal, the copy is checked against the document's block count and
// revision (both cheap), so a change made while the signal is held back, inside an edit
// block, cannot serve stale lines.
bool LignesEditeur::CopieValide() const { return copieFaite_ && etatCopie_ == EtatActuel(); }

// One pass over the document's characters: UTF-8 bytes out, block boundaries turned
// into '\n', and the start of every line noted on the way.
void LignesEditeur::PrendCopie() const
{
    const QString brut = editeur_.document()->toRawText();
    const QChar* c = brut.constData();
    const qsizetype n = brut.size();
    copie_.clear();
    copie_.reserve(static_cast<std::size_t>(n) + 1);
    debuts_.clear();
    debuts_.push_back(0);
    for (qsizetype i = 0; i < n; ++i) {
        char32_t u = c[i].unicode();
        // Only the block boundaries end lines: the line numbers must stay the editor's.
        if (u == QChar::ParagraphSeparator) {
            copie_.push_back('\n');
            debuts_.push_back(copie_.size());
            continue;
        }
        if (u < 0x80) {
            copie_.push_back(static_cast<char>(u));
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < n && c[i + 1].isLowSurrogate()) {
            u = QChar::surrogateToUcs4(c[i].unicode(), c[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(u)) {
            u = QChar::ReplacementCharacter;
        }
        if (u < 0x800) {
            copie_.push_back(static_cast<char>(0xC0 | (u >> 6)));
        } else {
            if (u < 0x10000) {
                copie_.push_back(static_cast<char>(0xE0 | (u >> 12)));
            } else {
                copie_.push_back(static_cast<char>(0xF0 | (u >> 18)));
                copie_.push_back(static_cast<char>(0x80 | ((u >> 12) & 0x3F)));
            }
            copie_.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
        }
        copie_.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
    // The document's last block has no break after it: close it like the others.
    if (copie_.empty() || copie_.back() != '\n') {
        copie_.push_back('\n');
        debuts_.push_back(copie_.size());
    }
    copieFaite_ = true;
    etatCopie_ = EtatActuel();
    lignesCopie_ = NombreLignesDocument();
}

int LignesEditeur::NombreLignes() const
{
    return CopieValide() ? lignesCopie_ : NombreLignesDocument();
}

int LignesEditeur::NombreLignesDocument() const
{
    const QTextDocument* doc = editeur_.document();
    // An empty last block is the end of the previous line, not a line of its own.
    return doc->blockCount() - (doc->lastBlock().length() <= 1 ? 1 : 0);
}

std::string LignesEditeur::Ligne(int k) const
{
    if (k < 0)
        return {};
    if (CopieValide()) {
        if (k >= lignesCopie_)
            return {};
        const std::size_t debut = debuts_[static_cast<std::size_t>(k)];
        const std::size_t fin = debuts_[static_cast<std::size_t>(k) + 1] - 1;
        dernierLu_ = k;
        return copie_.substr(debut, fin - debut);
    }
    if (k >= NombreLignesDocument())
        return {};
    const bool suite = k == dernierLu_ + 1;
    dernierLu_ = k;
    // A single line is read from its block; a second line in a row means the text is
    // being walked, which the copy serves far faster.
    if (!suite)
        return editeur_.document()->findBlockByNumber(k).text().toStdString();
    PrendCopie();
    const std::size_t debut = debuts_[static_cast<std::size_t>(k)];
    const std::size_t fin = debuts_[static_cast<std::size_t>(k) + 1] - 1;
    return copie_.substr(debut, fin - debut);
}

QTextBlock LignesEditeur::Bloc(int k) const { return editeur_.document()->findBlockByNumber(k); }

QString DepuisUtf8(std::string_view utf8)
{
    static constexpr std::string_view kMarque = "\xEF\xBB\xBF";
    QString texte;
    while (utf8.substr(0, kMarque.size()) == kMarque) {
        texte += QChar(0xFEFF);
        utf8.remove_prefix(kMarque.size());
    }
    return texte + QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
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
    c.insertText(DepuisUtf8(texte) + QLatin1Char('\n'));
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
    const QString ligne = DepuisUtf8(texte);
    // After a final line break (or in an empty text) the new line takes the empty block.
    if (doc->lastBlock().length() <= 1)
        c.insertText(ligne);
    else
        c.insertText(QLatin1Char('\n') + ligne);
}

void LignesEditeur::Vide()
{
    editeur_.clear();
    Oublie();
}

bool LignesEditeur::Modifie() const { return editeur_.document()->isModified(); }

void LignesEditeur::SetModifie(bool modifie) { editeur_.document()->setModified(modifie); }

void LignesEditeur::EffaceHistorique() { editeur_.document()->clearUndoRedoStacks(); }

void LignesEditeur::DefinitTexte(const QString& texte)
{
    editeur_.setPlainText(texte);
    Oublie();
}

QString LignesEditeur::Texte() const
{
    QString t = editeur_.document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return t;
}

} // namespace velk
