// The five element tables (points, lines, circles, variables, forms), held in memory and
// mirrored to one SQLite file each in the program folder.
#pragma once

#include "geometry/records.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace velk {

// A failure of the table files (missing folder, locked or damaged file). The message is
// French and names the file.
class ErreurStockage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};


class TModuleDonnee {
public:
    // dossier: the program folder that holds the table files. An empty string keeps the
    // tables in memory only (the command-line runner without --tables).
    explicit TModuleDonnee(std::string dossier = {});
    ~TModuleDonnee();
    TModuleDonnee(const TModuleDonnee&) = delete;
    TModuleDonnee& operator=(const TModuleDonnee&) = delete;

    const std::string& Dossier() const;

    // How long an operation on the files waits for another program's lock before it
    // fails with ErreurStockage (2 s unless changed).
    void SetDelaiVerrou(int millisecondes);

    // Creates the five files (or empties existing ones), opens them, sets TablesPretes.
    // A file that cannot be used leaves its table in memory only; the tables are ready
    // all the same, and then ErreurStockage is thrown once, naming each such file and why.
    void CreeTables();
    void VideTables();
    // Switching to read-only writes the changed tables to their files in one transaction.
    // Throws ErreurStockage when a file fails for the first time since it was last
    // written; the tables are read-only even then, and a table that could not be written
    // is tried again, silently and without waiting for locks, at the next switch.
    void TablesLectureSeule(bool lectureSeule);
    bool LectureSeule() const;

    bool TablesPretes() const;
    void SetTablesPretes(bool pretes);

    bool PointExiste(uint16_t n) const;
    bool LigneExiste(uint16_t n) const;
    bool CercleExiste(uint16_t n) const;
    bool VariableExiste(uint16_t n) const;
    bool FormeExiste(uint16_t n) const;

    // Inserts a row; the caller guarantees that n is free. Refused (assert in debug
    // builds, no change otherwise) while the tables are read-only.
    void EcritPoint(uint16_t n, const TRecPoint& p);
    void EcritLigne(uint16_t n, const TRecLigne& l);
    void EcritCercle(uint16_t n, const TRecCercle& c);
    void EcritVariable(uint16_t n, Reel valeur);
    void EcritForme(uint16_t n);

    // Writes refused since construction: while read-only, or with a field that is not a
    // finite 64-bit real once converted. Such a write changes nothing.
    uint64_t EcritRefuses() const;

    // Fills the record when row n exists, otherwise leaves it unchanged.
    void LitPoint(uint16_t n, TRecPoint& p) const;
    void LitLigne(uint16_t n, TRecLigne& l) const;
    void LitCercle(uint16_t n, TRecCercle& c) const;
    Reel ValeurVariable(uint16_t n) const;

    // Walks in increasing Numero. Each kind has its own cursor.
    bool PremierPoint(TRecPoint& p);
    bool PointSuivant(TRecPoint& p);
    bool PremiereLigne(TRecLigne& l);
    bool LigneSuivante(TRecLigne& l);
    bool PremierCercle(TRecCercle& c);
    bool CercleSuivant(TRecCercle& c);
    bool PremiereVariable(uint16_t& n, Reel& valeur);
    bool VariableSuivante(uint16_t& n, Reel& valeur);

    // Smallest unused number, or nothing when all 65 536 are taken.
    std::optional<uint16_t> NumeroLibrePoint() const;
    std::optional<uint16_t> NumeroLibreLigne() const;
    std::optional<uint16_t> NumeroLibreCercle() const;

    int NombrePoints() const;
    int NombreLignes() const;
    int NombreCercles() const;
    int NombreVariables() const;

    // Random access by rank in Numero order (for table views): rank 0 is the lowest number.
    // Returns false when rank is out of range.
    bool PointAuRang(int rang, TRecPoint& p) const;
    bool LigneAuRang(int rang, TRecLigne& l) const;
    bool CercleAuRang(int rang, TRecCercle& c) const;
    bool VariableAuRang(int rang, uint16_t& n, Reel& valeur) const;

    // Increases on every change of any table (emptying, writes); views compare it to
    // know when to refresh. The observer, when set, is called after every change.
    uint64_t Version() const;
    void SetObservateur(std::function<void()> observateur);
    // The same count for one kind only ('P', 'L' or 'C'; 0 for any other letter): a cache
    // of the points is still good after a statement that added a circle.
    uint64_t VersionGenre(char genre) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace velk
