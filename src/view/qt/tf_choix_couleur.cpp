// The colour and layer dialog: layout from the grid size, painting, mouse and arrow keys.
#include "view/qt/tf_choix_couleur.h"

#include "view/qt/cadres.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace velk {

namespace {

QColor Qcouleur(const CouleurRVB& c)
{
    return QColor(c.Rouge, c.Vert, c.Bleu);
}

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setAccessibleName(QString(texte).remove(QLatin1Char('&')));
    b->resize(75, 25);
    return b;
}

QLabel* Libelle(QWidget* parent, const char* nom, const QString& texte)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromLatin1(nom));
    l->setAccessibleName(texte);
    l->adjustSize();
    return l;
}

} // namespace

TFChoixCouleur::TFChoixCouleur(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FChoixCouleur"));
    setWindowTitle(QStringLiteral("Choix couleur / couche"));
    setModal(true);

    libelleCouleur_ = Libelle(this, "LabelCouleur", QStringLiteral("Couleur active               :"));
    libelleCouche_ = Libelle(this, "LabelCouche", QStringLiteral("Couche active  (0..31) :"));
    couche_ = new QSpinBox(this);
    couche_->setObjectName(QStringLiteral("SpinEditCouche"));
    couche_->setAccessibleName(libelleCouche_->text());
    couche_->setRange(0, 31);
    couche_->resize(50, 22);
    libelleCouche_->setBuddy(couche_);
    ok_ = Bouton(this, "BtnOk", QStringLiteral("&Ok"));
    ok_->setDefault(true);
    annule_ = Bouton(this, "BtnCancel", QStringLiteral("&Annule"));
    connect(ok_, &QPushButton::clicked, this, &TFChoixCouleur::accept);
    connect(annule_, &QPushButton::clicked, this, &TFChoixCouleur::reject);

    // The arrows belong to the colour grid whichever control has the focus.
    for (QWidget* enfant : findChildren<QWidget*>())
        enfant->installEventFilter(this);
    Prepare();
}

bool TFChoixCouleur::Execute()
{
    resultat_ = false;
    exec();
    return resultat_;
}

void TFChoixCouleur::Prepare()
{
    resultat_ = false;
    disposition_ = DisposeChoixCouleur(NbColonnes, NbRangees);
    NbColonnes = disposition_.colonnes;
    NbRangees = disposition_.rangees;
    const DispositionCouleur& d = disposition_;
    setFixedSize(d.largeur, d.hauteur);
    ok_->move(d.gaucheOk, d.hautBoutons);
    annule_->move(d.gaucheAnnule, d.hautBoutons);
    libelleCouleur_->move(20, d.hautLibelleCouleur);
    libelleCouche_->move(20, d.hautLibelleCouche);
    couche_->move(165, d.hautCouche);
    CouleurChoisie = std::clamp(CouleurChoisie, 0, d.nombre - 1);
    couche_->setValue(CoucheChoisie);
    couleurs_ = PaletteGrille(d.colonnes, d.rangees);
    update();
}

void TFChoixCouleur::showEvent(QShowEvent* evenement)
{
    Prepare();
    CentreSurEcran(*this);
    couche_->setFocus();
    QDialog::showEvent(evenement);
}

void TFChoixCouleur::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const DispositionCouleur& d = disposition_;
    for (int i = 0; i < d.nombre && i < int(couleurs_.size()); ++i) {
        const QRect r = d.Case(i);
        DessineCadre(p, r, 2, true, palette(), Qcouleur(couleurs_[size_t(i)]));
        if (i == CouleurChoisie)
            DessineFocus(p, r.adjusted(3, 3, -3, -3));
    }
    if (CouleurChoisie >= 0 && CouleurChoisie < int(couleurs_.size()))
        DessineCadre(p, d.Temoin(), 2, true, palette(), Qcouleur(couleurs_[size_t(CouleurChoisie)]));
}

void TFChoixCouleur::Selectionne(int couleur)
{
    if (couleur == CouleurChoisie)
        return;
    const int ancienne = CouleurChoisie;
    CouleurChoisie = couleur;
    update(disposition_.Case(ancienne));
    update(disposition_.Case(couleur));
    update(disposition_.Temoin());
}

void TFChoixCouleur::mousePressEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton) {
        const int i = disposition_.CaseSous(evenement->position().toPoint());
        if (i >= 0)
            Selectionne(i);
    }
    QDialog::mousePressEvent(evenement);
}

bool TFChoixCouleur::DeplaceParFleche(int touche)
{
    Fleche direction;
    switch (touche) {
    case Qt::Key_Left: direction = Fleche::Gauche; break;
    case Qt::Key_Right: direction = Fleche::Droite; break;
    case Qt::Key_Up: direction = Fleche::Haut; break;
    case Qt::Key_Down: direction = Fleche::Bas; break;
    default: return false;
    }
    const int nouvelle =
        DeplaceSelection(CouleurChoisie, direction, disposition_.colonnes, disposition_.nombre);
    if (nouvelle == CouleurChoisie)
        return false;
    Selectionne(nouvelle);
    return true;
}

void TFChoixCouleur::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->modifiers() == Qt::NoModifier || evenement->modifiers() == Qt::KeypadModifier)
        if (DeplaceParFleche(evenement->key()))
            return;
    QDialog::keyPressEvent(evenement);
}

bool TFChoixCouleur::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::KeyPress) {
        auto* touche = static_cast<QKeyEvent*>(evenement);
        // A key that moved the selection goes no further; one that did not (a grid of one
        // row has nowhere to go up) is left to the control.
        if ((touche->modifiers() == Qt::NoModifier || touche->modifiers() == Qt::KeypadModifier) &&
            DeplaceParFleche(touche->key()))
            return true;
    }
    return QDialog::eventFilter(objet, evenement);
}

void TFChoixCouleur::accept()
{
    couche_->interpretText();
    resultat_ = true;
    CoucheChoisie = couche_->value();
    QDialog::accept();
}

// The Cancel button, Escape and the close box.
void TFChoixCouleur::reject()
{
    resultat_ = false;
    QDialog::reject();
}

} // namespace velk
