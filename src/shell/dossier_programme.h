// Where the program keeps its tables and its autosave file, and the application title.
#pragma once

#include <QString>

namespace velk {

// Chooses the program folder: the VELK_DOSSIER override when set, else the executable's
// folder when it is usable, else the per-user data folder. The result ends with "/".
QString ChoisitDossierProgramme(const QString& surcharge, const QString& dossierExecutable,
                                bool executableInscriptible, const QString& dossierUtilisateur);

// True when the executable's folder may hold the program's files: it can be written and it
// is not an installation's "bin" folder.
bool DossierExecutableUtilisable(const QString& dossierExecutable, bool inscriptible);

// The program folder of this process (reads the environment and the file system), created
// when missing. The second form takes the executable's folder as given.
QString DossierProgramme();
QString DossierProgramme(const QString& dossierExecutable);

// The application title: the executable's base name without extension, first letter in
// upper case and the others in lower case ("velk" and "VELK" both give "Velk").
QString TitreApplication(const QString& cheminExecutable);

} // namespace velk
