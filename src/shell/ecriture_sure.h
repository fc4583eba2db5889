// Writing a document so that a failure at any step never leaves the user without a good
// copy: the new text goes to a temporary file beside the target, the old document becomes
// the backup, and only then does the temporary file take the document's name.
#pragma once

#include <QByteArray>
#include <QString>

namespace velk {

// The backup name of a document: its extension replaced by ".~lk" (added when it has none).
QString NomSecours(const QString& chemin);

// Writes contenu to chemin. When secours is not empty and chemin exists, the previous
// document is moved to secours (replacing an older backup) just before the new text takes
// its place; when the final step fails the previous document is put back. Returns false
// with a French message in erreur when the text could not be written; the document (or,
// after a failed final rename, its backup) then still holds the previous version.
bool EcritFichierSur(const QString& chemin, const QByteArray& contenu, const QString& secours,
                     QString& erreur);

} // namespace velk
