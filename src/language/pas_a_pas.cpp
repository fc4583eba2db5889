// The step-by-step run over the interpreter's shared run pieces, and the status text of
// each step.
#include "language/pas_a_pas.h"

#include "language/interprete.h"
#include "store/module_donnee.h"

namespace velk {

namespace {

// The element the statement just read built or opened, from its own index.
std::string ElementLu(const Instruction& lue) {
    if (lue.Signature.empty()) return {};
    const char genre = lue.Signature[0];
    const ListeArguments<uint16_t>* indices = nullptr;
    switch (genre) {
    case 'P': indices = &lue.IndicesP; break;
    case 'L': indices = &lue.IndicesL; break;
    case 'C': indices = &lue.IndicesC; break;
    case 'V': indices = &lue.IndicesV; break;
    case 'F': indices = &lue.IndicesF; break;
    default: return {};
    }
    if (indices->Taille() == 0) return {};
    return genre + std::to_string((*indices)[0]);
}

// The text of a message item "(12) Point P7 non défini": what follows the line number.
std::string TexteDeLItem(const std::string& item) {
    const size_t fin = item.find(')');
    return fin == std::string::npos ? item : item.substr(fin + 1);
}

} // namespace

std::string TexteResultatPas(const ResultatPas& r) {
    if (r.Fin) {
        if (r.NombreMessages == 0) return "Fin du programme";
        return "Fin du programme : " + std::to_string(r.NombreMessages) +
               (r.NombreMessages == 1 ? " message" : " messages");
    }
    std::string texte = "Ligne " + std::to_string(r.Ligne + 1) + " :";
    if (!r.Message.empty()) return texte + r.Message;
    if (r.Element.empty()) return texte + " exécutée";
    switch (r.Element[0]) {
    case 'L': return texte + " " + r.Element + " construite";
    case 'V': return texte + " " + r.Element + " définie";
    case 'F': return texte + " forme " + r.Element + " ouverte";
    default: return texte + " " + r.Element + " construit";
    }
}

void ExecutionPasAPas::Commence() {
    interprete_.CommenceExecution();
    enCours_ = true;
    suivante_ = Interprete::PremiereLigneExecutee;
}

ResultatPas ExecutionPasAPas::Pas(const ListeLignes& lignes) {
    if (!enCours_) Commence();
    ResultatPas r;
    ListeMessages& messages = interprete_.Messages();
    interprete_.Tables().TablesLectureSeule(false);
    const int nombre = lignes.NombreLignes();
    while (suivante_ < nombre) {
        const int i = suivante_++;
        const int messagesAvant = messages.NombreMessages();
        const uint64_t realisationsAvant = interprete_.Realisations();
        const std::optional<ClasseLigne> classe = interprete_.ExecuteLigneTexte(i, lignes.Ligne(i));
        if (classe != ClasseLigne::Instruction && classe != ClasseLigne::ErreurSyntaxe) continue;
        r.Ligne = i;
        if (messages.NombreMessages() > messagesAvant)
            r.Message = TexteDeLItem(messages.Message(messages.NombreMessages() - 1));
        else if (interprete_.Realisations() != realisationsAvant ||
                 interprete_.Lue().Signature.rfind('F', 0) == 0)
            r.Element = ElementLu(interprete_.Lue());
        interprete_.Tables().TablesLectureSeule(true);
        return r;
    }
    enCours_ = false;
    r.Fin = true;
    r.NombreMessages = interprete_.TermineExecution();
    return r;
}

int ExecutionPasAPas::Termine(const ListeLignes& lignes) {
    if (!enCours_) Commence();
    // Off before anything may throw: a failed end leaves step mode as a failed run would.
    enCours_ = false;
    struct Occupation {
        IndicateurOccupe& occupe;
        explicit Occupation(IndicateurOccupe& o) : occupe(o) { occupe.Debut(); }
        ~Occupation() { occupe.Fin(); }
    } occupation(interprete_.Occupe());
    interprete_.Tables().TablesLectureSeule(false);
    const int nombre = lignes.NombreLignes();
    for (int i = suivante_; i < nombre; ++i) interprete_.ExecuteLigneTexte(i, lignes.Ligne(i));
    return interprete_.TermineExecution();
}

} // namespace velk
