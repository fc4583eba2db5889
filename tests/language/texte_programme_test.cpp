// Program text operations: header, template, date refresh on saving, appended statements.
#include "language/texte_programme.h"
#include "support/observateurs_enregistres.h"

#include <gtest/gtest.h>

namespace velk::test {
namespace {

const QLocale Francais(QLocale::French, QLocale::France);
const QDateTime Soir(QDate(2026, 12, 7), QTime(23, 6, 14));
const QDateTime Minuit(QDate(2026, 12, 7), QTime(0, 0, 0));

TEST(TexteProgramme, DateIsShortDateBlankAndTimeWithSecondsWithoutZone) {
    EXPECT_EQ(TexteDateHeure(Soir, Francais), "07/12/2026 23:06:14");
    EXPECT_EQ(TexteDateHeure(Minuit, Francais), "07/12/2026");
    EXPECT_EQ(TexteDateHeure(QDateTime(QDate(2026, 1, 2), QTime(0, 0, 1)), Francais),
              "02/01/2026 00:00:01");
    const std::string us = TexteDateHeure(Soir, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_NE(us.find("12/7/26"), std::string::npos) << us;
    EXPECT_NE(us.find("11:06:14"), std::string::npos) << us;
    EXPECT_EQ(us.find("UTC"), std::string::npos) << us;
}

TEST(TexteProgramme, NewProgramIsHeaderAndThreeStatementsUnmodified) {
    LignesVecteur t({"ancien"});
    t.modifie = true;
    NouveauProgramme(t, Soir, Francais);
    const std::vector<std::string> attendu = {
        "Programme VELK Version 1.0 07/12/2026 23:06:14",
        "Derniere modif. : 07/12/2026 23:06:14",
        "",
        "P0:=0,0,0,0",
        "L0:=P0,A0,0,0",
        "L1:=P0,A90,0,0",
    };
    EXPECT_EQ(t.lignes, attendu);
    EXPECT_FALSE(t.modifie);
    EXPECT_EQ(t.historiquesEffaces, 2);
    EXPECT_TRUE(AEntete(t));
}

TEST(TexteProgramme, HeaderIsFoundAnywhereInLineZeroOnly) {
    EXPECT_FALSE(AEntete(LignesVecteur()));
    EXPECT_TRUE(AEntete(LignesVecteur({"x Programme VELK Version 1.0 hier"})));
    EXPECT_FALSE(AEntete(LignesVecteur({"Programme VELK Version 1.0"}))); // no final blank
    EXPECT_FALSE(AEntete(LignesVecteur({"", "Programme VELK Version 1.0 "})));
}

TEST(TexteProgramme, SavingRefreshesDateOnlyWhenModified) {
    LignesVecteur t({"Programme VELK Version 1.0 01/01/2020", "Derniere modif. : 01/01/2020", "",
                     "P0:=0,0,0,0"});
    PrepareEnregistrement(t, Soir, Francais);
    EXPECT_EQ(t.lignes[1], "Derniere modif. : 01/01/2020");
    EXPECT_EQ(t.historiquesEffaces, 0);

    t.modifie = true;
    PrepareEnregistrement(t, Soir, Francais);
    EXPECT_EQ(t.lignes[1], "Derniere modif. : 07/12/2026 23:06:14");
    EXPECT_EQ(t.lignes[0], "Programme VELK Version 1.0 01/01/2020");
    EXPECT_EQ(t.lignes.size(), 4u);
    EXPECT_EQ(t.historiquesEffaces, 1);
}

TEST(TexteProgramme, SavingATextWithoutHeaderInsertsOne) {
    LignesVecteur t({"P0:=0,0,0,0", "P1:=1,1,0,0"});
    PrepareEnregistrement(t, Soir, Francais);
    ASSERT_EQ(t.lignes.size(), 5u);
    EXPECT_EQ(t.lignes[0], "Programme VELK Version 1.0 07/12/2026 23:06:14");
    EXPECT_EQ(t.lignes[2], "");
    EXPECT_EQ(t.lignes[3], "P0:=0,0,0,0");
}

TEST(TexteProgramme, ShortTextsGetTheMissingHeaderLine) {
    LignesVecteur une({"Programme VELK Version 1.0 hier"});
    une.modifie = true;
    ActualiseDateModif(une, Soir, Francais);
    EXPECT_EQ(une.lignes, (std::vector<std::string>{"Programme VELK Version 1.0 hier",
                                                    "Derniere modif. : 07/12/2026 23:06:14"}));
    LignesVecteur vide;
    vide.modifie = true;
    ActualiseDateModif(vide, Soir, Francais);
    EXPECT_TRUE(vide.lignes.empty());
}

TEST(TexteProgramme, AppendedStatementKeepsUndoHistory) {
    LignesVecteur t({"a"});
    AjouteInstruction(t, "P4:=1,2,0,0");
    EXPECT_EQ(t.lignes.back(), "P4:=1,2,0,0");
    EXPECT_EQ(t.historiquesEffaces, 0);
}

} // namespace
} // namespace velk::test
