// Table-driven click sequences: each step is a click (with a scripted pick at a world
// position) or a typed first key (with the dialog answers), and states what the engine
// shows after it: the signature, the prompt, whether it beeped. A sequence ends with the
// statement it must have executed and appended.
#pragma once

#include "moteur_fixture.h"

#include <ostream>

namespace velk::test {

// The scene every sequence works on (view -100..100, 2 pixels per unit).
inline const std::vector<std::string>& Scene()
{
    static const std::vector<std::string> s = {
        "P0:=0,0,0,0",        "P1:=20,0,0,0",       "P2:=0,30,0,0",
        "L0:=0,-50,A0,0,0",   "L1:=60,0,A90,0,0",   "L2:=0,-20,A0,0,0",
        "C0:=50,50,20,0,0",   "C1:=-50,-20,15,0,0", "C2:=75,50,15,0,0",
    };
    return s;
}

struct Pas {
    char touche = 0;          // 0: a click
    TElementsProches prise;   // what the click's pick finds
    Reel x = 0, y = 0;        // where the click is (world)
    int choix = -1;           // answer of the choice dialog, asked before the values; -1 none
    std::vector<std::optional<QString>> valeurs; // dialog answers, in order
    const char* signature;    // after the step
    int invite;               // after the step; -1: not checked
    bool bip = false;
};

inline Pas Clique(TElementsProches e, Reel x, Reel y, const char* sig, int invite, bool bip = false,
                std::vector<std::optional<QString>> valeurs = {})
{
    Pas p;
    p.prise = e;
    p.x = x;
    p.y = y;
    p.signature = sig;
    p.invite = invite;
    p.bip = bip;
    p.valeurs = std::move(valeurs);
    return p;
}
inline Pas Bip(TElementsProches e, const char* sig, int invite)
{
    return Clique(e, 0, 0, sig, invite, true);
}
// A click whose step opens the choice dialog (answered choix), then the value dialogs.
inline Pas Choisit(TElementsProches e, Reel x, Reel y, int choix,
                   std::vector<std::optional<QString>> valeurs, const char* sig, int invite)
{
    Pas p = Clique(e, x, y, sig, invite, false, std::move(valeurs));
    p.choix = choix;
    return p;
}
inline Pas Tape(char c, std::vector<std::optional<QString>> valeurs, const char* sig, int invite)
{
    Pas p;
    p.touche = c;
    p.valeurs = std::move(valeurs);
    p.signature = sig;
    p.invite = invite;
    return p;
}

struct Sequence {
    const char* nom;
    int outil;
    std::vector<Pas> pas;
    const char* executee;  // the statement executed last (without colour and layer); "" none
    bool ajoutee = true;   // it succeeded and was appended
    std::vector<const char*> libelles = {}; // value-dialog labels asked, in order
};

inline void PrintTo(const Sequence& s, std::ostream* os) { *os << s.nom; }

class Sequences : public MoteurTest, public ::testing::WithParamInterface<Sequence> {
protected:
    void Joue()
    {
        const Sequence& s = GetParam();
        hote.Programme(Scene());
        Outil(s.outil);
        for (size_t i = 0; i < s.pas.size(); ++i) {
            const Pas& p = s.pas[i];
            if (p.choix >= 0)
                dialogues.RepondChoix1(p.choix);
            for (const auto& v : p.valeurs)
                dialogues.RepondValeur(v);
            const int bips = dialogues.Nombre(G::Bip);
            if (p.touche)
                Touche(p.touche);
            else
                ClicPris(p.prise, p.x, p.y);
            EXPECT_EQ(moteur.SignatureEnCours(), QString::fromLatin1(p.signature)) << "pas " << i;
            if (p.invite >= 0) {
                EXPECT_EQ(hote.invite, TexteInvite(p.invite)) << "pas " << i;
            }
            EXPECT_EQ(dialogues.Nombre(G::Bip) - bips, p.bip ? 1 : 0) << "pas " << i;
        }
        if (*s.executee) {
            ASSERT_FALSE(hote.executees.empty());
            EXPECT_EQ(hote.executees.back(), QString::fromLatin1(s.executee) + ",0,0");
            EXPECT_EQ(hote.ajoutees.size(), s.ajoutee ? 1u : 0u) << hote.messages.items.size();
            if (s.ajoutee && !hote.ajoutees.empty()) {
                EXPECT_EQ(hote.ajoutees.back(), hote.executees.back());
            }
        } else {
            EXPECT_TRUE(hote.executees.empty());
        }
        if (!s.libelles.empty()) {
            std::vector<QString> attendus;
            for (const char* l : s.libelles)
                attendus.push_back(QString::fromUtf8(l));
            EXPECT_EQ(dialogues.Textes(G::DemandeValeur), attendus);
        }
    }
};

} // namespace velk::test
