// Plain implementations of the run's observers for headless use (the command-line runner):
// a message list kept in memory, a text held in a vector, a drawing and a busy indicator
// that do nothing.
#pragma once

#include "language/interfaces.h"

#include <string>
#include <utility>
#include <vector>

namespace velk {

class MessagesEnMemoire : public ListeMessages {
public:
    void EffaceMessages() override { items_.clear(); }
    void AjouteMessage(const std::string& item) override { items_.push_back(item); }
    int NombreMessages() const override { return static_cast<int>(items_.size()); }
    std::string Message(int i) const override { return items_.at(static_cast<size_t>(i)); }
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};

class LignesEnMemoire : public ListeLignes {
public:
    LignesEnMemoire() = default;
    explicit LignesEnMemoire(std::vector<std::string> lignes) : lignes_(std::move(lignes)) {}
    int NombreLignes() const override { return static_cast<int>(lignes_.size()); }
    std::string Ligne(int k) const override { return lignes_.at(static_cast<size_t>(k)); }
    void InsereLigne(int k, const std::string& texte) override {
        lignes_.insert(lignes_.begin() + k, texte);
        modifie_ = true;
    }
    void SupprimeLigne(int k) override {
        lignes_.erase(lignes_.begin() + k);
        modifie_ = true;
    }
    void AjouteLigne(const std::string& texte) override {
        lignes_.push_back(texte);
        modifie_ = true;
    }
    void Vide() override {
        lignes_.clear();
        modifie_ = true;
    }
    bool Modifie() const override { return modifie_; }
    void SetModifie(bool modifie) override { modifie_ = modifie; }
    void EffaceHistorique() override {}
    const std::vector<std::string>& Lignes() const { return lignes_; }

private:
    std::vector<std::string> lignes_;
    bool modifie_ = false;
};

class DessinMuet : public SurfaceDessin {
public:
    void EffaceDessin() override {}
    void DessinePoint(const TRecPoint&) override {}
    void DessineLigne(const TRecLigne&) override {}
    void DessineCercle(const TRecCercle&) override {}
};

class OccupeMuet : public IndicateurOccupe {
public:
    void Debut() override {}
    void Fin() override {}
};

} // namespace velk
