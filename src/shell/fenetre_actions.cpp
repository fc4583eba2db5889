// The main window's commands: one action per command, created once and shared by the
// menus and the tool bar, with their shortcuts and status-bar hints.
#include "shell/tf_principale.h"

#include "shell/icones.h"

#include "shell/widgets/editeur.h"
#include "shell/widgets/recherche.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QMenuBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>

namespace velk {

QAction* TFPrincipale::NouvelleAction(const QString& nom, const QString& texte,
                                      const QKeySequence& touche, const QString& indice)
{
    auto* action = new QAction(texte, this);
    action->setObjectName(nom);
    if (!touche.isEmpty())
        action->setShortcut(touche);
    action->setStatusTip(indice);
    // The tool bar shows the short name as tooltip; the status bar shows the long hint.
    QString court = QString(texte).remove(QLatin1Char('&'));
    if (court.endsWith(QStringLiteral(" ...")))
        court.chop(4);
    action->setToolTip(court);
    actions_.insert(nom, action);
    return action;
}

QAction* TFPrincipale::Action(const QString& nom) const
{
    return actions_.value(nom, nullptr);
}

void TFPrincipale::CreeActions()
{
    // Fichier
    connect(NouvelleAction("MenuNouveau", "&Nouveau", QKeySequence(Qt::CTRL | Qt::Key_N),
                           "Crée un nouveau programme"),
            &QAction::triggered, this, &TFPrincipale::NouveauClick);
    connect(NouvelleAction("MenuOuvrir", "&Ouvrir ...", QKeySequence(Qt::CTRL | Qt::Key_O),
                           "Ouvre un programme existant"),
            &QAction::triggered, this, &TFPrincipale::OuvrirClick);
    connect(NouvelleAction("MenuEnregistrer", "&Enregistrer", QKeySequence(Qt::CTRL | Qt::Key_S),
                           "Enregistre le programme en cours"),
            &QAction::triggered, this, [this] { EnregistrerClick(); });
    connect(NouvelleAction("MenuEnregistrerSous", "Enregistrer &sous ...", QKeySequence(),
                           "Enregistre le programme en cours sous un nouveau nom"),
            &QAction::triggered, this, [this] { EnregistrersousClick(); });
    connect(NouvelleAction("MenuImporter", "I&mporter", QKeySequence(),
                           "Insère les instructions d'un autre programme"),
            &QAction::triggered, this, &TFPrincipale::ImporterClick);
    connect(NouvelleAction("MenuExporter", "E&xporter", QKeySequence(),
                           "Enregistre le dessin en image PNG, SVG, PDF ou DXF"),
            &QAction::triggered, this, &TFPrincipale::ExporterClick);
    connect(NouvelleAction("MenuImprimer", "&Imprimer ...", QKeySequence(Qt::CTRL | Qt::Key_P),
                           "Imprime le programme en cours"),
            &QAction::triggered, this, &TFPrincipale::ImprimerClick);
    connect(NouvelleAction("MenuConfigImpression", "&Configuration impression", QKeySequence(),
                           "Configure l'imprimante"),
            &QAction::triggered, this, &TFPrincipale::ConfigurationImpressionClick);
    connect(NouvelleAction("MenuQuitter", "&Quitter", QKeySequence(Qt::ALT | Qt::Key_X),
                           QString()),
            &QAction::triggered, this, &QWidget::close);

    // Edition: the editor's commands act on the text tab only, except undo.
    // The command is a plain function rather than a member pointer: with GCC 12 the address
    // sanitizer reports a stack underflow inside calls through a captured member pointer.
    const auto surTexte = [this](void (*commande)(Editeur&)) {
        return [this, commande] {
            if (dossier_->currentWidget() == ongletText_)
                commande(*editeur_);
        };
    };
    QAction* defaire = NouvelleAction("MenuDefaire", "&Défaire", QKeySequence(Qt::CTRL | Qt::Key_Z),
                                      "Annule l'action précédente");
    defaire->setEnabled(false);
    connect(defaire, &QAction::triggered, this, [this] { editeur_->Defaire(); });
    QAction* refaire = NouvelleAction("MenuRefaire", "&Refaire",
                                      QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z),
                                      QString());
    refaire->setEnabled(false);
    connect(refaire, &QAction::triggered, this, [this] { editeur_->Refaire(); });
    QAction* couper = NouvelleAction("MenuCouper", "&Couper", QKeySequence(Qt::CTRL | Qt::Key_X),
                                     "Coupe la sélection");
    connect(couper, &QAction::triggered, this, surTexte([](Editeur& e) { e.Couper(); }));
    QAction* copier = NouvelleAction("MenuCopier", "Co&pier", QKeySequence(Qt::CTRL | Qt::Key_C),
                                     "Copie la sélection dans le presse-papier");
    connect(copier, &QAction::triggered, this, surTexte([](Editeur& e) { e.Copier(); }));
    QAction* coller = NouvelleAction("MenuColler", "C&oller", QKeySequence(Qt::CTRL | Qt::Key_V),
                                     "Colle le presse-papier");
    connect(coller, &QAction::triggered, this, surTexte([](Editeur& e) { e.Coller(); }));
    QAction* supprimer = NouvelleAction("MenuSupprimer", "&Supprimer",
                                        QKeySequence(Qt::CTRL | Qt::Key_Delete),
                                        "Efface la sélection");
    connect(supprimer, &QAction::triggered, this, surTexte([](Editeur& e) { e.Supprimer(); }));
    connect(NouvelleAction("MenuToutSelectionner", "&Tout sélectionner", QKeySequence(),
                           "Sélectionne la totalité"),
            &QAction::triggered, this, surTexte([](Editeur& e) { e.ToutSelectionner(); }));
    for (QAction* a : {couper, copier, supprimer})
        a->setEnabled(false);

    // Chercher
    connect(NouvelleAction("MenuChercher", "&Chercher", QKeySequence(Qt::CTRL | Qt::Key_F),
                           "Recherche de texte"),
            &QAction::triggered, recherche_.get(), &Recherche::ChercherClick);
    connect(NouvelleAction("MenuRemplacer", "&Remplacer", QKeySequence(Qt::CTRL | Qt::Key_R),
                           "Remplacement de texte"),
            &QAction::triggered, recherche_.get(), &Recherche::RemplacerClick);
    connect(NouvelleAction("MenuOccurrenceSuivante", "&Occurrence suivante",
                           QKeySequence(Qt::Key_F3),
                           "Poursuite de la recherche ou du remplacement"),
            &QAction::triggered, recherche_.get(), &Recherche::DialogRechercherFind);

    // Ecran
    connect(NouvelleAction("MenuOrigine", "Origine", QKeySequence(Qt::Key_F4), QString()),
            &QAction::triggered, this, &TFPrincipale::ZoomOrigine);
    connect(NouvelleAction("MenuZoomMoins", "Zoom -", QKeySequence(Qt::Key_F5),
                           "Divise par 2 l'échelle"),
            &QAction::triggered, this, &TFPrincipale::ZoomMoins);
    connect(NouvelleAction("MenuZoomPlus", "Zoom +", QKeySequence(Qt::Key_F6),
                           "Multiplie par 2 l'échelle"),
            &QAction::triggered, this, &TFPrincipale::ZoomPlus);
    connect(NouvelleAction("MenuRedessine", "Redessine", QKeySequence(Qt::Key_F10), QString()),
            &QAction::triggered, this, &TFPrincipale::Redessine);

    // Exécuter
    connect(NouvelleAction("MenuExecuter", "Exéc&uter", QKeySequence(Qt::Key_F9), QString()),
            &QAction::triggered, this, &TFPrincipale::ExecuterClick);
    NouvelleAction("MenuPasAPas", "&Pas à pas", QKeySequence(Qt::Key_F8), QString());

    // Outils, Aide
    connect(NouvelleAction("MenuOptions", "&Options ...", QKeySequence(), QString()),
            &QAction::triggered, this, &TFPrincipale::OptionsClick);
    connect(NouvelleAction("MenuAPropos", "&A propos ...", QKeySequence(),
                           "Information sur le logiciel"),
            &QAction::triggered, this, &TFPrincipale::AProposClick);

    // Shortcuts act in the whole window, whichever widget has the focus.
    for (QAction* a : std::as_const(actions_)) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
}

void TFPrincipale::CreeMenus()
{
    QMenuBar* barre = menuBar();
    barre->setObjectName(QStringLiteral("MenuPrincipal"));
    const auto ajoute = [this](QMenu* menu, std::initializer_list<const char*> noms) {
        for (const char* nom : noms) {
            if (*nom == '-')
                menu->addSeparator();
            else
                menu->addAction(Action(QString::fromLatin1(nom)));
        }
    };
    QMenu* fichier = barre->addMenu(QStringLiteral("&Fichier"));
    ajoute(fichier, {"MenuNouveau", "MenuOuvrir", "MenuEnregistrer", "MenuEnregistrerSous", "-",
                     "MenuImporter", "MenuExporter", "-", "MenuImprimer", "MenuConfigImpression",
                     "-"});
    menuRecents_ = fichier->addMenu(QStringLiteral("Fichiers récents"));
    menuRecents_->setObjectName(QStringLiteral("Fichiers récents"));
    fichier->addSeparator();
    ajoute(fichier, {"MenuQuitter"});
    ajoute(barre->addMenu(QStringLiteral("&Edition")),
           {"MenuDefaire", "MenuRefaire", "-", "MenuCouper", "MenuCopier", "MenuColler",
            "MenuSupprimer", "-", "MenuToutSelectionner"});
    menuChercher_ = barre->addMenu(QStringLiteral("C&hercher"));
    ajoute(menuChercher_, {"MenuChercher", "MenuRemplacer", "MenuOccurrenceSuivante"});
    menuEcran_ = barre->addMenu(QStringLiteral("E&cran"));
    ajoute(menuEcran_, {"MenuOrigine", "MenuZoomMoins", "MenuZoomPlus", "MenuRedessine"});
    ajoute(barre->addMenu(QStringLiteral("Exéc&uter")), {"MenuExecuter", "MenuPasAPas"});
    ajoute(barre->addMenu(QStringLiteral("&Outils")), {"MenuOptions"});
    ajoute(barre->addMenu(QStringLiteral("&Aide")), {"MenuAPropos"});
    // The graphic tab is shown first.
    menuChercher_->menuAction()->setVisible(false);
    for (QAction* a : menuChercher_->actions())
        a->setEnabled(false);
}

void TFPrincipale::CreeBarreOutil()
{
    barreOutil_ = addToolBar(QStringLiteral("Outils"));
    barreOutil_->setObjectName(QStringLiteral("BarreOutil"));
    barreOutil_->setMovable(false);
    barreOutil_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    barreOutil_->setIconSize(QSize(24, 24));
    struct Bouton {
        const char* nom;
        const char* action;
    };
    static const Bouton kBoutons[] = {
        {"BtnNouveau", "MenuNouveau"},
        {"BtnOuvrir", "MenuOuvrir"},
        {"BtnSauver", "MenuEnregistrer"},
        {"BtnImprimer", "MenuImprimer"},
        {nullptr, nullptr},
        {"BtnDefaire", "MenuDefaire"},
        {"BtnRefaire", "MenuRefaire"},
        {nullptr, nullptr},
        {"BtnCouper", "MenuCouper"},
        {"BtnCopier", "MenuCopier"},
        {"BtnColler", "MenuColler"},
        {"BtnSupprimer", "MenuSupprimer"},
    };
    for (const Bouton& b : kBoutons) {
        if (!b.nom) {
            barreOutil_->addSeparator();
            continue;
        }
        // The tool bar shows the menu's own action, so enabled states never drift apart.
        QAction* action = Action(QString::fromLatin1(b.action));
        action->setIcon(IconeBarreOutil(QString::fromLatin1(b.nom)));
        barreOutil_->addAction(action);
        if (QWidget* w = barreOutil_->widgetForAction(action))
            w->setObjectName(QString::fromLatin1(b.nom));
    }
    barreOutil_->addSeparator();
    fonte_ = new QComboBox(barreOutil_);
    fonte_->setObjectName(QStringLiteral("Fonte"));
    QStringList familles = QFontDatabase::families();
    familles.sort(Qt::CaseInsensitive);
    fonte_->addItems(familles);
    fonte_->setCurrentIndex(familles.isEmpty() ? -1 : 0);
    fonte_->setMinimumContentsLength(16);
    barreOutil_->addWidget(fonte_);
    taille_ = new QSpinBox(barreOutil_);
    taille_->setObjectName(QStringLiteral("Taille"));
    taille_->setRange(1, 400);
    taille_->setValue(8);
    barreOutil_->addWidget(taille_);
}

} // namespace velk
