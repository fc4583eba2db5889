// velk and start.sh on a machine without a display: the French line, the exit status and,
// for start.sh, the sample program drawn into demo.png instead of Qt's abort.
#include "shell/sans_affichage.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velk {
namespace {

TEST(SansAffichage, DisplayMissingOnlyWithoutPlatformAndBothDisplayVariables)
{
    struct Cas {
        const char* plateforme;
        const char* display;
        const char* wayland;
        std::vector<const char*> arguments;
        bool absent;
    };
    const Cas cas[] = {
        {nullptr, nullptr, nullptr, {}, true},
        {"", "", "", {"demo.vlk"}, true},
        {nullptr, ":0", nullptr, {}, false},
        {nullptr, nullptr, "wayland-0", {}, false},
        {"offscreen", nullptr, nullptr, {}, false},
        {nullptr, nullptr, nullptr, {"-platform", "offscreen"}, false},
        {nullptr, nullptr, nullptr, {"demo.vlk", "--platform", "xcb"}, false},
    };
    for (const Cas& c : cas) {
        std::vector<const char*> argv = {"velk"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(std::string(c.display ? c.display : "-") + " " +
                     (c.plateforme ? c.plateforme : "-") + " " + std::to_string(argv.size()));
        EXPECT_EQ(AffichageAbsent(c.plateforme, c.display, c.wayland, int(argv.size()),
                                  argv.data()),
                  c.absent);
    }
}

struct Resultat {
    int code = -1;
    QStringList sortie, erreurs;
};

// Runs a program with nothing in its environment but `variables`.
Resultat Lance(const QString& programme, const QStringList& arguments,
               const QStringList& variables, const QString& dossier = QString())
{
    QProcess p;
    QProcessEnvironment env; // empty, not the test's own
    for (const QString& v : variables)
        env.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(env);
    if (!dossier.isEmpty())
        p.setWorkingDirectory(dossier);
    p.start(programme, arguments);
    Resultat r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << programme.toStdString() << " did not end";
        return r;
    }
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "crashed or aborted";
    r.code = p.exitCode();
    r.sortie = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    r.erreurs = QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return r;
}

const QString Message = QString::fromUtf8(MessageSansAffichage);

TEST(SansAffichage, VelkSaysWhyAndEndsWithStatus2)
{
    // No display at all, and a display that cannot be reached.
    for (const QStringList& env : {QStringList(), QStringList{"DISPLAY=:987"}}) {
        SCOPED_TRACE(env.join(' ').toStdString());
        const Resultat r = Lance(QStringLiteral(VELK_EXE), {"demo.vlk"}, env);
        EXPECT_EQ(r.code, SortieSansAffichage);
        ASSERT_FALSE(r.erreurs.isEmpty());
        EXPECT_EQ(r.erreurs.front(), Message);
        EXPECT_TRUE(r.erreurs.join('\n').contains("velk-run --png dessin.png --cadrage demo.vlk"));
    }
}

// start.sh in a copy of the tree whose install and build steps are already done (they are
// replaced by empty scripts) and whose build folder holds the programs under test.
class StartSh : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(racine_.isValid());
        const QString source = QStringLiteral(VELK_SOURCE_DIR "/");
        for (const char* chemin : {"start.sh", "scripts/demo-sans-affichage.sh",
                                   "examples/demo.vlk"}) {
            QDir().mkpath(QFileInfo(Chemin(chemin)).path());
            ASSERT_TRUE(QFile::copy(source + chemin, Chemin(chemin))) << chemin;
        }
        for (const char* etape : {"scripts/install-deps.sh", "scripts/build.sh"}) {
            QFile f(Chemin(etape));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\nexit 0\n");
        }
        for (const char* script :
             {"start.sh", "scripts/demo-sans-affichage.sh", "scripts/install-deps.sh",
              "scripts/build.sh"})
            QFile::setPermissions(Chemin(script), QFileDevice::ReadOwner |
                                                      QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
        QDir().mkpath(Chemin("build/src/shell"));
        QDir().mkpath(Chemin("build/src/cli"));
        ASSERT_TRUE(QFile::link(QStringLiteral(VELK_EXE), Chemin("build/src/shell/velk")));
        ASSERT_TRUE(QFile::link(QStringLiteral(VELK_RUN), Chemin("build/src/cli/velk-run")));
    }
    QString Chemin(const char* relatif) const { return racine_.filePath(relatif); }
    Resultat Start(QStringList env)
    {
        env << "PATH=/usr/bin:/bin";
        return Lance(QStringLiteral("/bin/sh"), {Chemin("start.sh")}, env, racine_.path());
    }
    // demo.png next to start.sh, with the sample's elements drawn on white.
    void VerifieImage(const Resultat& r)
    {
        const QString png = Chemin("demo.png");
        ASSERT_FALSE(r.sortie.isEmpty());
        EXPECT_TRUE(r.sortie.back().endsWith(png)) << r.sortie.back().toStdString();
        QImage image(png);
        ASSERT_FALSE(image.isNull());
        int colores = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                colores += image.pixel(x, y) != QColor(Qt::white).rgb();
        EXPECT_GT(colores, 200);
    }
    QTemporaryDir racine_;
};

TEST_F(StartSh, WithoutDisplayRunsTheSampleAndDrawsIt)
{
    const Resultat r = Start({});
    EXPECT_EQ(r.code, 0) << r.erreurs.join('\n').toStdString();
    ASSERT_GE(r.sortie.size(), 3);
    EXPECT_EQ(r.sortie.front(), Message);
    EXPECT_EQ(r.sortie.at(1), QString::fromUtf8("examples/demo.vlk exécuté sans message."));
    VerifieImage(r);
}

TEST_F(StartSh, UnreachableDisplaySaysItOnceAndDrawsTheSample)
{
    const Resultat r = Start({"DISPLAY=:987"});
    EXPECT_EQ(r.code, 0) << r.erreurs.join('\n').toStdString();
    ASSERT_FALSE(r.erreurs.isEmpty());
    EXPECT_EQ(r.erreurs.front(), Message);
    EXPECT_FALSE(r.sortie.contains(Message));
    VerifieImage(r);
}

TEST_F(StartSh, FailedDemoIsNotReportedAsDone)
{
    ASSERT_TRUE(QFile::remove(Chemin("examples/demo.vlk")));
    const Resultat r = Start({});
    EXPECT_EQ(r.code, 2);
    EXPECT_FALSE(QFile::exists(Chemin("demo.png")));
    EXPECT_FALSE(r.sortie.join('\n').contains("demo.png"));
}

} // namespace
} // namespace velk
