// One statement built by clicks in the main window on a nearly full store: from the mouse
// release that completes the statement to the statement executed, stored, written to its
// table file, drawn, appended to the program text and the drawing repainted. Prints the
// median and the spread over the repetitions.
//
//   bench_clic [REPETITIONS]     (default 21; the store leaves exactly that many line
//                                 numbers free)
//   bench_clic capture IMAGE     a small construction in progress, saved as a picture of
//                                 the window
#include "construction/dialogues.h"
#include "construction/moteur_construction.h"
#include "shell/tf_principale.h"
#include "shell/zone_menu.h"
#include "store/module_donnee.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Nothing may block: every question is answered "No", every dialog cancelled.
class DialoguesMuets : public velk::Dialogues {
public:
    velk::Reponse Question(const QString&, bool) override { return velk::Reponse::Non; }
    void Information(const QString&) override {}
    void Avertissement(const QString& t) override { std::fprintf(stderr, "%s\n", qPrintable(t)); }
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

// Points P0 (0, 0) and P1 (10, 0) in view; every other element far away, so that the clicks
// pick those two points. Each kind holds 65 536 - libres elements.
QByteArray Programme(int libres)
{
    const int n = 65536 - libres;
    QByteArray t = "// Programme VELK Version 1.0 \n// Derniere modif. : \n//\n";
    t += "P0:=0,0,0,0\nP1:=10,0,0,0\n";
    std::srand(7);
    auto hasard = [](int a, int b) { return a + std::rand() % (b - a + 1); };
    for (int k = 2; k < n; ++k)
        t += "P" + QByteArray::number(k) + ":=" + QByteArray::number(hasard(1000, 90000)) + "," +
             QByteArray::number(hasard(1000, 90000)) + ",0,0\n";
    for (int k = 0; k < n; ++k)
        t += "L" + QByteArray::number(k) + ":=P" + QByteArray::number(2 + k % (n - 2)) + ",A" +
             QByteArray::number(hasard(0, 89)) + ",0,0\n";
    for (int k = 0; k < n; ++k)
        t += "C" + QByteArray::number(k) + ":=P" + QByteArray::number(2 + k % (n - 2)) + "," +
             QByteArray::number(hasard(1, 20)) + ",0,0\n";
    return t;
}

// Processor time of this thread, in milliseconds: on a shared machine the wall time also
// counts the waits for a core.
double Processeur()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The window with its host operations timed, to tell where a click's time goes.
class FenetreChronometree : public velk::TFPrincipale {
public:
    using TFPrincipale::TFPrincipale;
    bool ChercheElements(int32_t c, int32_t l, velk::TElementsProches& e) override
    {
        const double t = Processeur();
        const bool r = TFPrincipale::ChercheElements(c, l, e);
        pointage += Processeur() - t;
        return r;
    }
    bool ExecuteInstruction(const QString& texte) override
    {
        const double t = Processeur();
        const bool r = TFPrincipale::ExecuteInstruction(texte);
        execution += Processeur() - t;
        return r;
    }
    void AjouteInstruction(const QString& texte) override
    {
        const double t = Processeur();
        TFPrincipale::AjouteInstruction(texte);
        ajout += Processeur() - t;
    }
    void Zero() { pointage = execution = ajout = 0; }
    double pointage = 0, execution = 0, ajout = 0;
};

double Rang(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[size_t(q * double(v.size() - 1) + 0.5)];
}

} // namespace

// A few elements, the segment tool with its first point taken, the mouse over the second.
int Capture(const QString& image)
{
    QTemporaryDir dossier;
    DialoguesMuets dialogues;
    velk::TFPrincipale fenetre(dialogues, dossier.path() + QLatin1Char('/'), QStringLiteral("Velk"));
    fenetre.resize(1024, 700);
    fenetre.show();
    fenetre.EtapeAffichage();
    velk::ListeLignes& l = fenetre.Lignes();
    for (const char* t : {"P1:=-40,-20,0,0", "P2:=30,25,0,0", "C0:=P2,20,4,0", "L2:=P1,P2,0,0",
                          "P3:=L2,C0,B,0,0"})
        l.AjouteLigne(t);
    fenetre.ExecuterClick();
    fenetre.Dossier().setCurrentIndex(0);
    fenetre.Palettes().AffichePalette(velk::ZoneMenu::MenuConstruction);
    fenetre.findChild<QToolButton*>(QStringLiteral("BtnSegment"))->click();
    const velk::TVue& vue = fenetre.Vue().VueEcran();
    fenetre.DessinMouseUp(velk::XEcran(vue, -40), velk::YEcran(vue, -20));
    fenetre.DessinMouseMove(velk::XEcran(vue, 50), velk::YEcran(vue, 25));
    QCoreApplication::processEvents();
    return fenetre.grab().save(image) ? 0 : 1;
}

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "capture")
        return Capture(QString::fromLocal8Bit(argv[2]));
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("grand.vlk"));
    {
        QFile f(fichier);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(Programme(repetitions));
    }
    DialoguesMuets dialogues;
    FenetreChronometree fenetre(dialogues, dossier.path() + QLatin1Char('/'), QStringLiteral("Velk"));
    fenetre.resize(1280, 800);
    fenetre.show();
    fenetre.EtapeAffichage();
    fenetre.FichierDepose(fichier);
    fenetre.ExecuterClick();
    fenetre.Dossier().setCurrentIndex(0);
    QCoreApplication::processEvents();
    velk::TModuleDonnee& d = fenetre.Donnees();
    std::printf("store: %d points, %d lines, %d circles; program %d lines\n", d.NombrePoints(),
                d.NombreLignes(), d.NombreCercles(), fenetre.Lignes().NombreLignes());

    fenetre.Palettes().AffichePalette(velk::ZoneMenu::MenuConstruction);
    fenetre.findChild<QToolButton*>(QStringLiteral("BtnSegment"))->click();
    const velk::TVue& vue = fenetre.Vue().VueEcran();
    const int c0 = velk::XEcran(vue, 0), c1 = velk::XEcran(vue, 10), l = velk::YEcran(vue, 0);

    std::vector<double> temps, processeur, pointage, execution, ajout;
    for (int i = 0; i < repetitions; ++i) {
        fenetre.DessinMouseDown(c0, l);
        fenetre.DessinMouseUp(c0, l);
        const int avant = fenetre.Lignes().NombreLignes();
        fenetre.DessinMouseDown(c1, l);
        fenetre.Zero();
        QElapsedTimer t;
        t.start();
        const double p = Processeur();
        fenetre.DessinMouseUp(c1, l);
        QCoreApplication::processEvents();
        fenetre.SurfaceGraphique().repaint();
        processeur.push_back(Processeur() - p);
        temps.push_back(double(t.nsecsElapsed()) / 1e6);
        pointage.push_back(fenetre.pointage);
        execution.push_back(fenetre.execution);
        ajout.push_back(fenetre.ajout);
        if (fenetre.Lignes().NombreLignes() != avant + 1) {
            std::fprintf(stderr, "statement %d was not appended\n", i);
            return 1;
        }
    }
    std::printf("click-built statement (%s), over %d:\n",
                fenetre.Lignes().Ligne(fenetre.Lignes().NombreLignes() - 1).c_str(), repetitions);
    std::printf("  wall       median %6.2f ms  (min %.2f, max %.2f)\n", Rang(temps, 0.5),
                Rang(temps, 0), Rang(temps, 1));
    std::printf("  processor  median %6.2f ms  (min %.2f, max %.2f)\n", Rang(processeur, 0.5),
                Rang(processeur, 0), Rang(processeur, 1));
    std::printf("    pick %.2f, execute+store+write+draw %.2f, append %.2f (medians, processor)\n",
                Rang(pointage, 0.5), Rang(execution, 0.5), Rang(ajout, 0.5));
    return 0;
}
