// Test doubles of the run's observers: a text held in a vector that counts undo-history
// clears, a message list and a drawing surface that record what they receive, and a busy
// indicator that counts its periods.
#pragma once

#include "language/interfaces.h"

#include <string>
#include <utility>
#include <vector>

namespace velk::test {

class LignesVecteur : public ListeLignes {
public:
    LignesVecteur() = default;
    LignesVecteur(std::vector<std::string> lignes) : lignes(std::move(lignes)) {}

    int NombreLignes() const override { return static_cast<int>(lignes.size()); }
    std::string Ligne(int k) const override { return lignes.at(static_cast<size_t>(k)); }
    void InsereLigne(int k, const std::string& texte) override {
        lignes.insert(lignes.begin() + k, texte);
        modifie = true;
    }
    void SupprimeLigne(int k) override {
        lignes.erase(lignes.begin() + k);
        modifie = true;
    }
    void AjouteLigne(const std::string& texte) override {
        lignes.push_back(texte);
        modifie = true;
    }
    void Vide() override {
        lignes.clear();
        modifie = true;
    }
    bool Modifie() const override { return modifie; }
    void SetModifie(bool m) override { modifie = m; }
    void EffaceHistorique() override { ++historiquesEffaces; }

    std::vector<std::string> lignes;
    bool modifie = false;
    int historiquesEffaces = 0;
};

class MessagesEnregistres : public ListeMessages {
public:
    void EffaceMessages() override {
        items.clear();
        ++effacements;
    }
    void AjouteMessage(const std::string& item) override { items.push_back(item); }
    int NombreMessages() const override { return static_cast<int>(items.size()); }
    std::string Message(int i) const override { return items.at(static_cast<size_t>(i)); }

    std::vector<std::string> items;
    int effacements = 0;
};

// Records one event per call: "efface", or the kind letter and number ("P3", "L0", "C1").
class DessinEnregistre : public SurfaceDessin {
public:
    void EffaceDessin() override { evenements.push_back("efface"); }
    void DessinePoint(const TRecPoint& p) override {
        evenements.push_back("P" + std::to_string(p.Numero));
        points.push_back(p);
    }
    void DessineLigne(const TRecLigne& l) override {
        evenements.push_back("L" + std::to_string(l.Numero));
        lignes.push_back(l);
    }
    void DessineCercle(const TRecCercle& c) override {
        evenements.push_back("C" + std::to_string(c.Numero));
        cercles.push_back(c);
    }

    std::vector<std::string> evenements;
    std::vector<TRecPoint> points;
    std::vector<TRecLigne> lignes;
    std::vector<TRecCercle> cercles;
};

class OccupeCompte : public IndicateurOccupe {
public:
    void Debut() override {
        ++debuts;
        ++enCours;
    }
    void Fin() override {
        ++fins;
        --enCours;
    }
    int debuts = 0;
    int fins = 0;
    int enCours = 0;
};

} // namespace velk::test
