// Timings of the main window on the offscreen platform: start-up to the first painted
// window, opening a large program, and a run of the largest program from F9 to the painted
// drawing. Prints the median of several repetitions of each.
//
//   bench_shell demarrage                 start-up once, then quit (time the process too)
//   bench_shell ouvrir FICHIER [N]        open FICHIER N times
//   bench_shell executer FICHIER [N]      open FICHIER, then run it N times
//   bench_shell defiler FICHIER [N]       open FICHIER, then N page-down steps of the editor,
//                                         each painted, and one jump from the top to the end
//   bench_shell grilles FICHIER [N]       open and run FICHIER, then time N entries into the
//                                         tables tab after a run (grids reset, columns fitted)
//   bench_shell capture IMAGE [PROGRAMME [ONGLET]]
//                                         start up (open PROGRAMME, run it, show tab ONGLET)
//                                         and save the window as an image
#include "construction/dialogues.h"
#include "shell/tf_principale.h"
#include "shell/liste_messages_vue.h"
#include "shell/widgets/coloration_editeur.h"
#include "shell/widgets/editeur.h"
#include "store/module_donnee.h"
#include "view/qt/dessin.h"

#include <QApplication>
#include <QScrollBar>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Answers every question with "No" and every dialog with a cancel: nothing may block.
class DialoguesMuets : public velk::Dialogues {
public:
    velk::Reponse Question(const QString&, bool) override { return velk::Reponse::Non; }
    void Information(const QString&) override {}
    void Avertissement(const QString&) override {}
    void Erreur(const QString& t) override { std::fprintf(stderr, "%s\n", qPrintable(t)); }
    std::optional<QString> DemandeValeur(const QString&, int, QChar) override { return {}; }
    int Choix1() override { return 0; }
    velk::ChoixFichierOuvrir FichierOuvrir(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString FichierEnregistrer(const QString&, const QString&, const QString&, const QString&,
                               const QString&) override
    {
        return {};
    }
    void Bip() override {}
};

double Mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer depuisEntree;
    depuisEntree.start();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_shell demarrage | ouvrir FICHIER [N] | executer FICHIER [N]\n");
        return 2;
    }
    QTemporaryDir dossier;
    DialoguesMuets dialogues;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const int n = argc > 3 ? std::atoi(argv[3]) : 5;

    velk::TFPrincipale fenetre(dialogues, dossier.path() + QLatin1Char('/'), QStringLiteral("Velk"));
    fenetre.resize(1280, 800);
    fenetre.show();
    fenetre.EtapeAffichage();
    fenetre.repaint();
    const double demarrage = double(depuisEntree.nsecsElapsed()) / 1e6;
    if (mode == QLatin1String("demarrage")) {
        std::printf("start-up to first painted window (in process): %.1f ms\n", demarrage);
        return 0;
    }
    if (argc < 3)
        return 2;
    if (mode == QLatin1String("capture")) {
        if (argc > 3) {
            fenetre.FichierDepose(QString::fromLocal8Bit(argv[3]));
            fenetre.Dossier().setCurrentIndex(argc > 4 ? std::atoi(argv[4]) : 0);
            fenetre.ExecuterClick();
            QCoreApplication::processEvents();
        }
        return fenetre.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    const QString fichier = QString::fromLocal8Bit(argv[2]);
    std::vector<double> temps;
    if (mode == QLatin1String("ouvrir")) {
        for (int i = 0; i < n; ++i) {
            QElapsedTimer t;
            t.start();
            fenetre.FichierDepose(fichier);
            fenetre.repaint();
            temps.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        std::printf("open %d lines: median %.1f ms over %d\n", fenetre.Lignes().NombreLignes(),
                    Mediane(temps), n);
        return 0;
    }
    if (mode == QLatin1String("defiler")) {
        fenetre.FichierDepose(fichier);
        fenetre.Dossier().setCurrentIndex(1);
        QCoreApplication::processEvents();
        velk::Editeur& editeur = fenetre.EditeurTexte();
        QScrollBar& barre = *editeur.verticalScrollBar();
        fenetre.repaint();
        const long long avant = editeur.Coloration().LignesColoriees();
        for (int i = 0; i < n; ++i) {
            QElapsedTimer t;
            t.start();
            barre.triggerAction(QAbstractSlider::SliderPageStepAdd);
            editeur.viewport()->repaint();
            temps.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        const long long parPas = (editeur.Coloration().LignesColoriees() - avant) / std::max(n, 1);
        barre.triggerAction(QAbstractSlider::SliderToMinimum);
        editeur.viewport()->repaint();
        QElapsedTimer t;
        t.start();
        barre.triggerAction(QAbstractSlider::SliderToMaximum);
        editeur.viewport()->repaint();
        const double saut = double(t.nsecsElapsed()) / 1e6;
        std::printf("editor of %d lines: page-down step median %.2f ms over %d (%lld lines coloured a "
                    "step), jump to the end %.1f ms\n",
                    fenetre.Lignes().NombreLignes(), Mediane(temps), n, parPas, saut);
        return 0;
    }
    if (mode == QLatin1String("grilles")) {
        fenetre.FichierDepose(fichier);
        for (int i = 0; i < n; ++i) {
            fenetre.Dossier().setCurrentIndex(0);
            fenetre.ExecuterClick();
            QCoreApplication::processEvents();
            QElapsedTimer t;
            t.start();
            fenetre.Dossier().setCurrentIndex(2);
            QCoreApplication::processEvents();
            fenetre.Dossier().currentWidget()->repaint();
            temps.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        std::printf("entry into the tables tab after a run, %d points %d lines %d circles: "
                    "median %.1f ms over %d\n",
                    fenetre.Donnees().NombrePoints(), fenetre.Donnees().NombreLignes(),
                    fenetre.Donnees().NombreCercles(), Mediane(temps), n);
        return 0;
    }
    fenetre.FichierDepose(fichier);
    fenetre.Dossier().setCurrentIndex(0);
    for (int i = 0; i < n; ++i) {
        QElapsedTimer t;
        t.start();
        fenetre.ExecuterClick();
        QCoreApplication::processEvents();
        fenetre.SurfaceGraphique().repaint();
        temps.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("F9 to painted drawing, %d points %d lines %d circles, %d messages: median %.1f ms over %d\n",
                fenetre.Donnees().NombrePoints(), fenetre.Donnees().NombreLignes(),
                fenetre.Donnees().NombreCercles(), fenetre.Messages().NombreMessages(),
                Mediane(temps), n);
    return 0;
}
