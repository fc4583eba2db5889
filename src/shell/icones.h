// Tool-bar pictures, drawn at run time so that the program carries no image files.
#pragma once

#include <QIcon>
#include <QString>

namespace velk {

// The picture of a tool-bar button by its name ("BtnNouveau", "BtnOuvrir", ...); an empty
// icon for a name it does not know.
QIcon IconeBarreOutil(const QString& nom);

} // namespace velk
