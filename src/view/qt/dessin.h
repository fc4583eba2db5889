// The drawing surface widget of the graphic tab: shows the drawing image, follows the size
// of its panel, draws the zoom rubber band and the highlight of what a click would take,
// and reports mouse events in pixels. The wheel, the middle button (or Space + left
// button) and the arrow keys move the view here and never reach the construction. On a
// drawing of many elements the steps of a navigation burst show the last image moved and
// scaled, and the full redraw follows when the steps pause.
#pragma once

#include "language/interfaces.h"
#include "view/etat_vue.h"
#include "view/palette.h"
#include "view/surface_image.h"
#include "view/surbrillance.h"

#include <QPoint>
#include <QTimer>
#include <QTransform>
#include <QWidget>

namespace velk {

class TModuleDonnee;

class Dessin : public QWidget, public SurfaceDessin {
    Q_OBJECT
public:
    Dessin(EtatVue& etat, TModuleDonnee& donnees, const TVisibilite& visibilite, QWidget* parent = nullptr);

    // The drawing interface of the run: each element appears on the image.
    void EffaceDessin() override;
    void DessinePoint(const TRecPoint& p) override;
    void DessineLigne(const TRecLigne& l) override;
    void DessineCercle(const TRecCercle& c) override;

    // Clears the image and paints every stored element with the screen view.
    void Redessine();

    // The rubber band between two pixel corners, drawn in inverting grey over the drawing
    // until CacheCadre.
    void MontreCadre(QPoint coin1, QPoint coin2);
    void CacheCadre();
    bool CadreVisible() const { return cadreVisible_; }

    // Strokes the elements of a pick over the drawing, wider and in the highlight colour,
    // until CacheSurbrillance, the mouse leaving the widget or the drawing being cleared or
    // redrawn. Only the rectangles around the old and new strokes are repainted; the same
    // answer again repaints nothing.
    void MontreSurbrillance(const TElementsProches& proches);
    void CacheSurbrillance();
    bool SurbrillanceVisible() const { return !surbrillance_.Vide(); }
    const TSurbrillance& Surbrillance() const { return surbrillance_; }

    const QImage& Image() { return surface_.Image(); }

    // Wheel steps closer together than this make one burst, one entry of the history.
    static constexpr int DelaiRafaleMs = 400;
    bool DeplacementEnCours() const { return deplacement_ != Qt::NoButton; }

    // From this many stored points, lines and circles on, a navigation step shows the last
    // image moved and scaled at once, and the drawing is redrawn in full once no step has
    // come for DelaiApercuMs (or the pan's button is released). That image is exactly the
    // one Redessine gives: only the steps in between are approximate.
    static constexpr int ElementsApercu = 60000;
    static constexpr int DelaiApercuMs = 150;
    void SetElementsApercu(int elements) { elementsApercu_ = elements; }
    bool ApercuEnCours() const { return apercu_; }

signals:
    void sourisEnfoncee(int colonne, int ligne, Qt::MouseButton bouton, Qt::KeyboardModifiers touches);
    void sourisDeplacee(int colonne, int ligne, Qt::MouseButtons boutons, Qt::KeyboardModifiers touches);
    void sourisRelachee(int colonne, int ligne, Qt::MouseButton bouton, Qt::KeyboardModifiers touches);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void RepeintZones(const TSurbrillance& surbrillance);
    void Deplace(QPoint decalage);
    // After a zoom or pan step: a full redraw, or the preview on a large drawing.
    void ApresNavigation();
    // Pixels of the image (drawn with vueImage_) to pixels of the current screen view.
    QTransform TransformationApercu() const;

    EtatVue& etat_;
    TModuleDonnee& donnees_;
    const TVisibilite& visibilite_;
    SurfaceImage surface_;
    bool cadreVisible_ = false;
    QPoint coin1_;
    QPoint coin2_;
    TElementsProches proches_;
    TSurbrillance surbrillance_;
    QTimer finRafale_;
    Qt::MouseButton deplacement_ = Qt::NoButton; // the button that drags the view
    QPoint dernierePosition_;
    bool espace_ = false;
    int elementsApercu_ = ElementsApercu;
    bool apercu_ = false;
    TVue vueImage_; // the view the image was drawn with
    QTimer finApercu_;
};

} // namespace velk
