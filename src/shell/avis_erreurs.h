// The notice of a run's faulty lines shown in the status bar while the drawing is on
// screen: how many distinct lines the messages name, and the text that says so.
#pragma once

#include <QString>

namespace velk {

class ListeMessages;

// The number of distinct editor lines named by the messages (messages naming no line
// are not counted).
int NombreLignesEnErreur(const ListeMessages& messages);
// The index of the first message that names a line, or -1 when none does.
int PremierMessageAvecLigne(const ListeMessages& messages);
// "N lignes en erreur — cliquez pour les voir", in the singular for one line.
QString TexteAvisErreurs(int lignes);

} // namespace velk
