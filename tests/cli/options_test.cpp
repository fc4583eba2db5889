// velk-run's option parsing and the JSON building blocks.
#include "cli/options_run.h"
#include "cli/sortie_json.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

TEST(OptionsRun, HelpNeedsNoProgramAndListsEveryOption) {
    OptionsRun o;
    std::string erreur;
    ASSERT_TRUE(LitOptions({"-h"}, o, erreur));
    EXPECT_TRUE(o.aide);
    const std::string aide = TexteAide();
    for (const auto& d : DefinitionsOptions())
        EXPECT_NE(aide.find(d.nom), std::string::npos) << d.nom;
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
