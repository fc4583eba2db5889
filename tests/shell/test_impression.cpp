// Printing from the main window: the two commands, the print-area mode (framed zone, or a
// click and a typed scale), the text tab, failures, and one page printed to PDF, rendered
// and measured like paper.
#include "fenetre_test.h"

#include "support/mesure_pdf.h"
#include "construction/moteur_construction.h"
#include "shell/zone_menu.h"
#include "view/etat_vue.h"
#include "view/imprime_dessin.h"

#include <QAction>
#include <QFileInfo>
#include <QPrinter>
#include <QTabWidget>
#include <QToolButton>

namespace velk::test {
namespace {

const QString kInviteZone =
    QStringLiteral(" Encadrez la zone à imprimer ou cliquez le centre puis donnez une échelle");
const QString kInviteEchelle = QStringLiteral(" Tapez l'échelle");

class Impression : public FenetreTest {
protected:
    // The window started, its printer writing a PDF file in the test folder.
    TFPrincipale& DemarreSurPdf(const QString& nom = QStringLiteral("page.pdf"))
    {
        TFPrincipale& f = Demarre();
        pdf_ = nom.startsWith(QLatin1Char('/')) ? nom : Chemin(nom);
        f.Imprimante().setOutputFormat(QPrinter::PdfFormat);
        f.Imprimante().setOutputFileName(pdf_);
        return f;
    }
    bool PdfEcrit() const { return QFileInfo(pdf_).size() > 0; }
    void OngletTexte() { fenetre_->Dossier().setCurrentIndex(1); }

    QString pdf_;
};

TEST_F(Impression, CommandsToolButtonAndCancelledDialog)
{
    TFPrincipale& f = DemarreSurPdf();
    QAction* imprimer = f.Action(QStringLiteral("MenuImprimer"));
    ASSERT_NE(imprimer, nullptr);
    EXPECT_EQ(imprimer->text(), QStringLiteral("&Imprimer ..."));
    EXPECT_EQ(imprimer->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(imprimer->statusTip(), QStringLiteral("Imprime le programme en cours"));
    QAction* configuration = f.Action(QStringLiteral("MenuConfigImpression"));
    ASSERT_NE(configuration, nullptr);
    EXPECT_EQ(configuration->statusTip(), QStringLiteral("Configure l'imprimante"));
    EXPECT_NE(f.findChild<QWidget*>(QStringLiteral("BtnImprimer")), nullptr);

    configuration->trigger();
    EXPECT_EQ(dialogues_.Nombre(G::ConfigurationImpression), 1);

    // A cancelled print dialog starts nothing, whatever the tab.
    dialogues_.RepondImpression(false);
    imprimer->trigger();
    EXPECT_EQ(dialogues_.Nombre(G::Impression), 1);
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_EQ(f.Invite(), QString());
    dialogues_.RepondImpression(false);
    OngletTexte();
    f.ImprimerClick();
    EXPECT_FALSE(PdfEcrit());

    // The grid tab prints nothing.
    dialogues_.RepondImpression(true);
    f.Dossier().setCurrentIndex(2);
    f.ImprimerClick();
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_FALSE(PdfEcrit());
}

TEST_F(Impression, PrintAreaModeTakesOverZoomAndEscapeEndsIt)
{
    TFPrincipale& f = DemarreSurPdf();
    f.Palettes().Bouton("BtnZoom1")->click();
    ASSERT_EQ(f.Mode(), ModeSouris::Zoom);
    dialogues_.RepondImpression(true);
    f.ImprimerClick();
    EXPECT_EQ(f.Mode(), ModeSouris::ZoneImpression);
    EXPECT_FALSE(f.Palettes().ZoomEnfonce());
    EXPECT_EQ(f.Moteur().InviteCourante(), 28);

    // Escape in the middle of a drag: nothing printed, mode and prompt ended.
    f.DessinMouseDown(100, 100);
    f.DessinMouseMove(200, 150);
    f.Moteur().FormKeyDown(Qt::Key_Escape, true);
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_EQ(f.Invite(), QString());
    f.DessinMouseUp(200, 150);
    EXPECT_FALSE(PdfEcrit());
    EXPECT_EQ(dialogues_.Nombre(G::DemandeValeur), 0);
}

TEST_F(Impression, FramedZoneIsFittedToThePage)
{
    TFPrincipale& f = DemarreSurPdf();
    dialogues_.RepondImpression(true);
    f.ImprimerClick();
    EXPECT_EQ(f.Mode(), ModeSouris::ZoneImpression);
    EXPECT_EQ(f.Invite(), kInviteZone);

    const TVue ecran = f.Vue().VueEcran();
    f.DessinMouseDown(300, 100);
    f.DessinMouseMove(250, 150);
    f.DessinMouseMove(100, 200);
    f.DessinMouseUp(100, 200);
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_EQ(f.Invite(), QString());
    EXPECT_EQ(dialogues_.Nombre(G::DemandeValeur), 0);
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 0);
    ASSERT_TRUE(PdfEcrit());

    // The corners ordered, in world units of the screen; the screen view is unchanged.
    const std::optional<TVue> attendue = CadreImpression(PageAppareil(f.Imprimante()), XReel(ecran, 100),
                                                        YReel(ecran, 200), XReel(ecran, 300), YReel(ecran, 100));
    ASSERT_TRUE(attendue);
    EXPECT_EQ(f.VueImpression().Echelle, attendue->Echelle);
    EXPECT_EQ(f.VueImpression().OrigineX, attendue->OrigineX);
    EXPECT_EQ(f.VueImpression().OrigineY, attendue->OrigineY);
    EXPECT_EQ(f.Vue().VueEcran().Echelle, ecran.Echelle);

    if (OutilsPopplerPresents()) {
        EXPECT_EQ(TitrePdf(pdf_), QStringLiteral("Impression :Velk - SansNom"));
    }
}

TEST_F(Impression, ClickOrFlatDragAsksTheScale)
{
    struct Cas {
        const char* nom;
        QPoint bas, haut;
        std::optional<QString> valeur;
        bool imprime;
        bool erreur;
    } cas[] = {
        {"drag of zero height", {100, 120}, {220, 120}, QStringLiteral("2"), true, false},
        {"drag of zero width", {150, 60}, {150, 160}, QStringLiteral("0.5"), true, false},
        {"click then Escape", {150, 120}, {150, 120}, std::nullopt, false, false},
        {"a scale of zero", {150, 120}, {150, 120}, QStringLiteral("0"), false, true},
        {"not a number", {150, 120}, {150, 120}, QStringLiteral("1E"), false, true},
    };
    TFPrincipale& f = DemarreSurPdf();
    QString inviteOuverte;
    dialogues_.AvantValeur([&](const AppelDialogue&) { inviteOuverte = f.Invite(); });
    Reel derniere = 0;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        QFile::remove(pdf_);
        dialogues_.EffaceAppels();
        dialogues_.RepondImpression(true).RepondValeur(c.valeur);
        f.ImprimerClick();
        const TVue ecran = f.Vue().VueEcran();
        f.DessinMouseDown(c.bas.x(), c.bas.y());
        f.DessinMouseMove(c.haut.x(), c.haut.y());
        f.DessinMouseUp(c.haut.x(), c.haut.y());

        ASSERT_EQ(dialogues_.Nombre(G::DemandeValeur), 1);
        EXPECT_EQ(dialogues_.Textes(G::DemandeValeur)[0], QStringLiteral(" Echelle :"));
        EXPECT_EQ(dialogues_.Appels()[1].mode, 1);
        EXPECT_EQ(inviteOuverte, kInviteEchelle);
        // Whatever the answer, the mode and the prompt end.
        EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
        EXPECT_EQ(f.Invite(), QString());
        EXPECT_EQ(PdfEcrit(), c.imprime);
        EXPECT_EQ(dialogues_.Nombre(G::Erreur), c.erreur ? 1 : 0);
        if (c.erreur) {
            EXPECT_TRUE(dialogues_.Textes(G::Erreur)[0].startsWith(QStringLiteral("Impression impossible : ")));
        }
        if (!c.imprime) {
            // The scale of the last print is kept.
            EXPECT_EQ(f.EchelleImpression(), derniere);
            continue;
        }
        derniere = f.EchelleImpression();
        EXPECT_EQ(QString::number(double(derniere)), *c.valeur);
        // The button-up point is at the centre of the page.
        const TVue& v = f.VueImpression();
        EXPECT_NEAR(XEcran(v, XReel(ecran, c.haut.x())), v.Largeur / 2.0, 0.5);
        EXPECT_NEAR(YEcran(v, YReel(ecran, c.haut.y())), v.Hauteur / 2.0, 0.5);
    }
}

TEST_F(Impression, TextTabPrintsAtOnce)
{
    TFPrincipale& f = DemarreSurPdf();
    OngletTexte();
    dialogues_.RepondImpression(true);
    f.ImprimerClick();
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_EQ(f.Invite(), QString());
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 0);
    ASSERT_TRUE(PdfEcrit());
    if (OutilsPopplerPresents()) {
        EXPECT_EQ(TitrePdf(pdf_), f.NomFichier());
    }
}

TEST_F(Impression, ADocumentThatCannotStartIsReportedAndNothingCrashes)
{
    TFPrincipale& f = DemarreSurPdf(QStringLiteral("/dossier-absent-velk/page.pdf"));
    dialogues_.RepondImpression(true);
    f.ImprimerClick();
    f.DessinMouseDown(100, 100);
    f.DessinMouseUp(200, 200);
    ASSERT_EQ(dialogues_.Nombre(G::Erreur), 1);
    EXPECT_TRUE(dialogues_.Textes(G::Erreur)[0].startsWith(
        QStringLiteral("Impression impossible : le document ne peut pas être commencé")));
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);

    OngletTexte();
    dialogues_.RepondImpression(true);
    f.ImprimerClick();
    EXPECT_EQ(dialogues_.Nombre(G::Erreur), 2);
}

// One world unit printed as 2 mm: a circle of radius 10 is 40 mm across on the page,
// centred on the clicked point; with circles hidden only the centre's cross is printed.
TEST_F(Impression, CircleAtTwoMillimetresPerUnitMeasuresFortyMillimetres)
{
    if (!OutilsPopplerPresents())
        GTEST_SKIP() << "pdftoppm and pdfinfo (poppler-utils) are needed to measure the page";
    TFPrincipale& f = DemarreSurPdf();
    Texte({"// Programme VELK Version 1.0 ", "// Derniere modif. : ", "//", "P0:=0,0,0,0", "C0:=P0,10,0,0"});
    f.ExecuterClick();
    const TVue& ecran = f.Vue().VueEcran();
    const int c = XEcran(ecran, 0), l = YEcran(ecran, 0);

    dialogues_.RepondImpression(true).RepondValeur(QStringLiteral("2"));
    f.ImprimerClick();
    f.DessinMouseDown(c, l);
    f.DessinMouseUp(c, l);
    ASSERT_TRUE(PdfEcrit());
    const EncrePage page = MesurePagePdf(pdf_);
    ASSERT_TRUE(page.lue);
    ASSERT_TRUE(page.encre);
    EXPECT_NEAR(page.LargeurEncre(), 40, 0.5);
    EXPECT_NEAR(page.HauteurEncre(), 40, 0.5);

    // Hidden circles are not printed: what is left is the point's cross, under half a mm.
    f.Visibilite().SetCerclesVisibles(false);
    QFile::remove(pdf_);
    dialogues_.RepondImpression(true).RepondValeur(QStringLiteral("2"));
    f.ImprimerClick();
    f.DessinMouseDown(c, l);
    f.DessinMouseUp(c, l);
    const EncrePage seul = MesurePagePdf(pdf_);
    ASSERT_TRUE(seul.encre);
    EXPECT_LT(seul.LargeurEncre(), 0.5);
    // The clicked point is at the centre of the printable area.
    const TVue& v = f.VueImpression();
    EXPECT_NEAR(XEcran(v, 0), v.Largeur / 2.0, 0.5);
    EXPECT_NEAR((page.gaucheMM + page.droiteMM) / 2, (seul.gaucheMM + seul.droiteMM) / 2, 0.2);
}

} // namespace
} // namespace velk::test
