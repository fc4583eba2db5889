// The editor tab: status texts, the Insert key, modified and undo signals, and the line
// list the run reads, including reads interleaved with changes of the text.
#include "shell/editor/outils_widgets.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/lignes_editeur.h"

#include <QTextBlock>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velk {
namespace {

// Every value a signal carried, in order.
template <typename T, typename Signal>
std::vector<T>& Ecoute(Editeur& e, Signal signal, std::vector<T>& valeurs)
{
    QObject::connect(&e, signal, [&valeurs](T v) { valeurs.push_back(v); });
    return valeurs;
}

class EditeurTest : public ::testing::Test {
protected:
    void SetUp() override { test::Application(); }
};

TEST_F(EditeurTest, PositionDuDebutDeLaSelection)
{
    EXPECT_EQ(Editeur::TextePosition(1, 1), QStringLiteral("Ligne :   1   Colonne :   1"));
    EXPECT_EQ(Editeur::TextePosition(1234, 56), QStringLiteral("Ligne : 1234   Colonne :  56"));

    Editeur e;
    std::vector<QString> position;
    std::vector<bool> selection;
    Ecoute(e, &Editeur::PositionChangee, position);
    Ecoute(e, &Editeur::SelectionChangee, selection);
    e.setPlainText(QStringLiteral("P0:=0,0\nL12:=P0,A0\nfin"));
    QTextCursor c(e.document()->findBlockByNumber(1));
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 4);
    c.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
    e.setTextCursor(c);
    EXPECT_EQ(e.TextePosition(), QStringLiteral("Ligne :   2   Colonne :   5"));
    // A selection made backwards still reports where it starts.
    c.setPosition(e.document()->findBlockByNumber(2).position() + 2);
    c.setPosition(e.document()->findBlockByNumber(0).position() + 1, QTextCursor::KeepAnchor);
    e.setTextCursor(c);
    EXPECT_EQ(e.TextePosition(), QStringLiteral("Ligne :   1   Colonne :   2"));
    ASSERT_FALSE(position.empty());
    EXPECT_EQ(position.back(), e.TextePosition());
    EXPECT_TRUE(selection.back());
    e.moveCursor(QTextCursor::Start);
    EXPECT_FALSE(selection.back());
    EXPECT_EQ(position.back(), QStringLiteral("Ligne :   1   Colonne :   1"));
}

TEST_F(EditeurTest, ToucheInsertionBasculeLeModeEtLaFrappe)
{
    Editeur e;
    std::vector<bool> mode;
    Ecoute(e, &Editeur::RemplacementChange, mode);
    e.setPlainText(QStringLiteral("ABCD"));
    e.moveCursor(QTextCursor::Start);
    EXPECT_FALSE(e.ModeRemplacement());
    EXPECT_EQ(Editeur::TexteRemplacement(e.ModeRemplacement()), QStringLiteral("Insertion"));

    test::Touche(&e, Qt::Key_Insert);
    EXPECT_TRUE(e.ModeRemplacement());
    EXPECT_EQ(mode, std::vector<bool>{true});
    EXPECT_EQ(Editeur::TexteRemplacement(true), QStringLiteral("Remplacement"));
    test::Tape(&e, QStringLiteral("xy"));
    EXPECT_EQ(e.toPlainText(), QStringLiteral("xyCD"));

    test::Touche(&e, Qt::Key_Insert);
    EXPECT_FALSE(e.ModeRemplacement());
    test::Tape(&e, QStringLiteral("z"));
    EXPECT_EQ(e.toPlainText(), QStringLiteral("xyzCD"));
}

TEST_F(EditeurTest, ModifieDefaireEtSupprimer)
{
    Editeur e;
    e.setPlainText(QStringLiteral("P0:=0,0"));
    e.document()->setModified(false);
    std::vector<bool> modifie, defaire;
    Ecoute(e, &Editeur::ModifieChange, modifie);
    Ecoute(e, &Editeur::DefaireDisponible, defaire);
    EXPECT_FALSE(e.PeutDefaire());
    EXPECT_EQ(Editeur::TexteModifie(false), QString());

    e.moveCursor(QTextCursor::End);
    test::Tape(&e, QStringLiteral("1"));
    ASSERT_FALSE(modifie.empty());
    EXPECT_TRUE(modifie.back());
    EXPECT_EQ(Editeur::TexteModifie(true), QStringLiteral("Modifié"));
    ASSERT_FALSE(defaire.empty());
    EXPECT_TRUE(defaire.back());

    std::vector<bool> coller;
    Ecoute(e, &Editeur::CollerDisponible, coller);
    e.SetLectureSeule(true);
    ASSERT_FALSE(coller.empty());
    EXPECT_FALSE(coller.back()); // nothing can be pasted into a read-only text
    e.SetLectureSeule(false);

    e.selectAll();
    e.Supprimer();
    EXPECT_TRUE(e.toPlainText().isEmpty());
    e.Defaire();
    EXPECT_EQ(e.toPlainText(), QStringLiteral("P0:=0,01"));
}

// Ctrl+Del belongs to the "&Supprimer" menu command; the other edit keys stay with
// the control.
TEST_F(EditeurTest, CtrlSupprLaisseAuRaccourciDeLaFenetre)
{
    Editeur e;
    QKeyEvent ctrlSuppr(QEvent::ShortcutOverride, Qt::Key_Delete, Qt::ControlModifier);
    QApplication::sendEvent(&e, &ctrlSuppr);
    EXPECT_FALSE(ctrlSuppr.isAccepted());
    e.setPlainText(QStringLiteral("abc"));
    QKeyEvent ctrlC(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    e.selectAll();
    QApplication::sendEvent(&e, &ctrlC);
    EXPECT_TRUE(ctrlC.isAccepted());
}

TEST_F(EditeurTest, VaLigneAuDelaDeLaFinVaALaDerniere)
{
    Editeur e;
    e.setPlainText(QStringLiteral("a\nb\nc"));
    e.VaLigne(1);
    EXPECT_EQ(e.LigneCurseur(), 2);
    e.VaLigne(99);
    EXPECT_EQ(e.LigneCurseur(), 3);
    e.VaLigne(-4);
    EXPECT_EQ(e.LigneCurseur(), 1);
}

TEST_F(EditeurTest, PoliceAChassFixe)
{
    Editeur e;
    EXPECT_EQ(e.font().pixelSize(), 17);
    const QString famille = Editeur::FamillePolice();
    EXPECT_TRUE(famille == QStringLiteral("Courier New") ||
                famille == QStringLiteral("Liberation Mono") || QFontInfo(e.font()).fixedPitch())
        << famille.toStdString();
    EXPECT_EQ(e.lineWrapMode(), QPlainTextEdit::NoWrap);
}

std::vector<std::string> Lignes(const ListeLignes& l)
{
    std::vector<std::string> r;
    for (int k = 0; k < l.NombreLignes(); ++k)
        r.push_back(l.Ligne(k));
    return r;
}

using V = std::vector<std::string>;

struct CasTexte {
    const char* texte;
    V lignes;
};

class LignesParTexte : public EditeurTest, public ::testing::WithParamInterface<CasTexte> {};

TEST_P(LignesParTexte, DecoupageEnLignes)
{
    Editeur e;
    LignesEditeur l(e);
    l.DefinitTexte(QString::fromUtf8(GetParam().texte));
    EXPECT_EQ(Lignes(l), GetParam().lignes);
}

INSTANTIATE_TEST_SUITE_P(
    Textes, LignesParTexte,
    ::testing::Values(CasTexte{"", {}}, CasTexte{"a", {"a"}}, CasTexte{"a\n", {"a"}},
                      CasTexte{"a\n\nb", {"a", "", "b"}}, CasTexte{"\n", {""}},
                      CasTexte{"a\n\n", {"a", ""}},
                      CasTexte{"P0:=0,0 {é}\nL0:=P0,A0", {"P0:=0,0 {é}", "L0:=P0,A0"}}));

TEST_F(EditeurTest, LignesInsereSupprimeAjoute)
{
    Editeur e;
    LignesEditeur l(e);
    l.AjouteLigne("b");
    l.AjouteLigne("d");
    EXPECT_EQ(Lignes(l), (V{"b", "d"}));
    l.InsereLigne(0, "a");
    l.InsereLigne(2, "c");
    l.InsereLigne(9, "e"); // past the end: appended
    EXPECT_EQ(Lignes(l), (V{"a", "b", "c", "d", "e"}));
    l.SupprimeLigne(4); // the last line, with the break before it
    l.SupprimeLigne(0);
    l.SupprimeLigne(7); // out of range: nothing
    l.SupprimeLigne(-1);
    EXPECT_EQ(Lignes(l), (V{"b", "c", "d"}));
    EXPECT_EQ(l.Texte(), QStringLiteral("b\nc\nd"));
    EXPECT_EQ(l.Ligne(3), "");
    EXPECT_EQ(l.Ligne(-1), "");

    // A final line break is not an extra line, and appending fills it.
    l.DefinitTexte(QStringLiteral("x\n"));
    l.AjouteLigne("y");
    EXPECT_EQ(Lignes(l), (V{"x", "y"}));
    l.SupprimeLigne(0);
    l.SupprimeLigne(0);
    EXPECT_EQ(l.NombreLignes(), 0);

    l.SetModifie(true);
    EXPECT_TRUE(l.Modifie());
    EXPECT_TRUE(e.document()->isModified());
    l.SetModifie(false);
    EXPECT_FALSE(l.Modifie());
    l.AjouteLigne("z");
    EXPECT_TRUE(e.document()->isUndoAvailable());
    l.EffaceHistorique();
    EXPECT_FALSE(e.document()->isUndoAvailable());
    l.Vide();
    EXPECT_EQ(l.NombreLignes(), 0);
}

// Reading walks from the last line read; a change in between must not leave it reading
// a stale or removed block.
TEST_F(EditeurTest, LectureSequentielleApresModification)
{
    Editeur e;
    LignesEditeur l(e);
    l.DefinitTexte(QStringLiteral("l0\nl1\nl2\nl3\nl4"));
    EXPECT_EQ(l.Ligne(2), "l2");
    l.InsereLigne(0, "n");
    EXPECT_EQ(l.Ligne(3), "l2");
    EXPECT_EQ(l.Ligne(2), "l1");
    l.SupprimeLigne(3);
    EXPECT_EQ(l.Ligne(3), "l3");
    // A change typed by the user counts too.
    QTextCursor c(e.document());
    c.insertText(QStringLiteral("t\n"));
    EXPECT_EQ(l.Ligne(4), "l3");
    // Inside an edit block the change signal is held back until its end.
    EXPECT_EQ(Lignes(l), (V{"t", "n", "l0", "l1", "l3", "l4"}));
    QTextCursor groupe(e.document());
    groupe.beginEditBlock();
    groupe.insertText(QStringLiteral("X"));
    EXPECT_EQ(Lignes(l), (V{"Xt", "n", "l0", "l1", "l3", "l4"}));
    groupe.endEditBlock();
    l.Vide();
    EXPECT_EQ(l.Ligne(0), "");
    l.AjouteLigne("seule");
    EXPECT_EQ(l.Ligne(0), "seule");
}

// A walk through the text reads from a UTF-8 copy; single lines come from their block.
// Both must give the same bytes and the same numbering.
TEST_F(EditeurTest, LectureSuivieEtLigneIsoleeDonnentLesMemesOctets)
{
    Editeur e;
    LignesEditeur l(e);
    const QString lignes[] = {QStringLiteral("P0:=0,0 {côté}"), QStringLiteral("\U0001F600x"),
                              QString(), QStringLiteral("a") + QChar(QChar::LineSeparator) +
                                             QStringLiteral("b"),
                              QStringLiteral("\u00A0fin")};
    QTextCursor c(e.document());
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            c.insertBlock();
        c.insertText(lignes[i]);
    }
    ASSERT_EQ(l.NombreLignes(), 5);
    std::vector<std::string> isolees;
    for (int k = 4; k >= 0; --k) // backwards: no copy is taken
        isolees.insert(isolees.begin(), l.Ligne(k));
    EXPECT_EQ(Lignes(l), isolees); // forwards: served from the copy
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(isolees[static_cast<std::size_t>(i)], lignes[i].toStdString());
    EXPECT_EQ(l.Ligne(5), "");
}

TEST_F(EditeurTest, GrandTexteLuEnEntier)
{
    Editeur e;
    LignesEditeur l(e);
    QString texte;
    const int n = 200000;
    texte.reserve(n * 12);
    for (int k = 0; k < n; ++k)
        texte += QStringLiteral("P%1:=%1,0\n").arg(k);
    l.DefinitTexte(texte);
    ASSERT_EQ(l.NombreLignes(), n);
    std::size_t total = 0;
    for (int k = 0; k < n; ++k)
        total += l.Ligne(k).size();
    EXPECT_EQ(static_cast<int>(total), texte.size() - n);
    EXPECT_EQ(l.Ligne(n - 1), "P199999:=199999,0");
    EXPECT_EQ(l.Ligne(7), "P7:=7,0");
}

} // namespace
} // namespace velk
