// TFChoixCouleur, the "Choix couleur / couche" dialog: a grid of colour swatches painted by
// the dialog itself, the layer box, OK and Cancel. The arrow keys move the colour selection
// even while the layer box has the focus.
#pragma once

#include "view/choix_couleur.h"
#include "view/palette.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QSpinBox;

namespace velk {

class TFChoixCouleur : public QDialog {
    Q_OBJECT
public:
    explicit TFChoixCouleur(QWidget* parent = nullptr);

    // Set by the caller before showing; CouleurChoisie and CoucheChoisie hold the answer
    // after OK.
    int NbColonnes = 8;
    int NbRangees = 2;
    int CouleurChoisie = 0;
    int CoucheChoisie = 0;

    // Shows the dialog modally; true only when it was left with OK.
    bool Execute();
    bool Resultat() const { return resultat_; }

    // The showing step: sizes and places everything for the grid, brings the selection
    // into range and puts CoucheChoisie in the layer box. Run by every showing.
    void Prepare();
    const DispositionCouleur& Disposition() const { return disposition_; }
    const std::vector<CouleurRVB>& Couleurs() const { return couleurs_; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Moves the selection for an arrow key; true when the selection changed.
    bool DeplaceParFleche(int touche);
    void Selectionne(int couleur);

    DispositionCouleur disposition_;
    std::vector<CouleurRVB> couleurs_;
    bool resultat_ = false;
    QLabel* libelleCouleur_ = nullptr;
    QLabel* libelleCouche_ = nullptr;
    QSpinBox* couche_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* annule_ = nullptr;
};

} // namespace velk
