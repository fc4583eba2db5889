// Autosave, recovery at start, the command-line file, closing, and the lock that keeps a
// second instance away from the autosave file.
#include "fenetre_test.h"

#include "shell/autosauvegarde.h"

#include <QAction>
#include <QFileInfo>
#include <QTabWidget>

namespace velk::test {
namespace {

using Sauvegarde = FenetreTest;

const QString kRecuperer = QStringLiteral("Recupérer le fichier de sauvegarde précédent ?");
const QByteArray kProgrammeSauve = "h1\r\nh2\r\nh3\r\nP3:=3,3,0,0\r\n";

TEST_F(Sauvegarde, LeTempsEcritSeulementUnTexteModifie)
{
    TFPrincipale& f = Demarre();
    AutoSauvegarde& s = f.Sauvegarde();
    EXPECT_FALSE(s.TempoSauvegardeTimer());
    EXPECT_FALSE(QFileInfo::exists(Chemin("VELK.SAV")));

    Texte({"a", "b", "c", "P1:=1,1,0,0"});
    const QString titre = f.windowTitle();
    EXPECT_TRUE(s.TempoSauvegardeTimer());
    EXPECT_EQ(Lit(Chemin("VELK.SAV")), QByteArray("a\r\nb\r\nc\r\nP1:=1,1,0,0\r\n"));
    // The document itself is untouched by the autosave.
    EXPECT_TRUE(f.Lignes().Modifie());
    EXPECT_EQ(f.windowTitle(), titre);
    EXPECT_EQ(f.Panneau(1), QStringLiteral("Modifié"));
}

TEST_F(Sauvegarde, UnEchecEstSignaleUneSeuleFois)
{
    TFPrincipale& f = Demarre();
    AutoSauvegarde& s = f.Sauvegarde();
    Texte({"a", "b", "c"});
    // A folder in the way of the file makes every write fail.
    ASSERT_TRUE(QDir().mkdir(Chemin("VELK.SAV")));
    EXPECT_FALSE(s.TempoSauvegardeTimer());
    EXPECT_FALSE(s.TempoSauvegardeTimer());
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 1);
    ASSERT_TRUE(QDir().rmdir(Chemin("VELK.SAV")));
    EXPECT_TRUE(s.TempoSauvegardeTimer());
    ASSERT_TRUE(QFile::remove(Chemin("VELK.SAV")));
    ASSERT_TRUE(QDir().mkdir(Chemin("VELK.SAV")));
    EXPECT_FALSE(s.TempoSauvegardeTimer());
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 2);
    QDir().rmdir(Chemin("VELK.SAV"));
}

TEST_F(Sauvegarde, RecuperationOui)
{
    Ecrit(Chemin("VELK.SAV"), kProgrammeSauve);
    Ecrit(Chemin("argument.vlk"), "1\r\n2\r\n3\r\n");
    dialogues_.RepondQuestion(Reponse::Oui);
    TFPrincipale& f = Demarre(Chemin("argument.vlk"));
    // Only the recovery is offered; the command-line file is ignored.
    ASSERT_EQ(dialogues_.Appels().size(), 1u);
    EXPECT_EQ(dialogues_.Appels()[0].texte, kRecuperer);
    EXPECT_FALSE(dialogues_.Appels()[0].avecAnnuler);
    EXPECT_EQ(f.NomFichier(), Chemin("VELK.SAV"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Velk - VELK.SAV"));
    EXPECT_EQ(Lignes().back(), "P3:=3,3,0,0");
    // The recovered text is saved nowhere yet.
    EXPECT_TRUE(f.Lignes().Modifie());
    EXPECT_EQ(f.Panneau(1), QStringLiteral("Modifié"));
    // The start-up run drew the default program; the recovered text is not run.
    EXPECT_EQ(f.Donnees().NombrePoints(), 0);
}

// "No" to the recovery sets the file aside instead of deleting the only copy of the work,
// replacing an older copy set aside.
TEST_F(Sauvegarde, RecuperationNonMetLeFichierDeCote)
{
    Ecrit(Chemin("VELK.~sv"), "plus ancien\r\n");
    Ecrit(Chemin("VELK.SAV"), kProgrammeSauve);
    dialogues_.RepondQuestion(Reponse::Non);
    TFPrincipale& f = Demarre();
    EXPECT_FALSE(QFileInfo::exists(Chemin("VELK.SAV")));
    EXPECT_EQ(Lit(Chemin("VELK.~sv")), kProgrammeSauve);
    EXPECT_EQ(f.NomFichier(), QStringLiteral("SansNom"));
    EXPECT_FALSE(f.Lignes().Modifie());
}

// Recover, type, Ctrl+S, quit, restart, "No": the work is never written into the autosave
// file by a save, and never destroyed.
TEST_F(Sauvegarde, LeTravailRecupereNeVitJamaisDansLaSauvegarde)
{
    Ecrit(Chemin("VELK.SAV"), kProgrammeSauve);
    dialogues_.RepondQuestion(Reponse::Oui);
    TFPrincipale& f = Demarre();
    f.Dossier().setCurrentIndex(1);
    f.EditeurTexte().moveCursor(QTextCursor::End);
    Touche(&f.EditeurTexte(), Qt::Key_Return);
    Tape(&f.EditeurTexte(), QStringLiteral("P4:=4,4,0,0"));

    // Ctrl+S asks for a name, in the program folder, with nothing proposed.
    dialogues_.RepondFichierEnregistrer(QString());
    f.Action(QStringLiteral("MenuEnregistrer"))->trigger();
    ASSERT_EQ(dialogues_.Nombre(G::FichierEnregistrer), 1);
    const AppelDialogue& sous = dialogues_.Appels().back();
    EXPECT_EQ(sous.dossier, Dossier());
    EXPECT_EQ(sous.nomPropose, QString());
    EXPECT_EQ(Lit(Chemin("VELK.SAV")), kProgrammeSauve);
    EXPECT_FALSE(QFileInfo::exists(Chemin("VELK.~lk")));
    EXPECT_TRUE(f.Lignes().Modifie());

    // The timer keeps the typed text in the autosave file, as for any unsaved text.
    ASSERT_TRUE(f.Sauvegarde().TempoSauvegardeTimer());
    // Quitting without saving keeps the autosave file.
    dialogues_.RepondQuestion(Reponse::Non);
    EXPECT_TRUE(f.AccepteFermeture());
    EXPECT_EQ(dialogues_.Textes(G::Question).back(),
              "Enregistrer les modifications dans " + Chemin("VELK.SAV") + " ?");
    ASSERT_TRUE(QFileInfo::exists(Chemin("VELK.SAV")));

    dialogues_.RepondQuestion(Reponse::Non);
    Demarre();
    EXPECT_FALSE(QFileInfo::exists(Chemin("VELK.SAV")));
    EXPECT_TRUE(Lit(Chemin("VELK.~sv")).contains("P4:=4,4,0,0"));
}

// Saved under a name of its own, the recovered text leaves the autosave file, which goes at
// the next orderly close; a copy set aside earlier is left alone.
TEST_F(Sauvegarde, RecuperationOuiPuisEnregistrementSousSonNom)
{
    Ecrit(Chemin("VELK.~sv"), "mis de cote\r\n");
    Ecrit(Chemin("VELK.SAV"), kProgrammeSauve);
    dialogues_.RepondQuestion(Reponse::Oui);
    TFPrincipale& f = Demarre();
    // The autosave file's own name is refused, then a name of its own is taken.
    dialogues_.RepondFichierEnregistrer(Chemin("VELK.SAV"))
        .RepondFichierEnregistrer(Chemin("recupere.vlk"));
    EXPECT_FALSE(f.EnregistrerClick());
    EXPECT_EQ(dialogues_.Nombre(G::Information), 1);
    EXPECT_EQ(Lit(Chemin("VELK.SAV")), kProgrammeSauve);
    ASSERT_TRUE(f.EnregistrerClick());
    EXPECT_EQ(f.NomFichier(), Chemin("recupere.vlk"));
    EXPECT_TRUE(Lit(Chemin("recupere.vlk")).contains("P3:=3,3,0,0"));
    EXPECT_FALSE(f.Lignes().Modifie());

    EXPECT_TRUE(f.AccepteFermeture());
    EXPECT_FALSE(QFileInfo::exists(Chemin("VELK.SAV")));
    EXPECT_EQ(Lit(Chemin("VELK.~sv")), "mis de cote\r\n");
}

TEST_F(Sauvegarde, FichierDeLaLigneDeCommande)
{
    Ecrit(Chemin("argument.vlk"), "1\r\n2\r\n3\r\nP8:=0,0,0,0\r\n");
    TFPrincipale& f = Demarre(Chemin("argument.vlk"));
    EXPECT_EQ(f.NomFichier(), Chemin("argument.vlk"));
    EXPECT_EQ(Lignes().back(), "P8:=0,0,0,0");
    EXPECT_EQ(dialogues_.Appels().size(), 0u);

    // A name that is not an existing file is ignored.
    TFPrincipale& g = Demarre(Chemin("inexistant.vlk"));
    EXPECT_EQ(g.NomFichier(), QStringLiteral("SansNom"));
}

TEST_F(Sauvegarde, FermetureSupprimeUneSauvegardePerimee)
{
    TFPrincipale& f = Demarre();
    Ecrit(Chemin("VELK.SAV"), kProgrammeSauve);
    EXPECT_TRUE(f.AccepteFermeture());
    EXPECT_FALSE(QFileInfo::exists(Chemin("VELK.SAV")));
    EXPECT_FALSE(f.Donnees().TablesPretes());
}

TEST_F(Sauvegarde, UneSuppressionImpossibleNEmpechePasDeQuitter)
{
    TFPrincipale& f = Demarre();
    // A non-empty folder of that name cannot be removed as a file.
    ASSERT_TRUE(QDir().mkpath(Chemin("VELK.SAV/x")));
    EXPECT_TRUE(f.AccepteFermeture());
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 1);
    QDir(Chemin("VELK.SAV")).removeRecursively();
}

TEST_F(Sauvegarde, FermetureGardeLaSauvegardeQuandCEstLeDocument)
{
    Ecrit(Chemin("VELK.SAV"), kProgrammeSauve);
    dialogues_.RepondQuestion(Reponse::Oui).RepondQuestion(Reponse::Non);
    TFPrincipale& f = Demarre();
    // Changes given up on the recovered text: it is offered again at the next start.
    EXPECT_TRUE(f.AccepteFermeture());
    EXPECT_EQ(Lit(Chemin("VELK.SAV")), kProgrammeSauve);
}

TEST_F(Sauvegarde, FermetureAvecTexteAbandonneGardeLaSauvegarde)
{
    TFPrincipale& f = Demarre();
    Texte({"a", "b", "c", "P1:=0,0,0,0"});
    ASSERT_TRUE(f.Sauvegarde().TempoSauvegardeTimer());
    // "No" gives the changes up: the text is no longer modified and the file goes.
    dialogues_.RepondQuestion(Reponse::Non);
    EXPECT_TRUE(f.AccepteFermeture());
    EXPECT_FALSE(QFileInfo::exists(Chemin("VELK.SAV")));
}

TEST_F(Sauvegarde, UnSecondExemplaireNeTouchePasALaSauvegarde)
{
    TFPrincipale& premier = Demarre();
    Ecrit(Chemin("VELK.SAV"), kProgrammeSauve);

    DialoguesScriptes dialogues2;
    {
        TFPrincipale second(dialogues2, Dossier(), QStringLiteral("Velk"));
        second.EtapeAffichage();
        EXPECT_FALSE(second.Sauvegarde().Proprietaire());
        ASSERT_EQ(dialogues2.Appels().size(), 1u); // told once, no recovery offered
        EXPECT_EQ(dialogues2.Appels()[0].genre, G::Information);
        EXPECT_EQ(second.Donnees().NombreLignes(), 2); // its own tables work

        second.Lignes().AjouteLigne("P9:=0,0,0,0");
        EXPECT_FALSE(second.Sauvegarde().TempoSauvegardeTimer());
        EXPECT_EQ(Lit(Chemin("VELK.SAV")), kProgrammeSauve);
        second.Lignes().SetModifie(false);
        EXPECT_TRUE(second.AccepteFermeture());
        EXPECT_TRUE(QFileInfo::exists(Chemin("VELK.SAV")));
    }
    // The first instance's tables were not emptied by the second one.
    EXPECT_EQ(premier.Donnees().NombreLignes(), 2);
    EXPECT_TRUE(premier.Sauvegarde().Proprietaire());
}

} // namespace
} // namespace velk::test
