// The highlight strokes of a pick: where they run for each kind, what is left out (hidden,
// missing or off the surface), and the repaint rectangles that must cover them.
#include "store/module_donnee.h"
#include "view/decoupe_ligne.h"
#include "view/surbrillance.h"

#include <gtest/gtest.h>

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace velk {
namespace {

// The origin view of a 400 x 300 surface: scale 1.875, world (0, 0) at pixel (200, 150).
class Surbrillance : public ::testing::Test {
protected:
    void SetUp() override
    {
        donnees.CreeTables();
        vue = CalculeVue({-80, 80, -80, 80}, 400, 300);
        TRecPoint p;
        p.X = 10;
        p.Y = 20;
        donnees.EcritPoint(3, p);
        TRecLigne l; // the x axis
        donnees.EcritLigne(0, l);
        l.Aod = 0.6L;
        l.Couche = 5;
        donnees.EcritLigne(1, l);
        TRecCercle c;
        c.Xc = 5;
        c.Yc = -5;
        c.Rc = 20;
        donnees.EcritCercle(2, c);
        c.Xc = 1e6L; // the outline passes 10 units right of the origin
        c.Yc = 0;
        c.Rc = 1e6L - 10;
        donnees.EcritCercle(7, c);
    }
    TSurbrillance Trace(const TElementsProches& r) { return TraceSurbrillance(r, donnees, vue, visibilite); }

    TModuleDonnee donnees;
    TVue vue;
    TVisibilite visibilite;
};

TElementsProches Reponse(int point, std::initializer_list<int> lignes, std::initializer_list<int> cercles)
{
    TElementsProches r;
    r.PointTrouve = point >= 0 ? 1 : 0;
    r.NumPoint = std::max(point, 0);
    int32_t* l[] = {&r.NumLigne1, &r.NumLigne2};
    for (int n : lignes)
        *l[r.NbLignes++] = n;
    int32_t* c[] = {&r.NumCercle1, &r.NumCercle2};
    for (int n : cercles)
        *c[r.NbCercles++] = n;
    return r;
}

TEST_F(Surbrillance, PointCrossIsCentredOnTheDrawnPoint)
{
    const TSurbrillance s = Trace(Reponse(3, {}, {}));
    ASSERT_EQ(s.Traits.size(), 2u);
    const QPointF centre(XEcran(vue, 10) + 0.5, YEcran(vue, 20) + 0.5);
    for (const QPolygonF& t : s.Traits) {
        ASSERT_EQ(t.size(), 2);
        EXPECT_EQ((t[0] + t[1]) / 2, centre);
        EXPECT_GT(std::fabs(t[1].x() - t[0].x()), 5); // wider than the 5-pixel cross
    }
}

TEST_F(Surbrillance, LineRunsBetweenItsCrossingsOfTheBorder)
{
    const TSurbrillance s = Trace(Reponse(-1, {1, 0}, {}));
    ASSERT_EQ(s.Traits.size(), 2u);
    const TRecLigne lignes[] = {[] { TRecLigne l; l.Aod = 0.6L; return l; }(), TRecLigne{}};
    for (size_t i = 0; i < 2; ++i) {
        const CoupureLigne c = CoupeLigne(vue, lignes[i].Xpd, lignes[i].Ypd, lignes[i].Aod);
        ASSERT_EQ(s.Traits[i].size(), 2);
        EXPECT_EQ(s.Traits[i][0], QPointF(c.Points[0].X + 0.5, c.Points[0].Y + 0.5)) << i;
        EXPECT_EQ(s.Traits[i][1], QPointF(c.Points[1].X + 0.5, c.Points[1].Y + 0.5)) << i;
    }
}

TEST_F(Surbrillance, CirclesFollowTheirOutlineWithinReachOfTheSurface)
{
    struct Cas {
        int numero;
        long double cx, cy, r; // pixels
        bool ferme;
    } cas[] = {
        {2, 200 + 5 * 1.875L, 150 + 5 * 1.875L, 20 * 1.875L, true},
        {7, 200 + 1e6L * 1.875L, 150, (1e6L - 10) * 1.875L, false},
    };
    for (const Cas& c : cas) {
        const TSurbrillance s = Trace(Reponse(-1, {}, {c.numero}));
        ASSERT_EQ(s.Traits.size(), 1u) << c.numero;
        const QPolygonF& arc = s.Traits[0];
        ASSERT_GE(arc.size(), 2) << c.numero;
        auto ecart = [&](QPointF p) {
            return static_cast<double>(std::hypot(p.x() - 0.5L - c.cx, p.y() - 0.5L - c.cy) - c.r);
        };
        for (int i = 1; i < arc.size(); ++i) // chords stray less than a tenth of a pixel
            ASSERT_NEAR(ecart((arc[i - 1] + arc[i]) / 2), 0, 0.1) << c.numero;
        for (const QPointF& p : arc) {
            ASSERT_NEAR(ecart(p), 0, 0.01) << c.numero;
            // Only the part near the surface, even for an outline a million units round.
            EXPECT_LT(std::hypot(p.x() - 200, p.y() - 150), 260) << c.numero;
        }
        EXPECT_EQ(arc.first() == arc.last() || QLineF(arc.first(), arc.last()).length() < 1e-6, c.ferme)
            << c.numero;
    }
}

TEST_F(Surbrillance, HiddenMissingAndOffSurfaceElementsGiveNothing)
{
    TRecPoint loin;
    loin.X = 500; // 900 pixels right of the origin
    donnees.EcritPoint(9, loin);
    struct Cas {
        const char* nom;
        TElementsProches reponse;
        std::function<void(TVisibilite&)> masque;
        size_t traits;
    } cas[] = {
        {"everything", Reponse(3, {0, 1}, {2, 7}), [](TVisibilite&) {}, 6},
        {"layer 5 hidden", Reponse(3, {0, 1}, {}), [](TVisibilite& v) { v.SetCoucheVisible(5, false); }, 3},
        {"points hidden", Reponse(3, {0}, {}), [](TVisibilite& v) { v.SetPointsVisibles(false); }, 1},
        {"circles hidden", Reponse(-1, {}, {2}), [](TVisibilite& v) { v.SetCerclesVisibles(false); }, 0},
        {"numbers without elements", Reponse(4, {6, 70000}, {-1}), [](TVisibilite&) {}, 0},
        {"point off the surface", Reponse(9, {}, {}), [](TVisibilite&) {}, 0},
        {"nothing", TElementsProches{}, [](TVisibilite&) {}, 0},
    };
    for (const Cas& c : cas) {
        visibilite.ToutVisible();
        c.masque(visibilite);
        EXPECT_EQ(Trace(c.reponse).Traits.size(), c.traits) << c.nom;
    }
}

// Every pixel the pen may touch is inside a repaint rectangle, and a long diagonal repaints a
// band, not the surface.
TEST_F(Surbrillance, RepaintRectanglesCoverTheStrokesTightly)
{
    vue = CalculeVue({-110, 110, -110, 110}, 1280, 800);
    const TSurbrillance s = Trace(Reponse(3, {1}, {2, 7}));
    ASSERT_EQ(s.Traits.size(), 5u);
    const std::vector<QRect> zones = s.Zones();
    const double demi = EpaisseurSurbrillance / 2.0 + 1;
    for (const QPolygonF& t : s.Traits)
        for (int i = 1; i < t.size(); ++i)
            for (double f = 0; f <= 1; f += 0.05) {
                const QPointF p = t[i - 1] + (t[i] - t[i - 1]) * f;
                const QRectF pinceau(p - QPointF(demi, demi), p + QPointF(demi, demi));
                const bool couvert = std::any_of(zones.begin(), zones.end(),
                                                 [&](const QRect& z) { return QRectF(z).contains(pinceau); });
                ASSERT_TRUE(couvert) << p.x() << "," << p.y();
            }
    for (const QRect& z : zones)
        EXPECT_LE(std::max(z.width(), z.height()), 2 * 48 + 2 * 5 + 2);
    long aire = 0;
    for (const QRect& z : Trace(Reponse(-1, {1}, {})).Zones())
        aire += static_cast<long>(z.width()) * z.height();
    EXPECT_LT(aire, 1280L * 800 / 10) << "a diagonal across the surface";
}

} // namespace
} // namespace velk
