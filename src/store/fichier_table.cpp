// Persistence of one element table in its own SQLite file.
#include "store/fichier_table.h"

#include "store/module_donnee.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace velk {

namespace {

// Rows inserted by one statement when a whole table is rewritten: fewer statement steps
// make the largest tables noticeably quicker to write.
constexpr int RangeesParLot = 64;

// The 16 bytes every SQLite database file begins with.
constexpr char EnteteSqlite[] = "SQLite format 3";

// True when the file at chemin exists, is not empty and does not start like a SQLite
// database: it belongs to someone else and must not be overwritten.
bool FichierEtranger(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    char entete[16] = {};
    f.read(entete, sizeof entete);
    const auto lus = f.gcount();
    if (lus == 0) return false;
    return lus < 16 || std::memcmp(entete, EnteteSqlite, 16) != 0;
}

bool EstDossier(const std::string& chemin) {
    struct stat s {};
    return ::stat(chemin.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

std::string Cite(const std::string& chemin) {
    return "« " + chemin + " »";
}

std::string DossierDe(const std::string& chemin) {
    const auto barre = chemin.find_last_of('/');
    return barre == std::string::npos ? std::string(".") : chemin.substr(0, barre + 1);
}

} // namespace

FichierTable::FichierTable(std::string chemin, const DescriptionTable& description)
    : chemin_(std::move(chemin)), description_(description) {
    for (const Colonne& c : description_.colonnes)
        (c.reelle ? nReels_ : nEntiers_)++;
}

FichierTable::~FichierTable() {
    Ferme();
}

void FichierTable::Ferme() {
    sqlite3_finalize(insertion_);
    insertion_ = nullptr;
    sqlite3_finalize(remplacement_);
    remplacement_ = nullptr;
    sqlite3_finalize(lot_);
    lot_ = nullptr;
    sqlite3_close(db_);
    db_ = nullptr;
}

void FichierTable::Echec(int code) const {
    const std::string fichier = Cite(chemin_);
    verrou_ = (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw ErreurStockage("Le fichier de table " + fichier +
                             " est verrouillé par un autre programme.");
    case SQLITE_FULL:
        throw ErreurStockage("Le disque est plein : impossible d'écrire le fichier de table " +
                             fichier + ".");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        throw ErreurStockage("Le fichier de table " + fichier + " ne peut pas être modifié.");
    case SQLITE_CANTOPEN:
        if (::access(DossierDe(chemin_).c_str(), W_OK) != 0)
            throw ErreurStockage("Impossible de créer ou de modifier le fichier de table " +
                                 fichier + " : le dossier " + Cite(DossierDe(chemin_)) +
                                 " n'est pas accessible en écriture.");
        throw ErreurStockage("Impossible d'ouvrir ou de créer le fichier de table " + fichier +
                             ".");
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        throw ErreurStockage("Le fichier de table " + fichier + " est endommagé.");
    case SQLITE_IOERR:
        throw ErreurStockage("Erreur de lecture ou d'écriture sur le fichier de table " + fichier +
                             ".");
    default:
        throw ErreurStockage("Erreur sur le fichier de table " + fichier + " : " +
                             sqlite3_errstr(code) + ".");
    }
}

void FichierTable::Execute(const char* sql) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) Echec(rc);
}

std::string FichierTable::CreateTable() const {
    std::string sql =
        std::string("CREATE TABLE ") + description_.table + " (Numero INTEGER PRIMARY KEY NOT NULL";
    for (const Colonne& c : description_.colonnes) {
        sql += std::string(", ") + c.nom + (c.reelle ? " REAL" : " INTEGER");
        if (c.requise) sql += " NOT NULL";
    }
    return sql + ")";
}

// Compares the table's columns (name, type, NOT NULL, key) with the description.
bool FichierTable::SchemaConforme() {
    const std::string sql = std::string("PRAGMA table_info(") + description_.table + ")";
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr);
    if (rc != SQLITE_OK) Echec(rc);
    bool conforme = true;
    size_t i = 0;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const char* nom = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        const char* type = reinterpret_cast<const char*>(sqlite3_column_text(st, 2));
        const bool nonNul = sqlite3_column_int(st, 3) != 0;
        const bool cle = sqlite3_column_int(st, 5) != 0;
        if (i == 0) {
            conforme = conforme && nom && std::strcmp(nom, "Numero") == 0 && type &&
                       std::strcmp(type, "INTEGER") == 0 && cle;
        } else if (i <= description_.colonnes.size()) {
            const Colonne& c = description_.colonnes[i - 1];
            conforme = conforme && nom && std::strcmp(nom, c.nom) == 0 && type &&
                       std::strcmp(type, c.reelle ? "REAL" : "INTEGER") == 0 &&
                       nonNul == c.requise && !cle;
        } else {
            conforme = false;
        }
        ++i;
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) Echec(rc);
    return conforme && i == description_.colonnes.size() + 1;
}

// The first table or view of the database that is not this table's, or an empty string.
// Such a database belongs to another program.
std::string FichierTable::TableEtrangere() {
    const char* sql = "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') AND "
                      "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' AND name <> ?1 LIMIT 1";
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
    if (rc != SQLITE_OK) Echec(rc);
    sqlite3_bind_text(st, 1, description_.table, -1, SQLITE_STATIC);
    std::string nom;
    rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) {
        const unsigned char* texte = sqlite3_column_text(st, 0);
        nom = texte ? reinterpret_cast<const char*>(texte) : "?";
        rc = SQLITE_DONE;
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) Echec(rc);
    return nom;
}

void FichierTable::CreeSchema() {
    const std::string sql = std::string("BEGIN IMMEDIATE; DROP TABLE IF EXISTS ") +
                            description_.table + "; " + CreateTable() + "; COMMIT;";
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        Echec(rc);
    }
}

void FichierTable::Ouvre(int delaiVerrouMs) {
    Ferme();
    if (EstDossier(chemin_))
        throw ErreurStockage("Le fichier de table " + Cite(chemin_) +
                             " ne peut pas être créé : un dossier porte ce nom.");
    if (FichierEtranger(chemin_))
        throw ErreurStockage("Le fichier " + Cite(chemin_) +
                             " n'est pas un fichier de table de Velk ; il a été laissé tel "
                             "quel. Déplacez-le ou renommez-le.");

    // A damaged database is derived data: it is removed and created afresh, once.
    for (int essai = 0;; ++essai) {
        int rc = sqlite3_open_v2(chemin_.c_str(), &db_,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                 nullptr);
        if (rc != SQLITE_OK) {
            Ferme();
            Echec(rc);
        }
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, delaiVerrouMs);
        try {
            // The files are rebuilt by every run: no fsync. The rollback journal still
            // protects the file against a crash of the program in mid-write.
            Execute("PRAGMA synchronous=OFF");
            Execute("PRAGMA journal_mode=DELETE");
            Execute("PRAGMA cache_size=-500");
            const std::string etrangere = TableEtrangere();
            if (!etrangere.empty()) {
                Ferme();
                throw ErreurStockage("Le fichier " + Cite(chemin_) +
                                     " est une base de données d'un autre programme (table « " +
                                     etrangere + " ») ; il a été laissé tel quel. Déplacez-le "
                                     "ou renommez-le.");
            }
            if (!SchemaConforme()) CreeSchema();
            break;
        } catch (const ErreurStockage&) {
            if (!db_) throw;
            const int code = sqlite3_errcode(db_) & 0xff;
            Ferme();
            const bool endommage = code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
            if (!endommage || essai > 0 || std::remove(chemin_.c_str()) != 0) throw;
            std::remove((chemin_ + "-journal").c_str());
        }
    }

    std::string rangee = "(?";
    for (size_t i = 0; i < description_.colonnes.size(); ++i)
        rangee += ",?";
    rangee += ")";
    const std::string valeurs = std::string(description_.table) + " VALUES " + rangee;
    std::string lot = "INSERT INTO " + valeurs;
    for (int i = 1; i < RangeesParLot; ++i)
        lot += "," + rangee;
    int rc = sqlite3_prepare_v2(db_, ("INSERT INTO " + valeurs).c_str(), -1, &insertion_, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_prepare_v2(db_, ("INSERT OR REPLACE INTO " + valeurs).c_str(), -1,
                                &remplacement_, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_prepare_v2(db_, lot.c_str(), -1, &lot_, nullptr);
    if (rc != SQLITE_OK) {
        Ferme();
        Echec(rc);
    }
}

void FichierTable::SetDelaiVerrou(int delaiVerrouMs) {
    if (db_) sqlite3_busy_timeout(db_, delaiVerrouMs);
}

void FichierTable::Vide() {
    Reecrit([](RangeeBrute&) { return false; });
}

void FichierTable::Reecrit(const std::function<bool(RangeeBrute&)>& suivante) {
    Transaction(true, insertion_, suivante);
}

void FichierTable::Complete(const std::function<bool(RangeeBrute&)>& suivante) {
    Transaction(false, remplacement_, suivante);
}

int FichierTable::Lie(sqlite3_stmt* st, int colonne, const RangeeBrute& r) const {
    sqlite3_bind_int(st, colonne++, r.numero);
    for (int i = 0; i < nReels_; ++i)
        sqlite3_bind_double(st, colonne++, r.reels[i]);
    for (int i = 0; i < nEntiers_; ++i)
        sqlite3_bind_int(st, colonne++, r.entiers[i]);
    return colonne;
}

void FichierTable::Transaction(bool effacer, sqlite3_stmt* insertion,
                               const std::function<bool(RangeeBrute&)>& suivante) {
    if (!db_) throw ErreurStockage("Le fichier de table " + Cite(chemin_) + " n'est pas ouvert.");
    Execute("BEGIN IMMEDIATE");
    int rc = SQLITE_OK;
    if (effacer) {
        const std::string effacement = std::string("DELETE FROM ") + description_.table;
        rc = sqlite3_exec(db_, effacement.c_str(), nullptr, nullptr, nullptr);
    }
    auto execute = [&rc](sqlite3_stmt* st) {
        rc = sqlite3_step(st);
        sqlite3_reset(st);
        if (rc == SQLITE_DONE) rc = SQLITE_OK;
    };
    // A fresh table takes its rows by lots; the rest (or every row when completing) one
    // by one.
    RangeeBrute lot[RangeesParLot];
    int enAttente = 0;
    RangeeBrute r;
    while (rc == SQLITE_OK && suivante(r)) {
        if (!effacer) {
            Lie(insertion, 1, r);
            execute(insertion);
            continue;
        }
        lot[enAttente++] = r;
        if (enAttente == RangeesParLot) {
            int colonne = 1;
            for (const RangeeBrute& l : lot)
                colonne = Lie(lot_, colonne, l);
            execute(lot_);
            enAttente = 0;
        }
    }
    for (int i = 0; rc == SQLITE_OK && i < enAttente; ++i) {
        Lie(insertion, 1, lot[i]);
        execute(insertion);
    }
    if (rc == SQLITE_OK) rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        Echec(rc);
    }
}

} // namespace velk
