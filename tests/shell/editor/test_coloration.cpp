// Syntax colouring in the editor: only the lines in view get formats, an edit recolours
// what it changes (a "{" reaching over the lines below included), and colouring never
// touches the text's modified flag or undo history.
#include "shell/editor/outils_widgets.h"
#include "shell/widgets/coloration_editeur.h"
#include "shell/widgets/editeur.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <memory>

namespace velk {
namespace {

class ColorationTest : public ::testing::Test {
public:
    void SetUp() override
    {
        test::Application();
        e_ = std::make_unique<Editeur>();
        e_->resize(500, 300);
        QString texte = QStringLiteral("Programme VELK Version 1.0 \nDerniere modif. : \n\n");
        for (int i = 0; i < 3000; ++i)
            texte += QStringLiteral("P%1:=P0,%1.5,H,0,0\n").arg(i);
        e_->setPlainText(texte);
        e_->document()->setModified(false);
    }
    void Peint() { e_->grab(); }
    // The colour given to a character, or an invalid colour when it has none.
    QColor Couleur(int ligne, int colonne) const
    {
        const QTextBlock bloc = e_->document()->findBlockByNumber(ligne);
        for (const QTextLayout::FormatRange& f : bloc.layout()->formats())
            if (colonne >= f.start && colonne < f.start + f.length)
                return f.format.foreground().color();
        return QColor();
    }
    static QColor De(GenreJeton genre) { return ColorationEditeur::Format(genre).foreground().color(); }
    std::unique_ptr<Editeur> e_;
};

TEST_F(ColorationTest, OnlyTheLinesInViewAreColoured)
{
    Peint();
    const long long ouverture = e_->Coloration().LignesColoriees();
    EXPECT_GT(ouverture, 5);
    EXPECT_LT(ouverture, 60);
    EXPECT_EQ(Couleur(0, 0), De(GenreJeton::Entete));
    // "P0:=P0,0.5,H,0,0": definition, ":=", reference, number, choice letter.
    const std::pair<int, GenreJeton> attendus[] = {{0, GenreJeton::Definition}, {2, GenreJeton::Affectation},
                                                   {4, GenreJeton::Reference}, {7, GenreJeton::Nombre},
                                                   {11, GenreJeton::Choix}};
    for (const auto& [colonne, genre] : attendus)
        EXPECT_EQ(Couleur(3, colonne), De(genre)) << colonne;
    EXPECT_FALSE(Couleur(3, 6).isValid()); // the comma
    EXPECT_FALSE(Couleur(2500, 0).isValid());

    // Painting again colours nothing new; scrolling far down colours the lines come into
    // view only.
    Peint();
    EXPECT_EQ(e_->Coloration().LignesColoriees(), ouverture);
    e_->verticalScrollBar()->setValue(2000);
    Peint();
    EXPECT_EQ(Couleur(2000, 0), De(GenreJeton::Definition));
    EXPECT_EQ(Couleur(2005, 11), De(GenreJeton::Nombre));
    EXPECT_FALSE(Couleur(1500, 0).isValid());
    EXPECT_LT(e_->Coloration().LignesColoriees(), 2 * ouverture + 20);
    EXPECT_FALSE(e_->document()->isModified());
    EXPECT_FALSE(e_->document()->isUndoAvailable());
}

TEST_F(ColorationTest, AnOpenBraceRecoloursTheLinesBelowUntilItIsRemoved)
{
    Peint();
    QTextCursor c(e_->document()->findBlockByNumber(4));
    c.movePosition(QTextCursor::EndOfBlock);
    c.insertText(QStringLiteral(" {"));
    Peint();
    EXPECT_EQ(Couleur(4, 0), De(GenreJeton::Commentaire));
    EXPECT_EQ(Couleur(6, 0), De(GenreJeton::Commentaire));
    EXPECT_EQ(Couleur(3, 0), De(GenreJeton::Definition));
    // A "}" further down closes it: the line after is a statement again.
    QTextCursor d(e_->document()->findBlockByNumber(7));
    d.insertText(QStringLiteral("}"));
    Peint();
    EXPECT_EQ(Couleur(7, 0), De(GenreJeton::Commentaire));
    EXPECT_EQ(Couleur(8, 0), De(GenreJeton::Definition));
    e_->undo();
    e_->undo();
    Peint();
    EXPECT_EQ(Couleur(4, 0), De(GenreJeton::Definition));
    EXPECT_EQ(Couleur(6, 0), De(GenreJeton::Definition));
    EXPECT_FALSE(Couleur(4, 17).isValid());
}

TEST_F(ColorationTest, LinesMovedIntoOrOutOfTheHeaderChangeColour)
{
    Peint();
    QTextCursor c(e_->document()->findBlockByNumber(0));
    c.insertText(QStringLiteral("\n"));
    Peint();
    // The old third header line is now the first line that runs, and the other way round.
    EXPECT_EQ(Couleur(1, 0), De(GenreJeton::Entete));
    EXPECT_FALSE(Couleur(3, 0).isValid());
    EXPECT_EQ(Couleur(4, 0), De(GenreJeton::Definition));
    c.deletePreviousChar();
    Peint();
    EXPECT_EQ(Couleur(3, 0), De(GenreJeton::Definition));
}

} // namespace
} // namespace velk
