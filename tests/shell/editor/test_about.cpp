// The About box's facts from sample system files, its texts, and the options dialog
// setting the autosave timer.
#include "shell/editor/outils_widgets.h"
#include "shell/widgets/apropos.h"
#include "shell/widgets/infos_systeme.h"
#include "shell/widgets/options.h"

#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace velk {
namespace {

const char* const kMeminfo = "MemTotal:        8000000 kB\n"
                             "MemFree:          500000 kB\n"
                             "MemAvailable:    2000000 kB\n"
                             "Buffers:          100000 kB\n"
                             "Cached:          1000000 kB\n"
                             "SwapCached:            0 kB\n"
                             "SwapTotal:       2000000 kB\n"
                             "SwapFree:        1500000 kB\n"
                             "HugePages_Total:       0\n";

TEST(InfosSysteme, MemoireEtEchange)
{
    const MemoireSysteme m = LitMeminfo(QString::fromLatin1(kMeminfo));
    EXPECT_EQ(m.totalPhysique, 8000000ull * 1024);
    EXPECT_EQ(m.disponible, 2000000ull * 1024);
    EXPECT_EQ(m.totalEchange, 2000000ull * 1024);
    EXPECT_EQ(m.echangeLibre, 1500000ull * 1024);
    EXPECT_EQ(ChargeMemoire(m), 75);
    EXPECT_EQ(ChargeEchange(m), 25);
    // 8 192 000 000 bytes in units of 1 024 000.
    EXPECT_EQ(TailleMo(m.totalPhysique), QStringLiteral("8000 Mo"));
    EXPECT_EQ(TailleMo(64000000), QStringLiteral("62 Mo"));
}

TEST(InfosSysteme, SansEchangeNiMemAvailable)
{
    const MemoireSysteme m = LitMeminfo(QStringLiteral("MemTotal: 1000 kB\nMemFree: 100 kB\n"
                                                       "Buffers: 50 kB\nCached: 100 kB\n"
                                                       "SwapTotal: 0 kB\nSwapFree: 0 kB\n"));
    EXPECT_EQ(m.disponible, 250ull * 1024);
    EXPECT_EQ(ChargeMemoire(m), 75);
    EXPECT_EQ(ChargeEchange(m), 0);
    EXPECT_EQ(TailleMo(m.totalEchange), QStringLiteral("0 Mo"));
    // Nothing readable at all: zeros, no division by zero.
    const MemoireSysteme vide = LitMeminfo(QStringLiteral("\x01garbage\nMemTotal: x kB\n"));
    EXPECT_EQ(ChargeMemoire(vide), 0);
    EXPECT_EQ(ChargeEchange(vide), 0);
    MemoireSysteme minuscule;
    minuscule.totalEchange = 99;
    EXPECT_EQ(ChargeEchange(minuscule), 0);
}

TEST(InfosSysteme, SystemeEtUtilisateur)
{
    EXPECT_EQ(LitOsRelease(QStringLiteral("NAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"
                                          "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n")),
              QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    EXPECT_EQ(LitOsRelease(QStringLiteral("NAME=Fedora\nVERSION_ID=39\n")),
              QStringLiteral("Fedora 39"));
    EXPECT_EQ(LitOsRelease(QStringLiteral("PRETTY_NAME='Mon \\\"OS\\\"'\n")),
              QStringLiteral("Mon \"OS\""));
    EXPECT_EQ(LitOsRelease(QString()), QStringLiteral("Linux"));
    EXPECT_EQ(LigneSysteme(QStringLiteral("Debian"), QStringLiteral("6.1.0")),
              QStringLiteral("Debian Version 6.1.0"));
    EXPECT_TRUE(LigneSysteme(QStringLiteral("Linux"), QString()).endsWith(QStringLiteral(" <aucun>")));
    EXPECT_EQ(NomUtilisateur(QStringLiteral("Jeanne Dupré,Bureau 4,,"), QStringLiteral("jd")),
              QStringLiteral("Jeanne Dupré"));
    EXPECT_EQ(NomUtilisateur(QStringLiteral(",,,"), QStringLiteral("jd")), QStringLiteral("jd"));
    EXPECT_EQ(NomUtilisateur(QString(), QStringLiteral("jd")), QStringLiteral("jd"));
}

TEST(TFAboutTest, TextesAffiches)
{
    test::Application();
    TFAbout about;
    InfosSysteme infos;
    infos.titre = QStringLiteral("Velk");
    infos.utilisateur = QStringLiteral("Jeanne");
    infos.os = QStringLiteral("Debian Version 6.1.0");
    infos.memoire = LitMeminfo(QString::fromLatin1(kMeminfo));
    about.Remplit(infos);
    EXPECT_EQ(about.windowTitle(), QStringLiteral(" A propos de Velk"));
    EXPECT_EQ(about.TitreProgramme()->text(), QStringLiteral("Velk"));
    EXPECT_EQ(about.TitreVersion()->text(), QStringLiteral("Version 1.0"));
    EXPECT_EQ(about.TitreLogiciel()->text(), QStringLiteral("Logiciel 64 bits pour Linux"));
    EXPECT_EQ(about.Societe()->text(), QString());
    EXPECT_EQ(about.Mem()->text(), QStringLiteral("8000 Mo"));
    EXPECT_EQ(about.Swap()->text(), QStringLiteral("2000 Mo"));
    EXPECT_EQ(about.GaugeMem()->value(), 75);
    EXPECT_EQ(about.GaugeSwap()->value(), 25);

    // Showing reads the running system again.
    about.TitreApplication = QStringLiteral("Velk");
    about.show();
    EXPECT_FALSE(about.Utilisateur()->text().isEmpty());
    EXPECT_TRUE(about.Os()->text().contains(QStringLiteral(" Version ")));
    EXPECT_TRUE(about.Mem()->text().endsWith(QStringLiteral(" Mo")));
    about.hide();
}

TEST(TFOptionsTest, ZeroArreteCinqRelance)
{
    test::Application();
    QTimer tempo;
    tempo.setInterval(600000);
    tempo.start();
    TFOptions options;
    EXPECT_EQ(options.windowTitle(), QStringLiteral("Options"));

    options.Ouvre(tempo);
    options.show();
    EXPECT_EQ(options.DefTempo()->value(), 10);
    EXPECT_EQ(options.DefTempo()->maximum(), 60);
    options.DefTempo()->setValue(0);
    test::Touche(&options, Qt::Key_Escape); // closed by any means, the value applies
    EXPECT_FALSE(options.isVisible());
    EXPECT_FALSE(tempo.isActive());

    options.Ouvre(tempo);
    options.show();
    EXPECT_EQ(options.DefTempo()->value(), 0);
    options.DefTempo()->setValue(5);
    options.close();
    EXPECT_TRUE(tempo.isActive());
    EXPECT_EQ(tempo.interval(), 5 * 60000);

    // Closing again without reopening touches nothing.
    tempo.stop();
    options.show();
    options.close();
    EXPECT_FALSE(tempo.isActive());
}

} // namespace
} // namespace velk
