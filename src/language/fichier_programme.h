// Reading and writing program files (".vlk"). Files are read as UTF-8 when they are valid
// UTF-8, otherwise as Windows-1252 (files of older tools); lines end with CR LF or LF and the
// last one may have no terminator. Files are written with CR LF after every line, in the
// encoding they were read in when the text allows it (UTF-8 for new files).
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

// How a program file's bytes encode its text.
enum class Encodage {
    Utf8,        // new files, and files read as UTF-8
    Utf8AvecBom, // UTF-8 preceded by a byte-order mark
    Windows1252, // files of older tools, 8-bit
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
    Encodage encodage = Encodage::Utf8;
};

// Splits file contents into lines (UTF-8), decoding as described above. A UTF-8 byte-order
// mark at the start is not part of the text.
ProgrammeCharge DecoupeProgramme(std::string_view octets);
// Takes over a buffer of `taille` bytes (as read from a file).
ProgrammeCharge DecoupeProgramme(TamponZone octets, size_t taille);
std::vector<std::string> DecoupeLignes(std::string_view octets);

// The file contents for the given lines, in UTF-8.
std::string AssembleLignes(const std::vector<std::string>& lignes);
// The file contents for the given lines in `encodage`. A text that Windows-1252 cannot hold
// is written in UTF-8 instead, and `encodage` becomes Encodage::Utf8 to say so.
std::string AssembleLignes(const std::vector<std::string>& lignes, Encodage& encodage);
// The same for a whole text already assembled in UTF-8.
std::string EncodeTexte(std::string utf8, Encodage& encodage);

// A program file read line by line as it is executed: the file's bytes are held once and
// each line is decoded only when it is asked for, so that memory stays that of the file
// whatever the number of lines. Lines are asked in increasing order.
class LignesEnFlux {
public:
    LignesEnFlux(TamponZone octets, size_t taille);
    int NombreLignes() const { return nombre_; }
    // Line k (k not below the line asked last), valid until the next call.
    std::string_view Ligne(int k);

private:
    TamponZone octets_;
    std::string_view texte_; // without its byte-order mark
    bool utf8_ = true;
    int nombre_ = 0;
    int suivante_ = 0;   // number of the line that starts at position_
    size_t position_ = 0;
    std::string decodee_; // the last line, when the file is Windows-1252
};

// Throws ErreurFichier.
ProgrammeCharge ChargeProgramme(const std::string& chemin);
LignesEnFlux ChargeProgrammeEnFlux(const std::string& chemin);
std::vector<std::string> LitFichierProgramme(const std::string& chemin);
std::vector<std::string> LitFichierProgramme(const std::string& chemin, Encodage& encodage);
// Writes atomically: the previous file stays whole until the new one is complete.
// Throws ErreurFichier.
void EcritFichierProgramme(const std::string& chemin, const std::vector<std::string>& lignes);

} // namespace velk
