// Colouring of the lines in view. Each line's block state (QTextBlock::userState) holds:
//   bit 0  a "{" comment is open after the line (meaningful for lines 0 to valides_ only),
//   bit 1  the line is coloured,
//   bits 2 and 3  what it was coloured for: starting inside a comment, being a header line.
// A line whose text changes gets -1 (nothing known) and is coloured again when seen.
#include "shell/widgets/coloration_editeur.h"

#include "shell/widgets/editeur.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace velk {

namespace {

constexpr int OuvertApres = 1;
constexpr int EstColorie = 2;
constexpr int DebutCommentaire = 4;
constexpr int Entete = 8;
// Lines coloured beyond the last one in view, so that a small scroll finds them ready.
constexpr int LignesAuDela = 8;

int Etat(const QTextBlock& bloc)
{
    return std::max(bloc.userState(), 0);
}

std::u16string_view Vue(const QString& texte)
{
    return {reinterpret_cast<const char16_t*>(texte.utf16()), static_cast<size_t>(texte.size())};
}

} // namespace

ColorationEditeur::ColorationEditeur(Editeur& editeur) : QObject(&editeur), editeur_(editeur)
{
    connect(editeur.document(), &QTextDocument::contentsChange, this, &ColorationEditeur::TexteChange);
}

QTextCharFormat ColorationEditeur::Format(GenreJeton genre)
{
    QTextCharFormat f;
    switch (genre) {
    case GenreJeton::Entete: f.setForeground(QColor(0x70, 0x70, 0x70)); break;
    case GenreJeton::Commentaire:
        f.setForeground(QColor(0x2e, 0x7d, 0x32));
        f.setFontItalic(true);
        break;
    case GenreJeton::Definition: f.setForeground(QColor(0x0d, 0x3c, 0x9e)); break;
    case GenreJeton::Reference: f.setForeground(QColor(0x3f, 0x6f, 0xc4)); break;
    case GenreJeton::Affectation: f.setForeground(QColor(0x7b, 0x1f, 0xa2)); break;
    case GenreJeton::Nombre: f.setForeground(QColor(0xa3, 0x52, 0x00)); break;
    case GenreJeton::Choix: f.setForeground(QColor(0xc6, 0x28, 0x28)); break;
    }
    return f;
}

void ColorationEditeur::TexteChange(int position, int retires, int ajoutes)
{
    Q_UNUSED(retires);
    QTextDocument& document = *editeur_.document();
    // The first and last lines of the change keep their blocks with a new text; the lines
    // between are new blocks that know nothing yet.
    QTextBlock premier = document.findBlock(position);
    QTextBlock dernier = document.findBlock(position + ajoutes);
    if (premier.isValid())
        premier.setUserState(-1);
    if (dernier.isValid())
        dernier.setUserState(-1);
    const int numero = premier.isValid() ? premier.blockNumber() : 0;
    valides_ = std::min(valides_, numero - 1);
}

bool ColorationEditeur::CommentaireAvant(const QTextBlock& bloc)
{
    const int numero = bloc.blockNumber();
    if (numero <= LignesEntete)
        return false;
    if (numero - 1 > valides_) {
        // Walk the lines above from the last one whose state is known.
        QTextBlock b = valides_ < 0 ? editeur_.document()->firstBlock()
                                    : editeur_.document()->findBlockByNumber(valides_ + 1);
        bool dans = valides_ >= 0 && (Etat(b.previous()) & OuvertApres);
        for (int k = valides_ + 1; k < numero && b.isValid(); ++k, b = b.next()) {
            dans = CommentaireOuvertApres(k, Vue(b.text()), dans);
            b.setUserState((Etat(b) & ~OuvertApres) | (dans ? OuvertApres : 0));
        }
        valides_ = numero - 1;
    }
    return Etat(bloc.previous()) & OuvertApres;
}

void ColorationEditeur::Colorie(QTextBlock& bloc)
{
    const int numero = bloc.blockNumber();
    bool dans = CommentaireAvant(bloc);
    const int cle = EstColorie | (dans ? DebutCommentaire : 0) | (numero < LignesEntete ? Entete : 0);
    if (bloc.userState() >= 0 && (bloc.userState() & ~OuvertApres) == cle)
        return;
    DecoupeLigne(numero, Vue(bloc.text()), dans, jetons_);
    ++coloriees_;
    bloc.setUserState(cle | (dans ? OuvertApres : 0));
    valides_ = std::max(valides_, numero);
    QTextLayout* layout = bloc.layout();
    if (layout == nullptr || (jetons_.empty() && layout->formats().isEmpty()))
        return;
    QList<QTextLayout::FormatRange> formats;
    formats.reserve(static_cast<qsizetype>(jetons_.size()));
    for (const Jeton& j : jetons_)
        formats.append({j.Debut, j.Longueur, Format(j.Genre)});
    layout->setFormats(formats);
    editeur_.document()->markContentsDirty(bloc.position(), bloc.length());
}

void ColorationEditeur::ColorieVisibles()
{
    const int hauteur = editeur_.viewport()->height();
    int audela = 0;
    for (QTextBlock bloc = editeur_.PremierBlocVisible(); bloc.isValid() && audela <= LignesAuDela;
         bloc = bloc.next()) {
        if (editeur_.CadreBloc(bloc).top() > hauteur)
            ++audela;
        Colorie(bloc);
    }
}

} // namespace velk
