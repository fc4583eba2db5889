// The colour, visibility and canonical-form commands of the graphic tab, driven through
// the palettes' buttons and clicks on the drawing with scripted dialogs.
#include "fenetre_test.h"

#include "construction/moteur_construction.h"

#include "shell/zone_menu.h"
#include "view/choix_visible.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QToolButton>

namespace velk::test {
namespace {

class DialoguesGraphique : public FenetreTest {
protected:
    // Runs the default statements followed by these ones.
    TFPrincipale& DemarreAvec(const std::vector<std::string>& instructions)
    {
        TFPrincipale& f = Demarre();
        for (const std::string& s : instructions)
            f.Lignes().AjouteLigne(s);
        f.ExecuterClick();
        return f;
    }
    QPoint Pixel(Reel x, Reel y)
    {
        const TVue& vue = fenetre_->Vue().VueEcran();
        return QPoint(XEcran(vue, x), YEcran(vue, y));
    }
    QColor Couleur(Reel x, Reel y)
    {
        const QPoint p = Pixel(x, y);
        return fenetre_->SurfaceGraphique().Image().pixelColor(p);
    }
    void Clique(Reel x, Reel y)
    {
        const QPoint p = Pixel(x, y);
        fenetre_->DessinMouseDown(p.x(), p.y());
        fenetre_->DessinMouseUp(p.x(), p.y());
    }
    QToolButton* Bouton(const char* nom) { return fenetre_->Palettes().Bouton(QString::fromLatin1(nom)); }
    bool FCanonEnfonce()
    {
        return Bouton("BtnFCanon1") && Bouton("BtnFCanon1")->isChecked();
    }
};

const QColor Blanc(255, 255, 255);

TEST_F(DialoguesGraphique, ColourAndLayerAreStoredOnOkOnly)
{
    TFPrincipale& f = Demarre();
    EXPECT_EQ(f.Moteur().CouleurCourante(), 0);
    EXPECT_EQ(f.Moteur().CoucheCourante(), 0);
    dialogues_.RepondChoixCouleur(std::make_pair(3, 2)).RepondChoixCouleur(std::nullopt);
    Bouton("BtnCouleur1")->click();
    EXPECT_EQ(f.Moteur().CouleurCourante(), 3);
    EXPECT_EQ(f.Moteur().CoucheCourante(), 2);

    // Every palette's copy opens the same dialog, on the current values.
    f.Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    Bouton("BtnCouleur2")->click();
    EXPECT_EQ(f.Moteur().CouleurCourante(), 3);
    EXPECT_EQ(f.Moteur().CoucheCourante(), 2);
    ASSERT_EQ(dialogues_.Nombre(G::ChoixCouleur), 2);
    EXPECT_EQ(dialogues_.Appels().back().couleur, 3);
    EXPECT_EQ(dialogues_.Appels().back().couche, 2);

    // A statement built by clicks then carries them, and is drawn in that colour.
    dialogues_.RepondValeur(QStringLiteral("10")).RepondValeur(QStringLiteral("20"));
    Bouton("BtnPoint")->click();
    Touche(&f.SurfaceGraphique(), Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(Lignes().back(), "P1:=10,20,3,2");
    EXPECT_EQ(Couleur(10, 20), QColor(0, 0, 128));
}

TEST_F(DialoguesGraphique, VisibilityRedrawsAfterEveryAnswer)
{
    TFPrincipale& f = DemarreAvec({"P1:=20,20,9,0"});
    EXPECT_EQ(Couleur(20, 20), QColor(255, 0, 0));
    const ItemVisible couleur9{GenreVisible::Couleur, 9};
    struct Cas {
        FinDialogue fin;
        bool visible;
    } const cas[] = {{FinDialogue::Annule, true}, {FinDialogue::Fermeture, false},
                     {FinDialogue::Ok, true}}; // the third opening shows it again
    for (const Cas& c : cas) {
        dialogues_.RepondChoixVisible({couleur9}, c.fin);
        Bouton("BtnVisible1")->click();
        EXPECT_EQ(f.Visibilite().CouleurVisible(9), c.visible) << int(c.fin);
        EXPECT_EQ(Couleur(20, 20), c.visible ? QColor(255, 0, 0) : Blanc) << int(c.fin);
    }
}

// A hidden layer, or a hidden kind whatever the colour and layer, is neither drawn nor
// picked; what stays visible under the same click is.
TEST_F(DialoguesGraphique, HiddenElementsAreNeitherDrawnNorPicked)
{
    struct Cas {
        ItemVisible cache;
        Reel x, y;     // a hidden element alone
        Reel xv, yv;   // a visible one
        char genre;    // what the click on the visible one shows
    } const cas[] = {
        {{GenreVisible::Couche, 3}, 20, 20, -20, 20, 'P'},
        {{GenreVisible::Lignes, 0}, 40, 0, 0, 0, 'P'},
        {{GenreVisible::Points, 0}, 20, 20, 0, 0, 'L'},
    };
    for (const Cas& c : cas) {
        TFPrincipale& f = DemarreAvec({"P1:=20,20,12,3", "P2:=-20,20,12,4"});
        dialogues_.EffaceAppels();
        dialogues_.RepondChoixVisible({c.cache}, FinDialogue::Ok);
        f.Palettes().AffichePalette(ZoneMenu::MenuChainer);
        Bouton("BtnVisible4")->click();
        EXPECT_EQ(Couleur(c.x, c.y), Blanc) << int(c.cache.genre);
        Bouton("BtnFCanon4")->click();
        Clique(c.x, c.y);
        EXPECT_EQ(dialogues_.Nombre(G::FormeCanonique), 0) << int(c.cache.genre);
        EXPECT_EQ(f.Mode(), ModeSouris::FormeCanonique);
        Clique(c.xv, c.yv);
        ASSERT_EQ(dialogues_.Formes().size(), 1u) << int(c.cache.genre);
        EXPECT_EQ(dialogues_.Formes()[0].genre, QLatin1Char(c.genre));
    }
}

TEST_F(DialoguesGraphique, CanonicalFormModePicksPointThenLineThenCircle)
{
    TFPrincipale& f = DemarreAvec({"C0:=P0,30,0,0"});
    struct Cas {
        Reel x, y;
        char genre;
        int numero;
    } const cas[] = {
        {0, 0, 'P', 0},    // point and both axes
        {30, 0, 'L', 0},   // the X axis crosses the circle there
        {0, 50, 'L', 1},   // the Y axis alone
        {-21.2132034L, 21.2132034L, 'C', 0},
    };
    for (const Cas& c : cas) {
        dialogues_.EffaceAppels();
        Bouton("BtnFCanon1")->click();
        ASSERT_EQ(f.Mode(), ModeSouris::FormeCanonique);
        Clique(c.x, c.y);
        const auto formes = dialogues_.Formes();
        ASSERT_EQ(formes.size(), 1u) << c.genre;
        EXPECT_EQ(formes[0].genre, QLatin1Char(c.genre));
        EXPECT_EQ(formes[0].numero, c.numero);
        // One element shown ends the mode and releases the buttons.
        EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
        EXPECT_FALSE(FCanonEnfonce());
    }
    dialogues_.EffaceAppels();
    Bouton("BtnFCanon1")->click();
    Clique(0, 50);
    ASSERT_EQ(dialogues_.Formes().size(), 1u);
    const ContenuFormeCanonique forme = dialogues_.Formes()[0];
    EXPECT_EQ(forme.rangs[RangRayon].titre, QStringLiteral("Angle : "));
    EXPECT_EQ(forme.rangs[RangRayon].valeur, QStringLiteral("90"));
    EXPECT_EQ(forme.rangs[RangNum].titre, QStringLiteral("Ligne numéro : "));
}

TEST_F(DialoguesGraphique, EmptySpaceKeepsTheModeAndEscapeEndsIt)
{
    TFPrincipale& f = Demarre();
    Bouton("BtnFCanon1")->click();
    Clique(37, 53);
    EXPECT_EQ(dialogues_.Nombre(G::FormeCanonique), 0);
    EXPECT_EQ(f.Mode(), ModeSouris::FormeCanonique);
    EXPECT_TRUE(FCanonEnfonce());
    Touche(&f.SurfaceGraphique(), Qt::Key_Escape);
    EXPECT_EQ(f.Mode(), ModeSouris::Aucun);
    EXPECT_FALSE(FCanonEnfonce());
    Clique(0, 0);
    EXPECT_EQ(dialogues_.Nombre(G::FormeCanonique), 0);
}

TEST_F(DialoguesGraphique, VisibilitySurvivesNewOpenAndRun)
{
    TFPrincipale& f = Demarre();
    dialogues_.RepondChoixVisible({{GenreVisible::Couleur, 5}, {GenreVisible::Cercles, 0}},
                                  FinDialogue::Ok);
    Bouton("BtnVisible1")->click();
    const QString chemin = Chemin(QStringLiteral("essai.vlk"));
    Ecrit(chemin, "// Programme VELK Version 1.0\r\n// Derniere modif. :\r\n//\r\nP0:=0,0,5,0\r\n");
    f.NouveauClick();
    f.ExecuterClick();
    ASSERT_TRUE(f.OuvreFichier(chemin));
    f.ExecuterClick();
    EXPECT_FALSE(f.Visibilite().CouleurVisible(5));
    EXPECT_FALSE(f.Visibilite().CerclesVisibles());
    EXPECT_TRUE(f.Visibilite().CouleurVisible(4));
    EXPECT_EQ(Couleur(0, 0), Blanc);
}

} // namespace
} // namespace velk::test
