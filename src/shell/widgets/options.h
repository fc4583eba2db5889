// TFOptions, the options dialog: the autosave period in minutes, 0 to 60, where 0 stops
// the autosave. The setting lasts for this run only.
#pragma once

#include <QDialog>

class QSpinBox;
class QTimer;

namespace velk {

class TFOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFOptions(QWidget* parent = nullptr);

    // Shows the dialog modally for the autosave timer and applies the period on closing.
    void Execute(QTimer& tempo);

    // The two halves of Execute, usable without a modal loop: Ouvre reads the timer's
    // period into DefTempo and remembers the timer; closing the dialog by any means
    // applies DefTempo to it (0 stops the timer).
    void Ouvre(QTimer& tempo);
    QSpinBox* DefTempo() const { return defTempo_; }

protected:
    void hideEvent(QHideEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void Applique();

    QSpinBox* defTempo_;
    QTimer* tempo_ = nullptr;
};

} // namespace velk
