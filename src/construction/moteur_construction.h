// The click-sequence engine of the graphic tab: mouse modes and tools, the
// statement built click by click, the prompts, the keys, and the completion step shared by
// every tool. Headless: it talks to its window only through HoteConstruction and Dialogues.
//
// Each tool is a transition table keyed by the tool, the signature reached so far and what
// the pick found; the rows live in outils_*.cpp.
#pragma once

#include "construction/dialogues.h"
#include "construction/hote_construction.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace velk {

// The tools, by their number in `Outil`.
enum NumeroOutil : int {
    OutilAucun = 0,
    OutilPoint = 1,
    OutilInter = 2,
    OutilLigne = 3,
    OutilSegment = 4,
    OutilCercle = 5,
    OutilArc = 6,
    OutilArc3 = 7,
    OutilRotation = 8,
    OutilSymetrie = 9,
    OutilTexte = 10,
    OutilCoteH = 11,
    OutilCoteV = 12,
    OutilCoteRef = 13,
    OutilCoteSuiv = 14
};

// The prompt texts, by number (0 to 29). Empty outside the table.
QString TexteInvite(int numero);
constexpr int NombreInvites = 30;
// Shown when a tool cannot be armed because every number of its kind is taken.
QString TextePlusDeNumero();

// The 56 complete signatures that TermineConstruction completes.
bool SignatureComplete(const QString& signature);

// Panel 0: "X : " x "  Y : " y, each the nearest whole number with the system's thousands
// separator ("##########,0").
QString TexteCoordonnees(Reel x, Reel y);

class MoteurConstruction {
public:
    MoteurConstruction(HoteConstruction& hote, Dialogues& dialogues);

    // ---- State ----
    ModeSouris Mode() const { return modeSouris_; }
    int Outil() const { return outil_; }
    bool GlisserEnCours() const { return glisserEnCours_; }
    QPoint Coin1() const { return coin1_; }
    QPoint Coin2() const { return coin2_; }
    const QString& InstructionEnCours() const { return instruction_; }
    const QString& SignatureEnCours() const { return signature_; }
    const QString& SignatureSymetrie() const { return signatureSymetrie_; }
    int CouleurCourante() const { return couleurCourante_; }
    int CoucheCourante() const { return coucheCourante_; }
    void SetCouleurCourante(int couleur) { couleurCourante_ = couleur; }
    void SetCoucheCourante(int couche) { coucheCourante_ = couche; }
    // The number of the prompt shown last, -1 for a text outside the table.
    int InviteCourante() const { return invite_; }

    // Working records of the sequences.
    const TRecLigne& LigneSauvee() const { return ligne_; }
    const TRecLigne& Ligne2Sauvee() const { return ligne2_; }
    const TRecCercle& Cercle1Sauve() const { return cercle1_; }
    const TRecCercle& Cercle2Sauve() const { return cercle2_; }
    const TRecPoint& PointTravail(int k) const { return points_[k < 1 ? 0 : k > 3 ? 2 : k - 1]; }
    // The radius typed in the arc tool, read as a real.
    Reel RayonArc() const { return rayonArc_; }
    // Rotation and symmetry.
    int CentreRotation() const { return centreRotation_; }
    const QString& AngleRotation() const { return angleRotation_; }
    int CentreSymetrie() const { return centreSymetrie_; }
    int AxeSymetrie() const { return axeSymetrie_; }

    // ---- Operations ----
    // Shows prompt k of the table.
    void AfficheInvite(int k);
    // Cancels everything: modes, tool, sequence, prompt.
    void InitAppli();
    // Resets the click sequence for the current tool.
    void ArmeOutil();
    // Completes, executes and appends the statement once the signature is complete.
    void TermineConstruction();

    // ---- Buttons ----
    // A tool button (1 to 14) was clicked and is now down or up.
    void BtnOutilClick(int outil, bool enfonce);
    // A mode button (eraser, zoom, canonical form...) was clicked and is now down or up.
    void BtnModeClick(ModeSouris mode, bool enfonce);
    // Enters or leaves a mode from elsewhere (the print command enters mode 5).
    void SetModeSouris(ModeSouris mode);

    // ---- Mouse on Dessin, in pixels (algorithms 4 to 6) ----
    void DessinMouseDown(int colonne, int ligne);
    void DessinMouseMove(int colonne, int ligne);
    void DessinMouseUp(int colonne, int ligne);

    // ---- Keys; ongletGraphique: the graphic tab is the active page ----
    // True when the key was Escape on the graphic tab (InitAppli ran).
    bool FormKeyDown(int touche, bool ongletGraphique);
    // True when the character went to a tool's typed-value handler.
    bool FormKeyPress(QChar caractere, bool ongletGraphique);

    // The transition tables (outils_*.cpp); public so that tests can walk them.
    struct Clic;
    struct FiltrePrise;
    struct Transition;
    struct Frappe;
    static const Transition* Transitions(std::size_t& nombre);
    static const Frappe* Frappes(std::size_t& nombre);
    static const Transition* TransitionsCercles(std::size_t& nombre);
    static const Transition* TransitionsArc(std::size_t& nombre);
    static const Transition* TransitionsRotationSymetrie(std::size_t& nombre);
    static const Frappe* FrappesCercles(std::size_t& nombre);
    // The click table, and the typed-value table, that serve a tool.
    static const Transition* TransitionsOutil(int outil, std::size_t& nombre);
    static const Frappe* FrappesOutil(int outil, std::size_t& nombre);

private:
    // One click of a tool through its table.
    void ClicOutil(int colonne, int ligne);
    // Canonical-form pick.
    void ClicFormeCanonique(int colonne, int ligne);
    void TermineCadre(int colonne, int ligne);
    static bool Accepte(const FiltrePrise& filtre, const TElementsProches& e);

    // ---- Building blocks of the tools ----
    void Ajoute(const QString& texte) { instruction_ += texte; }
    void AjouteElement(char genre, int numero);
    void SauveLigne(int numero);
    void SauveLigne2(int numero);
    void SauveCercle1(int numero);
    void SauveCercle2(int numero);
    char CoteDominantDe(const Clic& clic, Reel x, Reel y) const;
    TRecPoint PointClic(const Clic& clic) const;
    // The value dialog after showing its prompt; nothing when abandoned.
    std::optional<QString> Demande(int invite, const QString& libelle, int mode,
                                   QChar premier = QChar());

    // ---- Points ----
    bool PointPoint(const Clic& c);
    bool PointCentre(const Clic& c);
    bool PointMilieu(const Clic& c);
    bool PointSymetrique(const Clic& c);
    bool ValeurPointCotes(QChar premier);
    bool ValeurPointDecalage(QChar premier);
    bool InterLigne(const Clic& c);
    bool InterLigneCercle(const Clic& c);
    bool InterDeuxLignes(const Clic& c);
    bool InterCercle(const Clic& c);
    bool InterDeuxCercles(const Clic& c);
    bool InterSecondeLigne(const Clic& c);
    bool InterPuisCercle(const Clic& c);
    bool InterCerclePuisLigne(const Clic& c);
    bool InterCerclePuisCercle(const Clic& c);
    char LettreD2(const Clic& c) const;

    // ---- Lines ----
    bool LignePoint(const Clic& c);
    bool LigneLigne(const Clic& c);
    bool LigneCercleAngle(const Clic& c);
    bool LigneParallele(const Clic& c);
    bool LigneLigneCercle(const Clic& c);
    bool LigneEcartCote(const Clic& c);
    bool ValeurLigneCotes(QChar premier);
    bool ValeurLigneAngle(QChar premier);
    bool ValeurLigneEcart(QChar premier);
    bool SegmentPoint(const Clic& c);
    bool SegmentLigne(const Clic& c);
    bool SegmentCercle(const Clic& c);
    bool SegmentDeuxPoints(const Clic& c);
    bool SegmentPerpendiculaire(const Clic& c);
    bool SegmentTangente(const Clic& c);
    bool SegmentBissectrice(const Clic& c);
    bool SegmentPerpendiculaireTangente(const Clic& c);
    bool SegmentDeuxCercles(const Clic& c);

    // ---- Circles (outils_cercles.cpp) ----
    void SauvePoint(int k, int numero);
    std::optional<QString> DemandeRayon(QChar premier = QChar());
    bool CerclePoint(const Clic& c);
    bool CercleDepuisCercle(const Clic& c);
    bool CerclePointPoint(const Clic& c);
    bool CerclePointLigne(const Clic& c);
    bool CerclePointCercle(const Clic& c);
    bool ValeurCercleCotes(QChar premier);
    bool ValeurCercleRayon(QChar premier);
    bool Arc3Point(const Clic& c);
    bool Arc3DernierPoint(const Clic& c);

    // ---- Arcs of given radius (outils_arc.cpp) ----
    bool DemandeRayonArc();
    bool ArcPoint(const Clic& c);
    bool ArcLigne(const Clic& c);
    bool ArcCercle(const Clic& c);
    bool ArcPointPoint(const Clic& c);
    bool ArcPointLigne(const Clic& c);
    bool ArcPointCercle(const Clic& c);
    bool ArcLigneLigne(const Clic& c);
    bool ArcLigneCercle(const Clic& c);
    bool ArcCercleCercle(const Clic& c);
    bool PositionPointPoint(const Clic& c);
    bool PositionPointLigne(const Clic& c);
    bool PositionPointCercle(const Clic& c);
    bool PositionLigneLigne(const Clic& c);
    bool PositionLigneCercle(const Clic& c);
    bool PositionCercleCercle(const Clic& c);

    // ---- Rotation and symmetry (outils_rotation_symetrie.cpp) ----
    bool Copie(char genre, int numero, const QString& transformation, const char* signature);
    bool RotationCentre(const Clic& c);
    bool RotationPoint(const Clic& c);
    bool RotationLigne(const Clic& c);
    bool RotationCercle(const Clic& c);
    bool SymetrieCentre(const Clic& c);
    bool SymetrieAxe(const Clic& c);
    bool SymetriePoint(const Clic& c);
    bool SymetrieLigne(const Clic& c);
    bool SymetrieCercle(const Clic& c);
    QString Transformation() const;

    HoteConstruction& hote_;
    Dialogues& dialogues_;

    ModeSouris modeSouris_ = ModeSouris::Aucun;
    int outil_ = OutilAucun;
    bool glisserEnCours_ = false;
    QPoint coin1_;
    QPoint coin2_;
    QString instruction_;
    QString signature_;
    QString signatureSymetrie_;
    int couleurCourante_ = 0;
    int coucheCourante_ = 0;
    int invite_ = 0;

    TRecLigne ligne_;
    TRecLigne ligne2_;
    TRecCercle cercle1_;
    TRecCercle cercle2_;
    TRecPoint points_[3];
    Reel rayonArc_ = 0;
    int centreRotation_ = 0;
    QString angleRotation_;
    int centreSymetrie_ = 0;
    int axeSymetrie_ = 0;
};

// A click as a tool step sees it: the pixel, and what the pick found there (empty for the
// steps that do not pick).
struct MoteurConstruction::Clic {
    int colonne = 0;
    int ligne = 0;
    TElementsProches e;
};

// What a pick must have found for a row to apply. -1 leaves a count free.
struct MoteurConstruction::FiltrePrise {
    int8_t point;      // -1 either, 0 no point, 1 a point
    int8_t lignesMin;  // number of lines found, from .. to
    int8_t lignesMax;
    int8_t cerclesMin; // number of circles found, from .. to
    int8_t cerclesMax;
};

// One row of a click table: tool, signature so far, what the pick found; then the step
// (nothing: beep), the new signature and the new prompt. A row with pointage false takes
// the click without picking (the "Position" clicks).
struct MoteurConstruction::Transition {
    int outil;
    const char* signature;
    bool pointage;
    FiltrePrise prise;
    bool (MoteurConstruction::*pas)(const Clic&); // false: a dialog was abandoned
    const char* nouvelleSignature;                // nullptr: unchanged
    int invite;                                   // -1: unchanged
};

// One row of a typed-value table: tool and signature; the handler gets the first character.
struct MoteurConstruction::Frappe {
    int outil;
    const char* signature;
    bool (MoteurConstruction::*pas)(QChar);
};

} // namespace velk
