// The window's saves when the disk fails: Ctrl+S, save as, closing and the autosave. The
// user is told which file and why, the text stays in the editor marked modified, and the
// files on the disk are those of before.
#include "fenetre_test.h"

#include "support/couche_fichiers_panne.h"

#include "shell/autosauvegarde.h"

#include <QAction>

#include <cerrno>

namespace velk::test {
namespace {

using Op = OperationFichier;

class EnregistrementPanne : public FenetreTest {
protected:
    // The files of the folder but those of the tables, the lock and the session.
    QStringList Fichiers() const
    {
        QStringList r;
        for (const QString& nom :
             QDir(dossier_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
            if (!nom.endsWith(QStringLiteral(".DB")) && nom != QStringLiteral("VELK.LCK") &&
                nom != QStringLiteral("velk.ini"))
                r << nom;
        return r;
    }
    // A named document saved twice: it has a backup.
    TFPrincipale& DocumentAvecSecours()
    {
        TFPrincipale& f = Demarre();
        f.SetCoucheFichiers(couche_);
        dialogues_.RepondFichierEnregistrer(Chemin("piece.vlk"));
        Texte({"a", "b", "c", "P1:=1,1,0,0"});
        EXPECT_TRUE(f.EnregistrerClick());
        f.Lignes().AjouteLigne("P2:=2,2,0,0");
        EXPECT_TRUE(f.EnregistrerClick());
        document_ = Lit(Chemin("piece.vlk"));
        secours_ = Lit(Chemin("piece.~lk"));
        EXPECT_FALSE(secours_.isEmpty());
        return f;
    }

    CoucheFichiersPanne couche_;
    QByteArray document_, secours_;
};

TEST_F(EnregistrementPanne, CtrlSEnEchecNeToucheAAucunFichier)
{
    const struct {
        Op op;
        int erreur;
        const char* raison;
    } kCas[] = {
        {Op::Cree, EACCES, "accès refusé"},
        {Op::Ecrit, ENOSPC, "le disque est plein"},
        {Op::Synchronise, EIO, "entrée-sortie"},
        {Op::Renomme, EISDIR, "c'est un dossier"},
    };
    for (const auto& c : kCas) {
        SCOPED_TRACE(c.raison);
        fenetre_.reset();
        QFile::remove(Chemin("piece.vlk"));
        QFile::remove(Chemin("piece.~lk"));
        couche_ = CoucheFichiersPanne();
        TFPrincipale& f = DocumentAvecSecours();
        const int erreurs = dialogues_.Nombre(G::Erreur);
        // The next call of that kind fails.
        couche_.Echoue(c.op, couche_.Appels(c.op) + 1, c.erreur);
        f.Lignes().AjouteLigne("P3:=3,3,0,0");
        f.Action(QStringLiteral("MenuEnregistrer"))->trigger();

        ASSERT_EQ(dialogues_.Nombre(G::Erreur), erreurs + 1);
        const QString message = dialogues_.Textes(G::Erreur).back();
        EXPECT_TRUE(message.contains(Chemin("piece.vlk"))) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.raison))) << message.toStdString();
        EXPECT_EQ(Lit(Chemin("piece.vlk")), document_);
        EXPECT_EQ(Lit(Chemin("piece.~lk")), secours_);
        EXPECT_EQ(Fichiers(), (QStringList{"piece.vlk", "piece.~lk"}));
        EXPECT_EQ(Lignes().back(), "P3:=3,3,0,0");
        EXPECT_TRUE(f.Lignes().Modifie());
        EXPECT_EQ(f.Panneau(1), QStringLiteral("Modifié"));
        EXPECT_EQ(f.NomFichier(), Chemin("piece.vlk"));

        // Once the disk is back, the same command saves.
        f.Action(QStringLiteral("MenuEnregistrer"))->trigger();
        EXPECT_EQ(dialogues_.Nombre(G::Erreur), erreurs + 1);
        EXPECT_FALSE(f.Lignes().Modifie());
        EXPECT_TRUE(Lit(Chemin("piece.vlk")).contains("P3:=3,3,0,0"));
        EXPECT_EQ(Lit(Chemin("piece.~lk")), document_);
    }
}

TEST_F(EnregistrementPanne, EnregistrerSousEnEchecGardeLeNomEtLeTexte)
{
    TFPrincipale& f = Demarre();
    f.SetCoucheFichiers(couche_);
    couche_.Echoue(Op::Ecrit, 1, ENOSPC);
    Texte({"a", "b", "c", "P1:=1,1,0,0"});
    dialogues_.RepondFichierEnregistrer(Chemin("neuf.vlk"));
    EXPECT_FALSE(f.EnregistrersousClick());
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 1);
    EXPECT_TRUE(dialogues_.Textes(G::Erreur).front().contains(Chemin("neuf.vlk")));
    EXPECT_EQ(f.NomFichier(), QStringLiteral("SansNom"));
    EXPECT_TRUE(f.Lignes().Modifie());
    EXPECT_EQ(Fichiers(), QStringList());

    // Quitting with Yes and a save that fails again: the window stays open.
    couche_.EchoueToujours(Op::Renomme, 1, EROFS);
    dialogues_.RepondQuestion(Reponse::Oui).RepondFichierEnregistrer(Chemin("neuf.vlk"));
    EXPECT_FALSE(f.AccepteFermeture());
    EXPECT_TRUE(f.Lignes().Modifie());
    EXPECT_EQ(Fichiers(), QStringList());
}

TEST_F(EnregistrementPanne, SauvegardeAutomatiqueEnEchecGardeLaPrecedente)
{
    TFPrincipale& f = Demarre();
    f.SetCoucheFichiers(couche_);
    AutoSauvegarde& s = f.Sauvegarde();
    Texte({"a", "b", "c", "P1:=1,1,0,0"});
    ASSERT_TRUE(s.TempoSauvegardeTimer());
    const QByteArray precedente = Lit(Chemin("VELK.SAV"));

    couche_.EchoueToujours(Op::Ecrit, couche_.Appels(Op::Ecrit) + 1, ENOSPC);
    f.Lignes().AjouteLigne("P2:=2,2,0,0");
    EXPECT_FALSE(s.TempoSauvegardeTimer());
    EXPECT_FALSE(s.TempoSauvegardeTimer());
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 1);
    EXPECT_TRUE(dialogues_.Textes(G::Erreur).front().contains(QStringLiteral("le disque est plein")));
    EXPECT_EQ(Lit(Chemin("VELK.SAV")), precedente);
    EXPECT_EQ(Fichiers(), QStringList{"VELK.SAV"});
    EXPECT_TRUE(f.Lignes().Modifie());
}

} // namespace
} // namespace velk::test
