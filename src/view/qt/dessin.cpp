// Drawing surface widget.
#include "view/qt/dessin.h"

#include "store/module_donnee.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace velk {

Dessin::Dessin(EtatVue& etat, TModuleDonnee& donnees, const TVisibilite& visibilite, QWidget* parent)
    : QWidget(parent), etat_(etat), donnees_(donnees), surface_(etat, visibilite)
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

void Dessin::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = surface_.Image();
    painter.fillRect(event->rect(), Qt::white);
    if (!image.isNull())
        painter.drawImage(event->rect().topLeft(), image, event->rect());
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

} // namespace velk
