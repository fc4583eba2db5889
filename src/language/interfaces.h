// What the run and the program-text operations need from the outside world. The main
// window implements these with its widgets; the command-line runner and the tests with
// plain objects, so the language works headless. Text is UTF-8 throughout.
#pragma once

#include "geometry/records.h"
#include "language/messages.h"

#include <string>
#include <string_view>

namespace velk {

// The program text: an ordered list of lines numbered from 0 (the editor).
class ListeLignes {
public:
    virtual ~ListeLignes() = default;
    virtual int NombreLignes() const = 0;
    virtual std::string Ligne(int k) const = 0;
    virtual void InsereLigne(int k, const std::string& texte) = 0; // before line k
    virtual void SupprimeLigne(int k) = 0;
    virtual void AjouteLigne(const std::string& texte) = 0;
    virtual void Vide() = 0;
    virtual bool Modifie() const = 0;
    virtual void SetModifie(bool modifie) = 0;
    virtual void EffaceHistorique() = 0; // clears the undo history
};

// The message list under the text.
class ListeMessages {
public:
    virtual ~ListeMessages() = default;
    virtual void EffaceMessages() = 0;
    virtual void AjouteMessage(const std::string& item) = 0;
    // A message by its parts: line number (from 1), code and index text. A list that may
    // hold millions of messages keeps the parts and composes the item when it is shown.
    virtual void AjouteMessageCode(int numeroLigne, int code, std::string_view indice) {
        AjouteMessage(ComposeMessage(numeroLigne, code, indice));
    }
    virtual int NombreMessages() const = 0;
    virtual std::string Message(int i) const = 0;
};

// The drawing surface: each element is drawn as soon as it is stored.
class SurfaceDessin {
public:
    virtual ~SurfaceDessin() = default;
    virtual void EffaceDessin() = 0;
    virtual void DessinePoint(const TRecPoint& p) = 0;
    virtual void DessineLigne(const TRecLigne& l) = 0;
    virtual void DessineCercle(const TRecCercle& c) = 0;
};

// The hourglass cursor while a run lasts.
class IndicateurOccupe {
public:
    virtual ~IndicateurOccupe() = default;
    virtual void Debut() = 0;
    virtual void Fin() = 0;
};

} // namespace velk
