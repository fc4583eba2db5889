// Every modal interaction with the user goes through this interface: the real
// implementation shows Qt dialogs, tests inject a scripted one that answers in order and
// records what was asked. Nothing behind it may block a headless test.
#pragma once

#include "view/forme_canonique.h"
#include "view/palette.h"

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

namespace velk {

enum class Reponse { Oui, Non, Annuler };

struct ChoixFichierOuvrir {
    QString chemin;            // empty when cancelled
    bool lectureSeule = false; // the dialog's read-only box
};

struct ChoixFichierExporter {
    QString chemin;  // empty when cancelled
    int filtre = 0;  // the file type chosen, an index into the filters offered
};

class Dialogues {
public:
    virtual ~Dialogues() = default;

    // Question box "Confirmation". With avecAnnuler false only "&Oui" and "&Non" are offered.
    virtual Reponse Question(const QString& texte, bool avecAnnuler = true) = 0;
    // Notice box "Information" with one OK button.
    virtual void Information(const QString& texte) = 0;
    // Warning box with one OK button (value dialog refusals, "Construction impossible").
    virtual void Avertissement(const QString& texte) = 0;
    // The application's general error box (conversion errors, failed writes).
    virtual void Erreur(const QString& texte) = 0;

    // The value dialog TFSaisie: label, mode (0 any value, 1 positive, 2 angle) and an
    // optional first character already typed. Returns the accepted text unchanged, or
    // nothing when abandoned with Escape.
    virtual std::optional<QString> DemandeValeur(const QString& libelle, int mode,
                                                 QChar premierCaractere = QChar()) = 0;
    // The choice dialog TFChoix1: 0 cancelled, 1 "Rayon", 2 "Différence de rayon",
    // 3 "Décalage X Y".
    virtual int Choix1() = 0;

    // File dialogs; an empty path means cancelled.
    virtual ChoixFichierOuvrir FichierOuvrir(const QString& titre, const QString& dossier,
                                             const QString& filtre) = 0;
    virtual QString FichierEnregistrer(const QString& titre, const QString& dossier,
                                       const QString& nomPropose, const QString& filtre,
                                       const QString& extensionParDefaut) = 0;

    // The save dialog of an export: one file type per filter ("Image PNG (*.png)"), the one
    // at filtreInitial chosen first. Where no dialog can be shown the answer is a cancel.
    virtual ChoixFichierExporter FichierExporter(const QString& /*titre*/, const QString& /*dossier*/,
                                                 const QString& /*nomPropose*/,
                                                 const QStringList& /*filtres*/, int /*filtreInitial*/)
    {
        return {};
    }

    virtual void Bip() = 0;

    // The system print dialog on the program's printer: true to print, false when
    // cancelled. Printer, orientation, copies and printing to a PDF file are its own affair.
    // Where no dialog can be shown the answer is a cancel: nothing is printed.
    virtual bool DialogueImpression(QPrinter&) { return false; }
    // The system's printer set-up dialog (paper, orientation, margins) on the same printer.
    virtual void ConfigurationImpression(QPrinter&) {}
    // The colour and layer dialog TFChoixCouleur on the 8 x 2 palette, opened on these
    // values. OK stores the chosen colour and layer in them and answers true; Cancel and
    // the close box leave both alone. Where no dialog can be shown the answer is a cancel.
    virtual bool ChoixCouleur(int& /*couleur*/, int& /*couche*/) { return false; }
    // The visibility dialog TFChoixVisible, changing the flags in place; true after OK.
    // Cancel puts the flags back as they were; the close box keeps the changes. Where no
    // dialog can be shown the flags stay as they are.
    virtual bool ChoixVisible(TVisibilite& /*visibilite*/) { return false; }
    // The read-only canonical-form window TFFCanon, until the user closes it.
    virtual void AfficheFormeCanonique(const ContenuFormeCanonique& /*forme*/) {}
};

} // namespace velk
