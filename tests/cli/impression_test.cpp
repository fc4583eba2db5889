// velk-run --imprime: the print options, and pages written, rendered and measured.
#include "cli/impression_run.h"
#include "cli/run_fichier.h"

#include "support/mesure_pdf.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace velk {
namespace {

bool Lit(std::vector<std::string> arguments, DemandeImpression& d, std::string& erreur)
{
    arguments.push_back("a.vlk");
    OptionsRun o;
    return LitOptions(arguments, o, erreur) && LitDemandeImpression(o, d, erreur);
}

TEST(OptionsImpression, CentreAndScaleOrAFramedZone)
{
    DemandeImpression d;
    std::string erreur;
    ASSERT_TRUE(Lit({"--imprime", "p.pdf", "--echelle", "2.5", "--centre", "10,-5.5"}, d, erreur)) << erreur;
    EXPECT_EQ(d.fichier, "p.pdf");
    EXPECT_FALSE(d.parCadre);
    EXPECT_EQ(d.echelle, 2.5L);
    EXPECT_EQ(d.x, 10);
    EXPECT_EQ(d.y, -5.5L);
    EXPECT_STREQ(d.papier.nom, "A4");
    EXPECT_FALSE(d.paysage);
    EXPECT_EQ(d.titre, "Impression :Velk - a.vlk");

    ASSERT_TRUE(Lit({"--imprime=p.pdf", "--cadre", "-1,-2,3,4.5", "--page", "a3", "--paysage"}, d, erreur))
        << erreur;
    EXPECT_TRUE(d.parCadre);
    EXPECT_EQ(d.xmin, -1);
    EXPECT_EQ(d.ymin, -2);
    EXPECT_EQ(d.xmax, 3);
    EXPECT_EQ(d.ymax, 4.5L);
    EXPECT_STREQ(d.papier.nom, "A3");
    EXPECT_TRUE(d.paysage);

    // Without --imprime nothing is printed.
    ASSERT_TRUE(Lit({}, d, erreur));
    EXPECT_EQ(d.fichier, "");
}

TEST(OptionsImpression, IncompleteContradictoryOrWrongValuesAreRefused)
{
    const struct {
        std::vector<std::string> arguments;
        const char* erreur;
    } cas[] = {
        {{"--echelle", "2", "--centre", "0,0"}, "Les options --echelle"},
        {{"--paysage"}, "Les options --echelle"},
        {{"--imprime", "p.pdf"}, "L'option --imprime demande"},
        {{"--imprime", "p.pdf", "--echelle", "2"}, "L'option --imprime demande"},
        {{"--imprime", "p.pdf", "--cadre", "0,0,1,1", "--echelle", "2"}, "Choisissez --cadre"},
        {{"--imprime", "p.pdf", "--echelle", "0", "--centre", "0,0"}, "Échelle invalide"},
        {{"--imprime", "p.pdf", "--echelle", "-1", "--centre", "0,0"}, "Échelle invalide"},
        {{"--imprime", "p.pdf", "--echelle", "2,5", "--centre", "0,0"}, "Échelle invalide"},
        {{"--imprime", "p.pdf", "--echelle", "1E99999", "--centre", "0,0"}, "Échelle invalide"},
        {{"--imprime", "p.pdf", "--echelle", "2", "--centre", "1"}, "Centre invalide"},
        {{"--imprime", "p.pdf", "--echelle", "2", "--centre", "1,2,3"}, "Centre invalide"},
        {{"--imprime", "p.pdf", "--echelle", "2", "--centre", "x,2"}, "Centre invalide"},
        {{"--imprime", "p.pdf", "--echelle", "2", "--centre", "1,"}, "Centre invalide"},
        {{"--imprime", "p.pdf", "--cadre", "0,0,0,5"}, "Cadre invalide"},
        {{"--imprime", "p.pdf", "--cadre", "5,0,0,5"}, "Cadre invalide"},
        {{"--imprime", "p.pdf", "--cadre", "0,0,5"}, "Cadre invalide"},
        {{"--imprime", "p.pdf", "--cadre", "0,0,1,1", "--page", "A9"}, "Format de page inconnu : « A9 »"},
    };
    for (const auto& c : cas) {
        DemandeImpression d;
        std::string erreur;
        EXPECT_FALSE(Lit(c.arguments, d, erreur)) << c.erreur;
        EXPECT_EQ(erreur.rfind(c.erreur, 0), 0u) << erreur;
    }
}

class ImpressionRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::OutilsPopplerPresents())
            GTEST_SKIP() << "pdftoppm and pdfinfo (poppler-utils) are needed to measure the page";
        programme_ = dossier_.filePath("cercle.vlk").toStdString();
        QFile f(QString::fromStdString(programme_));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("// Programme VELK Version 1.0 \n// Derniere modif. : \n//\nP0:=5,5,0,0\nC0:=P0,10,0,0\n");
    }
    // Runs the program with these print options; returns the exit code.
    int Imprime(std::vector<std::string> arguments, std::string& erreurs)
    {
        arguments.push_back(programme_);
        OptionsRun o;
        std::string e;
        EXPECT_TRUE(LitOptions(arguments, o, e)) << e;
        std::FILE* sortie = std::tmpfile();
        std::FILE* fluxErreurs = std::tmpfile();
        const int code = RunFichier(o, sortie, fluxErreurs);
        std::rewind(fluxErreurs);
        char tampon[1024];
        erreurs.assign(tampon, std::fread(tampon, 1, sizeof tampon, fluxErreurs));
        std::fclose(sortie);
        std::fclose(fluxErreurs);
        return code;
    }
    QString Pdf() const { return dossier_.filePath("page.pdf"); }

    QTemporaryDir dossier_;
    std::string programme_;
};

TEST_F(ImpressionRun, CircleOfRadiusTenAtTwoMillimetresPerUnit)
{
    std::string erreurs;
    ASSERT_EQ(Imprime({"--imprime", Pdf().toStdString(), "--echelle", "2", "--centre", "5,5", "--page", "A5",
                       "--paysage"},
                      erreurs),
              SortieSansMessage)
        << erreurs;
    const test::EncrePage page = test::MesurePagePdf(Pdf());
    ASSERT_TRUE(page.encre);
    EXPECT_NEAR(page.largeurMM, 210, 0.5);
    EXPECT_NEAR(page.hauteurMM, 148, 0.5);
    EXPECT_NEAR(page.LargeurEncre(), 40, 0.5);
    EXPECT_NEAR(page.HauteurEncre(), 40, 0.5);
    // The centre given is at the centre of the page.
    EXPECT_NEAR((page.gaucheMM + page.droiteMM) / 2, 105, 0.3);
    EXPECT_NEAR((page.hautMM + page.basMM) / 2, 74, 0.3);
    EXPECT_EQ(test::TitrePdf(Pdf()), QStringLiteral("Impression :Velk - cercle.vlk"));
}

TEST_F(ImpressionRun, FramedZoneFillsThePrintableWidth)
{
    std::string erreurs;
    ASSERT_EQ(Imprime({"--imprime", Pdf().toStdString(), "--cadre", "-5,-5,15,15"}, erreurs), SortieSansMessage)
        << erreurs;
    const test::EncrePage page = test::MesurePagePdf(Pdf());
    ASSERT_TRUE(page.encre);
    // A square zone on a portrait page: the circle spans the printable width, 595 points
    // less the two 10-point margins.
    const double largeurImprimable = (595.0 - 2 * MargeImpressionPoints) * 25.4 / 72;
    EXPECT_NEAR(page.LargeurEncre(), largeurImprimable, 0.5);
    EXPECT_NEAR(page.HauteurEncre(), largeurImprimable, 0.5);
}

TEST_F(ImpressionRun, AFileThatCannotBeWrittenIsAnErrorAndLeavesNothing)
{
    std::string erreurs;
    const std::string chemin = dossier_.filePath("absent/page.pdf").toStdString();
    EXPECT_EQ(Imprime({"--imprime", chemin, "--echelle", "1", "--centre", "0,0"}, erreurs), SortieErreur);
    EXPECT_NE(erreurs.find("Impossible de créer le fichier"), std::string::npos) << erreurs;
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(chemin)));
}

} // namespace
} // namespace velk
