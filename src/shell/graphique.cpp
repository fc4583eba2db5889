// The run and its message list, the view commands of the graphic tab and the zoom mode
// with its rubber band.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "construction/moteur_construction.h"
#include "language/texte_programme.h"
#include "view/recherche.h"
#include "language/interprete.h"
#include "language/pas_a_pas.h"
#include "language/messages.h"
#include "language/nombres.h"
#include "shell/avis_erreurs.h"
#include "shell/liste_messages_vue.h"
#include "shell/zone_menu.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/lignes_editeur.h"
#include "store/module_donnee.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QLocale>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <new>

namespace velk {

// ---- Run and messages ----

void TFPrincipale::ExecuterClick()
{
    // During a step-by-step run, F9 finishes it from the line reached.
    const bool finPasAPas = EnPasAPas();
    messages_->hide();
    avisErreurs_->hide();
    editeur_->EffaceMarques();
    try {
        if (finPasAPas)
            pasAPas_->Termine(*lignes_);
        else
            interprete_->ExecuteProgramme(*lignes_);
    } catch (const ErreurStockage& e) {
        dialogues_.Erreur(QString::fromStdString(e.what()));
    } catch (const std::bad_alloc&) {
        dialogues_.Erreur(QStringLiteral("Mémoire insuffisante pour exécuter le programme."));
    }
    if (finPasAPas)
        AnnonceFinPasAPas();
    else
        ArretePasAPas(); // a run clears what an earlier step run left in the status bar
    AfficheResultatExecution();
}

void TFPrincipale::AfficheResultatExecution()
{
    dessin_->update();
    if (messages_->NombreMessages() > 0) {
        // Marks keep a text each: past the first few thousand faulty lines they would cost
        // more memory than the compact message list, and nobody reads them one by one.
        const int marques = std::min(messages_->NombreMessages(), 5000);
        for (int i = 0; i < marques; ++i) {
            const std::string item = messages_->Message(i);
            editeur_->MarqueLigne(LigneDuMessage(item), QString::fromStdString(item));
        }
        messages_->Publie();
        messages_->show();
        messages_->SelectionneItem(0);
        AfficheLigneMessage(0);
        if (dossier_->currentWidget() == ongletGraph_) {
            avisErreurs_->setText(TexteAvisErreurs(NombreLignesEnErreur(*messages_)));
            avisErreurs_->show();
            AjusteBarreEtat();
        }
    }
}

void TFPrincipale::MontreErreursClick()
{
    avisErreurs_->hide();
    AjusteBarreEtat();
    dossier_->setCurrentWidget(ongletText_);
    messages_->show();
    const int item = PremierMessageAvecLigne(*messages_);
    if (item >= 0) {
        messages_->SelectionneItem(item);
        AfficheLigneMessage(item);
    }
}

void TFPrincipale::AfficheLigneMessage(int item)
{
    const int ligne = LigneDuMessage(messages_->Message(item));
    if (ligne < 0)
        return;
    // A line past the end of a text edited since the run puts the caret on the last line.
    editeur_->VaLigne(ligne);
    editeur_->ensureCursorVisible();
    editeur_->setFocus();
}

// ---- View commands ----

void TFPrincipale::MajBoutonsHistorique()
{
    zoneMenu_->SetPrecedentActif(vue_->PrecedentPossible());
    zoneMenu_->SetSuivantActif(vue_->SuivantPossible());
}

void TFPrincipale::EffaceDessin()
{
    dessin_->EffaceDessin();
}

void TFPrincipale::Redessine()
{
    dessin_->Redessine();
}

void TFPrincipale::ZoomOrigine()
{
    vue_->VueOrigine();
    Redessine();
}

void TFPrincipale::ZoomMoins()
{
    vue_->ZoomMoins();
    Redessine();
}

void TFPrincipale::ZoomPlus()
{
    vue_->ZoomPlus();
    Redessine();
}

void TFPrincipale::ZoomPrecedent()
{
    if (vue_->ZoomPrecedent())
        Redessine();
}

void TFPrincipale::ZoomSuivant()
{
    if (vue_->ZoomSuivant())
        Redessine();
}

void TFPrincipale::CadrageClick()
{
    if (vue_->Cadrage(*donnees_))
        Redessine();
}

// ---- Modes, tools and the zoom rubber band: the click-sequence engine ----

ModeSouris TFPrincipale::Mode() const
{
    return moteur_->Mode();
}

int TFPrincipale::Outil() const
{
    return moteur_->Outil();
}

void TFPrincipale::InitAppli()
{
    moteur_->InitAppli();
}

QString TFPrincipale::Invite() const
{
    return zoneQR_->text();
}

void TFPrincipale::BtnZoomClick(bool enfonce)
{
    moteur_->BtnModeClick(ModeSouris::Zoom, enfonce);
}

void TFPrincipale::DessinMouseDown(int colonne, int ligne)
{
    moteur_->DessinMouseDown(colonne, ligne);
}

void TFPrincipale::DessinMouseMove(int colonne, int ligne)
{
    moteur_->DessinMouseMove(colonne, ligne);
    MajSurbrillance(colonne, ligne);
}

void TFPrincipale::DessinMouseUp(int colonne, int ligne)
{
    moteur_->DessinMouseUp(colonne, ligne);
    MajSurbrillance(colonne, ligne);
}

bool TFPrincipale::ToucheFenetre(QKeyEvent* evenement)
{
    const bool graphique = dossier_->currentWidget() == ongletGraph_;
    if (evenement->key() == Qt::Key_Escape) {
        if (EnPasAPas())
            ArretePasAPas();
        // Escape also reaches the focused control (it closes nothing there).
        moteur_->FormKeyDown(evenement->key(), graphique);
        return false;
    }
    if (evenement->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString texte = evenement->text();
    if (texte.size() != 1)
        return false;
    return moteur_->FormKeyPress(texte.at(0), graphique);
}

// ---- HoteConstruction ----

bool TFPrincipale::ChercheElements(int32_t colonne, int32_t ligne, TElementsProches& reponse)
{
    reponse = TElementsProches();
    return pointage_->ChercheElements(colonne, ligne, reponse);
}

const TVue& TFPrincipale::VueEcran() const
{
    return vue_->VueEcran();
}

std::optional<uint16_t> TFPrincipale::NumeroLibre(char genre) const
{
    switch (genre) {
    case 'P': return donnees_->NumeroLibrePoint();
    case 'L': return donnees_->NumeroLibreLigne();
    case 'C': return donnees_->NumeroLibreCercle();
    default: return std::nullopt;
    }
}

void TFPrincipale::LitPoint(uint16_t numero, TRecPoint& p) const
{
    donnees_->LitPoint(numero, p);
}

void TFPrincipale::LitLigne(uint16_t numero, TRecLigne& l) const
{
    donnees_->LitLigne(numero, l);
}

void TFPrincipale::LitCercle(uint16_t numero, TRecCercle& c) const
{
    donnees_->LitCercle(numero, c);
}

bool TFPrincipale::ExecuteInstruction(const QString& texte)
{
    bool reussi = false;
    try {
        reussi = interprete_->ExecuteInstruction(texte.toStdString());
    } catch (const ErreurStockage& e) {
        // Only the table file failed: the element is built and kept in memory, so its
        // statement belongs in the text like any other.
        dialogues_.Erreur(QString::fromStdString(e.what()));
        reussi = interprete_->InstructionReussie();
    } catch (const std::bad_alloc&) {
        dialogues_.Erreur(QStringLiteral("Mémoire insuffisante pour exécuter l'instruction."));
    }
    if (messages_->NombreMessages() > 0) {
        for (int i = 0; i < messages_->NombreMessages(); ++i) {
            const std::string item = messages_->Message(i);
            editeur_->MarqueLigne(LigneDuMessage(item), QString::fromStdString(item));
        }
        messages_->Publie();
        messages_->show();
    }
    dessin_->update();
    return reussi;
}

void TFPrincipale::AjouteInstruction(const QString& texte)
{
    velk::AjouteInstruction(*lignes_, texte.toStdString());
}

bool TFPrincipale::TexteModifiable() const
{
    return !editeur_->isReadOnly();
}

void TFPrincipale::AfficheInvite(const QString& texte)
{
    zoneQR_->setText(texte);
    zoneQR_->repaint();
}

void TFPrincipale::AffichePanneau(int panneau, const QString& texte)
{
    if (panneau >= 0 && panneau < 4)
        SetPanneau(panneau, texte);
}

void TFPrincipale::RelacheBoutonsMode(ModeSouris mode)
{
    zoneMenu_->RelacheMode(int(mode));
    dessin_->CacheSurbrillance();
}

void TFPrincipale::RelacheBoutonOutil(int outil)
{
    zoneMenu_->RelacheOutil(outil);
    dessin_->CacheSurbrillance();
}

void TFPrincipale::MontreCadre(QPoint coin1, QPoint coin2)
{
    dessin_->MontreCadre(coin1, coin2);
}

void TFPrincipale::CacheCadre()
{
    dessin_->CacheCadre();
}

void TFPrincipale::TermineZoom(QPoint coin1, QPoint coin2)
{
    if (vue_->ZoomRectangle(coin1.x(), coin1.y(), coin2.x(), coin2.y())) {
        Redessine();
        AfficheInvite(QString());
        return;
    }
    // A click, or a drag along one axis only: centre on the first corner and ask a scale.
    const std::optional<QString> valeur =
        dialogues_.DemandeValeur(QStringLiteral(" Echelle à appliquer :"), 1);
    Reel facteur = 0;
    if (valeur && ConvertitReel(valeur->trimmed().toStdString(), facteur) &&
        vue_->ZoomCentre(coin1.x(), coin1.y(), facteur))
        Redessine();
    AfficheInvite(QString());
}

} // namespace velk
