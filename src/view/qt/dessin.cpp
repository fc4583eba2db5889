// Drawing surface widget.
#include "view/qt/dessin.h"

#include "store/module_donnee.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace velk {

Dessin::Dessin(EtatVue& etat, TModuleDonnee& donnees, const TVisibilite& visibilite, QWidget* parent)
    : QWidget(parent), etat_(etat), donnees_(donnees), visibilite_(visibilite), surface_(etat, visibilite)
{
    setObjectName(QStringLiteral("Dessin"));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(1, 1);
    etat_.SetTailleSurface(width(), height());
}

void Dessin::EffaceDessin()
{
    CacheSurbrillance();
    etat_.SetTailleSurface(width(), height());
    surface_.EffaceDessin();
    update();
}

void Dessin::DessinePoint(const TRecPoint& p)
{
    surface_.DessinePoint(p);
    update();
}

void Dessin::DessineLigne(const TRecLigne& l)
{
    surface_.DessineLigne(l);
    update();
}

void Dessin::DessineCercle(const TRecCercle& c)
{
    surface_.DessineCercle(c);
    update();
}

void Dessin::Redessine()
{
    CacheSurbrillance();
    etat_.SetTailleSurface(width(), height());
    surface_.Redessine(donnees_);
    update();
}

void Dessin::MontreCadre(QPoint coin1, QPoint coin2)
{
    coin1_ = coin1;
    coin2_ = coin2;
    cadreVisible_ = true;
    update();
}

void Dessin::CacheCadre()
{
    if (!cadreVisible_)
        return;
    cadreVisible_ = false;
    update();
}

namespace {

bool MemeReponse(const TElementsProches& a, const TElementsProches& b)
{
    return a.PointTrouve == b.PointTrouve && a.NumPoint == b.NumPoint && a.NbLignes == b.NbLignes
           && a.NumLigne1 == b.NumLigne1 && a.NumLigne2 == b.NumLigne2 && a.NbCercles == b.NbCercles
           && a.NumCercle1 == b.NumCercle1 && a.NumCercle2 == b.NumCercle2;
}

} // namespace

void Dessin::MontreSurbrillance(const TElementsProches& proches)
{
    if (SurbrillanceVisible() && MemeReponse(proches, proches_))
        return;
    RepeintZones(surbrillance_);
    proches_ = proches;
    surbrillance_ = TraceSurbrillance(proches, donnees_, etat_.VueEcran(), visibilite_);
    RepeintZones(surbrillance_);
}

void Dessin::CacheSurbrillance()
{
    if (!SurbrillanceVisible())
        return;
    RepeintZones(surbrillance_);
    surbrillance_ = TSurbrillance{};
    proches_ = TElementsProches{};
}

void Dessin::RepeintZones(const TSurbrillance& surbrillance)
{
    for (const QRect& zone : surbrillance.Zones())
        update(zone);
}

void Dessin::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = surface_.Image();
    // Rectangle by rectangle: the region around a highlighted diagonal is a thin band.
    for (const QRect& zone : event->region()) {
        painter.fillRect(zone, Qt::white);
        if (!image.isNull())
            painter.drawImage(zone.topLeft(), image, zone);
    }
    PeintSurbrillance(painter, surbrillance_);
    if (cadreVisible_) {
        // Not-xor with mid grey shows on any background and never hides the drawing.
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.setPen(QPen(QColor(128, 128, 128), 0));
        painter.setBrush(Qt::NoBrush);
        const QPoint hautGauche(std::min(coin1_.x(), coin2_.x()), std::min(coin1_.y(), coin2_.y()));
        const QPoint basDroite(std::max(coin1_.x(), coin2_.x()), std::max(coin1_.y(), coin2_.y()));
        painter.drawRect(QRect(hautGauche, basDroite));
    }
}

void Dessin::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    etat_.SetTailleSurface(width(), height());
    // While the tables are being created or the window is closing there is nothing
    // reliable to draw.
    if (donnees_.TablesPretes()) {
        etat_.CalculeVue();
        Redessine();
    }
}

void Dessin::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit sourisEnfoncee(p.x(), p.y(), event->button(), event->modifiers());
}

void Dessin::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit sourisDeplacee(p.x(), p.y(), event->buttons(), event->modifiers());
}

void Dessin::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit sourisRelachee(p.x(), p.y(), event->button(), event->modifiers());
}

void Dessin::leaveEvent(QEvent* event)
{
    CacheSurbrillance();
    QWidget::leaveEvent(event);
}

} // namespace velk
