// Reading and writing program files (".vlk"). Files are read as UTF-8 when they are valid
// UTF-8, otherwise as Windows-1252 (files of older tools); lines end with CR LF or LF and the
// last one may have no terminator. Files are written in UTF-8 with CR LF after every line.
#pragma once

#include "store/zone_memoire.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// A program file that cannot be read or written. The message is French and names the file.
class ErreurFichier : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Files larger than this are refused: no construction program comes close, and reading a
// huge binary file into the editor would only exhaust memory.
constexpr long long TailleMaxProgramme = 512LL * 1024 * 1024;

// A loaded program without one allocation per line: the decoded UTF-8 text and a view of
// each line into it. Moving it keeps the views valid (the text stays where it is). Both
// live in memory zones: a large program is read with few page faults.
using VuesLignes = std::vector<std::string_view, AllocateurZone<std::string_view>>;
struct ProgrammeCharge {
    TamponZone texte;
    VuesLignes lignes;
};

// Splits file contents into lines (UTF-8), decoding as described above. A UTF-8 byte-order
// mark at the start is not part of the text.
ProgrammeCharge DecoupeProgramme(std::string_view octets);
// Takes over a buffer of `taille` bytes (as read from a file).
ProgrammeCharge DecoupeProgramme(TamponZone octets, size_t taille);
std::vector<std::string> DecoupeLignes(std::string_view octets);

// The file contents for the given lines.
std::string AssembleLignes(const std::vector<std::string>& lignes);

// Throws ErreurFichier.
ProgrammeCharge ChargeProgramme(const std::string& chemin);
std::vector<std::string> LitFichierProgramme(const std::string& chemin);
// Writes atomically: the previous file stays whole until the new one is complete.
// Throws ErreurFichier.
void EcritFichierProgramme(const std::string& chemin, const std::vector<std::string>& lignes);

} // namespace velk
