// Runs every program of tests/golden and examples through velk-run --json and compares the
// document with its reference NAME.json here. On a difference the new output is written
// beside the reference as NAME.out and the number of differing values is reported;
// accepte.sh turns a reviewed .out into the new reference.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString Source = QStringLiteral(VELK_SOURCE_DIR);

QStringList Programmes() {
    QStringList chemins;
    for (const QString& dossier : {Source + "/tests/golden", Source + "/examples"}) {
        const QDir d(dossier);
        for (const QString& nom : d.entryList({"*.vlk"}, QDir::Files, QDir::Name))
            chemins << d.filePath(nom);
    }
    return chemins;
}

// Number of leaf values that differ (a missing or extra value counts as one).
int Differences(const QJsonValue& a, const QJsonValue& b) {
    if (a.type() != b.type()) return 1;
    if (a.isObject()) {
        const QJsonObject oa = a.toObject(), ob = b.toObject();
        int n = 0;
        for (auto it = oa.begin(); it != oa.end(); ++it)
            n += ob.contains(it.key()) ? Differences(it.value(), ob.value(it.key())) : 1;
        for (auto it = ob.begin(); it != ob.end(); ++it) n += oa.contains(it.key()) ? 0 : 1;
        return n;
    }
    if (a.isArray()) {
        const QJsonArray ta = a.toArray(), tb = b.toArray();
        int n = std::abs(static_cast<int>(ta.size() - tb.size()));
        for (qsizetype i = 0; i < std::min(ta.size(), tb.size()); ++i)
            n += Differences(ta.at(i), tb.at(i));
        return n;
    }
    return a == b ? 0 : 1;
}

TEST(Golden, RunnerJsonMatchesReferences) {
    const QStringList programmes = Programmes();
    ASSERT_GE(programmes.size(), 3);
    for (const QString& programme : programmes) {
        SCOPED_TRACE(programme.toStdString());
        QProcess run;
        run.start(QStringLiteral(VELK_RUN), {"--json", programme});
        ASSERT_TRUE(run.waitForFinished(60000));
        const QByteArray sortie = run.readAllStandardOutput();
        QJsonParseError erreur;
        const QJsonDocument obtenu = QJsonDocument::fromJson(sortie, &erreur);
        ASSERT_EQ(erreur.error, QJsonParseError::NoError) << erreur.errorString().toStdString();
        const int messages = static_cast<int>(obtenu.object().value("messages").toArray().size());
        EXPECT_EQ(run.exitCode(), messages == 0 ? 0 : 1);

        const QString base = Source + "/tests/golden/" + QFileInfo(programme).completeBaseName();
        QFile reference(base + ".json");
        QFile::remove(base + ".out");
        int ecarts = -1;
        if (reference.open(QIODevice::ReadOnly)) {
            const QJsonDocument attendu = QJsonDocument::fromJson(reference.readAll());
            ecarts = Differences(QJsonValue(attendu.object()), QJsonValue(obtenu.object()));
        }
        if (ecarts != 0) {
            QFile out(base + ".out");
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(sortie);
            if (ecarts < 0)
                ADD_FAILURE() << "no reference yet: review " << out.fileName().toStdString()
                              << " and accept it with tests/golden/accepte.sh";
            else
                ADD_FAILURE() << ecarts << " value(s) differ; new output in "
                              << out.fileName().toStdString();
        }
    }
}

} // namespace
