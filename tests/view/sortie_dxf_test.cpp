// The DXF text of the drawing: lines cut to the view, the colour index, what is left out,
// and reals that read back to the very same doubles. The whole file is also read back by
// an independent reader (dxf/verifie_dxf.py).
#include "geometry/conventions.h"
#include "store/module_donnee.h"
#include "view/couleurs_aci.h"
#include "view/sortie_dessin.h"
#include "view/sortie_dxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace velk {
namespace {

const RectangleMonde Carre{-10, -10, 10, 10};

TEST(DxfLigne, UnboundedLinesAreCutAtTheRectangle) {
    struct Cas {
        const char* nom;
        Reel x, y, a;
        bool coupe;
        PointMonde p0, p1;
    } cas[] = {
        {"horizontal", 3, 4, 0, true, {-10, 4}, {10, 4}},
        {"reversed direction", 3, 4, Pi, true, {10, 4}, {-10, 4}},
        {"on the top border", 3, 10, 0, true, {-10, 10}, {10, 10}},
        {"above", 3, 11, 0, false, {}, {}},
        // Angles as the 64-bit table fields hold them: still exactly on x = 2.
        {"vertical", 2, 500, static_cast<double>(DemiPi), true, {2, -10}, {2, 10}},
        {"downwards", 2, 500, static_cast<double>(3 * DemiPi), true, {2, 10}, {2, -10}},
        {"diagonal", 0, 0, Pi / 4, true, {-10, -10}, {10, 10}},
        {"touching a corner only", 20, 0, 3 * Pi / 4, false, {}, {}},
        {"defining point far away", 1e12, 1e12, Pi / 4, true, {-10, -10}, {10, 10}},
        {"not a number", 0, 0, std::numeric_limits<Reel>::quiet_NaN(), false, {}, {}},
    };
    for (const auto& c : cas) {
        const auto r = LigneDansRectangle(c.x, c.y, c.a, Carre);
        ASSERT_EQ(r.has_value(), c.coupe) << c.nom;
        if (!c.coupe) continue;
        const double ecart = c.x > 1e6 ? 1e-3 : 1e-12;
        EXPECT_NEAR(double((*r)[0].X), double(c.p0.X), ecart) << c.nom;
        EXPECT_NEAR(double((*r)[0].Y), double(c.p0.Y), ecart) << c.nom;
        EXPECT_NEAR(double((*r)[1].X), double(c.p1.X), ecart) << c.nom;
        EXPECT_NEAR(double((*r)[1].Y), double(c.p1.Y), ecart) << c.nom;
    }
    // Axis lines land exactly on their coordinate, not a rounding away from it.
    EXPECT_EQ((*LigneDansRectangle(2, 0, static_cast<double>(DemiPi), Carre))[0].X, 2);
}

TEST(DxfCouleur, EveryEntryIsItsOwnNearestAndBlackIsSeven) {
    const auto& table = TableAci();
    for (int i = 1; i < 256; ++i) {
        if (i == 7) continue;
        int premier = i;
        for (int j = 1; j < i; ++j)
            if (j != 7 && table[size_t(j)] == table[size_t(i)]) premier = j;
        EXPECT_EQ(AciProche(table[size_t(i)]), premier) << i;
    }
    EXPECT_EQ(AciProche(CouleurRVB{0, 0, 0}), 7);
    EXPECT_EQ(AciProche(CouleurRVB{255, 255, 255}), 255);
    EXPECT_EQ(AciProche(CouleurRVB{250, 5, 3}), 1);
    for (int horsPalette : {-1, 16, 255})
        EXPECT_EQ(AciElement(horsPalette), 7);
}

// The values of one group code, in file order.
std::vector<std::string> Valeurs(const std::string& texte, const std::string& code) {
    std::istringstream lignes(texte);
    std::vector<std::string> r;
    std::string c, v;
    while (std::getline(lignes, c) && std::getline(lignes, v))
        if (c.find_first_not_of(' ') != std::string::npos &&
            c.substr(c.find_first_not_of(' ')) == code)
            r.push_back(v);
    return r;
}

class Dxf : public ::testing::Test {
  protected:
    void SetUp() override { donnees.CreeTables(); }
    std::string Texte() { return TexteDxf(donnees, visibilite, vue); }
    TModuleDonnee donnees;
    TVisibilite visibilite;
    TVue vue = CalculeVue(TFenetre{-10, 10, -10, 10}, 100, 100);
};

TEST_F(Dxf, RealsReadBackToTheSameDoubles) {
    const double valeurs[] = {
        1.0 / 3, 2.0 / 3e3, -2.5e-7, 2.5e-14, 123456789.12345679, -1.7976931348623157e308, 0.1};
    for (uint16_t i = 0; i < std::size(valeurs); ++i) {
        TRecPoint p;
        p.X = valeurs[i];
        p.Y = -valeurs[i];
        donnees.EcritPoint(i, p);
    }
    const std::string texte = Texte();
    const auto xs = Valeurs(texte, "10"), ys = Valeurs(texte, "20");
    ASSERT_EQ(xs.size(), std::size(valeurs));
    for (size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(std::strtod(xs[i].c_str(), nullptr), valeurs[i]) << xs[i];
        EXPECT_EQ(std::strtod(ys[i].c_str(), nullptr), -valeurs[i]) << ys[i];
        EXPECT_EQ(xs[i].find(','), std::string::npos);
    }
}

TEST_F(Dxf, ArcsRunCounterClockwiseAndNegativeRadiiTurnHalfWay) {
    TRecCercle arc;
    arc.Rc = 3;
    arc.Adc = Pi / 2;
    arc.Afc = -Pi / 2; // the same direction as 270 degrees
    donnees.EcritCercle(0, arc);
    arc.Rc = -3;
    donnees.EcritCercle(1, arc);
    arc.Rc = 4;
    arc.Afc = arc.Adc + 2 * Pi; // no extent: the whole circle
    donnees.EcritCercle(2, arc);
    const std::string texte = Texte();
    const auto genres = Valeurs(texte, "0");
    EXPECT_EQ(std::count(genres.begin(), genres.end(), "ARC"), 2);
    EXPECT_EQ(std::count(genres.begin(), genres.end(), "CIRCLE"), 1);
    const auto rayons = Valeurs(texte, "40");
    const auto debuts = Valeurs(texte, "50"), fins = Valeurs(texte, "51");
    ASSERT_EQ(debuts.size(), 2u);
    EXPECT_EQ(std::strtod(debuts[0].c_str(), nullptr), 90);
    EXPECT_EQ(std::strtod(fins[0].c_str(), nullptr), 270);
    EXPECT_EQ(std::strtod(debuts[1].c_str(), nullptr), 270);
    EXPECT_EQ(std::strtod(fins[1].c_str(), nullptr), 90);
    EXPECT_EQ(rayons.back(), "4");
    EXPECT_EQ(std::strtod(rayons[rayons.size() - 2].c_str(), nullptr), 3); // never negative
}

TEST_F(Dxf, HiddenAndOutOfRangeElementsAreLeftOutAndLayersListed) {
    TRecPoint p;
    p.Couche = 3;
    donnees.EcritPoint(0, p);
    p.Couche = 32; // outside the layers: never drawn
    donnees.EcritPoint(1, p);
    TRecLigne segment;
    segment.Xdd = 50;
    segment.Xfd = 60; // far outside the view, and kept: a segment is not cut
    segment.Couleur = 9;
    segment.Couche = 4;
    donnees.EcritLigne(0, segment);
    TRecLigne loin;
    loin.Ypd = 50; // an unbounded line that misses the view
    donnees.EcritLigne(1, loin);

    std::string texte = Texte();
    EXPECT_EQ(Valeurs(texte, "8"), (std::vector<std::string>{"Couche 3", "Couche 4"}));
    EXPECT_EQ(Valeurs(texte, "11"), (std::vector<std::string>{"60"}));
    EXPECT_EQ(Valeurs(texte, "62").back(), "1");
    // The layer table: "0" and the two layers used.
    const auto noms = Valeurs(texte, "2");
    EXPECT_NE(std::find(noms.begin(), noms.end(), "Couche 4"), noms.end());
    EXPECT_EQ(std::find(noms.begin(), noms.end(), "Couche 32"), noms.end());

    visibilite.SetCoucheVisible(3, false);
    visibilite.SetLignesVisibles(false);
    texte = Texte();
    EXPECT_TRUE(Valeurs(texte, "8").empty());
    EXPECT_NE(texte.find("AC1009"), std::string::npos);
    EXPECT_EQ(texte.substr(texte.size() - 4), "EOF\n");
}

TEST(FormatDessin, TheExtensionNamesTheFormatWhateverItsCase) {
    EXPECT_EQ(FormatDuNom("/a/plan.PNG"), FormatDessin::Png);
    EXPECT_EQ(FormatDuNom("plan.svg"), FormatDessin::Svg);
    EXPECT_EQ(FormatDuNom("plan.v2.Pdf"), FormatDessin::Pdf);
    EXPECT_EQ(FormatDuNom("plan.dxf"), FormatDessin::Dxf);
    for (const char* autre : {"plan", "plan.dxf.bak", "plan.", ".png/plan", "plan.vlk"})
        EXPECT_FALSE(FormatDuNom(autre).has_value()) << autre;
}

} // namespace
} // namespace velk
