// The run and single statements: messages and their lines, drawing order, reading state
// across lines (comments, forms, variables), repeatability, and the message texts.
#include "execution_fixture.h"
#include "language/messages.h"

#include <sstream>

namespace velk::test {
namespace {

// Every row of the point, line, circle and variable tables, as text.
std::string Contenu(TModuleDonnee& t) {
    std::ostringstream s;
    s.precision(21);
    TRecPoint p;
    for (bool ok = t.PremierPoint(p); ok; ok = t.PointSuivant(p))
        s << "P" << p.Numero << ' ' << p.X << ' ' << p.Y << ' ' << p.Couleur << ' ' << p.Couche << '\n';
    TRecLigne l;
    for (bool ok = t.PremiereLigne(l); ok; ok = t.LigneSuivante(l))
        s << "L" << l.Numero << ' ' << l.Xpd << ' ' << l.Ypd << ' ' << l.Aod << ' ' << l.Xdd << ' '
          << l.Xfd << ' ' << l.Couleur << '\n';
    TRecCercle c;
    for (bool ok = t.PremierCercle(c); ok; ok = t.CercleSuivant(c))
        s << "C" << c.Numero << ' ' << c.Xc << ' ' << c.Yc << ' ' << c.Rc << ' ' << c.Couleur << '\n';
    uint16_t n;
    Reel v;
    for (bool ok = t.PremiereVariable(n, v); ok; ok = t.VariableSuivante(n, v))
        s << "V" << n << ' ' << v << '\n';
    return s.str();
}

const std::vector<std::string> Demo = {
    "P0:=0,0,0,0",          "L0:=P0,A0,0,0",         "L1:=P0,A90,0,0",
    "V1:=12.5",             "C0:=P0,V1,2,0",         "P1:=L0,C0,D,1,0",
    "L2:=P1,C0,O,0,0",      "P2:=P9,0,0,0,0",        "L3:=P2,A0,0,0",
    "{ commentaire",        "P3:=1,1,0,0",           "}",
    "C1:=C0,3,G,4,1",       "P1:=5,5,0,0",           "L4:=P0,C0,H,0,0",
};

TEST_F(ExecutionTest, RunListsEachFaultyLineAndGoesOn) {
    EXPECT_EQ(Execute(Demo), 5);
    const std::vector<std::string> attendus = {
        "(10) Définition géomètrique non définie", // L2: O is not a position letter
        "(11) Point P9 non défini",
        "(12) Point P2 non défini",
        "(17) Point P1 déjà défini",
        "(18) Pas de solution possible", // P0 is the centre of C0: no tangent from it
    };
    EXPECT_EQ(messages.items, attendus);
    EXPECT_FALSE(tables.PointExiste(3)); // inside the brace comment
    EXPECT_TRUE(tables.CercleExiste(1));
    EXPECT_FALSE(tables.LigneExiste(4));
}

TEST_F(ExecutionTest, RunEmptiesTablesDrawsAsItStoresAndEndsReadOnly) {
    Execute({"P0:=0,0,0,0", "P1:=1,1,0,0"});
    Execute({"L0:=P9,A0,0,0", "P4:=2,2,0,0", "C2:=P4,1,0,0", "L3:=P4,A45,0,0"});
    EXPECT_FALSE(tables.PointExiste(0));
    EXPECT_FALSE(tables.PointExiste(1));
    const std::vector<std::string> evenements = {"efface", "P0", "P1", "efface", "P4", "C2", "L3"};
    EXPECT_EQ(dessin.evenements, evenements);
    EXPECT_TRUE(tables.LectureSeule());
    EXPECT_EQ(occupe.debuts, 2);
    EXPECT_EQ(occupe.fins, 2);
    EXPECT_EQ(messages.effacements, 2);
}

TEST_F(ExecutionTest, ShortTextOrOnlyCommentsLeavesEmptyTablesAndNoMessage) {
    Execute({"P0:=0,0,0,0"});
    texte = LignesVecteur({"P0:=0,0,0,0", "L0:=P0,A0,0,0", "P5:=1,1,0,0"});
    EXPECT_EQ(interprete.ExecuteProgramme(texte), 0);
    EXPECT_FALSE(tables.PointExiste(0));
    EXPECT_EQ(Execute({"// P0:=0,0,0,0", "{ P1:=0,0,0,0 }", "{", "P2:=0,0,0,0", "}", "   "}), 0);
    EXPECT_EQ(tables.NombrePoints(), 0);
}

TEST_F(ExecutionTest, RunningTwiceGivesTheSameTablesAndMessages) {
    Execute(Demo);
    const auto premiers = messages.items;
    const std::string contenu = Contenu(tables);
    Execute(Demo);
    EXPECT_EQ(messages.items, premiers);
    EXPECT_EQ(Contenu(tables), contenu);
}

TEST_F(ExecutionTest, CommentAndFormStateIsResetAtEveryRun) {
    Execute({"{ ouvert", "F1:="});
    Execute({"P0:=0,0,0,0", "F1:="});
    EXPECT_TRUE(tables.PointExiste(0));
    EXPECT_TRUE(messages.items.empty());
}

TEST_F(ExecutionTest, FormsOpenCloseAndRefuseNesting) {
    Execute({"F1:=", "P0=1", "P0:=0,0,0,0", "F2:=", "FIN", "P1=1", "F3:=", "FIN"});
    const std::vector<std::string> attendus = {
        "(7) Il y a déjà une forme en cours de définition",
        "(9) Erreur de syntaxe",
    };
    EXPECT_EQ(messages.items, attendus);
    EXPECT_TRUE(tables.PointExiste(0)); // a statement inside a form is executed
    EXPECT_EQ(tables.FormeExiste(1), false);
}

TEST_F(ExecutionTest, FormOpenedEvenWhenItsStatementIsRefused) {
    Execute({"F2:=5", "P1=0", "F:=", "X", "FIN", "P2=0"});
    const std::vector<std::string> attendus = {
        "(4) Définition géomètrique non définie",
        "(6) Il y a déjà une forme en cours de définition",
        "(9) Erreur de syntaxe",
    };
    EXPECT_EQ(messages.items, attendus);
}

TEST_F(ExecutionTest, VariablesAreReadWhenTheStatementIsRead) {
    Execute({"V1:=1", "P2:=V1,0,0,0", "V1:=5", "P3:=V1,V1,0,0", "V1:=V1", "V2:=V2", "V3:=V1",
             "C4:=V1,V1,V3,0,0"});
    ASSERT_EQ(messages.items, std::vector<std::string>{"(9) Variable V2 non définie"});
    EXPECT_EQ(Point(2).X, 1);
    EXPECT_EQ(Point(3).X, 5);
    EXPECT_EQ(tables.ValeurVariable(1), 5);
    EXPECT_FALSE(tables.VariableExiste(2));
    EXPECT_EQ(Cercle(4).Rc, 5);
    EXPECT_EQ(tables.NombreVariables(), 2);
}

TEST_F(ExecutionTest, ColourAndLayerAreRoundedAndKeptWhole) {
    Execute({"P1:=0,0,2.6,3.4", "P2:=0,0,-2.5,70000", "P3:=0,0,2.5,0.49", "P4:=0,0,1E12,-1E12"});
    EXPECT_EQ(Point(1).Couleur, 3);
    EXPECT_EQ(Point(1).Couche, 3);
    EXPECT_EQ(Point(2).Couleur, -3);
    EXPECT_EQ(Point(2).Couche, 70000);
    EXPECT_EQ(Point(3).Couleur, 3);
    EXPECT_EQ(Point(3).Couche, 0);
    EXPECT_EQ(Point(4).Couleur, 999999999);
    EXPECT_EQ(Point(4).Couche, -999999999);
    ASSERT_EQ(dessin.points.size(), 4u);
    EXPECT_EQ(dessin.points[0].Couleur, 3); // drawn with the rounded numbers too
}

TEST_F(ExecutionTest, NoSolutionStoresNothingAndTheRunGoesOn) {
    Execute({"P0:=0,0,0,0", "L0:=P0,A0,0,0", "P2:=L0,L0,0,0", "V1:=3", "L1:=P2,A0,0,0",
             "P3:=P0,P0,0,0", "C1:=P0,P0,P0,0,0", "C2:=P0,0,0,0", "P4:=1,A90,0,0"});
    const std::vector<std::string> attendus = {
        "(6) Pas de solution possible",
        "(8) Point P2 non défini",
    };
    ASSERT_GE(messages.items.size(), 2u);
    EXPECT_EQ(messages.items[0], attendus[0]);
    EXPECT_EQ(messages.items[1], attendus[1]);
    EXPECT_FALSE(tables.PointExiste(2));
    EXPECT_TRUE(tables.VariableExiste(1));
    EXPECT_FALSE(tables.CercleExiste(1)); // three equal points: no circle, never a NaN
    EXPECT_TRUE(tables.PointExiste(4));   // the run reached the end
    EXPECT_EQ(Point(4).X, 0);              // a tiny remainder is stored as 0
    EXPECT_EQ(Point(4).Y, 1);
}

TEST_F(ExecutionTest, SingleStatementUsesTheTablesAndLineOne) {
    Execute({"P0:=0,0,0,0", "P9:=Q"});
    ASSERT_EQ(messages.items.size(), 1u);
    dessin.evenements.clear();

    EXPECT_TRUE(interprete.ExecuteInstruction("P1:=3, 4, 0, 0"));
    EXPECT_TRUE(tables.PointExiste(0));
    EXPECT_TRUE(tables.PointExiste(1));
    EXPECT_EQ(dessin.evenements, std::vector<std::string>{"P1"});

    EXPECT_FALSE(interprete.ExecuteInstruction("L5:=P7,A0,0,0"));
    EXPECT_FALSE(interprete.ExecuteInstruction("P1:=0,0,0,0"));
    const std::vector<std::string> attendus = {"(5) Erreur de syntaxe", "(1) Point P7 non défini",
                                               "(1) Point P1 déjà défini"};
    EXPECT_EQ(messages.items, attendus);
    EXPECT_EQ(messages.effacements, 1);
    EXPECT_TRUE(tables.LectureSeule());
}

TEST_F(ExecutionTest, SingleStatementThatBuildsNothingFails) {
    Execute({"P0:=0,0,0,0", "P1:=0,0,0"}); // ends with an error: ErreurLigne left set
    EXPECT_TRUE(interprete.ExecuteInstruction("V1:=2"));
    EXPECT_FALSE(interprete.ExecuteInstruction(""));
    EXPECT_FALSE(interprete.ExecuteInstruction("// P2:=0,0,0,0"));

    // A form statement is read without error but stores nothing.
    Execute({"P0:=0,0,0,0"});
    EXPECT_FALSE(interprete.ExecuteInstruction("F1:="));
    EXPECT_TRUE(messages.items.empty());

    Execute({"P0:=0,0,0,0", "{ jamais fermé"});
    EXPECT_FALSE(interprete.ExecuteInstruction("P2:=1,1,0,0"));
    EXPECT_FALSE(tables.PointExiste(2));
    EXPECT_TRUE(messages.items.empty());
}

// A value too large for the table is refused, however its digits spell it: a million zeros
// after the point do not bring 1E10000100 back into range.
TEST_F(ExecutionTest, OverflowingVariableIsRefusedInEverySpelling) {
    const std::string zeros(999'999, '0');
    Execute({"V1:=1E10000100", "V2:=0." + zeros + "1E10000100", "V3:=-1" + zeros + "E4933",
             "V4:=0." + zeros + "1E1000000", "V5:=1" + zeros + "E-999999"});
    const std::vector<std::string> attendus = {"(4) Pas de solution possible",
                                               "(5) Pas de solution possible",
                                               "(6) Pas de solution possible"};
    EXPECT_EQ(messages.items, attendus);
    EXPECT_FALSE(tables.VariableExiste(1) || tables.VariableExiste(2) || tables.VariableExiste(3));
    ASSERT_TRUE(tables.VariableExiste(4) && tables.VariableExiste(5));
    EXPECT_EQ(tables.ValeurVariable(4), 1);
    EXPECT_EQ(tables.ValeurVariable(5), 1);
}

TEST_F(ExecutionTest, ExtremeInputsNeverStopTheRun) {
    std::string longue(200'000, '9');
    std::string binaire("P1:=\0\x01\xff\xfe,0,0,0", 15);
    std::string virgules = "P1:=" + std::string(100000, ',');
    std::string arguments = "C1:=";
    for (int k = 0; k < 5000; ++k) arguments += "P0,L0,C0,V1,A1,H,";
    Execute({"P0:=0,0,0,0", "L0:=P0,A0,0,0", "C0:=P0,1,0,0", "V1:=1", "P1:=" + longue + ",0,0,0",
             binaire, virgules, arguments, "P1:=" + longue + "." + longue + ",0,0,0",
             "P8:=1,1,0,0"});
    EXPECT_EQ(messages.items.size(), 5u);
    EXPECT_TRUE(tables.PointExiste(8));
}

struct CasTexte {
    int code;
    const char* indice;
    const char* texte;
};

TEST(Messages, EveryTextIsExact) {
    const CasTexte cas[] = {
        {0, "", " Erreur de syntaxe"},
        {1, "", " Erreur de syntaxe : manque ':=' "},
        {2, "", " Erreur de syntaxe : manque ',' "},
        {3, "", " Erreur de syntaxe : caractère de définition inconnu"},
        {9, "", " Indice hors des limites permises"},
        {10, "5", " Point P5 non défini"},
        {11, "6", " Ligne L6 non définie"},
        {12, "7", " Cercle C7 non défini"},
        {13, "8", " Variable V8 non définie"},
        {40, "1", " Point P1 déjà défini"},
        {41, "2", " Ligne L2 déjà définie"},
        {42, "3", " Cercle C3 déjà défini"},
        {43, "4", " Variable V4 déjà définie"},
        {44, "5", " Forme F5 déjà définie"},
        {50, "", " Il y a déjà une forme en cours de définition"},
        {98, "essai", " Test essai"},
        {99, "", " Pas de solution possible"},
        {100, "", " Définition géomètrique non définie"},
        {7, "", " Erreur inconnue"},
        {-1, "", " Erreur inconnue"},
    };
    for (const auto& c : cas) EXPECT_EQ(TexteMessage(c.code, c.indice), c.texte) << c.code;
    EXPECT_EQ(ComposeMessage(12, PointNonDefini, "5"), "(12) Point P5 non défini");
}

TEST(Messages, ItemNamesItsLine) {
    const std::pair<const char*, int> cas[] = {
        {"(12) Point P5 non défini", 11}, {"(1) Erreur de syntaxe", 0}, {"(65540)x", 65539},
        {"(0) x", -1}, {"() x", -1}, {"12) x", -1}, {"(12 x", -1}, {"(1a) x", -1}, {"", -1},
        {"(99999999999999) x", -1},
    };
    for (const auto& [item, ligne] : cas) EXPECT_EQ(LigneDuMessage(item), ligne) << item;
}

} // namespace
} // namespace velk::test
