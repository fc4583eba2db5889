// A stand-in for velk that the crash tests kill: it takes the program folder's lock and
// writes large texts to the autosave file through the real autosave, saying on its output
// what it has done, so that the test knows when to kill it.
//
//   aide_plantage <folder> entre              version 1 written, then waits to be killed
//   aide_plantage <folder> pendant <op> <n>   version 1 written; while version 2 is written,
//                                             stops before the n-th call of op (see below)
//   aide_plantage <folder> boucle             versions 1, 2, 3... until killed
//
// Each version v is a program whose lines all name v and whose last line says how many
// lines it has, so that a torn file cannot pass for a complete one.
#include "support/couche_fichiers_panne.h"
#include "support/dialogues_scriptes.h"

#include "shell/autosauvegarde.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

using velk::OperationFichier;

QByteArray Version(int v)
{
    // About 2.2 MiB: several pieces, a write that takes a while.
    constexpr int kLignes = 120000;
    QByteArray t = "Programme VELK Version 1.0 essai\r\nversion " + QByteArray::number(v) + "\r\n\r\n";
    t.reserve(kLignes * 24);
    for (int k = 0; k < kLignes; ++k)
        t += "V" + QByteArray::number(k % 1000) + ":=" + QByteArray::number(v) + " {" +
             QByteArray::number(k) + "}\r\n";
    t += "// fin " + QByteArray::number(v) + " " + QByteArray::number(kLignes) + "\r\n";
    return t;
}

void Dit(const char* quoi, int v)
{
    std::printf("%s %d\n", quoi, v);
    std::fflush(stdout);
}

[[noreturn]] void AttendLaFin()
{
    for (;;)
        ::pause();
}

bool OperationNommee(const char* nom, OperationFichier& op)
{
    const struct {
        const char* nom;
        OperationFichier op;
    } kNoms[] = {{"cree", OperationFichier::Cree},
                 {"ecrit", OperationFichier::Ecrit},
                 {"synchronise", OperationFichier::Synchronise},
                 {"ferme", OperationFichier::Ferme},
                 {"renomme", OperationFichier::Renomme},
                 {"dossier", OperationFichier::SynchroniseDossier}};
    for (const auto& n : kNoms)
        if (std::strcmp(n.nom, nom) == 0) {
            op = n.op;
            return true;
        }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString dossier = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const char* mode = argv[2];

    velk::test::DialoguesScriptes dialogues(false);
    int version = 1;
    velk::AutoSauvegarde sauvegarde(
        dossier, dialogues, [] { return true; }, [&version] { return Version(version); });
    sauvegarde.SetMinutes(0); // ticks are made by hand
    if (!sauvegarde.PrendVerrou())
        return 3;

    if (!sauvegarde.TempoSauvegardeTimer())
        return 4;
    Dit("ecrit", 1);

    if (std::strcmp(mode, "entre") == 0)
        AttendLaFin();

    if (std::strcmp(mode, "pendant") == 0 && argc == 5) {
        OperationFichier arret;
        if (!OperationNommee(argv[3], arret))
            return 2;
        const int rang = std::atoi(argv[4]);
        velk::test::CoucheFichiersPanne couche;
        couche.avant = [&](OperationFichier op, int n) {
            if (op == arret && n == rang) {
                Dit("arret", 2);
                AttendLaFin();
            }
        };
        sauvegarde.SetCoucheFichiers(couche);
        version = 2;
        sauvegarde.TempoSauvegardeTimer();
        return 5; // the stop point was never reached
    }

    if (std::strcmp(mode, "boucle") == 0) {
        for (version = 2;; ++version) {
            if (!sauvegarde.TempoSauvegardeTimer())
                return 4;
            Dit("ecrit", version);
        }
    }
    return 2;
}
