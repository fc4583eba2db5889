// velk-capture, behind the README's picture of the main window: the drawing tab with the
// program run, at the size asked, and no picture without a program to show.
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int Lance(const QStringList& arguments)
{
    QProcess p;
    QProcessEnvironment env; // no display, nothing but the program folder
    env.insert("PATH", "/usr/bin:/bin");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELK_CAPTURE), arguments);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}

TEST(Capture, MainWindowWithTheSampleDrawnWithoutDisplay)
{
    QTemporaryDir dossier;
    const QString image = dossier.filePath("fenetre.png");
    ASSERT_EQ(Lance({VELK_SOURCE_DIR "/examples/demo.vlk", image, "640x480"}), 0);
    const QImage capture(image);
    ASSERT_EQ(capture.size(), QSize(640, 480));
    // The bolt circle is drawn in pure blue: the run has reached the drawing tab.
    int bleus = 0;
    for (int y = 0; y < capture.height(); ++y)
        for (int x = 0; x < capture.width(); ++x)
            bleus += capture.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(bleus, 50);
}

TEST(Capture, NoPictureForAMissingProgramOrBadArguments)
{
    QTemporaryDir dossier;
    const QString image = dossier.filePath("fenetre.png");
    EXPECT_EQ(Lance({dossier.filePath("absent.vlk"), image}), 2);
    EXPECT_EQ(Lance({VELK_SOURCE_DIR "/examples/demo.vlk", image, "grand"}), 2);
    EXPECT_EQ(Lance({image}), 2);
    EXPECT_FALSE(QFile::exists(image));
}

} // namespace
