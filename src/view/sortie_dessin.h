// The drawing written to a file: a PNG image, an SVG or PDF page of the view's size, or a
// DXF file for CAD programs. The same painters as the screen draw the images; a file is
// replaced only once complete, so a failure leaves any earlier one in place.
#pragma once

#include "view/palette.h"
#include "view/vue.h"

#include <QString>

#include <optional>
#include <string>

namespace velk {

class TModuleDonnee;

enum class FormatDessin { Png, Svg, Pdf, Dxf };

// The file extension of a format, without its dot ("png").
QString ExtensionFormat(FormatDessin format);
// The format a file name's extension names, whatever its case; nothing for another one.
std::optional<FormatDessin> FormatDuNom(const QString& chemin);

// Writes every visible element through the view: the images show its rectangle on a white
// background, the DXF file holds world coordinates (see sortie_dxf.h). Returns an empty
// text on success, otherwise why nothing was written, in French.
std::string EcritDessin(FormatDessin format, const QString& chemin, const TVue& vue,
                        TModuleDonnee& donnees, const TVisibilite& visibilite);

} // namespace velk
