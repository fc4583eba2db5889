// Document commands: save and its backup, save as, open, drop, new, the save question and
// the mended rule that a save which did not happen stops the command that asked for it.
#include "fenetre_test.h"

#include "language/fichier_programme.h"
#include "shell/autosauvegarde.h"
#include "shell/liste_messages_vue.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>

namespace velk::test {
namespace {

using Documents = FenetreTest;

std::vector<std::string> LignesDe(const QString& chemin)
{
    return LitFichierProgramme(chemin.toStdString());
}

TEST_F(Documents, EnregistrerDeuxFoisGardeLaPremiereVersionEnSecours)
{
    TFPrincipale& f = Demarre();
    const QString doc = Chemin("piece.vlk");
    dialogues_.RepondFichierEnregistrer(doc);
    Texte({"a", "b", "c", "P0:=1,1,0,0"});
    ASSERT_TRUE(f.EnregistrerClick()); // unnamed: goes through save as
    EXPECT_EQ(f.NomFichier(), doc);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Velk - piece.vlk"));
    EXPECT_FALSE(f.Lignes().Modifie());
    EXPECT_EQ(f.Panneau(1), QString());
    EXPECT_FALSE(QFileInfo::exists(Chemin("piece.~lk"))); // save as makes no backup
    const std::vector<std::string> premiere = LignesDe(doc);

    f.Lignes().AjouteLigne("P1:=2,2,0,0");
    ASSERT_TRUE(f.EnregistrerClick());
    EXPECT_EQ(LignesDe(Chemin("piece.~lk")), premiere);
    const std::vector<std::string> seconde = LignesDe(doc);
    ASSERT_FALSE(seconde.empty());
    EXPECT_EQ(seconde.back(), "P1:=2,2,0,0");
    EXPECT_EQ(dialogues_.Appels().size(), 1u);
}

TEST_F(Documents, EnteteInsereeOuActualisee)
{
    TFPrincipale& f = Demarre();
    const QString doc = Chemin("sans_entete.vlk");
    // A text without header gets the three header lines in front.
    dialogues_.RepondFichierEnregistrer(doc);
    Texte({"P0:=0,0,0,0", "P1:=1,0,0,0"});
    ASSERT_TRUE(f.EnregistrersousClick());
    std::vector<std::string> l = LignesDe(doc);
    ASSERT_EQ(l.size(), 5u);
    EXPECT_NE(l[0].find("Programme VELK Version 1.0 "), std::string::npos);
    EXPECT_EQ(l[3], "P0:=0,0,0,0");

    // Saving without changes keeps the date line; a change refreshes it.
    f.Lignes().SupprimeLigne(1);
    f.Lignes().InsereLigne(1, "repere");
    f.Lignes().SetModifie(false);
    ASSERT_TRUE(f.EnregistrerClick());
    EXPECT_EQ(LignesDe(doc)[1], "repere");
    f.Lignes().AjouteLigne("P2:=2,0,0,0");
    ASSERT_TRUE(f.EnregistrerClick());
    l = LignesDe(doc);
    EXPECT_NE(l[1], "repere");
    EXPECT_EQ(l[1].rfind("Derniere modif. : ", 0), 0u);
}

TEST_F(Documents, EnregistrerSousUnFichierExistantDemandeConfirmation)
{
    TFPrincipale& f = Demarre();
    const QString cible = Chemin("existant.vlk");
    Ecrit(cible, "ancien\r\n");
    Texte({"a", "b", "c", "P0:=0,0,0,0"});
    const struct {
        Reponse reponse;
        bool ecrit;
    } kCas[] = {{Reponse::Non, false}, {Reponse::Annuler, false}, {Reponse::Oui, true}};
    for (const auto& c : kCas) {
        dialogues_.RepondFichierEnregistrer(cible).RepondQuestion(c.reponse);
        EXPECT_EQ(f.EnregistrersousClick(), c.ecrit);
        EXPECT_EQ(Lit(cible) == "ancien\r\n", !c.ecrit);
        EXPECT_EQ(f.Lignes().Modifie(), !c.ecrit);
    }
    EXPECT_EQ(dialogues_.Textes(G::Question).front(), "Remplacer fichier " + cible + " ?");
    EXPECT_FALSE(QFileInfo::exists(Chemin("existant.~lk")));
    // The dialog was offered the program folder, the current name and the default extension.
    const AppelDialogue& a = dialogues_.Appels().front();
    EXPECT_EQ(a.texte, QStringLiteral("Enregistrement fichier programme"));
    EXPECT_EQ(a.dossier, Dossier());
    EXPECT_EQ(a.nomPropose, QStringLiteral("SansNom"));
    EXPECT_EQ(a.extension, QStringLiteral("vlk"));
}

TEST_F(Documents, OuvrirLectureSeuleVideLesTablesEtMontreLeTexte)
{
    TFPrincipale& f = Demarre();
    const QString doc = Chemin("lu.vlk");
    Ecrit(doc, "x\r\ny\r\nz\r\nP5:=1,2,0,0\r\n");
    Texte({"a", "b", "c", "P0:=0,0,0,0", "P0:=0,0,0,0"});
    f.ExecuterClick();
    ASSERT_EQ(f.Messages().NombreMessages(), 1);

    dialogues_.RepondQuestion(Reponse::Non).RepondFichierOuvrir(doc, true);
    f.OuvrirClick();
    EXPECT_EQ(dialogues_.Textes(G::Question).front(),
              QStringLiteral("Enregistrer les modifications dans SansNom ?"));
    const AppelDialogue& ouvrir = dialogues_.Appels()[1];
    EXPECT_EQ(ouvrir.texte, QStringLiteral("Ouverture fichier programme"));
    EXPECT_EQ(ouvrir.dossier, Dossier());
    EXPECT_EQ(ouvrir.filtre, QStringLiteral("Fichiers VELK ( *.vlk)|*.vlk|Tous fichiers ( *.*)|*.*"));
    EXPECT_EQ(f.NomFichier(), doc);
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"x", "y", "z", "P5:=1,2,0,0"}));
    EXPECT_TRUE(f.EditeurTexte().isReadOnly());
    EXPECT_FALSE(f.Lignes().Modifie());
    // The text tab is shown and the menus follow it.
    EXPECT_EQ(f.Dossier().currentIndex(), 1);
    EXPECT_TRUE(f.MenuChercher()->menuAction()->isVisible());
    EXPECT_FALSE(f.MenuEcran()->menuAction()->isVisible());
    // Nothing of the previous document is left to pick or use.
    EXPECT_EQ(f.Donnees().NombrePoints(), 0);
    EXPECT_EQ(f.Donnees().NombreLignes(), 0);
    EXPECT_EQ(f.Messages().NombreMessages(), 0);
    EXPECT_TRUE(f.Messages().isHidden());
    const QImage image = f.SurfaceGraphique().Image();
    const TVue& vue = f.Vue().VueEcran();
    EXPECT_EQ(image.pixel(XEcran(vue, 0), YEcran(vue, 0)), QColor(Qt::white).rgb()); // P0 is gone

}

// A read-only text says so in the status bar and beeps at every key that would change it;
// a new program and a normal open make it editable again.
TEST_F(Documents, LectureSeuleVisibleEtLeveeParNouveauOuOuverture)
{
    TFPrincipale& f = Demarre();
    const QString doc = Chemin("lu.vlk");
    Ecrit(doc, "x\r\ny\r\nz\r\nP5:=1,2,0,0\r\n");
    Editeur& e = f.EditeurTexte();
    EXPECT_EQ(f.Panneau(2), QStringLiteral("Insertion"));

    const auto ouvre = [&](bool lectureSeule) {
        dialogues_.RepondFichierOuvrir(doc, lectureSeule);
        f.OuvrirClick();
        e.moveCursor(QTextCursor::End);
    };
    ouvre(true);
    ASSERT_TRUE(e.isReadOnly());
    EXPECT_EQ(f.Panneau(2), QStringLiteral("Lecture seule"));
    const QString texte = e.toPlainText();
    const struct {
        int touche;
        const char* texte;
        Qt::KeyboardModifiers modificateurs;
        bool bip;
    } kTouches[] = {{Qt::Key_X, "x", Qt::NoModifier, true},
                    {Qt::Key_Eacute, "\xC3\xA9", Qt::NoModifier, true},
                    {Qt::Key_Backspace, "\b", Qt::NoModifier, true},
                    {Qt::Key_Delete, "", Qt::NoModifier, true},
                    {Qt::Key_Return, "\r", Qt::NoModifier, true},
                    {Qt::Key_V, "\x16", Qt::ControlModifier, true},
                    {Qt::Key_Left, "", Qt::NoModifier, false},
                    {Qt::Key_Home, "", Qt::ShiftModifier, false},
                    {Qt::Key_C, "c", Qt::ControlModifier, false}};
    for (const auto& t : kTouches) {
        dialogues_.EffaceAppels();
        Touche(&e, t.touche, QString::fromUtf8(t.texte), t.modificateurs);
        EXPECT_EQ(dialogues_.Nombre(G::Bip), t.bip ? 1 : 0) << t.touche;
        EXPECT_EQ(e.toPlainText(), texte) << t.touche;
    }
    // The commands that change the text refuse too: Supprimer edits behind the control.
    e.selectAll();
    dialogues_.EffaceAppels();
    f.Dossier().setCurrentIndex(1);
    for (const char* commande : {"MenuSupprimer", "MenuCouper"})
        f.Action(QString::fromLatin1(commande))->trigger();
    EXPECT_EQ(dialogues_.Nombre(G::Bip), 2);
    EXPECT_EQ(e.toPlainText(), texte);
    EXPECT_FALSE(f.Lignes().Modifie());

    f.NouveauClick();
    EXPECT_FALSE(e.isReadOnly());
    EXPECT_EQ(f.Panneau(2), QStringLiteral("Insertion"));
    e.moveCursor(QTextCursor::End);
    Tape(&e, QStringLiteral("a"));
    EXPECT_TRUE(e.toPlainText().endsWith(QLatin1Char('a')));

    dialogues_.RepondQuestion(Reponse::Non);
    ouvre(true);
    ouvre(false);
    EXPECT_FALSE(e.isReadOnly());
    EXPECT_EQ(f.Panneau(2), QStringLiteral("Insertion"));
    dialogues_.EffaceAppels();
    Tape(&e, QStringLiteral("b"));
    EXPECT_TRUE(e.toPlainText().endsWith(QLatin1Char('b')));
    EXPECT_EQ(dialogues_.Nombre(G::Bip), 0);
}

// "No" to the save question gives the changes up only for a document that replaces them:
// when nothing is opened, the text stays unsaved and quitting asks again.
TEST_F(Documents, NonPuisRienDOuvertGardeLeTexteModifie)
{
    TFPrincipale& f = Demarre();
    const QString absent = Chemin("absent.vlk");
    enum Commande { OuvrirAnnule, OuvrirIllisible, DeposerIllisible };
    for (Commande c : {OuvrirAnnule, OuvrirIllisible, DeposerIllisible}) {
        Texte({"a", "b", "c", "P9:=9,9,0,0"});
        dialogues_.RepondQuestion(Reponse::Non);
        switch (c) {
        case OuvrirAnnule:
            dialogues_.RepondFichierOuvrir(QString());
            f.OuvrirClick();
            break;
        case OuvrirIllisible:
            dialogues_.RepondFichierOuvrir(absent);
            f.OuvrirClick();
            break;
        case DeposerIllisible: EXPECT_FALSE(f.FichierDepose(absent)); break;
        }
        EXPECT_EQ(Lignes().back(), "P9:=9,9,0,0") << c;
        EXPECT_TRUE(f.Lignes().Modifie()) << c;
        EXPECT_EQ(f.Panneau(1), QStringLiteral("Modifié")) << c;
        EXPECT_EQ(f.NomFichier(), QStringLiteral("SansNom"));
        // Quitting asks before the edits could go.
        dialogues_.RepondQuestion(Reponse::Annuler);
        EXPECT_FALSE(f.AccepteFermeture()) << c;
    }
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 2);

    // Saved by "Yes", the text stays saved when the open is then cancelled.
    const QString doc = Chemin("garde.vlk");
    Texte({"a", "b", "c", "P9:=9,9,0,0"});
    dialogues_.RepondQuestion(Reponse::Oui).RepondFichierEnregistrer(doc).RepondFichierOuvrir(
        QString());
    f.OuvrirClick();
    EXPECT_FALSE(f.Lignes().Modifie());
    EXPECT_EQ(f.NomFichier(), doc);
}

// Every command that would drop unsaved text stops when the save question is cancelled or
// when Yes did not end in a saved text (save as cancelled, replace refused).
TEST_F(Documents, UnTexteNonEnregistreNEstJamaisPerdu)
{
    TFPrincipale& f = Demarre();
    const QString autre = Chemin("autre.vlk");
    Ecrit(autre, "1\r\n2\r\n3\r\nP1:=0,0,0,0\r\n");
    const std::vector<std::string> precieux = {"a", "b", "c", "P7:=7,7,0,0"};
    enum Commande { Nouveau, Ouvrir, Deposer, Fermer };
    const struct {
        Commande commande;
        bool oui; // Yes then the save-as dialog cancelled, else Cancel
    } kCas[] = {{Nouveau, false}, {Nouveau, true}, {Ouvrir, false}, {Ouvrir, true},
                {Deposer, false}, {Deposer, true}, {Fermer, false}, {Fermer, true}};
    for (const auto& c : kCas) {
        Texte(precieux);
        if (c.oui)
            dialogues_.RepondQuestion(Reponse::Oui).RepondFichierEnregistrer(QString());
        else
            dialogues_.RepondQuestion(Reponse::Annuler);
        switch (c.commande) {
        case Nouveau: f.NouveauClick(); break;
        case Ouvrir: f.OuvrirClick(); break; // the open dialog must not even show
        case Deposer: EXPECT_FALSE(f.FichierDepose(autre)); break;
        case Fermer: EXPECT_FALSE(f.AccepteFermeture()); break;
        }
        EXPECT_EQ(Lignes(), precieux) << c.commande << c.oui;
        EXPECT_TRUE(f.Lignes().Modifie()) << c.commande << c.oui;
        EXPECT_EQ(f.NomFichier(), QStringLiteral("SansNom"));
    }
    EXPECT_EQ(dialogues_.Nombre(G::FichierOuvrir), 0);
}

TEST_F(Documents, NouveauApresNonRepartDuModele)
{
    TFPrincipale& f = Demarre();
    const QString doc = Chemin("n.vlk");
    dialogues_.RepondFichierEnregistrer(doc);
    Texte({"a", "b", "c", "P4:=1,1,0,0"});
    ASSERT_TRUE(f.EnregistrerClick());
    f.Lignes().AjouteLigne("P5:=2,2,0,0");
    dialogues_.RepondQuestion(Reponse::Non);
    f.NouveauClick();
    EXPECT_EQ(f.NomFichier(), QStringLiteral("SansNom"));
    EXPECT_EQ(f.Lignes().NombreLignes(), 6);
    EXPECT_FALSE(f.Lignes().Modifie());
    EXPECT_EQ(f.Donnees().NombreLignes(), 2); // the new program ran
}

TEST_F(Documents, EcritureImpossibleSignaleeEtTexteToujoursModifie)
{
    TFPrincipale& f = Demarre();
    const QString absent = Chemin("absent/x.vlk");
    dialogues_.RepondFichierEnregistrer(absent);
    Texte({"a", "b", "c", "P0:=0,0,0,0"});
    EXPECT_FALSE(f.EnregistrersousClick());
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 1);
    EXPECT_TRUE(dialogues_.Textes(G::Erreur).front().startsWith(QStringLiteral("Impossible d'écrire")));
    EXPECT_TRUE(f.Lignes().Modifie());
    EXPECT_EQ(f.NomFichier(), QStringLiteral("SansNom"));

    // Closing with Yes and a failed write refuses to close.
    dialogues_.RepondQuestion(Reponse::Oui).RepondFichierEnregistrer(absent);
    EXPECT_FALSE(f.AccepteFermeture());
    EXPECT_TRUE(f.Donnees().TablesPretes());
}

TEST_F(Documents, FichierDeposeAuCheminTresLong)
{
    TFPrincipale& f = Demarre();
    QString dossier = Dossier();
    for (int i = 0; i < 12; ++i)
        dossier += QStringLiteral("un_dossier_au_nom_assez_long_%1/").arg(i);
    ASSERT_TRUE(QDir().mkpath(dossier));
    const QString doc = dossier + QStringLiteral("programme.vlk");
    ASSERT_GT(doc.size(), 300);
    Ecrit(doc, "1\r\n2\r\n3\r\nP2:=0,0,0,0\r\n");
    // A drop keeps the zoomed window and the read-only state as they are.
    f.ZoomPlus();
    f.EditeurTexte().setReadOnly(true);
    const TFenetre zoom = f.Vue().Fenetre();
    EXPECT_TRUE(f.FichierDepose(doc));
    EXPECT_EQ(f.Vue().Fenetre(), zoom);
    EXPECT_TRUE(f.EditeurTexte().isReadOnly());
    EXPECT_EQ(f.NomFichier(), doc);
    EXPECT_EQ(Lignes().back(), "P2:=0,0,0,0");
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Velk - programme.vlk"));

    // A file that cannot be read leaves the document as it was.
    EXPECT_FALSE(f.FichierDepose(Chemin("nulle_part.vlk")));
    EXPECT_EQ(f.NomFichier(), doc);
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 1);
}

TEST_F(Documents, UnFichierBinaireSOuvreEtSExecuteSansDommage)
{
    TFPrincipale& f = Demarre();
    QByteArray octets;
    for (int i = 0; i < 70000; ++i)
        octets.append(char((i * 7919) % 256));
    octets.append(QByteArray(300000, 'P')); // one huge line
    const QString doc = Chemin("binaire.dat");
    Ecrit(doc, octets);
    ASSERT_TRUE(f.FichierDepose(doc));
    f.ExecuterClick();
    EXPECT_GT(f.Messages().NombreMessages(), 0);
    EXPECT_EQ(f.Donnees().NombrePoints() + f.Donnees().NombreLignes(), 0);
    // Saved back and read again, the text is well formed.
    dialogues_.RepondFichierEnregistrer(Chemin("binaire.vlk"));
    f.Lignes().SetModifie(true);
    ASSERT_TRUE(f.EnregistrersousClick());
    EXPECT_GT(LignesDe(Chemin("binaire.vlk")).size(), 3u);
}

TEST_F(Documents, FichierDeposeSurLEditeurOuvreLeFichier)
{
    TFPrincipale& f = Demarre();
    const QString doc = Chemin("depose.vlk");
    Ecrit(doc, "1\r\n2\r\n3\r\nP6:=0,0,0,0\r\n");
    QMimeData donnees;
    donnees.setUrls({QUrl::fromLocalFile(doc), QUrl::fromLocalFile(Chemin("second.vlk"))});
    QWidget* cible = f.EditeurTexte().viewport();
    // The drop goes where the drag entered, as in a real drag.
    QDragEnterEvent entree(QPoint(5, 5), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cible, &entree);
    EXPECT_TRUE(entree.isAccepted());
    QDropEvent depot(QPointF(5, 5), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cible, &depot);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.NomFichier(), doc); // the first file only, never pasted as text
    EXPECT_EQ(Lignes().back(), "P6:=0,0,0,0");
    EXPECT_EQ(f.Lignes().NombreLignes(), 4);
}


// A file goes back to disk in the encoding it was read in: byte for byte when unchanged,
// in Windows-1252 for an older tool's file as long as every character fits, otherwise in
// UTF-8 with one word in the status bar. The autosave is written like the document.
TEST_F(Documents, UnFichierGardeSonEncodage)
{
    TFPrincipale& f = Demarre();
    const QByteArray entete = "Programme VELK Version 1.0 01/02/2020 10:00:00\r\n"
                              "Derniere modif. : 01/02/2020 10:00:00\r\n\r\n";
    const QByteArray ancien = entete + "{ \xE9paisseur \xE0 c\xF4t\xE9 : 12 \x80 }\r\n"
                                       "P0:=0,0,0,0\r\n";
    const QString doc = Chemin("ancien.vlk");
    Ecrit(doc, ancien);
    dialogues_.RepondFichierOuvrir(doc);
    f.OuvrirClick();
    EXPECT_EQ(Lignes()[3], "{ épaisseur à côté : 12 € }");
    ASSERT_TRUE(f.EnregistrerClick());
    EXPECT_EQ(Lit(doc), ancien);

    // New accented text still fits: Windows-1252 again, for the file and the autosave.
    f.Lignes().AjouteLigne("{ réglé }");
    ASSERT_TRUE(f.Sauvegarde().TempoSauvegardeTimer());
    EXPECT_TRUE(Lit(Chemin("VELK.SAV")).endsWith("{ r\xE9gl\xE9 }\r\n"));
    ASSERT_TRUE(f.EnregistrerClick());
    QByteArray octets = Lit(doc);
    EXPECT_TRUE(octets.contains("{ \xE9paisseur \xE0 c\xF4t\xE9 : 12 \x80 }\r\nP0:=0,0,0,0\r\n"
                                "{ r\xE9gl\xE9 }\r\n"));
    EXPECT_EQ(f.statusBar()->currentMessage(), QString());

    // A character Windows-1252 lacks: the file becomes UTF-8, and the user is told once.
    f.Lignes().AjouteLigne("{ angle α }");
    ASSERT_TRUE(f.EnregistrerClick());
    octets = Lit(doc);
    EXPECT_TRUE(octets.contains("{ \xC3\xA9paisseur \xC3\xA0 c\xC3\xB4t\xC3\xA9 : 12 \xE2\x82\xAC }"));
    EXPECT_TRUE(octets.endsWith("{ angle \xCE\xB1 }\r\n"));
    EXPECT_TRUE(f.statusBar()->currentMessage().contains(QStringLiteral("UTF-8")));
    f.statusBar()->clearMessage();
    f.Lignes().AjouteLigne("{ fin }");
    ASSERT_TRUE(f.EnregistrerClick());
    EXPECT_EQ(f.statusBar()->currentMessage(), QString());
    EXPECT_EQ(LignesDe(doc)[3], "{ épaisseur à côté : 12 € }");

    // A UTF-8 file with a character outside Windows-1252 comes back unchanged too.
    const QByteArray utf8 = entete + "{ \xC3\xA9tape \xE2\x86\x92 \xCE\xB1 }\r\nP0:=0,0,0,0\r\n";
    const QString doc8 = Chemin("moderne.vlk");
    Ecrit(doc8, utf8);
    dialogues_.RepondFichierOuvrir(doc8);
    f.OuvrirClick();
    ASSERT_TRUE(f.EnregistrerClick());
    EXPECT_EQ(Lit(doc8), utf8);

    // A new program is written in UTF-8.
    f.NouveauClick();
    f.Lignes().AjouteLigne("{ é }");
    dialogues_.RepondFichierEnregistrer(Chemin("neuf.vlk"));
    ASSERT_TRUE(f.EnregistrerClick());
    EXPECT_TRUE(Lit(Chemin("neuf.vlk")).contains("{ \xC3\xA9 }\r\n"));
}

// Byte-order marks are kept as they are: the first says the file is UTF-8, any further one
// is part of the text. A round trip, even repeated, gives back the same bytes.
TEST_F(Documents, LesMarquesDOrdreDesOctetsSurviventALEnregistrement)
{
    TFPrincipale& f = Demarre();
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray corps = "Programme VELK Version 1.0 01/02/2020 10:00:00\r\n"
                             "Derniere modif. : 01/02/2020 10:00:00\r\n\r\nP0:=0,0,0,0\r\n";
    const struct {
        const char* cas;
        QByteArray octets;
    } kCas[] = {
        {"une", bom + corps},
        {"deux", bom + bom + corps},
        {"trois", bom + bom + bom + corps},
        {"une au milieu", corps + bom + "{ x }\r\n"},
        {"deux au milieu", bom + corps + bom + bom + "{ x }\r\n"},
    };
    for (const auto& c : kCas) {
        SCOPED_TRACE(c.cas);
        const QString doc = Chemin(QStringLiteral("bom.vlk"));
        Ecrit(doc, c.octets);
        dialogues_.RepondFichierOuvrir(doc);
        f.OuvrirClick();
        for (int fois = 0; fois < 2; ++fois) {
            ASSERT_TRUE(f.EnregistrerClick());
            EXPECT_EQ(Lit(doc).toHex(' ').toStdString(), c.octets.toHex(' ').toStdString());
        }
        // The autosave holds the same text.
        f.Lignes().SetModifie(true);
        ASSERT_TRUE(f.Sauvegarde().TempoSauvegardeTimer());
        EXPECT_EQ(Lit(Chemin("VELK.SAV")).toHex(' ').toStdString(),
                  c.octets.toHex(' ').toStdString());
        f.Lignes().SetModifie(false);
    }
}

} // namespace
} // namespace velk::test
