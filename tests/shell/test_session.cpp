// Memory between sessions: the recent-documents list (order, repeats, limit, pruning of a
// missing file), the round trip of the session file, damaged session files, and the
// window restoring what the previous one left.
#include "fenetre_test.h"

#include "shell/memoire_session.h"

#include <QMenu>
#include <QSplitter>

namespace velk::test {
namespace {

TEST(FichiersRecentsTest, OrdreRepetitionsEtLimite)
{
    struct Cas {
        const char* nom;
        std::vector<const char*> ajouts;
        QStringList attendu;
    };
    const Cas cas[] = {
        {"most recent first", {"a", "b", "c"}, {"c", "b", "a"}},
        {"a repeat moves to the head", {"a", "b", "c", "a"}, {"a", "c", "b"}},
        {"empty path ignored", {"a", "", "b"}, {"b", "a"}},
        {"at most eight",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         {"10", "9", "8", "7", "6", "5", "4", "3"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        FichiersRecents r;
        for (const char* a : c.ajouts)
            r.Ajoute(QString::fromLatin1(a));
        EXPECT_EQ(r.Liste(), c.attendu);
    }
    FichiersRecents r;
    r.Definit({"x", "", "y", "x", "1", "2", "3", "4", "5", "6", "7"});
    EXPECT_EQ(r.Liste(), (QStringList{"x", "y", "1", "2", "3", "4", "5", "6"}));
    r.Retire(QStringLiteral("y"));
    EXPECT_EQ(r.Liste().size(), 7);
    EXPECT_FALSE(r.Liste().contains(QStringLiteral("y")));
}

class SessionTest : public FenetreTest {};

TEST_F(SessionTest, AllerRetourDuFichier)
{
    MemoireSession m(Chemin(QStringLiteral("velk.ini")));
    EXPECT_FALSE(m.Charge()); // no file yet
    m.recents.Ajoute(QStringLiteral("/tmp/un été.vlk"));
    m.recents.Ajoute(QStringLiteral("/tmp/b.vlk"));
    m.geometrie = QByteArray("\x01\x02\x00\xff", 4);
    m.partage = {300, 120};
    m.dernierDossier = QStringLiteral("/tmp");
    ASSERT_TRUE(m.Ecrit());

    MemoireSession lu(m.Fichier());
    ASSERT_TRUE(lu.Charge());
    EXPECT_EQ(lu.recents.Liste(), m.recents.Liste());
    EXPECT_EQ(lu.geometrie, m.geometrie);
    EXPECT_EQ(lu.partage, m.partage);
    EXPECT_EQ(lu.dernierDossier, m.dernierDossier);
}

TEST_F(SessionTest, FichierAbimeIgnore)
{
    const QByteArray contenus[] = {
        QByteArray("\x00\xff\xfe[[[=\n\x01garbage", 16),
        QByteArray("[Documents]\nRecents=@Variant(\\0\\0\\0\\x7f)\nDernierDossier=@ByteArray(x)\n"
                   "[Fenetre]\nPartageTexte=12, moins, 3\nGeometrie=pas une geometrie\n"),
        QByteArray(),
    };
    for (const QByteArray& contenu : contenus) {
        SCOPED_TRACE(contenu.toStdString());
        Ecrit(Chemin(QStringLiteral("velk.ini")), contenu);
        MemoireSession m(Chemin(QStringLiteral("velk.ini")));
        m.Charge();
        EXPECT_LE(m.recents.Liste().size(), FichiersRecents::kMax);
        EXPECT_TRUE(m.partage.isEmpty());
        // The window starts all the same.
        TFPrincipale& f = Demarre();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.DossierDocuments(), Dossier());
    }
}

TEST_F(SessionTest, RecentsEtMemoireDUneSessionALAutre)
{
    const QString a = Chemin(QStringLiteral("a.vlk"));
    const QString b = Chemin(QStringLiteral("b.vlk"));
    for (const QString& c : {a, b})
        Ecrit(c, "// Programme VELK Version 1.0 \n// Derniere modif. : \n//\nP0:=0,0,0,0\n");
    {
        TFPrincipale& f = Demarre();
        EXPECT_FALSE(f.MenuRecents()->isEnabled());
        dialogues_.RepondFichierOuvrir(a);
        f.OuvrirClick();
        dialogues_.RepondFichierOuvrir(b);
        f.OuvrirClick();
        EXPECT_EQ(f.FichiersRecents(), (QStringList{b, a}));
        ASSERT_EQ(f.MenuRecents()->actions().size(), 2);
        // Reopening the older one from the submenu puts it first.
        f.MenuRecents()->actions().at(1)->trigger();
        EXPECT_EQ(f.NomFichier(), a);
        EXPECT_EQ(f.FichiersRecents(), (QStringList{a, b}));
        f.resize(700, 500);
        f.findChild<QSplitter*>(QStringLiteral("PartageTexte"))->setSizes({200, 100});
        f.EnregistreSession();
        MemoireSession ecrite(Chemin(QStringLiteral("velk.ini")));
        ASSERT_TRUE(ecrite.Charge());
        EXPECT_FALSE(ecrite.geometrie.isEmpty());
        EXPECT_EQ(ecrite.recents.Liste(), (QStringList{a, b}));
    }
    QFile::remove(b);
    TFPrincipale& f = Demarre();
    EXPECT_EQ(f.FichiersRecents(), (QStringList{a, b}));
    EXPECT_EQ(f.DossierDocuments(), Dossier().chopped(1));
    EXPECT_EQ(f.findChild<QSplitter*>(QStringLiteral("PartageTexte"))->sizes().size(), 2);
    // The missing file is removed when chosen, with a notice, and nothing is opened.
    f.MenuRecents()->actions().at(1)->trigger();
    EXPECT_EQ(f.FichiersRecents(), QStringList{a});
    ASSERT_EQ(dialogues_.Textes(G::Information).size(), 1u);
    EXPECT_TRUE(dialogues_.Textes(G::Information).front().contains(QStringLiteral("b.vlk")));
    EXPECT_NE(f.NomFichier(), b);
    // The open dialog starts in the folder of the last document.
    dialogues_.RepondFichierOuvrir(QString());
    f.OuvrirClick();
    EXPECT_EQ(dialogues_.Appels().back().dossier, Dossier().chopped(1));
}

} // namespace
} // namespace velk::test
