// The data module: the five element tables in memory, the walks and ranks over them, and
// the mirroring of changed tables to their files.
#include "store/module_donnee.h"

#include "store/fichier_table.h"
#include "store/rangees.h"

#include <array>
#include <cassert>
#include <sys/stat.h>
#include <vector>

namespace velk {

namespace {

enum Table { TPoint, TLigne, TCercle, TVariable, TForme, NombreTables };

const DescriptionTable Descriptions[NombreTables] = {
    {"Point",
     "Points.DB",
     {{"X", true, true}, {"Y", true, true}, {"Couleur", false, true}, {"Couche", false, true}}},
    {"Ligne",
     "Lignes.DB",
     {{"Xpd", true, true},
      {"Ypd", true, true},
      {"Aod", true, true},
      {"Xdd", true, false},
      {"Ydd", true, false},
      {"Xfd", true, false},
      {"Yfd", true, false},
      {"Couleur", false, true},
      {"Couche", false, true}}},
    {"Cercle",
     "Cercles.DB",
     {{"Xc", true, true},
      {"Yc", true, true},
      {"Rc", true, true},
      {"Xdc", true, false},
      {"Ydc", true, false},
      {"Adc", true, false},
      {"Xfc", true, false},
      {"Yfc", true, false},
      {"Afc", true, false},
      {"Couleur", false, true},
      {"Couche", false, true}}},
    {"Variable", "Variables.DB", {{"Valeur", true, true}}},
    {"Forme", "Formes.DB", {}},
};

// Reads the row of rank or cursor n of table t into rec; false when n is -1.
template <class T, class Rec> bool Copie(const T& t, int n, Rec& rec) {
    if (n < 0) return false;
    VersRecord(n, t.Lit(static_cast<uint16_t>(n)), rec);
    return true;
}

template <class T> void Remplit(RangeeBrute& r, const T& t, int n) {
    const auto& rangee = t.Lit(static_cast<uint16_t>(n));
    r.numero = n;
    r.reels = rangee.reels.data();
    r.entiers = rangee.entiers.data();
}

// Writes table t to its file: the whole table when ecrits is null, otherwise only the rows
// numbered in ecrits (written since the file was last brought up to date).
template <class T> void Persiste(FichierTable& f, const T& t, const std::vector<uint16_t>* ecrits) {
    if (ecrits) {
        size_t i = 0;
        f.Complete([&](RangeeBrute& r) {
            if (i == ecrits->size()) return false;
            Remplit(r, t, (*ecrits)[i++]);
            return true;
        });
        return;
    }
    int n = -1;
    f.Reecrit([&](RangeeBrute& r) {
        n = t.Suivant(n + 1);
        if (n < 0) return false;
        Remplit(r, t, n);
        return true;
    });
}

bool DossierExiste(const std::string& chemin) {
    struct stat s {};
    return ::stat(chemin.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

} // namespace

struct TModuleDonnee::Impl {
    std::string dossier;
    TablePoints points;
    TableLignes lignes;
    TableCercles cercles;
    TableVariables variables;
    TableFormes formes;

    // What changed in a table since its file was last written: nothing, some rows written
    // (a single statement adds one), or enough to rewrite the whole file.
    struct Suivi {
        bool modifie = false;
        bool toutReecrire = false;
        std::vector<uint16_t> ecrits;
    };
    static constexpr size_t LimiteEcrits = 4096;

    std::array<std::unique_ptr<FichierTable>, NombreTables> fichiers;
    std::array<Suivi, NombreTables> suivi;
    // The file's failure has been reported and it has not been written since.
    std::array<bool, NombreTables> signale{};
    bool lectureSeule = false;
    bool pretes = false;
    int delaiVerrou = 2000;
    uint64_t version = 0;
    std::array<uint64_t, NombreTables> versions{};
    uint64_t refus = 0;
    std::function<void()> observateur;
    int curseurPoint = -1, curseurLigne = -1, curseurCercle = -1, curseurVariable = -1;

    void Notifie() {
        ++version;
        if (observateur) observateur();
    }

    void NoteEcriture(Table t, uint16_t n) {
        ++versions[t];
        Suivi& s = suivi[t];
        s.modifie = true;
        if (!s.toutReecrire) {
            if (s.ecrits.size() < LimiteEcrits) {
                s.ecrits.push_back(n);
            } else {
                s.toutReecrire = true;
                s.ecrits.clear();
            }
        }
        Notifie();
    }

    void Vide(Table t) {
        ++versions[t];
        MarqueAReecrire(t);
        Notifie();
    }

    void MarqueAReecrire(Table t) { suivi[t] = Suivi{true, true, {}}; }

    // Writing while read-only is a fault of the caller: loud in debug builds, and
    // without effect (but counted) otherwise.
    bool Accepte() {
        if (!lectureSeule) return true;
        ++refus;
        assert(!"write to a read-only element table");
        return false;
    }

    template <class T, class Rangee> void Ecrit(T& table, Table t, uint16_t n, const Rangee& r) {
        if (!Accepte()) return;
        if (!Finie(r)) {
            ++refus;
            assert(!"non-finite value written to an element table");
            return;
        }
        table.Ecrit(n, r);
        NoteEcriture(t, n);
    }

    std::string Chemin(Table t) const {
        std::string chemin = dossier;
        if (chemin.back() != '/') chemin += '/';
        return chemin + Descriptions[t].fichier;
    }

    void Persiste(Table t) {
        FichierTable& f = *fichiers[t];
        const Suivi& s = suivi[t];
        const std::vector<uint16_t>* ecrits = s.toutReecrire ? nullptr : &s.ecrits;
        switch (t) {
        case TPoint:
            velk::Persiste(f, points, ecrits);
            break;
        case TLigne:
            velk::Persiste(f, lignes, ecrits);
            break;
        case TCercle:
            velk::Persiste(f, cercles, ecrits);
            break;
        case TVariable:
            velk::Persiste(f, variables, ecrits);
            break;
        case TForme:
            velk::Persiste(f, formes, ecrits);
            break;
        case NombreTables:
            break;
        }
        suivi[t] = Suivi{};
    }

    // Brings every changed file up to date. A file that fails keeps its previous content
    // and its changes stay pending for the next switch. Each failure is reported once (the
    // messages of the files that failed since their last success, one line each); the
    // retries wait for no lock, so that a file held by another program slows nothing down.
    void PersisteModifiees() {
        std::string messages;
        for (int i = 0; i < NombreTables; ++i) {
            if (!suivi[i].modifie || !fichiers[i]) continue;
            const Table t = static_cast<Table>(i);
            try {
                if (!fichiers[t]->EstOuvert()) fichiers[t]->Ouvre(0);
                Persiste(t);
                if (signale[t]) fichiers[t]->SetDelaiVerrou(delaiVerrou);
                signale[t] = false;
            } catch (const ErreurStockage& e) {
                NoteEchec(t, e.what(), messages);
            }
        }
        if (!messages.empty()) throw ErreurStockage(messages);
    }

    void NoteEchec(Table t, const std::string& message, std::string& messages) {
        if (signale[t]) return;
        signale[t] = true;
        if (fichiers[t]) fichiers[t]->SetDelaiVerrou(0);
        if (!messages.empty()) messages += '\n';
        messages += message;
    }
};

TModuleDonnee::TModuleDonnee(std::string dossier) : d(std::make_unique<Impl>()) {
    d->dossier = std::move(dossier);
}

TModuleDonnee::~TModuleDonnee() {
    // Leave the files matching the tables if the last writes were never followed by a
    // switch to read-only; a failure here can no longer be reported to anyone.
    try {
        d->PersisteModifiees();
    } catch (...) {
    }
}

const std::string& TModuleDonnee::Dossier() const {
    return d->dossier;
}
void TModuleDonnee::SetDelaiVerrou(int millisecondes) {
    d->delaiVerrou = millisecondes;
}

void TModuleDonnee::CreeTables() {
    d->pretes = false;
    VideTables();
    if (d->dossier.empty()) {
        d->suivi.fill(Impl::Suivi{});
        d->pretes = true;
        return;
    }
    // Until every file is emptied, a later switch must rewrite them all.
    for (int i = 0; i < NombreTables; ++i)
        d->MarqueAReecrire(static_cast<Table>(i));
    d->signale.fill(false);
    for (auto& f : d->fichiers)
        f.reset();
    // Whatever fails, the tables work in memory: the program still runs, and only the
    // files that could not be used stay behind.
    d->pretes = true;
    if (!DossierExiste(d->dossier))
        throw ErreurStockage("Le dossier « " + d->dossier +
                             " » n'existe pas : impossible de créer le fichier de table « " +
                             d->Chemin(TPoint) + " ». Les tables resteront en mémoire.");
    std::string messages;
    for (int i = 0; i < NombreTables; ++i) {
        const Table t = static_cast<Table>(i);
        auto fichier = std::make_unique<FichierTable>(d->Chemin(t), Descriptions[t]);
        try {
            fichier->Ouvre(d->delaiVerrou);
        } catch (const ErreurStockage& e) {
            // A file locked by another program is opened at a later switch if it can be;
            // any other file that cannot be opened (foreign, unreadable, impossible to
            // create) is not used this session.
            if (fichier->EchecDuAuVerrou()) d->fichiers[t] = std::move(fichier);
            d->NoteEchec(t, e.what(), messages);
            continue;
        }
        d->fichiers[t] = std::move(fichier);
        try {
            d->fichiers[t]->Vide();
            d->suivi[t] = Impl::Suivi{};
        } catch (const ErreurStockage& e) {
            // Open but locked or not writable now: emptied at a later switch if it can be.
            d->NoteEchec(t, e.what(), messages);
        }
    }
    if (!messages.empty())
        throw ErreurStockage(messages + "\nCes tables restent en mémoire : les programmes "
                                        "s'exécutent normalement.");
}

void TModuleDonnee::VideTables() {
    auto vide = [this](auto& table, Table t) {
        if (table.Nombre() == 0) return;
        table.Vide();
        d->Vide(t);
    };
    vide(d->points, TPoint);
    vide(d->lignes, TLigne);
    vide(d->cercles, TCercle);
    vide(d->variables, TVariable);
    vide(d->formes, TForme);
    d->curseurPoint = d->curseurLigne = d->curseurCercle = d->curseurVariable = -1;
}

void TModuleDonnee::TablesLectureSeule(bool lectureSeule) {
    d->lectureSeule = lectureSeule;
    if (lectureSeule) d->PersisteModifiees();
}

bool TModuleDonnee::LectureSeule() const {
    return d->lectureSeule;
}
bool TModuleDonnee::TablesPretes() const {
    return d->pretes;
}
void TModuleDonnee::SetTablesPretes(bool pretes) {
    d->pretes = pretes;
}

bool TModuleDonnee::PointExiste(uint16_t n) const {
    return d->points.Existe(n);
}
bool TModuleDonnee::LigneExiste(uint16_t n) const {
    return d->lignes.Existe(n);
}
bool TModuleDonnee::CercleExiste(uint16_t n) const {
    return d->cercles.Existe(n);
}
bool TModuleDonnee::VariableExiste(uint16_t n) const {
    return d->variables.Existe(n);
}
bool TModuleDonnee::FormeExiste(uint16_t n) const {
    return d->formes.Existe(n);
}

void TModuleDonnee::EcritPoint(uint16_t n, const TRecPoint& p) {
    d->Ecrit(d->points, TPoint, n, VersRangee(p));
}
void TModuleDonnee::EcritLigne(uint16_t n, const TRecLigne& l) {
    d->Ecrit(d->lignes, TLigne, n, VersRangee(l));
}
void TModuleDonnee::EcritCercle(uint16_t n, const TRecCercle& c) {
    d->Ecrit(d->cercles, TCercle, n, VersRangee(c));
}
void TModuleDonnee::EcritVariable(uint16_t n, Reel valeur) {
    d->Ecrit(d->variables, TVariable, n, TableVariables::Ligne{{Tel(valeur)}, {}});
}
void TModuleDonnee::EcritForme(uint16_t n) {
    d->Ecrit(d->formes, TForme, n, TableFormes::Ligne{});
}

uint64_t TModuleDonnee::EcritRefuses() const {
    return d->refus;
}

void TModuleDonnee::LitPoint(uint16_t n, TRecPoint& p) const {
    if (d->points.Existe(n)) VersRecord(n, d->points.Lit(n), p);
}
void TModuleDonnee::LitLigne(uint16_t n, TRecLigne& l) const {
    if (d->lignes.Existe(n)) VersRecord(n, d->lignes.Lit(n), l);
}
void TModuleDonnee::LitCercle(uint16_t n, TRecCercle& c) const {
    if (d->cercles.Existe(n)) VersRecord(n, d->cercles.Lit(n), c);
}
Reel TModuleDonnee::ValeurVariable(uint16_t n) const {
    return d->variables.Existe(n) ? d->variables.Lit(n).reels[0] : 0;
}

bool TModuleDonnee::PremierPoint(TRecPoint& p) {
    return Copie(d->points, d->curseurPoint = d->points.Suivant(0), p);
}
bool TModuleDonnee::PointSuivant(TRecPoint& p) {
    if (d->curseurPoint < 0) return false;
    return Copie(d->points, d->curseurPoint = d->points.Suivant(d->curseurPoint + 1), p);
}
bool TModuleDonnee::PremiereLigne(TRecLigne& l) {
    return Copie(d->lignes, d->curseurLigne = d->lignes.Suivant(0), l);
}
bool TModuleDonnee::LigneSuivante(TRecLigne& l) {
    if (d->curseurLigne < 0) return false;
    return Copie(d->lignes, d->curseurLigne = d->lignes.Suivant(d->curseurLigne + 1), l);
}
bool TModuleDonnee::PremierCercle(TRecCercle& c) {
    return Copie(d->cercles, d->curseurCercle = d->cercles.Suivant(0), c);
}
bool TModuleDonnee::CercleSuivant(TRecCercle& c) {
    if (d->curseurCercle < 0) return false;
    return Copie(d->cercles, d->curseurCercle = d->cercles.Suivant(d->curseurCercle + 1), c);
}

namespace {
bool CopieVariable(const TableVariables& t, int n, uint16_t& numero, Reel& valeur) {
    if (n < 0) return false;
    numero = static_cast<uint16_t>(n);
    valeur = t.Lit(numero).reels[0];
    return true;
}
} // namespace

bool TModuleDonnee::PremiereVariable(uint16_t& n, Reel& valeur) {
    return CopieVariable(d->variables, d->curseurVariable = d->variables.Suivant(0), n, valeur);
}
bool TModuleDonnee::VariableSuivante(uint16_t& n, Reel& valeur) {
    if (d->curseurVariable < 0) return false;
    d->curseurVariable = d->variables.Suivant(d->curseurVariable + 1);
    return CopieVariable(d->variables, d->curseurVariable, n, valeur);
}

std::optional<uint16_t> TModuleDonnee::NumeroLibrePoint() const {
    return d->points.Libre();
}
std::optional<uint16_t> TModuleDonnee::NumeroLibreLigne() const {
    return d->lignes.Libre();
}
std::optional<uint16_t> TModuleDonnee::NumeroLibreCercle() const {
    return d->cercles.Libre();
}

int TModuleDonnee::NombrePoints() const {
    return d->points.Nombre();
}
int TModuleDonnee::NombreLignes() const {
    return d->lignes.Nombre();
}
int TModuleDonnee::NombreCercles() const {
    return d->cercles.Nombre();
}
int TModuleDonnee::NombreVariables() const {
    return d->variables.Nombre();
}

bool TModuleDonnee::PointAuRang(int rang, TRecPoint& p) const {
    return Copie(d->points, d->points.AuRang(rang), p);
}
bool TModuleDonnee::LigneAuRang(int rang, TRecLigne& l) const {
    return Copie(d->lignes, d->lignes.AuRang(rang), l);
}
bool TModuleDonnee::CercleAuRang(int rang, TRecCercle& c) const {
    return Copie(d->cercles, d->cercles.AuRang(rang), c);
}
bool TModuleDonnee::VariableAuRang(int rang, uint16_t& n, Reel& valeur) const {
    return CopieVariable(d->variables, d->variables.AuRang(rang), n, valeur);
}

uint64_t TModuleDonnee::Version() const {
    return d->version;
}
uint64_t TModuleDonnee::VersionGenre(char genre) const {
    switch (genre) {
    case 'P':
        return d->versions[TPoint];
    case 'L':
        return d->versions[TLigne];
    case 'C':
        return d->versions[TCercle];
    default:
        return 0;
    }
}
void TModuleDonnee::SetObservateur(std::function<void()> observateur) {
    d->observateur = std::move(observateur);
}

} // namespace velk
