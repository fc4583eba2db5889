// The file-system calls that a safe write is made of, behind one interface: the program
// uses the system's own, tests put in a layer that fails a chosen call the way a full disk,
// a vanished folder or a crash would, without needing such a disk.
#pragma once

#include <QString>

#include <cstddef>

namespace velk {

// The calls, to name one of them (fault plans, crash points).
enum class OperationFichier { Cree, Ecrit, Synchronise, Ferme, Renomme, Lie, Supprime,
                              SynchroniseDossier };

class CoucheFichiers {
public:
    virtual ~CoucheFichiers() = default;

    // Every call returns 0 when it succeeded, the system's error number (errno) otherwise.

    // Creates a file that must not exist yet, open for writing, with the permissions of
    // `modele` when that file exists (the default ones otherwise).
    virtual int Cree(const QString& chemin, const QString& modele, int& descripteur);
    // One write of at most `taille` bytes; `ecrits` tells how many went through.
    virtual int Ecrit(int descripteur, const char* octets, size_t taille, size_t& ecrits);
    // Waits until the file's bytes are on the disk.
    virtual int Synchronise(int descripteur);
    virtual int Ferme(int descripteur);
    // Gives `de` the name `vers` in one step, replacing a file of that name.
    virtual int Renomme(const QString& de, const QString& vers);
    // A second name for an existing file (no bytes copied).
    virtual int Lie(const QString& existant, const QString& nouveau);
    virtual int Supprime(const QString& chemin);
    // Makes the renames done in a folder durable. Failures are not errors of the write.
    virtual void SynchroniseDossier(const QString& dossier);

    // The system's calls.
    static CoucheFichiers& Systeme();
};

// Why a call failed, in French, for the messages shown to the user ("le disque est plein").
QString RaisonErreur(int erreur);

} // namespace velk
