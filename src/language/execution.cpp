// The run of a whole program, the execution of one line or one statement, the storing of
// what a statement builds, and the reporting of faults.
#include "geometry/conventions.h"
#include "language/encodage.h"
#include "language/interprete.h"
#include "language/messages.h"
#include "language/table_signatures.h"
#include "store/module_donnee.h"

#include <cmath>

namespace velk {

namespace {

// Ends the busy indicator however the run ends (a table file that cannot be written
// throws from the last step).
class PeriodeOccupee {
public:
    explicit PeriodeOccupee(IndicateurOccupe& occupe) : occupe_(occupe) { occupe_.Debut(); }
    ~PeriodeOccupee() { occupe_.Fin(); }
    PeriodeOccupee(const PeriodeOccupee&) = delete;
    PeriodeOccupee& operator=(const PeriodeOccupee&) = delete;

private:
    IndicateurOccupe& occupe_;
};

const std::string& LigneDe(const std::vector<std::string>& lignes, int i) {
    return lignes[static_cast<size_t>(i)];
}
std::string_view LigneDe(const std::vector<std::string_view>& lignes, int i) {
    return lignes[static_cast<size_t>(i)];
}
std::string_view LigneDe(const VuesLignes& lignes, int i) {
    return lignes[static_cast<size_t>(i)];
}
std::string LigneDe(const ListeLignes& lignes, int i) { return lignes.Ligne(i); }
std::string_view LigneDe(LignesEnFlux& lignes, int i) { return lignes.Ligne(i); }

} // namespace

Interprete::Interprete(TModuleDonnee& tables, ListeMessages& messages, SurfaceDessin& dessin,
                       IndicateurOccupe& occupe)
    : tables_(tables), messages_(messages), dessin_(dessin), occupe_(occupe) {
    lue_.Signature.reserve(32);
    reduite_.reserve(256);
}

void Interprete::SignaleErreur(int i, int code, std::string_view indice) {
    messages_.AjouteMessageCode(i + 1, code, indice);
    ErreurLigne = true;
}

// The full run and the step-by-step run share the start, the line execution and the end,
// so that they cannot give different tables or messages.
template <typename Lignes> int Interprete::Execute(Lignes& lignes, int nombre) {
    PeriodeOccupee occupe(occupe_);
    CommenceExecution();
    for (int i = PremiereLigneExecutee; i < nombre; ++i) ExecuteLigneTexte(i, LigneDe(lignes, i));
    return TermineExecution();
}

void Interprete::CommenceExecution() {
    messages_.EffaceMessages();
    tables_.VideTables();
    tables_.TablesLectureSeule(false);
    DansCommentaire = false;
    DansForme = false;
    ErreurLigne = false;
    dessin_.EffaceDessin();
}

int Interprete::TermineExecution() {
    tables_.TablesLectureSeule(true);
    return messages_.NombreMessages();
}

std::optional<ClasseLigne> Interprete::ExecuteLigneTexte(int i, std::string_view texte) {
    EnleveBlancs(texte, reduite_);
    if (reduite_.empty()) return std::nullopt;
    return ExecuteLigne(i, reduite_);
}

int Interprete::ExecuteProgramme(const ListeLignes& lignes) {
    return Execute(lignes, lignes.NombreLignes());
}

int Interprete::ExecuteProgramme(const std::vector<std::string>& lignes) {
    return Execute(lignes, static_cast<int>(lignes.size()));
}

int Interprete::ExecuteProgramme(const std::vector<std::string_view>& lignes) {
    return Execute(lignes, static_cast<int>(lignes.size()));
}

int Interprete::ExecuteProgramme(const VuesLignes& lignes) {
    return Execute(lignes, static_cast<int>(lignes.size()));
}

int Interprete::ExecuteProgramme(LignesEnFlux& lignes) {
    return Execute(lignes, lignes.NombreLignes());
}

ClasseLigne Interprete::ExecuteLigne(int i, std::string_view ligne) {
    const ClasseLigne classe = TypeLigne(ligne);
    switch (classe) {
    case ClasseLigne::ErreurSyntaxe:
        SignaleErreur(i, ErreurSyntaxe);
        break;
    case ClasseLigne::Instruction: {
        const std::string& signature = LitInstruction(i, ligne);
        if (!ErreurLigne) ConstruitElement(i, signature);
        break;
    }
    case ClasseLigne::CorpsForme:
    case ClasseLigne::Commentaire:
        break;
    }
    return classe;
}

bool Interprete::ExecuteInstruction(std::string_view texte) {
    instructionReussie_ = false;
    ErreurLigne = false;
    const uint64_t avant = realisees_;
    tables_.TablesLectureSeule(false);
    // Reduced into its own buffer: interactive use is rare and the run's buffer stays as is.
    const std::string reduite = EnleveBlancs(texte);
    if (!reduite.empty()) ExecuteLigne(0, reduite);
    instructionReussie_ = !ErreurLigne && realisees_ != avant;
    tables_.TablesLectureSeule(true);
    return instructionReussie_;
}

void Interprete::ConstruitElement(int i, const std::string& signature) {
    const FormeInstruction* forme = ChercheForme(signature);
    if (forme == nullptr || lue_.Deborde() ||
        !LettresAcceptees(*forme, lue_.Choix.Donnees(), lue_.Choix.Taille())) {
        SignaleErreur(i, DefinitionNonDefinie);
        return;
    }
    const char genre = signature[0];
    const int nombres = lue_.Nombres.Taille();

    if (genre == 'V') {
        const Reel valeur = lue_.Nombres[0];
        // The table holds 64-bit reals: a value that does not fit there is refused rather
        // than stored as an infinity.
        if (!std::isfinite(static_cast<double>(valeur))) {
            SignaleErreur(i, PasDeSolution);
            return;
        }
        tables_.EcritVariable(lue_.IndicesV[0], valeur);
        ++realisees_;
        return;
    }
    // A form statement stores nothing (reading it opened the form): executed alone, it
    // does not count as done.
    if (genre == 'F') return;

    // Arguments: the defined element's own index comes first in its kind's list.
    EntreesConstruction& e = entrees_;
    const int decaleP = genre == 'P' ? 1 : 0;
    const int decaleL = genre == 'L' ? 1 : 0;
    const int decaleC = genre == 'C' ? 1 : 0;
    for (int k = decaleP; k < lue_.IndicesP.Taille() && k - decaleP < 3; ++k)
        tables_.LitPoint(lue_.IndicesP[k], e.P[k - decaleP]);
    for (int k = decaleL; k < lue_.IndicesL.Taille() && k - decaleL < 2; ++k)
        tables_.LitLigne(lue_.IndicesL[k], e.L[k - decaleL]);
    for (int k = decaleC; k < lue_.IndicesC.Taille() && k - decaleC < 2; ++k)
        tables_.LitCercle(lue_.IndicesC[k], e.C[k - decaleC]);
    e.N = lue_.Nombres.Donnees();
    e.D = lue_.Choix.Donnees();

    ResultatConstruction& r = resultat_;
    r.SansSolution = false;
    forme->Construit(e, r);
    const Reel couleur = lue_.Nombres[nombres - 2];
    const Reel couche = lue_.Nombres[nombres - 1];
    // A degenerate input the construction does not foresee (0/0, the root of a negative
    // number, an overflow) leaves non-finite numbers: treated as no solution.
    switch (genre) {
    case 'P':
        if (r.SansSolution || !EstFini(r.Point)) break;
        RangePoint(lue_.IndicesP[0], r.Point, couleur, couche);
        ++realisees_;
        return;
    case 'L':
        if (r.SansSolution || !EstFini(r.Ligne)) break;
        RangeLigne(lue_.IndicesL[0], r.Ligne, couleur, couche);
        ++realisees_;
        return;
    default:
        if (r.SansSolution || !EstFini(r.Cercle)) break;
        RangeCercle(lue_.IndicesC[0], r.Cercle, couleur, couche);
        ++realisees_;
        return;
    }
    SignaleErreur(i, PasDeSolution);
}

void Interprete::RangePoint(uint16_t n, TRecPoint p, Reel couleur, Reel couche) {
    p.Numero = n;
    p.Couleur = ArrondiEntier(couleur);
    p.Couche = ArrondiEntier(couche);
    tables_.EcritPoint(n, p);
    dessin_.DessinePoint(p);
}

void Interprete::RangeLigne(uint16_t n, TRecLigne l, Reel couleur, Reel couche) {
    l.Numero = n;
    l.Couleur = ArrondiEntier(couleur);
    l.Couche = ArrondiEntier(couche);
    tables_.EcritLigne(n, l);
    dessin_.DessineLigne(l);
}

void Interprete::RangeCercle(uint16_t n, TRecCercle c, Reel couleur, Reel couche) {
    c.Numero = n;
    c.Couleur = ArrondiEntier(couleur);
    c.Couche = ArrondiEntier(couche);
    tables_.EcritCercle(n, c);
    dessin_.DessineCercle(c);
}

} // namespace velk
