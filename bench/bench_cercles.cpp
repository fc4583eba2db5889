// Timings of the circle, arc, three-point, rotation and symmetry tools on a large store,
// headless: the engine on a plain host whose tables hold a whole program. Each form is
// clicked N times; the time of the click that completes the statement (pick, choice
// letters, the arc's two candidate circles, single-statement execution, appending) is
// reported as a median and a maximum, in milliseconds.
//
//   bench_cercles FICHIER [N]
//
// FICHIER is a program such as the one `generate_program.py --largest` writes. The top
// 1024 numbers of each kind are left free (their statements are skipped) so that the tools
// can number what they build; a few elements of known geometry are then added for the
// clicks.
#include "construction/moteur_construction.h"
#include "language/interprete.h"
#include "language/observateurs_simples.h"
#include "store/module_donnee.h"
#include "view/recherche.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace velk;

constexpr unsigned kPremierLibre = 65536 - 1024;

// Tables in memory, the real run, the real pick (its answer replaced by the scripted one,
// so that every repetition follows the same steps and still pays for the search).
class HoteBanc : public HoteConstruction {
public:
    HoteBanc() : interprete_(tables, messages_, dessin_, occupe_), recherche_(tables, vue_, vis_)
    {
        vue_.OrigineX = -100;
        vue_.OrigineY = -100;
        vue_.Echelle = 2;
        vue_.Largeur = 400;
        vue_.Hauteur = 400;
    }
    void Execute(const std::vector<std::string>& lignes) { interprete_.ExecuteProgramme(lignes); }
    int Colonne(Reel x) const { return XEcran(vue_, x); }
    int Ligne(Reel y) const { return YEcran(vue_, y); }

    bool ChercheElements(int32_t colonne, int32_t ligne, TElementsProches& reponse) override
    {
        recherche_.ChercheElements(colonne, ligne, reponse);
        reponse = prise;
        return true;
    }
    const TVue& VueEcran() const override { return vue_; }
    std::optional<uint16_t> NumeroLibre(char genre) const override
    {
        return genre == 'P' ? tables.NumeroLibrePoint()
                            : genre == 'L' ? tables.NumeroLibreLigne() : tables.NumeroLibreCercle();
    }
    void LitPoint(uint16_t n, TRecPoint& p) const override { tables.LitPoint(n, p); }
    void LitLigne(uint16_t n, TRecLigne& l) const override { tables.LitLigne(n, l); }
    void LitCercle(uint16_t n, TRecCercle& c) const override { tables.LitCercle(n, c); }
    bool ExecuteInstruction(const QString& t) override
    {
        return interprete_.ExecuteInstruction(t.toStdString());
    }
    void AjouteInstruction(const QString& t) override { texte.push_back(t.toStdString()); }
    void AfficheInvite(const QString&) override {}
    void AffichePanneau(int, const QString&) override {}
    void RelacheBoutonsMode(ModeSouris) override {}
    void RelacheBoutonOutil(int) override {}

    TModuleDonnee tables;
    TElementsProches prise;
    std::vector<std::string> texte;

private:
    MessagesEnMemoire messages_;
    DessinMuet dessin_;
    OccupeMuet occupe_;
    TVisibilite vis_;
    TVue vue_;
    Interprete interprete_;
    RechercheElements recherche_;
};

// A radius of 20 or 50, an angle of 30, the choice "Rayon"; refusals are counted.
class DialoguesBanc : public Dialogues {
public:
    Reponse Question(const QString&, bool) override { return Reponse::Non; }
    void Information(const QString&) override {}
    void Avertissement(const QString&) override { ++refus; }
    void Erreur(const QString&) override {}
    std::optional<QString> DemandeValeur(const QString& libelle, int, QChar) override
    {
        return libelle.contains(QLatin1String("Angle")) ? QStringLiteral("30") : valeur;
    }
    int Choix1() override { return 1; }
    ChoixFichierOuvrir FichierOuvrir(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString FichierEnregistrer(const QString&, const QString&, const QString&, const QString&,
                               const QString&) override
    {
        return {};
    }
    void Bip() override {}

    QString valeur = QStringLiteral("20");
    int refus = 0;
};

// Skips the statements that define one of the top numbers of their kind.
bool Garde(const std::string& ligne)
{
    if (ligne.size() < 3 || (ligne[0] != 'P' && ligne[0] != 'L' && ligne[0] != 'C'))
        return true;
    const unsigned long n = std::strtoul(ligne.c_str() + 1, nullptr, 10);
    return n < kPremierLibre;
}

TElementsProches Prise(int point, int ligne, int cercle)
{
    TElementsProches e;
    e.PointTrouve = point >= 0;
    e.NumPoint = point < 0 ? 0 : point;
    e.NbLignes = ligne >= 0;
    e.NumLigne1 = ligne < 0 ? 0 : ligne;
    e.NbCercles = cercle >= 0;
    e.NumCercle1 = cercle < 0 ? 0 : cercle;
    return e;
}

struct Clic {
    TElementsProches prise;
    Reel x, y;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_cercles FICHIER [N]\n");
        return 2;
    }
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    std::ifstream fichier(argv[1]);
    std::vector<std::string> lignes;
    for (std::string l; std::getline(fichier, l);)
        if (lignes.size() < 3 || Garde(l))
            lignes.push_back(l);

    HoteBanc hote;
    DialoguesBanc dialogues;
    MoteurConstruction moteur(hote, dialogues);
    hote.Execute(lignes);
    std::printf("store: %zu lines read\n", lignes.size());

    // Elements of known geometry under the first free numbers.
    const int p0 = kPremierLibre, p1 = p0 + 1, p2 = p0 + 2, l0 = kPremierLibre, l1 = l0 + 1;
    const int c0 = kPremierLibre, c1 = c0 + 1;
    hote.ExecuteInstruction(QString::asprintf("P%d:=0,0,0,0", p0));
    hote.ExecuteInstruction(QString::asprintf("P%d:=30,0,0,0", p1));
    hote.ExecuteInstruction(QString::asprintf("P%d:=0,30,0,0", p2));
    hote.ExecuteInstruction(QString::asprintf("L%d:=0,-50,A0,0,0", l0));
    hote.ExecuteInstruction(QString::asprintf("L%d:=60,0,A90,0,0", l1));
    hote.ExecuteInstruction(QString::asprintf("C%d:=-40,0,10,0,0", c0));
    hote.ExecuteInstruction(QString::asprintf("C%d:=40,0,10,0,0", c1));

    struct Forme {
        const char* nom;
        int outil;
        const char* rayon;
        std::vector<Clic> clics;
    };
    const std::vector<Forme> formes = {
        {"cercle CPP", OutilCercle, "20", {{Prise(p0, -1, -1), 0, 0}, {Prise(p1, -1, -1), 30, 0}}},
        {"cercle CCN", OutilCercle, "20", {{Prise(-1, -1, c0), -30, 0}}},
        {"arc CPPND", OutilArc, "20",
         {{Prise(p0, -1, -1), 0, 0}, {Prise(p1, -1, -1), 30, 0}, {{}, 15, 10}}},
        {"arc CLLNDD", OutilArc, "10",
         {{Prise(-1, l0, -1), 0, -50}, {Prise(-1, l1, -1), 60, 0}, {{}, 40, -30}}},
        {"arc CCCNDDD", OutilArc, "50",
         {{Prise(-1, -1, c0), -30, 0}, {Prise(-1, -1, c1), 30, 0}, {{}, 0, 30}}},
        {"arc3 CPPP", OutilArc3, "20",
         {{Prise(p0, -1, -1), 0, 0}, {Prise(p1, -1, -1), 30, 0}, {Prise(p2, -1, -1), 0, 30}}},
        {"rotation CCPA", OutilRotation, "20",
         {{Prise(p0, -1, -1), 0, 0}, {Prise(-1, -1, c0), -30, 0}}},
        {"symetrie CCL", OutilSymetrie, "20",
         {{Prise(-1, l0, -1), 0, -50}, {Prise(-1, -1, c1), 30, 0}}},
    };
    std::printf("%-16s %10s %10s %8s\n", "form", "median ms", "max ms", "refused");
    for (const Forme& f : formes) {
        std::vector<double> durees;
        const int refus = dialogues.refus;
        dialogues.valeur = QString::fromLatin1(f.rayon);
        for (int r = 0; r < repetitions; ++r) {
            moteur.BtnOutilClick(f.outil, true);
            double derniere = 0;
            for (const Clic& c : f.clics) {
                hote.prise = c.prise;
                const int col = hote.Colonne(c.x), lig = hote.Ligne(c.y);
                moteur.DessinMouseDown(col, lig);
                const auto t0 = std::chrono::steady_clock::now();
                moteur.DessinMouseUp(col, lig);
                derniere = std::chrono::duration<double, std::milli>(
                               std::chrono::steady_clock::now() - t0)
                               .count();
            }
            durees.push_back(derniere);
            moteur.InitAppli();
        }
        std::sort(durees.begin(), durees.end());
        std::printf("%-16s %10.3f %10.3f %8d\n", f.nom, durees[durees.size() / 2], durees.back(),
                    dialogues.refus - refus);
    }
    return 0;
}
