// Number reading checked against the C library: strtold in the "C" locale is the
// reference. A text made only of number characters is accepted exactly when strtold reads
// all of it, and then to the same extended real, bit for bit (zeros keep their sign,
// overflows give the same infinity). Through the reader, "V1:=" followed by the text
// stores that value rounded to 64 bits, or refuses it when it does not fit.
//
// Input: the first byte chooses the mode. In the number mode every byte that is not a
// number character is mapped to one, and bytes from 0xF0 repeat the previous character 4
// to 131072 times, so that very long runs of digits and huge exponents are reached from
// short inputs.
#include "language/interprete.h"
#include "language/messages.h"
#include "language/nombres.h"
#include "language/observateurs_simples.h"
#include "store/module_donnee.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace {

void Echoue(const char* quoi, const std::string& texte) {
    std::fprintf(stderr, "property violated: %s on \"%.200s\" (%zu characters)\n", quoi,
                 texte.c_str(), texte.size());
    std::abort();
}

bool MemesBits(long double a, long double b) {
    // The 80-bit format: compare the ten significant bytes only.
    return std::memcmp(&a, &b, 10) == 0;
}

constexpr char CaracteresNombre[] = "0123456789.+-E";

std::string Texte(const uint8_t* donnees, size_t taille, bool nombre) {
    std::string s;
    for (size_t i = 0; i < taille; ++i) {
        const uint8_t b = donnees[i];
        if (!nombre) {
            s += static_cast<char>(b);
        } else if (b >= 0xF0 && !s.empty()) {
            s.append(size_t{1} << (b - 0xF0 + 2), s.back());
        } else if (std::strchr(CaracteresNombre, b) != nullptr && b != 0) {
            s += static_cast<char>(b);
        } else {
            s += CaracteresNombre[b % (sizeof CaracteresNombre - 1)];
        }
        if (s.size() > (size_t{1} << 18)) break;
    }
    return s;
}

// The variable V1 after running "V1:=" + texte as a single statement.
bool ParLecteur(const std::string& texte, long double& valeur) {
    velk::TModuleDonnee tables;
    tables.CreeTables();
    velk::MessagesEnMemoire messages;
    velk::DessinMuet dessin;
    velk::OccupeMuet occupe;
    velk::Interprete interprete(tables, messages, dessin, occupe);
    const bool fait = interprete.ExecuteInstruction("V1:=" + texte);
    if (fait != tables.VariableExiste(1)) Echoue("statement result and table disagree", texte);
    if (fait) valeur = tables.ValeurVariable(1);
    return fait;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    if (taille == 0) return 0;
    const bool modeNombre = donnees[0] % 4 != 0;
    const std::string texte = Texte(donnees + 1, taille - 1, modeNombre);

    static const locale_t localeC = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const bool queNombre =
        texte.find_first_not_of(CaracteresNombre) == std::string::npos;

    long double attendu = 0;
    bool lisible = false;
    if (!texte.empty() && texte.find('\0') == std::string::npos) {
        char* fin = nullptr;
        attendu = strtold_l(texte.c_str(), &fin, localeC);
        lisible = fin == texte.c_str() + texte.size();
    }

    const long double temoin = 12345.678L;
    long double obtenu = temoin;
    const bool accepte = velk::ConvertitReel(texte, obtenu);
    if (!queNombre) {
        if (accepte) Echoue("accepted a character outside numbers", texte);
    } else if (accepte != lisible) {
        Echoue(accepte ? "accepted what strtold refuses" : "refused what strtold reads", texte);
    }
    if (!accepte && !MemesBits(obtenu, temoin)) Echoue("value changed on refusal", texte);
    if (accepte && !MemesBits(obtenu, attendu)) Echoue("value differs from strtold", texte);

    // The whole path of a statement, for short enough texts (the run copies each line).
    if (queNombre && texte.size() <= 4096 && !texte.empty() && texte[0] != 'E') {
        long double stocke = 0;
        const bool fait = ParLecteur(texte, stocke);
        const double arrondi = static_cast<double>(attendu);
        const bool attenduFait = lisible && std::isfinite(arrondi);
        if (fait != attenduFait) Echoue("statement V1:= result differs", texte);
        if (fait && !MemesBits(stocke, static_cast<long double>(arrondi)))
            Echoue("stored variable differs", texte);
    }
    return 0;
}
