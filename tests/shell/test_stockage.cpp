// Table files that cannot be used: the window still starts and runs programs with its
// tables in memory, and says once, in French, which file was not used and why. And the
// message list, kept compactly so that millions of messages fit.
#include "fenetre_test.h"

#include "language/messages.h"
#include "shell/liste_messages_vue.h"

#include <sqlite3.h>

#include <iterator>

namespace velk::test {
namespace {

using Stockage = FenetreTest;

void ExecuteSql(const QString& fichier, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(fichier.toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

TEST_F(Stockage, FichiersInutilisablesSignalesUneFois)
{
    const QByteArray dechets(3000, '\xAB');
    Ecrit(Chemin(QStringLiteral("Points.DB")), dechets);
    ExecuteSql(Chemin(QStringLiteral("Formes.DB")), "CREATE TABLE Commandes (Numero INTEGER)");

    TFPrincipale& f = Demarre();
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 1);
    const QString message = dialogues_.Textes(G::Erreur).front();
    EXPECT_TRUE(message.contains(Chemin(QStringLiteral("Points.DB")))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("n'est pas un fichier de table")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(Chemin(QStringLiteral("Formes.DB")))) << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("Lignes.DB"))) << message.toStdString();

    // The first run drew the axes from tables in memory.
    EXPECT_EQ(f.Donnees().NombrePoints(), 1);
    EXPECT_EQ(f.Donnees().NombreLignes(), 2);
    // Runs and tab changes that follow say nothing more, and the files stay as they were.
    Texte({"//", "//", "//", "P0:=0,0,0,0", "P1:=1,1,0,0", "C0:=P1,2,0,0"});
    for (int k = 0; k < 3; ++k) {
        f.ExecuterClick();
        f.Dossier().setCurrentIndex(2);
        f.Dossier().setCurrentIndex(0);
    }
    EXPECT_EQ(f.Donnees().NombrePoints(), 2);
    EXPECT_EQ(f.Donnees().NombreCercles(), 1);
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 1);
    EXPECT_EQ(Lit(Chemin(QStringLiteral("Points.DB"))), dechets);
}

TEST_F(Stockage, DossierAbsentLaFenetreTravailleEnMemoire)
{
    qputenv("VELK_DOSSIER", (dossier_.path() + QStringLiteral("/absent")).toUtf8());
    fenetre_ = std::make_unique<TFPrincipale>(dialogues_, dossier_.path() + "/absent/",
                                              QStringLiteral("Velk"));
    fenetre_->show();
    fenetre_->EtapeAffichage();
    EXPECT_GE(dialogues_.Nombre(G::Erreur), 1);
    const int erreurs = dialogues_.Nombre(G::Erreur);
    EXPECT_TRUE(dialogues_.Textes(G::Erreur).front().contains(QStringLiteral("absent")));
    EXPECT_EQ(fenetre_->Donnees().NombreLignes(), 2);
    fenetre_->ExecuterClick();
    fenetre_->Dossier().setCurrentIndex(2);
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), erreurs);
}

// Messages are kept by their parts and composed when shown: every item must read exactly as
// the composed message, including those whose parts do not fit the compact form.
TEST(ModeleMessagesCompact, ChaqueMessageSeRelitALIdentique)
{
    const struct {
        int ligne, code;
        const char* indice;
    } kCas[] = {
        {6, 40, "1"},        {4, 0, ""},          {9, 13, "65535"},     {12, 98, "texte libre"},
        {3, 10, "007"},      {5, 11, "70000"},    {2147483647, 99, ""}, {7, 12, "-1"},
        {8, 100, ""},        {1, 300, ""},        {0, 2, ""},
    };
    ModeleMessages modele;
    for (const auto& c : kCas)
        modele.Ajoute(c.ligne, c.code, c.indice);
    modele.Ajoute(std::string("(1) tel quel"));
    ASSERT_EQ(modele.Nombre(), int(std::size(kCas)) + 1);
    for (size_t i = 0; i < std::size(kCas); ++i)
        EXPECT_EQ(modele.Item(int(i)), ComposeMessage(kCas[i].ligne, kCas[i].code, kCas[i].indice))
            << i;
    EXPECT_EQ(modele.Item(int(std::size(kCas))), "(1) tel quel");
    modele.Publie();
    EXPECT_EQ(modele.rowCount(), modele.Nombre());
    EXPECT_EQ(modele.data(modele.index(0, 0)).toString(), QStringLiteral("(6) Point P1 déjà défini"));
    modele.Vide();
    EXPECT_EQ(modele.Nombre(), 0);
}

} // namespace
} // namespace velk::test
