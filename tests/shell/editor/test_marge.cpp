// The editor's gutter: marks of faulty lines, how edits and a new run remove them, the
// tooltip lookup by height, the gutter width, and redo with its availability.
#include "shell/editor/outils_widgets.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/marge_lignes.h"

#include <QTextBlock>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace velk {
namespace {

class MargeTest : public ::testing::Test {
public:
    void SetUp() override
    {
        test::Application();
        e_ = std::make_unique<Editeur>();
        e_->setPlainText(QStringLiteral("// a\n// b\n//\nP0:=0,0,0,0\nP1:=P9,0,0,0\nL2:=P8,A0,0,0"));
    }
    // The lines (from 0) that carry a mark.
    std::vector<int> Marquees() const
    {
        std::vector<int> r;
        for (QTextBlock b = e_->document()->begin(); b.isValid(); b = b.next())
            if (Editeur::EstMarque(b))
                r.push_back(b.blockNumber());
        return r;
    }
    void Edite(int ligne, const QString& ajout)
    {
        QTextCursor c(e_->document()->findBlockByNumber(ligne));
        c.movePosition(QTextCursor::EndOfBlock);
        c.insertText(ajout);
    }
    std::unique_ptr<Editeur> e_;
};

TEST_F(MargeTest, MarquesPoseesSurLesLignesDonnees)
{
    e_->MarqueLigne(4, QStringLiteral("(5) Point P9 non défini"));
    e_->MarqueLigne(5, QStringLiteral("(6) Point P8 non défini"));
    e_->MarqueLigne(5, QStringLiteral("(6) autre"));
    e_->MarqueLigne(99, QStringLiteral("(100) hors du texte"));
    e_->MarqueLigne(-1, QStringLiteral("sans ligne"));
    EXPECT_EQ(Marquees(), (std::vector<int>{4, 5}));
    EXPECT_EQ(e_->NombreMarques(), 2);
    EXPECT_EQ(e_->MessageLigne(4), QStringLiteral("(5) Point P9 non défini"));
    EXPECT_EQ(e_->MessageLigne(5), QStringLiteral("(6) Point P8 non défini\n(6) autre"));
    EXPECT_TRUE(e_->MessageLigne(3).isEmpty());
}

TEST_F(MargeTest, UneModificationRetireLaMarqueDeSaLigneSeulement)
{
    struct Cas {
        const char* nom;
        void (*modifie)(MargeTest&);
        std::vector<int> restantes; // marked lines afterwards
    };
    const Cas cas[] = {
        {"typing on the marked line", [](MargeTest& t) { t.Edite(4, QStringLiteral("1")); }, {5}},
        {"typing on an unmarked line", [](MargeTest& t) { t.Edite(3, QStringLiteral("1")); },
         {4, 5}},
        // The marked lines move down with their text and keep their marks.
        {"line inserted above", [](MargeTest& t) {
             QTextCursor c(t.e_->document()->findBlockByNumber(3));
             c.insertText(QStringLiteral("V1:=2\n"));
         }, {5, 6}},
        {"marked line deleted", [](MargeTest& t) {
             QTextCursor c(t.e_->document()->findBlockByNumber(4));
             c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
             c.removeSelectedText();
         }, {4}},
        {"undo after an edit brings no mark back", [](MargeTest& t) {
             t.Edite(5, QStringLiteral("x"));
             t.e_->undo();
         }, {4}},
        {"next run clears all", [](MargeTest& t) { t.e_->EffaceMarques(); }, {}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        SetUp();
        e_->MarqueLigne(4, QStringLiteral("(5) a"));
        e_->MarqueLigne(5, QStringLiteral("(6) b"));
        c.modifie(*this);
        EXPECT_EQ(Marquees(), c.restantes);
    }
}

TEST_F(MargeTest, InfoBulleSelonLaHauteur)
{
    e_->resize(400, 300);
    e_->show();
    e_->MarqueLigne(4, QStringLiteral("(5) Point P9 non défini"));
    const QTextBlock b4 = e_->document()->findBlockByNumber(4);
    const QTextBlock b3 = e_->document()->findBlockByNumber(3);
    EXPECT_EQ(e_->MessageEnY(int(e_->CadreBloc(b4).center().y())),
              QStringLiteral("(5) Point P9 non défini"));
    EXPECT_TRUE(e_->MessageEnY(int(e_->CadreBloc(b3).center().y())).isEmpty());
    EXPECT_TRUE(e_->MessageEnY(5000).isEmpty());
}

TEST_F(MargeTest, LargeurSuitLeNombreDeLignes)
{
    const int petite = e_->Marge().LargeurVoulue();
    QString texte;
    for (int i = 0; i < 123456; ++i)
        texte += QStringLiteral("P0:=0,0,0,0\n");
    e_->setPlainText(texte);
    const int grande = e_->Marge().LargeurVoulue();
    EXPECT_GT(grande, petite);
    EXPECT_GE(grande, e_->Marge().fontMetrics().horizontalAdvance(QStringLiteral("123457")));
    EXPECT_EQ(e_->Marge().width(), grande);
}

TEST_F(MargeTest, RefaireEtSaDisponibilite)
{
    std::vector<bool> dispo;
    QObject::connect(e_.get(), &Editeur::RefaireDisponible, [&dispo](bool d) { dispo.push_back(d); });
    EXPECT_FALSE(e_->PeutRefaire());
    Edite(3, QStringLiteral("9"));
    e_->Defaire();
    ASSERT_FALSE(dispo.empty());
    EXPECT_TRUE(dispo.back());
    e_->Refaire();
    EXPECT_EQ(e_->document()->findBlockByNumber(3).text(), QStringLiteral("P0:=0,0,0,09"));
    EXPECT_FALSE(dispo.back());
    e_->Defaire();
    e_->SetLectureSeule(true);
    int refus = 0;
    QObject::connect(e_.get(), &Editeur::ToucheRefusee, [&refus] { ++refus; });
    e_->Refaire();
    EXPECT_EQ(refus, 1);
    EXPECT_EQ(e_->document()->findBlockByNumber(3).text(), QStringLiteral("P0:=0,0,0,0"));
}

} // namespace
} // namespace velk
