// What the click-sequence engine needs from the window that holds it. The main
// window implements it with its widgets, the tests with plain objects, so every sequence
// runs headless: clicks are pixels, picks come from ChercheElements (or from a script),
// values and choices from Dialogues.
#pragma once

#include "geometry/records.h"
#include "view/recherche.h"
#include "view/vue.h"

#include <QChar>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>

namespace velk {

// General mouse mode of the graphic tab, independent of the tool.
enum class ModeSouris { Aucun = 0, Selection = 1, Gomme = 2, Zoom = 3, FormeCanonique = 4,
                        ZoneImpression = 5 };

class HoteConstruction {
public:
    virtual ~HoteConstruction() = default;

    // ---- Picking and the view ----
    // ChercheElements at a pixel of Dessin: the visible point, lines and circles near it.
    // True when anything was found.
    virtual bool ChercheElements(int32_t colonne, int32_t ligne, TElementsProches& reponse) = 0;
    // The screen view: XReel, YReel and the side-of-click letters are taken with it.
    virtual const TVue& VueEcran() const = 0;

    // ---- Element tables ----
    // The lowest free number of kind 'P', 'L' or 'C', or nothing when all are taken.
    virtual std::optional<uint16_t> NumeroLibre(char genre) const = 0;
    // Fill the record when the element exists, else leave it unchanged.
    virtual void LitPoint(uint16_t numero, TRecPoint& p) const = 0;
    virtual void LitLigne(uint16_t numero, TRecLigne& l) const = 0;
    virtual void LitCercle(uint16_t numero, TRecCercle& c) const = 0;

    // ---- The statement ----
    // Executes one statement outside a run: stored, written to its table, drawn, errors in
    // the message list. True when it succeeded.
    virtual bool ExecuteInstruction(const QString& texte) = 0;
    // Appends the statement as the last line of the program text.
    virtual void AjouteInstruction(const QString& texte) = 0;
    // False while the program text is read-only: a statement built by clicks could not be
    // appended, so no tool may be armed and nothing may be stored.
    virtual bool TexteModifiable() const { return true; }

    // ---- Output ----
    // The prompt strip ZoneQR, repainted at once.
    virtual void AfficheInvite(const QString& texte) = 0;
    // Status panel 0 (cursor coordinates) or 3 (the signature).
    virtual void AffichePanneau(int panneau, const QString& texte) = 0;

    // ---- Buttons ----
    // Releases the four buttons of a mouse mode (selection, eraser, zoom or canonical form).
    virtual void RelacheBoutonsMode(ModeSouris mode) = 0;
    // Releases the button of a tool (1 to 14).
    virtual void RelacheBoutonOutil(int outil) = 0;

    // ---- Rubber band of the zoom and print-area modes ----
    virtual void MontreCadre(QPoint /*coin1*/, QPoint /*coin2*/) {}
    virtual void CacheCadre() {}
    // The end of a drag in zoom mode (mode already back to none, zoom buttons released):
    // a framed zoom, or a click that asks a scale.
    virtual void TermineZoom(QPoint /*coin1*/, QPoint /*coin2*/) {}
    // The end of a drag in print-area mode (mode already back to none).
    virtual void TermineZoneImpression(QPoint /*coin1*/, QPoint /*coin2*/) {}

    // ---- Canonical-form mode ----
    // Shows the element 'P', 'L' or 'C' number numero in the canonical-form dialog.
    virtual void MontreFormeCanonique(QChar /*genre*/, int /*numero*/) {}
};

} // namespace velk
