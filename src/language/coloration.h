// The syntax colouring of the program text, without any widget: which range of a line is a
// header, a comment, an element reference, ":=", a number or a choice letter. A line is
// seen the way the reader sees it (blanks ignored, any letter case, comments cut or
// carried over to the next lines), so that what is coloured is what a run would read; a
// statement is coloured up to the first place where its reading would fail.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace velk {

enum class GenreJeton : uint8_t {
    Entete,       // one of the three header lines, never executed
    Commentaire,  // a comment line, or the trailing "{...}" of a statement
    Definition,   // the element a statement defines: kind letter and number
    Reference,    // an earlier element or a variable used as an argument
    Affectation,  // ":="
    Nombre,       // a number, or an angle "A" followed by its number
    Choix,        // a choice letter (H, B, D, G, E, I, M, O, X, Y)
};

// A range of the line as it is in the editor, in UTF-16 code units.
struct Jeton {
    int Debut = 0;
    int Longueur = 0;
    GenreJeton Genre = GenreJeton::Commentaire;
    bool operator==(const Jeton& o) const
    {
        return Debut == o.Debut && Longueur == o.Longueur && Genre == o.Genre;
    }
};

// The lines of the header: a run starts after them.
constexpr int LignesEntete = 3;

// The ranges to colour on line `numero` (from 0) of the text, in order, in `jetons`
// (emptied first). `dansCommentaire` says whether the line starts inside a "{" comment
// left open by an earlier line, and is updated to the state after the line.
void DecoupeLigne(int numero, std::u16string_view ligne, bool& dansCommentaire, std::vector<Jeton>& jetons);

// Only the comment state after line `numero`, much cheaper than DecoupeLigne: the text
// above the lines in view is walked with it.
bool CommentaireOuvertApres(int numero, std::u16string_view ligne, bool dansCommentaire);

} // namespace velk
