// Picking through the index of the view against the walk of the tables: the same answers
// on random stores and clicks (ties, elements right at the tolerance, hidden elements,
// clicks off the surface, extreme coordinates), and an index that follows every change.
#include "store/module_donnee.h"
#include "view/index_vue.h"
#include "view/recherche.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>

namespace velk {
namespace {

std::string Texte(const TElementsProches& r)
{
    std::ostringstream s;
    s << "P" << r.PointTrouve << ":" << r.NumPoint << " L" << r.NbLignes << ":" << r.NumLigne1 << ","
      << r.NumLigne2 << " C" << r.NbCercles << ":" << r.NumCercle1 << "," << r.NumCercle2;
    return s.str();
}

// Index and walk on the same click; returns the answer.
TElementsProches Compare(RechercheElements& recherche, int32_t colonne, int32_t ligne, const std::string& cas)
{
    TElementsProches parIndex, parParcours;
    const bool a = recherche.ChercheElements(colonne, ligne, parIndex);
    const bool b = recherche.ChercheElementsParcours(colonne, ligne, parParcours);
    EXPECT_EQ(a, b) << cas << " at " << colonne << "," << ligne;
    EXPECT_EQ(Texte(parIndex), Texte(parParcours)) << cas << " at " << colonne << "," << ligne;
    return parIndex;
}

enum class Genre { Epars, Grille, Extremes };

struct Cas {
    const char* nom;
    unsigned graine;
    int nombre; // elements of each kind
    Genre genre;
    long double echelle;
    long double origineX, origineY;
    int largeur, hauteur;
    bool masques; // hide some colours, layers or kinds between rounds
};

// Stores whose elements crowd the surface. Grille puts everything on whole pixels at scale 1
// so that distances of exactly 9 pixels and exact ties occur; Extremes adds elements far
// away, lines defined far off that still cross the surface, huge and negative radii.
void Remplit(TModuleDonnee& donnees, const Cas& c, const TVue& vue, std::mt19937& rng)
{
    std::uniform_real_distribution<double> u01(0, 1);
    std::uniform_int_distribution<int> couleur(0, 17), couche(0, 33);
    auto monde = [&](double fx, double fy) {
        TRecPoint p;
        p.X = XReel(vue, static_cast<int32_t>(0)) + fx * vue.Largeur / vue.Echelle;
        p.Y = YReel(vue, vue.Hauteur) + fy * vue.Hauteur / vue.Echelle;
        if (c.genre == Genre::Grille) {
            p.X = std::round(p.X);
            p.Y = std::round(p.Y);
        }
        return p;
    };
    const long double pixel = 1 / vue.Echelle;
    for (int i = 0; i < c.nombre; ++i) {
        const auto n = static_cast<uint16_t>(i * 7 % 65536);
        const TRecPoint a = monde(u01(rng) * 1.1 - 0.05, u01(rng) * 1.1 - 0.05);
        TRecPoint p = a;
        p.Couleur = couleur(rng) % 16;
        p.Couche = couche(rng) % 32;
        if (i % 41 == 0) { // beyond the palette or the layers: never visible
            p.Couleur = couleur(rng);
            p.Couche = couche(rng);
        }
        if (c.genre == Genre::Extremes && i % 13 == 0)
            p.X = (i % 2 ? 1 : -1) * 1e300L;
        donnees.EcritPoint(n, p);

        TRecLigne l;
        const int direction = static_cast<int>(u01(rng) * 8);
        l.Aod = c.genre == Genre::Grille && direction < 4 ? direction * 1.5707963267948966 : u01(rng) * 12.6 - 6.3;
        l.Xpd = a.X;
        l.Ypd = a.Y;
        if (c.genre == Genre::Extremes && i % 5 == 0) { // far along the line, still crossing
            const long double t = (i % 3 ? 1e7L : 1e13L) * pixel * (i % 2 ? 1 : -1);
            l.Xpd = a.X + t * std::cos(l.Aod);
            l.Ypd = a.Y + t * std::sin(l.Aod);
        }
        l.Couleur = p.Couleur;
        l.Couche = couche(rng) % 32;
        donnees.EcritLigne(n, l);

        TRecCercle k;
        k.Xc = a.X;
        k.Yc = a.Y;
        k.Rc = c.genre == Genre::Grille ? std::round(u01(rng) * 60) : u01(rng) * 80 * pixel;
        if (c.genre == Genre::Extremes && i % 7 == 0) { // centre far away, outline through the surface
            const long double r = (i % 2 ? 1e8L : 1e14L) * pixel;
            k.Xc = a.X + r;
            k.Rc = r + (u01(rng) - 0.5) * 20 * pixel;
        }
        if (c.genre == Genre::Extremes && i % 11 == 0)
            k.Rc = -u01(rng) * 12 * pixel;
        k.Couleur = couleur(rng) % 16;
        k.Couche = p.Couche;
        donnees.EcritCercle(static_cast<uint16_t>(65535 - n), k);
        // Copies of earlier elements under higher numbers: exact ties.
        if (i % 17 == 3) {
            donnees.EcritPoint(static_cast<uint16_t>(n + 1), p);
            donnees.EcritLigne(static_cast<uint16_t>(n + 1), l);
            donnees.EcritCercle(static_cast<uint16_t>(65535 - n - 1), k);
        }
    }
}

TEST(PickingIndex, SameAnswersAsTheWalkOnRandomStores)
{
    const Cas cas[] = {
        {"sparse, origin view", 1, 300, Genre::Epars, 1.875L, -106.67L, -80, 400, 300, false},
        {"dense, largest window", 2, 3000, Genre::Epars, 800 / 220.0L, -176, -110, 1280, 800, true},
        {"whole pixels, ties and exact tolerance", 3, 1500, Genre::Grille, 1, -200, -150, 400, 300, true},
        {"whole pixels, odd size", 4, 800, Genre::Grille, 1, 17, -3, 333, 211, false},
        {"zoomed far from the origin", 5, 1000, Genre::Epars, 1e4L, 1e5L, -3e4L, 640, 480, true},
        {"zoomed out", 6, 1000, Genre::Epars, 1e-3L, -5e5L, -4e5L, 1000, 800, false},
        {"extreme coordinates", 7, 1500, Genre::Extremes, 2.5L, -300, -200, 800, 600, true},
        {"extreme coordinates, high scale", 8, 800, Genre::Extremes, 1e6L, 0.5L, -0.25L, 500, 500, false},
        {"large surface", 10, 4000, Genre::Epars, 2, -900, -600, 3600, 2400, false},
        {"one pixel surface", 9, 50, Genre::Epars, 1, 0, 0, 1, 1, false},
    };
    for (const Cas& c : cas) {
        TModuleDonnee donnees;
        donnees.CreeTables();
        TVue vue;
        vue.Echelle = c.echelle;
        vue.OrigineX = c.origineX;
        vue.OrigineY = c.origineY;
        vue.Largeur = c.largeur;
        vue.Hauteur = c.hauteur;
        std::mt19937 rng(c.graine);
        Remplit(donnees, c, vue, rng);
        TVisibilite visibilite;
        RechercheElements recherche(donnees, vue, visibilite);
        std::uniform_int_distribution<int> col(-12, c.largeur + 12), lig(-12, c.hauteur + 12);
        int trouves = 0;
        for (int tour = 0; tour < 4; ++tour) {
            if (c.masques && tour > 0) {
                std::uniform_int_distribution<int> couleur(0, 15), couche(0, 31);
                for (int k = 0; k < 3; ++k) {
                    visibilite.SetCouleurVisible(couleur(rng), tour % 2 == 0);
                    visibilite.SetCoucheVisible(couche(rng), tour == 3);
                }
                visibilite.SetPointsVisibles(tour != 2);
                visibilite.SetCerclesVisibles(tour != 1);
            }
            for (int k = 0; k < 200; ++k) {
                const TElementsProches r = Compare(recherche, col(rng), lig(rng), c.nom);
                trouves += r.PointTrouve + r.NbLignes + r.NbCercles;
            }
            // Right on elements: points, and pixels around them.
            TRecPoint p;
            for (bool ok = donnees.PremierPoint(p); ok; ok = donnees.PointSuivant(p)) {
                if (p.Numero % 23 != tour)
                    continue;
                const int32_t x = XEcran(vue, p.X), y = YEcran(vue, p.Y);
                for (int d : {-9, 0, 9})
                    Compare(recherche, x + d, y - d / 3, c.nom);
            }
        }
        if (c.nombre >= 300) {
            EXPECT_GT(trouves, 100) << c.nom << ": the clicks must reach elements";
        }
    }
}

// A small store at scale 1: the index must follow every change of the tables, the view and
// the flags, and rebuild only the kind that changed.
TEST(PickingIndex, FollowsChangesOfTablesViewAndFlags)
{
    TModuleDonnee donnees;
    donnees.CreeTables();
    TVue vue;
    vue.Largeur = vue.Hauteur = 200;
    TVisibilite visibilite;
    RechercheElements recherche(donnees, vue, visibilite);
    const IndexVue& index = recherche.Index();
    TRecPoint p;
    p.X = 105;
    p.Y = 100;
    donnees.EcritPoint(4, p);
    TRecLigne l;
    l.Xpd = 0;
    l.Ypd = 103;
    donnees.EcritLigne(2, l);

    TElementsProches r = Compare(recherche, 100, 100, "start");
    EXPECT_EQ(Texte(r), "P1:4 L1:2,0 C0:0,0");
    Compare(recherche, 150, 20, "again");
    EXPECT_EQ(index.Constructions('P'), 1) << "no change, no rebuild";

    TRecCercle c;
    c.Xc = 100;
    c.Yc = 70;
    c.Rc = 28;
    donnees.EcritCercle(9, c);
    r = Compare(recherche, 100, 100, "circle added");
    EXPECT_EQ(Texte(r), "P1:4 L1:2,0 C1:9,0");
    EXPECT_EQ(index.Constructions('P'), 1) << "a circle leaves the points' index alone";
    EXPECT_EQ(index.Constructions('L'), 1);
    EXPECT_EQ(index.Constructions('C'), 2);

    p.X = 101;
    donnees.EcritPoint(4, p); // the same number moved nearer
    l.Aod = 0.3L;
    donnees.EcritLigne(2, l); // turned away from the click
    r = Compare(recherche, 100, 100, "replaced rows");
    EXPECT_EQ(Texte(r), "P1:4 L0:0,0 C1:9,0");

    vue.OrigineX = 50; // the elements move 50 pixels to the left
    r = Compare(recherche, 100, 100, "view moved");
    EXPECT_EQ(Texte(r), "P0:0 L0:0,0 C0:0,0");
    r = Compare(recherche, 51, 100, "view moved, on the point");
    EXPECT_EQ(r.NumPoint, 4);

    visibilite.SetCoucheVisible(0, false);
    r = Compare(recherche, 51, 100, "layer hidden");
    EXPECT_EQ(Texte(r), "P0:0 L0:0,0 C0:0,0");
    visibilite.SetCoucheVisible(0, true);
    visibilite.SetPointsVisibles(false);
    r = Compare(recherche, 51, 100, "points hidden");
    EXPECT_EQ(r.PointTrouve, 0);
    visibilite.SetPointsVisibles(true);
    EXPECT_EQ(Compare(recherche, 51, 100, "shown again").NumPoint, 4);

    donnees.VideTables();
    r = Compare(recherche, 51, 100, "emptied");
    EXPECT_EQ(Texte(r), "P0:0 L0:0,0 C0:0,0");
}

// Clicks off the surface and views whose numbers are out of reach of the index are answered
// by the walk, never by a stale or coarse index.
TEST(PickingIndex, WalkAnswersWhereTheIndexCannot)
{
    TModuleDonnee donnees;
    donnees.CreeTables();
    TVue vue;
    vue.Largeur = 300;
    vue.Hauteur = 200;
    TVisibilite visibilite;
    RechercheElements recherche(donnees, vue, visibilite);
    TRecPoint p;
    p.X = -4; // four pixels left of the surface
    p.Y = 100;
    donnees.EcritPoint(1, p);
    TElementsProches r = Compare(recherche, -1, 100, "left of the surface");
    EXPECT_EQ(r.NumPoint, 1);
    EXPECT_EQ(recherche.Index().Constructions('P'), 0);
    EXPECT_EQ(Compare(recherche, 0, 100, "left column").NumPoint, 1);
    EXPECT_EQ(recherche.Index().Constructions('P'), 1);

    struct CasVue {
        const char* nom;
        long double echelle, origineX;
        bool index;
    } vues[] = {
        {"ordinary", 1, -150, true},
        {"origin too far for 64 bits", 1, 1e13L, false},
        {"infinite scale", INFINITY, 0, false},
        {"zero scale", 0, 0, false},
        {"not a number", NAN, 0, false},
    };
    for (const CasVue& v : vues) {
        vue.Echelle = v.echelle;
        vue.OrigineX = v.origineX;
        EXPECT_EQ(IndexVue::Utilisable(vue, 10, 10), v.index) << v.nom;
        p.X = XReel(vue, 10);
        p.Y = YReel(vue, 12);
        if (std::isfinite(p.X) && std::isfinite(p.Y))
            donnees.EcritPoint(2, p);
        TElementsProches a, b;
        EXPECT_EQ(recherche.ChercheElements(10, 10, a), recherche.ChercheElementsParcours(10, 10, b)) << v.nom;
        EXPECT_EQ(Texte(a), Texte(b)) << v.nom;
    }
}

} // namespace
} // namespace velk
