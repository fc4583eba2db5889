// Drawing surface widget.
#include "view/qt/dessin.h"

#include "store/module_donnee.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

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
    setFocusPolicy(Qt::StrongFocus);
    etat_.SetTailleSurface(width(), height());
    finRafale_.setSingleShot(true);
    finRafale_.setInterval(DelaiRafaleMs);
    connect(&finRafale_, &QTimer::timeout, this, [this] { etat_.FinRafale(); });
    finApercu_.setSingleShot(true);
    finApercu_.setInterval(DelaiApercuMs);
    connect(&finApercu_, &QTimer::timeout, this, [this] {
        if (apercu_ && donnees_.TablesPretes())
            Redessine();
    });
}

void Dessin::EffaceDessin()
{
    CacheSurbrillance();
    etat_.SetTailleSurface(width(), height());
    surface_.EffaceDessin();
    apercu_ = false;
    finApercu_.stop();
    vueImage_ = etat_.VueEcran();
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
    apercu_ = false;
    finApercu_.stop();
    vueImage_ = etat_.VueEcran();
    update();
}

void Dessin::ApresNavigation()
{
    const int64_t elements = static_cast<int64_t>(donnees_.NombrePoints()) + donnees_.NombreLignes()
                             + donnees_.NombreCercles();
    if (elements < elementsApercu_) {
        Redessine();
        return;
    }
    CacheSurbrillance();
    apercu_ = true;
    finApercu_.start();
    update();
}

QTransform Dessin::TransformationApercu() const
{
    // A world point at pixel (c0, r0) of the image is at (s c0 + dx, s r0 + dy) now.
    const TVue& avant = vueImage_;
    const TVue& apres = etat_.VueEcran();
    const Reel s = apres.Echelle / avant.Echelle;
    const Reel dx = (avant.OrigineX - apres.OrigineX) * apres.Echelle;
    const Reel dy = apres.Hauteur - s * avant.Hauteur - (avant.OrigineY - apres.OrigineY) * apres.Echelle;
    if (!std::isfinite(s) || !std::isfinite(dx) || !std::isfinite(dy) || !(s > 0))
        return QTransform();
    const double e = static_cast<double>(s);
    return QTransform(e, 0, 0, e, static_cast<double>(dx), static_cast<double>(dy));
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
    if (apercu_) {
        painter.fillRect(rect(), Qt::white);
        if (!image.isNull()) {
            painter.setTransform(TransformationApercu());
            painter.drawImage(0, 0, image);
            painter.resetTransform();
        }
    } else {
        // Rectangle by rectangle: the region around a highlighted diagonal is a thin band.
        for (const QRect& zone : event->region()) {
            painter.fillRect(zone, Qt::white);
            if (!image.isNull())
                painter.drawImage(zone.topLeft(), image, zone);
        }
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

void Dessin::Deplace(QPoint decalage)
{
    if (decalage.isNull() || !donnees_.TablesPretes())
        return;
    if (etat_.Deplace(decalage.x(), decalage.y()))
        ApresNavigation();
}

void Dessin::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (DeplacementEnCours())
        return; // a second button during a pan is not a click
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && espace_)) {
        deplacement_ = event->button();
        dernierePosition_ = p;
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    emit sourisEnfoncee(p.x(), p.y(), event->button(), event->modifiers());
}

void Dessin::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (DeplacementEnCours()) {
        Deplace(p - dernierePosition_);
        dernierePosition_ = p;
        return;
    }
    emit sourisDeplacee(p.x(), p.y(), event->buttons(), event->modifiers());
}

void Dessin::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (DeplacementEnCours()) {
        if (event->button() == deplacement_) {
            Deplace(p - dernierePosition_);
            deplacement_ = Qt::NoButton;
            setCursor(Qt::CrossCursor);
            // The pan is over: no need to wait for a pause.
            if (apercu_ && donnees_.TablesPretes())
                Redessine();
        }
        return;
    }
    emit sourisRelachee(p.x(), p.y(), event->button(), event->modifiers());
}

void Dessin::leaveEvent(QEvent* event)
{
    CacheSurbrillance();
    QWidget::leaveEvent(event);
}

void Dessin::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (!donnees_.TablesPretes())
        return;
    // 120 eighths of a degree are one notch; fine-step wheels and touchpads send less and
    // are zoomed by the matching fraction of a notch.
    const int utilise = event->angleDelta().y();
    if (utilise == 0)
        return;
    const QPoint p = event->position().toPoint();
    finRafale_.start();
    if (etat_.ZoomMolette(p.x(), p.y(), static_cast<Reel>(utilise) / 120))
        ApresNavigation();
}

void Dessin::keyPressEvent(QKeyEvent* event)
{
    // An arrow shows what lies that way: the drawing moves the other way by an eighth.
    const int px = std::max(1, width() / 8), py = std::max(1, height() / 8);
    switch (event->key()) {
    case Qt::Key_Left: Deplace({px, 0}); break;
    case Qt::Key_Right: Deplace({-px, 0}); break;
    case Qt::Key_Up: Deplace({0, py}); break;
    case Qt::Key_Down: Deplace({0, -py}); break;
    case Qt::Key_Space:
        espace_ = true;
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void Dessin::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        espace_ = false;
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void Dessin::focusOutEvent(QFocusEvent* event)
{
    // A Space released elsewhere never comes back here.
    espace_ = false;
    QWidget::focusOutEvent(event);
}

} // namespace velk
