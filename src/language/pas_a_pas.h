// The step-by-step run: the run of ExecuteProgramme cut after each statement line, so that
// the user sees what every line builds. It drives the interpreter through the same start,
// line execution and end as a full run: stepping to the end or finishing at once leaves
// the same tables, drawing and messages as a full run of the same text.
#pragma once

#include "language/interfaces.h"

#include <string>

namespace velk {

class Interprete;

// What one step did.
struct ResultatPas {
    // No statement line was left: the run has ended (tables read-only, messages complete).
    bool Fin = false;
    // The text line executed (from 0); -1 at the end.
    int Ligne = -1;
    // The element the line built ("P3", "L0", "C2", "V1") or the form it opened ("F1");
    // empty when it built nothing.
    std::string Element;
    // The text of the message the line raised (with its leading blank), or empty.
    std::string Message;
    // At the end: the number of messages of the whole run.
    int NombreMessages = 0;
};

// The status-bar text of a step: "Ligne 12 : P3 construit", "Ligne 13 : Point P7 non
// défini", "Fin du programme" (with the number of messages when there are some).
std::string TexteResultatPas(const ResultatPas& resultat);

class ExecutionPasAPas {
public:
    explicit ExecutionPasAPas(Interprete& interprete) : interprete_(interprete) {}

    bool EnCours() const { return enCours_; }

    // One step. The first one starts a run (messages, tables and drawing emptied). Each step
    // executes the text's lines up to and including the next statement line (a statement or
    // a faulty line); comment and form body lines on the way are executed without stopping,
    // as they change the reading state. The tables are writable during the step only. When
    // no statement line is left, the run ends and the result says so.
    ResultatPas Pas(const ListeLignes& lignes);

    // Executes every line left and ends the run (starts one first when none is under
    // way); returns the number of messages.
    int Termine(const ListeLignes& lignes);

    // Leaves step mode where it stands: the tables keep what the steps built, read-only.
    void Abandonne() { enCours_ = false; }

private:
    void Commence();

    Interprete& interprete_;
    bool enCours_ = false;
    int suivante_ = 0; // the next text line to execute
};

} // namespace velk
