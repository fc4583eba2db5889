// What the About box shows about the machine, read from Linux's own sources: the
// account database for the user, /etc/os-release and uname for the system, and
// /proc/meminfo for memory and swap. The parsers take text so they are tested on samples.
#pragma once

#include <QString>

#include <cstdint>

namespace velk {

struct MemoireSysteme {
    std::uint64_t totalPhysique = 0;   // bytes
    std::uint64_t disponible = 0;      // bytes available to programs
    std::uint64_t totalEchange = 0;    // swap, bytes
    std::uint64_t echangeLibre = 0;    // bytes
};

struct InfosSysteme {
    QString titre;        // the application title
    QString utilisateur;
    QString societe;
    QString os;           // e.g. "Debian GNU/Linux 12 (bookworm) Version 6.1.0-13-amd64"
    MemoireSysteme memoire;
};

// /proc/meminfo text (values in kB) to bytes. Missing lines stay 0; without
// "MemAvailable" (old kernels) free memory plus buffers and page cache stand in.
MemoireSysteme LitMeminfo(const QString& texte);
// /etc/os-release text to the system's name: PRETTY_NAME, else NAME and VERSION_ID,
// else "Linux".
QString LitOsRelease(const QString& texte);
// The full name held in a GECOS field (its first comma-separated part), or login when
// that is empty.
QString NomUtilisateur(const QString& gecos, const QString& login);
// The system line: name + " Version " + kernel release ("<aucun>" when unknown).
QString LigneSysteme(const QString& nomSysteme, const QString& noyau);

// Sizes and gauges as shown: sizes in whole units of 1 024 000 bytes followed by " Mo";
// the memory gauge is the share in use, the swap gauge the share of swap in use (0 when
// there is no swap at all).
QString TailleMo(std::uint64_t octets);
int ChargeMemoire(const MemoireSysteme& m);
int ChargeEchange(const MemoireSysteme& m);

// Reads the running system.
InfosSysteme InfosDuSysteme(const QString& titreApplication);

} // namespace velk
