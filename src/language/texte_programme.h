// Operations on the program text as a whole: the three header lines, the template of a new
// program, the refresh of the modification date on saving, and the appending of a
// statement built by clicks. The clock and the locale are parameters so that tests can fix
// them; by default they are the current time and the user's locale.
#pragma once

#include "language/interfaces.h"

#include <QDateTime>
#include <QLocale>

#include <string>

namespace velk {

inline constexpr const char* EnteteVersion = "Programme VELK Version 1.0 ";
inline constexpr const char* EnteteModif = "Derniere modif. : ";

// The locale's short date, a blank and its time with seconds, without time zone; only the
// date when the time is exactly midnight (French: "07/12/2026 23:06:14").
std::string TexteDateHeure(const QDateTime& moment, const QLocale& locale);

// Inserts the three header lines before line 0, then clears the undo history.
void InsereEntete(ListeLignes& lignes, const QDateTime& maintenant = QDateTime::currentDateTime(),
                  const QLocale& locale = QLocale::system());

// Appends the three statements of a new program, then clears the undo history.
void InstructionsInitiales(ListeLignes& lignes);

// True when line 0 contains the header text.
bool AEntete(const ListeLignes& lignes);

// When the text is modified, replaces line 1 by the modification date, then clears the
// undo history. A text of one line gets the missing line appended instead; an empty text
// is left alone.
void ActualiseDateModif(ListeLignes& lignes,
                        const QDateTime& maintenant = QDateTime::currentDateTime(),
                        const QLocale& locale = QLocale::system());

// What saving does to the text before writing it: refresh the date of an existing header,
// or insert a header.
void PrepareEnregistrement(ListeLignes& lignes,
                           const QDateTime& maintenant = QDateTime::currentDateTime(),
                           const QLocale& locale = QLocale::system());

// Appends a statement line at the end; the undo history is kept.
void AjouteInstruction(ListeLignes& lignes, const std::string& texte);

// A new program: empties the text, puts the header and the three statements, and marks it
// as not modified.
void NouveauProgramme(ListeLignes& lignes,
                      const QDateTime& maintenant = QDateTime::currentDateTime(),
                      const QLocale& locale = QLocale::system());

} // namespace velk
