// The periodic automatic save of the program text to "VELK.SAV", and the lock that keeps a
// second instance on the same program folder away from that file.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QLockFile;

namespace velk {

class CoucheFichiers;
class Dialogues;

class AutoSauvegarde : public QObject {
    Q_OBJECT
public:
    static constexpr int PeriodeInitialeMs = 600000;

    // modifie tells whether the text has unsaved changes; contenu gives the text as written
    // to a program file.
    AutoSauvegarde(const QString& dossierProgramme, Dialogues& dialogues,
                   std::function<bool()> modifie, std::function<QByteArray()> contenu,
                   QObject* parent = nullptr);
    ~AutoSauvegarde() override;

    // Takes the lock of the program folder. False when another instance holds it: this
    // instance then never writes nor deletes the autosave file.
    bool PrendVerrou();
    bool Proprietaire() const { return proprietaire_; }

    QString Chemin() const { return chemin_; }
    bool Existe() const;

    // The timer period in whole minutes, 0 when stopped; setting 0 stops the timer.
    int Minutes() const;
    void SetMinutes(int minutes);
    bool Actif() const { return tempo_.isActive(); }
    // The timer itself, for the options dialog.
    QTimer& Tempo() { return tempo_; }

    // One tick of the timer: writes the text when it is modified. A failure is reported once
    // until a write succeeds again. Returns true when the file was written.
    bool TempoSauvegardeTimer();
    // The file layer the writes go through (the system's by default).
    void SetCoucheFichiers(CoucheFichiers& couche) { couche_ = &couche; }

    // Deletes the autosave file (orderly close). A failure is reported; returns false then.
    // Does nothing for a second instance or when the file is missing.
    bool Supprime();

    // Refused recovery: the autosave file becomes "VELK.~sv" (replacing an older one), so
    // that the only copy of unsaved work is never destroyed by a "No". A failure is
    // reported; returns false then. Does nothing for a second instance or without a file.
    bool MetDeCote();
    QString CheminMisDeCote() const;

private:
    QString dossier_;
    QString chemin_;
    Dialogues& dialogues_;
    std::function<bool()> modifie_;
    std::function<QByteArray()> contenu_;
    QTimer tempo_;
    CoucheFichiers* couche_;
    bool echecSignale_ = false;
    bool proprietaire_ = true;
    std::unique_ptr<QLockFile> verrou_;
};

} // namespace velk
