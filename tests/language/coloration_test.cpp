// Colouring ranges of program lines, drawn as one letter per character of the line:
// e header, c comment, d definition, r reference, a ":=", n number, h choice letter,
// . not coloured.
#include "language/coloration.h"
#include "language/interprete.h"
#include "language/observateurs_simples.h"
#include "store/module_donnee.h"

#include <gtest/gtest.h>

#include <string>

namespace velk {
namespace {

std::string Dessin(const std::u16string& ligne, const std::vector<Jeton>& jetons)
{
    std::string s(ligne.size(), '.');
    const char lettres[] = "ecdranh";
    for (const Jeton& j : jetons)
        for (int i = j.Debut; i < j.Debut + j.Longueur; ++i)
            s.at(static_cast<size_t>(i)) = lettres[static_cast<int>(j.Genre)];
    return s;
}

std::string Colore(const std::u16string& ligne, bool& dans, int numero = 5)
{
    std::vector<Jeton> jetons;
    const bool avant = dans;
    DecoupeLigne(numero, ligne, dans, jetons);
    // The cheap state walk must always agree with the full colouring.
    EXPECT_EQ(CommentaireOuvertApres(numero, ligne, avant), dans) << std::string(ligne.begin(), ligne.end());
    return Dessin(ligne, jetons);
}

struct Cas {
    std::u16string ligne;
    std::string attendu;
};

TEST(Coloration, StatementsNumbersChoicesAndReferences)
{
    const Cas cas[] = {
        {u"P0:=0,0,0,0", "ddaan.n.n.n"},
        {u"L0:=P0,A90,0,0", "ddaarr.nnn.n.n"},
        {u"C3:=P1,L0,5,H,1,0", "ddaarr.rr.n.h.n.n"},
        // Lower case and blanks anywhere, as the reader takes them.
        {u"p 1 := 2.5 , -3e2 ,0,0", "ddd.aa.nnn...nnnn..n.n"},
        {u"V12:=+4.75E-2", "dddaannnnnnnn"},
        {u"P007:=V1,0,x,y", "ddddaarr.n.h.h"},
        // A trailing comma ends the reading normally.
        {u"P1:=0,0,0,0,", "ddaan.n.n.n."},
        {u"F3:=", "ddaa"},
        // Non-ASCII text never matches anything the reader knows.
        {u"P1:=é,0", "ddaa..."},
    };
    for (const Cas& c : cas) {
        bool dans = false;
        EXPECT_EQ(Colore(c.ligne, dans), c.attendu) << std::string(c.ligne.begin(), c.ligne.end());
        EXPECT_FALSE(dans);
    }
}

// A statement is coloured up to the first place where reading it would fail.
TEST(Coloration, MalformedStatementsStopWhereTheReadingFails)
{
    const Cas cas[] = {
        {u"P1:=0,,0,0", "ddaan....."},
        {u"P1:=0;0,0,0", "ddaan......"},
        {u"P1:=1.2.3,0", "ddaa......."},
        {u"P1:=5E,0", "ddaa...."},
        {u"P1:=-,0", "ddaa..."},
        {u"P1X:=0,0", "dd......"},
        {u"Q1:=0", "....."},
        {u"P:=0,0", "......"},
        {u"P1:=P,0", "ddaa..."},
        {u"P1:=AV1,0", "ddaa....."},
        {u"P1:=HX,0", "ddaah..."},
        {u"P1:=E3", "ddaah."},
        {u"P1:=A,1", "ddaa..."},
    };
    for (const Cas& c : cas) {
        bool dans = false;
        EXPECT_EQ(Colore(c.ligne, dans), c.attendu) << std::string(c.ligne.begin(), c.ligne.end());
    }
}

TEST(Coloration, CommentsHeadersAndTheStateCarriedOver)
{
    struct Suite {
        std::u16string ligne;
        bool dansAvant;
        std::string attendu;
        bool dansApres;
    };
    const Suite cas[] = {
        {u"P1:=0,0 // origin", false, "ccccccccccccccccc", false},
        {u"P1:=0 / / x", false, "ccccccccccc", false},
        {u"P1:=0,0 {origin}", false, "ddaan.n.cccccccc", false},
        {u"P1:=0 {a} x", false, "ccccccccccc", false},
        {u"{P1:=0}", false, "ccccccc", false},
        {u"P1:=0 {origin", false, "ccccccccccccc", true},
        {u"P1:=0 } x {", false, "ccccccccccc", true},
        {u"  ", true, "..", true},
        {u"still inside", true, "cccccccccccc", true},
        {u"closed } P1:=0 {", true, "cccccccccccccccc", false},
        // A trailing comment cut first, then "//" makes the whole line a comment.
        {u"P1:=0//x{c}", false, "ccccccccccc", false},
        {u"FIN", false, "...", false},
        {u"P1=0,0", false, "......", false},
    };
    for (const Suite& c : cas) {
        bool dans = c.dansAvant;
        EXPECT_EQ(Colore(c.ligne, dans), c.attendu) << std::string(c.ligne.begin(), c.ligne.end());
        EXPECT_EQ(dans, c.dansApres) << std::string(c.ligne.begin(), c.ligne.end());
    }
    // The header is never read: an open brace there opens nothing, and a comment left open
    // never reaches into it.
    for (int numero = 0; numero < LignesEntete; ++numero) {
        bool dans = true;
        EXPECT_EQ(Colore(u"Programme {", dans, numero), "eeeeeeeeeee");
        EXPECT_FALSE(dans);
    }
}

TEST(Coloration, VeryLongLinesAndSurrogatePairs)
{
    std::u16string longue = u"P1:=";
    std::string attendu = "ddaa";
    for (int i = 0; i < 20000; ++i) {
        longue += u"12.5,";
        attendu += "nnnn.";
    }
    bool dans = false;
    EXPECT_EQ(Colore(longue, dans), attendu);
    // A character outside the basic plane takes two code units; the comment covers both.
    const std::u16string emoji = u"P1:=0 {\U0001F600}";
    EXPECT_EQ(Colore(emoji, dans), "ddaan.cccc");
}

// The colouring follows the reader: a statement is coloured up to its end (every character
// in a range, but the commas between two arguments or after the last one) exactly when the
// reader reads it without an error.
TEST(Coloration, ColouredToTheEndExactlyWhenTheReaderAccepts)
{
    TModuleDonnee tables;
    tables.CreeTables();
    tables.EcritPoint(0, TRecPoint{});
    tables.EcritLigne(0, TRecLigne{});
    TRecCercle c;
    c.Rc = 1;
    tables.EcritCercle(0, c);
    tables.EcritVariable(1, 2.5);
    MessagesEnMemoire messages;
    DessinMuet dessin;
    OccupeMuet occupe;
    Interprete lecteur(tables, messages, dessin, occupe);
    const char* lignes[] = {
        "P5:=0,0,0,0",  "P5:=P0,1.5,H,0,0", "L5:=P0,A-12.5E1,0,0", "C5:=C0,L0,5,E,I,0,0", "V7:=V1",
        "P5:=0,0,0,0,", "P5:=0,,0",        "P5:=0;0",             "P5:=1.2.3",           "P5:=5E",
        "P5:=-",        "P5X:=0",          "Q5:=0",               "P:=0",                "P5:=P,0",
        "P5:=AV1",      "P5:=HX",          "P5:=E3",              "P5:=A",               "P5:=+.5,.5E+2",
        "P5:=0,Z",      "F2:=",            "P5:=",                "P5:=0,,",             "P5:=00012,M,O,X,Y,B,G,D",
        "P5:=,",        "P5:=0,,,",        "V7:=V1,",
    };
    const auto argument = [](char g) { return g == 'r' || g == 'n' || g == 'h'; };
    for (const char* texte : lignes) {
        const std::string ligne = texte;
        std::vector<Jeton> jetons;
        bool dans = false;
        DecoupeLigne(5, std::u16string(ligne.begin(), ligne.end()), dans, jetons);
        const std::string genres = Dessin(std::u16string(ligne.begin(), ligne.end()), jetons);
        bool complet = true;
        for (size_t i = 0; i < ligne.size(); ++i) {
            if (ligne[i] == ',')
                complet = complet && i > 0 && argument(genres[i - 1])
                          && (i + 1 == ligne.size() || argument(genres[i + 1]));
            else
                complet = complet && genres[i] != '.';
        }
        lecteur.DansForme = false;
        lecteur.LitInstruction(4, ligne);
        EXPECT_EQ(complet, !lecteur.ErreurLigne) << ligne;
    }
}

} // namespace
} // namespace velk
