// Safe writes with their backup, the program folder, the application title and the table
// models of the grids.
#include "shell/dossier_programme.h"
#include "shell/ecriture_sure.h"
#include "shell/modele_table.h"
#include "store/module_donnee.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace velk {
namespace {

QByteArray Lit(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(EcritureSure, NomDeSecours)
{
    const struct {
        const char* document;
        const char* secours;
    } kCas[] = {
        {"/d/piece.vlk", "/d/piece.~lk"},
        {"/d/piece", "/d/piece.~lk"},
        {"/d/a.b.vlk", "/d/a.b.~lk"},
        {"/d.x/piece", "/d.x/piece.~lk"},
        {"/d/VELK.SAV", "/d/VELK.~lk"},
        {"relatif.vlk", "relatif.~lk"},
    };
    for (const auto& c : kCas)
        EXPECT_EQ(NomSecours(QString::fromLatin1(c.document)), QString::fromLatin1(c.secours))
            << c.document;
}

TEST(EcritureSure, LeSecoursGardeLaVersionPrecedente)
{
    QTemporaryDir d;
    const QString doc = d.filePath("p.vlk"), secours = d.filePath("p.~lk");
    QString erreur;
    ASSERT_TRUE(EcritFichierSur(doc, "un", secours, erreur));
    EXPECT_FALSE(QFileInfo::exists(secours)); // nothing to keep yet
    ASSERT_TRUE(EcritFichierSur(doc, "deux", secours, erreur));
    ASSERT_TRUE(EcritFichierSur(doc, "trois", secours, erreur));
    EXPECT_EQ(Lit(doc), "trois");
    EXPECT_EQ(Lit(secours), "deux");
    // Without a backup name the document is replaced alone.
    ASSERT_TRUE(EcritFichierSur(doc, "quatre", QString(), erreur));
    EXPECT_EQ(Lit(secours), "deux");
    EXPECT_EQ(Lit(doc), "quatre");
    // No temporary file is left behind.
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files).size(), 2);
}

TEST(EcritureSure, UnEchecNeToucheNiAuDocumentNiAuSecours)
{
    QTemporaryDir d;
    const QString secours = d.filePath("p.~lk");
    QString erreur;
    // The target is a folder: the write cannot even start.
    ASSERT_TRUE(QDir().mkdir(d.filePath("p.vlk")));
    QFile f(secours);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ancien");
    f.close();
    EXPECT_FALSE(EcritFichierSur(d.filePath("p.vlk"), "neuf", secours, erreur));
    EXPECT_TRUE(erreur.startsWith(QStringLiteral("Impossible d'écrire le fichier")));
    EXPECT_EQ(Lit(secours), "ancien");
    EXPECT_FALSE(EcritFichierSur(d.filePath("absent/p.vlk"), "neuf", QString(), erreur));
}

TEST(DossierProgramme, Choix)
{
    EXPECT_EQ(ChoisitDossierProgramme("/tmp/x", "/opt/velk", true, "/home/u/.local/share/velk"),
              QStringLiteral("/tmp/x/"));
    EXPECT_EQ(ChoisitDossierProgramme("", "/opt/velk/", true, "/home/u/.local/share/velk"),
              QStringLiteral("/opt/velk/"));
    EXPECT_EQ(ChoisitDossierProgramme("", "/usr/bin", false, "/home/u/.local/share/velk"),
              QStringLiteral("/home/u/.local/share/velk/"));
    EXPECT_EQ(ChoisitDossierProgramme("essai/../tables", "/opt/velk", true, "/u"),
              QDir::current().absoluteFilePath(QStringLiteral("tables")) + QLatin1Char('/'));
}

TEST(DossierProgramme, UnDossierBinDInstallationNeSertPas)
{
    const struct {
        const char* dossier;
        bool inscriptible;
        bool utilisable;
    } kCas[] = {
        {"/usr/bin", false, false},         {"/usr/bin", true, false}, // root may write there
        {"/usr/local/bin/", true, false},   {"/home/u/.local/bin", true, false},
        {"/home/u/velk/build/src/shell", true, true}, {"/opt/velk", true, true},
        {"/opt/velk", false, false},        {"/opt/binaires", true, true},
        {"", true, false},
    };
    for (const auto& c : kCas)
        EXPECT_EQ(DossierExecutableUtilisable(QString::fromLatin1(c.dossier), c.inscriptible),
                  c.utilisable)
            << c.dossier << " " << c.inscriptible;
}

// Installed under a prefix, the program keeps its files in the user's data folder, created
// at first use; VELK_DOSSIER still wins.
TEST(DossierProgramme, InstalleVaDansLesDonneesDeLUtilisateur)
{
    QTemporaryDir racine;
    ASSERT_TRUE(racine.isValid());
    ASSERT_TRUE(QDir(racine.path()).mkpath(QStringLiteral("usr/bin")));
    const QByteArray dossierAvant = qgetenv("VELK_DOSSIER");
    const QByteArray xdgAvant = qgetenv("XDG_DATA_HOME");
    qunsetenv("VELK_DOSSIER");
    qputenv("XDG_DATA_HOME", (racine.path() + QStringLiteral("/donnees")).toUtf8());
    const QString bin = racine.path() + QStringLiteral("/usr/bin");
    const QString attendu = racine.path() + QStringLiteral("/donnees/velk/");
    EXPECT_EQ(DossierProgramme(bin), attendu);
    EXPECT_TRUE(QFileInfo(attendu).isDir());
    // A build folder that can be written keeps its files beside the program.
    EXPECT_EQ(DossierProgramme(racine.path()), racine.path() + QLatin1Char('/'));
    qputenv("VELK_DOSSIER", (racine.path() + QStringLiteral("/ici")).toUtf8());
    EXPECT_EQ(DossierProgramme(bin), racine.path() + QStringLiteral("/ici/"));
    qputenv("VELK_DOSSIER", dossierAvant);
    if (xdgAvant.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", xdgAvant);
}

TEST(DossierProgramme, Titre)
{
    const struct {
        const char* chemin;
        const char* titre;
    } kCas[] = {{"/usr/bin/velk", "Velk"}, {"C:/P/VELK.EXE", "Velk"}, {"/x/MonVelk", "Monvelk"}};
    for (const auto& c : kCas)
        EXPECT_EQ(TitreApplication(QString::fromLatin1(c.chemin)), QString::fromLatin1(c.titre));
}

TEST(ModeleTable, TexteReelReluALIdentique)
{
    for (double v : {0.0, 1.5, -2.0, 0.1, 1.0 / 3.0, 123456789.125, 1e-300, -6.02e23}) {
        const QString t = TexteReel(v);
        EXPECT_FALSE(t.contains(QLatin1Char(','))) << v;
        EXPECT_EQ(std::strtod(t.toLatin1().constData(), nullptr), v) << t.toStdString();
    }
}

TEST(ModeleTable, LignesParRangEtChampsOptionnels)
{
    TModuleDonnee donnees;
    donnees.CreeTables();
    donnees.TablesLectureSeule(false);
    TRecLigne droite;
    droite.Aod = 0.5L;
    TRecLigne segment;
    segment.Xdd = 1;
    segment.Xfd = 2;
    segment.Couleur = 3;
    donnees.EcritLigne(7, droite);
    donnees.EcritLigne(2, segment);
    donnees.TablesLectureSeule(true);

    ModeleTable m(donnees, GenreTable::Ligne);
    ASSERT_EQ(m.rowCount(), 2);
    ASSERT_EQ(m.columnCount(), 10);
    EXPECT_EQ(m.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Aod"));
    EXPECT_EQ(m.data(m.index(0, 0)).toString(), QStringLiteral("2"));
    EXPECT_EQ(m.data(m.index(0, 4)).toString(), QStringLiteral("1"));
    EXPECT_EQ(m.data(m.index(0, 8)).toString(), QStringLiteral("3"));
    EXPECT_EQ(m.data(m.index(1, 0)).toString(), QStringLiteral("7"));
    EXPECT_EQ(m.data(m.index(1, 3)).toString(), QStringLiteral("0.5"));
    EXPECT_FALSE(m.data(m.index(1, 4)).isValid()); // a whole line has no segment ends

    // Emptied tables show no stale row, even before the model is reset.
    donnees.VideTables();
    EXPECT_FALSE(m.data(m.index(1, 0)).isValid());
    m.Actualise();
    EXPECT_EQ(m.rowCount(), 0);
}

} // namespace
} // namespace velk
