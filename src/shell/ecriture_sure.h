// Writing a document so that a failure at any step, or a crash, never leaves the user
// without a good copy: the new text goes whole to a temporary file beside the target and
// onto the disk, the previous document gets a second name for its backup, and only then
// does the temporary file take the document's name, in one step.
#pragma once

#include "shell/couche_fichiers.h"

#include <QByteArray>
#include <QString>

namespace velk {

// The backup name of a document: its extension replaced by ".~lk" (added when it has none).
QString NomSecours(const QString& chemin);

// Writes contenu to chemin. When secours is not empty and chemin exists, the previous
// document becomes the backup secours (replacing an older backup) as the new text takes its
// place. Returns false with a French message in erreur (which file, and why) when the text
// could not be written; the document and its backup then hold exactly what they held
// before, and no temporary file is left. A crash at any point leaves the document either
// whole in its previous version or whole in the new one.
bool EcritFichierSur(const QString& chemin, const QByteArray& contenu, const QString& secours,
                     QString& erreur, CoucheFichiers& couche = CoucheFichiers::Systeme());

// Removes the temporary files of chemin that a crash during a write left behind. Only for
// files that no other process writes (the autosave file under its folder's lock).
void NettoieTemporaires(const QString& chemin, CoucheFichiers& couche = CoucheFichiers::Systeme());

} // namespace velk
