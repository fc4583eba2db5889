// The arithmetic behind the colour and visibility dialogs: sizes and places for a grid,
// the swatch under a pixel, arrow keys and the cells' meaning.
#include "view/choix_couleur.h"
#include "view/choix_visible.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(ChoixCouleur, LayoutFollowsTheGrid)
{
    struct Cas {
        int colonnes, rangees;
        int largeur, hauteur, marge, ok, annule;
    } const cas[] = {
        {8, 2, 260, 203, 20, 32, 144},    // the program's grid
        {1, 1, 242, 182, 106, 20, 140},   // narrow: centred in the minimum width
        {7, 1, 242, 182, 25, 20, 140},    // 7 x 27 + 44 = 233, still under the minimum
        {16, 16, 476, 497, 20, 104, 288}, // the largest grid
        {0, 99, 242, 497, 106, 20, 140},  // brought into 1..16 first
    };
    for (const Cas& c : cas) {
        const DispositionCouleur d = DisposeChoixCouleur(c.colonnes, c.rangees);
        SCOPED_TRACE(testing::Message() << c.colonnes << " x " << c.rangees);
        EXPECT_EQ(d.largeur, c.largeur);
        EXPECT_EQ(d.hauteur, c.hauteur);
        EXPECT_EQ(d.marge, c.marge);
        EXPECT_EQ(d.gaucheOk, c.ok);
        EXPECT_EQ(d.gaucheAnnule, c.annule);
        EXPECT_EQ(d.hautBoutons, c.hauteur - 70);
        EXPECT_EQ(d.hautLibelleCouleur, c.hauteur - 128);
        EXPECT_EQ(d.hautLibelleCouche, c.hauteur - 103);
        EXPECT_EQ(d.hautCouche, c.hauteur - 105);
        EXPECT_EQ(d.Temoin(), QRect(165, c.hauteur - 128, 50, 15));
    }
}

TEST(ChoixCouleur, SwatchUnderAPixel)
{
    const DispositionCouleur d = DisposeChoixCouleur(8, 2);
    EXPECT_EQ(d.nombre, 16);
    EXPECT_EQ(d.Case(0), QRect(20, 20, 25, 15));
    EXPECT_EQ(d.Case(9), QRect(47, 41, 25, 15));
    EXPECT_EQ(d.Case(15), QRect(209, 41, 25, 15));
    struct Cas {
        int x, y, attendu;
    } const cas[] = {
        {20, 20, 0},  {44, 34, 0},   // both corners of the first swatch
        {45, 25, -1},                // the gap between two columns
        {30, 36, -1},                // the gap between two rows
        {60, 50, 9},  {233, 55, 15}, // second row
        {19, 25, -1}, {240, 25, -1}, // left of the grid, right of it
        {30, 62, -1},                // below the last row
    };
    for (const Cas& c : cas)
        EXPECT_EQ(d.CaseSous(QPoint(c.x, c.y)), c.attendu) << c.x << "," << c.y;
    const DispositionCouleur un = DisposeChoixCouleur(1, 1);
    EXPECT_EQ(un.CaseSous(QPoint(110, 25)), 0);
    EXPECT_EQ(un.CaseSous(QPoint(30, 25)), -1);
}

TEST(ChoixCouleur, ArrowsWrapAroundTheGrid)
{
    struct Cas {
        int courant;
        Fleche fleche;
        int colonnes, nombre, attendu;
    } const cas[] = {
        {15, Fleche::Droite, 8, 16, 0},
        {3, Fleche::Haut, 8, 16, 11},
        {0, Fleche::Gauche, 8, 16, 15},
        {12, Fleche::Bas, 8, 16, 4},
        {7, Fleche::Droite, 8, 16, 8}, // a row's end goes on to the next row
        {0, Fleche::Haut, 1, 1, 0},    // one colour: nowhere to go
        {3, Fleche::Bas, 8, 8, 3},     // one row: up and down stay
        {2, Fleche::Haut, 2, 6, 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(DeplaceSelection(c.courant, c.fleche, c.colonnes, c.nombre), c.attendu)
            << c.courant << " arrow " << int(c.fleche);
}

TEST(ChoixVisible, PreparedForTheProgramsGrid)
{
    const DispositionVisible d = DisposeChoixVisible(8, 2, 32);
    EXPECT_EQ(d.largeur, 348);
    EXPECT_EQ(d.hauteur, 318);
    EXPECT_EQ(d.gaucheOk, 62);
    EXPECT_EQ(d.gaucheAnnule, 204);
    EXPECT_EQ(d.hautBoutons, 248);
    EXPECT_EQ(d.NombreCases(), 51);
    // Colours fill rows 0 and 1, layers rows 2 to 5, the kinds row 6.
    EXPECT_EQ(d.Case(0), QRect(20, 20, 34, 25));
    EXPECT_EQ(d.Case(16), QRect(20, 82, 34, 25));
    EXPECT_EQ(d.Case(50), QRect(96, 206, 34, 25));
    EXPECT_LT(d.Case(50).bottom(), d.hautBoutons);
    EXPECT_EQ(d.CaseSous(QPoint(100, 210)), 50);
    EXPECT_EQ(d.CaseSous(QPoint(140, 210)), -1); // past the last cell of the last row
    EXPECT_EQ(d.CaseSous(QPoint(55, 25)), -1);   // gap between columns
}

TEST(ChoixVisible, CellsStandForColoursLayersAndKinds)
{
    const DispositionVisible d = DisposeChoixVisible(8, 2, 32);
    struct Cas {
        int i;
        ItemVisible item;
        const char* texte;
    } const cas[] = {
        {0, {GenreVisible::Couleur, 0}, ""},   {15, {GenreVisible::Couleur, 15}, ""},
        {16, {GenreVisible::Couche, 0}, "0"},  {47, {GenreVisible::Couche, 31}, "31"},
        {48, {GenreVisible::Points, 0}, "P"},  {49, {GenreVisible::Lignes, 0}, "L"},
        {50, {GenreVisible::Cercles, 0}, "C"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(ItemDeCase(d, c.i), c.item) << c.i;
        EXPECT_EQ(TexteCase(c.item), QString::fromLatin1(c.texte)) << c.i;
    }
}

TEST(ChoixVisible, SmallGridsGrowToHoldEveryCell)
{
    struct Cas {
        int colonnes, rangees, couches, largeur, marge, ok, annule;
    } const cas[] = {
        {1, 1, 0, 222, 91, 20, 120},
        {16, 16, 300, 652, 20, 163, 406},
    };
    for (const Cas& c : cas) {
        const DispositionVisible d = DisposeChoixVisible(c.colonnes, c.rangees, c.couches);
        SCOPED_TRACE(testing::Message() << c.colonnes << " x " << c.rangees << " / " << c.couches);
        EXPECT_EQ(d.largeur, c.largeur);
        EXPECT_EQ(d.marge, c.marge);
        EXPECT_EQ(d.gaucheOk, c.ok);
        EXPECT_EQ(d.gaucheAnnule, c.annule);
        EXPECT_LE(d.couches, 256);
        EXPECT_LT(d.Case(d.NombreCases() - 1).bottom(), d.hautBoutons);
    }
}

} // namespace
} // namespace velk
