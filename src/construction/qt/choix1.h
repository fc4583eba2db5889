// TFChoix1, the modal choice of what to build from a clicked circle: a given radius, a
// difference of radius or an X Y offset. It keeps the last choice for the next showing.
#pragma once

#include <QDialog>

class QRadioButton;
class QGroupBox;
class QPushButton;

namespace velk {

class TFChoix1 : public QDialog {
    Q_OBJECT
public:
    explicit TFChoix1(QWidget* principale);

    // Shows the dialog modally; returns ChoixFait.
    int Choisit();

    // 0 cancelled, 1 "Rayon", 2 "Différence de rayon", 3 "Décalage X Y".
    int ChoixFait() const { return choixFait_; }

    QRadioButton* Choix1() const { return choix_[0]; }
    QRadioButton* Choix2() const { return choix_[1]; }
    QRadioButton* Choix3() const { return choix_[2]; }
    QPushButton* BitBtnOk() const { return ok_; }
    QPushButton* BitBtnCancel() const { return annuler_; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void reject() override;

private:
    void BitBtnOkClick();

    QWidget* principale_;
    QGroupBox* groupe_;
    QRadioButton* choix_[3];
    QPushButton* ok_;
    QPushButton* annuler_;
    int choixFait_ = 0;
    bool place_ = false;
};

} // namespace velk
