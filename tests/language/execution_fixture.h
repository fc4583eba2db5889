// A headless interpreter over in-memory tables, with recording observers, for the language
// tests.
#pragma once

#include "language/interprete.h"
#include "store/module_donnee.h"
#include "support/observateurs_enregistres.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velk::test {

class ExecutionTest : public ::testing::Test {
protected:
    ExecutionTest() : interprete(tables, messages, dessin, occupe) { tables.CreeTables(); }

    // Runs the given body lines under a three-line header: body line k is text line k + 4.
    int Execute(const std::vector<std::string>& corps) {
        std::vector<std::string> lignes = {"Programme VELK Version 1.0 ", "", ""};
        lignes.insert(lignes.end(), corps.begin(), corps.end());
        texte = LignesVecteur(lignes);
        return interprete.ExecuteProgramme(texte);
    }

    TRecPoint Point(uint16_t n) {
        TRecPoint p;
        EXPECT_TRUE(tables.PointExiste(n)) << "P" << n;
        tables.LitPoint(n, p);
        return p;
    }
    TRecLigne Ligne(uint16_t n) {
        TRecLigne l;
        EXPECT_TRUE(tables.LigneExiste(n)) << "L" << n;
        tables.LitLigne(n, l);
        return l;
    }
    TRecCercle Cercle(uint16_t n) {
        TRecCercle c;
        EXPECT_TRUE(tables.CercleExiste(n)) << "C" << n;
        tables.LitCercle(n, c);
        return c;
    }

    TModuleDonnee tables;
    MessagesEnregistres messages;
    DessinEnregistre dessin;
    OccupeCompte occupe;
    Interprete interprete;
    LignesVecteur texte;
};

} // namespace velk::test
