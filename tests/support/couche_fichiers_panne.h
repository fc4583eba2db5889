// A file layer that does the real calls but fails the ones a test plans, as a full disk, a
// folder that became read-only or a vanished file would: "the 2nd write fails with ENOSPC"
// (after writing half of its bytes, as a disk that fills up does). It counts every call and
// can run a hook before each one (the crash tests stop the process there).
#pragma once

#include "shell/couche_fichiers.h"

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace velk::test {

class CoucheFichiersPanne : public CoucheFichiers {
public:
    // The rang-th call (from 1) of op fails with erreur.
    CoucheFichiersPanne& Echoue(OperationFichier op, int rang, int erreur)
    {
        pannes_.push_back({op, rang, erreur});
        return *this;
    }
    // Every call of op from the rang-th on fails with erreur.
    CoucheFichiersPanne& EchoueToujours(OperationFichier op, int rang, int erreur)
    {
        toujours_[op] = {rang, erreur};
        return *this;
    }
    int Appels(OperationFichier op) const
    {
        const auto it = appels_.find(op);
        return it == appels_.end() ? 0 : it->second;
    }
    // Called before each call with the operation and its rank.
    std::function<void(OperationFichier, int)> avant;

    int Cree(const QString& chemin, const QString& modele, int& descripteur) override
    {
        descripteur = -1;
        if (const int e = Panne(OperationFichier::Cree))
            return e;
        return CoucheFichiers::Cree(chemin, modele, descripteur);
    }
    int Ecrit(int descripteur, const char* octets, size_t taille, size_t& ecrits) override
    {
        ecrits = 0;
        if (const int e = Panne(OperationFichier::Ecrit)) {
            if (taille > 1)
                CoucheFichiers::Ecrit(descripteur, octets, taille / 2, ecrits);
            return e;
        }
        return CoucheFichiers::Ecrit(descripteur, octets, taille, ecrits);
    }
    int Synchronise(int descripteur) override
    {
        if (const int e = Panne(OperationFichier::Synchronise))
            return e;
        return CoucheFichiers::Synchronise(descripteur);
    }
    int Ferme(int descripteur) override
    {
        // The descriptor is released even when the close is made to fail.
        const int e = Panne(OperationFichier::Ferme);
        const int r = CoucheFichiers::Ferme(descripteur);
        return e ? e : r;
    }
    int Renomme(const QString& de, const QString& vers) override
    {
        if (const int e = Panne(OperationFichier::Renomme))
            return e;
        return CoucheFichiers::Renomme(de, vers);
    }
    int Lie(const QString& existant, const QString& nouveau) override
    {
        if (const int e = Panne(OperationFichier::Lie))
            return e;
        return CoucheFichiers::Lie(existant, nouveau);
    }
    void SynchroniseDossier(const QString& dossier) override
    {
        if (!Panne(OperationFichier::SynchroniseDossier))
            CoucheFichiers::SynchroniseDossier(dossier);
    }
    int Supprime(const QString& chemin) override
    {
        if (const int e = Panne(OperationFichier::Supprime))
            return e;
        return CoucheFichiers::Supprime(chemin);
    }

private:
    struct PannePrevue {
        OperationFichier op;
        int rang;
        int erreur;
    };

    int Panne(OperationFichier op)
    {
        const int rang = ++appels_[op];
        if (avant)
            avant(op, rang);
        for (const PannePrevue& p : pannes_)
            if (p.op == op && p.rang == rang)
                return p.erreur;
        const auto it = toujours_.find(op);
        if (it != toujours_.end() && rang >= it->second.first)
            return it->second.second;
        return 0;
    }

    std::vector<PannePrevue> pannes_;
    std::map<OperationFichier, std::pair<int, int>> toujours_;
    std::map<OperationFichier, int> appels_;
};

} // namespace velk::test
