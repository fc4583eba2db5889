// The statement reader: classification of a reduced line (comments, forms, statements)
// and the reading of a statement into its signature and argument lists.
#include "language/interprete.h"
#include "language/messages.h"
#include "language/nombres.h"
#include "store/module_donnee.h"

#include <string>

namespace velk {

namespace {

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }
// Digits, '.', '+', '-' and 'E', as a table: the reader tests every character of a number.
struct TableNombre {
    bool dans[256] = {};
    TableNombre() {
        for (char c : std::string_view("0123456789.+-E")) dans[static_cast<unsigned char>(c)] = true;
    }
};
const TableNombre CaracteresNombre;
bool EstCaractereNombre(char c) { return CaracteresNombre.dans[static_cast<unsigned char>(c)]; }
bool EstLettreChoix(char c) {
    switch (c) {
    case 'B': case 'D': case 'E': case 'G': case 'H':
    case 'I': case 'M': case 'O': case 'X': case 'Y':
        return true;
    default:
        return false;
    }
}

// The decimal text of an index, without leading zeros, for the messages.
std::string TexteIndice(uint16_t n) { return std::to_string(n); }

} // namespace

ClasseLigne Interprete::TypeLigne(std::string_view& ligne) {
    constexpr auto absent = std::string_view::npos;
    if (DansCommentaire) {
        if (ligne.find('}') != absent) DansCommentaire = false;
        return ClasseLigne::Commentaire;
    }
    auto ouvrante = ligne.find('{');
    const auto fermante = ligne.find('}');
    if (ouvrante != absent && ouvrante > 0 && fermante == ligne.size() - 1) {
        // A trailing "{...}" comment is cut off and the statement before it kept.
        ligne = ligne.substr(0, ouvrante);
        ouvrante = absent;
    }
    if (ouvrante != absent) {
        if (fermante == absent || fermante < ouvrante) DansCommentaire = true;
        return ClasseLigne::Commentaire;
    }
    if (ligne.find("//") != absent) return ClasseLigne::Commentaire;
    if (ligne.find(":=") != absent) return ClasseLigne::Instruction;
    if (DansForme) {
        if (ligne == "FIN") DansForme = false;
        return ClasseLigne::CorpsForme;
    }
    return ClasseLigne::ErreurSyntaxe;
}

bool Interprete::LitIndice(int i, std::string_view& reste, uint16_t& indice) {
    reste.remove_prefix(1); // the kind letter
    size_t k = 0;
    uint32_t valeur = 0;
    bool tropGrand = false;
    while (k < reste.size() && EstChiffre(reste[k])) {
        valeur = valeur * 10 + static_cast<uint32_t>(reste[k] - '0');
        if (valeur > 65535) {
            tropGrand = true;
            valeur = 65536; // keeps the accumulation bounded while the run is consumed
        }
        ++k;
    }
    reste.remove_prefix(k);
    indice = 0;
    if (k == 0) {
        SignaleErreur(i, ErreurSyntaxe);
        return false;
    }
    if (tropGrand) {
        SignaleErreur(i, IndiceHorsLimites);
        return false;
    }
    indice = static_cast<uint16_t>(valeur);
    return true;
}

bool Interprete::LitNombre(int i, std::string_view& reste, Reel& nombre) {
    size_t k = 0;
    while (k < reste.size() && EstCaractereNombre(reste[k])) ++k;
    const std::string_view texte = reste.substr(0, k);
    reste.remove_prefix(k);
    if (k == 0 || !ConvertitReel(texte, nombre)) {
        SignaleErreur(i, ErreurSyntaxe);
        return false;
    }
    return true;
}

bool Interprete::LitArgument(int i, std::string_view& reste) {
    const char c = reste.front();
    uint16_t n = 0;
    Reel x = 0;
    switch (c) {
    case 'P':
    case 'L':
    case 'C': {
        lue_.Signature += c;
        if (!LitIndice(i, reste, n)) return false;
        if (c == 'P') {
            lue_.IndicesP.Ajoute(n);
            if (!tables_.PointExiste(n)) SignaleErreur(i, PointNonDefini, TexteIndice(n));
        } else if (c == 'L') {
            lue_.IndicesL.Ajoute(n);
            if (!tables_.LigneExiste(n)) SignaleErreur(i, LigneNonDefinie, TexteIndice(n));
        } else {
            lue_.IndicesC.Ajoute(n);
            if (!tables_.CercleExiste(n)) SignaleErreur(i, CercleNonDefini, TexteIndice(n));
        }
        return !ErreurLigne;
    }
    case 'V':
        lue_.Signature += 'N';
        if (!LitIndice(i, reste, n)) return false;
        if (!tables_.VariableExiste(n)) {
            SignaleErreur(i, VariableNonDefinie, TexteIndice(n));
            return false;
        }
        // The value is taken now: a later assignment does not change this statement.
        lue_.Nombres.Ajoute(tables_.ValeurVariable(n));
        return true;
    case 'A':
        lue_.Signature += 'A';
        reste.remove_prefix(1);
        if (!LitNombre(i, reste, x)) return false;
        lue_.Nombres.Ajoute(x);
        return true;
    default:
        if (EstLettreChoix(c)) {
            lue_.Signature += 'D';
            reste.remove_prefix(1);
            lue_.Choix.Ajoute(c);
            return true;
        }
        lue_.Signature += 'N';
        if (!LitNombre(i, reste, x)) return false;
        lue_.Nombres.Ajoute(x);
        return true;
    }
}

const std::string& Interprete::LitInstruction(int i, std::string_view ligne) {
    lue_.Vide();
    ErreurLigne = false;
    std::string_view reste = ligne;
    if (reste.empty()) {
        SignaleErreur(i, DefinitionInconnue);
        return lue_.Signature;
    }

    // The defined element.
    const char genre = reste.front();
    uint16_t n = 0;
    switch (genre) {
    case 'P':
    case 'L':
    case 'C':
        lue_.Signature += genre;
        if (!LitIndice(i, reste, n)) return lue_.Signature;
        if (genre == 'P' && tables_.PointExiste(n))
            SignaleErreur(i, PointDejaDefini, TexteIndice(n));
        else if (genre == 'L' && tables_.LigneExiste(n))
            SignaleErreur(i, LigneDejaDefinie, TexteIndice(n));
        else if (genre == 'C' && tables_.CercleExiste(n))
            SignaleErreur(i, CercleDejaDefini, TexteIndice(n));
        if (ErreurLigne) return lue_.Signature;
        (genre == 'P' ? lue_.IndicesP : genre == 'L' ? lue_.IndicesL : lue_.IndicesC).Ajoute(n);
        break;
    case 'V':
        lue_.Signature += 'V';
        if (!LitIndice(i, reste, n)) return lue_.Signature;
        lue_.IndicesV.Ajoute(n);
        break;
    case 'F': {
        if (DansForme) {
            SignaleErreur(i, FormeEnCours);
            return lue_.Signature;
        }
        lue_.Signature += 'F';
        const bool lu = LitIndice(i, reste, n);
        DansForme = true; // the form is open even when its number could not be read
        if (!lu) return lue_.Signature;
        lue_.IndicesF.Ajoute(n);
        break;
    }
    default:
        SignaleErreur(i, DefinitionInconnue);
        return lue_.Signature;
    }

    if (reste.substr(0, 2) != ":=") {
        SignaleErreur(i, ManqueAffectation);
        return lue_.Signature;
    }
    reste.remove_prefix(2);

    while (!reste.empty()) {
        if (!LitArgument(i, reste)) return lue_.Signature;
        if (!reste.empty()) {
            if (reste.front() != ',') {
                SignaleErreur(i, ManqueVirgule);
                return lue_.Signature;
            }
            reste.remove_prefix(1);
        }
    }
    return lue_.Signature;
}

} // namespace velk
