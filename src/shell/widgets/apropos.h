// TFAbout, the "A propos" box: program name, icon and version, the user and
// organisation, the system, and the use of memory and swap with two gauges. Everything
// is read again at each showing.
#pragma once

#include "shell/widgets/infos_systeme.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace velk {

class TFAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFAbout(QWidget* parent = nullptr);

    // Set by the menu command before each showing ("1.0").
    QString VersionLogiciel = QStringLiteral("1.0");
    // The application title; when empty, the application's display name.
    QString TitreApplication;

    // Fills every field from the given facts (the showing reads them from the system).
    void Remplit(const InfosSysteme& infos);

    QLabel* TitreProgramme() const { return titreProgramme_; }
    QLabel* TitreVersion() const { return titreVersion_; }
    QLabel* TitreLogiciel() const { return titreLogiciel_; }
    QLabel* Os() const { return os_; }
    QLabel* Utilisateur() const { return utilisateur_; }
    QLabel* Societe() const { return societe_; }
    QLabel* Mem() const { return mem_; }
    QLabel* Swap() const { return swap_; }
    QProgressBar* GaugeMem() const { return gaugeMem_; }
    QProgressBar* GaugeSwap() const { return gaugeSwap_; }

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QLabel* icone_;
    QLabel* titreProgramme_;
    QLabel* titreVersion_;
    QLabel* titreLogiciel_;
    QLabel* os_;
    QLabel* utilisateur_;
    QLabel* societe_;
    QLabel* mem_;
    QLabel* swap_;
    QProgressBar* gaugeMem_;
    QProgressBar* gaugeSwap_;
};

} // namespace velk
