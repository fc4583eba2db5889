// velk-run's option parsing and the JSON building blocks.
#include "cli/options_run.h"
#include "cli/sortie_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>

namespace velk {
namespace {

struct CasOptions {
    std::vector<std::string> arguments;
    bool accepte;
    const char* erreur; // start of the expected message when refused
    bool json;
    const char* tables;
    const char* programme;
};

TEST(OptionsRun, ReadsFlagsValuesAndOneProgram) {
    const CasOptions cas[] = {
        {{"a.vlk"}, true, "", false, "", "a.vlk"},
        {{"--json", "a.vlk"}, true, "", true, "", "a.vlk"},
        {{"a.vlk", "--tables", "t"}, true, "", false, "t", "a.vlk"},
        {{"--tables=t/u", "--json", "a.vlk"}, true, "", true, "t/u", "a.vlk"},
        {{"--", "--json"}, true, "", false, "", "--json"},
        {{"-"}, true, "", false, "", "-"},
        {{}, false, "Aucun fichier programme indiqué.", false, "", ""},
        {{"--json"}, false, "Aucun fichier programme indiqué.", false, "", ""},
        {{"a.vlk", "b.vlk"}, false, "Un seul fichier programme", false, "", ""},
        {{"--tables"}, false, "L'option --tables attend une valeur", false, "", ""},
        {{"--tables=", "a.vlk"}, false, "L'option --tables attend une valeur non vide", false, "", ""},
        {{"--json=oui", "a.vlk"}, false, "L'option --json ne prend pas de valeur.", false, "", ""},
        {{"--jsn", "a.vlk"}, false, "Option inconnue : --jsn", false, "", ""},
    };
    for (const auto& c : cas) {
        OptionsRun o;
        std::string erreur;
        const bool ok = LitOptions(c.arguments, o, erreur);
        SCOPED_TRACE(c.arguments.empty() ? "(rien)" : c.arguments[0]);
        ASSERT_EQ(ok, c.accepte) << erreur;
        if (!ok) {
            EXPECT_EQ(erreur.rfind(c.erreur, 0), 0u) << erreur;
            continue;
        }
        EXPECT_EQ(o.json, c.json);
        EXPECT_EQ(o.dossierTables, c.tables);
        EXPECT_EQ(o.programme, c.programme);
    }
}

// Characters of a UTF-8 line.
size_t Colonnes(const std::string& ligne) {
    size_t n = 0;
    for (unsigned char c : ligne) n += (c & 0xC0) != 0x80;
    return n;
}

// The help's option entries are the lines starting with two blanks and a dash:
// "  -h, --help   ..." names -h and --help.
std::set<std::string> EntreesAide(const std::string& aide, size_t& largeurMax) {
    std::set<std::string> noms;
    largeurMax = 0;
    std::istringstream lignes(aide);
    for (std::string ligne; std::getline(lignes, ligne);) {
        largeurMax = std::max(largeurMax, Colonnes(ligne));
        if (ligne.rfind("  -", 0) != 0) continue;
        std::istringstream mots(ligne);
        for (std::string mot; mots >> mot;) {
            const bool suite = !mot.empty() && mot.back() == ',';
            if (suite) mot.pop_back();
            noms.insert(mot);
            if (!suite) break;
        }
    }
    return noms;
}

// Every option the parser takes, short spellings included, has its own help entry, and
// every entry names an option the parser takes: an option added to the table without
// help, or help left for a removed option, fails here. The text fits 80 columns.
TEST(OptionsRun, HelpFitsAndHasAnEntryForExactlyTheOptionsAccepted) {
    OptionsRun o;
    std::string erreur;
    ASSERT_TRUE(LitOptions({"-h"}, o, erreur));
    EXPECT_TRUE(o.aide);

    size_t largeur = 0;
    const std::set<std::string> entrees = EntreesAide(TexteAide(), largeur);
    EXPECT_LE(largeur, LargeurAide);

    std::set<std::string> acceptees;
    for (const auto& d : DefinitionsOptions()) {
        EXPECT_GT(d.aide ? std::strlen(d.aide) : 0u, 10u) << d.nom;
        acceptees.insert(d.nom);
    }
    for (const auto& a : AliasOptions()) acceptees.insert(a.court);
    EXPECT_EQ(entrees, acceptees);

    for (const std::string& nom : entrees) {
        OptionsRun lues;
        std::string message;
        LitOptions({nom, "valeur", "a.vlk"}, lues, message);
        EXPECT_EQ(message.find("Option inconnue"), std::string::npos) << message;
    }
}

// The help explains the forms of the command line and the outputs a script reads.
TEST(OptionsRun, HelpExplainsFormsAndOutputs) {
    const std::string aide = TexteAide();
    for (const char* mot : {"--option=valeur", " -- ", "SQLite", "Points.DB", "messages",
                            "points", "lines", "circles", "variables", "-80..80",
                            "nouveau programme"})
        EXPECT_NE(aide.find(mot), std::string::npos) << mot;
}

TEST(Json, StringsAreEscapedAndAlwaysValidUtf8) {
    const std::pair<std::string, std::string> cas[] = {
        {"(5) Point P1 déjà défini", "\"(5) Point P1 déjà défini\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\n\r\t", "\"\\n\\r\\t\""},
        {std::string("\x01\x1f\x7f\0", 4), "\"\\u0001\\u001f\\u007f\\u0000\""},
        {"\xff\xe9t\xe9", "\"\xEF\xBF\xBD\xEF\xBF\xBDt\xEF\xBF\xBD\""},
    };
    for (const auto& [texte, attendu] : cas) {
        std::string s;
        AjouteChaineJson(s, texte);
        EXPECT_EQ(s, attendu);
    }
}

TEST(Json, RealsReadBackToTheSameDouble) {
    for (double x : {0.0, -0.0, 1.0, 0.1, 1.0 / 3, -2.5e-300, 1.7976931348623157e308,
                     4.9406564584124654e-324, 24.248711305964282, 70.6, 1e21, 123456789.0}) {
        std::string s;
        AjouteReelJson(s, x);
        EXPECT_EQ(std::strtod(s.c_str(), nullptr), x) << s;
        EXPECT_EQ(s.find(','), std::string::npos) << s;
    }
    std::string s;
    AjouteReelJson(s, 30.0);
    EXPECT_EQ(s, "30");
    s.clear();
    AjouteReelJson(s, 1.0 / 0.0);
    EXPECT_EQ(s, "null");
}

} // namespace
} // namespace velk
