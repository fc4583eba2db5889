// The table files: creation and emptying, the rows they hold after a switch to read-only,
// and the failures of the disk or of foreign files.
#include "store/module_donnee.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <chrono>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace velk {
namespace {

namespace fs = std::filesystem;

const char* const Fichiers[] = {"Points.DB", "Lignes.DB", "Cercles.DB", "Variables.DB",
                                "Formes.DB"};

class DossierTemporaire {
  public:
    DossierTemporaire() {
        std::string modele = (fs::temp_directory_path() / "velk-store-XXXXXX").string();
        chemin_ = ::mkdtemp(modele.data());
    }
    ~DossierTemporaire() {
        std::error_code ignore;
        fs::remove_all(chemin_, ignore);
    }
    const std::string& Chemin() const { return chemin_; }
    std::string Fichier(const char* nom) const { return chemin_ + "/" + nom; }

  private:
    std::string chemin_;
};

using Lignes = std::vector<std::vector<double>>;

// Runs a query on a file with a connection of its own; NULL reads as NaN.
Lignes Requete(const std::string& fichier, const std::string& sql) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(fichier.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    Lignes lignes;
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        std::vector<double> ligne;
        for (int i = 0; i < sqlite3_column_count(st); ++i)
            ligne.push_back(sqlite3_column_type(st, i) == SQLITE_NULL
                                ? std::nan("")
                                : sqlite3_column_double(st, i));
        lignes.push_back(ligne);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return lignes;
}

void Execute(const std::string& fichier, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(fichier.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string Colonnes(const std::string& fichier, const std::string& table) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(fichier.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, ("PRAGMA table_info(" + table + ")").c_str(), -1, &st, nullptr);
    std::string texte;
    while (st && sqlite3_step(st) == SQLITE_ROW)
        texte += std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 1))) + " " +
                 reinterpret_cast<const char*>(sqlite3_column_text(st, 2)) +
                 (sqlite3_column_int(st, 3) ? " NN" : "") +
                 (sqlite3_column_int(st, 5) ? " PK" : "") + ";";
    sqlite3_finalize(st);
    sqlite3_close(db);
    return texte;
}

void EcritFichier(const std::string& chemin, const std::string& contenu) {
    std::ofstream(chemin, std::ios::binary) << contenu;
}

std::string LitFichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

TEST(FichiersTables, CreationMakesFiveTablesWithTheirColumns) {
    DossierTemporaire dossier;
    TModuleDonnee store(dossier.Chemin() + "/");
    store.CreeTables();
    EXPECT_TRUE(store.TablesPretes());
    for (const char* nom : Fichiers)
        EXPECT_TRUE(fs::exists(dossier.Fichier(nom))) << nom;
    EXPECT_EQ(Colonnes(dossier.Fichier("Points.DB"), "Point"),
              "Numero INTEGER NN PK;X REAL NN;Y REAL NN;Couleur INTEGER NN;Couche INTEGER NN;");
    EXPECT_EQ(Colonnes(dossier.Fichier("Lignes.DB"), "Ligne"),
              "Numero INTEGER NN PK;Xpd REAL NN;Ypd REAL NN;Aod REAL NN;Xdd REAL;Ydd REAL;"
              "Xfd REAL;Yfd REAL;Couleur INTEGER NN;Couche INTEGER NN;");
    EXPECT_EQ(Colonnes(dossier.Fichier("Cercles.DB"), "Cercle"),
              "Numero INTEGER NN PK;Xc REAL NN;Yc REAL NN;Rc REAL NN;Xdc REAL;Ydc REAL;"
              "Adc REAL;Xfc REAL;Yfc REAL;Afc REAL;Couleur INTEGER NN;Couche INTEGER NN;");
    EXPECT_EQ(Colonnes(dossier.Fichier("Variables.DB"), "Variable"),
              "Numero INTEGER NN PK;Valeur REAL NN;");
    EXPECT_EQ(Colonnes(dossier.Fichier("Formes.DB"), "Forme"), "Numero INTEGER NN PK;");
}

TEST(FichiersTables, FilesHoldExactlyTheRowsAfterASwitch) {
    DossierTemporaire dossier;
    const std::string points = dossier.Fichier("Points.DB");
    TModuleDonnee store(dossier.Chemin());
    store.CreeTables();
    store.TablesLectureSeule(false);
    const Reel tiers = 1.0L / 3;
    store.EcritPoint(9, TRecPoint{0, tiers, 3E-15L, 2, 65539});
    store.EcritPoint(2, TRecPoint{0, -1, 1E300L, -5, 0});
    store.EcritLigne(1, TRecLigne{0, 1, 2, 3E-15L, 0, 0, 0, 0, 1, 1});
    store.EcritCercle(4, TRecCercle{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    store.EcritVariable(2, 4);
    store.EcritVariable(2, 6);
    store.TablesLectureSeule(true);

    const Lignes attendus = {{2, -1, 1E300, -5, 0}, {9, static_cast<double>(tiers), 0, 2, 65539}};
    EXPECT_EQ(Requete(points, "SELECT * FROM Point ORDER BY rowid"), attendus);
    EXPECT_EQ(Requete(dossier.Fichier("Lignes.DB"), "SELECT * FROM Ligne"),
              (Lignes{{1, 1, 2, static_cast<double>(3E-15L), 0, 0, 0, 0, 1, 1}}));
    EXPECT_EQ(Requete(dossier.Fichier("Cercles.DB"), "SELECT * FROM Cercle"),
              (Lignes{{4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}));
    EXPECT_EQ(Requete(dossier.Fichier("Variables.DB"), "SELECT * FROM Variable"), (Lignes{{2, 6}}));

    // A new run: emptied, one point written back; the other files are emptied too.
    store.VideTables();
    store.TablesLectureSeule(false);
    store.EcritPoint(0, TRecPoint{});
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(points, "SELECT * FROM Point"), (Lignes{{0, 0, 0, 0, 0}}));
    EXPECT_TRUE(Requete(dossier.Fichier("Cercles.DB"), "SELECT * FROM Cercle").empty());
    EXPECT_TRUE(Requete(dossier.Fichier("Variables.DB"), "SELECT * FROM Variable").empty());
}

TEST(FichiersTables, UnchangedTablesAreNotRewritten) {
    DossierTemporaire dossier;
    const std::string points = dossier.Fichier("Points.DB");
    TModuleDonnee store(dossier.Chemin());
    store.CreeTables();
    store.EcritPoint(0, TRecPoint{});
    store.TablesLectureSeule(true);
    // A row slipped in behind the store's back survives switches that change nothing.
    Execute(points, "INSERT INTO Point VALUES (7, 1, 1, 0, 0)");
    store.TablesLectureSeule(false);
    store.EcritLigne(0, TRecLigne{});
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(points, "SELECT Numero FROM Point").size(), 2u);
}

// Statements executed one at a time between switches: only what they wrote goes to the
// files, which must still match the tables exactly, however many there are.
TEST(FichiersTables, SingleStatementsKeepTheFilesExact) {
    DossierTemporaire dossier;
    const std::string points = dossier.Fichier("Points.DB");
    const std::string variables = dossier.Fichier("Variables.DB");
    TModuleDonnee store(dossier.Chemin());
    store.CreeTables();
    for (uint16_t n = 0; n < 10; ++n)
        store.EcritPoint(n, TRecPoint{0, Reel(n), 0, 0, 0});
    store.EcritVariable(1, 5);
    store.TablesLectureSeule(true);

    store.TablesLectureSeule(false);
    store.EcritPoint(20, TRecPoint{0, 20, 1, 2, 3});
    store.EcritVariable(1, 7);
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(points, "SELECT COUNT(*), SUM(Numero) FROM Point"), (Lignes{{11, 65}}));
    EXPECT_EQ(Requete(points, "SELECT * FROM Point WHERE Numero = 20"),
              (Lignes{{20, 20, 1, 2, 3}}));
    EXPECT_EQ(Requete(variables, "SELECT * FROM Variable"), (Lignes{{1, 7}}));

    // Many single writes in a row, past any batching the store may do.
    for (int n = 100; n < 6100; ++n) {
        store.TablesLectureSeule(false);
        store.EcritPoint(static_cast<uint16_t>(n), TRecPoint{0, Reel(n), 0, 0, 0});
        if (n % 1000 == 0) store.TablesLectureSeule(true);
    }
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(points, "SELECT COUNT(*), SUM(X) FROM Point"),
              (Lignes{{6011, 65 + 18597000}})); // 100 + 101 + ... + 6099

    store.VideTables();
    store.TablesLectureSeule(false);
    store.EcritPoint(3, TRecPoint{});
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(points, "SELECT Numero FROM Point"), (Lignes{{3}}));
    EXPECT_TRUE(Requete(variables, "SELECT * FROM Variable").empty());
}

TEST(FichiersTables, StartUpEmptiesExistingFilesAndTheLastContentOutlivesTheStore) {
    DossierTemporaire dossier;
    {
        TModuleDonnee store(dossier.Chemin());
        store.CreeTables();
        store.EcritPoint(5, TRecPoint{});
        store.EcritVariable(1, 2);
        // No switch: the store writes its last changes when it goes away.
    }
    EXPECT_EQ(Requete(dossier.Fichier("Points.DB"), "SELECT Numero FROM Point"), (Lignes{{5}}));
    EXPECT_EQ(Requete(dossier.Fichier("Variables.DB"), "SELECT * FROM Variable"), (Lignes{{1, 2}}));

    TModuleDonnee suivant(dossier.Chemin());
    suivant.CreeTables();
    EXPECT_TRUE(Requete(dossier.Fichier("Points.DB"), "SELECT * FROM Point").empty());
    EXPECT_TRUE(Requete(dossier.Fichier("Variables.DB"), "SELECT * FROM Variable").empty());
}

TEST(FichiersTables, InMemoryStoreNeverTouchesTheDisk) {
    DossierTemporaire dossier;
    const fs::path avant = fs::current_path();
    fs::current_path(dossier.Chemin());
    {
        TModuleDonnee store;
        store.CreeTables();
        store.EcritPoint(0, TRecPoint{});
        store.TablesLectureSeule(true);
    }
    fs::current_path(avant);
    EXPECT_TRUE(fs::is_empty(dossier.Chemin()));
}

// Each case prepares the folder so that creating the tables must fail, and names the
// file the message must cite.
TEST(FichiersTables, FailuresAreReportedWithTheFileName) {
    struct Cas {
        const char* nom;
        void (*prepare)(const DossierTemporaire&);
        const char* cite;
    };
    const Cas cas[] = {
        {"missing folder", [](const DossierTemporaire& d) { fs::remove_all(d.Chemin()); },
         "Points.DB"},
        {"folder in place of a file",
         [](const DossierTemporaire& d) { fs::create_directory(d.Fichier("Lignes.DB")); },
         "Lignes.DB"},
        {"foreign file",
         [](const DossierTemporaire& d) {
             EcritFichier(d.Fichier("Cercles.DB"), "Cercles d'un autre programme\n");
         },
         "Cercles.DB"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire dossier;
        c.prepare(dossier);
        TModuleDonnee store(dossier.Chemin());
        try {
            store.CreeTables();
            ADD_FAILURE() << "no error reported";
        } catch (const ErreurStockage& e) {
            EXPECT_NE(std::string(e.what()).find(c.cite), std::string::npos) << e.what();
        }
        // The tables still work, in memory.
        EXPECT_TRUE(store.TablesPretes());
        store.TablesLectureSeule(false);
        store.EcritPoint(1, TRecPoint{});
        EXPECT_NO_THROW(store.TablesLectureSeule(true));
        EXPECT_TRUE(store.PointExiste(1));
    }
}

TEST(FichiersTables, ForeignFileIsLeftUntouched) {
    DossierTemporaire dossier;
    const std::string contenu = "not a table\nat all\n";
    EcritFichier(dossier.Fichier("Variables.DB"), contenu);
    TModuleDonnee store(dossier.Chemin());
    EXPECT_THROW(store.CreeTables(), ErreurStockage);
    EXPECT_EQ(LitFichier(dossier.Fichier("Variables.DB")), contenu);
}

// Files of this program in a stale layout, or damaged, are derived data: rebuilt.
TEST(FichiersTables, StaleOrDamagedTableFilesAreRebuilt) {
    DossierTemporaire dossier;
    Execute(dossier.Fichier("Points.DB"),
            "CREATE TABLE Point (Numero INTEGER PRIMARY KEY, X REAL, Y REAL);"
            "INSERT INTO Point VALUES (1, 2, 3);");
    {
        TModuleDonnee store(dossier.Chemin());
        store.CreeTables();
    }
    // A damaged database: the SQLite header followed by garbage.
    std::string abime = LitFichier(dossier.Fichier("Lignes.DB"));
    ASSERT_GT(abime.size(), 100u);
    for (size_t i = 16; i < abime.size(); ++i)
        abime[i] = static_cast<char>(i * 7);
    EcritFichier(dossier.Fichier("Lignes.DB"), abime);

    TModuleDonnee store(dossier.Chemin());
    store.CreeTables();
    store.EcritPoint(3, TRecPoint{0, 1, 2, 3, 4});
    store.EcritLigne(3, TRecLigne{});
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(dossier.Fichier("Points.DB"), "SELECT * FROM Point"),
              (Lignes{{3, 1, 2, 3, 4}}));
    EXPECT_EQ(Requete(dossier.Fichier("Lignes.DB"), "SELECT Numero FROM Ligne"), (Lignes{{3}}));
}

TEST(FichiersTables, LockedFileFailsAndTheNextSwitchWritesIt) {
    DossierTemporaire dossier;
    const std::string cercles = dossier.Fichier("Cercles.DB");
    TModuleDonnee store(dossier.Chemin());
    store.SetDelaiVerrou(20);
    store.CreeTables();
    store.EcritCercle(8, TRecCercle{});

    sqlite3* autre = nullptr;
    ASSERT_EQ(sqlite3_open(cercles.c_str(), &autre), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(autre, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    try {
        store.TablesLectureSeule(true);
        ADD_FAILURE() << "the lock was not reported";
    } catch (const ErreurStockage& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Cercles.DB"), std::string::npos) << message;
        EXPECT_NE(message.find("verrouillé"), std::string::npos) << message;
    }
    EXPECT_TRUE(store.LectureSeule());
    EXPECT_TRUE(store.CercleExiste(8)) << "the table in memory is intact";
    sqlite3_exec(autre, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(autre);

    store.TablesLectureSeule(false);
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(cercles, "SELECT Numero FROM Cercle"), (Lignes{{8}}));
}

// A write that fails half-way (here: the process may not grow files past 64 KiB, as on a
// full disk) is reported, leaves the previous content of the file, and is done again at
// the next switch.
TEST(FichiersTables, FailedWriteKeepsThePreviousFileAndIsRetried) {
    DossierTemporaire dossier;
    const std::string points = dossier.Fichier("Points.DB");
    TModuleDonnee store(dossier.Chemin());
    store.CreeTables();
    for (uint16_t n = 0; n < 10; ++n)
        store.EcritPoint(n, TRecPoint{});
    store.TablesLectureSeule(true);

    store.VideTables();
    store.TablesLectureSeule(false);
    for (int n = 0; n < 20000; ++n)
        store.EcritPoint(static_cast<uint16_t>(n), TRecPoint{0, Reel(n), Reel(n), 1, 2});

    rlimit avant{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &avant), 0);
    const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
    rlimit petit = avant;
    petit.rlim_cur = 64 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &petit), 0);
    std::string message;
    try {
        store.TablesLectureSeule(true);
    } catch (const ErreurStockage& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signalAvant);

    EXPECT_NE(message.find("Points.DB"), std::string::npos)
        << "no error, or not naming the file: " << message;
    EXPECT_EQ(Requete(points, "SELECT COUNT(*) FROM Point"), (Lignes{{10}}));
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(points, "SELECT COUNT(*), SUM(X) FROM Point"),
              (Lignes{{20000, 19999.0 * 20000 / 2}}));
}

// Limits the size of the files this process may write (as a full disk would), restored
// when it goes out of scope.
class DisquePlein {
  public:
    explicit DisquePlein(rlim_t octets) {
        ::getrlimit(RLIMIT_FSIZE, &avant_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit petit = avant_;
        petit.rlim_cur = octets;
        ::setrlimit(RLIMIT_FSIZE, &petit);
    }
    ~DisquePlein() {
        ::setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

  private:
    rlimit avant_{};
    void (*signal_)(int) = nullptr;
};

std::string MessageDeCreation(TModuleDonnee& store) {
    try {
        store.CreeTables();
    } catch (const ErreurStockage& e) {
        return e.what();
    }
    return {};
}

// Files that cannot be used at start-up: each is named once with its reason, left as it
// was, and its table works in memory; the other files are written as usual.
TEST(FichiersTables, UnusableFilesAtStartUpLeaveTheirTablesInMemory) {
    struct Cas {
        const char* nom;
        const char* fichier;
        void (*prepare)(const std::string& chemin);
        const char* raison;
    };
    const Cas cas[] = {
        {"garbage bytes", "Points.DB",
         [](const std::string& c) { EcritFichier(c, std::string(5000, '\x9c') + "abc"); },
         "n'est pas un fichier de table"},
        {"empty-looking text", "Points.DB", [](const std::string& c) { EcritFichier(c, "S"); },
         "n'est pas un fichier de table"},
        {"database of another program", "Points.DB",
         [](const std::string& c) {
             Execute(c, "CREATE TABLE Clients (Nom TEXT); INSERT INTO Clients VALUES ('a');");
         },
         "autre programme"},
        {"same table name beside another program's table", "Variables.DB",
         [](const std::string& c) {
             Execute(c, "CREATE TABLE Variable (x); CREATE TABLE Factures (Numero INTEGER);");
         },
         "Factures"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire dossier;
        const std::string chemin = dossier.Fichier(c.fichier);
        c.prepare(chemin);
        const std::string avant = LitFichier(chemin);
        TModuleDonnee store(dossier.Chemin());
        const std::string message = MessageDeCreation(store);
        EXPECT_NE(message.find(chemin), std::string::npos) << message;
        EXPECT_NE(message.find(c.raison), std::string::npos) << message;
        EXPECT_EQ(message.find("Lignes.DB"), std::string::npos) << "only the faulty file is named";
        EXPECT_TRUE(store.TablesPretes());

        store.TablesLectureSeule(false);
        store.EcritPoint(4, TRecPoint{0, 1, 2, 3, 4});
        store.EcritLigne(2, TRecLigne{});
        store.EcritVariable(7, 1.5);
        EXPECT_NO_THROW(store.TablesLectureSeule(true)) << "told once, at start-up";
        EXPECT_TRUE(store.PointExiste(4));
        EXPECT_EQ(store.ValeurVariable(7), 1.5L);
        EXPECT_EQ(LitFichier(chemin), avant) << "the file is left as it was";
        EXPECT_EQ(Requete(dossier.Fichier("Lignes.DB"), "SELECT Numero FROM Ligne"),
                  (Lignes{{2}}));
    }
}

TEST(FichiersTables, FolderWithoutWriteAccessKeepsTablesInMemory) {
    DossierTemporaire dossier;
    // Root may write anywhere on a normal folder: it gets a proc folder instead, where no
    // one can create files.
    const bool root = ::geteuid() == 0;
    const std::string chemin = root ? std::string("/proc/self/fdinfo") : dossier.Chemin();
    if (!root) fs::permissions(chemin, fs::perms::owner_read | fs::perms::owner_exec);
    TModuleDonnee store(chemin);
    const std::string message = MessageDeCreation(store);
    if (!root) fs::permissions(chemin, fs::perms::owner_all);
    for (const char* nom : Fichiers)
        EXPECT_NE(message.find(nom), std::string::npos) << message;
    if (!root) {
        EXPECT_NE(message.find("pas accessible en écriture"), std::string::npos) << message;
    }
    EXPECT_TRUE(store.TablesPretes());
    store.EcritCercle(3, TRecCercle{});
    EXPECT_NO_THROW(store.TablesLectureSeule(true));
    EXPECT_TRUE(store.CercleExiste(3));
}

TEST(FichiersTables, FullDiskAtStartUpIsReportedOnce) {
    DossierTemporaire dossier;
    std::string message;
    TModuleDonnee store(dossier.Chemin());
    {
        DisquePlein plein(512);
        message = MessageDeCreation(store);
        store.EcritPoint(0, TRecPoint{});
        EXPECT_NO_THROW(store.TablesLectureSeule(true)) << "the same failure is not told twice";
    }
    EXPECT_NE(message.find("Points.DB"), std::string::npos) << message;
    EXPECT_TRUE(store.PointExiste(0));
}

// A file locked by another program at start-up: named once; while the lock lasts later
// switches neither report it again nor wait for it; once it is released the file catches
// up with the table.
TEST(FichiersTables, LockedFileAtStartUpCatchesUpOnceReleased) {
    DossierTemporaire dossier;
    const std::string cercles = dossier.Fichier("Cercles.DB");
    Execute(cercles, "CREATE TABLE Cercle (Numero INTEGER PRIMARY KEY NOT NULL);"
                     "INSERT INTO Cercle VALUES (99)");
    sqlite3* autre = nullptr;
    ASSERT_EQ(sqlite3_open(cercles.c_str(), &autre), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(autre, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    TModuleDonnee store(dossier.Chemin());
    store.SetDelaiVerrou(300);
    const std::string message = MessageDeCreation(store);
    EXPECT_NE(message.find(cercles), std::string::npos) << message;
    EXPECT_NE(message.find("verrouillé"), std::string::npos) << message;
    EXPECT_EQ(message.find("Points.DB"), std::string::npos) << message;

    store.TablesLectureSeule(false);
    store.EcritCercle(5, TRecCercle{0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0});
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_NO_THROW(store.TablesLectureSeule(true));
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(250))
        << "a retry must not wait for the lock";

    sqlite3_exec(autre, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(autre);
    store.TablesLectureSeule(false);
    store.TablesLectureSeule(true);
    EXPECT_EQ(Requete(cercles, "SELECT Numero FROM Cercle"), (Lignes{{5}}));

    // Healed: a new failure is told again.
    ASSERT_EQ(sqlite3_open(cercles.c_str(), &autre), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(autre, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    store.TablesLectureSeule(false);
    store.EcritCercle(6, TRecCercle{});
    EXPECT_THROW(store.TablesLectureSeule(true), ErreurStockage);
    sqlite3_exec(autre, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(autre);
}

} // namespace
} // namespace velk
