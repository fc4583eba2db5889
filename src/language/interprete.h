// The interpreter: reads statement lines, matches them with the statement forms, stores and
// draws what they build, and reports every fault to the message list. One object holds the
// whole reading state; the window (or the command-line runner) creates it once.
#pragma once

#include "language/fichier_programme.h"
#include "language/instruction.h"
#include "language/interfaces.h"
#include "language/table_signatures.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

class TModuleDonnee;

enum class ClasseLigne { Commentaire, Instruction, CorpsForme, ErreurSyntaxe };

class Interprete {
public:
    Interprete(TModuleDonnee& tables, ListeMessages& messages, SurfaceDessin& dessin,
               IndicateurOccupe& occupe);

    // ---- The run ----
    // Runs the text from its fourth line: empties the messages, the tables and the drawing,
    // executes every line, leaves the tables read-only. Returns the number of messages.
    // Throws ErreurStockage when the table files cannot be written.
    int ExecuteProgramme(const ListeLignes& lignes);
    int ExecuteProgramme(const std::vector<std::string>& lignes);
    int ExecuteProgramme(const std::vector<std::string_view>& lignes);
    int ExecuteProgramme(const VuesLignes& lignes); // a loaded program file
    int ExecuteProgramme(LignesEnFlux& lignes);     // a program file decoded as it runs
    // Executes one reduced, non-empty line numbered i (from 0); returns its class.
    ClasseLigne ExecuteLigne(int i, std::string_view ligne);

    // ---- The run in pieces (the step-by-step run uses them one by one) ----
    // The first line a run executes: the three header lines come before it.
    static constexpr int PremiereLigneExecutee = 3;
    // Empties the messages, the tables and the drawing, makes the tables writable and
    // clears the reading state.
    void CommenceExecution();
    // Reduces and executes line i of the text; nothing for a line that reduces to nothing.
    std::optional<ClasseLigne> ExecuteLigneTexte(int i, std::string_view texte);
    // Makes the tables read-only (written to their files); returns the number of messages.
    int TermineExecution();
    // Statements that stored an element so far: a change tells that a line built one.
    uint64_t Realisations() const { return realisees_; }
    ListeMessages& Messages() { return messages_; }
    TModuleDonnee& Tables() { return tables_; }
    IndicateurOccupe& Occupe() { return occupe_; }
    // Executes one statement outside a run (messages numbered 1). True only when it raised
    // no error and stored an element (a form statement stores none). Throws ErreurStockage
    // when the table files cannot be written; the element is in the tables all the same,
    // and InstructionReussie() then tells whether there is one.
    bool ExecuteInstruction(std::string_view texte);
    bool InstructionReussie() const { return instructionReussie_; }
    // Appends "(i+1)" + the message text to the list and sets ErreurLigne.
    void SignaleErreur(int i, int code, std::string_view indice = {});

    // ---- The reader ----
    // Classifies one reduced line; may cut a trailing comment off it. Updates
    // DansCommentaire and DansForme.
    ClasseLigne TypeLigne(std::string_view& ligne);
    // Reads one statement line into Lue(); returns its signature.
    const std::string& LitInstruction(int i, std::string_view ligne);
    // The index after a kind letter at the head of `reste`, consumed with the letter.
    bool LitIndice(int i, std::string_view& reste, uint16_t& indice);
    // The number at the head of `reste`, consumed.
    bool LitNombre(int i, std::string_view& reste, Reel& nombre);
    const Instruction& Lue() const { return lue_; }

    // ---- Statement forms ----
    // Carries out the statement just read (signature and lists of Lue()).
    void ConstruitElement(int i, const std::string& signature);
    void RangePoint(uint16_t n, TRecPoint p, Reel couleur, Reel couche);
    void RangeLigne(uint16_t n, TRecLigne l, Reel couleur, Reel couche);
    void RangeCercle(uint16_t n, TRecCercle c, Reel couleur, Reel couche);

    // Reading state, carried from line to line within a run and on to single statements.
    bool DansCommentaire = false;
    bool DansForme = false;
    bool ErreurLigne = false;

private:
    template <typename Lignes> int Execute(Lignes& lignes, int nombre);
    bool LitArgument(int i, std::string_view& reste);

    TModuleDonnee& tables_;
    ListeMessages& messages_;
    SurfaceDessin& dessin_;
    IndicateurOccupe& occupe_;
    Instruction lue_;
    // Reused from statement to statement: only the records a row reads are refilled.
    EntreesConstruction entrees_;
    ResultatConstruction resultat_;
    std::string reduite_; // reused buffer of the reduced line
    uint64_t realisees_ = 0; // statements that stored an element
    bool instructionReussie_ = false; // the last ExecuteInstruction stored an element
};

} // namespace velk
