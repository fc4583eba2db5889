// The visibility dialog: cells painted as bevels, toggled by the mouse.
#include "view/qt/tf_choix_visible.h"

#include "view/qt/cadres.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace velk {

namespace {

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setAccessibleName(QString(texte).remove(QLatin1Char('&')));
    b->resize(75, 25);
    return b;
}

} // namespace

TFChoixVisible::TFChoixVisible(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FChoixVisible"));
    setWindowTitle(QStringLiteral("Choix des éléments visibles"));
    setModal(true);
    ok_ = Bouton(this, "BtnOk", QStringLiteral("&Ok"));
    ok_->setDefault(true);
    annule_ = Bouton(this, "BtnCancel", QStringLiteral("&Annule"));
    connect(ok_, &QPushButton::clicked, this, &TFChoixVisible::accept);
    connect(annule_, &QPushButton::clicked, this, &TFChoixVisible::reject);
    PrepareVisible(8, 2, NombreCouches);
}

void TFChoixVisible::PrepareVisible(int colonnes, int rangees, int couches)
{
    disposition_ = DisposeChoixVisible(colonnes, rangees, couches);
    const DispositionVisible& d = disposition_;
    setFixedSize(d.largeur, d.hauteur);
    ok_->move(d.gaucheOk, d.hautBoutons);
    annule_->move(d.gaucheAnnule, d.hautBoutons);
    couleurs_ = PaletteGrille(d.colonnes, d.rangees);
    update();
}

void TFChoixVisible::Ouvre(TVisibilite& drapeaux)
{
    drapeaux_ = &drapeaux;
    session_.emplace(drapeaux);
    resultat_ = false;
    update();
}

bool TFChoixVisible::Execute(TVisibilite& drapeaux)
{
    Ouvre(drapeaux);
    exec();
    return resultat_;
}

void TFChoixVisible::showEvent(QShowEvent* evenement)
{
    CentreSurEcran(*this);
    QDialog::showEvent(evenement);
}

void TFChoixVisible::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const DispositionVisible& d = disposition_;
    const QColor face = palette().color(QPalette::Button);
    p.setPen(palette().color(QPalette::ButtonText));
    for (int i = 0; i < d.NombreCases(); ++i) {
        const QRect r = d.Case(i);
        const ItemVisible item = ItemDeCase(d, i);
        const bool couleur = item.genre == GenreVisible::Couleur;
        const CouleurRVB& c = couleur ? couleurs_[size_t(item.numero)] : CouleurRVB{};
        DessineCadre(p, r, 3, EstVisible(Drapeaux(), item), palette(),
                     couleur ? QColor(c.Rouge, c.Vert, c.Bleu) : face);
        if (couleur)
            continue;
        // Layer numbers a little left of the single kind letters.
        const int decalage = item.genre == GenreVisible::Couche ? 8 : 12;
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(QRect(r.left() + decalage, r.top() + 5, r.width() - decalage, r.height() - 5),
                   Qt::AlignLeft | Qt::AlignTop, TexteCase(item));
    }
}

void TFChoixVisible::mousePressEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton && session_) {
        const int i = disposition_.CaseSous(evenement->position().toPoint());
        if (i >= 0) {
            session_->Bascule(ItemDeCase(disposition_, i));
            repaint(disposition_.Case(i));
        }
    }
    QDialog::mousePressEvent(evenement);
}

void TFChoixVisible::Termine(FinDialogue fin)
{
    resultat_ = session_ ? session_->Termine(fin) : false;
    session_.reset();
    drapeaux_ = nullptr;
}

void TFChoixVisible::accept()
{
    Termine(FinDialogue::Ok);
    QDialog::accept();
}

// The Cancel button and Escape put the flags back; the close box arrives here too, through
// closeEvent, and keeps them.
void TFChoixVisible::reject()
{
    Termine(parFermeture_ ? FinDialogue::Fermeture : FinDialogue::Annule);
    QDialog::reject();
}

void TFChoixVisible::closeEvent(QCloseEvent* evenement)
{
    parFermeture_ = true;
    QDialog::closeEvent(evenement);
    parFermeture_ = false;
}

} // namespace velk
