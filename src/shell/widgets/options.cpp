// TFOptions: one number box for the autosave period. Closing the dialog, however it is
// closed, applies the period: 0 stops the timer, anything else restarts it.
#include "shell/widgets/options.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>

namespace velk {

namespace {
constexpr int kMinute = 60000;
}

TFOptions::TFOptions(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);
    defTempo_ = new QSpinBox(this);
    defTempo_->setRange(0, 60);
    auto* ligne = new QHBoxLayout(this);
    ligne->addWidget(new QLabel(QStringLiteral("Enregistrement automatique :"), this));
    ligne->addWidget(defTempo_);
    ligne->addWidget(new QLabel(QStringLiteral("minutes"), this));
    ligne->setSizeConstraint(QLayout::SetFixedSize);
}

void TFOptions::Ouvre(QTimer& tempo)
{
    tempo_ = &tempo;
    defTempo_->setValue(tempo.interval() / kMinute);
}

void TFOptions::Execute(QTimer& tempo)
{
    Ouvre(tempo);
    exec();
}

void TFOptions::Applique()
{
    if (!tempo_)
        return;
    // A value still being typed counts as entered.
    defTempo_->interpretText();
    const int minutes = defTempo_->value();
    tempo_->setInterval(minutes * kMinute);
    if (minutes == 0)
        tempo_->stop();
    else
        tempo_->start();
    tempo_ = nullptr;
}

void TFOptions::hideEvent(QHideEvent* evenement)
{
    Applique();
    QDialog::hideEvent(evenement);
}

// There are no buttons: Enter closes the dialog like Escape does.
void TFOptions::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

} // namespace velk
