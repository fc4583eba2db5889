// The 49 statement forms: for each signature, the choice letters it accepts at each choice
// position and the construction that builds its element.
#pragma once

#include "geometry/records.h"

#include <string_view>

namespace velk {

// What a construction receives: the argument records read from the tables, in statement
// order per kind, the numbers (colour and layer last) and the choice letters.
struct EntreesConstruction {
    TRecPoint P[3];
    TRecLigne L[2];
    TRecCercle C[2];
    const Reel* N = nullptr;
    const char* D = nullptr;
};

struct ResultatConstruction {
    TRecPoint Point;
    TRecLigne Ligne;
    TRecCercle Cercle;
    bool SansSolution = false;
};

using Construction = void (*)(const EntreesConstruction&, ResultatConstruction&);

struct FormeInstruction {
    const char* Signature;
    // Accepted letters at each "D" of the signature, in order; unused entries are null.
    const char* Lettres[3];
    // Null for the variable and form rows, which the interpreter handles itself.
    Construction Construit;
};

// The rows in their fixed order.
const FormeInstruction* FormesInstruction();
int NombreFormesInstruction();

// The row whose signature is exactly `signature`, or null.
const FormeInstruction* ChercheForme(std::string_view signature);

// True when `signature` is one of the 49 (used by click construction to know when a
// statement is complete).
inline bool SignatureComplete(std::string_view signature) {
    return ChercheForme(signature) != nullptr;
}

// True when every choice letter is accepted by the row at its position.
bool LettresAcceptees(const FormeInstruction& forme, const char* choix, int nombre);

} // namespace velk
