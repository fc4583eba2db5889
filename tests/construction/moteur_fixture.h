// The engine on a plain host and scripted dialogs: clicks are given in world coordinates
// (turned into pixels of the test view), picks come from the real ChercheElements unless a
// test scripts them, values and choices from the script.
#pragma once

#include "support/dialogues_scriptes.h"
#include "support/hote_test.h"

#include "construction/moteur_construction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velk::test {

using G = GenreDialogue;

class MoteurTest : public ::testing::Test {
protected:
    MoteurTest() : moteur(hote, dialogues) {}

    // A click at a world point.
    void Clic(Reel x, Reel y)
    {
        const int c = hote.Colonne(x), l = hote.Ligne(y);
        moteur.DessinMouseDown(c, l);
        moteur.DessinMouseUp(c, l);
    }
    // A click where the next pick is scripted.
    void ClicPris(const TElementsProches& e, Reel x = 0, Reel y = 0)
    {
        hote.ScriptePrise(e);
        Clic(x, y);
    }
    void Outil(int outil) { moteur.BtnOutilClick(outil, true); }
    bool Touche(char c) { return moteur.FormKeyPress(QChar::fromLatin1(c), true); }

    std::vector<std::string> Ajoutees() const
    {
        std::vector<std::string> r;
        for (const QString& t : hote.ajoutees)
            r.push_back(t.toStdString());
        return r;
    }
    std::string Derniere() const
    {
        return hote.ajoutees.empty() ? std::string() : hote.ajoutees.back().toStdString();
    }

    DialoguesScriptes dialogues;
    HoteTest hote;
    MoteurConstruction moteur;
};

// Pick answers.
inline TElementsProches PriseP(int p)
{
    TElementsProches e;
    e.PointTrouve = 1;
    e.NumPoint = p;
    return e;
}
inline TElementsProches Prise(int point, std::vector<int> lignes, std::vector<int> cercles)
{
    TElementsProches e;
    if (point >= 0) {
        e.PointTrouve = 1;
        e.NumPoint = point;
    }
    e.NbLignes = int32_t(lignes.size());
    if (!lignes.empty())
        e.NumLigne1 = lignes[0];
    if (lignes.size() > 1)
        e.NumLigne2 = lignes[1];
    e.NbCercles = int32_t(cercles.size());
    if (!cercles.empty())
        e.NumCercle1 = cercles[0];
    if (cercles.size() > 1)
        e.NumCercle2 = cercles[1];
    return e;
}

} // namespace velk::test
