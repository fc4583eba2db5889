// The application icon: read from the resources, drawn at every usual size with the motif
// in the middle, and shown by the About box once it is the application's icon.
#include "shell/icone_application.h"
#include "shell/editor/outils_widgets.h"
#include "shell/widgets/apropos.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

namespace velk::test {
namespace {

TEST(IconeApplication, DessineeATouteTaille)
{
    Application();
    const QIcon icone = IconeApplication();
    ASSERT_FALSE(icone.isNull());
    for (int taille : {16, 24, 32, 48, 256}) {
        const QImage image = icone.pixmap(taille, taille).toImage();
        ASSERT_EQ(image.size(), QSize(taille, taille)) << taille;
        // The rounded corners stay transparent; the inside is painted.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << taille;
        EXPECT_EQ(qAlpha(image.pixel(taille / 2, taille / 2)), 255) << taille;
        // Some blue of the circle and some dark of the compass at every size.
        bool bleu = false, sombre = false;
        for (int y = 0; y < taille; ++y)
            for (int x = 0; x < taille; ++x) {
                const QColor c = image.pixelColor(x, y);
                bleu = bleu || (c.blue() > 150 && c.red() < 90 && c.alpha() == 255);
                sombre = sombre || (c.lightness() < 80 && c.alpha() == 255);
            }
        EXPECT_TRUE(bleu) << taille;
        EXPECT_TRUE(sombre) << taille;
    }
}

TEST(IconeApplication, MontreeDansLaBoiteAPropos)
{
    Application();
    QApplication::setWindowIcon(IconeApplication());
    TFAbout about;
    about.Remplit(InfosSysteme{});
    bool trouvee = false;
    for (const QLabel* l : about.findChildren<QLabel*>())
        trouvee = trouvee || (!l->pixmap().isNull() && l->pixmap().width() == 32);
    EXPECT_TRUE(trouvee);
    // The dialogs inherit it: a new window's icon is the application's.
    EXPECT_FALSE(about.windowIcon().isNull());
    QApplication::setWindowIcon(QIcon());
}

} // namespace
} // namespace velk::test
