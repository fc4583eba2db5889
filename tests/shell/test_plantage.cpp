// The autosave file survives a crash: a process writing it is killed between two ticks, at
// each step of a large write, and at random moments; the file left is always one whole
// version, the next start offers it, takes over the dead process's lock and clears what
// the crash left behind.
#include "fenetre_test.h"

#include "language/fichier_programme.h"
#include "shell/autosauvegarde.h"

#include <QProcess>
#include <QRandomGenerator>

#include <csignal>
#include <thread>

#include <signal.h>

namespace velk::test {
namespace {

class Plantage : public FenetreTest {
protected:
    void TearDown() override
    {
        if (aide_.state() != QProcess::NotRunning) {
            aide_.kill();
            aide_.waitForFinished();
        }
    }

    void Lance(const QStringList& arguments)
    {
        aide_.start(QStringLiteral(AIDE_PLANTAGE), QStringList{dossier_.path()} + arguments);
        ASSERT_TRUE(aide_.waitForStarted(30000));
    }
    // The helper's next line of output ("ecrit 3"), empty when it ended or said nothing.
    QString Ligne()
    {
        while (!aide_.canReadLine()) {
            if (aide_.state() == QProcess::NotRunning || !aide_.waitForReadyRead(60000))
                return aide_.canReadLine() ? Ligne() : QString();
        }
        return QString::fromUtf8(aide_.readLine()).trimmed();
    }
    void Tue()
    {
        ::kill(pid_t(aide_.processId()), SIGKILL);
        ASSERT_TRUE(aide_.waitForFinished(30000));
        EXPECT_EQ(aide_.exitStatus(), QProcess::CrashExit);
    }
    // The last version the helper said it had written.
    int DerniereAnnoncee()
    {
        int v = 0;
        for (const QByteArray& l : aide_.readAllStandardOutput().split('\n'))
            if (l.startsWith("ecrit "))
                v = l.mid(6).toInt();
        return v;
    }
    QStringList Temporaires() const
    {
        return QDir(dossier_.path()).entryList(QStringList{".VELK.SAV.*"},
                                               QDir::Files | QDir::Hidden);
    }

    // The version a text holds when it is whole, -1 when it is torn or mixed.
    static int VersionEntiere(const std::vector<std::string>& lignes)
    {
        if (lignes.size() < 5 || lignes[1].rfind("version ", 0) != 0)
            return -1;
        const std::string v = lignes[1].substr(8);
        const size_t corps = lignes.size() - 4;
        if (lignes.back() != "// fin " + v + " " + std::to_string(corps))
            return -1;
        for (size_t k = 0; k < corps; ++k) {
            const std::string& l = lignes[3 + k];
            if (l.find(":=" + v + " {" + std::to_string(k) + "}") == std::string::npos)
                return -1;
        }
        return std::stoi(v);
    }

    // The version whole in the autosave file, -1 when torn.
    int VersionSurLeDisque() const
    {
        return VersionEntiere(DecoupeLignes(Lit(Chemin("VELK.SAV")).toStdString()));
    }

    // What the next start does with the folder before the window shows: it takes over the
    // dead process's lock and clears the leftovers, and finds the autosave file.
    void ReprendLeDossier()
    {
        AutoSauvegarde suivante(Dossier(), dialogues_, [] { return false; },
                                [] { return QByteArray(); });
        EXPECT_TRUE(suivante.PrendVerrou()) << "the dead process's lock was not taken over";
        EXPECT_TRUE(suivante.Existe());
        EXPECT_TRUE(Temporaires().isEmpty()) << Temporaires().join(' ').toStdString();
    }

    // The next start: the autosave file is offered, and what it gives is one whole version.
    int RedemarreEtRecupere()
    {
        dialogues_.RepondQuestion(Reponse::Oui);
        TFPrincipale& f = Demarre();
        EXPECT_EQ(dialogues_.Textes(G::Question).back(),
                  QStringLiteral("Recupérer le fichier de sauvegarde précédent ?"));
        EXPECT_TRUE(f.Sauvegarde().Proprietaire()) << "the dead process's lock was not taken over";
        EXPECT_EQ(f.NomFichier(), Chemin("VELK.SAV"));
        EXPECT_TRUE(Temporaires().isEmpty()) << Temporaires().join(' ').toStdString();
        return VersionEntiere(Lignes());
    }

    QProcess aide_;
};

TEST_F(Plantage, TueEntreDeuxTicks)
{
    Lance({"entre"});
    ASSERT_EQ(Ligne(), QStringLiteral("ecrit 1"));
    Tue();
    EXPECT_EQ(RedemarreEtRecupere(), 1);
}

TEST_F(Plantage, TuePendantChaqueEtapeDUneGrandeEcriture)
{
    const struct {
        const char* operation;
        int rang;
        int version; // found at the next start
        bool temporaire; // the crash left a temporary file
        bool fenetre; // the whole window is started on it (slow: once is enough)
    } kCas[] = {
        {"cree", 1, 1, false, false},       {"ecrit", 1, 1, true, false},
        {"ecrit", 2, 1, true, true},        {"synchronise", 1, 1, true, false},
        {"renomme", 1, 1, true, false},     {"dossier", 1, 2, false, false},
    };
    for (const auto& c : kCas) {
        SCOPED_TRACE(std::string(c.operation) + " " + std::to_string(c.rang));
        fenetre_.reset();
        Lance({"pendant", c.operation, QString::number(c.rang)});
        ASSERT_EQ(Ligne(), QStringLiteral("ecrit 1"));
        ASSERT_EQ(Ligne(), QStringLiteral("arret 2"));
        Tue();
        EXPECT_EQ(!Temporaires().isEmpty(), c.temporaire);
        EXPECT_EQ(VersionSurLeDisque(), c.version);
        if (c.fenetre)
            EXPECT_EQ(RedemarreEtRecupere(), c.version);
        else
            ReprendLeDossier();
        // The next round starts without an autosave file.
        fenetre_.reset();
        QFile::remove(Chemin("VELK.SAV"));
    }
}

TEST_F(Plantage, TueAuHasard)
{
    const quint32 graine = QRandomGenerator::global()->generate();
    SCOPED_TRACE("seed " + std::to_string(graine));
    QRandomGenerator hasard(graine);
    for (int tour = 0; tour < 3; ++tour) {
        fenetre_.reset();
        Lance({"boucle"});
        ASSERT_EQ(Ligne(), QStringLiteral("ecrit 1"));
        std::this_thread::sleep_for(std::chrono::milliseconds(hasard.bounded(400)));
        Tue();
        const int annoncee = std::max(1, DerniereAnnoncee());
        const int trouvee = tour == 2 ? RedemarreEtRecupere() : VersionSurLeDisque();
        if (tour < 2)
            ReprendLeDossier();
        // The last version said written, or the one being written when it took its name.
        EXPECT_TRUE(trouvee == annoncee || trouvee == annoncee + 1)
            << "round " << tour << ": found " << trouvee << ", last written " << annoncee;
    }
}

} // namespace
} // namespace velk::test
