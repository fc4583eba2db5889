// The texts the user reads in the main window: menu captions in their order with their
// hints, tool-bar tooltips and hints, palette hints, status-bar panels and the hint that
// replaces them. A stray accent or a lost blank here is a visible fault.
#include "fenetre_test.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

namespace velk::test {
namespace {

using Textes = FenetreTest;

struct Entree {
    const char* texte;
    const char* indice;
};

struct Menu {
    const char* titre;
    std::vector<Entree> entrees;
};

// Items of one menu in order, separators left out.
std::vector<QAction*> Entrees(QMenu* menu)
{
    std::vector<QAction*> r;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            r.push_back(a);
    return r;
}

TEST_F(Textes, MenusDansLeurOrdreAvecLeursIndices)
{
    TFPrincipale& f = Demarre();
    const std::vector<Menu> kMenus = {
        {"&Fichier",
         {{"&Nouveau", "Crée un nouveau programme"},
          {"&Ouvrir ...", "Ouvre un programme existant"},
          {"&Enregistrer", "Enregistre le programme en cours"},
          {"Enregistrer &sous ...", "Enregistre le programme en cours sous un nouveau nom"},
          {"I&mporter", "Insère les instructions d'un autre programme"},
          {"E&xporter", "Enregistre le dessin en image PNG, SVG, PDF ou DXF"},
          {"&Imprimer ...", "Imprime le programme en cours"},
          {"&Configuration impression", "Configure l'imprimante"},
          {"Fichiers récents", ""},
          {"&Quitter", ""}}},
        {"&Edition",
         {{"&Défaire", "Annule l'action précédente"},
          {"&Refaire", ""},
          {"&Couper", "Coupe la sélection"},
          {"Co&pier", "Copie la sélection dans le presse-papier"},
          {"C&oller", "Colle le presse-papier"},
          {"&Supprimer", "Efface la sélection"},
          {"&Tout sélectionner", "Sélectionne la totalité"}}},
        {"C&hercher",
         {{"&Chercher", "Recherche de texte"},
          {"&Remplacer", "Remplacement de texte"},
          {"&Occurrence suivante", "Poursuite de la recherche ou du remplacement"}}},
        {"E&cran",
         {{"Origine", ""},
          {"Zoom -", "Divise par 2 l'échelle"},
          {"Zoom +", "Multiplie par 2 l'échelle"},
          {"Redessine", ""}}},
        {"Exéc&uter", {{"Exéc&uter", ""}, {"&Pas à pas", ""}}},
        {"&Outils", {{"&Options ...", ""}}},
        {"&Aide", {{"&A propos ...", "Information sur le logiciel"}}},
    };
    const QList<QAction*> barre = f.menuBar()->actions();
    ASSERT_EQ(barre.size(), qsizetype(kMenus.size()));
    for (size_t m = 0; m < kMenus.size(); ++m) {
        const Menu& attendu = kMenus[m];
        QMenu* menu = barre.at(qsizetype(m))->menu();
        ASSERT_NE(menu, nullptr) << attendu.titre;
        EXPECT_EQ(menu->title(), QString::fromUtf8(attendu.titre));
        const std::vector<QAction*> entrees = Entrees(menu);
        ASSERT_EQ(entrees.size(), attendu.entrees.size()) << attendu.titre;
        for (size_t i = 0; i < entrees.size(); ++i) {
            EXPECT_EQ(entrees[i]->text(), QString::fromUtf8(attendu.entrees[i].texte));
            EXPECT_EQ(entrees[i]->statusTip(), QString::fromUtf8(attendu.entrees[i].indice))
                << attendu.entrees[i].texte;
        }
    }
}

TEST_F(Textes, BarreOutilBullesEtIndices)
{
    TFPrincipale& f = Demarre();
    auto* barre = f.findChild<QToolBar*>(QStringLiteral("BarreOutil"));
    ASSERT_NE(barre, nullptr);
    const struct {
        const char* bouton;
        const char* bulle;
        const char* indice;
    } kBoutons[] = {
        {"BtnNouveau", "Nouveau", "Crée un nouveau programme"},
        {"BtnOuvrir", "Ouvrir", "Ouvre un programme existant"},
        {"BtnSauver", "Enregistrer", "Enregistre le programme en cours"},
        {"BtnImprimer", "Imprimer", "Imprime le programme en cours"},
        {"BtnDefaire", "Défaire", "Annule l'action précédente"},
        {"BtnRefaire", "Refaire", ""},
        {"BtnCouper", "Couper", "Coupe la sélection"},
        {"BtnCopier", "Copier", "Copie la sélection dans le presse-papier"},
        {"BtnColler", "Coller", "Colle le presse-papier"},
        {"BtnSupprimer", "Supprimer", "Efface la sélection"},
    };
    for (const auto& b : kBoutons) {
        auto* bouton = barre->findChild<QToolButton*>(QString::fromLatin1(b.bouton));
        ASSERT_NE(bouton, nullptr) << b.bouton;
        ASSERT_NE(bouton->defaultAction(), nullptr) << b.bouton;
        EXPECT_EQ(bouton->defaultAction()->toolTip(), QString::fromUtf8(b.bulle)) << b.bouton;
        EXPECT_EQ(bouton->defaultAction()->statusTip(), QString::fromUtf8(b.indice)) << b.bouton;
    }
}

TEST_F(Textes, IndicesDesPalettes)
{
    TFPrincipale& f = Demarre();
    const struct {
        const char* bouton;
        const char* indice;
    } kBoutons[] = {
        {"BtnConstruction", "Construction"}, {"BtnCotation", "Cotation"},
        {"BtnChainer", "Chainer"},           {"BtnPoint", "Point"},
        {"BtnInter", "Intersection"},        {"BtnLigne", "Droite"},
        {"BtnSegment", "Segment"},           {"BtnCercle", "Cercle"},
        {"BtnArc", "Arc"},                   {"BtnArc3", "Arc3"},
        {"BtnRotation", "Rotation"},         {"BtnSymetrie", "Symètrie"},
        {"BtnTexte", "Texte"},               {"BtnCoteH", ""},
        {"BtnDebutForme", "Début de forme"}, {"BtnFinForme", "Fin de forme"},
        {"BtnMenuGeneral2", "Menu général"}, {"BtnMenuGeneral3", "Menu général"},
        {"BtnMenuGeneral4", "Menu général"}, {"BtnCouleur1", "Couleur / Couche"},
    };
    for (const auto& b : kBoutons) {
        auto* bouton = f.findChild<QToolButton*>(QString::fromLatin1(b.bouton));
        ASSERT_NE(bouton, nullptr) << b.bouton;
        EXPECT_EQ(bouton->statusTip(), QString::fromUtf8(b.indice)) << b.bouton;
    }
    // The buttons every palette carries, one copy each with the suffix 1 to 4.
    const struct {
        const char* prefixe;
        const char* indice;
    } kCommuns[] = {
        {"BtnSelection", "Selection"},         {"BtnGomme", "Gomme"},
        {"BtnCadrage", "Cadrage"},             {"BtnZoom", "Zoom"},
        {"BtnZoomPrecedent", "Zoom précédent"}, {"BtnZoomSuivant", "Zoom suivant"},
        {"BtnVisible", "Visible"},             {"BtnFCanon", "Formes canoniques"},
    };
    for (int s = 1; s <= 4; ++s) {
        for (const auto& c : kCommuns) {
            const QString nom = QString::fromLatin1(c.prefixe) + QString::number(s);
            auto* bouton = f.findChild<QToolButton*>(nom);
            ASSERT_NE(bouton, nullptr) << nom.toStdString();
            EXPECT_EQ(bouton->statusTip(), QString::fromUtf8(c.indice)) << nom.toStdString();
        }
        if (s > 1) {
            auto* couleur = f.findChild<QToolButton*>(QStringLiteral("BtnCouleur%1").arg(s));
            ASSERT_NE(couleur, nullptr);
            EXPECT_EQ(couleur->statusTip(), QStringLiteral("Couleur"));
        }
    }
}

TEST_F(Textes, UnIndiceRemplaceLesPanneauxLeTempsDeSonAffichage)
{
    TFPrincipale& f = Demarre();
    std::vector<QLabel*> panneaux;
    const int kLargeurs[] = {200, 100, 100, 50};
    for (int i = 0; i < 4; ++i) {
        auto* p = f.statusBar()->findChild<QLabel*>(QStringLiteral("Panneau%1").arg(i));
        ASSERT_NE(p, nullptr) << i;
        EXPECT_EQ(p->width(), kLargeurs[i]) << i;
        EXPECT_TRUE(p->isVisible()) << i;
        panneaux.push_back(p);
    }
    QStatusTipEvent indice(QStringLiteral("Crée un nouveau programme"));
    QCoreApplication::sendEvent(&f, &indice);
    EXPECT_EQ(f.statusBar()->currentMessage(), QStringLiteral("Crée un nouveau programme"));
    for (QLabel* p : panneaux)
        EXPECT_FALSE(p->isVisible());
    QStatusTipEvent fin{QString()};
    QCoreApplication::sendEvent(&f, &fin);
    for (QLabel* p : panneaux)
        EXPECT_TRUE(p->isVisible());
}

} // namespace
} // namespace velk::test
