// Drawing helpers shared by the dialogs of the graphic view that paint their own cells:
// bevelled frames, the dotted focus rectangle, and centring a dialog on its screen.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;
class QWidget;

namespace velk {

// A frame `epaisseur` pixels wide along the inside of `rect`, sunken or raised, its inside
// filled with `fond`.
void DessineCadre(QPainter& painter, const QRect& rect, int epaisseur, bool enfonce,
                  const QPalette& palette, const QColor& fond);

// A dotted rectangle that inverts what lies under it, so that it shows on every colour.
void DessineFocus(QPainter& painter, const QRect& rect);

// Moves a top-level widget so that it is centred on the screen it is on.
void CentreSurEcran(QWidget& fenetre);

} // namespace velk
