// Picking: tolerance, nearest-first slots, ties and visibility.
#include "geometry/conventions.h"
#include "store/module_donnee.h"
#include "view/recherche.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace velk {
namespace {

// One pixel per unit; the click at pixel (100, 100) is world (100, 100).
class Picking : public ::testing::Test {
protected:
    void SetUp() override
    {
        donnees.CreeTables();
        vue.Largeur = vue.Hauteur = 200;
    }
    void Point(uint16_t n, Reel x, Reel y, int couche = 0)
    {
        TRecPoint p;
        p.X = x;
        p.Y = y;
        p.Couche = couche;
        donnees.EcritPoint(n, p);
    }
    // A line at the given signed distance from the click, in a direction of its own.
    void Ligne(uint16_t n, Reel distance, Reel angle = 0, int couche = 0)
    {
        TRecLigne l;
        l.Aod = angle;
        l.Xpd = 100 - distance * std::sin(angle);
        l.Ypd = 100 + distance * std::cos(angle);
        l.Couche = couche;
        donnees.EcritLigne(n, l);
    }
    void Cercle(uint16_t n, Reel x, Reel y, Reel r)
    {
        TRecCercle c;
        c.Xc = x;
        c.Yc = y;
        c.Rc = r;
        donnees.EcritCercle(n, c);
    }
    TElementsProches Cherche()
    {
        TElementsProches r;
        trouve = RechercheElements(donnees, vue, visibilite).ChercheElements(100, 100, r);
        return r;
    }
    TModuleDonnee donnees;
    TVue vue;
    TVisibilite visibilite;
    bool trouve = false;
};

TEST_F(Picking, ToleranceIsStrict)
{
    Point(4, 109, 100);
    EXPECT_EQ(Cherche().PointTrouve, 0);
    EXPECT_FALSE(trouve);
    Point(7, 100, 91.1L);
    const TElementsProches r = Cherche();
    EXPECT_EQ(r.PointTrouve, 1);
    EXPECT_EQ(r.NumPoint, 7);
    EXPECT_TRUE(trouve);
}

TEST_F(Picking, ToleranceFollowsTheScale)
{
    Point(1, 104, 100); // 4 units: 8 pixels at scale 2, 12 at scale 3
    vue.Echelle = 2;
    vue.OrigineX = 50;
    vue.OrigineY = 0;
    TElementsProches r;
    RechercheElements recherche(donnees, vue, visibilite);
    EXPECT_TRUE(recherche.ChercheElements(100, 0, r)); // pixel (100, 0) is world (100, 100)
    vue.Echelle = 3;
    vue.OrigineX = 100 - 100 / 3.0L;
    vue.OrigineY = 100 - 200 / 3.0L;
    EXPECT_FALSE(recherche.ChercheElements(100, 100, r));
}

TEST_F(Picking, NearestPointWinsAndTiesKeepTheFirst)
{
    Point(1, 105, 100);
    Point(2, 100, 103);
    Point(3, 97, 100);
    const TElementsProches r = Cherche();
    EXPECT_EQ(r.NumPoint, 2); // the point at 3, though another at 3 comes later
}

TEST_F(Picking, TwoNearestLinesInOrder)
{
    struct Cas {
        const char* nom;
        std::vector<Reel> distances; // in table order, numbered from 10
        Reel pasAngle;               // the i-th line runs at i times this angle
        int nombre, premiere, seconde;
    } cas[] = {
        {"2, 6, 4", {2, 6, 4}, 0, 2, 10, 12},
        {"2, 6, 4 slanted", {2, 6, 4}, 0.3L, 2, 10, 12},
        {"4, 2, 6", {4, 2, 6}, 0.7L, 2, 11, 10},
        {"6, 4, 2", {6, 4, 2}, 1.1L, 2, 12, 11},
        {"equal distances keep table order", {3, -3, 3}, 0, 2, 10, 11},
        {"one inside, one at the tolerance", {5, 9}, 0, 1, 10, 0},
        {"none", {9.5L}, 0.2L, 0, 0, 0},
    };
    for (const auto& c : cas) {
        donnees.VideTables();
        for (size_t i = 0; i < c.distances.size(); ++i)
            Ligne(static_cast<uint16_t>(10 + i), c.distances[i], c.pasAngle * i);
        const TElementsProches r = Cherche();
        EXPECT_EQ(r.NbLignes, c.nombre) << c.nom;
        EXPECT_EQ(r.NumLigne1, c.premiere) << c.nom;
        EXPECT_EQ(r.NumLigne2, c.seconde) << c.nom;
    }
}

TEST_F(Picking, SegmentEndsDoNotLimitALine)
{
    TRecLigne l;
    l.Xpd = -1000;
    l.Ypd = 101;
    l.Xdd = -1000;
    l.Ydd = 101;
    l.Xfd = -900; // the segment stops far from the click
    l.Yfd = 101;
    donnees.EcritLigne(3, l);
    EXPECT_EQ(Cherche().NumLigne1, 3);
}

TEST_F(Picking, CirclesBySignedDistanceToTheOutline)
{
    Cercle(1, 100, 100, 100); // the click at its centre is 100 pixels from the outline
    EXPECT_EQ(Cherche().NbCercles, 0);
    Cercle(2, 100, 120, 17);  // click 3 outside
    Cercle(3, 100, 80, 23);   // click 3 inside: ranks first
    Cercle(4, 130, 100, 21);  // click 9 outside: not picked
    Cercle(5, 70, 100, 39);   // click 9 inside: not picked
    const TElementsProches r = Cherche();
    EXPECT_EQ(r.NbCercles, 2);
    EXPECT_EQ(r.NumCercle1, 3);
    EXPECT_EQ(r.NumCercle2, 2);
}

TEST_F(Picking, HiddenElementsAreSkipped)
{
    Point(1, 101, 100);
    Ligne(1, 1, 0, 5); // layer 5
    Ligne(2, 4);
    Cercle(1, 100, 105, 5);
    visibilite.SetCoucheVisible(5, false);
    TElementsProches r = Cherche();
    EXPECT_EQ(r.NbLignes, 1);
    EXPECT_EQ(r.NumLigne1, 2); // the visible line under the hidden one
    EXPECT_EQ(r.PointTrouve, 1);

    visibilite.SetLignesVisibles(false);
    visibilite.SetPointsVisibles(false);
    r = Cherche();
    EXPECT_EQ(r.NbLignes, 0);
    EXPECT_EQ(r.PointTrouve, 0);
    EXPECT_EQ(r.NbCercles, 1);
    EXPECT_TRUE(trouve);
}

TEST(DeuxPlacesTest, SecondSlotOnlyTakesStrictlyNearer)
{
    DeuxPlaces p;
    p.Propose(1, 5);
    p.Propose(2, 7);
    p.Propose(3, 7); // not nearer than the second
    EXPECT_EQ(p.Second(), 2);
    p.Propose(4, 6);
    EXPECT_EQ(p.Second(), 4);
    p.Propose(5, 5); // equal to the first: goes to the second slot
    EXPECT_EQ(p.Premier(), 1);
    EXPECT_EQ(p.Second(), 5);
    p.Propose(6, -1);
    EXPECT_EQ(p.Premier(), 6);
    EXPECT_EQ(p.Second(), 1);
    EXPECT_EQ(p.Nombre(), 2);
}

// The searches skip far elements with cheap arithmetic before measuring exactly; they must
// give the same answers as measuring every element. Elements are crowded around the click,
// many right at the tolerance, at several scales and far from the origin.
TEST(PickingOracle, SameAnswersAsMeasuringEveryElement)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-1, 1);
    int trouves = 0;
    for (int essai = 0; essai < 40; ++essai) {
        TModuleDonnee donnees;
        donnees.CreeTables();
        TVue vue;
        vue.Largeur = vue.Hauteur = 500;
        vue.Echelle = std::pow(10.0L, (essai % 7) - 3);
        vue.OrigineX = 1e5 * (essai % 3) - 250 / vue.Echelle;
        vue.OrigineY = -3e4 * (essai % 2) - 250 / vue.Echelle;
        TRecPoint clic;
        clic.X = XReel(vue, 250);
        clic.Y = YReel(vue, 250);
        const Reel tol = 9 / vue.Echelle;
        for (uint16_t n = 0; n < 300; ++n) {
            const Reel r = tol * (1 + 0.05L * u(rng)); // around the tolerance
            const Reel a = 3.2L * (u(rng) + 1);
            TRecPoint p;
            p.X = clic.X + r * std::cos(a);
            p.Y = clic.Y + r * std::sin(a);
            donnees.EcritPoint(n, p);
            TRecLigne l;
            l.Aod = n % 5 == 0 ? 0 : 3.2L * (u(rng) + 1);
            const Reel d = tol * (1 + 0.05L * u(rng)), t = 1e3L * tol * u(rng);
            l.Xpd = clic.X - d * std::sin(l.Aod) + t * std::cos(l.Aod);
            l.Ypd = clic.Y + d * std::cos(l.Aod) + t * std::sin(l.Aod);
            donnees.EcritLigne(n, l);
            TRecCercle c;
            c.Rc = tol * 50 * (u(rng) + 1.01L);
            const Reel e = c.Rc + tol * (1 + 0.05L * u(rng)) * (n % 2 ? 1 : -1);
            c.Xc = clic.X + e * std::cos(a);
            c.Yc = clic.Y + e * std::sin(a);
            donnees.EcritCercle(n, c);
        }
        // The reference: every element measured as the rules say.
        int32_t numPoint = 0;
        Reel meilleure = tol;
        TRecPoint p;
        for (bool ok = donnees.PremierPoint(p); ok; ok = donnees.PointSuivant(p))
            if (Distance(clic, p) < meilleure)
                meilleure = Distance(clic, p), numPoint = p.Numero;
        DeuxPlaces lignes, cercles;
        TRecLigne l;
        for (bool ok = donnees.PremiereLigne(l); ok; ok = donnees.LigneSuivante(l))
            if (Distance(clic, Projection(clic, l)) < tol)
                lignes.Propose(l.Numero, Distance(clic, Projection(clic, l)));
        TRecCercle c;
        TRecPoint centre;
        for (bool ok = donnees.PremierCercle(c); ok; ok = donnees.CercleSuivant(c)) {
            centre.X = c.Xc;
            centre.Y = c.Yc;
            const Reel d = Distance(clic, centre) - c.Rc;
            if (-tol < d && d < tol)
                cercles.Propose(c.Numero, d);
        }

        TVisibilite visibilite;
        RechercheElements recherche(donnees, vue, visibilite);
        TElementsProches r;
        recherche.ChercheElements(250, 250, r);
        EXPECT_EQ(r.NumPoint, numPoint) << essai;
        EXPECT_EQ(r.NbLignes, lignes.Nombre()) << essai;
        EXPECT_EQ(r.NumLigne1, lignes.Premier()) << essai;
        EXPECT_EQ(r.NumLigne2, lignes.Second()) << essai;
        EXPECT_EQ(r.NbCercles, cercles.Nombre()) << essai;
        EXPECT_EQ(r.NumCercle1, cercles.Premier()) << essai;
        EXPECT_EQ(r.NumCercle2, cercles.Second()) << essai;
        trouves += r.PointTrouve + r.NbLignes + r.NbCercles;
    }
    EXPECT_GT(trouves, 150); // the crowd does reach inside the tolerance
}

TEST_F(Picking, AnInstanceFollowsChangesOfTheTables)
{
    RechercheElements recherche(donnees, vue, visibilite);
    int32_t n = -1, m = -1;
    EXPECT_FALSE(recherche.PointProche(100, 100, n));
    Point(5, 101, 101);
    EXPECT_TRUE(recherche.PointProche(100, 100, n));
    EXPECT_EQ(n, 5);
    // Line 3 through the click, then line 3 again in another direction, 20 pixels off.
    TRecLigne l;
    l.Xpd = 100;
    l.Ypd = 80;
    l.Aod = Pi / 2;
    donnees.EcritLigne(3, l);
    EXPECT_EQ(recherche.LignesProches(100, 100, n, m), 1);
    donnees.VideTables();
    EXPECT_FALSE(recherche.PointProche(100, 100, n));
    l.Aod = 0;
    donnees.EcritLigne(3, l);
    EXPECT_EQ(recherche.LignesProches(100, 100, n, m), 0);
}

} // namespace
} // namespace velk
