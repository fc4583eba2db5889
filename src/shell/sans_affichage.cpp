// Detection of a missing display before QApplication, and the guard that turns Qt's abort
// on an unreachable display into a French line and exit status 2.
#include "shell/sans_affichage.h"

#include <QMessageLogContext>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace velk {

const char* const MessageSansAffichage =
    "Pas d'affichage graphique : Velk s'ouvre dans une session graphique. "
    "Démonstration sans fenêtre :";

namespace {

bool Renseigne(const char* valeur) { return valeur != nullptr && valeur[0] != '\0'; }

// A Qt message handler is a plain function: the guard's state lives here, for the short
// time one guard exists.
struct EtatGarde {
    int argc = 0;
    const char* const* argv = nullptr;
    QtMessageHandler precedent = nullptr;
    std::vector<std::pair<QtMsgType, QString>> retenus;
};

EtatGarde& Etat()
{
    static EtatGarde etat;
    return etat;
}

void RetientMessage(QtMsgType genre, const QMessageLogContext& contexte, const QString& texte)
{
    EtatGarde& etat = Etat();
    if (genre != QtFatalMsg) {
        // Replayed later without its context: the category stays in the text.
        const bool categorie = contexte.category && std::strcmp(contexte.category, "default") != 0;
        etat.retenus.emplace_back(genre, categorie ? QString::fromLatin1(contexte.category) +
                                                         QStringLiteral(": ") + texte
                                                   : texte);
        return;
    }
    DitSansAffichage(etat.argc, etat.argv);
    // Qt's own reason (such as "could not connect to display :1") helps with a broken
    // forwarding; its long fatal text does not.
    const QString raison =
        etat.retenus.empty() ? texte.section(QLatin1Char('\n'), 0, 0) : etat.retenus.front().second;
    std::fprintf(stderr, "(Qt : %s)\n", raison.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(SortieSansAffichage);
}

} // namespace

bool AffichageAbsent(const char* plateforme, const char* display, const char* wayland,
                     int argc, const char* const* argv)
{
#ifdef Q_OS_LINUX
    if (Renseigne(plateforme))
        return false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    return !Renseigne(display) && !Renseigne(wayland);
#else
    (void)plateforme, (void)display, (void)wayland, (void)argc, (void)argv;
    return false;
#endif
}

void DitSansAffichage(int argc, const char* const* argv)
{
    const char* programme = argc > 1 ? argv[1] : "PROGRAMME.vlk";
    std::fprintf(stderr, "%s\n  velk-run --png dessin.png --cadrage %s   (velk-run --help)\n",
                 MessageSansAffichage, programme);
    std::fflush(stderr);
}

GardeCreationApplication::GardeCreationApplication(int argc, char** argv)
{
    EtatGarde& etat = Etat();
    etat.argc = argc;
    etat.argv = argv;
    etat.retenus.clear();
    etat.precedent = qInstallMessageHandler(RetientMessage);
}

GardeCreationApplication::~GardeCreationApplication()
{
    EtatGarde& etat = Etat();
    qInstallMessageHandler(etat.precedent);
    for (const auto& [genre, texte] : std::exchange(etat.retenus, {}))
        qt_message_output(genre, QMessageLogContext(), texte);
}

} // namespace velk
