// The syntax colouring of the editor, applied only to the lines in view: a program of
// hundreds of thousands of lines opens as fast as plain text, and each scroll step colours
// the few lines that come into view. The ranges come from the language's DecoupeLigne; here
// they only become formats of the lines' layouts, which never touches the text, its undo
// history or its modified flag.
#pragma once

#include "language/coloration.h"

#include <QObject>
#include <QTextCharFormat>
#include <QTextBlock>

#include <vector>

namespace velk {

class Editeur;

class ColorationEditeur : public QObject {
    Q_OBJECT
public:
    explicit ColorationEditeur(Editeur& editeur);

    // Colours the lines in view, and a few beyond, that are not coloured yet or whose
    // colouring no longer fits their text or the comment state above them.
    void ColorieVisibles();

    // The format of each kind of range.
    static QTextCharFormat Format(GenreJeton genre);

    // Lines coloured since the start (each colouring of one line counts once).
    long long LignesColoriees() const { return coloriees_; }

private:
    void TexteChange(int position, int retires, int ajoutes);
    // Whether line `bloc` starts inside a "{" comment left open above it.
    bool CommentaireAvant(const QTextBlock& bloc);
    void Colorie(QTextBlock& bloc);

    Editeur& editeur_;
    // Lines 0 to valides_ hold, in their state, whether a comment is open after them.
    int valides_ = -1;
    std::vector<Jeton> jetons_;
    long long coloriees_ = 0;
};

} // namespace velk
