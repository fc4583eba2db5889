// velk-run's image output: the origin view of a new program as PNG (against a reviewed
// reference in golden/), SVG and PDF, and the checks of the --size value.
#include "cli/image_output.h"
#include "cli/run_fichier.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>

namespace velk {
namespace {

class ImageRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        programme = Chemin("nouveau.vlk");
        std::ofstream f(programme);
        f << "Programme VELK Version 1.0\nDerniere modif. :\n\n"
             "P0:=0,0,0,0\nL0:=P0,A0,0,0\nL1:=P0,A90,0,0\n";
    }
    std::string Chemin(const char* nom) const { return dossier.filePath(nom).toStdString(); }
    int Run(OptionsRun options)
    {
        options.programme = programme;
        std::FILE* nul = std::fopen("/dev/null", "w");
        const int code = RunFichier(options, nul, nul);
        std::fclose(nul);
        return code;
    }
    QTemporaryDir dossier;
    std::string programme;
};

TEST_F(ImageRun, OriginViewOfANewProgramMatchesTheReference)
{
    OptionsRun options;
    options.png = Chemin("origine.png");
    options.tailleImage = "400x300";
    ASSERT_EQ(Run(options), SortieSansMessage);
    const QImage image(QString::fromStdString(options.png));
    ASSERT_EQ(image.size(), QSize(400, 300));
    const QRgb noir = qRgb(0, 0, 0), blanc = qRgb(255, 255, 255);
    // The axes cross at (200, 150), under the cross of P0.
    EXPECT_EQ(image.pixel(200, 150), noir);
    EXPECT_EQ(image.pixel(0, 150), noir);
    EXPECT_EQ(image.pixel(399, 150), noir);
    EXPECT_EQ(image.pixel(200, 0), noir);
    EXPECT_EQ(image.pixel(200, 299), noir);
    EXPECT_EQ(image.pixel(198, 148), noir);
    EXPECT_EQ(image.pixel(10, 10), blanc);

    const QImage reference(VELK_SOURCE_DIR "/tests/view/golden/origine_400x300.png");
    ASSERT_EQ(reference.size(), image.size());
    int differents = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            differents += (image.pixel(x, y) & 0xffffff) != (reference.pixel(x, y) & 0xffffff);
    // A difference leaves the new image beside the reference for review; renaming it over
    // the reference accepts it.
    const QString sortie = VELK_SOURCE_DIR "/tests/view/golden/origine_400x300.out.png";
    QFile::remove(sortie);
    if (differents != 0)
        image.save(sortie);
    EXPECT_EQ(differents, 0) << "pixels differ from the reference; new image in " << sortie.toStdString();
}

TEST_F(ImageRun, VectorOutputsDrawTheSameStrokes)
{
    OptionsRun options;
    options.svg = Chemin("origine.svg");
    options.pdf = Chemin("origine.pdf");
    options.tailleImage = "400x300";
    ASSERT_EQ(Run(options), SortieSansMessage);
    QFile svg(QString::fromStdString(options.svg));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray texte = svg.readAll();
    EXPECT_TRUE(texte.contains("viewBox=\"0 0 400 300\""));
    EXPECT_TRUE(texte.contains("0,150 400,150")); // x axis
    EXPECT_TRUE(texte.contains("200,0 200,300")); // y axis
    QFile pdf(QString::fromStdString(options.pdf));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST_F(ImageRun, FramingShowsFarElements)
{
    std::ofstream(programme, std::ios::app) << "P1:=500,-300,9,0\n";
    OptionsRun options;
    options.png = Chemin("cadre.png");
    options.tailleImage = "200x200";
    options.cadrage = true;
    ASSERT_EQ(Run(options), SortieSansMessage);
    const QImage image(QString::fromStdString(options.png));
    int rouges = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            rouges += image.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_EQ(rouges, 9); // the whole cross of P1
}

TEST_F(ImageRun, BadSizeOrUnwritableFileIsAnError)
{
    for (const char* taille : {"0x10", "10", "10x", "x10", "-5x10", "20001x10", "10000x10000", "8OOx600"}) {
        int l = 0, h = 0;
        std::string erreur;
        EXPECT_FALSE(LitTailleImage(taille, l, h, erreur)) << taille;
        EXPECT_FALSE(erreur.empty());
    }
    int l = 0, h = 0;
    std::string erreur;
    ASSERT_TRUE(LitTailleImage("1280X800", l, h, erreur));
    EXPECT_EQ(l, 1280);
    EXPECT_EQ(h, 800);

    OptionsRun options;
    options.png = Chemin("absent/dossier/image.png");
    EXPECT_EQ(Run(options), SortieErreur);
    options.png.clear();
    options.dxf = Chemin("absent/dessin.dxf");
    EXPECT_EQ(Run(options), SortieErreur);
    options.dxf.clear();
    options.png = Chemin("image.png");
    options.tailleImage = "0x0";
    EXPECT_EQ(Run(options), SortieErreur);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(options.png)));
}

} // namespace
} // namespace velk
