// The message vocabulary of the run: one code per fault, each with its exact French text,
// and the composition of a message-list item "(line)text".
#pragma once

#include <string>
#include <string_view>

namespace velk {

enum CodeMessage : int {
    ErreurSyntaxe = 0,
    ManqueAffectation = 1,
    ManqueVirgule = 2,
    DefinitionInconnue = 3,
    IndiceHorsLimites = 9,
    PointNonDefini = 10,
    LigneNonDefinie = 11,
    CercleNonDefini = 12,
    VariableNonDefinie = 13,
    PointDejaDefini = 40,
    LigneDejaDefinie = 41,
    CercleDejaDefini = 42,
    VariableDejaDefinie = 43,
    FormeDejaDefinie = 44,
    FormeEnCours = 50,
    MessageTest = 98,
    PasDeSolution = 99,
    DefinitionNonDefinie = 100,
};

// The text of a message; `indice` is the element number for the codes that name one
// (10-13, 40-44) and the free text of code 98. Every text begins with a blank.
std::string TexteMessage(int code, std::string_view indice = {});

// "(" + line number + ")" + text, the line number counting from 1.
std::string ComposeMessage(int numeroLigne, int code, std::string_view indice = {});

// The editor line index (from 0) named by a message item, or -1 when the item does not
// start with "(digits)".
int LigneDuMessage(std::string_view item);

} // namespace velk
