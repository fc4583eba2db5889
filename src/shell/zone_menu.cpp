// Palettes of the graphic tab: the buttons of each palette with their hints, groups and
// enabled states, and the switches between palettes.
#include "shell/zone_menu.h"

#include "shell/glyphes_palette.h"

#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace velk {

namespace {

struct Outil {
    int numero;
    const char* nom;
    const char* texte;
    const char* indice;
    bool actif;
};

// Construction tools 1 to 10 and dimensioning tools 11 to 14.
const Outil kOutilsConstruction[] = {
    {1, "BtnPoint", "Point", "Point", true},
    {2, "BtnInter", "Intersection", "Intersection", true},
    {3, "BtnLigne", "Droite", "Droite", true},
    {4, "BtnSegment", "Segment", "Segment", true},
    {5, "BtnCercle", "Cercle", "Cercle", true},
    {6, "BtnArc", "Arc", "Arc", true},
    {7, "BtnArc3", "Arc3", "Arc3", true},
    {8, "BtnRotation", "Rotation", "Rotation", true},
    {9, "BtnSymetrie", "Symètrie", "Symètrie", true},
    {10, "BtnTexte", "Texte", "Texte", false},
};
const Outil kOutilsCotation[] = {
    {11, "BtnCoteH", "Cote H", "", true},
    {12, "BtnCoteV", "Cote V", "", true},
    {13, "BtnCoteRef", "Cote réf.", "", true},
    {14, "BtnCoteSuiv", "Cote suiv.", "", true},
};

constexpr int kLargeurPalette = 140;

} // namespace

ZoneMenu::ZoneMenu(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ZoneMenu"));
    // The column scrolls when the window is too short for a palette, so that the palettes
    // never set the window's least height.
    auto* defilement = new QScrollArea(this);
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    defilement->setWidgetResizable(true);
    auto* contenu = new QWidget;
    contenu->setFixedWidth(kLargeurPalette);
    auto* externe = new QVBoxLayout(this);
    externe->setContentsMargins(0, 0, 0, 0);
    externe->addWidget(defilement);
    auto* pile = new QVBoxLayout(contenu);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(0);
    for (int p = 0; p < 4; ++p) {
        palettes_[size_t(p)] = CreePalette(Palette(p));
        pile->addWidget(palettes_[size_t(p)]);
    }
    // The canonical-form buttons of all palettes share the general palette's mode group.
    std::vector<QToolButton*> groupeGeneral = {communs_[0].selection, communs_[0].gomme,
                                               communs_[0].zoom};
    for (const Commun& c : communs_)
        groupeGeneral.push_back(c.fcanon);
    Exclusif(groupeGeneral);
    for (int p = 1; p < 4; ++p) {
        const Commun& c = communs_[size_t(p)];
        Exclusif({c.selection, c.gomme, c.zoom});
    }
    AffichePalette(MenuGeneral);
    defilement->setWidget(contenu);
    setFixedWidth(kLargeurPalette + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

QToolButton* ZoneMenu::AjouteBouton(QVBoxLayout* colonne, const QString& nom,
                                    const QString& texte, const QString& indice, bool bascule,
                                    bool actif)
{
    auto* b = new QToolButton;
    b->setObjectName(nom);
    b->setText(texte);
    b->setToolTip(indice);
    b->setStatusTip(indice);
    // Assistive tools name a button by its hint, or by its caption when it has none.
    b->setAccessibleName(indice.isEmpty() ? texte : indice);
    b->setCheckable(bascule);
    b->setEnabled(actif);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setIcon(GlyphePalette(nom));
    b->setIconSize(QSize(16, 16));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setFocusPolicy(Qt::NoFocus);
    colonne->addWidget(b);
    if (bascule)
        bascules_.push_back(b);
    return b;
}

void ZoneMenu::AjouteCommuns(QVBoxLayout* colonne, int suffixe)
{
    Commun& c = communs_[size_t(suffixe - 1)];
    const QString s = QString::number(suffixe);
    c.selection = AjouteBouton(colonne, "BtnSelection" + s, "Sélection", "Selection", true);
    c.gomme = AjouteBouton(colonne, "BtnGomme" + s, "Gomme", "Gomme", true, false);
    c.cadrage = AjouteBouton(colonne, "BtnCadrage" + s, "Cadrage", "Cadrage", false);
    c.zoom = AjouteBouton(colonne, "BtnZoom" + s, "Zoom", "Zoom", true);
    c.precedent = AjouteBouton(colonne, "BtnZoomPrecedent" + s, "Zoom précédent",
                               "Zoom précédent", false, false);
    c.suivant = AjouteBouton(colonne, "BtnZoomSuivant" + s, "Zoom suivant", "Zoom suivant",
                             false, false);
    const QString couleur = suffixe == 1 ? QStringLiteral("Couleur / Couche")
                                         : QStringLiteral("Couleur");
    c.couleur = AjouteBouton(colonne, "BtnCouleur" + s, couleur, couleur, false);
    c.visible = AjouteBouton(colonne, "BtnVisible" + s, "Visible", "Visible", false);
    c.fcanon = AjouteBouton(colonne, "BtnFCanon" + s, "Formes canon.", "Formes canoniques", true);

    connect(c.gomme, &QToolButton::clicked, this, [this](bool b) { emit ModeBascule(2, b); });
    connect(c.zoom, &QToolButton::clicked, this, [this](bool b) { emit ModeBascule(3, b); });
    connect(c.fcanon, &QToolButton::clicked, this, [this](bool b) { emit ModeBascule(4, b); });
    connect(c.precedent, &QToolButton::clicked, this, &ZoneMenu::ZoomPrecedentClick);
    connect(c.suivant, &QToolButton::clicked, this, &ZoneMenu::ZoomSuivantClick);
    connect(c.cadrage, &QToolButton::clicked, this, &ZoneMenu::CadrageClick);
    connect(c.couleur, &QToolButton::clicked, this, &ZoneMenu::CouleurClick);
    connect(c.visible, &QToolButton::clicked, this, &ZoneMenu::VisibleClick);
}

QWidget* ZoneMenu::CreePalette(Palette p)
{
    static const char* const kNoms[] = {"MenuGeneral", "MenuConstruction", "MenuCotation",
                                        "MenuChainer"};
    auto* palette = new QWidget;
    palette->setObjectName(QString::fromLatin1(kNoms[p]));
    auto* colonne = new QVBoxLayout(palette);
    colonne->setContentsMargins(2, 2, 2, 2);
    colonne->setSpacing(1);

    switch (p) {
    case MenuGeneral: {
        QToolButton* construction =
            AjouteBouton(colonne, "BtnConstruction", "Construction", "Construction", false);
        QToolButton* cotation =
            AjouteBouton(colonne, "BtnCotation", "Cotation", "Cotation", false, false);
        QToolButton* chainer = AjouteBouton(colonne, "BtnChainer", "Chainer", "Chainer", false);
        connect(construction, &QToolButton::clicked, this,
                [this] { QuitteMenuGeneral(MenuConstruction); });
        connect(cotation, &QToolButton::clicked, this,
                [this] { QuitteMenuGeneral(MenuCotation); });
        connect(chainer, &QToolButton::clicked, this,
                [this] { QuitteMenuGeneral(MenuChainer); });
        break;
    }
    case MenuConstruction:
    case MenuCotation: {
        std::vector<QToolButton*> outils;
        const bool construction = p == MenuConstruction;
        const Outil* debut = construction ? std::begin(kOutilsConstruction)
                                          : std::begin(kOutilsCotation);
        const Outil* fin = construction ? std::end(kOutilsConstruction)
                                        : std::end(kOutilsCotation);
        for (const Outil* o = debut; o != fin; ++o) {
            QToolButton* b = AjouteBouton(colonne, QString::fromLatin1(o->nom),
                                          QString::fromUtf8(o->texte),
                                          QString::fromUtf8(o->indice), true, o->actif);
            const int numero = o->numero;
            connect(b, &QToolButton::clicked, this,
                    [this, numero](bool enfonce) { emit OutilClick(numero, enfonce); });
            outils.push_back(b);
            outils_[size_t(numero)] = b;
        }
        if (construction) {
            Exclusif(outils);
        } else {
            Exclusif({outils[0], outils[1]});
            Exclusif({outils[2], outils[3]});
        }
        break;
    }
    case MenuChainer: {
        QToolButton* debutForme =
            AjouteBouton(colonne, "BtnDebutForme", "Début de forme", "Début de forme", false);
        QToolButton* finForme =
            AjouteBouton(colonne, "BtnFinForme", "Fin de forme", "Fin de forme", false, false);
        // The chaining palette stays shown, behind the construction palette.
        connect(debutForme, &QToolButton::clicked, this,
                [this] { QuitteMenuGeneral(MenuConstruction); });
        connect(finForme, &QToolButton::clicked, this,
                [this] { QuitteMenuGeneral(MenuChainer); });
        break;
    }
    }
    if (p != MenuGeneral) {
        QToolButton* retour = AjouteBouton(colonne, "BtnMenuGeneral" + QString::number(p + 1),
                                           "Menu général", "Menu général", false);
        connect(retour, &QToolButton::clicked, this, &ZoneMenu::RetourGeneral);
    }
    colonne->addSpacing(8);
    AjouteCommuns(colonne, int(p) + 1);
    colonne->addStretch(1);
    return palette;
}

void ZoneMenu::Exclusif(const std::vector<QToolButton*>& groupe)
{
    // Like an exclusive button group, except that the pressed button may be released again
    // so that the whole group can be up.
    for (QToolButton* b : groupe) {
        connect(b, &QToolButton::toggled, this, [b, groupe](bool enfonce) {
            if (!enfonce)
                return;
            for (QToolButton* autre : groupe)
                if (autre != b && autre->isChecked())
                    autre->setChecked(false);
        });
    }
}

void ZoneMenu::AffichePalette(Palette p)
{
    montrees_.fill(false);
    montrees_[size_t(p)] = true;
    visible_ = p;
    MontrePalettes();
}

void ZoneMenu::QuitteMenuGeneral(Palette p)
{
    montrees_[MenuGeneral] = false;
    montrees_[size_t(p)] = true;
    visible_ = p;
    MontrePalettes();
}

void ZoneMenu::RetourGeneral()
{
    AffichePalette(MenuGeneral);
    emit RetourMenuGeneral();
}

void ZoneMenu::MontrePalettes()
{
    // Each palette fills the column: only the one in front is on screen.
    for (int i = 0; i < 4; ++i)
        palettes_[size_t(i)]->setVisible(i == int(visible_));
}

void ZoneMenu::SetPrecedentActif(bool actif)
{
    for (const Commun& c : communs_)
        c.precedent->setEnabled(actif);
}

void ZoneMenu::SetSuivantActif(bool actif)
{
    for (const Commun& c : communs_)
        c.suivant->setEnabled(actif);
}

bool ZoneMenu::PrecedentActif() const
{
    return communs_[0].precedent->isEnabled();
}

bool ZoneMenu::SuivantActif() const
{
    return communs_[0].suivant->isEnabled();
}

void ZoneMenu::RelacheTout()
{
    for (QToolButton* b : bascules_)
        b->setChecked(false);
}

void ZoneMenu::RelacheZoom()
{
    for (const Commun& c : communs_)
        c.zoom->setChecked(false);
}

void ZoneMenu::RelacheMode(int mode)
{
    for (const Commun& c : communs_) {
        QToolButton* b = mode == 1 ? c.selection : mode == 2 ? c.gomme : mode == 3 ? c.zoom
                       : mode == 4 ? c.fcanon : nullptr;
        if (b)
            b->setChecked(false);
    }
}

void ZoneMenu::RelacheOutil(int outil)
{
    if (outil > 0 && outil < int(outils_.size()) && outils_[size_t(outil)])
        outils_[size_t(outil)]->setChecked(false);
}

bool ZoneMenu::OutilEnfonce(int outil) const
{
    return outil > 0 && outil < int(outils_.size()) && outils_[size_t(outil)] &&
           outils_[size_t(outil)]->isChecked();
}

bool ZoneMenu::ZoomEnfonce() const
{
    for (const Commun& c : communs_)
        if (c.zoom->isChecked())
            return true;
    return false;
}

QToolButton* ZoneMenu::Bouton(const QString& nom) const
{
    return palettes_[size_t(visible_)]->findChild<QToolButton*>(nom);
}

} // namespace velk
