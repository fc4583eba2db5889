// The window's run marks the faulty lines in the editor's gutter and clears them at the
// next run; "&Refaire" follows the editor's redo.
#include "fenetre_test.h"

#include <QAction>

namespace velk::test {
namespace {

using MarquesFenetre = FenetreTest;

std::vector<std::string> Programme(std::vector<std::string> instructions)
{
    std::vector<std::string> r = {"// Programme VELK Version 1.0 ", "// Derniere modif. : ", "//"};
    r.insert(r.end(), instructions.begin(), instructions.end());
    return r;
}

TEST_F(MarquesFenetre, LesLignesFautivesSontMarqueesPuisEffaceesAuRun)
{
    TFPrincipale& f = Demarre();
    Editeur& e = f.EditeurTexte();
    Texte(Programme({"P0:=0,0,0,0", "P1:=P7,0,0,0,0", "P2:=1,1,0,0", "P0:=0,0,0,0"}));
    f.ExecuterClick();
    // Lines 5 and 7 as the messages count them: editor lines 4 and 6.
    EXPECT_EQ(e.NombreMarques(), 2);
    EXPECT_NE(e.MessageLigne(4).indexOf(QStringLiteral("(5)")), -1);
    EXPECT_EQ(e.MessageLigne(6), QStringLiteral("(7) Point P0 déjà défini"));
    EXPECT_TRUE(e.MessageLigne(5).isEmpty());

    // Correcting one line removes its mark at once; the next run clears the other.
    QTextCursor c(e.document()->findBlockByNumber(6));
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(QStringLiteral("P3:=0,0,0,0"));
    EXPECT_EQ(e.NombreMarques(), 1);
    EXPECT_FALSE(e.MessageLigne(4).isEmpty());
    QTextCursor d(e.document()->findBlockByNumber(4));
    d.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    d.insertText(QStringLiteral("P1:=2,2,0,0"));
    d.insertText(QStringLiteral("\nP9:=P8,0,0,0,0"));
    f.ExecuterClick();
    EXPECT_EQ(e.NombreMarques(), 1);
    EXPECT_NE(e.MessageLigne(5).indexOf(QStringLiteral("(6)")), -1);
}

TEST_F(MarquesFenetre, RefaireSuitLEditeur)
{
    TFPrincipale& f = Demarre();
    QAction* refaire = f.Action(QStringLiteral("MenuRefaire"));
    QAction* defaire = f.Action(QStringLiteral("MenuDefaire"));
    ASSERT_NE(refaire, nullptr);
    EXPECT_FALSE(refaire->isEnabled());
    f.EditeurTexte().moveCursor(QTextCursor::End);
    f.EditeurTexte().insertPlainText(QStringLiteral("\nV1:=2"));
    const QString tape = f.EditeurTexte().toPlainText();
    EXPECT_FALSE(refaire->isEnabled());
    defaire->trigger();
    EXPECT_TRUE(refaire->isEnabled());
    EXPECT_NE(f.EditeurTexte().toPlainText(), tape);
    refaire->trigger();
    EXPECT_EQ(f.EditeurTexte().toPlainText(), tape);
    EXPECT_FALSE(refaire->isEnabled());
}

} // namespace
} // namespace velk::test
