// The application icon (a compass drawing a circle), from the SVG in the program's
// resources. main() makes it every window's icon; the About box shows it.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace velk {

// The icon drawn at the usual sizes from 16 to 256 pixels; an empty icon when the resource
// cannot be read.
QIcon IconeApplication();

// An SVG drawing rendered, antialiased, into a transparent square image of the given side.
// Inline so that the build-time tool that writes the desktop's PNG icons draws exactly as
// the program does without linking the shell.
inline QImage ImageCarreeSvg(QSvgRenderer& rendu, int taille)
{
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    rendu.render(&peintre);
    peintre.end();
    return image;
}

} // namespace velk
