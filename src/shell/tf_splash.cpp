// Splash window: a small construction drawing, the name and a loading line.
#include "shell/tf_splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace velk {

TFSplash::TFSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TFSplash"));
    setFixedSize(240, 245);
}

void TFSplash::AfficheMaintenant()
{
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect zone = ecran->availableGeometry();
        move(zone.center() - rect().center());
    }
    show();
    repaint();
}

void TFSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(250, 250, 246));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    // A construction in the program's own spirit: two axes, a circle tangent to both, a
    // second circle through the first's centre and a line tangent to them.
    const QPointF o(70, 150);
    const double r = 45;
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.drawLine(QPointF(20, o.y()), QPointF(220, o.y()));
    p.drawLine(QPointF(o.x(), 20), QPointF(o.x(), 180));
    const QPointF c1(o.x() + r, o.y() - r);
    p.setPen(QPen(QColor(0, 0, 170), 1.5));
    p.drawEllipse(c1, r, r);
    const QPointF c2(c1.x() + 55, c1.y() + 10);
    const double r2 = 30;
    p.setPen(QPen(QColor(170, 0, 0), 1.5));
    p.drawEllipse(c2, r2, r2);
    // The outer tangent above both circles.
    const double dx = c2.x() - c1.x(), dy = c2.y() - c1.y();
    const double d = std::hypot(dx, dy);
    const double a = std::atan2(dy, dx) - std::acos((r - r2) / d);
    const QPointF n(std::cos(a), std::sin(a));
    p.setPen(QPen(QColor(0, 128, 0), 1.5));
    p.drawLine(c1 + r * n - 40 * QPointF(-n.y(), n.x()), c2 + r2 * n + 40 * QPointF(-n.y(), n.x()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    for (const QPointF& c : {o, c1, c2})
        p.drawEllipse(c, 2.5, 2.5);

    QFont nom(QStringLiteral("serif"));
    nom.setStyleHint(QFont::Serif);
    nom.setPixelSize(34);
    nom.setItalic(true);
    nom.setUnderline(true);
    p.setFont(nom);
    p.setPen(QColor(20, 20, 90));
    p.drawText(QRect(0, 176, width(), 40), Qt::AlignCenter, QStringLiteral("VELK"));

    QFont ligne = font();
    ligne.setPixelSize(12);
    p.setFont(ligne);
    p.setPen(QColor(40, 40, 40));
    p.drawText(QRect(0, 216, width(), 22), Qt::AlignCenter,
               QStringLiteral("Chargement en cours ..."));
}

} // namespace velk
