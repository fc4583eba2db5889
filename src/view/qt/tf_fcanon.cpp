// The canonical-form window: fixed rows at fixed heights, shown or hidden by kind.
#include "view/qt/tf_fcanon.h"

#include "view/qt/cadres.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace velk {

namespace {

constexpr int Largeur = 360;
constexpr int GaucheTitre = 16;
constexpr int GaucheValeur = 144;
constexpr int HauteurRang = 24;

struct Rang {
    const char* titre;
    const char* valeur;
    int haut;
    const char* texteFixe; // the titles that do not change with the kind
};

const Rang kRangs[NombreRangsForme] = {
    {"TitreNum", "ValeurNum", 10, nullptr},
    {"TitreCouleur", "ValeurCouleur", 48, "Couleur :"},
    {"TitreCouche", "ValeurCouche", 72, "Couche :"},
    {"TitreX", "ValeurX", 112, nullptr},
    {"TitreY", "ValeurY", 136, nullptr},
    {"TitreRayon", "ValeurRayon", 160, nullptr},
    {"TitreXDebut", "ValeurXDebut", 200, "X de début :"},
    {"TitreYDebut", "ValeurYDebut", 224, "Y de début :"},
    {"TitreXFin", "ValeurXFin", 264, "X de fin :"},
    {"TitreYFin", "ValeurYFin", 288, "Y de fin :"},
    {"TitreAngleDebut", "ValeurAngleDebut", 328, "Angle de début :"},
    {"TitreAngleFin", "ValeurAngleFin", 352, "Angle de fin :"},
};

const char* const kCadres[NombreCadresForme] = {"Bevel1",    "CadreClCc", "CadreXY",
                                                "CadreXdYd", "CadreXfYf", "CadreAdAf"};

// Each frame starts a little above its first row and holds its rows.
int PremierRang(CadreForme cadre)
{
    for (int r = 0; r < NombreRangsForme; ++r)
        if (CadreDuRang(RangForme(r)) == cadre)
            return r;
    return 0;
}

int NombreRangs(CadreForme cadre)
{
    int n = 0;
    for (int r = 0; r < NombreRangsForme; ++r)
        n += CadreDuRang(RangForme(r)) == cadre ? 1 : 0;
    return n;
}

} // namespace

TFFCanon::TFFCanon(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FFCanon"));
    setWindowTitle(QStringLiteral("Formes canoniques"));
    setModal(true);

    // Frames first, so that the labels lie over them.
    for (int c = 0; c < NombreCadresForme; ++c) {
        auto* cadre = new QFrame(this);
        cadre->setObjectName(QString::fromLatin1(kCadres[c]));
        cadre->setFrameShape(QFrame::StyledPanel);
        cadre->setFrameShadow(QFrame::Sunken);
        const int premier = PremierRang(CadreForme(c));
        cadre->setGeometry(8, kRangs[premier].haut - 8, Largeur - 16,
                           NombreRangs(CadreForme(c)) * HauteurRang + 9);
        cadres_[size_t(c)] = cadre;
    }
    QFont gras = font();
    gras.setBold(true);
    for (int r = 0; r < NombreRangsForme; ++r) {
        auto* titre = new QLabel(this);
        titre->setObjectName(QString::fromLatin1(kRangs[r].titre));
        titre->setFont(gras);
        titre->setGeometry(GaucheTitre, kRangs[r].haut, GaucheValeur - GaucheTitre - 4, 18);
        if (kRangs[r].texteFixe)
            titre->setText(QString::fromUtf8(kRangs[r].texteFixe));
        auto* valeur = new QLabel(this);
        valeur->setObjectName(QString::fromLatin1(kRangs[r].valeur));
        valeur->setGeometry(GaucheValeur, kRangs[r].haut, Largeur - GaucheValeur - 16, 18);
        // Selectable with the mouse, never the focus: Ctrl+C always copies the whole form.
        valeur->setTextInteractionFlags(Qt::TextSelectableByMouse);
        valeur->setFocusPolicy(Qt::NoFocus);
        titres_[size_t(r)] = titre;
        valeurs_[size_t(r)] = valeur;
    }
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BitBtnOk"));
    ok_->setAccessibleName(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->resize(75, 25);
    connect(ok_, &QPushButton::clicked, this, &TFFCanon::accept);
}

void TFFCanon::Remplit(const ContenuFormeCanonique& forme)
{
    forme_ = forme;
    setFixedSize(Largeur, forme.hauteur);
    ok_->move((Largeur - ok_->width()) / 2, forme.hauteur - 70);
    for (int r = 0; r < NombreRangsForme; ++r) {
        const LigneForme& ligne = forme.rangs[size_t(r)];
        QLabel* titre = titres_[size_t(r)];
        QLabel* valeur = valeurs_[size_t(r)];
        if (!kRangs[r].texteFixe && ligne.visible)
            titre->setText(ligne.titre);
        valeur->setText(ligne.valeur);
        titre->setVisible(ligne.visible);
        valeur->setVisible(ligne.visible);
    }
    for (int c = 0; c < NombreCadresForme; ++c)
        cadres_[size_t(c)]->setVisible(forme.CadreVisible(CadreForme(c)));
    QFrame* xy = cadres_[size_t(CadreXY)];
    xy->resize(xy->width(), forme.hauteurCadreXY);
}

void TFFCanon::AfficheFormeCanonique(const ContenuFormeCanonique& forme)
{
    Remplit(forme);
    if (forme.centre)
        CentreSurEcran(*this);
    ok_->setFocus();
    exec();
}

void TFFCanon::Copie() const
{
    if (QClipboard* pressePapiers = QGuiApplication::clipboard())
        pressePapiers->setText(forme_.TexteCopie());
}

void TFFCanon::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->matches(QKeySequence::Copy)) {
        Copie();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

} // namespace velk
