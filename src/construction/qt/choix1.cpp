// TFChoix1: three radio buttons in the group "Choisir", OK and Cancel. The checked
// button survives between showings so the next use proposes the previous choice.
#include "construction/qt/choix1.h"

#include "construction/qt/saisie.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velk {

TFChoix1::TFChoix1(QWidget* principale) : QDialog(principale), principale_(principale)
{
    setWindowTitle(QStringLiteral("Sélection du type"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    groupe_ = new QGroupBox(QStringLiteral("Choisir"), this);
    auto* colonne = new QVBoxLayout(groupe_);
    const QString libelles[3] = {QStringLiteral("Rayon"), QStringLiteral("Différence de rayon"),
                                 QStringLiteral("Décalage X Y")};
    for (int i = 0; i < 3; ++i) {
        choix_[i] = new QRadioButton(libelles[i], groupe_);
        colonne->addWidget(choix_[i]);
    }
    choix_[0]->setChecked(true);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    annuler_ = new QPushButton(QStringLiteral("Annuler"), this);
    connect(ok_, &QPushButton::clicked, this, &TFChoix1::BitBtnOkClick);
    connect(annuler_, &QPushButton::clicked, this, &TFChoix1::reject);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok_);
    boutons->addWidget(annuler_);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(groupe_);
    tout->addLayout(boutons);
    tout->setSizeConstraint(QLayout::SetFixedSize);
}

int TFChoix1::Choisit()
{
    exec();
    return choixFait_;
}

// Placed once, at the first showing: by then the main window has its real geometry,
// and a user who moves the dialog finds it where he left it.
void TFChoix1::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!place_ && principale_) {
        move(TFSaisie::Placement(principale_->frameGeometry(), frameGeometry().size()));
        place_ = true;
    }
}

void TFChoix1::BitBtnOkClick()
{
    for (int i = 0; i < 3; ++i)
        if (choix_[i]->isChecked())
            choixFait_ = i + 1;
    accept();
}

// Cancel, Escape and the window manager's close box.
void TFChoix1::reject()
{
    choixFait_ = 0;
    QDialog::reject();
}

} // namespace velk
