// The highlight of what a click would take, driven through the main window: it follows the
// armed tool or the canonical-form mode, and goes away on Escape, in the zoom mode and when
// the mouse leaves the drawing.
#include "fenetre_test.h"

#include "shell/zone_menu.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QApplication>
#include <QToolButton>

#include <functional>

namespace velk::test {
namespace {

using Survol = FenetreTest;

TEST_F(Survol, LaSurbrillanceSuitLOutilEtLeMode)
{
    TFPrincipale& f = Demarre();
    Texte({"// Programme VELK Version 1.0 ", "// Derniere modif. : ", "//", "P0:=0,0,0,0", "L0:=P0,A0,0,0",
           "C0:=P0,20,0,0"});
    f.ExecuterClick();
    const TVue vue = f.Vue().VueEcran();
    Dessin& dessin = f.SurfaceGraphique();
    auto pixel = [&](Reel x, Reel y) { return QPoint(XEcran(vue, x), YEcran(vue, y)); };
    const QPoint surAxe = pixel(50, 0), surPoint = pixel(0, 0), surCercle = pixel(0, -20), ailleurs = pixel(50, 50);
    const QPoint immobile(-1, -1);
    auto bouton = [&](const char* nom) {
        return [&f, nom] { f.findChild<QToolButton*>(QString::fromLatin1(nom))->click(); };
    };

    struct Etape {
        const char* nom;
        std::function<void()> action;
        QPoint souris; // where the mouse then moves, unless immobile
        size_t traits; // strokes highlighted: 2 for a point, 1 for a line or a circle
    } etapes[] = {
        {"no tool", [] {}, surAxe, 0},
        {"line tool on the axis", bouton("BtnLigne"), surAxe, 1},
        {"on the point and the axis", [] {}, surPoint, 3},
        {"on the circle", [] {}, surCercle, 1},
        {"nothing near", [] {}, ailleurs, 0},
        {"back on the axis", [] {}, surAxe, 1},
        {"zoom mode over the tool", bouton("BtnZoom1"), surAxe, 0},
        {"zoom released", bouton("BtnZoom1"), surAxe, 1},
        {"Escape", [&f] { f.InitAppli(); }, immobile, 0},
        {"nothing armed after Escape", [] {}, surAxe, 0},
        {"canonical-form mode", bouton("BtnFCanon1"), surPoint, 3},
        {"mouse leaves",
         [&dessin] {
             QEvent sortie(QEvent::Leave);
             QApplication::sendEvent(&dessin, &sortie);
         },
         immobile, 0},
        {"mouse back", [] {}, surCercle, 1},
        {"canonical-form mode released", bouton("BtnFCanon1"), surCercle, 0},
    };
    for (const Etape& e : etapes) {
        e.action();
        if (e.souris != immobile)
            f.DessinMouseMove(e.souris.x(), e.souris.y());
        EXPECT_EQ(dessin.Surbrillance().Traits.size(), e.traits) << e.nom;
    }
    EXPECT_EQ(dialogues_.Appels().size(), 0u);
}

} // namespace
} // namespace velk::test
