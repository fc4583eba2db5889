// Bevelled frames, focus rectangle and centring for the view dialogs.
#include "view/qt/cadres.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace velk {

void DessineCadre(QPainter& painter, const QRect& rect, int epaisseur, bool enfonce,
                  const QPalette& palette, const QColor& fond)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Outer ring in the strong shades, inner rings in the softer ones, as window-system
    // bevels are drawn: a sunken cell is lit from the bottom right, a raised one from the
    // top left.
    for (int k = 0; k < epaisseur; ++k) {
        const QRect r = rect.adjusted(k, k, -k, -k);
        if (r.width() <= 0 || r.height() <= 0)
            break;
        const bool exterieur = k == 0;
        const QColor ombre = exterieur ? palette.color(QPalette::Mid) : palette.color(QPalette::Shadow);
        const QColor lumiere = exterieur ? palette.color(QPalette::Light) : palette.color(QPalette::Midlight);
        const QColor hautGauche = enfonce ? ombre : lumiere;
        const QColor basDroite = enfonce ? lumiere : ombre;
        painter.setPen(hautGauche);
        painter.drawLine(r.left(), r.top(), r.right(), r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
        painter.setPen(basDroite);
        painter.drawLine(r.left() + 1, r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top() + 1, r.right(), r.bottom());
    }
    const QRect interieur = rect.adjusted(epaisseur, epaisseur, -epaisseur, -epaisseur);
    if (interieur.isValid())
        painter.fillRect(interieur, fond);
    painter.restore();
}

void DessineFocus(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen stylo(Qt::white);
    stylo.setStyle(Qt::DotLine);
    stylo.setWidth(0);
    painter.setPen(stylo);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void CentreSurEcran(QWidget& fenetre)
{
    QScreen* ecran = fenetre.screen() ? fenetre.screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    QRect cadre = fenetre.frameGeometry();
    cadre.moveCenter(ecran->availableGeometry().center());
    fenetre.move(cadre.topLeft());
}

} // namespace velk
