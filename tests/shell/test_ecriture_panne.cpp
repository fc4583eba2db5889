// Disk failures while a document is saved: every step of the safe write made to fail in
// turn, and the real failures a machine can give (a folder in the way, a full disk, a file
// size limit, a read-only folder). The previous document and its backup must come out byte
// for byte as they were, the message must say which file and why, and nothing temporary
// may stay behind.
#include "support/couche_fichiers_panne.h"

#include "shell/ecriture_sure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace velk::test {
namespace {

using Op = OperationFichier;

QByteArray Lit(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void Ecrit(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << chemin.toStdString();
    ASSERT_EQ(f.write(octets), octets.size());
}

QStringList Fichiers(const QString& dossier)
{
    return QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// 2.5 MiB: written in three pieces, so that a write in the middle can fail.
QByteArray Neuf()
{
    QByteArray t;
    for (int k = 0; t.size() < 5 * 512 * 1024; ++k)
        t += "P" + QByteArray::number(k) + ":=" + QByteArray::number(k) + ",0,0,0\r\n";
    return t;
}

const QByteArray kAncien = "ancien document\r\n";
const QByteArray kAncienneCopie = "ancienne copie\r\n";

TEST(EcriturePanne, ChaqueEtapeQuiEchoueLaisseToutEnPlace)
{
    const struct {
        const char* cas;
        std::vector<std::tuple<Op, int, int>> pannes;
        const char* raison; // in the message; empty when the save succeeds
    } kCas[] = {
        {"dossier devenu inaccessible", {{Op::Cree, 1, EACCES}}, "accès refusé"},
        {"disque plein à la création", {{Op::Cree, 1, ENOSPC}}, "le disque est plein"},
        {"disque plein au premier morceau", {{Op::Ecrit, 1, ENOSPC}}, "le disque est plein"},
        {"disque plein au milieu", {{Op::Ecrit, 2, ENOSPC}}, "le disque est plein"},
        {"quota au dernier morceau", {{Op::Ecrit, 3, EDQUOT}}, "quota"},
        {"écriture différée perdue", {{Op::Synchronise, 1, EIO}}, "entrée-sortie"},
        {"fermeture en échec", {{Op::Ferme, 1, ENOSPC}}, "le disque est plein"},
        {"dossier en lecture seule au renommage", {{Op::Renomme, 1, EROFS}}, "lecture seule"},
        {"secours remplacé par un dossier", {{Op::Renomme, 2, EISDIR}}, "c'est un dossier"},
        {"sans lien, copie du secours impossible",
         {{Op::Lie, 1, EPERM}, {Op::Cree, 2, ENOSPC}},
         "le disque est plein"},
        {"sans lien, disque plein pendant la copie",
         {{Op::Lie, 1, EXDEV}, {Op::Ecrit, 4, ENOSPC}},
         "le disque est plein"},
        {"sans lien, la copie fait le secours", {{Op::Lie, 1, EPERM}}, ""},
        // The previous document cannot come back either: the new text stays saved.
        {"secours et retour impossibles", {{Op::Renomme, 2, EACCES}, {Op::Renomme, 3, EACCES}},
         ""},
    };
    const QByteArray neuf = Neuf();
    for (const auto& c : kCas) {
        SCOPED_TRACE(c.cas);
        QTemporaryDir d;
        const QString doc = d.filePath("p.vlk"), secours = d.filePath("p.~lk");
        Ecrit(doc, kAncien);
        Ecrit(secours, kAncienneCopie);
        CoucheFichiersPanne couche;
        for (const auto& [op, rang, erreur] : c.pannes)
            couche.Echoue(op, rang, erreur);

        QString erreur;
        const bool ecrit = EcritFichierSur(doc, neuf, secours, erreur, couche);
        EXPECT_EQ(Fichiers(d.path()), (QStringList{"p.vlk", "p.~lk"}));
        if (*c.raison == '\0') {
            EXPECT_TRUE(ecrit) << erreur.toStdString();
            EXPECT_EQ(Lit(doc), neuf);
            const bool secoursFait = c.pannes.front() == std::make_tuple(Op::Lie, 1, EPERM);
            EXPECT_EQ(Lit(secours), secoursFait ? kAncien : kAncienneCopie);
            continue;
        }
        EXPECT_FALSE(ecrit);
        EXPECT_EQ(Lit(doc), kAncien);
        EXPECT_EQ(Lit(secours), kAncienneCopie);
        EXPECT_TRUE(erreur.contains(QDir::toNativeSeparators(doc))) << erreur.toStdString();
        EXPECT_TRUE(erreur.contains(QString::fromUtf8(c.raison))) << erreur.toStdString();
    }
}

TEST(EcriturePanne, UnNouveauFichierEnEchecNeLaisseRien)
{
    for (const Op op : {Op::Cree, Op::Ecrit, Op::Synchronise, Op::Ferme, Op::Renomme}) {
        QTemporaryDir d;
        CoucheFichiersPanne couche;
        couche.Echoue(op, 1, ENOSPC);
        QString erreur;
        EXPECT_FALSE(EcritFichierSur(d.filePath("n.vlk"), "texte", d.filePath("n.~lk"), erreur,
                                     couche));
        EXPECT_TRUE(Fichiers(d.path()).isEmpty()) << int(op);
    }
}

// The real thing: the names in the way are folders.
TEST(EcriturePanne, DossiersALaPlaceDesFichiers)
{
    QTemporaryDir d;
    const QString doc = d.filePath("p.vlk"), secours = d.filePath("p.~lk");
    QString erreur;

    // The document replaced by a folder of the same name.
    ASSERT_TRUE(QDir().mkpath(doc + "/dedans"));
    EXPECT_FALSE(EcritFichierSur(doc, "neuf", secours, erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("c'est un dossier"))) << erreur.toStdString();
    ASSERT_TRUE(QDir(doc).removeRecursively());

    // The backup replaced by a folder: the save does not happen, the document stays.
    Ecrit(doc, kAncien);
    ASSERT_TRUE(QDir().mkpath(secours + "/dedans"));
    EXPECT_FALSE(EcritFichierSur(doc, "neuf", secours, erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("copie de secours"))) << erreur.toStdString();
    EXPECT_EQ(Lit(doc), kAncien);
    EXPECT_TRUE(QFileInfo(secours + "/dedans").isDir());
    EXPECT_EQ(Fichiers(d.path()), QStringList{"p.vlk"});
}

// A real short write: the process may not make files past 64 KiB.
TEST(EcriturePanne, LimiteDeTailleDuSysteme)
{
    QTemporaryDir d;
    const QString doc = d.filePath("p.vlk"), secours = d.filePath("p.~lk");
    Ecrit(doc, kAncien);
    Ecrit(secours, kAncienneCopie);
    rlimit avant{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
    const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = avant;
    limite.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    QString erreur;
    const bool ecrit = EcritFichierSur(doc, Neuf(), secours, erreur);
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signalAvant);
    EXPECT_FALSE(ecrit);
    EXPECT_TRUE(erreur.contains(QStringLiteral("taille permise"))) << erreur.toStdString();
    EXPECT_EQ(Lit(doc), kAncien);
    EXPECT_EQ(Lit(secours), kAncienneCopie);
    EXPECT_EQ(Fichiers(d.path()), (QStringList{"p.vlk", "p.~lk"}));
}

// A real full disk: a 256 KiB memory file system, where the system allows mounting one.
TEST(EcriturePanne, DisquePleinPourDeVrai)
{
    QTemporaryDir d;
    const QString point = d.filePath("disque");
    ASSERT_TRUE(QDir().mkdir(point));
    if (::mount("velk-essai", QFile::encodeName(point).constData(), "tmpfs", 0,
                "size=256k,mode=0700") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    struct Demonte {
        QString p;
        ~Demonte() { ::umount2(QFile::encodeName(p).constData(), MNT_DETACH); }
    } demonte{point};

    const QString doc = point + "/p.vlk", secours = point + "/p.~lk";
    Ecrit(doc, QByteArray(80 * 1024, 'a'));
    Ecrit(secours, QByteArray(80 * 1024, 'b'));
    QString erreur;
    EXPECT_FALSE(EcritFichierSur(doc, Neuf(), secours, erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("le disque est plein"))) << erreur.toStdString();
    EXPECT_EQ(Lit(doc), QByteArray(80 * 1024, 'a'));
    EXPECT_EQ(Lit(secours), QByteArray(80 * 1024, 'b'));
    EXPECT_EQ(Fichiers(point), (QStringList{"p.vlk", "p.~lk"}));
    // What fits is saved, with its backup.
    EXPECT_TRUE(EcritFichierSur(doc, "petit", secours, erreur)) << erreur.toStdString();
    EXPECT_EQ(Lit(secours), QByteArray(80 * 1024, 'a'));
}

// A folder that became read-only. The super-user writes there all the same: skipped then.
TEST(EcriturePanne, DossierEnLectureSeule)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the super-user";
    QTemporaryDir d;
    const QString doc = d.filePath("p.vlk");
    Ecrit(doc, kAncien);
    ASSERT_TRUE(QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QString erreur;
    const bool ecrit = EcritFichierSur(doc, "neuf", NomSecours(doc), erreur);
    QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
    EXPECT_FALSE(ecrit);
    EXPECT_TRUE(erreur.contains(QStringLiteral("accès refusé"))) << erreur.toStdString();
    EXPECT_EQ(Lit(doc), kAncien);
    EXPECT_EQ(Fichiers(d.path()), QStringList{"p.vlk"});
}

TEST(EcriturePanne, TemporairesDUnPlantageNettoyes)
{
    QTemporaryDir d;
    const QString sav = d.filePath("VELK.SAV");
    for (const char* nom : {".VELK.SAV.ab12cd.tmp", ".VELK.SAV.zzzzzz.tmp", "VELK.SAV",
                            ".VELK.SAV.long123.tmp", ".autre.ab12cd.tmp", ".p.~lk.ab12cd.tmp"})
        Ecrit(d.filePath(nom), "x");
    NettoieTemporaires(sav);
    EXPECT_EQ(Fichiers(d.path()), (QStringList{".VELK.SAV.long123.tmp", ".autre.ab12cd.tmp",
                                               ".p.~lk.ab12cd.tmp", "VELK.SAV"}));
}

TEST(EcriturePanne, LienSymboliqueGarde)
{
    QTemporaryDir d;
    const QString vrai = d.filePath("vrai.vlk"), lien = d.filePath("lien.vlk");
    Ecrit(vrai, kAncien);
    ASSERT_TRUE(QFile::link(vrai, lien));
    QString erreur;
    ASSERT_TRUE(EcritFichierSur(lien, "neuf", NomSecours(lien), erreur)) << erreur.toStdString();
    EXPECT_TRUE(QFileInfo(lien).isSymLink());
    EXPECT_EQ(Lit(vrai), "neuf");
    EXPECT_EQ(Lit(d.filePath("lien.~lk")), kAncien);
}

} // namespace
} // namespace velk::test
