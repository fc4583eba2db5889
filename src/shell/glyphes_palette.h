// The small pictures of the palette buttons, drawn at run time.
#pragma once

#include <QIcon>
#include <QString>

namespace velk {

// The glyph of a palette button by its object name ("BtnPoint", "BtnZoom2", ...); the
// copies of a common button share the glyph of their prefix.
QIcon GlyphePalette(const QString& nom);

} // namespace velk
