// Reading one statement line: comments and trailing comments, every reading fault with its
// exact message, indices and their limits, upper-casing.
#include "execution_fixture.h"
#include "language/encodage.h"

#include <QLocale>

#include <clocale>

namespace velk::test {
namespace {

struct CasLigne {
    const char* ligne;
    const char* message;  // expected text after "(8)", empty when nothing is raised
    const char* element;  // "P1": must exist after the run; "-P1": must not; "" nothing
};

// Four statements come first, so the line under test is text line 8.
const std::vector<std::string> Prelude = {"P0:=0,0,0,0", "L0:=P0,A0,0,0", "C0:=P0,5,0,0",
                                          "P5:=20,0,0,0"};

const CasLigne Cas[] = {
    // Comments
    {"P1:=0,0,0,0 // origine", "", "-P1"},
    {"P1:=0,0,0,0 {origine}", "", "P1"},
    {"{P1:=0,0,0,0}", "", "-P1"},
    {"P1:=0,0,0,0 {origine} x", "", "-P1"},
    {"P1:=0,0,0,0 {a}{b}", "", "-P1"},
    // Separators and syntax
    {"P1:=0,0,0,0,", "", "P1"},
    {"p1 := 0 , 0 , 0 , 0", "", "P1"},
    {"P1:=0,,0,0", " Erreur de syntaxe", "-P1"},
    {"P1:=0;0,0,0", " Erreur de syntaxe : manque ',' ", "-P1"},
    {"P1:=0,0,0,0\t", " Erreur de syntaxe : manque ',' ", "-P1"}, // a tab is not a blank
    {"P1:=0,0,0,0}", " Erreur de syntaxe : manque ',' ", "-P1"},
    {"P1:=0,0,HX,0", " Erreur de syntaxe : manque ',' ", "-P1"},
    {"P1=0,0,0,0", " Erreur de syntaxe", "-P1"},
    {"FIN", " Erreur de syntaxe", ""},
    {"P1X:=0,0,0,0", " Erreur de syntaxe : manque ':=' ", "-P1"},
    {"P1:0,0,0,0:=", " Erreur de syntaxe : manque ':=' ", "-P1"},
    {"Q1:=0", " Erreur de syntaxe : caractère de définition inconnu", ""},
    {":=0", " Erreur de syntaxe : caractère de définition inconnu", ""},
    {"P:=0,0,0,0", " Erreur de syntaxe", ""},
    {"P1:=AV1,0,0", " Erreur de syntaxe", "-P1"},
    {"P1:=1.2.3,0,0,0", " Erreur de syntaxe", "-P1"},
    {"P1:=5E,0,0,0", " Erreur de syntaxe", "-P1"},
    {"P1:=-,0,0,0", " Erreur de syntaxe", "-P1"},
    {"P1:=K,0,0,0", " Erreur de syntaxe", "-P1"},
    {"P1:=é,0,0,0", " Erreur de syntaxe", "-P1"},
    // References
    {"P0:=1,1,0,0", " Point P0 déjà défini", ""},
    {"L0:=P0,A0,0,0", " Ligne L0 déjà définie", ""},
    {"C00:=P0,1,0,0", " Cercle C0 déjà défini", ""},
    {"P1:=P7,0,0,0,0", " Point P7 non défini", "-P1"},
    {"P1:=L9,L0,0,0", " Ligne L9 non définie", "-P1"},
    {"P1:=C3,0,0", " Cercle C3 non défini", "-P1"},
    {"P1:=V2,0,0,0", " Variable V2 non définie", "-P1"},
    // Indices
    {"P007:=1,2,0,0", "", "P7"},
    {"P65535:=1,2,0,0", "", "P65535"},
    {"P65536:=1,2,0,0", " Indice hors des limites permises", ""},
    {"P1:=P4294967296,0,0,0,0", " Indice hors des limites permises", "-P1"},
    {"P1:=P99999999999999999999999,0,0,0,0", " Indice hors des limites permises", "-P1"},
    {"V70000:=1", " Indice hors des limites permises", ""},
    {"P0000000000000000000000001:=1,1,0,0", "", "P1"},
    // Matching
    {"P1:=0,0,0", " Définition géomètrique non définie", "-P1"},
    {"P1:=", " Définition géomètrique non définie", "-P1"},
    {"P1:=P0,P5,X,0,0", " Définition géomètrique non définie", "-P1"},
    {"P1:=P0,P5,M,0,0", "", "P1"},
    {"L4:=P5,C0,E,0,0", " Définition géomètrique non définie", "-L4"},
    {"L4:=P5,C0,H,0,0", "", "L4"},
    {"L4:=P5,L0,H,0,0", " Définition géomètrique non définie", "-L4"},
    {"C1:=P5,C0,i,0,0", "", "C1"},
    {"C1:=P5,C0,E,0,0", " Définition géomètrique non définie", "-C1"},
    {"P1:=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", " Définition géomètrique non définie", "-P1"},
    {"P1:=P0,P0,P0,P0,P0,P0,P0,P0,P0,P0,P0,P0,P0,0,0", " Définition géomètrique non définie", "-P1"},
    {"P1:=H,H,H,H,H,H,H,H,H,H,H,H,0,0", " Définition géomètrique non définie", "-P1"},
    {"V3:=1E400", " Pas de solution possible", ""},
    {"V3:=-1E5000", " Pas de solution possible", ""},
    {"P1:=1E5000,0,0,0", " Pas de solution possible", "-P1"},
    {"F2:=5", " Définition géomètrique non définie", ""},
};

class LectureLigne : public ExecutionTest, public ::testing::WithParamInterface<CasLigne> {};

TEST_P(LectureLigne, RaisesItsMessageAndBuildsOnlyWhenClean) {
    const CasLigne& cas = GetParam();
    std::vector<std::string> corps = Prelude;
    corps.push_back(cas.ligne);
    Execute(corps);
    if (*cas.message == '\0') {
        EXPECT_TRUE(messages.items.empty()) << messages.items.front();
    } else {
        ASSERT_EQ(messages.items.size(), 1u);
        EXPECT_EQ(messages.items[0], std::string("(8)") + cas.message);
    }
    const std::string element = cas.element;
    if (!element.empty()) {
        const bool attendu = element[0] != '-';
        const std::string nom = attendu ? element : element.substr(1);
        const auto n = static_cast<uint16_t>(std::stoul(nom.substr(1)));
        const bool existe = nom[0] == 'P'   ? tables.PointExiste(n)
                            : nom[0] == 'L' ? tables.LigneExiste(n)
                                            : tables.CercleExiste(n);
        EXPECT_EQ(existe, attendu) << nom;
    }
}

INSTANTIATE_TEST_SUITE_P(Lecteur, LectureLigne, ::testing::ValuesIn(Cas));

// The classification carries the comment and form state from line to line.
struct CasType {
    bool commentaire, forme;
    const char* ligne;
    ClasseLigne classe;
    const char* reste; // the line after a trailing comment was cut
    bool commentaireApres, formeApres;
};

const CasType CasTypes[] = {
    {false, false, "P1:=0,0,0,0{A}", ClasseLigne::Instruction, "P1:=0,0,0,0", false, false},
    {false, false, "P1:=0,0,0,0{A", ClasseLigne::Commentaire, "", true, false},
    {false, false, "}P1:=0{", ClasseLigne::Commentaire, "", true, false},
    {false, false, "{A}P1:=0", ClasseLigne::Commentaire, "", false, false},
    {true, false, "P1:=0,0,0,0", ClasseLigne::Commentaire, "", true, false},
    {true, false, "X}P1:=0,0,0,0", ClasseLigne::Commentaire, "", false, false},
    {false, false, "//", ClasseLigne::Commentaire, "", false, false},
    {false, true, "P1=0", ClasseLigne::CorpsForme, "", false, true},
    {false, true, "FIN", ClasseLigne::CorpsForme, "", false, false},
    {false, true, "FIN2", ClasseLigne::CorpsForme, "", false, true},
    {false, true, "P1:=0,0,0,0", ClasseLigne::Instruction, "P1:=0,0,0,0", false, true},
    {false, false, "FIN", ClasseLigne::ErreurSyntaxe, "", false, false},
};

class ClassementLigne : public ExecutionTest, public ::testing::WithParamInterface<CasType> {};

TEST_P(ClassementLigne, FollowsCommentAndFormState) {
    const CasType& cas = GetParam();
    interprete.DansCommentaire = cas.commentaire;
    interprete.DansForme = cas.forme;
    std::string_view ligne = cas.ligne;
    EXPECT_EQ(interprete.TypeLigne(ligne), cas.classe);
    if (cas.classe == ClasseLigne::Instruction) {
        EXPECT_EQ(ligne, cas.reste);
    }
    EXPECT_EQ(interprete.DansCommentaire, cas.commentaireApres);
    EXPECT_EQ(interprete.DansForme, cas.formeApres);
}

INSTANTIATE_TEST_SUITE_P(Lecteur, ClassementLigne, ::testing::ValuesIn(CasTypes));

TEST_F(ExecutionTest, ReadsArgumentListsInOrder) {
    Execute({"P1:=0,0,0,0", "P2:=1,1,0,0", "V4:=3"});
    interprete.LitInstruction(9, "P5:=P1,P2,V4,A45,H,0,0");
    const Instruction& lue = interprete.Lue();
    EXPECT_FALSE(interprete.ErreurLigne);
    EXPECT_EQ(lue.Signature, "PPPNADNN");
    ASSERT_EQ(lue.IndicesP.Taille(), 3);
    EXPECT_EQ(lue.IndicesP[0], 5);
    EXPECT_EQ(lue.IndicesP[1], 1);
    EXPECT_EQ(lue.IndicesP[2], 2);
    ASSERT_EQ(lue.Nombres.Taille(), 4);
    EXPECT_EQ(lue.Nombres[0], 3.0L);
    EXPECT_EQ(lue.Nombres[1], 45.0L);
    ASSERT_EQ(lue.Choix.Taille(), 1);
    EXPECT_EQ(lue.Choix[0], 'H');
}

// Only the ASCII letters are upper-cased, whatever the user's locale: a Turkish locale
// must not turn "i" into a dotted capital, and letters outside ASCII must not become the
// letters Unicode maps them to (the dotless "ı" to the choice letter "I", "ß" to "SS").
TEST_F(ExecutionTest, OnlyAsciiLettersAreUpperCasedInAnyLocale) {
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const std::string ctype = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "tr_TR.UTF-8"); // when installed
    Execute({"p0:=0,0,0,0", "c0:=p0,5,0,0", "p5:=20,0,0,0", "l0:=p0,a0,0,0",
             "c1:=p5,c0,i,0,0 {déjà}", "c2:=p5,c0,ı,0,0",
             "l1:=p5,l0,o,0,0", "v1:=ß", "c4:=p5,c0,é,0,0"});
    std::setlocale(LC_CTYPE, ctype.c_str());
    QLocale::setDefault(avant);
    EXPECT_TRUE(tables.CercleExiste(1));
    EXPECT_TRUE(tables.LigneExiste(1));
    EXPECT_FALSE(tables.CercleExiste(2) || tables.CercleExiste(4));
    EXPECT_FALSE(tables.VariableExiste(1));
    ASSERT_EQ(messages.items.size(), 3u);
    for (const std::string& m : messages.items)
        EXPECT_NE(m.find("Erreur de syntaxe"), std::string::npos) << m;
    EXPECT_EQ(EnleveBlancs("c1 := é, ß, ı, i"), "C1:=é,ß,ı,I");
}

} // namespace
} // namespace velk::test
