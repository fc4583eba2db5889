// Palette glyphs: line drawings on a 20-unit grid shown at 16 pixels, one per button kind,
// drawn at run time so that the palettes read at a glance without any image file.
#include "shell/glyphes_palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace velk {

namespace {

constexpr int kGrille = 20;
constexpr int kTaille = 16;
const QColor kTrait(30, 30, 30);
const QColor kAccent(0, 90, 200);

void Croix(QPainter& p, QPointF c, double r = 2.5)
{
    p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
}

void Pastille(QPainter& p, QPointF c, double r = 1.6)
{
    p.save();
    p.setBrush(p.pen().color());
    p.drawEllipse(c, r, r);
    p.restore();
}

void Pointe(QPainter& p, QPointF bout, double angleDegres)
{
    const double a = angleDegres * M_PI / 180;
    const QPointF g(bout.x() - 4 * std::cos(a - 0.45), bout.y() + 4 * std::sin(a - 0.45));
    const QPointF d(bout.x() - 4 * std::cos(a + 0.45), bout.y() + 4 * std::sin(a + 0.45));
    QPainterPath t;
    t.moveTo(bout);
    t.lineTo(g);
    t.lineTo(d);
    t.closeSubpath();
    p.save();
    p.setBrush(p.pen().color());
    p.drawPath(t);
    p.restore();
}

// A dimension line between two points with arrows at both ends and extension ticks.
void Cote(QPainter& p, QPointF a, QPointF b, bool verticale)
{
    p.drawLine(a, b);
    Pointe(p, a, verticale ? 90 : 180);
    Pointe(p, b, verticale ? -90 : 0);
    if (verticale) {
        p.drawLine(QPointF(a.x() - 4, a.y()), QPointF(a.x() + 5, a.y()));
        p.drawLine(QPointF(b.x() - 4, b.y()), QPointF(b.x() + 5, b.y()));
    } else {
        p.drawLine(QPointF(a.x(), a.y() - 4), QPointF(a.x(), a.y() + 5));
        p.drawLine(QPointF(b.x(), b.y() - 4), QPointF(b.x(), b.y() + 5));
    }
}

void Dessine(QPainter& p, const QString& nom)
{
    QPen trait(kTrait, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen accent(kAccent, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(trait);
    p.setBrush(Qt::NoBrush);

    if (nom == QLatin1String("BtnPoint")) {
        p.setPen(accent);
        Croix(p, QPointF(10, 10), 4);
    } else if (nom == QLatin1String("BtnInter")) {
        p.drawLine(QPointF(2, 16), QPointF(18, 4));
        p.drawEllipse(QPointF(11, 11), 6, 6);
        p.setPen(accent);
        Croix(p, QPointF(5.4, 13.5), 2);
        Croix(p, QPointF(16.4, 5.2), 2);
    } else if (nom == QLatin1String("BtnLigne")) {
        p.setPen(accent);
        p.drawLine(QPointF(1, 17), QPointF(19, 3));
    } else if (nom == QLatin1String("BtnSegment")) {
        p.setPen(accent);
        p.drawLine(QPointF(4, 15), QPointF(16, 5));
        p.setPen(trait);
        Pastille(p, QPointF(4, 15));
        Pastille(p, QPointF(16, 5));
    } else if (nom == QLatin1String("BtnCercle")) {
        p.setPen(accent);
        p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
        p.setPen(trait);
        Croix(p, QPointF(10, 10), 1.8);
    } else if (nom == QLatin1String("BtnArc")) {
        p.drawLine(QPointF(2, 17), QPointF(18, 17));
        p.setPen(accent);
        p.drawArc(QRectF(3, 3, 14, 14), 0, 180 * 16);
        p.drawLine(QPointF(3, 10), QPointF(3, 17));
    } else if (nom == QLatin1String("BtnArc3")) {
        p.setPen(accent);
        p.drawArc(QRectF(2, 3, 16, 16), 20 * 16, 140 * 16);
        p.setPen(trait);
        Pastille(p, QPointF(3.3, 8.2));
        Pastille(p, QPointF(10, 3));
        Pastille(p, QPointF(16.7, 8.2));
    } else if (nom == QLatin1String("BtnRotation")) {
        Pastille(p, QPointF(10, 10));
        p.setPen(accent);
        p.drawArc(QRectF(3, 3, 14, 14), 90 * 16, 250 * 16);
        Pointe(p, QPointF(10, 3), 0);
    } else if (nom == QLatin1String("BtnSymetrie")) {
        p.setPen(QPen(kTrait, 1, Qt::DashLine));
        p.drawLine(QPointF(10, 1), QPointF(10, 19));
        p.setPen(accent);
        p.drawPolygon(QPolygonF({QPointF(8, 5), QPointF(8, 15), QPointF(2, 15)}));
        p.drawPolygon(QPolygonF({QPointF(12, 5), QPointF(12, 15), QPointF(18, 15)}));
    } else if (nom == QLatin1String("BtnTexte")) {
        p.drawLine(QPointF(4, 4), QPointF(16, 4));
        p.drawLine(QPointF(10, 4), QPointF(10, 17));
    } else if (nom == QLatin1String("BtnCoteH")) {
        Cote(p, QPointF(3, 10), QPointF(17, 10), false);
    } else if (nom == QLatin1String("BtnCoteV")) {
        Cote(p, QPointF(10, 3), QPointF(10, 17), true);
    } else if (nom == QLatin1String("BtnCoteRef")) {
        p.drawLine(QPointF(3, 2), QPointF(3, 18));
        Cote(p, QPointF(3, 7), QPointF(17, 7), false);
        Cote(p, QPointF(3, 14), QPointF(12, 14), false);
    } else if (nom == QLatin1String("BtnCoteSuiv")) {
        Cote(p, QPointF(2, 10), QPointF(10, 10), false);
        Cote(p, QPointF(10, 10), QPointF(18, 10), false);
    } else if (nom == QLatin1String("BtnConstruction") ||
               nom == QLatin1String("BtnDebutForme")) {
        p.setPen(accent);
        p.drawLine(QPointF(10, 3), QPointF(4, 17));
        p.drawLine(QPointF(10, 3), QPointF(16, 17));
        p.setPen(trait);
        p.drawArc(QRectF(2, 8, 16, 16), 30 * 16, 120 * 16);
        Pastille(p, QPointF(10, 3));
    } else if (nom == QLatin1String("BtnCotation")) {
        Cote(p, QPointF(3, 12), QPointF(17, 12), false);
        p.drawLine(QPointF(7, 7), QPointF(13, 7));
    } else if (nom == QLatin1String("BtnChainer") || nom == QLatin1String("BtnFinForme")) {
        p.setPen(accent);
        p.drawRoundedRect(QRectF(1.5, 7, 10, 6), 3, 3);
        p.drawRoundedRect(QRectF(8.5, 7, 10, 6), 3, 3);
    } else if (nom.startsWith(QLatin1String("BtnMenuGeneral"))) {
        QPainterPath maison;
        maison.moveTo(3, 10);
        maison.lineTo(10, 3);
        maison.lineTo(17, 10);
        p.drawPath(maison);
        p.drawRect(QRectF(5.5, 10, 9, 7));
    } else if (nom.startsWith(QLatin1String("BtnSelection"))) {
        QPainterPath fleche;
        fleche.moveTo(5, 2);
        fleche.lineTo(5, 16);
        fleche.lineTo(8.5, 12.5);
        fleche.lineTo(11, 18);
        fleche.lineTo(13, 17);
        fleche.lineTo(10.5, 11.5);
        fleche.lineTo(15, 11.5);
        fleche.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(fleche);
    } else if (nom.startsWith(QLatin1String("BtnGomme"))) {
        p.translate(10, 10);
        p.rotate(-35);
        p.setBrush(QColor(240, 150, 170));
        p.drawRect(QRectF(-7, -3.5, 14, 7));
        p.drawLine(QPointF(-2, -3.5), QPointF(-2, 3.5));
    } else if (nom.startsWith(QLatin1String("BtnCadrage"))) {
        for (QPointF c : {QPointF(3, 3), QPointF(17, 3), QPointF(3, 17), QPointF(17, 17)}) {
            const double sx = c.x() < 10 ? 1 : -1, sy = c.y() < 10 ? 1 : -1;
            p.drawLine(c, QPointF(c.x() + 5 * sx, c.y()));
            p.drawLine(c, QPointF(c.x(), c.y() + 5 * sy));
        }
        p.setPen(accent);
        p.drawEllipse(QPointF(10, 10), 3.5, 3.5);
    } else if (nom.startsWith(QLatin1String("BtnZoomPrecedent")) ||
               nom.startsWith(QLatin1String("BtnZoomSuivant"))) {
        const bool suivant = nom.startsWith(QLatin1String("BtnZoomSuivant"));
        p.setPen(accent);
        p.drawLine(QPointF(suivant ? 3 : 17, 10), QPointF(suivant ? 16 : 4, 10));
        Pointe(p, QPointF(suivant ? 17 : 3, 10), suivant ? 0 : 180);
        p.setPen(trait);
        p.drawRect(QRectF(suivant ? 3 : 12, 4, 5, 4));
    } else if (nom.startsWith(QLatin1String("BtnZoom"))) {
        p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        p.setPen(QPen(kTrait, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(18, 18));
    } else if (nom.startsWith(QLatin1String("BtnCouleur"))) {
        const QColor couleurs[] = {QColor(220, 40, 40), QColor(40, 170, 60), QColor(40, 80, 220),
                                   QColor(240, 200, 30)};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(couleurs[i]);
            p.drawRect(QRectF(2.5 + (i % 2) * 8, 2.5 + (i / 2) * 8, 7, 7));
        }
    } else if (nom.startsWith(QLatin1String("BtnVisible"))) {
        QPainterPath oeil;
        oeil.moveTo(1.5, 10);
        oeil.quadTo(10, 1, 18.5, 10);
        oeil.quadTo(10, 19, 1.5, 10);
        p.drawPath(oeil);
        p.setPen(accent);
        Pastille(p, QPointF(10, 10), 3);
    } else if (nom.startsWith(QLatin1String("BtnFCanon"))) {
        p.drawRect(QRectF(3, 2, 14, 16));
        for (int y : {6, 10, 14}) {
            p.drawLine(QPointF(5.5, y), QPointF(8, y));
            p.drawLine(QPointF(10, y), QPointF(15, y));
        }
    }
}

} // namespace

QIcon GlyphePalette(const QString& nom)
{
    QPixmap image(kTaille, kTaille);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(double(kTaille) / kGrille, double(kTaille) / kGrille);
        Dessine(p, nom);
    }
    return QIcon(image);
}

} // namespace velk
