// Arbitrary bytes as the contents of a program file: decoding (UTF-8, else Windows-1252),
// the splitting into lines (CR LF, LF, a last line without its end), the rewriting of the
// lines as a file, and the reduction of a line. Each is checked against a plain reference
// written here byte by byte, and the written file must read back as the same lines. The
// lines decoded one at a time (as velk-run reads a file) must be the same.
#include "language/encodage.h"
#include "language/fichier_programme.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Echoue(const char* quoi) {
    std::fprintf(stderr, "property violated: %s\n", quoi);
    std::abort();
}

// The lines as the file format defines them, without any shortcut.
std::vector<std::string> LignesDeReference(std::string_view texte) {
    std::vector<std::string> lignes;
    std::string courante;
    bool ouverte = false;
    for (size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\n') {
            if (!courante.empty() && courante.back() == '\r') courante.pop_back();
            lignes.push_back(courante);
            courante.clear();
            ouverte = false;
        } else {
            courante += c;
            ouverte = true;
        }
    }
    if (ouverte) lignes.push_back(courante);
    return lignes;
}

std::string ReductionDeReference(std::string_view ligne) {
    std::string s;
    for (char c : ligne) {
        if (c == ' ') continue;
        s += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);

    std::string_view sansMarque = octets;
    if (sansMarque.substr(0, 3) == "\xEF\xBB\xBF") sansMarque.remove_prefix(3);
    const bool utf8 = velk::EstUtf8Valide(sansMarque);
    const std::string texte = utf8 ? std::string(sansMarque) : velk::Windows1252VersUtf8(sansMarque);
    if (!velk::EstUtf8Valide(texte)) Echoue("Windows-1252 decoding gave ill-formed UTF-8");
    if (velk::Utf8Assaini(texte) != texte) Echoue("sanitising changed well-formed UTF-8");
    if (!velk::EstUtf8Valide(velk::Utf8Assaini(octets))) Echoue("sanitised text is ill-formed");

    const std::vector<std::string> lignes = velk::DecoupeLignes(octets);
    if (lignes != LignesDeReference(texte)) Echoue("lines differ from the reference");

    // Written as a file and read again: the same lines, unless the first one begins with a
    // byte-order mark of its own (the reader drops one at the start of a file).
    if (lignes.empty() || lignes[0].compare(0, 3, "\xEF\xBB\xBF") != 0) {
        if (velk::DecoupeLignes(velk::AssembleLignes(lignes)) != lignes)
            Echoue("lines written and read again differ");
    }

    // The lines decoded one at a time as a run asks for them: the same, skipping some.
    velk::TamponZone copie = velk::NouveauTampon(octets.size() + 1);
    std::copy(octets.begin(), octets.end(), copie.get());
    velk::LignesEnFlux flux(std::move(copie), octets.size());
    if (flux.NombreLignes() != static_cast<int>(lignes.size())) Echoue("streamed line count");
    for (int k = taille % 3; k < flux.NombreLignes(); k += 1 + (k % 2))
        if (flux.Ligne(k) != lignes[static_cast<size_t>(k)]) Echoue("streamed line differs");

    for (const std::string& l : lignes)
        if (velk::EnleveBlancs(l) != ReductionDeReference(l)) Echoue("reduction differs");
    // The reduction's word-at-a-time path at every alignment of the raw bytes.
    for (size_t debut = 0; debut < 8 && debut <= octets.size(); ++debut)
        if (velk::EnleveBlancs(octets.substr(debut)) != ReductionDeReference(octets.substr(debut)))
            Echoue("reduction differs on raw bytes");
    return 0;
}
