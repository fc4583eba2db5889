// Printing from the main window: the print and printer set-up commands, the print-area
// mode of the graphic tab (a framed zone fitted to the page, or a clicked centre and a
// typed scale) and the printing of the program text.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "construction/moteur_construction.h"
#include "language/nombres.h"
#include "shell/widgets/editeur.h"
#include "view/etat_vue.h"
#include "view/imprime_dessin.h"

#include <QPrinter>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

namespace velk {

namespace {

// Prompts of the print-area mode, by their number in the prompt table.
constexpr int InviteZone = 28;
constexpr int InviteEchelle = 29;
const QString kLibelleEchelle = QStringLiteral(" Echelle :");
const QString kImpressionImpossible = QStringLiteral("Impression impossible : ");

} // namespace

QPrinter& TFPrincipale::Imprimante()
{
    // Made at first use: looking for the system's printers costs time at start-up.
    if (!imprimante_)
        imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *imprimante_;
}

void TFPrincipale::ConfigurationImpressionClick()
{
    dialogues_.ConfigurationImpression(Imprimante());
}

void TFPrincipale::ImprimerClick()
{
    if (!dialogues_.DialogueImpression(Imprimante()))
        return;
    QWidget* onglet = dossier_->currentWidget();
    if (onglet == ongletGraph_) {
        // The print-area mode takes the place of any other mode, whose buttons come up.
        const ModeSouris avant = moteur_->Mode();
        if (avant != ModeSouris::Aucun && avant != ModeSouris::ZoneImpression)
            RelacheBoutonsMode(avant);
        moteur_->SetModeSouris(ModeSouris::ZoneImpression);
        moteur_->AfficheInvite(InviteZone);
    } else if (onglet == ongletText_) {
        ImprimeTexte();
    }
}

void TFPrincipale::ImprimeTexte()
{
    QPrinter& imprimante = Imprimante();
    const std::string defaut = DefautPage(PageAppareil(imprimante));
    if (!defaut.empty()) {
        dialogues_.Erreur(kImpressionImpossible + QString::fromStdString(defaut));
        return;
    }
    imprimante.setDocName(nomFichier_);
    editeur_->print(&imprimante);
    // The editor says nothing when the document cannot start; the printer keeps the state.
    if (imprimante.printerState() == QPrinter::Error)
        dialogues_.Erreur(kImpressionImpossible
                          + QStringLiteral("le document ne peut pas être commencé (imprimante "
                                           "indisponible ou fichier impossible à écrire)."));
}

void TFPrincipale::TermineZoneImpression(QPoint coin1, QPoint coin2)
{
    // The engine has erased the rubber band and left the mode already.
    const TVue& ecran = vue_->VueEcran();
    if (coin1.x() != coin2.x() && coin1.y() != coin2.y()) {
        const Reel x1 = XReel(ecran, coin1.x()), x2 = XReel(ecran, coin2.x());
        const Reel y1 = YReel(ecran, coin1.y()), y2 = YReel(ecran, coin2.y());
        ImprimeCadre(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    } else {
        // A click, or a drag along one axis only: the button-up point is the centre.
        moteur_->AfficheInvite(InviteEchelle);
        const std::optional<QString> valeur = dialogues_.DemandeValeur(kLibelleEchelle, 1);
        if (valeur) {
            Reel echelle = 0;
            // The dialog lets through texts such as "0" or "1E" that are no usable scale.
            if (ConvertitReel(valeur->trimmed().toStdString(), echelle) && echelle > 0
                && std::isfinite(echelle)) {
                echelleImpression_ = echelle;
                ImprimeCentre(XReel(ecran, coin2.x()), YReel(ecran, coin2.y()), echelle);
            } else {
                dialogues_.Erreur(kImpressionImpossible + QStringLiteral("l'échelle « %1 » n'est pas "
                                                                         "un nombre positif.")
                                                              .arg(*valeur));
            }
        }
    }
    moteur_->AfficheInvite(0);
}

bool TFPrincipale::ImprimeCadre(Reel xmin, Reel ymin, Reel xmax, Reel ymax)
{
    const TPage page = PageAppareil(Imprimante());
    const std::optional<TVue> vue = CadreImpression(page, xmin, ymin, xmax, ymax);
    return ImprimeVue(page, vue);
}

bool TFPrincipale::ImprimeCentre(Reel x, Reel y, Reel echelle)
{
    const TPage page = PageAppareil(Imprimante());
    const std::optional<TVue> vue = EchelleImpressionCentree(page, x, y, echelle);
    return ImprimeVue(page, vue);
}

bool TFPrincipale::ImprimeVue(const TPage& page, const std::optional<TVue>& vue)
{
    std::string raison = DefautPage(page);
    if (raison.empty() && !vue)
        raison = "la zone ou l'échelle ne donne aucune vue imprimable.";
    if (raison.empty()) {
        vueImpression_ = *vue;
        QPrinter& imprimante = Imprimante();
        imprimante.setDocName(QStringLiteral("Impression :") + windowTitle());
        raison = ImprimeDessin(imprimante, vueImpression_, *donnees_, visibilite_, *occupe_);
    }
    if (raison.empty())
        return true;
    dialogues_.Erreur(kImpressionImpossible + QString::fromStdString(raison));
    return false;
}

} // namespace velk
