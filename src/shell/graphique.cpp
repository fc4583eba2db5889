// The run and its message list, the view commands of the graphic tab and the zoom mode
// with its rubber band.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "language/interprete.h"
#include "language/messages.h"
#include "language/nombres.h"
#include "shell/liste_messages_vue.h"
#include "shell/zone_menu.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/lignes_editeur.h"
#include "store/module_donnee.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QLabel>
#include <QLocale>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <new>

namespace velk {

namespace {

// Whole units with the system's thousands separator (status panel 0).
QString EntierGroupe(Reel valeur)
{
    if (!std::isfinite(static_cast<double>(valeur)))
        return QString();
    const Reel borne = 9.0e18L;
    const Reel arrondi = valeur < 0 ? -std::floor(-valeur + 0.5L) : std::floor(valeur + 0.5L);
    const qlonglong n = static_cast<qlonglong>(std::clamp(arrondi, -borne, borne));
    return QLocale::system().toString(n);
}

} // namespace

// ---- Run and messages ----

void TFPrincipale::ExecuterClick()
{
    messages_->hide();
    try {
        interprete_->ExecuteProgramme(*lignes_);
    } catch (const ErreurStockage& e) {
        dialogues_.Erreur(QString::fromStdString(e.what()));
    } catch (const std::bad_alloc&) {
        dialogues_.Erreur(QStringLiteral("Mémoire insuffisante pour exécuter le programme."));
    }
    dessin_->update();
    if (messages_->NombreMessages() > 0) {
        messages_->Publie();
        messages_->show();
        messages_->SelectionneItem(0);
        AfficheLigneMessage(0);
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

// ---- Modes and the zoom rubber band ----

void TFPrincipale::InitAppli()
{
    zoneMenu_->RelacheTout();
    modeSouris_ = ModeSouris::Aucun;
    outil_ = 0;
    glisserEnCours_ = false;
    dessin_->CacheCadre();
    AfficheInvite(QString());
    SetPanneau(3, QString());
}

void TFPrincipale::AfficheInvite(const QString& texte)
{
    zoneQR_->setText(texte);
    zoneQR_->repaint();
}

QString TFPrincipale::Invite() const
{
    return zoneQR_->text();
}

void TFPrincipale::BtnZoomClick(bool enfonce)
{
    modeSouris_ = enfonce ? ModeSouris::Zoom : ModeSouris::Aucun;
}

void TFPrincipale::DessinMouseDown(int colonne, int ligne)
{
    if (modeSouris_ != ModeSouris::Zoom)
        return;
    glisserEnCours_ = true;
    coin1_ = coin2_ = QPoint(colonne, ligne);
    dessin_->MontreCadre(coin1_, coin2_);
}

void TFPrincipale::DessinMouseMove(int colonne, int ligne)
{
    const TVue& vue = vue_->VueEcran();
    SetPanneau(0, QStringLiteral("X : ") + EntierGroupe(XReel(vue, colonne)) +
                      QStringLiteral("  Y : ") + EntierGroupe(YReel(vue, ligne)));
    if (glisserEnCours_) {
        coin2_ = QPoint(colonne, ligne);
        dessin_->MontreCadre(coin1_, coin2_);
    }
}

void TFPrincipale::DessinMouseUp(int colonne, int ligne)
{
    // Panel 3 shows the signature of the construction under way (none yet).
    SetPanneau(3, QString());
    if (!glisserEnCours_)
        return;
    coin2_ = QPoint(colonne, ligne);
    TermineZoom(colonne, ligne);
}

void TFPrincipale::TermineZoom(int, int)
{
    dessin_->CacheCadre();
    modeSouris_ = ModeSouris::Aucun;
    glisserEnCours_ = false;
    zoneMenu_->RelacheZoom();

    if (vue_->ZoomRectangle(coin1_.x(), coin1_.y(), coin2_.x(), coin2_.y())) {
        Redessine();
        AfficheInvite(QString());
        return;
    }
    // A click, or a drag along one axis only: centre on the first corner and ask a scale.
    const std::optional<QString> valeur =
        dialogues_.DemandeValeur(QStringLiteral(" Echelle à appliquer :"), 1);
    Reel facteur = 0;
    if (valeur && ConvertitReel(valeur->trimmed().toStdString(), facteur) &&
        vue_->ZoomCentre(coin1_.x(), coin1_.y(), facteur))
        Redessine();
    AfficheInvite(QString());
}

} // namespace velk
