// TFChoixVisible, the "Choix des éléments visibles" dialog: one cell per colour, per layer
// and per kind of element, sunken while the item is shown and raised while hidden; a click
// toggles it. OK keeps the changes, Cancel restores the flags of the opening, the close box
// keeps the changes without confirming them.
#pragma once

#include "view/choix_visible.h"
#include "view/palette.h"

#include <QDialog>

#include <optional>
#include <vector>

class QPushButton;

namespace velk {

class TFChoixVisible : public QDialog {
    Q_OBJECT
public:
    explicit TFChoixVisible(QWidget* parent = nullptr);

    // Sets the grid up for columns x rows colours and `couches` layers: sizes, places and
    // the colours of the cells. Done once at start-up.
    void PrepareVisible(int colonnes, int rangees, int couches);

    // Shows the dialog modally over these flags, changing them in place; true only when it
    // was left with OK.
    bool Execute(TVisibilite& drapeaux);
    // The opening without the modal loop: takes the snapshot and clears the result.
    void Ouvre(TVisibilite& drapeaux);
    bool Resultat() const { return resultat_; }
    const DispositionVisible& Disposition() const { return disposition_; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void Termine(FinDialogue fin);
    const TVisibilite& Drapeaux() const { return drapeaux_ ? *drapeaux_ : aucun_; }

    DispositionVisible disposition_;
    std::vector<CouleurRVB> couleurs_;
    TVisibilite* drapeaux_ = nullptr;
    TVisibilite aucun_; // painted before the first opening
    std::optional<SessionChoixVisible> session_;
    bool resultat_ = false;
    bool parFermeture_ = false;
    QPushButton* ok_ = nullptr;
    QPushButton* annule_ = nullptr;
};

} // namespace velk
