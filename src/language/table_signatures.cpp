// The statement-form table. Each row calls one solver with the arguments in the order
// they stand in the statement; the colour and layer (the last two numbers) are left to
// the storing step.
#include "language/table_signatures.h"

#include "geometry/solvers.h"

#include <cstdint>
#include <cstring>

namespace velk {

namespace {

using E = EntreesConstruction;
using R = ResultatConstruction;

constexpr const char* Position = "BDGH";

// Row macros keep each row on one line next to its signature.
#define POINT(expr) [](const E& e, R& r) { r.Point = expr; }
#define LIGNE(expr) [](const E& e, R& r) { r.Ligne = expr; }
#define CERCLE(expr) [](const E& e, R& r) { r.Cercle = expr; }
#define S r.SansSolution

const FormeInstruction Formes[] = {
    {"PNNNN", {}, POINT(PointCoordonnees(e.N[0], e.N[1], S))},
    {"PNANN", {}, POINT(PointPolaire(e.N[0], e.N[1], S))},
    {"PPNNNN", {}, POINT(PointDecale(e.P[0], e.N[0], e.N[1], S))},
    {"PPNANN", {}, POINT(PointPolaireRelatif(e.P[0], e.N[0], e.N[1], S))},
    {"PCNN", {}, POINT(PointCentre(e.C[0], S))},
    {"PPPANN", {}, POINT(PointRotation(e.P[0], e.P[1], e.N[0], S))},
    {"PPPNN", {}, POINT(PointSymetriquePoint(e.P[0], e.P[1], S))},
    {"PPLNN", {}, POINT(PointSymetriqueLigne(e.P[0], e.L[0], S))},
    {"PLLNN", {}, POINT(PointInterLignes(e.L[0], e.L[1], S))},
    {"PLCDNN", {Position}, POINT(PointInterLigneCercle(e.L[0], e.C[0], e.D[0], S))},
    {"PCCDNN", {Position}, POINT(PointInterCercles(e.C[0], e.C[1], e.D[0], S))},
    {"PPPDNN", {"M"}, POINT(PointMilieu(e.P[0], e.P[1], S))},
    {"LNNANN", {}, LIGNE(LigneCoordonnees(e.N[0], e.N[1], e.N[2], S))},
    {"LPANN", {}, LIGNE(LignePointAngle(e.P[0], e.N[0], S))},
    {"LPPNN", {}, LIGNE(LigneDeuxPoints(e.P[0], e.P[1], S))},
    {"LPLNN", {}, LIGNE(LigneParallelePoint(e.P[0], e.L[0], S))},
    {"LPLDNN", {"O"}, LIGNE(LignePerpendiculairePoint(e.P[0], e.L[0], S))},
    {"LPCDNN", {Position}, LIGNE(LigneTangentePoint(e.P[0], e.C[0], e.D[0], S))},
    {"LNDNN", {"XY"}, LIGNE(LigneAxe(e.N[0], e.D[0], S))},
    {"LLNDNN", {Position}, LIGNE(LigneParalleleDistance(e.L[0], e.N[0], e.D[0], S))},
    {"LLCDNN", {Position}, LIGNE(LigneParalleleTangente(e.L[0], e.C[0], e.D[0], S))},
    {"LLCDDNN", {"O", Position}, LIGNE(LignePerpendiculaireTangente(e.L[0], e.C[0], e.D[1], S))},
    {"LCCDDNN", {Position, Position},
     LIGNE(LigneTangenteCercles(e.C[0], e.C[1], e.D[0], e.D[1], S))},
    {"LCADNN", {Position}, LIGNE(LigneTangenteAngle(e.C[0], e.N[0], e.D[0], S))},
    {"LLPNN", {}, LIGNE(LigneSymetriquePoint(e.L[0], e.P[0], S))},
    {"LLLNN", {}, LIGNE(LigneSymetriqueLigne(e.L[0], e.L[1], S))},
    {"LLPANN", {}, LIGNE(LigneRotation(e.L[0], e.P[0], e.N[0], S))},
    {"LLLDNN", {"M"}, LIGNE(LigneBissectrice(e.L[0], e.L[1], S))},
    {"CNNNNN", {}, CERCLE(CercleCoordonnees(e.N[0], e.N[1], e.N[2], S))},
    {"CPNNN", {}, CERCLE(CerclePointRayon(e.P[0], e.N[0], S))},
    {"CPPNN", {}, CERCLE(CerclePointPoint(e.P[0], e.P[1], S))},
    {"CPLNN", {}, CERCLE(CercleCentreTangentLigne(e.P[0], e.L[0], S))},
    {"CPCDNN", {"GI"}, CERCLE(CercleCentreTangentCercle(e.P[0], e.C[0], e.D[0], S))},
    {"CCNNNN", {}, CERCLE(CercleDecale(e.C[0], e.N[0], e.N[1], S))},
    {"CCNANN", {}, CERCLE(CerclePolaire(e.C[0], e.N[0], e.N[1], S))},
    {"CPPNDNN", {Position}, CERCLE(CercleDeuxPointsRayon(e.P[0], e.P[1], e.N[0], e.D[0], S))},
    {"CPLNDNN", {Position}, CERCLE(CerclePointLigneRayon(e.P[0], e.L[0], e.N[0], e.D[0], S))},
    {"CPCNDDNN", {"EI", Position},
     CERCLE(CerclePointCercleRayon(e.P[0], e.C[0], e.N[0], e.D[0], e.D[1], S))},
    {"CLLNDDNN", {Position, Position},
     CERCLE(CercleDeuxLignesRayon(e.L[0], e.L[1], e.N[0], e.D[0], e.D[1], S))},
    {"CLCNDDDNN", {Position, "EI", Position},
     CERCLE(CercleLigneCercleRayon(e.L[0], e.C[0], e.N[0], e.D[0], e.D[1], e.D[2], S))},
    {"CCCNDDDNN", {"EI", "EI", Position},
     CERCLE(CercleDeuxCerclesRayon(e.C[0], e.C[1], e.N[0], e.D[0], e.D[1], e.D[2], S))},
    {"CCNNN", {}, CERCLE(CercleConcentrique(e.C[0], e.N[0], S))},
    {"CCNDNN", {"GI"}, CERCLE(CercleConcentriqueDecale(e.C[0], e.N[0], e.D[0], S))},
    {"CPPPNN", {}, CERCLE(CercleTroisPoints(e.P[0], e.P[1], e.P[2], S))},
    {"CCPANN", {}, CERCLE(CercleRotation(e.C[0], e.P[0], e.N[0], S))},
    {"CCPNN", {}, CERCLE(CercleSymetriquePoint(e.C[0], e.P[0], S))},
    {"CCLNN", {}, CERCLE(CercleSymetriqueLigne(e.C[0], e.L[0], S))},
    {"VN", {}, nullptr},
    {"F", {}, nullptr},
};

#undef POINT
#undef LIGNE
#undef CERCLE
#undef S

constexpr int NombreFormes = static_cast<int>(sizeof(Formes) / sizeof(Formes[0]));
static_assert(NombreFormes == 49, "one row per statement form");

} // namespace

const FormeInstruction* FormesInstruction() { return Formes; }
int NombreFormesInstruction() { return NombreFormes; }

namespace {

// A signature packed into an integer, three bits per letter behind a leading 1 (so that
// lengths differ too); 0 for a text that no row can have.
struct CodesLettres {
    uint8_t code[256];
    CodesLettres() {
        std::memset(code, 0xFF, sizeof code);
        const char lettres[] = "PLCVFNAD";
        for (uint8_t k = 0; k < 8; ++k) code[static_cast<unsigned char>(lettres[k])] = k;
    }
};

uint32_t CodeSignature(std::string_view signature) {
    static const CodesLettres lettres;
    if (signature.empty() || signature.size() > 10) return 0;
    uint32_t code = 1;
    for (char c : signature) {
        const uint8_t lettre = lettres.code[static_cast<unsigned char>(c)];
        if (lettre == 0xFF) return 0;
        code = code << 3 | lettre;
    }
    return code;
}

// Open addressing over 128 slots for the 49 codes: one or two probes per statement.
class IndexFormes {
public:
    IndexFormes() {
        for (const FormeInstruction& forme : Formes) {
            const uint32_t code = CodeSignature(forme.Signature);
            size_t k = Case(code);
            while (formes_[k] != nullptr) k = (k + 1) % Taille;
            codes_[k] = code;
            formes_[k] = &forme;
        }
    }
    const FormeInstruction* Cherche(uint32_t code) const {
        if (code == 0) return nullptr;
        for (size_t k = Case(code); formes_[k] != nullptr; k = (k + 1) % Taille)
            if (codes_[k] == code) return formes_[k];
        return nullptr;
    }

private:
    static constexpr size_t Taille = 128;
    static size_t Case(uint32_t code) { return (code * 2654435761u) >> 25; }
    uint32_t codes_[Taille] = {};
    const FormeInstruction* formes_[Taille] = {};
};

} // namespace

const FormeInstruction* ChercheForme(std::string_view signature) {
    static const IndexFormes index;
    return index.Cherche(CodeSignature(signature));
}

bool LettresAcceptees(const FormeInstruction& forme, const char* choix, int nombre) {
    for (int k = 0; k < nombre; ++k) {
        if (k >= 3 || forme.Lettres[k] == nullptr || choix[k] == '\0' ||
            std::strchr(forme.Lettres[k], choix[k]) == nullptr)
            return false;
    }
    return true;
}

} // namespace velk
