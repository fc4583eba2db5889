// Document commands of the main window: new, open, save, save as, dropped files, the save
// question and the window title. Every command that would drop unsaved text asks first, and
// a save that did not happen stops the command that asked for it. The autosave file never
// becomes the user's document: saving a recovered text always asks for a name of its own.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "shell/autosauvegarde.h"
#include "language/fichier_programme.h"
#include "language/texte_programme.h"
#include "shell/ecriture_sure.h"
#include "shell/liste_messages_vue.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/lignes_editeur.h"
#include "store/module_donnee.h"
#include "view/etat_vue.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTabWidget>

#include <algorithm>
#include <new>

namespace velk {

namespace {

const QString kSansNom = QStringLiteral("SansNom");

// A plain list of lines, to compose a whole text before handing it to the editor at once.
class LignesSimples : public ListeLignes {
public:
    int NombreLignes() const override { return int(lignes_.size()); }
    std::string Ligne(int k) const override
    {
        return k >= 0 && k < NombreLignes() ? lignes_[size_t(k)] : std::string();
    }
    void InsereLigne(int k, const std::string& texte) override
    {
        lignes_.insert(lignes_.begin() + std::clamp(k, 0, NombreLignes()), texte);
    }
    void SupprimeLigne(int k) override
    {
        if (k >= 0 && k < NombreLignes())
            lignes_.erase(lignes_.begin() + k);
    }
    void AjouteLigne(const std::string& texte) override { lignes_.push_back(texte); }
    void Vide() override { lignes_.clear(); }
    bool Modifie() const override { return false; }
    void SetModifie(bool) override {}
    void EffaceHistorique() override {}

    const std::vector<std::string>& Lignes() const { return lignes_; }

private:
    std::vector<std::string> lignes_;
};

QString Joint(const std::vector<std::string>& lignes)
{
    std::string texte;
    size_t taille = 0;
    for (const std::string& l : lignes)
        taille += l.size() + 1;
    texte.reserve(taille);
    for (size_t k = 0; k < lignes.size(); ++k) {
        if (k)
            texte += '\n';
        texte += lignes[k];
    }
    return DepuisUtf8(texte);
}

// The busy cursor while a large file is read or written.
class CurseurAttente {
public:
    CurseurAttente() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QGuiApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

} // namespace

void TFPrincipale::ProgrammeNeuf()
{
    // Composed apart and set in one step: quicker, and the header's empty third line
    // cannot be mistaken for the end of an empty text.
    LignesSimples neuf;
    NouveauProgramme(neuf);
    lignes_->DefinitTexte(Joint(neuf.Lignes()));
    lignes_->EffaceHistorique();
    lignes_->SetModifie(false);
    encodage_ = Encodage::Utf8;
}

void TFPrincipale::ChangeNomFichier(const QString& nom)
{
    nomFichier_ = nom;
    setWindowTitle(QStringLiteral("%1 - %2").arg(titreApplication_, QFileInfo(nom).fileName()));
}

QByteArray TFPrincipale::ContenuFichier(Encodage& encodage) const
{
    std::vector<std::string> lignes;
    const int n = lignes_->NombreLignes();
    lignes.reserve(size_t(n));
    for (int k = 0; k < n; ++k)
        lignes.push_back(lignes_->Ligne(k));
    return QByteArray::fromStdString(AssembleLignes(lignes, encodage));
}

bool TFPrincipale::EstAutoSauvegarde(const QString& chemin) const
{
    return QFileInfo(chemin).fileName().compare(QFileInfo(autoSauvegarde_->Chemin()).fileName(),
                                                Qt::CaseInsensitive) == 0;
}

void TFPrincipale::SetCoucheFichiers(CoucheFichiers& couche)
{
    couche_ = &couche;
    autoSauvegarde_->SetCoucheFichiers(couche);
}

bool TFPrincipale::EcritDocument(const QString& chemin, bool avecSecours)
{
    QString erreur;
    bool ecrit = false;
    // The file keeps the encoding it was read in, unless the text no longer fits in it.
    Encodage encodage = encodage_;
    {
        CurseurAttente attente;
        ecrit = EcritFichierSur(chemin, ContenuFichier(encodage),
                                avecSecours ? NomSecours(chemin) : QString(), erreur,
                                couche_ ? *couche_ : CoucheFichiers::Systeme());
    }
    if (!ecrit) {
        dialogues_.Erreur(erreur);
        return false;
    }
    if (encodage != encodage_) {
        encodage_ = encodage;
        statusBar()->showMessage(
            QStringLiteral("Caractères absents de Windows-1252 : fichier enregistré en UTF-8"),
            15000);
    }
    return true;
}

bool TFPrincipale::OuvreFichier(const QString& chemin)
{
    std::vector<std::string> lignes;
    Encodage encodage = Encodage::Utf8;
    QString erreur;
    bool ouvert = false;
    {
        CurseurAttente attente;
        try {
            lignes = LitFichierProgramme(chemin.toStdString(), encodage);
        } catch (const ErreurFichier& e) {
            erreur = QString::fromStdString(e.what());
        } catch (const std::bad_alloc&) {
            erreur = QStringLiteral("Mémoire insuffisante pour lire le fichier %1.")
                         .arg(QDir::toNativeSeparators(chemin));
        }
        if (erreur.isEmpty()) {
            dossier_->setCurrentWidget(ongletText_);
            lignes_->DefinitTexte(Joint(lignes));
            lignes_->EffaceHistorique();
            encodage_ = encodage;
            ChangeNomFichier(chemin);
            DocumentNomme(chemin);
            editeur_->setFocus();
            lignes_->SetModifie(false);
            AfficheModifie(false);
            InitAppli();

            // Nothing of the previous document may stay pickable or usable: the tables,
            // the drawing and the messages are emptied until the next run.
            try {
                const bool lectureSeule = donnees_->LectureSeule();
                donnees_->VideTables();
                donnees_->TablesLectureSeule(lectureSeule);
            } catch (const ErreurStockage& e) {
                erreur = QString::fromStdString(e.what());
            }
            messages_->EffaceMessages();
            messages_->hide();
            EffaceDessin();
            ouvert = true;
        }
    }
    // Messages come once the busy cursor is gone.
    if (!erreur.isEmpty())
        dialogues_.Erreur(erreur);
    return ouvert;
}

bool TFPrincipale::DemandeEnregistrement(bool* abandon)
{
    if (abandon)
        *abandon = false;
    if (!lignes_->Modifie())
        return true;
    switch (dialogues_.Question(
        QStringLiteral("Enregistrer les modifications dans %1 ?").arg(nomFichier_))) {
    case Reponse::Oui:
        // Whatever leaves the text unsaved stops the command, as Cancel does.
        return EnregistrerClick();
    case Reponse::Non:
        lignes_->SetModifie(false);
        AfficheModifie(false);
        if (abandon)
            *abandon = true;
        return true;
    case Reponse::Annuler:
        break;
    }
    return false;
}

void TFPrincipale::NouveauClick()
{
    if (!DemandeEnregistrement())
        return;
    InitAppli();
    ChangeNomFichier(kSansNom);
    ProgrammeNeuf();
    // A new program is always editable, whatever the previous document was opened as.
    editeur_->SetLectureSeule(false);
    AfficheModifie(false);
    AfficheRemplacement();
    vue_->VueOrigine();
    EffaceDessin();
    ExecuterClick();
}

void TFPrincipale::RetablitModifie(bool abandon)
{
    // "No" to the save question gave the changes up for a document that never came: they
    // are still in the editor and still unsaved.
    if (!abandon)
        return;
    lignes_->SetModifie(true);
    AfficheModifie(true);
}

void TFPrincipale::OuvrirClick()
{
    bool abandon = false;
    if (!DemandeEnregistrement(&abandon))
        return;
    const ChoixFichierOuvrir choix = dialogues_.FichierOuvrir(
        QStringLiteral("Ouverture fichier programme"), DossierDocuments(),
        QStringLiteral("Fichiers VELK ( *.vlk)|*.vlk|Tous fichiers ( *.*)|*.*"));
    if (choix.chemin.isEmpty() || !OuvreFichier(choix.chemin)) {
        RetablitModifie(abandon);
        return;
    }
    editeur_->SetLectureSeule(choix.lectureSeule);
    vue_->VueOrigine();
    EffaceDessin();
}

bool TFPrincipale::FichierDepose(const QString& chemin)
{
    bool abandon = false;
    if (!DemandeEnregistrement(&abandon))
        return false;
    if (!OuvreFichier(chemin)) {
        RetablitModifie(abandon);
        return false;
    }
    return true;
}

bool TFPrincipale::EnregistrerClick()
{
    // A recovered text is saved under a name of its own: the autosave file is rewritten by
    // the timer and replaced at the next start.
    if (nomFichier_ == kSansNom || EstAutoSauvegarde(nomFichier_))
        return EnregistrersousClick();
    PrepareEnregistrement(*lignes_);
    if (!EcritDocument(nomFichier_, true))
        return false;
    lignes_->SetModifie(false);
    AfficheModifie(false);
    return true;
}

bool TFPrincipale::EnregistrersousClick()
{
    QString chemin = dialogues_.FichierEnregistrer(
        QStringLiteral("Enregistrement fichier programme"), DossierDocuments(),
        EstAutoSauvegarde(nomFichier_) ? QString() : nomFichier_,
        QStringLiteral("Fichiers VELK (*.vlk)|*.vlk|Tous fichiers (*.*)|*.*"),
        QStringLiteral("vlk"));
    if (chemin.isEmpty())
        return false;
    if (QFileInfo(chemin).suffix().isEmpty() && !chemin.endsWith(QLatin1Char('.')))
        chemin += QStringLiteral(".vlk");
    if (EstAutoSauvegarde(chemin)) {
        dialogues_.Information(
            QStringLiteral("Le nom %1 est réservé à la sauvegarde automatique : choisissez-en un autre.")
                .arg(QFileInfo(chemin).fileName()));
        return false;
    }
    if (QFileInfo::exists(chemin) &&
        dialogues_.Question(QStringLiteral("Remplacer fichier %1 ?").arg(chemin)) != Reponse::Oui)
        return false;
    PrepareEnregistrement(*lignes_);
    if (!EcritDocument(chemin, false))
        return false;
    ChangeNomFichier(chemin);
    DocumentNomme(chemin);
    lignes_->SetModifie(false);
    AfficheModifie(false);
    return true;
}

} // namespace velk
