// The real modal dialogs of a construction, driven as a user would: a key typed in the
// drawing opens "Saisir valeur" with the focus in its field and the key in it, not selected;
// "Construction impossible" is a message box of its own that Enter closes.
#include "shell/editor/outils_widgets.h"

#include "construction/moteur_construction.h"
#include "construction/qt/dialogues_qt.h"
#include "shell/tf_principale.h"
#include "shell/widgets/lignes_editeur.h"
#include "shell/zone_menu.h"
#include "view/etat_vue.h"
#include "view/qt/dessin.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace velk::test {
namespace {

// Acts on each modal window as it opens, in order; a window nobody expects is closed and
// reported, so that a test never hangs.
class Guichet {
public:
    using Action = std::function<void(QWidget*)>;
    explicit Guichet(std::vector<Action> actions) : actions_(std::move(actions))
    {
        minuterie_.setInterval(5);
        QObject::connect(&minuterie_, &QTimer::timeout, [this] { Regarde(); });
        minuterie_.start();
    }
    size_t Faites() const { return faites_; }

private:
    void Regarde()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == dernier_)
            return;
        // Let the window system activate the new window first (a few ticks at most).
        if (QApplication::activeWindow() != modal && ++attente_ < 40)
            return;
        attente_ = 0;
        dernier_ = modal;
        if (faites_ < actions_.size()) {
            actions_[faites_++](modal);
        } else {
            ADD_FAILURE() << "unexpected window " << modal->windowTitle().toStdString();
            modal->close();
        }
        // A dialog reused for the next value is the same widget shown again.
        if (!modal->isVisible())
            dernier_ = nullptr;
    }

    std::vector<Action> actions_;
    size_t faites_ = 0;
    QWidget* dernier_ = nullptr;
    int attente_ = 0;
    QTimer minuterie_;
};

class ConstructionDialogues : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application();
        ASSERT_TRUE(dossier_.isValid());
        qputenv("VELK_DOSSIER", dossier_.path().toUtf8());
        fenetre_ = std::make_unique<TFPrincipale>(dialogues_, dossier_.path() + QLatin1Char('/'),
                                                  QStringLiteral("Velk"));
        fenetre_->resize(800, 600);
        fenetre_->show();
        fenetre_->EtapeAffichage();
        ListeLignes& l = fenetre_->Lignes();
        l.Vide();
        for (const char* t : {"a", "b", "c", "P0:=0,0,0,0"})
            l.AjouteLigne(t);
        fenetre_->ExecuterClick();
        fenetre_->Dossier().setCurrentIndex(0);
        fenetre_->Palettes().AffichePalette(ZoneMenu::MenuConstruction);
    }
    std::string Derniere() const
    {
        return fenetre_->Lignes().Ligne(fenetre_->Lignes().NombreLignes() - 1);
    }

    QApplication& application_ = Application(); // before any widget
    QTemporaryDir dossier_;
    DialoguesQt dialogues_{nullptr};
    std::unique_ptr<TFPrincipale> fenetre_;
};

TEST_F(ConstructionDialogues, SaisirValeurPrendLeFocusAvecLaToucheNonSelectionnee)
{
    TFPrincipale& f = *fenetre_;
    f.findChild<QToolButton*>(QStringLiteral("BtnPoint"))->click();
    struct Vu {
        QString titre, libelle, texte;
        bool focus = false, selection = true;
        int curseur = -1;
    };
    std::vector<Vu> vus;
    auto regarde = [&vus](QWidget* w, const char* suite) {
        Vu v;
        v.titre = w->windowTitle();
        auto* champ = w->findChild<QLineEdit*>();
        auto* libelle = w->findChild<QLabel*>();
        if (libelle)
            v.libelle = libelle->text();
        if (champ) {
            v.texte = champ->text();
            v.focus = QApplication::focusWidget() == champ;
            v.selection = champ->hasSelectedText();
            v.curseur = champ->cursorPosition();
            Tape(champ, QString::fromLatin1(suite));
            Touche(champ, Qt::Key_Return, QStringLiteral("\r"));
        }
        vus.push_back(v);
    };
    Guichet guichet({[&](QWidget* w) { regarde(w, "0"); }, [&](QWidget* w) { regarde(w, "-7"); }});
    Touche(&f.SurfaceGraphique(), Qt::Key_1, QStringLiteral("1"));
    ASSERT_EQ(vus.size(), 2u);
    EXPECT_EQ(vus[0].titre, QStringLiteral("Saisir valeur"));
    EXPECT_EQ(vus[0].libelle, QStringLiteral(" Cote en X :"));
    EXPECT_EQ(vus[0].texte, QStringLiteral("1"));
    EXPECT_TRUE(vus[0].focus);
    EXPECT_FALSE(vus[0].selection);
    EXPECT_EQ(vus[0].curseur, 1);
    EXPECT_EQ(vus[1].libelle, QStringLiteral(" Cote en Y :"));
    EXPECT_EQ(vus[1].texte, QString());
    EXPECT_TRUE(vus[1].focus);
    EXPECT_EQ(Derniere(), "P1:=10,-7,0,0");
}

TEST_F(ConstructionDialogues, ConstructionImpossibleSeFermeParEntree)
{
    TFPrincipale& f = *fenetre_;
    f.findChild<QToolButton*>(QStringLiteral("BtnSegment"))->click();
    QString texte;
    bool boite = false;
    Guichet guichet({[&](QWidget* w) {
        auto* m = qobject_cast<QMessageBox*>(w);
        boite = m != nullptr;
        if (m)
            texte = m->text();
        QTest::keyClick(w, Qt::Key_Return);
    }});
    const TVue& vue = f.Vue().VueEcran();
    const QPoint p0(XEcran(vue, 0), YEcran(vue, 0));
    QTest::mouseClick(&f.SurfaceGraphique(), Qt::LeftButton, {}, p0);
    QTest::mouseClick(&f.SurfaceGraphique(), Qt::LeftButton, {}, p0);
    EXPECT_EQ(guichet.Faites(), 1u);
    EXPECT_TRUE(boite);
    EXPECT_EQ(texte, QStringLiteral("Construction impossible"));
    EXPECT_EQ(Derniere(), "P0:=0,0,0,0");
    EXPECT_EQ(f.Moteur().SignatureEnCours(), QStringLiteral("L*"));
}

} // namespace
} // namespace velk::test
