// MemoireSession, what the window remembers from one session to the next: the recent
// documents, the window geometry, the sizes of the text tab's splitter and the last folder
// a document was opened from or saved to. It is kept in an INI file through QSettings; an
// unreadable or damaged file is ignored and the defaults are used.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace velk {

// The recent documents, most recent first, without duplicates, at most kMax.
class FichiersRecents {
public:
    static constexpr int kMax = 8;

    // Puts a path at the head of the list (moving it there when already listed).
    void Ajoute(const QString& chemin);
    void Retire(const QString& chemin);
    // Replaces the list, keeping the order, dropping empty and repeated entries and the
    // entries past kMax.
    void Definit(const QStringList& chemins);
    const QStringList& Liste() const { return chemins_; }

private:
    QStringList chemins_;
};

class MemoireSession {
public:
    explicit MemoireSession(QString fichier);

    // Reads the file; false when it was missing or could not be read (defaults kept).
    bool Charge();
    // Writes the file; false when it could not be written (never fatal).
    bool Ecrit() const;

    const QString& Fichier() const { return fichier_; }

    FichiersRecents recents;
    QByteArray geometrie;
    QList<int> partage;
    QString dernierDossier;

private:
    QString fichier_;
};

} // namespace velk
