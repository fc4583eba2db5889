// Canonical forms: the rows of each kind, and the text of reals as shown and as copied.
#include "view/forme_canonique.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velk {
namespace {

constexpr Reel Pi = 3.141592653589793238462643383279502884L;

TEST(FormeCanonique, RealsInTheShortestFormAndExactForTheCopy)
{
    struct Cas {
        Reel valeur;
        int chiffres;
        const char* texte;
    } const cas[] = {
        {0.1L, 15, "0.1"},
        {static_cast<double>(0.1), 15, "0.1"},
        {static_cast<double>(0.1), 17, "0.10000000000000001"},
        {-0.0L, 15, "0"},
        {0, 17, "0"},
        {12.5L, 15, "12.5"},
        {-80, 15, "-80"},
        {1.0L / 3, 15, "0.333333333333333"},
        {123456789.123456789L, 15, "123456789.123457"},
        {1e-5L, 15, "1E-5"},
        {-2.5e-7L, 15, "-2.5E-7"},
        {1e20L, 15, "1E20"},
        {1.5e300L, 15, "1.5E300"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(TexteReel(c.valeur, c.chiffres), QString::fromLatin1(c.texte))
            << static_cast<double>(c.valeur);
}

// The stored double of a line at a right angle shows as 90 degrees.
TEST(FormeCanonique, AnglesInDegrees)
{
    TRecLigne l;
    l.Aod = static_cast<double>(Pi / 2);
    EXPECT_EQ(FormeLigne(l).rangs[RangRayon].valeur, QStringLiteral("90"));
    TRecCercle c;
    c.Adc = static_cast<double>(Pi / 6);
    c.Afc = static_cast<double>(3 * Pi / 2);
    const ContenuFormeCanonique f = FormeCercle(c);
    EXPECT_EQ(f.rangs[RangAngleDebut].valeur, QStringLiteral("30"));
    EXPECT_EQ(f.rangs[RangAngleFin].valeur, QStringLiteral("270"));
    // The copy keeps the stored value: the double of pi / 2 is a little under a right angle.
    EXPECT_EQ(FormeLigne(l).rangs[RangRayon].valeurExacte.toDouble(),
              static_cast<double>(static_cast<double>(Pi / 2) * (180 / Pi)));
}

struct Attendu {
    const char* titre; // nullptr: row hidden
    const char* valeur;
};

void VerifieRangs(const ContenuFormeCanonique& f, const Attendu (&attendus)[NombreRangsForme])
{
    for (int r = 0; r < NombreRangsForme; ++r) {
        const LigneForme& l = f.rangs[size_t(r)];
        SCOPED_TRACE(testing::Message() << f.genre.toLatin1() << " row " << r);
        ASSERT_EQ(l.visible, attendus[r].titre != nullptr);
        if (!l.visible)
            continue;
        EXPECT_EQ(l.titre, QString::fromUtf8(attendus[r].titre));
        EXPECT_EQ(l.valeur, QString::fromUtf8(attendus[r].valeur));
    }
}

TEST(FormeCanonique, LineRows)
{
    TRecLigne l{3, 1, 2, Pi / 4, 10, 20, 30, 40, 9, 31};
    const ContenuFormeCanonique f = FormeLigne(l);
    EXPECT_EQ(f.hauteur, 400);
    EXPECT_EQ(f.hauteurCadreXY, 81);
    EXPECT_TRUE(f.centre);
    // The end y is the end y, not a second copy of the end x.
    const Attendu attendus[NombreRangsForme] = {
        {"Ligne numéro : ", "3"}, {"Couleur :", "9"}, {"Couche :", "31"}, {" X : ", "1"},
        {" Y : ", "2"}, {"Angle : ", "45"}, {"X de début :", "10"}, {"Y de début :", "20"},
        {"X de fin :", "30"}, {"Y de fin :", "40"}, {nullptr, nullptr}, {nullptr, nullptr}};
    VerifieRangs(f, attendus);
    EXPECT_FALSE(f.CadreVisible(CadreAdAf));
    EXPECT_TRUE(f.CadreVisible(CadreXfYf));
}

TEST(FormeCanonique, CircleRows)
{
    TRecCercle c{5, -1, 0.25L, 10, 1, 2, Pi, 3, 4, 0, 15, 0};
    const ContenuFormeCanonique f = FormeCercle(c);
    EXPECT_EQ(f.hauteur, 458);
    EXPECT_EQ(f.hauteurCadreXY, 81);
    const Attendu attendus[NombreRangsForme] = {
        {"Cercle numéro : ", "5"}, {"Couleur :", "15"}, {"Couche :", "0"},
        {"X du centre : ", "-1"}, {"Y du centre : ", "0.25"}, {"Rayon : ", "10"},
        {"X de début :", "1"}, {"Y de début :", "2"}, {"X de fin :", "3"},
        {"Y de fin :", "4"}, {"Angle de début :", "180"}, {"Angle de fin :", "0"}};
    VerifieRangs(f, attendus);
    for (int k = 0; k < NombreCadresForme; ++k)
        EXPECT_TRUE(f.CadreVisible(CadreForme(k)));
}

TEST(FormeCanonique, CopiedTextHasOneLinePerShownRow)
{
    const TRecPoint p{2, 0.1L, static_cast<double>(1.0L / 3), 0, 4};
    EXPECT_EQ(FormePoint(p).TexteCopie(),
              QStringLiteral("Point numéro : 2\nCouleur : 0\nCouche : 4\n"
                             "Coordonnée X : 0.10000000000000001\n"
                             "Coordonnée Y : 0.33333333333333331\n"));
}

} // namespace
} // namespace velk
