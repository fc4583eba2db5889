// Find and replace: where a search starts, the two end-of-search notices, the preset
// search text, the case-sensitive replace step, and replace-all always ending.
#include "shell/editor/outils_widgets.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/recherche.h"
#include "support/dialogues_scriptes.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace velk {
namespace {

using test::GenreDialogue;

// Records whether the replace dialog was still open when a notice was shown.
class DialoguesTemoins : public test::DialoguesScriptes {
public:
    const QWidget* surveille = nullptr;
    std::vector<bool> ouvertPendantInformation;
    void Information(const QString& texte) override
    {
        ouvertPendantInformation.push_back(surveille && surveille->isVisible());
        DialoguesScriptes::Information(texte);
    }
};

class RechercheTest : public ::testing::Test {
protected:
    void Texte(const QString& t)
    {
        editeur.setPlainText(t);
        editeur.moveCursor(QTextCursor::End);
    }
    void Selectionne(int debut, int fin)
    {
        QTextCursor c(editeur.document());
        c.setPosition(debut);
        c.setPosition(fin, QTextCursor::KeepAnchor);
        editeur.setTextCursor(c);
    }
    QString Selection() const { return editeur.textCursor().selectedText(); }

    QApplication& application = test::Application(); // before any widget
    Editeur editeur;
    DialoguesTemoins dialogues;
    Recherche recherche{editeur, dialogues, nullptr};
};

TEST_F(RechercheTest, ChercheDepuisLaFinDeLaSelectionOuLeDebut)
{
    Texte(QStringLiteral("P0 P1 P0 P1"));
    auto& d = recherche.DialogRechercher();
    d.SetTexteCherche(QStringLiteral("P1"));
    // The caret at the end and nothing selected: the search starts at the beginning.
    recherche.DialogRechercherFind();
    EXPECT_EQ(editeur.textCursor().selectionStart(), 3);
    EXPECT_EQ(Selection(), QStringLiteral("P1"));
    recherche.DialogRechercherFind();
    EXPECT_EQ(editeur.textCursor().selectionStart(), 9);
    EXPECT_TRUE(dialogues.Appels().empty());
    EXPECT_FALSE(d.isVisible());
}

TEST_F(RechercheTest, NonTrouveAnnonceEtReduitLaSelection)
{
    Texte(QStringLiteral("abc xyz abc"));
    Selectionne(4, 7);
    recherche.ChercherClick();
    auto& d = recherche.DialogRechercher();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.TexteCherche(), QStringLiteral("xyz")); // preset from the selection
    recherche.DialogRechercherFind();
    EXPECT_EQ(dialogues.Textes(GenreDialogue::Information),
              std::vector<QString>{QStringLiteral("Chaine 'xyz' non trouvée !")});
    EXPECT_FALSE(editeur.textCursor().hasSelection());
    EXPECT_EQ(editeur.textCursor().position(), 4);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(RechercheTest, TexteProposeSeulementPourUneSelectionDe1A19Caracteres)
{
    Texte(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    auto& d = recherche.DialogRechercher();
    d.SetTexteCherche(QStringLiteral("avant"));
    Selectionne(0, 20);
    recherche.ChercherClick();
    EXPECT_EQ(d.TexteCherche(), QStringLiteral("avant"));
    Selectionne(0, 19);
    recherche.ChercherClick();
    EXPECT_EQ(d.TexteCherche(), QStringLiteral("ABCDEFGHIJKLMNOPQRS"));
    Selectionne(5, 5);
    recherche.RemplacerClick();
    EXPECT_TRUE(recherche.DialogRemplacer().TexteCherche().isEmpty());
}

struct CasOptions {
    bool casse;
    bool motEntier;
    int attendu; // start of the first match, -1 when none
};

class OptionsRecherche : public RechercheTest, public ::testing::WithParamInterface<CasOptions> {};

TEST_P(OptionsRecherche, CasseEtMotEntier)
{
    Texte(QStringLiteral("p10 P1 p1"));
    auto& d = recherche.DialogRechercher();
    d.SetTexteCherche(QStringLiteral("P1"));
    d.SetRespecterCasse(GetParam().casse);
    d.SetMotEntier(GetParam().motEntier);
    recherche.DialogRechercherFind();
    if (GetParam().attendu < 0) {
        EXPECT_EQ(dialogues.Nombre(GenreDialogue::Information), 1);
    } else {
        EXPECT_EQ(editeur.textCursor().selectionStart(), GetParam().attendu);
    }
}

INSTANTIATE_TEST_SUITE_P(Options, OptionsRecherche,
                         ::testing::Values(CasOptions{false, false, 0}, CasOptions{true, false, 4},
                                           CasOptions{false, true, 4},
                                           CasOptions{true, true, 4}));

TEST_F(RechercheTest, RemplacerToutPuisMessageDeFin)
{
    Texte(QStringLiteral("L1 L1"));
    auto& d = recherche.DialogRemplacer();
    dialogues.surveille = &d;
    recherche.RemplacerClick();
    d.SetTexteCherche(QStringLiteral("L1"));
    d.SetTexteRemplacement(QStringLiteral("L10"));
    recherche.DialogRemplacerReplace(true);
    EXPECT_EQ(editeur.toPlainText(), QStringLiteral("L10 L10"));
    EXPECT_EQ(dialogues.Textes(GenreDialogue::Information),
              std::vector<QString>{QStringLiteral("Remplacement de 'L1' par 'L10' terminé !")});
    // The dialog is closed before its end message.
    EXPECT_EQ(dialogues.ouvertPendantInformation, std::vector<bool>{false});
    EXPECT_FALSE(editeur.textCursor().hasSelection());
    // One undo step brings the whole text back.
    editeur.undo();
    EXPECT_EQ(editeur.toPlainText(), QStringLiteral("L1 L1"));
}

// The replace dialog edits behind the control's back: on a read-only text it only beeps.
TEST_F(RechercheTest, UnTexteEnLectureSeuleNEstPasRemplace)
{
    Texte(QStringLiteral("L1 L1"));
    editeur.SetLectureSeule(true);
    auto& d = recherche.DialogRemplacer();
    d.SetTexteCherche(QStringLiteral("L1"));
    d.SetTexteRemplacement(QStringLiteral("L10"));
    for (bool tout : {false, true})
        recherche.DialogRemplacerReplace(tout);
    EXPECT_EQ(editeur.toPlainText(), QStringLiteral("L1 L1"));
    EXPECT_EQ(dialogues.Nombre(GenreDialogue::Bip), 2);
}

TEST_F(RechercheTest, RemplacementUnParUnLaisseLeTexteInsereSelectionne)
{
    Texte(QStringLiteral("P0 p0 P0"));
    auto& d = recherche.DialogRemplacer();
    d.SetTexteCherche(QStringLiteral("P0"));
    d.SetTexteRemplacement(QStringLiteral("P9"));
    recherche.RemplacerClick();
    // A selected p0 is not the search text for the replace step, even without match
    // case: the search moves on to the next occurrence, which is replaced.
    Selectionne(3, 5);
    recherche.DialogRemplacerReplace(false);
    EXPECT_EQ(editeur.toPlainText(), QStringLiteral("P0 p0 P9"));
    EXPECT_EQ(Selection(), QStringLiteral("P9"));
    EXPECT_EQ(editeur.textCursor().selectionStart(), 6);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(dialogues.Appels().empty());

    // Nothing follows the inserted text: the search ends with its notice.
    recherche.DialogRemplacerFind();
    EXPECT_EQ(dialogues.Nombre(GenreDialogue::Information), 1);
    EXPECT_FALSE(d.isVisible());
}

struct CasRemplaceTout {
    const char* texte;
    const char* cherche;
    const char* remplace;
    bool casse;
    const char* attendu;
};

class RemplaceToutTermine : public RechercheTest,
                            public ::testing::WithParamInterface<CasRemplaceTout> {};

// Replace-all must end whatever the replacement: equal to the search text, containing
// it, or empty; each occurrence of the original text is replaced exactly once.
TEST_P(RemplaceToutTermine, ChaqueOccurrenceUneFois)
{
    const auto& c = GetParam();
    Texte(QString::fromUtf8(c.texte));
    auto& d = recherche.DialogRemplacer();
    d.SetTexteCherche(QString::fromUtf8(c.cherche));
    d.SetTexteRemplacement(QString::fromUtf8(c.remplace));
    d.SetRespecterCasse(c.casse);
    recherche.DialogRemplacerReplace(true);
    EXPECT_EQ(editeur.toPlainText(), QString::fromUtf8(c.attendu));
    EXPECT_EQ(dialogues.Nombre(GenreDialogue::Information), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, RemplaceToutTermine,
    ::testing::Values(CasRemplaceTout{"a a a", "a", "a", false, "a a a"},
                      CasRemplaceTout{"a a", "a", "aa", false, "aa aa"},
                      CasRemplaceTout{"aabb", "ab", "", false, "ab"},
                      CasRemplaceTout{"P1 p1\nP1", "p1", "V2", false, "V2 V2\nV2"},
                      CasRemplaceTout{"P1 p1\nP1", "p1", "V2", true, "P1 V2\nP1"},
                      CasRemplaceTout{"xyz", "abc", "d", false, "xyz"},
                      CasRemplaceTout{"xyz", "", "d", false, "xyz"}));

TEST_F(RechercheTest, F3SansTexteOuvreLeDialogue)
{
    Texte(QStringLiteral("abc"));
    recherche.DialogRechercherFind();
    EXPECT_TRUE(recherche.DialogRechercher().isVisible());
    EXPECT_TRUE(dialogues.Appels().empty());
}

} // namespace
} // namespace velk
