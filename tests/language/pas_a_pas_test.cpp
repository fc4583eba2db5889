// The step-by-step run: where each step stops, what it reports, and that stepping through
// a program (to its end, or finished at once midway) leaves exactly what a full run leaves.
#include "language/interprete.h"
#include "language/pas_a_pas.h"
#include "store/module_donnee.h"
#include "support/observateurs_enregistres.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace velk::test {
namespace {

// One interpreter over its own in-memory tables, with recording observers.
struct Monde {
    Monde() : interprete(tables, messages, dessin, occupe) { tables.CreeTables(); }
    TModuleDonnee tables;
    MessagesEnregistres messages;
    DessinEnregistre dessin;
    OccupeCompte occupe;
    Interprete interprete;
};

// Every table row with every field written exactly, in key order.
std::string Tables(TModuleDonnee& t) {
    std::string s;
    char tampon[512];
    TRecPoint p;
    for (bool ok = t.PremierPoint(p); ok; ok = t.PointSuivant(p)) {
        std::snprintf(tampon, sizeof tampon, "P%d %La %La %d %d\n", p.Numero, p.X, p.Y,
                      p.Couleur, p.Couche);
        s += tampon;
    }
    TRecLigne l;
    for (bool ok = t.PremiereLigne(l); ok; ok = t.LigneSuivante(l)) {
        std::snprintf(tampon, sizeof tampon, "L%d %La %La %La %La %La %La %La %d %d\n", l.Numero,
                      l.Xpd, l.Ypd, l.Aod, l.Xdd, l.Ydd, l.Xfd, l.Yfd, l.Couleur, l.Couche);
        s += tampon;
    }
    TRecCercle c;
    for (bool ok = t.PremierCercle(c); ok; ok = t.CercleSuivant(c)) {
        std::snprintf(tampon, sizeof tampon, "C%d %La %La %La %La %La %La %La %La %La %d %d\n",
                      c.Numero, c.Xc, c.Yc, c.Rc, c.Xdc, c.Ydc, c.Adc, c.Xfc, c.Yfc, c.Afc,
                      c.Couleur, c.Couche);
        s += tampon;
    }
    uint16_t n = 0;
    Reel v = 0;
    for (bool ok = t.PremiereVariable(n, v); ok; ok = t.VariableSuivante(n, v)) {
        std::snprintf(tampon, sizeof tampon, "V%u %La\n", unsigned(n), v);
        s += tampon;
    }
    return s;
}

LignesVecteur Programme(const std::vector<std::string>& corps) {
    std::vector<std::string> lignes = {"Programme VELK Version 1.0 ", "", ""};
    lignes.insert(lignes.end(), corps.begin(), corps.end());
    return LignesVecteur(lignes);
}

LignesVecteur Fichier(const std::string& chemin) {
    std::ifstream f(std::string(VELK_SOURCE_DIR) + "/" + chemin);
    EXPECT_TRUE(f) << chemin;
    std::vector<std::string> lignes;
    for (std::string l; std::getline(f, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lignes.push_back(l);
    }
    return LignesVecteur(lignes);
}

TEST(PasAPas, ChaquePasSArreteApresUneLigneInstruction) {
    Monde m;
    // Text lines 4 to 18: comments, a block comment, a form body and an empty line are
    // executed on the way without a stop of their own.
    const LignesVecteur texte = Programme({
        "// les points",           // 4
        "P0:=0,0,0,0",             // 5
        "{ un commentaire",        // 6
        "  P9:=1,1,0,0 }",         // 7
        "",                        // 8
        "P1:=P7,0,0,0,0",          // 9
        "L0 := P0, A30, 0, 0",     // 10
        "n'importe quoi",          // 11
        "F1:=",                    // 12
        "  contour exterieur",     // 13  form body
        "FIN",                     // 14
        "V2:=3.5",                 // 15
        "C0:=P0,5,0,0",            // 16
        "P0:=1,1,0,0",             // 17
        "// fin",                  // 18
    });
    const struct {
        int ligne; // from 1
        const char* texte;
    } kPas[] = {
        {5, "Ligne 5 : P0 construit"},
        {9, "Ligne 9 : Point P7 non défini"},
        {10, "Ligne 10 : L0 construite"},
        {11, "Ligne 11 : Erreur de syntaxe"},
        {12, "Ligne 12 : forme F1 ouverte"},
        {15, "Ligne 15 : V2 définie"},
        {16, "Ligne 16 : C0 construit"},
        {17, "Ligne 17 : Point P0 déjà défini"},
    };
    ExecutionPasAPas pas(m.interprete);
    EXPECT_FALSE(pas.EnCours());
    for (const auto& attendu : kPas) {
        const ResultatPas r = pas.Pas(texte);
        EXPECT_FALSE(r.Fin);
        EXPECT_EQ(r.Ligne + 1, attendu.ligne);
        EXPECT_EQ(TexteResultatPas(r), attendu.texte);
        EXPECT_TRUE(pas.EnCours());
        // Read-only between steps, as after a run.
        EXPECT_TRUE(m.tables.LectureSeule());
        EXPECT_EQ(m.messages.effacements, 1) << "the messages are emptied by the first step only";
    }
    EXPECT_FALSE(m.tables.PointExiste(9));
    const ResultatPas fin = pas.Pas(texte);
    EXPECT_TRUE(fin.Fin);
    EXPECT_EQ(TexteResultatPas(fin), "Fin du programme : 3 messages");
    EXPECT_FALSE(pas.EnCours());
    EXPECT_TRUE(m.tables.LectureSeule());
    // A new step starts the run again from the first statement line.
    EXPECT_EQ(pas.Pas(texte).Ligne + 1, 5);
    EXPECT_EQ(m.messages.items.size(), 0u);
    EXPECT_EQ(m.dessin.evenements.back(), "P0");
}

TEST(PasAPas, TexteSansInstructionFinitAuPremierPas) {
    for (const std::vector<std::string>& lignes :
         {std::vector<std::string>{"a"}, std::vector<std::string>{"a", "b", "c", "// rien", "{ x }"}}) {
        Monde m;
        m.tables.EcritPoint(3, TRecPoint{});
        ExecutionPasAPas pas(m.interprete);
        const ResultatPas r = pas.Pas(LignesVecteur(lignes));
        EXPECT_TRUE(r.Fin);
        EXPECT_EQ(m.tables.NombrePoints(), 0) << "the first step empties the tables";
        EXPECT_FALSE(pas.EnCours());
    }
}

// Whatever the moment F9 finishes a step run, the result is the full run's: same messages,
// same drawing in the same order, same table rows to the last bit.
TEST(PasAPas, PasAPasPuisFinEgaleUneExecutionComplete) {
    for (const char* chemin : {"examples/demo.vlk", "examples/formes.vlk",
                               "examples/tangentes.vlk", "tests/golden/messages.vlk"}) {
        const LignesVecteur texte = Fichier(chemin);
        Monde complet;
        complet.interprete.ExecuteProgramme(texte);
        const std::string tables = Tables(complet.tables);
        ASSERT_FALSE(tables.empty()) << chemin;

        for (int pasAvantFin : {0, 1, 3, 1000000}) {
            Monde m;
            ExecutionPasAPas pas(m.interprete);
            int faits = 0;
            bool fini = false;
            while (faits < pasAvantFin && !fini) {
                fini = pas.Pas(texte).Fin;
                ++faits;
            }
            if (!fini) {
                EXPECT_EQ(pas.Termine(texte), complet.messages.NombreMessages());
            }
            EXPECT_FALSE(pas.EnCours());
            EXPECT_EQ(m.messages.items, complet.messages.items) << chemin << " " << pasAvantFin;
            EXPECT_EQ(m.dessin.evenements, complet.dessin.evenements) << chemin;
            EXPECT_EQ(Tables(m.tables), tables) << chemin << " " << pasAvantFin;
            EXPECT_TRUE(m.tables.LectureSeule());
            EXPECT_EQ(m.occupe.enCours, 0);
        }
    }
}

} // namespace
} // namespace velk::test
