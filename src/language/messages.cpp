// Message texts and their composition.
#include "language/messages.h"

#include <charconv>

namespace velk {

std::string TexteMessage(int code, std::string_view indice) {
    std::string texte;
    auto element = [&](const char* debut, const char* fin) {
        texte.append(debut).append(indice).append(fin);
        return texte;
    };
    switch (code) {
    case ErreurSyntaxe: return " Erreur de syntaxe";
    case ManqueAffectation: return " Erreur de syntaxe : manque ':=' ";
    case ManqueVirgule: return " Erreur de syntaxe : manque ',' ";
    case DefinitionInconnue: return " Erreur de syntaxe : caractère de définition inconnu";
    case IndiceHorsLimites: return " Indice hors des limites permises";
    case PointNonDefini: return element(" Point P", " non défini");
    case LigneNonDefinie: return element(" Ligne L", " non définie");
    case CercleNonDefini: return element(" Cercle C", " non défini");
    case VariableNonDefinie: return element(" Variable V", " non définie");
    case PointDejaDefini: return element(" Point P", " déjà défini");
    case LigneDejaDefinie: return element(" Ligne L", " déjà définie");
    case CercleDejaDefini: return element(" Cercle C", " déjà défini");
    case VariableDejaDefinie: return element(" Variable V", " déjà définie");
    case FormeDejaDefinie: return element(" Forme F", " déjà définie");
    case FormeEnCours: return " Il y a déjà une forme en cours de définition";
    case MessageTest: return element(" Test ", "");
    case PasDeSolution: return " Pas de solution possible";
    case DefinitionNonDefinie: return " Définition géomètrique non définie";
    default: return " Erreur inconnue";
    }
}

std::string ComposeMessage(int numeroLigne, int code, std::string_view indice) {
    std::string item = "(";
    item += std::to_string(numeroLigne);
    item += ')';
    item += TexteMessage(code, indice);
    return item;
}

int LigneDuMessage(std::string_view item) {
    if (item.size() < 3 || item.front() != '(') return -1;
    const auto fin = item.find(')');
    if (fin == std::string_view::npos || fin == 1) return -1;
    int numero = 0;
    const char* debut = item.data() + 1;
    const auto r = std::from_chars(debut, item.data() + fin, numero);
    if (r.ec != std::errc() || r.ptr != item.data() + fin || numero < 1) return -1;
    return numero - 1;
}

} // namespace velk
