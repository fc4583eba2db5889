// Main window construction: the tabs, the status bar, the core objects created once, the
// editor's indicators and the status panels.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "construction/moteur_construction.h"
#include "view/recherche.h"
#include "language/interprete.h"
#include "language/pas_a_pas.h"
#include "shell/autosauvegarde.h"
#include "shell/liste_messages_vue.h"
#include "shell/memoire_session.h"
#include "shell/modele_table.h"
#include "shell/zone_menu.h"
#include "shell/widgets/apropos.h"
#include "shell/widgets/editeur.h"
#include "shell/widgets/lignes_editeur.h"
#include "shell/widgets/options.h"
#include "shell/widgets/recherche.h"
#include "store/module_donnee.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"
#include "language/texte_programme.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QSplitter>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace velk {

namespace {

// The hourglass while a run lasts. Nested uses stack, as Qt's override cursor does.
class CurseurOccupe : public IndicateurOccupe {
public:
    void Debut() override { QApplication::setOverrideCursor(Qt::WaitCursor); }
    void Fin() override { QApplication::restoreOverrideCursor(); }
};

} // namespace

TFPrincipale::TFPrincipale(Dialogues& dialogues, const QString& dossierProgramme,
                           const QString& titreApplication, QWidget* parent)
    : QMainWindow(parent), dialogues_(dialogues), dossierProgramme_(dossierProgramme),
      titreApplication_(titreApplication)
{
    setObjectName(QStringLiteral("TFPrincipale"));
    resize(1024, 720);

    autoSauvegarde_ = new AutoSauvegarde(
        dossierProgramme_, dialogues_, [this] { return lignes_ && lignes_->Modifie(); },
        [this] {
            // The autosave is written like the document, without changing how it is saved.
            Encodage encodage = encodage_;
            return ContenuFichier(encodage);
        },
        this);
    autoSauvegarde_->setObjectName(QStringLiteral("TempoSauvegarde"));
    // A second instance on the same folder keeps its tables in memory, so that it never
    // empties nor rewrites the table files of the first one.
    const bool premier = autoSauvegarde_->PrendVerrou();
    // The data module and the view state come right after the window's own state: the
    // drawing surface needs both.
    donnees_ = std::make_unique<TModuleDonnee>(premier ? dossierProgramme_.toStdString()
                                                       : std::string());
    vue_ = std::make_unique<EtatVue>();

    CreeOnglets();
    CreeBarreEtat();

    lignes_ = std::make_unique<LignesEditeur>(*editeur_);
    donnees_->SetObservateur([this] { TablesChangees(); });
    vue_->SetObservateur([this] { MajBoutonsHistorique(); });
    occupe_ = std::make_unique<CurseurOccupe>();
    interprete_ = std::make_unique<Interprete>(*donnees_, *messages_, *dessin_, *occupe_);
    recherche_ = std::make_unique<Recherche>(*editeur_, dialogues_, this);
    pointage_ = std::make_unique<RechercheElements>(*donnees_, vue_->VueEcran(), visibilite_);
    moteur_ = std::make_unique<MoteurConstruction>(*this, dialogues_);
    for (int g = 0; g < 4; ++g) {
        modeles_[size_t(g)] = std::make_unique<ModeleTable>(*donnees_, GenreTable(g));
        QTableView* grille = grilles_[size_t(g)];
        grille->setModel(modeles_[size_t(g)].get());
    }

    CreeActions();
    CreeMenus();
    CreeBarreOutil();
    ConnecteEditeur();
    CreePasAPas();
    ChargeSession();

    options_ = new TFOptions(this);
    about_ = new TFAbout(this);

    ChangeNomFichier(QStringLiteral("SansNom"));
    ProgrammeNeuf();
    AfficheModifie(false);
    AfficheRemplacement();

    // The window sees keys before its controls (Escape ends any interaction of the graphic
    // tab, whatever widget has the focus).
    qApp->installEventFilter(this);
}

TFPrincipale::~TFPrincipale()
{
    qApp->removeEventFilter(this);
    // The models and the drawing read the tables: detach them before the tables go.
    donnees_->SetObservateur({});
    for (QTableView* g : grilles_)
        g->setModel(nullptr);
}

ListeLignes& TFPrincipale::Lignes()
{
    return *lignes_;
}

void TFPrincipale::CreeOnglets()
{
    dossier_ = new QTabWidget(this);
    dossier_->setObjectName(QStringLiteral("Dossier"));
    setCentralWidget(dossier_);
    // The window's minimum follows from this and from the status bar's panels.
    dossier_->setMinimumSize(560, 360);

    // Graphique: the palettes on the left, the drawing, the prompt strip below.
    ongletGraph_ = new QWidget;
    ongletGraph_->setObjectName(QStringLiteral("OngletGraph"));
    auto* graph = new QVBoxLayout(ongletGraph_);
    graph->setContentsMargins(0, 0, 0, 0);
    graph->setSpacing(0);
    auto* rangee = new QHBoxLayout;
    rangee->setSpacing(0);
    zoneMenu_ = new ZoneMenu;
    zoneGraphique_ = new QWidget;
    zoneGraphique_->setObjectName(QStringLiteral("ZoneGraphique"));
    auto* cadre = new QVBoxLayout(zoneGraphique_);
    cadre->setContentsMargins(0, 0, 0, 0);
    dessin_ = new Dessin(*vue_, *donnees_, visibilite_);
    cadre->addWidget(dessin_);
    rangee->addWidget(zoneMenu_);
    rangee->addWidget(zoneGraphique_, 1);
    graph->addLayout(rangee, 1);
    zoneQR_ = new QLabel;
    zoneQR_->setObjectName(QStringLiteral("ZoneQR"));
    zoneQR_->setFixedHeight(26);
    zoneQR_->setFrameShape(QFrame::StyledPanel);
    zoneQR_->setFrameShadow(QFrame::Sunken);
    graph->addWidget(zoneQR_);
    dossier_->addTab(ongletGraph_, QStringLiteral("Graphique"));

    // Texte: the editor over the message list.
    ongletText_ = new QWidget;
    ongletText_->setObjectName(QStringLiteral("OngletText"));
    auto* texte = new QVBoxLayout(ongletText_);
    texte->setContentsMargins(0, 0, 0, 0);
    auto* partage = new QSplitter(Qt::Vertical);
    partage->setObjectName(QStringLiteral("PartageTexte"));
    partageTexte_ = partage;
    editeur_ = new Editeur;
    editeur_->setObjectName(QStringLiteral("Editeur"));
    messages_ = new ListeMessagesVue;
    messages_->setObjectName(QStringLiteral("ListeMessages"));
    messages_->hide();
    partage->addWidget(editeur_);
    partage->addWidget(messages_);
    partage->setStretchFactor(0, 4);
    partage->setStretchFactor(1, 1);
    texte->addWidget(partage);
    dossier_->addTab(ongletText_, QStringLiteral("Texte"));
    connect(messages_, &ListeMessagesVue::ItemChoisi, this, &TFPrincipale::AfficheLigneMessage);

    // DozoZur: the four grids.
    ongletDozoZur_ = new QWidget;
    ongletDozoZur_->setObjectName(QStringLiteral("OngletDozoZur"));
    auto* tables = new QVBoxLayout(ongletDozoZur_);
    tables->setContentsMargins(2, 2, 2, 2);
    auto* colonnes = new QSplitter(Qt::Horizontal);
    auto* gauche = new QSplitter(Qt::Vertical);
    auto* droite = new QSplitter(Qt::Vertical);
    static const char* const kNoms[] = {"GrillePoint", "GrilleLigne", "GrilleCercle",
                                        "GrilleVariable"};
    static const char* const kTitres[] = {"Points", "Lignes", "Cercles", "Variables"};
    for (int g = 0; g < 4; ++g) {
        auto* boite = new QGroupBox(QString::fromLatin1(kTitres[g]));
        auto* l = new QVBoxLayout(boite);
        l->setContentsMargins(2, 2, 2, 2);
        auto* grille = new QTableView;
        grille->setObjectName(QString::fromLatin1(kNoms[g]));
        grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grille->setSelectionBehavior(QAbstractItemView::SelectRows);
        grille->setAlternatingRowColors(true);
        grille->setWordWrap(false);
        // Fixed row heights let the view place 65 536 rows without measuring any.
        grille->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grille->verticalHeader()->setDefaultSectionSize(grille->fontMetrics().height() + 6);
        grille->verticalHeader()->hide();
        // Columns are fitted to their contents at each refresh; one the user narrows shows
        // the start of its numbers and "…", never digits of the middle or the end alone.
        grille->setTextElideMode(Qt::ElideRight);
        l->addWidget(grille);
        grilles_[size_t(g)] = grille;
        (g == 0 || g == 3 ? gauche : droite)->addWidget(boite);
    }
    colonnes->addWidget(gauche);
    colonnes->addWidget(droite);
    // The points need the room of the lines and circles: half the width each.
    colonnes->setStretchFactor(0, 1);
    colonnes->setStretchFactor(1, 1);
    tables->addWidget(colonnes);
    dossier_->addTab(ongletDozoZur_, QStringLiteral("DozoZur"));

    connect(dossier_, &QTabWidget::currentChanged, this, &TFPrincipale::OngletChange);
    dossier_->installEventFilter(this);
    editeur_->viewport()->installEventFilter(this);
    dossier_->tabBar()->installEventFilter(this);

    connect(zoneMenu_, &ZoneMenu::ZoomPrecedentClick, this, &TFPrincipale::ZoomPrecedent);
    connect(zoneMenu_, &ZoneMenu::ZoomSuivantClick, this, &TFPrincipale::ZoomSuivant);
    connect(zoneMenu_, &ZoneMenu::CadrageClick, this, &TFPrincipale::CadrageClick);
    connect(zoneMenu_, &ZoneMenu::CouleurClick, this, &TFPrincipale::BtnCouleurClick);
    connect(zoneMenu_, &ZoneMenu::VisibleClick, this, &TFPrincipale::BtnVisibleClick);
    // The engine is created after the tabs: the connections reach it through this.
    connect(zoneMenu_, &ZoneMenu::RetourMenuGeneral, this, [this] {
        moteur_->InitAppli();
        moteur_->ArmeOutil();
    });
    connect(zoneMenu_, &ZoneMenu::ModeBascule, this,
            [this](int mode, bool enfonce) { moteur_->BtnModeClick(ModeSouris(mode), enfonce); });
    connect(zoneMenu_, &ZoneMenu::OutilClick, this,
            [this](int outil, bool enfonce) { moteur_->BtnOutilClick(outil, enfonce); });
    connect(dessin_, &Dessin::sourisEnfoncee, this,
            [this](int c, int l, Qt::MouseButton b, Qt::KeyboardModifiers) {
                if (b == Qt::LeftButton)
                    DessinMouseDown(c, l);
            });
    connect(dessin_, &Dessin::sourisDeplacee, this,
            [this](int c, int l, Qt::MouseButtons, Qt::KeyboardModifiers) { DessinMouseMove(c, l); });
    connect(dessin_, &Dessin::sourisRelachee, this,
            [this](int c, int l, Qt::MouseButton b, Qt::KeyboardModifiers) {
                if (b == Qt::LeftButton)
                    DessinMouseUp(c, l);
            });
}

void TFPrincipale::CreeBarreEtat()
{
    QStatusBar* barre = statusBar();
    barre->setObjectName(QStringLiteral("BarreEtat"));
    barre->setSizeGripEnabled(true);
    static const int kLargeurs[] = {200, 100, 100, 50};
    // Each panel is at least as wide as the longest text it usually shows in the font in
    // use, so that a larger font never cuts a text or lets it run into its neighbour.
    const QStringList echantillons[] = {
        {Editeur::TextePosition(99999, 999), TexteCoordonnees(-9999999, -9999999)},
        {Editeur::TexteModifie(true)},
        {QStringLiteral("Lecture seule"), Editeur::TexteRemplacement(true), Editeur::TexteRemplacement(false)},
        {QStringLiteral("CCCC*")}};
    for (int i = 0; i < 4; ++i) {
        auto* panneau = new QLabel;
        panneau->setObjectName(QStringLiteral("Panneau%1").arg(i));
        panneau->setFrameShape(QFrame::Panel);
        panneau->setFrameShadow(QFrame::Sunken);
        int largeur = kLargeurs[i];
        const int bords = 2 * panneau->frameWidth() + 2 * panneau->margin() + 6;
        for (const QString& texte : echantillons[i])
            largeur = std::max(largeur, panneau->fontMetrics().horizontalAdvance(texte) + bords);
        panneau->setFixedWidth(largeur);
        // Ordinary (not permanent) widgets: a hint shown with showMessage hides them all and
        // they come back when the hint is cleared.
        barre->addWidget(panneau);
        panneaux_[size_t(i)] = panneau;
    }
    avisErreurs_ = new QPushButton;
    avisErreurs_->setObjectName(QStringLiteral("AvisErreurs"));
    avisErreurs_->setFlat(true);
    avisErreurs_->setCursor(Qt::PointingHandCursor);
    avisErreurs_->setStyleSheet(QStringLiteral("color: #b00000;"));
    avisErreurs_->hide();
    barre->addPermanentWidget(avisErreurs_);
    connect(avisErreurs_, &QPushButton::clicked, this, &TFPrincipale::MontreErreursClick);
    AjusteBarreEtat();
}

void TFPrincipale::AjusteBarreEtat()
{
    // The status bar does not count its widgets in its minimum size, so a narrow window
    // would pile them over each other: its minimum is set to what they need side by side.
    QStatusBar* barre = statusBar();
    int largeur = 40; // size grip and margins
    for (QLabel* panneau : panneaux_)
        largeur += panneau->width() + 8;
    if (!avisErreurs_->isHidden())
        largeur += avisErreurs_->sizeHint().width() + 8;
    if (etatPasAPas_ && !etatPasAPas_->isHidden())
        largeur += etatPasAPas_->sizeHint().width() + 8;
    barre->setMinimumWidth(largeur);
}

void TFPrincipale::ConnecteEditeur()
{
    connect(editeur_, &Editeur::PositionChangee, this, [this](const QString& t) { SetPanneau(0, t); });
    connect(editeur_, &Editeur::ModifieChange, this, &TFPrincipale::AfficheModifie);
    connect(editeur_, &Editeur::RemplacementChange, this, [this](bool) { AfficheRemplacement(); });
    connect(editeur_, &Editeur::LectureSeuleChange, this, [this](bool) { AfficheRemplacement(); });
    connect(editeur_, &Editeur::ToucheRefusee, this, [this] { dialogues_.Bip(); });
    connect(editeur_, &Editeur::SelectionChangee, this, [this](bool presente) {
        for (const char* nom : {"MenuCouper", "MenuCopier", "MenuSupprimer"})
            Action(QString::fromLatin1(nom))->setEnabled(presente);
    });
    connect(editeur_, &Editeur::DefaireDisponible, Action(QStringLiteral("MenuDefaire")),
            &QAction::setEnabled);
    connect(editeur_, &Editeur::RefaireDisponible, Action(QStringLiteral("MenuRefaire")),
            &QAction::setEnabled);
    connect(editeur_, &Editeur::CollerDisponible, Action(QStringLiteral("MenuColler")),
            &QAction::setEnabled);
    editeur_->RafraichitIndicateurs();
}

QString TFPrincipale::Panneau(int i) const
{
    return i >= 0 && i < 4 ? panneaux_[size_t(i)]->text() : QString();
}

void TFPrincipale::SetPanneau(int i, const QString& texte)
{
    panneaux_[size_t(i)]->setText(texte);
}

void TFPrincipale::AfficheModifie(bool modifie)
{
    SetPanneau(1, Editeur::TexteModifie(modifie));
}

void TFPrincipale::AfficheRemplacement()
{
    // A read-only text can be neither typed over nor inserted into: the panel says why keys
    // do nothing.
    SetPanneau(2, editeur_->isReadOnly() ? QStringLiteral("Lecture seule")
                                         : Editeur::TexteRemplacement(editeur_->ModeRemplacement()));
}

} // namespace velk
