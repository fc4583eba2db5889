// The dialogs of the graphic tab: the colour and layer of click-built statements, the
// visibility of kinds, colours and layers, and the canonical form of a clicked element.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "construction/moteur_construction.h"
#include "store/module_donnee.h"
#include "view/forme_canonique.h"

namespace velk {

void TFPrincipale::BtnCouleurClick()
{
    int couleur = moteur_->CouleurCourante();
    int couche = moteur_->CoucheCourante();
    if (!dialogues_.ChoixCouleur(couleur, couche))
        return;
    moteur_->SetCouleurCourante(couleur);
    moteur_->SetCoucheCourante(couche);
}

void TFPrincipale::BtnVisibleClick()
{
    // Cancel may have put back flags the user had changed: redraw whatever the answer.
    dialogues_.ChoixVisible(visibilite_);
    Redessine();
}

void TFPrincipale::MontreFormeCanonique(QChar genre, int numero)
{
    if (numero < 0 || numero > 0xFFFF)
        return;
    const auto n = static_cast<uint16_t>(numero);
    if (genre == QLatin1Char('P') && donnees_->PointExiste(n)) {
        TRecPoint p;
        donnees_->LitPoint(n, p);
        dialogues_.AfficheFormeCanonique(FormePoint(p));
    } else if (genre == QLatin1Char('L') && donnees_->LigneExiste(n)) {
        TRecLigne l;
        donnees_->LitLigne(n, l);
        dialogues_.AfficheFormeCanonique(FormeLigne(l));
    } else if (genre == QLatin1Char('C') && donnees_->CercleExiste(n)) {
        TRecCercle c;
        donnees_->LitCercle(n, c);
        dialogues_.AfficheFormeCanonique(FormeCercle(c));
    }
}

} // namespace velk
