// Counting the faulty lines of a run and wording the status bar notice.
#include "avis_erreurs.h"

#include "language/interfaces.h"
#include "language/messages.h"

#include <unordered_set>

namespace velk {

int NombreLignesEnErreur(const ListeMessages& messages)
{
    std::unordered_set<int> lignes;
    for (int i = 0; i < messages.NombreMessages(); ++i) {
        const int ligne = LigneDuMessage(messages.Message(i));
        if (ligne >= 0)
            lignes.insert(ligne);
    }
    return static_cast<int>(lignes.size());
}

int PremierMessageAvecLigne(const ListeMessages& messages)
{
    for (int i = 0; i < messages.NombreMessages(); ++i)
        if (LigneDuMessage(messages.Message(i)) >= 0)
            return i;
    return -1;
}

QString TexteAvisErreurs(int lignes)
{
    if (lignes == 1)
        return QStringLiteral("1 ligne en erreur — cliquez pour la voir");
    return QStringLiteral("%1 lignes en erreur — cliquez pour les voir").arg(lignes);
}

} // namespace velk
