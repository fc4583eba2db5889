// velk-run end to end: exit codes, plain and JSON output, table files, file errors, and
// inputs that must not crash it.
#include "cli/run_fichier.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace velk {
namespace {

struct Resultat {
    int code = -1;
    std::string sortie, erreurs;
};

std::string Lit(std::FILE* f) {
    std::rewind(f);
    std::string texte;
    char tampon[4096];
    size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0) texte.append(tampon, n);
    std::fclose(f);
    return texte;
}

class RunTest : public ::testing::Test {
protected:
    std::string Ecrit(const char* nom, const std::string& octets) {
        const QString chemin = dossier.filePath(nom);
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets.data(), static_cast<qint64>(octets.size()));
        return chemin.toStdString();
    }
    Resultat Run(const OptionsRun& options) {
        std::FILE* sortie = std::tmpfile();
        std::FILE* erreurs = std::tmpfile();
        Resultat r;
        r.code = RunFichier(options, sortie, erreurs);
        r.sortie = Lit(sortie);
        r.erreurs = Lit(erreurs);
        return r;
    }
    Resultat Run(const std::string& programme, bool json = false, std::string tables = {}) {
        OptionsRun o;
        o.programme = programme;
        o.json = json;
        o.dossierTables = std::move(tables);
        return Run(o);
    }
    QTemporaryDir dossier;
};

const std::string Entete = "Programme VELK Version 1.0 \r\n\r\n\r\n";

TEST_F(RunTest, ExitCodesFollowMessagesAndFileErrors) {
    const Resultat propre = Run(Ecrit("a.vlk", Entete + "P0:=0,0,0,0\r\nL0:=P0,A0,0,0\r\n"));
    EXPECT_EQ(propre.code, 0);
    EXPECT_EQ(propre.sortie, "");

    const Resultat fautif = Run(Ecrit("b.vlk", Entete + "P0:=0,0,0,0\nP0:=1,1,0,0\nZ\n"));
    EXPECT_EQ(fautif.code, 1);
    EXPECT_EQ(fautif.sortie, "(5) Point P0 déjà défini\n(6) Erreur de syntaxe\n");

    const Resultat absent = Run(dossier.filePath("absent.vlk").toStdString());
    EXPECT_EQ(absent.code, 2);
    EXPECT_NE(absent.erreurs.find("n'existe pas"), std::string::npos) << absent.erreurs;
    EXPECT_EQ(Run(dossier.path().toStdString()).code, 2);
}

TEST_F(RunTest, JsonHoldsMessagesAndEveryTableInNumberOrder) {
    const Resultat r = Run(Ecrit("c.vlk", Entete + "V2:=4\nP3:=1,2,5,6\nP1:=0.1,-2,0,0\nV2:=6\n"
                                                   "L0:=P1,P3,1,2\nC7:=P3,V2,3,4\nQ\n"),
                           true);
    EXPECT_EQ(r.code, 1);
    QJsonParseError erreur;
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.sortie), &erreur).object();
    ASSERT_EQ(erreur.error, QJsonParseError::NoError) << r.sortie;
    EXPECT_EQ(doc.keys(), (QStringList{"circles", "lines", "messages", "points", "variables"}));
    EXPECT_EQ(doc["messages"].toArray().at(0).toString(), "(10) Erreur de syntaxe");
    const QJsonArray points = doc["points"].toArray();
    ASSERT_EQ(points.size(), 2);
    EXPECT_EQ(points[0].toObject()["Numero"].toInt(), 1);
    EXPECT_EQ(points[0].toObject()["X"].toDouble(), 0.1);
    EXPECT_EQ(points[1].toObject()["Couche"].toInt(), 6);
    EXPECT_EQ(doc["variables"].toArray(), QJsonArray({QJsonObject{{"Numero", 2}, {"Valeur", 6}}}));
    EXPECT_EQ(doc["circles"].toArray()[0].toObject()["Rc"].toDouble(), 6);
    EXPECT_EQ(doc["lines"].toArray()[0].toObject().keys().size(), 10);
    // Field order is part of the format.
    EXPECT_NE(r.sortie.find("{\"Numero\":1,\"X\":0.10000000000000001,\"Y\":-2,\"Couleur\":0,\"Couche\":0}"),
              std::string::npos)
        << r.sortie;
}

// The document is produced in pieces: one far larger than a piece must still parse whole,
// and a write that fails must not be reported as success.
TEST_F(RunTest, LargeJsonIsWholeAndFailedWritesAreReported) {
    std::string programme = Entete;
    for (int n = 0; n < 3000; ++n)
        programme += "P" + std::to_string(n) + ":=" + std::to_string(n) + ".25,-1E-3,1,2\n";
    const std::string chemin = Ecrit("grand.vlk", programme);
    const Resultat r = Run(chemin, true);
    EXPECT_EQ(r.code, 0);
    ASSERT_GT(r.sortie.size(), size_t{150000}); // several pieces
    QJsonParseError erreur;
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.sortie), &erreur).object();
    ASSERT_EQ(erreur.error, QJsonParseError::NoError);
    const QJsonArray points = doc["points"].toArray();
    ASSERT_EQ(points.size(), 3000);
    EXPECT_EQ(points[2999].toObject()["X"].toDouble(), 2999.25);
    EXPECT_EQ(points[1234].toObject()["Y"].toDouble(), -1E-3);
    EXPECT_EQ(r.sortie.substr(r.sortie.size() - 3), "]}\n");

    for (bool json : {true, false}) {
        const QString lecture = dossier.filePath("lecture_seule");
        QFile(lecture).open(QIODevice::WriteOnly);
        std::FILE* fermee = std::fopen(lecture.toLocal8Bit().constData(), "r");
        ASSERT_NE(fermee, nullptr);
        std::FILE* erreurs = std::tmpfile();
        OptionsRun o;
        o.programme = json ? chemin : Ecrit("faux.vlk", Entete + "Z\n");
        o.json = json;
        EXPECT_EQ(RunFichier(o, fermee, erreurs), 2) << json;
        std::fclose(fermee);
        EXPECT_NE(Lit(erreurs).find("Impossible d'écrire la sortie"), std::string::npos);
    }
}

// Images come from the drawing module, loaded only for them.
TEST_F(RunTest, ImagesAreDrawnThroughTheModule) {
    OptionsRun o;
    o.programme = Ecrit("i.vlk", Entete + "P0:=0,0,0,0\nC0:=P0,30,0,0\nL0:=P0,A30,0,0\n");
    o.png = dossier.filePath("i.png").toStdString();
    o.tailleImage = "64x48";
    const Resultat r = Run(o);
    EXPECT_EQ(r.code, 0) << r.erreurs;
    QFile png(QString::fromStdString(o.png));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(png.read(8).startsWith("\x89PNG"));
}

TEST_F(RunTest, TablesAreWrittenOnlyWhenAsked) {
    const std::string programme = Ecrit("d.vlk", Entete + "P0:=0,0,0,0\n");
    EXPECT_EQ(Run(programme).code, 0);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files).size(), 1);
    const QString tables = dossier.filePath("sous/dossier");
    EXPECT_EQ(Run(programme, false, tables.toStdString()).code, 0);
    for (const char* nom : {"Points.DB", "Lignes.DB", "Cercles.DB", "Variables.DB", "Formes.DB"})
        EXPECT_TRUE(QFile::exists(tables + "/" + nom)) << nom;
    const QString bloque = QString::fromStdString(Ecrit("fichier", "x"));
    const Resultat r = Run(programme, false, (bloque + "/t").toStdString());
    EXPECT_EQ(r.code, 2);
    EXPECT_FALSE(r.erreurs.empty());
}

// A table file that cannot be used stops velk-run with code 2 and a message naming it and
// saying why; the file is left as it was.
TEST_F(RunTest, UnusableTableFileExitsTwoWithItsName) {
    const std::string programme = Ecrit("g.vlk", Entete + "P0:=0,0,0,0\n");
    const struct {
        const char* fichier;
        std::string contenu;
        const char* raison;
    } cas[] = {
        {"Points.DB", std::string(4096, '\x5a'), "n'est pas un fichier de table"},
        {"Lignes.DB", "SQLite format 2\n", "n'est pas un fichier de table"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fichier);
        QTemporaryDir tables;
        const QString chemin = tables.filePath(c.fichier);
        {
            QFile f(chemin);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.contenu.data(), static_cast<qint64>(c.contenu.size()));
        }
        const Resultat r = Run(programme, false, tables.path().toStdString());
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.erreurs.find(chemin.toStdString()), std::string::npos) << r.erreurs;
        EXPECT_NE(r.erreurs.find(c.raison), std::string::npos) << r.erreurs;
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().toStdString(), c.contenu);
    }
}

TEST_F(RunTest, BinaryAndHugeInputsGiveMessagesNotCrashes) {
    std::string binaire = Entete;
    for (int k = 0; k < 300000; ++k) binaire += static_cast<char>((k * 131 + (k >> 5)) & 0xFF);
    const Resultat r = Run(Ecrit("e.vlk", binaire), true);
    EXPECT_EQ(r.code, 1);
    QJsonParseError erreur;
    QJsonDocument::fromJson(QByteArray::fromStdString(r.sortie), &erreur);
    EXPECT_EQ(erreur.error, QJsonParseError::NoError);

    const std::string enorme = Entete + "P0:=" + std::string(10'000'000, '1') + ",0,0,0\r\nP1:=0,0,0,0";
    const Resultat r2 = Run(Ecrit("f.vlk", enorme));
    EXPECT_EQ(r2.sortie, "(4) Pas de solution possible\n");
}

TEST(VelkRun, ExecutableAnswersHelpAndRefusesBadUsage) {
    QProcess aide;
    aide.start(QStringLiteral(VELK_RUN), {"--help"});
    ASSERT_TRUE(aide.waitForFinished(30000));
    EXPECT_EQ(aide.exitCode(), 0);
    EXPECT_TRUE(aide.readAllStandardOutput().startsWith("Usage : velk-run"));

    QProcess mauvais;
    mauvais.start(QStringLiteral(VELK_RUN), {"--inconnue"});
    ASSERT_TRUE(mauvais.waitForFinished(30000));
    EXPECT_EQ(mauvais.exitCode(), 2);
    EXPECT_TRUE(mauvais.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(mauvais.readAllStandardError().contains("Option inconnue : --inconnue"));
}

} // namespace
} // namespace velk
