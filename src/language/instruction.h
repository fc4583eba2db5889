// One statement as the reader leaves it: its signature and its argument lists.
#pragma once

#include "geometry/records.h"

#include <cstdint>
#include <string>

namespace velk {

// A list of at most ten entries. Entries past the tenth are counted but not kept, so that
// an overlong statement is read to its end without overflow and then matches no form.
template <typename T> class ListeArguments {
public:
    static constexpr int Capacite = 10;

    void Vide() { nombre_ = 0; }
    void Ajoute(T valeur) {
        if (nombre_ < Capacite) valeurs_[nombre_] = valeur;
        if (nombre_ < Capacite + 1) ++nombre_;
    }
    // Entries kept, at most ten.
    int Taille() const { return nombre_ < Capacite ? nombre_ : Capacite; }
    bool Deborde() const { return nombre_ > Capacite; }
    T operator[](int i) const { return valeurs_[i]; }
    const T* Donnees() const { return valeurs_; }

private:
    T valeurs_[Capacite] = {};
    int nombre_ = 0;
};

struct Instruction {
    std::string Signature;
    ListeArguments<uint16_t> IndicesP;
    ListeArguments<uint16_t> IndicesL;
    ListeArguments<uint16_t> IndicesC;
    ListeArguments<uint16_t> IndicesV;
    ListeArguments<uint16_t> IndicesF;
    ListeArguments<Reel> Nombres;
    ListeArguments<char> Choix;

    void Vide() {
        Signature.clear();
        IndicesP.Vide();
        IndicesL.Vide();
        IndicesC.Vide();
        IndicesV.Vide();
        IndicesF.Vide();
        Nombres.Vide();
        Choix.Vide();
    }
    bool Deborde() const {
        return IndicesP.Deborde() || IndicesL.Deborde() || IndicesC.Deborde() ||
               IndicesV.Deborde() || IndicesF.Deborde() || Nombres.Deborde() || Choix.Deborde();
    }
};

} // namespace velk
