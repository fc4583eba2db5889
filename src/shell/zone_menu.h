// The left strip of the graphic tab: the four palettes (general, construction, dimensioning,
// chaining), each filling the column. Normally one is shown; after "Début de forme" the
// chaining palette stays shown behind the construction palette, which is in front. Each
// palette carries its own copy of the common buttons (selection, eraser, framing, zoom,
// previous and next view, colour, visibility, canonical forms); the copies share one
// signal. Every button shows a glyph beside its caption, its hint as tool tip, status tip
// and accessible name.
#pragma once

#include <QWidget>

#include <array>
#include <vector>

class QToolButton;
class QVBoxLayout;

namespace velk {

class ZoneMenu : public QWidget {
    Q_OBJECT
public:
    enum Palette { MenuGeneral = 0, MenuConstruction = 1, MenuCotation = 2, MenuChainer = 3 };

    explicit ZoneMenu(QWidget* parent = nullptr);

    // The palette in front.
    Palette PaletteVisible() const { return visible_; }
    // Whether a palette is shown, in front or behind.
    bool PaletteMontree(Palette p) const { return montrees_[size_t(p)]; }
    // Shows this palette alone.
    void AffichePalette(Palette p);

    // The palette switches of the buttons: the general palette is hidden and p shown in
    // front (construction, dimensioning or chaining).
    void QuitteMenuGeneral(Palette p);
    // A "Menu général" button: every other palette is hidden, then RetourMenuGeneral.
    void RetourGeneral();

    // Enables the four copies of "previous" / "next".
    void SetPrecedentActif(bool actif);
    void SetSuivantActif(bool actif);
    bool PrecedentActif() const;
    bool SuivantActif() const;

    // Releases every toggle button (modes and tools).
    void RelacheTout();
    void RelacheZoom();
    // Releases the four buttons of a mouse mode (1 selection, 2 eraser, 3 zoom, 4 canonical
    // form) on every palette.
    void RelacheMode(int mode);
    // Releases the button of a tool (1 to 14).
    void RelacheOutil(int outil);
    bool OutilEnfonce(int outil) const;
    bool ZoomEnfonce() const;

    // The button of the given object name on the visible palette, for tests and shortcuts.
    QToolButton* Bouton(const QString& nom) const;

signals:
    // An eraser (2), zoom (3) or canonical-form (4) button was clicked: the mode and the
    // button's new state. The selection buttons have no action.
    void ModeBascule(int mode, bool enfonce);
    void ZoomPrecedentClick();
    void ZoomSuivantClick();
    void CadrageClick();
    void CouleurClick();
    void VisibleClick();
    // A construction or dimensioning tool button changed: its number and its new state.
    void OutilClick(int outil, bool enfonce);
    // A "Menu général" button brought the general palette back.
    void RetourMenuGeneral();

private:
    struct Commun {
        QToolButton* selection = nullptr;
        QToolButton* gomme = nullptr;
        QToolButton* cadrage = nullptr;
        QToolButton* zoom = nullptr;
        QToolButton* precedent = nullptr;
        QToolButton* suivant = nullptr;
        QToolButton* couleur = nullptr;
        QToolButton* visible = nullptr;
        QToolButton* fcanon = nullptr;
    };

    QWidget* CreePalette(Palette p);
    QToolButton* AjouteBouton(QVBoxLayout* colonne, const QString& nom, const QString& texte,
                              const QString& indice, bool bascule, bool actif = true);
    void MontrePalettes();
    void AjouteCommuns(QVBoxLayout* colonne, int suffixe);
    void Exclusif(const std::vector<QToolButton*>& groupe);

    std::array<QWidget*, 4> palettes_{};
    std::array<Commun, 4> communs_{};
    std::vector<QToolButton*> bascules_;
    std::array<QToolButton*, 15> outils_{}; // by tool number, 1 to 14
    Palette visible_ = MenuGeneral;
    std::array<bool, 4> montrees_{};
};

} // namespace velk
