// Where the program keeps its tables and its autosave file, and the application title.
#pragma once

#include <QString>

namespace velk {

// Chooses the program folder: the VELK_DOSSIER override when set, else the executable's
// folder when it is writable, else the per-user data folder. The result ends with "/".
QString ChoisitDossierProgramme(const QString& surcharge, const QString& dossierExecutable,
                                bool executableInscriptible, const QString& dossierUtilisateur);

// The program folder of this process (reads the environment and the file system), created
// when missing.
QString DossierProgramme();

// The application title: the executable's base name without extension, first letter in
// upper case and the others in lower case ("velk" and "VELK" both give "Velk").
QString TitreApplication(const QString& cheminExecutable);

} // namespace velk
