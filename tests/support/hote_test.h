// A plain host for the click-sequence engine: real tables in memory, the real interpreter
// for single statements, the real ChercheElements on a fixed view, and records of every
// prompt, panel, released button and appended statement. A test may also script the next
// picks instead of letting ChercheElements answer.
#pragma once

#include "support/observateurs_enregistres.h"

#include "construction/hote_construction.h"
#include "language/interprete.h"
#include "store/module_donnee.h"
#include "view/palette.h"
#include "view/recherche.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace velk::test {

class HoteTest : public HoteConstruction {
public:
    // A 400 x 400 view of the world -100..100 on both axes: 2 pixels per unit, the origin
    // at pixel (200, 200).
    HoteTest()
        : interprete_(tables, messages, dessin, occupe),
          recherche_(tables, vue_, visibilite)
    {
        vue_.OrigineX = -100;
        vue_.OrigineY = -100;
        vue_.Echelle = 2;
        vue_.Largeur = 400;
        vue_.Hauteur = 400;
        interprete_.ExecuteProgramme(std::vector<std::string>{"", "", ""});
    }

    // Runs a program (three header lines are added) as F9 would.
    void Programme(const std::vector<std::string>& instructions)
    {
        std::vector<std::string> lignes{"", "", ""};
        lignes.insert(lignes.end(), instructions.begin(), instructions.end());
        texte = lignes;
        interprete_.ExecuteProgramme(lignes);
        messages.items.clear();
    }

    // The pixel of a world point.
    int Colonne(Reel x) const { return XEcran(vue_, x); }
    int Ligne(Reel y) const { return YEcran(vue_, y); }

    // The next pick answers this instead of ChercheElements.
    void ScriptePrise(const TElementsProches& e) { prises_.push_back(e); }

    // ---- HoteConstruction ----
    bool ChercheElements(int32_t colonne, int32_t ligne, TElementsProches& reponse) override
    {
        ++pointages;
        reponse = TElementsProches();
        if (!prises_.empty()) {
            reponse = prises_.front();
            prises_.pop_front();
            return reponse.PointTrouve || reponse.NbLignes || reponse.NbCercles;
        }
        return recherche_.ChercheElements(colonne, ligne, reponse);
    }
    const TVue& VueEcran() const override { return vue_; }
    std::optional<uint16_t> NumeroLibre(char genre) const override
    {
        if (plusDeNumero)
            return std::nullopt;
        switch (genre) {
        case 'P': return tables.NumeroLibrePoint();
        case 'L': return tables.NumeroLibreLigne();
        case 'C': return tables.NumeroLibreCercle();
        }
        return std::nullopt;
    }
    void LitPoint(uint16_t n, TRecPoint& p) const override { tables.LitPoint(n, p); }
    void LitLigne(uint16_t n, TRecLigne& l) const override { tables.LitLigne(n, l); }
    void LitCercle(uint16_t n, TRecCercle& c) const override { tables.LitCercle(n, c); }
    bool ExecuteInstruction(const QString& t) override
    {
        executees.push_back(t);
        return interprete_.ExecuteInstruction(t.toStdString());
    }
    void AjouteInstruction(const QString& t) override
    {
        ajoutees.push_back(t);
        texte.push_back(t.toStdString());
    }
    bool TexteModifiable() const override { return !lectureSeule; }
    void AfficheInvite(const QString& t) override
    {
        invite = t;
        invites.push_back(t);
    }
    void AffichePanneau(int i, const QString& t) override
    {
        if (i >= 0 && i < 4)
            panneaux[i] = t;
    }
    void RelacheBoutonsMode(ModeSouris mode) override { modesRelaches.push_back(mode); }
    void RelacheBoutonOutil(int outil) override { outilsRelaches.push_back(outil); }
    void MontreCadre(QPoint a, QPoint b) override
    {
        cadre = {a, b};
        cadreVisible = true;
    }
    void CacheCadre() override { cadreVisible = false; }
    void TermineZoom(QPoint a, QPoint b) override { zooms.push_back({a, b}); }
    void TermineZoneImpression(QPoint a, QPoint b) override { impressions.push_back({a, b}); }
    void MontreFormeCanonique(QChar genre, int numero) override
    {
        formes.push_back(QString(genre) + QString::number(numero));
    }

    TModuleDonnee tables;
    MessagesEnregistres messages;
    DessinEnregistre dessin;
    OccupeCompte occupe;
    TVisibilite visibilite;
    std::vector<std::string> texte;

    bool plusDeNumero = false;
    bool lectureSeule = false;
    int pointages = 0;
    QString invite;
    std::vector<QString> invites;
    QString panneaux[4];
    std::vector<QString> executees;
    std::vector<QString> ajoutees;
    std::vector<ModeSouris> modesRelaches;
    std::vector<int> outilsRelaches;
    std::pair<QPoint, QPoint> cadre;
    bool cadreVisible = false;
    std::vector<std::pair<QPoint, QPoint>> zooms;
    std::vector<std::pair<QPoint, QPoint>> impressions;
    std::vector<QString> formes;

private:
    TVue vue_;
    Interprete interprete_;
    RechercheElements recherche_;
    std::deque<TElementsProches> prises_;
};

} // namespace velk::test
