// The real Dialogues shows the graphic view's dialogs: the colour and layer come back on OK
// only, the visibility dialog is prepared for 16 colours and 32 layers, and the canonical
// form is shown until closed; the export dialog gives the chosen file type. Each modal loop is answered from a timer.
#include "outils_widgets.h"

#include "construction/qt/dialogues_qt.h"
#include "view/qt/tf_choix_couleur.h"
#include "view/qt/tf_choix_visible.h"
#include "view/qt/tf_fcanon.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <functional>
#include <string>

namespace velk {
namespace {

// Runs `action` on the modal dialog once it is up; a dialog left open is closed later so
// that a failing test never hangs.
void Repond(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        action(w);
    });
    QTimer::singleShot(5000, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
}

TEST(DialoguesVueQt, ColourAndLayerComeBackOnOkOnly)
{
    test::Application();
    DialoguesQt dialogues(nullptr);
    for (const char* bouton : {"BtnCancel", "BtnOk"}) {
        int couleur = 15, couche = 4;
        Repond([bouton](QWidget* w) {
            auto* d = qobject_cast<TFChoixCouleur*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->size(), QSize(260, 203));
            test::Touche(d->findChild<QSpinBox*>(QStringLiteral("SpinEditCouche")), Qt::Key_Right);
            d->findChild<QSpinBox*>(QStringLiteral("SpinEditCouche"))->setValue(9);
            d->findChild<QPushButton*>(QString::fromLatin1(bouton))->click();
        });
        const bool ok = dialogues.ChoixCouleur(couleur, couche);
        EXPECT_EQ(ok, bouton == std::string("BtnOk"));
        EXPECT_EQ(couleur, ok ? 0 : 15) << bouton;
        EXPECT_EQ(couche, ok ? 9 : 4) << bouton;
    }
}

TEST(DialoguesVueQt, VisibilityAndCanonicalForm)
{
    test::Application();
    DialoguesQt dialogues(nullptr);
    TVisibilite drapeaux;
    Repond([](QWidget* w) {
        auto* d = qobject_cast<TFChoixVisible*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->size(), QSize(348, 318));
        d->close();
    });
    EXPECT_FALSE(dialogues.ChoixVisible(drapeaux));

    QString titre;
    Repond([&titre](QWidget* w) {
        auto* f = qobject_cast<TFFCanon*>(w);
        ASSERT_NE(f, nullptr);
        titre = f->Titre(RangNum)->text();
        f->BoutonOk()->click();
    });
    dialogues.AfficheFormeCanonique(FormeCercle(TRecCercle{}));
    EXPECT_EQ(titre, QStringLiteral("Cercle numéro : "));
}

// The type chosen in the export dialog comes back with the name as typed (the command adds
// the extension).
TEST(DialoguesVueQt, ExportDialogGivesTheChosenTypeAndItsExtension)
{
    test::Application();
    QTemporaryDir dossier;
    DialoguesQt dialogues(nullptr);
    const QStringList filtres = {QStringLiteral("Image PNG (*.png)"), QStringLiteral("Dessin DXF (*.dxf)")};
    Repond([](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Exporter le dessin"));
        EXPECT_EQ(d->selectedNameFilter(), QStringLiteral("Image PNG (*.png)"));
        auto* types = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        types->setCurrentIndex(1);
        emit types->activated(1);
        d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("plan"));
        QMetaObject::invokeMethod(d, "accept");
    });
    const ChoixFichierExporter choix = dialogues.FichierExporter(
        QStringLiteral("Exporter le dessin"), dossier.path(), QString(), filtres, 0);
    EXPECT_EQ(choix.filtre, 1);
    EXPECT_EQ(choix.chemin.toStdString(), dossier.filePath(QStringLiteral("plan")).toStdString());
}

} // namespace
} // namespace velk
