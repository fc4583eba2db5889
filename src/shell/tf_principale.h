// TFPrincipale, the main window: the three tabs (drawing, program text, element tables),
// the menus and tool bar, the status bar, the document commands, the run with its message
// list, the view commands and zoom mode, the autosave and closing.
//
// Every modal interaction goes through Dialogues, so a test drives whole commands offscreen.
#pragma once

#include "construction/hote_construction.h"
#include "language/interfaces.h"
#include "view/palette.h"
#include "view/vue.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QKeyEvent;
class QComboBox;
class QLabel;
class QPushButton;
class QMenu;
class QPrinter;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTableView;
class QToolBar;

namespace velk {

class AutoSauvegarde;
class CoucheFichiers;
class Dessin;
class Dialogues;
class Editeur;
class EtatVue;
class ExecutionPasAPas;
class Interprete;
class LignesEditeur;
class MemoireSession;
class ListeMessagesVue;
class ModeleTable;
class MoteurConstruction;
class Recherche;
class RechercheElements;
class TFAbout;
class TFOptions;
class TModuleDonnee;
class ZoneMenu;
enum class Encodage;
struct TPage;

// The window is the host of the click-sequence engine: it picks, executes and
// appends statements, shows prompts and status panels and releases palette buttons for it.
class TFPrincipale : public QMainWindow, public HoteConstruction {
    Q_OBJECT
public:
    // dossierProgramme ends with "/". The window creates the data module right after itself.
    TFPrincipale(Dialogues& dialogues, const QString& dossierProgramme,
                 const QString& titreApplication, QWidget* parent = nullptr);
    ~TFPrincipale() override;

    // ---- State ----
    const QString& NomFichier() const { return nomFichier_; }
    // How the document's file is encoded, and will be written.
    Encodage EncodageDocument() const { return encodage_; }
    const QString& DossierProgramme() const { return dossierProgramme_; }
    const QString& TitreApplication() const { return titreApplication_; }
    TModuleDonnee& Donnees() { return *donnees_; }
    ListeLignes& Lignes();
    Editeur& EditeurTexte() { return *editeur_; }
    ListeMessagesVue& Messages() { return *messages_; }
    EtatVue& Vue() { return *vue_; }
    ZoneMenu& Palettes() { return *zoneMenu_; }
    Dessin& SurfaceGraphique() { return *dessin_; }
    TVisibilite& Visibilite() { return visibilite_; }
    AutoSauvegarde& Sauvegarde() { return *autoSauvegarde_; }
    // The file layer of the document and autosave writes (the system's unless a test
    // puts in one that fails on purpose).
    void SetCoucheFichiers(CoucheFichiers& couche);
    QTabWidget& Dossier() { return *dossier_; }
    MoteurConstruction& Moteur() { return *moteur_; }
    ModeSouris Mode() const;
    int Outil() const;
    bool Demarre() const { return demarre_; }
    // Status panel i (0 to 3).
    QString Panneau(int i) const;
    QAction* Action(const QString& nom) const;
    QMenu* MenuChercher() const { return menuChercher_; }
    QMenu* MenuEcran() const { return menuEcran_; }
    ModeleTable& Modele(int genre) { return *modeles_[size_t(genre)]; }

    // The file named on the command line, opened at start-up when no autosave file waits.
    void SetFichierLigneCommande(const QString& chemin) { fichierLigneCommande_ = chemin; }

    // The show step, run once when the window is first shown: tables, view, first run,
    // then recovery or the command-line file.
    void EtapeAffichage();

    // ---- Document commands ----
    void NouveauClick();
    void OuvrirClick();
    // Both return true when the text was written.
    bool EnregistrerClick();
    bool EnregistrersousClick();
    // False when the calling command must stop (Cancel, or Yes that left the text unsaved).
    // abandon, when given, tells whether "No" gave the changes up.
    bool DemandeEnregistrement(bool* abandon = nullptr);
    // Loads a file as the document; false (with a message) when it could not be read.
    bool OuvreFichier(const QString& chemin);
    void ChangeNomFichier(const QString& nom);
    // A file dropped on the window.
    bool FichierDepose(const QString& chemin);
    void AfficheModifie(bool modifie);
    void AfficheRemplacement();

    // ---- Recent documents and session memory ----
    // A document of the "Fichiers récents" submenu: opened like a dropped file; a file
    // that no longer exists is removed from the list, with a notice.
    void OuvreRecent(const QString& chemin);
    QStringList FichiersRecents() const;
    QMenu* MenuRecents() const { return menuRecents_; }
    // The folder the open and save dialogs start in.
    QString DossierDocuments() const;
    // Writes the geometry, splitter sizes, last folder and recent list (done at closing).
    void EnregistreSession();

    // ---- Run and messages ----
    void ExecuterClick();
    void AfficheLigneMessage(int item);
    // "&Pas à pas" (pas_a_pas_fenetre.cpp): one statement line per press.
    void PasAPasClick();
    bool EnPasAPas() const;
    // Ends step mode (Escape, an edit of the text); the tables stay as they are.
    void ArretePasAPas();
    // The status-bar text of the last step, empty outside step mode.
    QString EtatPasAPas() const;
    // The editor line (from 0) highlighted as the one just run, or -1.
    int LigneExecutee() const;
    // The status bar notice of faulty lines: shows the text tab, the messages and the
    // first faulty line.
    void MontreErreursClick();

    // ---- Graphic tab ----
    void InitAppli();
    void ZoomOrigine();
    void ZoomMoins();
    void ZoomPlus();
    void ZoomPrecedent();
    void ZoomSuivant();
    void CadrageClick();
    void Redessine();
    void EffaceDessin();
    void BtnZoomClick(bool enfonce);
    void DessinMouseDown(int colonne, int ligne);
    void DessinMouseMove(int colonne, int ligne);
    void DessinMouseUp(int colonne, int ligne);
    // Highlights what a click at the cursor would take while a tool or the canonical-form
    // mode waits for one, hides the highlight otherwise (surbrillance.cpp).
    void MajSurbrillance(int colonne, int ligne);
    QString Invite() const;
    // The colour and visibility dialogs (dialogues_graphique.cpp).
    void BtnCouleurClick();
    void BtnVisibleClick();

    // ---- HoteConstruction ----
    bool ChercheElements(int32_t colonne, int32_t ligne, TElementsProches& reponse) override;
    const TVue& VueEcran() const override;
    std::optional<uint16_t> NumeroLibre(char genre) const override;
    void LitPoint(uint16_t numero, TRecPoint& p) const override;
    void LitLigne(uint16_t numero, TRecLigne& l) const override;
    void LitCercle(uint16_t numero, TRecCercle& c) const override;
    bool ExecuteInstruction(const QString& texte) override;
    void AjouteInstruction(const QString& texte) override;
    bool TexteModifiable() const override;
    void AfficheInvite(const QString& texte) override;
    void AffichePanneau(int panneau, const QString& texte) override;
    void RelacheBoutonsMode(ModeSouris mode) override;
    void RelacheBoutonOutil(int outil) override;
    void MontreCadre(QPoint coin1, QPoint coin2) override;
    void CacheCadre() override;
    void TermineZoom(QPoint coin1, QPoint coin2) override;
    void MontreFormeCanonique(QChar genre, int numero) override;

    // ---- Printing (impression.cpp) ----
    void ImprimerClick();
    void ConfigurationImpressionClick();
    // The end of a drag in print-area mode: a zone fitted to the page, or a click (a drag
    // along one axis only counts as one) followed by a typed scale.
    void TermineZoneImpression(QPoint coin1, QPoint coin2) override;
    // The program's printer, made at first use.
    QPrinter& Imprimante();
    const TVue& VueImpression() const { return vueImpression_; }
    Reel EchelleImpression() const { return echelleImpression_; }

    // ---- Import and export (importation.cpp, exportation.cpp) ----
    // The statements of another program file, inserted before the caret's line.
    void ImporterClick();
    // The drawing as the graphic tab shows it, to a PNG, SVG, PDF or DXF file.
    void ExporterClick();

    // ---- Options, autosave, closing ----
    void OptionsClick();
    void AProposClick();
    TFOptions& Options() { return *options_; }
    // Closing without the window system: the answer closeEvent gives.
    bool AccepteFermeture();

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void dragEnterEvent(QDragEnterEvent* evenement) override;
    void dropEvent(QDropEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Construction, in tf_principale.cpp and fenetre_actions.cpp.
    void CreeOnglets();
    void CreeBarreEtat();
    void CreeActions();
    void CreeMenus();
    void CreeBarreOutil();
    void ConnecteEditeur();
    QAction* NouvelleAction(const QString& nom, const QString& texte, const QKeySequence& touche,
                            const QString& indice);
    void OngletChange(int index);
    void SetPanneau(int i, const QString& texte);
    // Keeps the window at least as wide as the status bar's panels and notice.
    void AjusteBarreEtat();
    void ChangeTables(bool lectureSeule);
    // After a run: drawing refreshed, faulty lines marked, messages shown.
    void AfficheResultatExecution();
    // Step mode (pas_a_pas_fenetre.cpp).
    void CreePasAPas();
    void MontreLigneExecutee(int ligne);
    void AfficheEtatPasAPas(const QString& texte);
    // The step run has ended: the status bar says so, with the number of messages.
    void AnnonceFinPasAPas();
    void ActualiseGrilles();
    void TablesChangees();

    // Documents.
    // The text as a file holds it, in encodage (which becomes UTF-8 when it cannot hold it).
    QByteArray ContenuFichier(Encodage& encodage) const;
    bool EcritDocument(const QString& chemin, bool avecSecours);
    // True for the autosave file's name: never the name the user's work is saved under.
    bool EstAutoSauvegarde(const QString& chemin) const;
    // After a command that opened nothing, gives back the modified flag that "No" cleared.
    void RetablitModifie(bool abandon);
    // The header and the three default statements, not modified, no undo history.
    void ProgrammeNeuf();

    // Printing.
    void ImprimeTexte();
    bool ImprimeCadre(Reel xmin, Reel ymin, Reel xmax, Reel ymax);
    bool ImprimeCentre(Reel x, Reel y, Reel echelle);
    bool ImprimeVue(const TPage& page, const std::optional<TVue>& vue);

    void MajBoutonsHistorique();
    // Session memory: read at creation, the recent list rebuilt after each change.
    void ChargeSession();
    void MajMenuRecents();
    void DocumentNomme(const QString& chemin);
    // Keys seen by the window before its controls.
    bool ToucheFenetre(QKeyEvent* evenement);

    Dialogues& dialogues_;
    QString dossierProgramme_;
    QString titreApplication_;
    QString nomFichier_;
    Encodage encodage_{};
    CoucheFichiers* couche_ = nullptr;
    QString fichierLigneCommande_;
    bool demarre_ = false;
    bool fermetureAcceptee_ = false;
    bool grillesAActualiser_ = false;

    TVisibilite visibilite_;
    std::unique_ptr<QPrinter> imprimante_;
    TVue vueImpression_;
    Reel echelleImpression_ = 0; // the last scale typed for printing
    int typeExport_ = 0;          // the file type of the last export, offered first

    // Widgets (owned by Qt's parent tree).
    QTabWidget* dossier_ = nullptr;
    QWidget* ongletGraph_ = nullptr;
    QWidget* ongletText_ = nullptr;
    QWidget* ongletDozoZur_ = nullptr;
    ZoneMenu* zoneMenu_ = nullptr;
    Dessin* dessin_ = nullptr;
    QWidget* zoneGraphique_ = nullptr;
    QLabel* zoneQR_ = nullptr;
    Editeur* editeur_ = nullptr;
    ListeMessagesVue* messages_ = nullptr;
    std::array<QTableView*, 4> grilles_{};
    std::array<QLabel*, 4> panneaux_{};
    QPushButton* avisErreurs_ = nullptr;
    QToolBar* barreOutil_ = nullptr;
    QComboBox* fonte_ = nullptr;
    QSpinBox* taille_ = nullptr;
    QMenu* menuChercher_ = nullptr;
    QMenu* menuEcran_ = nullptr;
    QMenu* menuRecents_ = nullptr;
    QSplitter* partageTexte_ = nullptr;
    QHash<QString, QAction*> actions_;
    TFOptions* options_ = nullptr;
    TFAbout* about_ = nullptr;

    // Core objects, created once in this order after the window itself.
    std::unique_ptr<LignesEditeur> lignes_;
    std::unique_ptr<TModuleDonnee> donnees_;
    std::unique_ptr<EtatVue> vue_;
    std::unique_ptr<IndicateurOccupe> occupe_;
    std::unique_ptr<Interprete> interprete_;
    std::unique_ptr<ExecutionPasAPas> pasAPas_;
    QLabel* etatPasAPas_ = nullptr;
    int revisionPas_ = -1; // the text's revision when the last step ran
    std::unique_ptr<Recherche> recherche_;
    std::unique_ptr<RechercheElements> pointage_;
    std::unique_ptr<MoteurConstruction> moteur_;
    std::array<std::unique_ptr<ModeleTable>, 4> modeles_;
    AutoSauvegarde* autoSauvegarde_ = nullptr;
    std::unique_ptr<MemoireSession> memoire_;
};

} // namespace velk
