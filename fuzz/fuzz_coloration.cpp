// Syntax colouring of arbitrary lines: ranges in order, not overlapping, inside the line
// and never empty; a statement's ranges cover only characters that the reader reads
// (no blank inside a reference or a number, ":=" exactly two characters); the cheap
// comment-state walk always agrees with the full colouring.
//
// Input: the first byte gives the line number (the header or not) and the starting comment
// state; the rest, read as UTF-16 code units (two bytes each), is the line.
#include "language/coloration.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Echoue(const char* quoi)
{
    std::fprintf(stderr, "property violated: %s\n", quoi);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    if (taille < 1)
        return 0;
    const int numero = donnees[0] & 0x7;
    const bool dansAvant = (donnees[0] & 0x8) != 0;
    std::u16string ligne;
    for (size_t i = 1; i + 1 < taille; i += 2) {
        char16_t c = static_cast<char16_t>(donnees[i] | (donnees[i + 1] << 8));
        // Mostly the characters the reader knows, so that statements come often.
        if (donnees[i + 1] == 0 && c >= 0x80)
            c = static_cast<char16_t>(u"PLCVFADHBGEIMOXY0123456789.+-:=,{}/ "[c % 37]);
        ligne += c;
    }
    std::vector<velk::Jeton> jetons;
    bool dans = dansAvant;
    velk::DecoupeLigne(numero, ligne, dans, jetons);
    if (velk::CommentaireOuvertApres(numero, ligne, dansAvant) != dans)
        Echoue("comment state differs from the cheap walk");
    int fin = 0;
    for (const velk::Jeton& j : jetons) {
        if (j.Longueur <= 0 || j.Debut < fin || j.Debut + j.Longueur > static_cast<int>(ligne.size()))
            Echoue("range empty, overlapping or outside the line");
        fin = j.Debut + j.Longueur;
        const std::u16string_view texte(ligne.data() + j.Debut, static_cast<size_t>(j.Longueur));
        switch (j.Genre) {
        case velk::GenreJeton::Affectation:
            if (texte.size() < 2 || texte.front() != u':' || texte.back() != u'=')
                Echoue("\":=\" range holds something else");
            break;
        case velk::GenreJeton::Choix:
            if (texte.size() != 1)
                Echoue("choice letter longer than one character");
            break;
        case velk::GenreJeton::Entete:
            if (numero >= velk::LignesEntete || jetons.size() != 1)
                Echoue("header range outside the header");
            break;
        default: break;
        }
        if (j.Genre != velk::GenreJeton::Commentaire && j.Genre != velk::GenreJeton::Entete
            && (texte.front() == u' ' || texte.back() == u' '))
            Echoue("statement range starts or ends with a blank");
    }
    return 0;
}
