// Printing the drawing on one page of a paint device: a printer for the main window, a PDF
// writer for the headless runner. Both go through this one function, so the page a person
// prints and the page velk-run writes are the same.
#pragma once

#include "view/impression.h"
#include "view/palette.h"

#include <string>

class QPaintDevice;

namespace velk {

class IndicateurOccupe;
class TModuleDonnee;

// The printable area of the device: its size in device pixels and in millimetres. The
// millimetres come from the device's resolution when it agrees with the whole millimetres
// the device reports, which keeps the scale true to a fraction of a millimetre.
TPage PageAppareil(const QPaintDevice& appareil);

// Prints every visible point, line and circle through the print view on one page of
// `appareil`, whose job title the caller has set: the document is started, the elements
// are drawn with printer-size point crosses and clipped to the page, and the document is
// ended. The busy indicator is on meanwhile. Returns an empty text on success, otherwise
// why nothing was printed, in French, without a leading capital.
std::string ImprimeDessin(QPaintDevice& appareil, const TVue& vueImpression, TModuleDonnee& donnees,
                          const TVisibilite& visibilite, IndicateurOccupe& occupe);

} // namespace velk
