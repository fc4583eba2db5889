// TFFCanon, the read-only "Formes canoniques" window: the stored values of one point, line
// or circle, one row per value, grouped in frames. The values can be selected with the
// mouse; Ctrl+C copies the whole form with every digit of the stored doubles.
#pragma once

#include "view/forme_canonique.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace velk {

class TFFCanon : public QDialog {
    Q_OBJECT
public:
    explicit TFFCanon(QWidget* parent = nullptr);

    // Fills the window for this form and shows it modally.
    void AfficheFormeCanonique(const ContenuFormeCanonique& forme);
    // Fills the window without showing it.
    void Remplit(const ContenuFormeCanonique& forme);
    const ContenuFormeCanonique& Forme() const { return forme_; }
    // Puts the whole form on the clipboard as text.
    void Copie() const;

    QLabel* Titre(RangForme rang) const { return titres_[size_t(rang)]; }
    QLabel* Valeur(RangForme rang) const { return valeurs_[size_t(rang)]; }
    QFrame* Cadre(CadreForme cadre) const { return cadres_[size_t(cadre)]; }
    QPushButton* BoutonOk() const { return ok_; }

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    ContenuFormeCanonique forme_;
    std::array<QLabel*, NombreRangsForme> titres_{};
    std::array<QLabel*, NombreRangsForme> valeurs_{};
    std::array<QFrame*, NombreCadresForme> cadres_{};
    QPushButton* ok_ = nullptr;
};

} // namespace velk
