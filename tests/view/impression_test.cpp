// The print view fitted to a page, and the printing function on a page-sized image, on a
// PDF writer that cannot start and on a page that reports no size.
#include "language/interfaces.h"
#include "store/module_donnee.h"
#include "view/imprime_dessin.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPdfWriter>

#include <cmath>
#include <limits>

namespace velk {
namespace {

// A page of 4 800 x 6 600 device pixels on 200 x 275 mm: 24 pixels per mm both ways.
constexpr TPage kPage{4800, 6600, 200, 275};

TEST(VueImpression, TypedScaleOfOnePrintsOneUnitAsOneMillimetre)
{
    struct Cas {
        const char* nom;
        TPage page;
        Reel x, y, echelle;
        Reel attendue;
    } cas[] = {
        {"the example page", kPage, 10, -5, 1, 24},
        {"two mm per unit", kPage, 0, 0, 2, 48},
        {"a fraction", kPage, 0, 0, 0.25L, 6},
        // 24 px/mm across, 22 px/mm down: the coarser axis keeps the true scale.
        {"fewer pixels per mm down", {4800, 6600, 200, 300}, 0, 0, 1, 22},
        {"fewer pixels per mm across", {4400, 6600, 200, 275}, 0, 0, 1, 22},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::optional<TVue> v = EchelleImpressionCentree(c.page, c.x, c.y, c.echelle);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->Echelle, c.attendue);
        EXPECT_EQ(v->Largeur, c.page.Largeur);
        EXPECT_EQ(v->Hauteur, c.page.Hauteur);
        // The clicked point is at the centre of the page.
        EXPECT_EQ(XEcran(*v, c.x), c.page.Largeur / 2);
        EXPECT_EQ(YEcran(*v, c.y), c.page.Hauteur / 2);
    }
    const TVue v = *EchelleImpressionCentree(kPage, 10, -5, 1);
    EXPECT_EQ(v.OrigineX, -90);
    EXPECT_EQ(v.OrigineY, -142.5L);
    // 50 units to the right: 50 mm, 1 200 device pixels.
    EXPECT_EQ(XEcran(v, 60) - XEcran(v, 10), 1200);
}

TEST(VueImpression, FramedZoneIsAsLargeAsThePageAllowsAndCentred)
{
    struct Cas {
        const char* nom;
        Reel xmin, ymin, xmax, ymax;
        Reel echelle;
    } cas[] = {
        // Twice as wide as high on a portrait page: the width decides and fills the page.
        {"wide zone", 0, 0, 100, 50, 48},
        {"tall zone", 0, 0, 10, 100, 66},
        {"page-shaped zone", -24, -33, 24, 33, 100},
        {"far away", 1e6L, 1e6L, 1e6L + 48, 1e6L + 66, 100},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::optional<TVue> v = CadreImpression(kPage, c.xmin, c.ymin, c.xmax, c.ymax);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->Echelle, c.echelle);
        EXPECT_EQ(XEcran(*v, (c.xmin + c.xmax) / 2), 2400);
        EXPECT_EQ(YEcran(*v, (c.ymin + c.ymax) / 2), 3300);
        // The whole zone is on the page.
        EXPECT_GE(XEcran(*v, c.xmin), 0);
        EXPECT_LE(XEcran(*v, c.xmax), 4800);
        EXPECT_LE(YEcran(*v, c.ymin), 6600);
        EXPECT_GE(YEcran(*v, c.ymax), 0);
    }
    const TVue large = *CadreImpression(kPage, 0, 0, 100, 50);
    EXPECT_EQ(XEcran(large, 0), 0);
    EXPECT_EQ(XEcran(large, 100), 4800);
    EXPECT_EQ(YEcran(large, 50) - YEcran(large, 0), -2400);
}

TEST(VueImpression, NoViewFromAFlatZoneABadScaleOrAnEmptyPage)
{
    const Reel nan = std::numeric_limits<Reel>::quiet_NaN();
    const Reel inf = std::numeric_limits<Reel>::infinity();
    EXPECT_FALSE(CadreImpression(kPage, 0, 0, 0, 10));
    EXPECT_FALSE(CadreImpression(kPage, 0, 5, 10, 5));
    EXPECT_FALSE(CadreImpression(kPage, 10, 0, 0, 10)); // corners not ordered
    EXPECT_FALSE(CadreImpression(kPage, nan, 0, 10, 10));
    EXPECT_FALSE(CadreImpression({0, 6600, 200, 275}, 0, 0, 10, 10));
    for (Reel s : {Reel(0), Reel(-1), nan, inf})
        EXPECT_FALSE(EchelleImpressionCentree(kPage, 0, 0, s)) << static_cast<double>(s);
    EXPECT_FALSE(EchelleImpressionCentree({4800, 6600, 0, 275}, 0, 0, 1));
    EXPECT_FALSE(EchelleImpressionCentree({4800, 6600, 200, 0}, 0, 0, 1));
    EXPECT_FALSE(EchelleImpressionCentree(kPage, inf, 0, 1));

    EXPECT_EQ(DefautPage(kPage), "");
    EXPECT_NE(DefautPage({4800, 6600, 0, 275}).find("nulle"), std::string::npos);
    EXPECT_NE(DefautPage({0, 0, 200, 275}).find("aucune surface"), std::string::npos);
}

// A page-sized image that reports the printable size a printer would, in whole millimetres
// and without a resolution of its own.
class PageImage : public QImage {
public:
    PageImage(int largeur, int hauteur, int largeurMM, int hauteurMM)
        : QImage(largeur, hauteur, QImage::Format_RGB32), largeurMM_(largeurMM), hauteurMM_(hauteurMM)
    {
        fill(Qt::white);
    }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        if (m == PdmWidthMM)
            return largeurMM_;
        if (m == PdmHeightMM)
            return hauteurMM_;
        if (m == PdmPhysicalDpiX || m == PdmPhysicalDpiY)
            return 0;
        return QImage::metric(m);
    }

private:
    int largeurMM_, hauteurMM_;
};

class CompteOccupe : public IndicateurOccupe {
public:
    void Debut() override { ++debut; }
    void Fin() override { ++fin; }
    int debut = 0, fin = 0;
};

int PixelsEncres(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

class ImprimeDessinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        donnees_.CreeTables();
        TRecPoint p;
        p.X = 0;
        p.Y = 0;
        donnees_.EcritPoint(0, p);
        TRecPoint cache = p;
        cache.X = 10;
        cache.Couche = 3;
        donnees_.EcritPoint(1, cache);
    }
    TModuleDonnee donnees_;
    TVisibilite visibilite_;
    CompteOccupe occupe_;
};

TEST_F(ImprimeDessinTest, OnlyVisibleElementsWithPrinterSizeCrosses)
{
    // 200 x 100 device pixels on 50 x 25 mm, 4 pixels per mm.
    PageImage page(200, 100, 50, 25);
    const TPage lue = PageAppareil(page);
    EXPECT_EQ(lue.Largeur, 200);
    EXPECT_EQ(lue.HauteurMM, 25);
    const TVue vue = *EchelleImpressionCentree(lue, 0, 0, 2); // 8 pixels per unit
    visibilite_.SetCoucheVisible(3, false);
    ASSERT_EQ(ImprimeDessin(page, vue, donnees_, visibilite_, occupe_), "");
    EXPECT_EQ(occupe_.debut, 1);
    EXPECT_EQ(occupe_.fin, 1);
    // One cross of 19 x 19 device pixels at the centre: two diagonals of 19 pixels that
    // share their middle one. The point of layer 3, 80 pixels to the right, is not printed.
    EXPECT_EQ(PixelsEncres(page), 37);
    EXPECT_NE(page.pixel(100 - 9, 50 - 9), qRgb(255, 255, 255));
    EXPECT_NE(page.pixel(100 + 9, 50 + 9), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(100 + 10, 50 + 10), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(180, 50), qRgb(255, 255, 255));
}

TEST_F(ImprimeDessinTest, NothingPrintedWhenThePageOrTheDocumentFails)
{
    const TVue vue = *EchelleImpressionCentree(kPage, 0, 0, 1);

    PageImage sansMillimetres(200, 100, 0, 25);
    EXPECT_NE(ImprimeDessin(sansMillimetres, vue, donnees_, visibilite_, occupe_).find("nulle"),
              std::string::npos);
    EXPECT_EQ(PixelsEncres(sansMillimetres), 0);

    QPdfWriter pdf(QStringLiteral("/dossier-absent-velk/page.pdf"));
    const std::string raison = ImprimeDessin(pdf, vue, donnees_, visibilite_, occupe_);
    EXPECT_NE(raison.find("ne peut pas être commencé"), std::string::npos) << raison;
    // The busy indicator never stays on.
    EXPECT_EQ(occupe_.debut, occupe_.fin);
}

TEST(PageAppareil, MillimetresAreThoseTheDeviceDrawsAt)
{
    // A4 at 1 200 dpi with 10 mm margins: about 190 x 277 mm of printable area, in whole
    // device pixels; the millimetres follow the pixels, not the rounded figures.
    QPdfWriter pdf(QStringLiteral("/dossier-absent-velk/page.pdf"));
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    const TPage page = PageAppareil(pdf);
    EXPECT_NEAR(static_cast<double>(page.LargeurMM), page.Largeur * 25.4 / 1200, 1e-9);
    EXPECT_NEAR(static_cast<double>(page.HauteurMM), page.Hauteur * 25.4 / 1200, 1e-9);
    EXPECT_NEAR(static_cast<double>(page.LargeurMM), 190, 0.5);
    EXPECT_NEAR(static_cast<double>(page.HauteurMM), 277, 0.5);
}

} // namespace
} // namespace velk
