// The element tables in memory: conversions on writing, walking, free numbers, read-only
// refusal and change notification.
#include "store/module_donnee.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace velk {
namespace {

TRecPoint Point(Reel x, Reel y, int32_t couleur = 0, int32_t couche = 0) {
    TRecPoint p;
    p.X = x;
    p.Y = y;
    p.Couleur = couleur;
    p.Couche = couche;
    return p;
}

// Each case writes one value into one field and reads back what a later statement sees.
TEST(TablesMemoire, ConversionOnWrite) {
    struct Cas {
        const char* champ;
        Reel ecrit;
        Reel lu;
    };
    const Reel tiers = 1.0L / 3;
    const std::vector<Cas> cas = {
        {"X", 3E-15L, 0},
        {"X", -9.9E-15L, 0},
        {"X", 1E-14L, static_cast<double>(1E-14L)},
        {"X", -1E-14L, static_cast<double>(-1E-14L)},
        {"X", tiers, static_cast<double>(tiers)},
        {"Ypd", 3E-15L, 0},
        {"Yfd", -3E-15L, 0},
        {"Aod", 3E-15L, static_cast<double>(3E-15L)},
        {"Rc", 3E-15L, static_cast<double>(3E-15L)},
        {"Xdc", 3E-15L, 0},
        {"Afc", 3E-15L, static_cast<double>(3E-15L)},
        {"Valeur", 3E-15L, static_cast<double>(3E-15L)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.champ);
        TModuleDonnee store;
        const std::string champ = c.champ;
        Reel lu = -1;
        if (champ == "X") {
            store.EcritPoint(4, Point(c.ecrit, 0));
            TRecPoint p;
            store.LitPoint(4, p);
            lu = p.X;
        } else if (champ == "Ypd" || champ == "Yfd" || champ == "Aod") {
            TRecLigne l;
            (champ == "Ypd" ? l.Ypd : champ == "Yfd" ? l.Yfd : l.Aod) = c.ecrit;
            store.EcritLigne(4, l);
            TRecLigne r;
            store.LitLigne(4, r);
            lu = champ == "Ypd" ? r.Ypd : champ == "Yfd" ? r.Yfd : r.Aod;
        } else if (champ == "Valeur") {
            store.EcritVariable(4, c.ecrit);
            lu = store.ValeurVariable(4);
        } else {
            TRecCercle ce;
            (champ == "Rc" ? ce.Rc : champ == "Xdc" ? ce.Xdc : ce.Afc) = c.ecrit;
            store.EcritCercle(4, ce);
            TRecCercle r;
            store.LitCercle(4, r);
            lu = champ == "Rc" ? r.Rc : champ == "Xdc" ? r.Xdc : r.Afc;
        }
        EXPECT_EQ(lu, c.lu);
        EXPECT_FALSE(std::signbit(lu) && lu == 0) << "a rounded coordinate is a plain 0";
    }
}

TEST(TablesMemoire, RecordsRoundTripWithWholeIntegers) {
    TModuleDonnee store;
    store.EcritPoint(7, Point(1.5L, -2.25L, 15, 65539));
    TRecLigne l{0, 1, 2, 0.5L, 3, 4, 5, 6, -1, std::numeric_limits<int32_t>::max()};
    store.EcritLigne(65535, l);
    TRecCercle c{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, std::numeric_limits<int32_t>::min(), 70000};
    store.EcritCercle(0, c);

    TRecPoint p;
    store.LitPoint(7, p);
    EXPECT_EQ(p.Numero, 7);
    EXPECT_EQ(p.X, 1.5L);
    EXPECT_EQ(p.Y, -2.25L);
    EXPECT_EQ(p.Couleur, 15);
    EXPECT_EQ(p.Couche, 65539) << "a layer out of range must not wrap onto layer 3";

    TRecLigne rl;
    store.LitLigne(65535, rl);
    EXPECT_EQ(rl.Numero, 65535);
    EXPECT_EQ(rl.Aod, 0.5L);
    EXPECT_EQ(rl.Yfd, 6);
    EXPECT_EQ(rl.Couleur, -1);
    EXPECT_EQ(rl.Couche, std::numeric_limits<int32_t>::max());

    TRecCercle rc;
    store.LitCercle(0, rc);
    EXPECT_EQ(rc.Afc, 9);
    EXPECT_EQ(rc.Couleur, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(rc.Couche, 70000);
}

TEST(TablesMemoire, ReadingAMissingRowLeavesTheRecord) {
    TModuleDonnee store;
    store.EcritPoint(1, Point(5, 5));
    TRecPoint p = Point(9, 8, 7, 6);
    p.Numero = 42;
    store.LitPoint(2, p);
    EXPECT_EQ(p.Numero, 42);
    EXPECT_EQ(p.X, 9);
    EXPECT_EQ(p.Couche, 6);
}

TEST(TablesMemoire, WalkAndRankFollowIncreasingNumbers) {
    TModuleDonnee store;
    const std::vector<uint16_t> ecrits = {500, 0, 65535, 3, 64, 63};
    for (uint16_t n : ecrits)
        store.EcritCercle(n, TRecCercle{});
    const std::vector<int> attendus = {0, 3, 63, 64, 500, 65535};

    std::vector<int> vus;
    TRecCercle c;
    for (bool ok = store.PremierCercle(c); ok; ok = store.CercleSuivant(c))
        vus.push_back(c.Numero);
    EXPECT_EQ(vus, attendus);
    EXPECT_FALSE(store.CercleSuivant(c)) << "the walk stays finished";

    ASSERT_EQ(store.NombreCercles(), 6);
    for (int rang = 0; rang < 6; ++rang) {
        ASSERT_TRUE(store.CercleAuRang(rang, c));
        EXPECT_EQ(c.Numero, attendus[static_cast<size_t>(rang)]);
    }
    EXPECT_FALSE(store.CercleAuRang(6, c));
    EXPECT_FALSE(store.CercleAuRang(-1, c));

    // The rank order follows a new row.
    store.EcritCercle(1, TRecCercle{});
    ASSERT_TRUE(store.CercleAuRang(1, c));
    EXPECT_EQ(c.Numero, 1);

    store.VideTables();
    EXPECT_FALSE(store.PremierCercle(c));
    EXPECT_FALSE(store.CercleAuRang(0, c));
}

TEST(TablesMemoire, VariablesAreReplacedAndWalked) {
    TModuleDonnee store;
    store.EcritVariable(2, 4);
    store.EcritVariable(2, 6);
    store.EcritVariable(0, -1);
    EXPECT_EQ(store.NombreVariables(), 2);
    EXPECT_EQ(store.ValeurVariable(2), 6);

    uint16_t n = 99;
    Reel v = 0;
    ASSERT_TRUE(store.PremiereVariable(n, v));
    EXPECT_EQ(n, 0);
    EXPECT_EQ(v, -1);
    ASSERT_TRUE(store.VariableSuivante(n, v));
    EXPECT_EQ(n, 2);
    EXPECT_FALSE(store.VariableSuivante(n, v));
    ASSERT_TRUE(store.VariableAuRang(1, n, v));
    EXPECT_EQ(v, 6);
}

TEST(TablesMemoire, FreeNumbers) {
    TModuleDonnee store;
    EXPECT_EQ(store.NumeroLibrePoint(), 0);
    for (uint16_t n : {0, 1, 3})
        store.EcritPoint(n, TRecPoint{});
    EXPECT_EQ(store.NumeroLibrePoint(), 2);
    store.EcritPoint(2, TRecPoint{});
    EXPECT_EQ(store.NumeroLibrePoint(), 4);
    EXPECT_EQ(store.NumeroLibreLigne(), 0) << "each kind has its own numbers";

    for (int n = 0; n < 65536; ++n)
        if (n != 40000) store.EcritLigne(static_cast<uint16_t>(n), TRecLigne{});
    EXPECT_EQ(store.NumeroLibreLigne(), 40000);
    store.EcritLigne(40000, TRecLigne{});
    EXPECT_EQ(store.NumeroLibreLigne(), std::nullopt) << "all 65 536 numbers are taken";
    EXPECT_EQ(store.NombreLignes(), 65536);

    store.VideTables();
    EXPECT_EQ(store.NumeroLibreLigne(), 0);
    EXPECT_EQ(store.NumeroLibrePoint(), 0);
}

TEST(TablesMemoire, WritesWhileReadOnlyAreRefused) {
    TModuleDonnee store;
    store.EcritPoint(1, Point(1, 1));
    store.TablesLectureSeule(true);
    const uint64_t version = store.Version();

    EXPECT_DEBUG_DEATH(store.EcritPoint(2, Point(2, 2)), "read-only");
    EXPECT_DEBUG_DEATH(store.EcritVariable(1, 3), "read-only");
#ifdef NDEBUG
    EXPECT_EQ(store.EcritRefuses(), 2u);
#endif
    EXPECT_FALSE(store.PointExiste(2));
    EXPECT_FALSE(store.VariableExiste(1));
    EXPECT_EQ(store.Version(), version);

    store.TablesLectureSeule(false);
    store.EcritPoint(2, Point(2, 2));
    EXPECT_TRUE(store.PointExiste(2));
}

TEST(TablesMemoire, NonFiniteValuesAreNeverStored) {
    TModuleDonnee store;
    const Reel inf = std::numeric_limits<Reel>::infinity();
    EXPECT_DEBUG_DEATH(store.EcritPoint(0, Point(std::nanl(""), 0)), "non-finite");
    EXPECT_DEBUG_DEATH(store.EcritCercle(0, TRecCercle{0, 0, 0, inf}), "non-finite");
    // Finite in extended precision, infinite once stored as a 64-bit real.
    EXPECT_DEBUG_DEATH(store.EcritVariable(0, 1E400L), "non-finite");
#ifdef NDEBUG
    EXPECT_EQ(store.EcritRefuses(), 3u);
#endif
    EXPECT_FALSE(store.PointExiste(0));
    EXPECT_FALSE(store.CercleExiste(0));
    EXPECT_FALSE(store.VariableExiste(0));
}

TEST(TablesMemoire, EveryChangeIsNotified) {
    TModuleDonnee store;
    int appels = 0;
    store.SetObservateur([&] { ++appels; });
    const uint64_t v0 = store.Version();
    store.EcritPoint(0, TRecPoint{});
    store.EcritForme(3);
    EXPECT_TRUE(store.FormeExiste(3));
    EXPECT_EQ(appels, 2);
    EXPECT_GT(store.Version(), v0);

    const uint64_t v1 = store.Version();
    store.TablesLectureSeule(true);
    store.TablesLectureSeule(false);
    EXPECT_EQ(store.Version(), v1) << "switching read-only changes no row";

    store.VideTables();
    EXPECT_GT(store.Version(), v1);
    EXPECT_EQ(appels, 4) << "one notice per emptied table";
    EXPECT_FALSE(store.FormeExiste(3));
}

// A cache of one kind is kept as long as that kind's count stays the same.
TEST(TablesMemoire, EachKindCountsItsOwnChanges) {
    TModuleDonnee store;
    auto versions = [&] {
        return std::array<uint64_t, 3>{store.VersionGenre('P'), store.VersionGenre('L'),
                                       store.VersionGenre('C')};
    };
    struct Cas {
        const char* nom;
        std::function<void()> change;
        std::array<bool, 3> changes; // points, lines, circles
    } cas[] = {
        {"point", [&] { store.EcritPoint(0, TRecPoint{}); }, {true, false, false}},
        {"line", [&] { store.EcritLigne(4, TRecLigne{}); }, {false, true, false}},
        {"circle replaced", [&] { store.EcritCercle(0, TRecCercle{}); store.EcritCercle(0, TRecCercle{}); },
         {false, false, true}},
        {"variable and form", [&] { store.EcritVariable(0, 1); store.EcritForme(0); }, {false, false, false}},
        {"emptying", [&] { store.VideTables(); }, {true, true, true}},
        {"emptying empty tables", [&] { store.VideTables(); }, {false, false, false}},
    };
    for (const Cas& c : cas) {
        const auto avant = versions();
        c.change();
        const auto apres = versions();
        for (size_t k = 0; k < 3; ++k)
            EXPECT_EQ(apres[k] != avant[k], c.changes[k]) << c.nom << " kind " << k;
    }
    EXPECT_EQ(store.VersionGenre('V'), 0u);
}

TEST(TablesMemoire, InMemoryStoreIsReadyAfterCreation) {
    TModuleDonnee store;
    EXPECT_FALSE(store.TablesPretes());
    store.EcritPoint(3, TRecPoint{});
    store.CreeTables();
    EXPECT_TRUE(store.TablesPretes());
    EXPECT_EQ(store.NombrePoints(), 0);
    store.SetTablesPretes(false);
    EXPECT_FALSE(store.TablesPretes());
}

} // namespace
} // namespace velk
