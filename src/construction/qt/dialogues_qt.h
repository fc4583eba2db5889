// The real modal dialogs behind the Dialogues interface: French message boxes, the value
// and choice dialogs, the file dialogs (the open one with its read-only box), and the
// print and printer set-up dialogs, and the graphic view's colour, visibility and
// canonical-form dialogs.
#pragma once

#include "construction/dialogues.h"

#include <QString>

class QWidget;

namespace velk {

class TFSaisie;
class TFChoix1;
class TFChoixCouleur;
class TFChoixVisible;
class TFFCanon;

class DialoguesQt : public Dialogues {
public:
    // parent: the main window; the value and choice dialogs are created here, once.
    explicit DialoguesQt(QWidget* parent);
    ~DialoguesQt() override;

    Reponse Question(const QString& texte, bool avecAnnuler = true) override;
    void Information(const QString& texte) override;
    void Avertissement(const QString& texte) override;
    void Erreur(const QString& texte) override;
    std::optional<QString> DemandeValeur(const QString& libelle, int mode,
                                         QChar premierCaractere = QChar()) override;
    int Choix1() override;
    ChoixFichierOuvrir FichierOuvrir(const QString& titre, const QString& dossier,
                                     const QString& filtre) override;
    QString FichierEnregistrer(const QString& titre, const QString& dossier,
                               const QString& nomPropose, const QString& filtre,
                               const QString& extensionParDefaut) override;
    ChoixFichierExporter FichierExporter(const QString& titre, const QString& dossier,
                                         const QString& nomPropose, const QStringList& filtres,
                                         int filtreInitial) override;
    void Bip() override;
    bool DialogueImpression(QPrinter& imprimante) override;
    void ConfigurationImpression(QPrinter& imprimante) override;
    bool ChoixCouleur(int& couleur, int& couche) override;
    bool ChoixVisible(TVisibilite& visibilite) override;
    void AfficheFormeCanonique(const ContenuFormeCanonique& forme) override;

    TFSaisie& Saisie() { return *saisie_; }
    TFChoix1& Choix() { return *choix_; }
    TFChoixCouleur& ChoixCouleurDialogue() { return *couleur_; }
    TFChoixVisible& ChoixVisibleDialogue() { return *visible_; }
    TFFCanon& FCanon() { return *fcanon_; }

    // Turns a filter written "Texte|*.ext|Texte|*.*" into Qt's "Texte (*.ext);;..." form;
    // a filter already in Qt's form is returned unchanged.
    static QString FiltreQt(const QString& filtre);

private:
    QWidget* parent_;
    TFSaisie* saisie_;
    TFChoix1* choix_;
    TFChoixCouleur* couleur_;
    TFChoixVisible* visible_;
    TFFCanon* fcanon_;
};

} // namespace velk
