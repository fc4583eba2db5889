// Tool-bar pictures: simple line drawings on a 24-pixel grid.
#include "shell/icones.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velk {

namespace {

constexpr int kTaille = 24;

void Page(QPainter& p)
{
    QPainterPath page;
    page.moveTo(5, 2);
    page.lineTo(15, 2);
    page.lineTo(19, 6);
    page.lineTo(19, 22);
    page.lineTo(5, 22);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(15, 2), QPointF(15, 6));
    p.drawLine(QPointF(15, 6), QPointF(19, 6));
}

void Fleche(QPainter& p, bool versLaGauche)
{
    QPainterPath arc;
    const double sens = versLaGauche ? 1 : -1;
    const double cx = 12;
    arc.moveTo(cx - 6 * sens, 9);
    arc.cubicTo(cx, 3, cx + 8 * sens, 8, cx + 7 * sens, 16);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath pointe;
    pointe.moveTo(cx - 9 * sens, 6);
    pointe.lineTo(cx - 4 * sens, 5);
    pointe.lineTo(cx - 6 * sens, 11);
    pointe.closeSubpath();
    p.setBrush(p.pen().color());
    p.drawPath(pointe);
}

void Dessine(QPainter& p, const QString& nom)
{
    const QColor trait(40, 40, 40);
    p.setPen(QPen(trait, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (nom == QLatin1String("BtnNouveau")) {
        Page(p);
    } else if (nom == QLatin1String("BtnOuvrir")) {
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF({{2, 6}, {9, 6}, {11, 8}, {20, 8}, {20, 20}, {2, 20}}));
        p.setBrush(QColor(250, 225, 130));
        p.drawPolygon(QPolygonF({{2, 20}, {6, 11}, {23, 11}, {20, 20}}));
    } else if (nom == QLatin1String("BtnSauver")) {
        p.setBrush(QColor(70, 110, 190));
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(6, 14, 12, 7));
    } else if (nom == QLatin1String("BtnImprimer")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(200, 200, 200));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15, 10, 7));
    } else if (nom == QLatin1String("BtnDefaire")) {
        Fleche(p, true);
    } else if (nom == QLatin1String("BtnRefaire")) {
        Fleche(p, false);
    } else if (nom == QLatin1String("BtnCouper")) {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(7, 18), 3.5, 3.5);
        p.drawEllipse(QPointF(17, 18), 3.5, 3.5);
        p.drawLine(QPointF(9, 15), QPointF(17, 2));
        p.drawLine(QPointF(15, 15), QPointF(7, 2));
    } else if (nom == QLatin1String("BtnCopier")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 3, 12, 14));
        p.drawRect(QRectF(9, 7, 12, 14));
    } else if (nom == QLatin1String("BtnColler")) {
        p.setBrush(QColor(190, 150, 90));
        p.drawRoundedRect(QRectF(3, 4, 15, 18), 2, 2);
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(7, 2, 7, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 9, 11, 13));
    } else if (nom == QLatin1String("BtnSupprimer")) {
        p.setPen(QPen(QColor(190, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(19, 19));
        p.drawLine(QPointF(19, 5), QPointF(5, 19));
    }
}

} // namespace

QIcon IconeBarreOutil(const QString& nom)
{
    QIcon icone;
    for (int echelle : {1, 2}) {
        QPixmap image(kTaille * echelle, kTaille * echelle);
        image.setDevicePixelRatio(echelle);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        Dessine(p, nom);
        p.end();
        icone.addPixmap(image);
    }
    return icone;
}

} // namespace velk
