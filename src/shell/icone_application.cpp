// The application icon: the resource SVG rendered once per usual size, so that no image
// plug-in is needed to show it.
#include "shell/icone_application.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace velk {

QIcon IconeApplication()
{
    QSvgRenderer rendu(QStringLiteral(":/velk/velk.svg"));
    QIcon icone;
    if (!rendu.isValid())
        return icone;
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing);
        rendu.render(&peintre);
        peintre.end();
        icone.addPixmap(QPixmap::fromImage(image));
    }
    return icone;
}

} // namespace velk
