// One table file on disk: a SQLite database holding a single table whose columns are
// Numero, then the table's reals, then its integers. The file mirrors the table in
// memory; it is rewritten whole, in one transaction, when the table has changed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace velk {

struct Colonne {
    const char* nom;
    bool reelle;  // REAL, otherwise INTEGER
    bool requise; // NOT NULL
};

// The layout of one table: its name, its file name and its columns after Numero.
struct DescriptionTable {
    const char* table;
    const char* fichier;
    std::vector<Colonne> colonnes;
};

// One row as handed to the writer: its number, then pointers to its reals and integers
// (as many as the description has columns of each kind, in column order).
struct RangeeBrute {
    int numero = 0;
    const double* reels = nullptr;
    const int32_t* entiers = nullptr;
};

class FichierTable {
  public:
    FichierTable(std::string chemin, const DescriptionTable& description);
    ~FichierTable();
    FichierTable(const FichierTable&) = delete;
    FichierTable& operator=(const FichierTable&) = delete;

    const std::string& Chemin() const { return chemin_; }

    // Opens the file, creating it when missing, and makes sure it holds the table with the
    // expected columns (a table of the same name with other columns is replaced: the file
    // is derived data). A file that is not a SQLite database, or a database that holds
    // tables of another program, is left untouched and refused. Throws ErreurStockage.
    void Ouvre(int delaiVerrouMs);
    bool EstOuvert() const { return db_ != nullptr; }
    // True when the last failure was another program's lock (worth trying again later).
    bool EchecDuAuVerrou() const { return verrou_; }

    // How long the next operations wait for another program's lock.
    void SetDelaiVerrou(int delaiVerrouMs);

    // Removes every row. Throws ErreurStockage.
    void Vide();

    // Replaces the whole content by the rows that suivante yields until it returns false,
    // in one transaction: on failure the file keeps its previous content. Throws
    // ErreurStockage.
    void Reecrit(const std::function<bool(RangeeBrute&)>& suivante);

    // Adds the rows that suivante yields, replacing rows of the same number, in one
    // transaction. Throws ErreurStockage.
    void Complete(const std::function<bool(RangeeBrute&)>& suivante);

  private:
    void Ferme();
    void Execute(const char* sql);
    void Transaction(bool effacer, sqlite3_stmt* insertion,
                     const std::function<bool(RangeeBrute&)>& suivante);
    int Lie(sqlite3_stmt* st, int colonne, const RangeeBrute& r) const;
    [[noreturn]] void Echec(int code) const;
    bool SchemaConforme();
    std::string TableEtrangere();
    void CreeSchema();
    std::string CreateTable() const;

    std::string chemin_;
    const DescriptionTable& description_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* insertion_ = nullptr;
    sqlite3_stmt* remplacement_ = nullptr;
    sqlite3_stmt* lot_ = nullptr; // inserts RangeesParLot rows at once
    mutable bool verrou_ = false;
    int nReels_ = 0;
    int nEntiers_ = 0;
};

} // namespace velk
