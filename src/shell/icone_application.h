// The application icon (a compass drawing a circle), from the SVG in the program's
// resources. main() makes it every window's icon; the About box shows it.
#pragma once

#include <QIcon>

namespace velk {

// The icon drawn at the usual sizes from 16 to 256 pixels; an empty icon when the resource
// cannot be read.
QIcon IconeApplication();

} // namespace velk
