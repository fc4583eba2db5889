// Colouring ranges of one program line, following the reader's rules on the line as typed:
// the reduced line (blanks left out, letters in upper case) is walked through a table of
// the positions of its characters in the typed line.
#include "language/coloration.h"

#include "language/nombres.h"

#include <string>

namespace velk {

namespace {

constexpr size_t Absent = static_cast<size_t>(-1);

char16_t Majuscule(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

bool EstChiffre(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool EstCaractereNombre(char16_t c)
{
    return EstChiffre(c) || c == u'.' || c == u'+' || c == u'-' || c == u'E';
}

bool EstLettreChoix(char16_t c)
{
    switch (c) {
    case u'B': case u'D': case u'E': case u'G': case u'H':
    case u'I': case u'M': case u'O': case u'X': case u'Y':
        return true;
    default:
        return false;
    }
}

// The reduced line: character k is the upper-cased character at position Position(k) of
// the typed line.
class LigneReduite {
public:
    explicit LigneReduite(std::u16string_view ligne) : ligne_(ligne)
    {
        positions_.reserve(ligne.size());
        for (size_t i = 0; i < ligne.size(); ++i)
            if (ligne[i] != u' ')
                positions_.push_back(static_cast<int>(i));
    }
    size_t Taille() const { return positions_.size(); }
    char16_t operator[](size_t k) const { return Majuscule(ligne_[static_cast<size_t>(positions_[k])]); }
    int Position(size_t k) const { return positions_[k]; }

    size_t Cherche(char16_t c, size_t fin) const
    {
        for (size_t k = 0; k < fin; ++k)
            if ((*this)[k] == c)
                return k;
        return Absent;
    }
    bool ContientPaire(char16_t a, char16_t b, size_t fin) const
    {
        for (size_t k = 0; k + 1 < fin; ++k)
            if ((*this)[k] == a && (*this)[k + 1] == b)
                return true;
        return false;
    }
    // The end of the run of digits from k.
    size_t FinChiffres(size_t k, size_t fin) const
    {
        while (k < fin && EstChiffre((*this)[k]))
            ++k;
        return k;
    }
    // The end of the number starting at k, or k when the reader would refuse it.
    size_t FinNombre(size_t k, size_t fin) const
    {
        std::string texte;
        size_t e = k;
        for (; e < fin && EstCaractereNombre((*this)[e]); ++e)
            texte += static_cast<char>((*this)[e]);
        Reel valeur = 0;
        return e > k && ConvertitReel(texte, valeur) ? e : k;
    }

private:
    std::u16string_view ligne_;
    std::vector<int> positions_;
};

class Decoupage {
public:
    Decoupage(const LigneReduite& r, std::vector<Jeton>& jetons) : r_(r), jetons_(jetons) {}

    // Reduced characters a to b (excluded) as one range of the typed line.
    void Ajoute(size_t a, size_t b, GenreJeton genre)
    {
        const int debut = r_.Position(a);
        jetons_.push_back({debut, r_.Position(b - 1) + 1 - debut, genre});
    }

    // The statement in reduced characters 0 to fin, coloured until its reading would fail.
    void Instruction(size_t fin)
    {
        const char16_t definition = r_[0];
        if (definition != u'P' && definition != u'L' && definition != u'C' && definition != u'V'
            && definition != u'F')
            return;
        size_t k = r_.FinChiffres(1, fin);
        if (k == 1)
            return;
        Ajoute(0, k, GenreJeton::Definition);
        if (k + 1 >= fin || r_[k] != u':' || r_[k + 1] != u'=')
            return;
        Ajoute(k, k + 2, GenreJeton::Affectation);
        k += 2;
        while (k < fin) {
            const char16_t c = r_[k];
            size_t e = k;
            GenreJeton genre = GenreJeton::Nombre;
            if (c == u'P' || c == u'L' || c == u'C' || c == u'V') {
                e = r_.FinChiffres(k + 1, fin);
                if (e == k + 1)
                    return;
                genre = GenreJeton::Reference;
            } else if (c == u'A') {
                e = r_.FinNombre(k + 1, fin);
                if (e == k + 1)
                    return;
            } else if (EstLettreChoix(c)) {
                e = k + 1;
                genre = GenreJeton::Choix;
            } else {
                e = r_.FinNombre(k, fin);
                if (e == k)
                    return;
            }
            Ajoute(k, e, genre);
            k = e;
            if (k < fin) {
                if (r_[k] != u',')
                    return;
                ++k;
            }
        }
    }

private:
    const LigneReduite& r_;
    std::vector<Jeton>& jetons_;
};

} // namespace

void DecoupeLigne(int numero, std::u16string_view ligne, bool& dansCommentaire, std::vector<Jeton>& jetons)
{
    jetons.clear();
    const int longueur = static_cast<int>(ligne.size());
    if (numero < LignesEntete) {
        dansCommentaire = false;
        if (longueur > 0)
            jetons.push_back({0, longueur, GenreJeton::Entete});
        return;
    }
    const LigneReduite r(ligne);
    const size_t n = r.Taille();
    if (n == 0)
        return;
    const Jeton ligneEntiere{0, longueur, GenreJeton::Commentaire};
    if (dansCommentaire) {
        dansCommentaire = r.Cherche(u'}', n) == Absent;
        jetons.push_back(ligneEntiere);
        return;
    }
    const size_t ouvre = r.Cherche(u'{', n);
    const size_t ferme = r.Cherche(u'}', n);
    size_t fin = n;
    if (ouvre != Absent && ouvre > 0 && ferme == n - 1) {
        // A trailing comment: the statement stops before it.
        fin = ouvre;
    } else if (ouvre != Absent) {
        dansCommentaire = ferme == Absent || ferme < ouvre;
        jetons.push_back(ligneEntiere);
        return;
    }
    if (r.ContientPaire(u'/', u'/', fin)) {
        jetons.push_back(ligneEntiere);
        return;
    }
    if (r.ContientPaire(u':', u'=', fin))
        Decoupage(r, jetons).Instruction(fin);
    if (fin < n)
        jetons.push_back({r.Position(fin), longueur - r.Position(fin), GenreJeton::Commentaire});
}

bool CommentaireOuvertApres(int numero, std::u16string_view ligne, bool dansCommentaire)
{
    if (numero < LignesEntete)
        return false;
    size_t n = 0, ouvre = Absent, ferme = Absent;
    for (const char16_t c : ligne) {
        if (c == u' ')
            continue;
        if (c == u'{' && ouvre == Absent)
            ouvre = n;
        else if (c == u'}' && ferme == Absent)
            ferme = n;
        ++n;
    }
    if (n == 0)
        return dansCommentaire;
    if (dansCommentaire)
        return ferme == Absent;
    if (ouvre == Absent || (ouvre > 0 && ferme == n - 1))
        return false;
    return ferme == Absent || ferme < ouvre;
}

} // namespace velk
