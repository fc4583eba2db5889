// The application icon: the resource SVG rendered once per usual size, so that no image
// plug-in is needed to show it.
#include "shell/icone_application.h"

#include <QPixmap>

namespace velk {

QIcon IconeApplication()
{
    QSvgRenderer rendu(QStringLiteral(":/velk/velk.svg"));
    QIcon icone;
    if (!rendu.isValid())
        return icone;
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256})
        icone.addPixmap(QPixmap::fromImage(ImageCarreeSvg(rendu, taille)));
    return icone;
}

} // namespace velk
