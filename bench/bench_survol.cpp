// The highlight that follows the mouse on the largest store (65 536 points, lines and
// circles) in a shown 1280 x 800 drawing widget on Qt's offscreen platform. Per mouse move:
// the pick at the cursor, the new strokes, and Qt's repaint of the rectangles around the
// old and new strokes, copied to the offscreen screen. Also the wheel steps of a zoom
// burst on the same widget, painted: with the moved image shown until the burst ends, and
// with a full redraw at every step.
#include "magasin_vue.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"
#include "view/recherche.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWheelEvent>

#include <climits>

namespace velk {
namespace {

struct Fenetre {
    Fenetre() : donnees(MagasinVue(65536)), dessin(etat, donnees, visibilite)
    {
        etat.SetTailleSurface(1280, 800);
        etat.SetFenetre({-110, 110, -110, 110});
        dessin.resize(1280, 800);
        dessin.show();
        QApplication::processEvents();
        dessin.Redessine();
        QApplication::processEvents();
    }
    TModuleDonnee& donnees;
    EtatVue etat;
    TVisibilite visibilite;
    Dessin dessin;
};

// Moves of 7 pixels along a row through the middle of the drawing: on this store nearly
// every move picks other lines, so the highlight changes each time. The argument chooses
// the pick: 1 through the index, 0 by walking the tables as before the index.
void BM_SurvolDeplacement(benchmark::State& state)
{
    Fenetre f;
    RechercheElements recherche(f.donnees, f.etat.VueEcran(), f.visibilite);
    const bool index = state.range(0) == 1;
    int colonne = 0, changements = 0;
    TElementsProches avant;
    for (auto _ : state) {
        TElementsProches r;
        if (index)
            recherche.ChercheElements(300 + colonne, 400, r);
        else
            recherche.ChercheElementsParcours(300 + colonne, 400, r);
        changements += r.NumLigne1 != avant.NumLigne1 || r.NumLigne2 != avant.NumLigne2;
        avant = r;
        f.dessin.MontreSurbrillance(r);
        QApplication::processEvents(); // Qt repaints the changed rectangles
        colonne = (colonne + 7) % 600;
    }
    state.counters["changes"] = benchmark::Counter(changements, benchmark::Counter::kAvgIterations);
}

// One wheel notch about a point of the drawing (in and out in turn), the widget repainted.
// Argument 1: the moved image while the burst lasts; 0: a full redraw at every step.
void BM_PasMolette(benchmark::State& state)
{
    Fenetre f;
    f.dessin.SetElementsApercu(state.range(0) == 1 ? 0 : INT_MAX);
    int pas = 0;
    for (auto _ : state) {
        const QPointF p(900, 300);
        QWheelEvent molette(p, f.dessin.mapToGlobal(p), QPoint(), QPoint(0, pas++ % 2 ? -120 : 120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f.dessin, &molette);
        f.dessin.repaint();
    }
    state.counters["apercu"] = f.dessin.ApercuEnCours();
}

BENCHMARK(BM_SurvolDeplacement)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasMolette)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velk

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
