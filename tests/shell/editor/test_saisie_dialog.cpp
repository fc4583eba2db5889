// The value dialog driven with keys offscreen, with its refusals answered by the
// scripted dialogs; the choice dialog's memory of the last choice; the file filters.
#include "construction/qt/choix1.h"
#include "construction/qt/dialogues_qt.h"
#include "construction/qt/saisie.h"
#include "shell/editor/outils_widgets.h"
#include "support/dialogues_scriptes.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace velk {
namespace {

using test::DialoguesScriptes;
using test::GenreDialogue;

class SaisieDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        principale.setGeometry(100, 50, 800, 600);
        principale.show();
    }
    QApplication& application = test::Application(); // before any widget
    QWidget principale;
    DialoguesScriptes dialogues;
};

struct CasSaisie {
    int mode;
    const char* tape;
    // What the dialog shows on Enter: nothing (accepted), a warning, or an error.
    GenreDialogue boite;
    const char* message;
};

class SaisieParMode : public SaisieDialog, public ::testing::WithParamInterface<CasSaisie> {};

TEST_P(SaisieParMode, EntreeAccepteOuRefuseSansFermer)
{
    const CasSaisie& c = GetParam();
    TFSaisie saisie(dialogues, &principale);
    saisie.Prepare(QStringLiteral(" Rayon :"), c.mode);
    saisie.show();
    test::Tape(saisie.EditSaisie(), QString::fromLatin1(c.tape));
    test::Touche(saisie.EditSaisie(), Qt::Key_Return, QStringLiteral("\r"));

    if (c.message == nullptr) {
        EXPECT_TRUE(dialogues.Appels().empty());
        EXPECT_FALSE(saisie.isVisible());
        EXPECT_EQ(saisie.ToucheSortie(), 13);
        EXPECT_TRUE(saisie.ValeurValide());
        EXPECT_EQ(saisie.result(), QDialog::Accepted);
    } else {
        ASSERT_EQ(dialogues.Appels().size(), 1u);
        EXPECT_EQ(dialogues.Appels()[0].genre, c.boite);
        EXPECT_EQ(dialogues.Appels()[0].texte, QString::fromUtf8(c.message));
        // Refused: the dialog stays open with the text as it was.
        EXPECT_TRUE(saisie.isVisible());
        EXPECT_EQ(saisie.ToucheSortie(), 0);
        EXPECT_EQ(saisie.EditSaisie()->text(), QString::fromLatin1(c.tape));
        test::Touche(saisie.EditSaisie(), Qt::Key_Escape, QStringLiteral("\x1b"));
        EXPECT_FALSE(saisie.isVisible());
        EXPECT_EQ(saisie.ToucheSortie(), 27);
    }
}

const GenreDialogue A = GenreDialogue::Avertissement;
const GenreDialogue E = GenreDialogue::Erreur;

INSTANTIATE_TEST_SUITE_P(
    Messages, SaisieParMode,
    ::testing::Values(CasSaisie{1, "5", A, nullptr}, CasSaisie{1, "2.5E3", A, nullptr},
                      CasSaisie{1, "-5", A, "Valeur positive incorrecte"},
                      CasSaisie{1, "0", A, "Valeur positive incorrecte"},
                      CasSaisie{1, ".", A, "Valeur positive incorrecte"},
                      CasSaisie{0, "-12.5", A, nullptr},
                      CasSaisie{0, "12,5", A, "Valeur incorrecte"},
                      CasSaisie{0, "", A, "Valeur incorrecte"},
                      CasSaisie{0, "x", A, "Valeur incorrecte"},
                      CasSaisie{0, "12x", A, "Valeur incorrecte"},
                      CasSaisie{2, "-360", A, nullptr},
                      CasSaisie{2, "360.5", A, "Valeur angulaire incorrecte (+ - 360)"},
                      CasSaisie{2, "", A, "Valeur angulaire incorrecte (+ - 360)"},
                      CasSaisie{2, "1E", E, "'1E' n'est pas une valeur en virgule flottante correcte"}));

TEST_F(SaisieDialog, EchapFermeQuelQueSoitLeTexte)
{
    TFSaisie saisie(dialogues, &principale);
    saisie.Prepare(QStringLiteral(" Angle :"), 2);
    saisie.show();
    test::Tape(saisie.EditSaisie(), QStringLiteral("abc"));
    test::Touche(saisie.EditSaisie(), Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_FALSE(saisie.isVisible());
    EXPECT_EQ(saisie.ToucheSortie(), 27);
    EXPECT_TRUE(dialogues.Appels().empty());
}

TEST_F(SaisieDialog, PremierCaractereSuiviDeLaSaisieEtTexteRenduTelQuel)
{
    TFSaisie saisie(dialogues, &principale);
    // The modal loop runs for real; the keys arrive once it has started.
    QTimer::singleShot(0, &saisie, [&] {
        EXPECT_EQ(saisie.EditSaisie()->text(), QStringLiteral("-"));
        EXPECT_FALSE(saisie.EditSaisie()->hasSelectedText());
        test::Tape(saisie.EditSaisie(), QStringLiteral("12.50"));
        test::Touche(saisie.EditSaisie(), Qt::Key_Enter, QStringLiteral("\r"));
    });
    QTimer::singleShot(5000, &saisie, &QDialog::reject); // never hang the test
    const auto valeur = saisie.Demande(QStringLiteral(" X :"), 0, QLatin1Char('-'));
    ASSERT_TRUE(valeur.has_value());
    EXPECT_EQ(*valeur, QStringLiteral("-12.50"));
    EXPECT_EQ(saisie.Texte()->text(), QStringLiteral(" X :"));

    // The next showing starts from an empty field; Escape gives no value.
    QTimer::singleShot(0, &saisie, [&] {
        EXPECT_TRUE(saisie.EditSaisie()->text().isEmpty());
        test::Touche(saisie.EditSaisie(), Qt::Key_Escape, QStringLiteral("\x1b"));
    });
    EXPECT_FALSE(saisie.Demande(QStringLiteral(" Y :"), 0).has_value());
}

TEST_F(SaisieDialog, CoinInferieurDroitDeLaFenetrePrincipale)
{
    EXPECT_EQ(TFSaisie::Placement(QRect(100, 50, 800, 600), QSize(292, 24)), QPoint(604, 622));
    TFSaisie saisie(dialogues, &principale);
    saisie.Prepare(QStringLiteral(" Rayon :"), 1);
    saisie.show();
    const QRect cadre = principale.frameGeometry();
    EXPECT_EQ(saisie.frameGeometry().right(), cadre.right() - 4);
    EXPECT_EQ(saisie.frameGeometry().bottom(), cadre.bottom() - 4);
    saisie.hide();
    // Placed again at every showing.
    principale.move(20, 30);
    saisie.show();
    EXPECT_EQ(saisie.frameGeometry().right(), principale.frameGeometry().right() - 4);
    EXPECT_EQ(saisie.EditSaisie()->geometry().x(), 166);
    EXPECT_EQ(saisie.EditSaisie()->width(), 121);
    EXPECT_EQ(saisie.windowTitle(), QStringLiteral("Saisir valeur"));
}

TEST_F(SaisieDialog, Choix1GardeLeDernierChoixMemeAnnule)
{
    TFChoix1 choix(&principale);
    EXPECT_EQ(choix.ChoixFait(), 0);
    EXPECT_TRUE(choix.Choix1()->isChecked());
    EXPECT_EQ(choix.windowTitle(), QStringLiteral("Sélection du type"));

    QTimer::singleShot(0, &choix, [&] {
        choix.Choix3()->setChecked(true);
        choix.BitBtnOk()->click();
    });
    EXPECT_EQ(choix.Choisit(), 3);

    QTimer::singleShot(0, &choix, [&] {
        EXPECT_TRUE(choix.Choix3()->isChecked());
        choix.BitBtnCancel()->click();
    });
    EXPECT_EQ(choix.Choisit(), 0);
    EXPECT_TRUE(choix.Choix3()->isChecked());

    QTimer::singleShot(0, &choix, [&] { test::Touche(&choix, Qt::Key_Escape); });
    EXPECT_EQ(choix.Choisit(), 0);

    QTimer::singleShot(0, &choix, [&] {
        choix.Choix2()->setChecked(true);
        choix.BitBtnOk()->click();
    });
    EXPECT_EQ(choix.Choisit(), 2);
}

// The real message boxes, answered by clicking (or pressing Escape in) the box that the
// call opens. Whatever goes wrong, a late timer closes any box left open.
struct CasQuestion {
    const char* bouton; // text of the button to click; nullptr for Escape
    bool avecAnnuler;
    Reponse attendu;
};

class QuestionQt : public ::testing::TestWithParam<CasQuestion> {};

TEST_P(QuestionQt, BoutonCliqueDonneLaReponse)
{
    test::Application();
    const CasQuestion& c = GetParam();
    DialoguesQt dialogues(nullptr);
    QString titre;
    QStringList boutons;
    QTimer::singleShot(0, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(boite, nullptr);
        titre = boite->windowTitle();
        QAbstractButton* cible = nullptr;
        for (QAbstractButton* b : boite->buttons()) {
            boutons << b->text();
            if (c.bouton && b->text() == QString::fromUtf8(c.bouton))
                cible = b;
        }
        if (c.bouton) {
            ASSERT_NE(cible, nullptr) << c.bouton;
        }
        if (cible)
            cible->click();
        else
            test::Touche(boite, Qt::Key_Escape);
    });
    QTimer::singleShot(5000, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    EXPECT_EQ(dialogues.Question(QStringLiteral("Enregistrer les modifications ?"), c.avecAnnuler),
              c.attendu);
    EXPECT_EQ(titre, QStringLiteral("Confirmation"));
    boutons.sort();
    const QStringList attendus = c.avecAnnuler ? QStringList{"&Non", "&Oui", "Annuler"}
                                                : QStringList{"&Non", "&Oui"};
    EXPECT_EQ(boutons, attendus);
}

INSTANTIATE_TEST_SUITE_P(Boutons, QuestionQt,
                         ::testing::Values(CasQuestion{"&Oui", true, Reponse::Oui},
                                           CasQuestion{"&Non", true, Reponse::Non},
                                           CasQuestion{"Annuler", true, Reponse::Annuler},
                                           CasQuestion{nullptr, true, Reponse::Annuler},
                                           CasQuestion{"&Oui", false, Reponse::Oui},
                                           CasQuestion{nullptr, false, Reponse::Non}));

TEST(NoticeQt, TitreInformation)
{
    test::Application();
    DialoguesQt dialogues(nullptr);
    QString titre, texte;
    QTimer::singleShot(0, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(boite, nullptr);
        titre = boite->windowTitle();
        texte = boite->text();
        boite->buttons().constFirst()->click();
    });
    dialogues.Information(QStringLiteral("Chaine 'x' non trouvée !"));
    EXPECT_EQ(titre, QStringLiteral("Information"));
    EXPECT_EQ(texte, QStringLiteral("Chaine 'x' non trouvée !"));
}

TEST(FiltresFichiers, FormeQt)
{
    EXPECT_EQ(DialoguesQt::FiltreQt(
                  QStringLiteral("Fichiers VELK ( *.vlk)|*.vlk|Tous fichiers ( *.*)|*.*")),
              QStringLiteral("Fichiers VELK ( *.vlk);;Tous fichiers ( *.*)"));
    EXPECT_EQ(DialoguesQt::FiltreQt(QStringLiteral("Programmes|*.vlk;*.sav")),
              QStringLiteral("Programmes (*.vlk *.sav)"));
    EXPECT_EQ(DialoguesQt::FiltreQt(QStringLiteral("Tout (*)")), QStringLiteral("Tout (*)"));
}

} // namespace
} // namespace velk
