// The Exporter command of the main window: each file type chosen in the dialog, the
// drawing as the graphic tab shows it (hidden layers left out), the DXF file read back by
// an independent reader, and the failures that must leave nothing behind. Then the Importer
// command, which inserts another program's statements into the text.
#include "fenetre_test.h"

#include "store/module_donnee.h"
#include "view/etat_vue.h"
#include "view/vue.h"

#include <QAction>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QXmlStreamReader>

#include <cmath>

namespace velk::test {
namespace {

const QStringList kFiltres = {
    QStringLiteral("Image PNG (*.png)"), QStringLiteral("Dessin SVG (*.svg)"),
    QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("Dessin DXF (*.dxf)")};

class Exportation : public FenetreTest {
  protected:
    TFPrincipale& DemarreAvec(const std::vector<std::string>& instructions) {
        TFPrincipale& f = Demarre();
        std::vector<std::string> lignes = {"Programme VELK Version 1.0",
                                           "Derniere modif. :", "{ export }"};
        lignes.insert(lignes.end(), instructions.begin(), instructions.end());
        Texte(lignes);
        f.ExecuterClick();
        return f;
    }
    // The dialog's answer, then the answer to "Remplacer fichier" when one is given.
    void Exporte(const QString& chemin, int filtre,
                 std::optional<Reponse> remplacer = std::nullopt) {
        dialogues_.RepondFichierExporter(chemin, filtre);
        if (remplacer) dialogues_.RepondQuestion(*remplacer);
        fenetre_->Action(QStringLiteral("MenuExporter"))->trigger();
    }
    static int Rouges(const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == qRgb(255, 0, 0);
        return n;
    }
};

TEST_F(Exportation, EachImageTypeIsWrittenAsTheGraphicTabShowsIt) {
    TFPrincipale& f = DemarreAvec({"P0:=0,0,0,0", "C0:=P0,20,9,3"});
    QAction* exporter = f.Action(QStringLiteral("MenuExporter"));
    ASSERT_TRUE(exporter->isEnabled());
    EXPECT_EQ(exporter->text(), QStringLiteral("E&xporter"));
    const TVue vue = f.Vue().VueEcran();

    Exporte(Chemin("dessin"), 0);
    const QImage png(Chemin("dessin.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(vue.Largeur, vue.Hauteur));
    EXPECT_GT(Rouges(png), 50);
    f.Visibilite().SetCoucheVisible(3, false);
    Exporte(Chemin("cache.png"), 0);
    EXPECT_EQ(Rouges(QImage(Chemin("cache.png"))), 0);

    Exporte(Chemin("dessin"), 1);
    QXmlStreamReader svg(Lit(Chemin("dessin.svg")));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    while (!svg.atEnd())
        svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();

    Exporte(Chemin("dessin"), 2);
    const QByteArray pdf = Lit(Chemin("dessin.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));

    // The dialog offers the four types, the last one used first, under the document's name.
    const auto& appels = dialogues_.Appels();
    ASSERT_EQ(dialogues_.Nombre(G::FichierExporter), 4);
    EXPECT_EQ(appels.front().filtres, kFiltres);
    EXPECT_EQ(appels.back().filtreInitial, 1);
    EXPECT_EQ(appels.back().nomPropose, QStringLiteral("SansNom"));
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 0);
}

// Every kind (an arc put in the table directly: no statement makes one), several colours and
// layers, one layer hidden; the name's own extension decides the type over the filter.
TEST_F(Exportation, DxfFileIsReadBackByAnIndependentReader) {
    TFPrincipale& f = DemarreAvec({"P0:=0,0,0,0", "P1:=5,5,9,3", "P2:=-3,4,13,6", "L0:=P1,A0,4,2",
                                   "L1:=P0,A90,1,1", "C0:=P1,2.5,2,5", "C1:=P0,3,10,0"});
    TModuleDonnee& donnees = f.Donnees();
    donnees.TablesLectureSeule(false);
    TRecCercle arc;
    arc.Xc = -20;
    arc.Yc = 10;
    arc.Rc = 4;
    arc.Xdc = -20;
    arc.Ydc = 14;
    arc.Adc = std::acos(Reel(0));
    arc.Xfc = -24;
    arc.Yfc = 10;
    arc.Afc = 2 * arc.Adc;
    arc.Couleur = 15;
    arc.Couche = 9;
    donnees.EcritCercle(5, arc);
    donnees.TablesLectureSeule(true);
    f.Visibilite().SetCoucheVisible(6, false);

    Exporte(Chemin("plan.DXF"), 0);
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 0);
    ASSERT_TRUE(QFile::exists(Chemin("plan.DXF")));

    const TVue v = f.Vue().VueEcran();
    const double gauche = double(XReel(v, 0)), droite = double(XReel(v, v.Largeur));
    const double bas = double(YReel(v, v.Hauteur)), haut = double(YReel(v, 0));
    const auto entite = [](const char* type, const char* couche, int couleur, QJsonArray xy) {
        return QJsonObject{{"type", type}, {"couche", couche}, {"couleur", couleur}, {"xy", xy}};
    };
    QJsonObject c0 = entite("CIRCLE", "Couche 5", 94, {5, 5}),
                c1 = entite("CIRCLE", "Couche 0", 3, {0, 0});
    QJsonObject c5 = entite("ARC", "Couche 9", 30, {-20, 10});
    c0["rayon"] = 2.5;
    c1["rayon"] = 3;
    c5["rayon"] = 4;
    c5["angles"] = QJsonArray{90, 180};
    const QJsonArray attendues = {entite("POINT", "Couche 0", 7, {0, 0}),
                                  entite("POINT", "Couche 3", 1, {5, 5}),
                                  entite("LINE", "Couche 2", 54, {gauche, 5, droite, 5}),
                                  entite("LINE", "Couche 1", 14, {0, bas, 0, haut}),
                                  c0,
                                  c1,
                                  c5};
    Ecrit(Chemin("attendu.json"), QJsonDocument(QJsonObject{{"entites", attendues}}).toJson());

    QProcess lecteur;
    lecteur.setProcessChannelMode(QProcess::MergedChannels);
    lecteur.start(QStringLiteral(VELK_PYTHON3),
                  {QStringLiteral(VELK_VERIFIE_DXF), Chemin("plan.DXF"), Chemin("attendu.json")});
    ASSERT_TRUE(lecteur.waitForFinished(60000));
    EXPECT_EQ(lecteur.exitCode(), 0) << lecteur.readAll().toStdString();
}

TEST_F(Exportation, FailuresAndRefusalsLeaveNothingHalfWritten) {
    DemarreAvec({"P0:=0,0,0,0"});
    // A folder that does not exist: a French message, no file anywhere.
    Exporte(Chemin("absent/plan"), 3);
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 1);
    const QString message = dialogues_.Textes(G::Erreur).front();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Impossible de créer le fichier « ") +
                                   Chemin("absent/plan.dxf")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("n'existe pas"))) << message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Chemin("absent")));

    // An existing file is replaced only after Yes; cancelling the dialog does nothing.
    Ecrit(Chemin("ancien.png"), "ancien");
    Exporte(Chemin("ancien"), 0, Reponse::Non);
    EXPECT_EQ(dialogues_.Textes(G::Question).back(),
              QStringLiteral("Remplacer fichier %1 ?").arg(Chemin("ancien.png")));
    EXPECT_EQ(Lit(Chemin("ancien.png")), QByteArray("ancien"));
    Exporte(Chemin("ancien.png"), 3, Reponse::Oui);
    EXPECT_FALSE(QImage(Chemin("ancien.png")).isNull());
    Exporte(QString(), 0);
    EXPECT_EQ(QDir(Dossier())
                  .entryList(QDir::Files | QDir::NoDotAndDotDot)
                  .filter(QStringLiteral(".png")),
              QStringList{QStringLiteral("ancien.png")});
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 1);
}

TEST_F(Exportation, ImportInsertsTheOtherProgramsStatementsBeforeTheCaretLine) {
    TFPrincipale& f = DemarreAvec({"P0:=0,0,0,0", "C0:=P0,5,0,0"});
    const std::vector<std::string> avant = Lignes();
    f.Lignes().SetModifie(false);
    Ecrit(Chemin("autre.vlk"), "Programme VELK\r\nDerniere modif.\r\n{ autre }\r\nP7:=1,1,0,0\r\n"
                               "L7:=P7,A0,0,0\r\n\r\n");
    struct Cas {
        int ligneCurseur; // 0-based line of the caret
        std::vector<std::string> attendu;
    } cas[] = {
        {4,
         {avant[0], avant[1], avant[2], "P0:=0,0,0,0", "P7:=1,1,0,0", "L7:=P7,A0,0,0",
          "C0:=P0,5,0,0"}},
        // Never inside the header, and after the last line when the caret is past it.
        {0,
         {avant[0], avant[1], avant[2], "P7:=1,1,0,0", "L7:=P7,A0,0,0", "P0:=0,0,0,0",
          "C0:=P0,5,0,0"}},
    };
    for (const Cas& c : cas) {
        f.EditeurTexte().VaLigne(c.ligneCurseur);
        dialogues_.RepondFichierOuvrir(Chemin("autre.vlk"));
        f.Action(QStringLiteral("MenuImporter"))->trigger();
        EXPECT_EQ(Lignes(), c.attendu);
        EXPECT_TRUE(f.Lignes().Modifie());
        EXPECT_EQ(f.Dossier().currentIndex(), 1);
        // One undo step takes the whole insertion back.
        f.EditeurTexte().Defaire();
        EXPECT_EQ(Lignes(), avant);
    }
    Texte({"Programme VELK", "Derniere modif.", "{ rien }"});
    f.EditeurTexte().VaLigne(2);
    dialogues_.RepondFichierOuvrir(Chemin("autre.vlk"));
    f.ImporterClick();
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"Programme VELK", "Derniere modif.", "{ rien }",
                                                  "P7:=1,1,0,0", "L7:=P7,A0,0,0"}));

    // A file that cannot be read says why; a read-only program takes nothing.
    dialogues_.RepondFichierOuvrir(Chemin("absent.vlk"));
    f.ImporterClick();
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 1);
    EXPECT_TRUE(dialogues_.Textes(G::Erreur).front().contains(QStringLiteral("absent.vlk")));
    f.EditeurTexte().SetLectureSeule(true);
    f.ImporterClick();
    EXPECT_EQ(dialogues_.Nombre(G::Bip), 1);
    EXPECT_EQ(dialogues_.Nombre(G::FichierOuvrir), 4);
}

} // namespace
} // namespace velk::test
