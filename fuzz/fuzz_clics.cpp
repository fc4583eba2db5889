// The click engine fed with arbitrary sequences of tool and mode buttons, mouse presses,
// moves and releases, keys and dialog answers, over a small drawing. What must hold:
// nothing crashes; a statement is appended to the text only right after its execution
// succeeded; and the text built that way runs again from the start without one message.
//
// Each event takes two to three bytes: the kind, then its arguments. Dialog answers are
// taken from the same stream when the engine asks; a value is only ever one that the value
// dialog would accept in its mode.
#include "construction/dialogues.h"
#include "construction/moteur_construction.h"
#include "construction/saisie_valeur.h"
#include "support/hote_test.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Echoue(const char* quoi) {
    std::fprintf(stderr, "property violated: %s\n", quoi);
    std::abort();
}

class Octets {
public:
    Octets(const uint8_t* d, size_t n) : d_(d), n_(n) {}
    bool Fini() const { return i_ >= n_; }
    uint8_t Suivant() { return i_ < n_ ? d_[i_++] : 0; }

private:
    const uint8_t* d_;
    size_t n_;
    size_t i_ = 0;
};

const char* const Valeurs[] = {"5",  "-12.5", "0",   "1E400", "360", "-360", "90",   "2.5E3",
                               "1E", "+-",    ".",   "45",    "1E-400", "30", "-0", "100"};

class DialoguesFlux : public velk::Dialogues {
public:
    explicit DialoguesFlux(Octets& o) : o_(o) {}
    velk::Reponse Question(const QString&, bool avecAnnuler) override {
        const int r = o_.Suivant() % (avecAnnuler ? 3 : 2);
        return r == 0 ? velk::Reponse::Oui : r == 1 ? velk::Reponse::Non : velk::Reponse::Annuler;
    }
    void Information(const QString&) override {}
    void Avertissement(const QString&) override {}
    void Erreur(const QString&) override {}
    std::optional<QString> DemandeValeur(const QString&, int mode, QChar premier) override {
        const uint8_t b = o_.Suivant();
        if (b >= 0xF0) return std::nullopt;
        QString texte = QString::fromLatin1(Valeurs[b % std::size(Valeurs)]);
        if (!premier.isNull() && (b & 0x80)) texte.prepend(premier);
        // The dialog only closes on a value it accepts; otherwise the user abandons.
        if (velk::VerifieSaisie(texte, mode) != velk::VerdictSaisie::Valide) return std::nullopt;
        return texte;
    }
    int Choix1() override { return o_.Suivant() % 4; }
    velk::ChoixFichierOuvrir FichierOuvrir(const QString&, const QString&, const QString&) override {
        return {};
    }
    QString FichierEnregistrer(const QString&, const QString&, const QString&, const QString&,
                               const QString&) override {
        return {};
    }
    void Bip() override {}

private:
    Octets& o_;
};

// The test host, with a check that only a statement just executed with success is
// appended.
class Hote : public velk::test::HoteTest {
public:
    bool ExecuteInstruction(const QString& t) override {
        derniere_ = t;
        reussie_ = HoteTest::ExecuteInstruction(t);
        return reussie_;
    }
    void AjouteInstruction(const QString& t) override {
        if (!reussie_ || t != derniere_) Echoue("appended a statement that did not succeed");
        reussie_ = false;
        HoteTest::AjouteInstruction(t);
    }

private:
    QString derniere_;
    bool reussie_ = false;
};

const int Touches[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_F9, Qt::Key_A, Qt::Key_Delete};
const char CaracteresFrappes[] = "0123456789.-+E, ax";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    static int argc = 1;
    static char nom[] = "fuzz_clics";
    static char* argv[] = {nom, nullptr};
    static QCoreApplication application(argc, argv);

    Octets o(donnees, taille);
    DialoguesFlux dialogues(o);
    Hote hote;
    const std::vector<std::string> programme = {
        "P0:=0,0,0,0",   "L0:=P0,A0,0,0", "L1:=P0,A90,0,0", "P1:=20,10,1,0", "P2:=-30,25,2,0",
        "C0:=P0,15,3,0", "C1:=P1,8,4,0",  "L2:=P1,P2,5,0",  "P3:=40,-20,0,1"};
    hote.Programme(programme);
    velk::MoteurConstruction moteur(hote, dialogues);

    const auto pixel = [](uint8_t b) { return b * 2 - 56; }; // -56..454 over a 400 x 400 view
    while (!o.Fini()) {
        const uint8_t genre = o.Suivant();
        const uint8_t a = o.Suivant();
        const bool drapeau = genre & 0x80;
        switch (genre % 9) {
        case 0: moteur.BtnOutilClick(1 + a % 14, drapeau); break;
        case 1: moteur.BtnModeClick(static_cast<velk::ModeSouris>(a % 6), drapeau); break;
        case 2: moteur.DessinMouseDown(pixel(a), pixel(o.Suivant())); break;
        case 3: moteur.DessinMouseMove(pixel(a), pixel(o.Suivant())); break;
        case 4: moteur.DessinMouseUp(pixel(a), pixel(o.Suivant())); break;
        case 5: moteur.FormKeyDown(Touches[a % std::size(Touches)], drapeau); break;
        case 6:
            moteur.FormKeyPress(QChar(CaracteresFrappes[a % (sizeof CaracteresFrappes - 1)]),
                                drapeau);
            break;
        case 7: moteur.InitAppli(); break;
        case 8:
            moteur.SetCouleurCourante(a % 16);
            moteur.SetCoucheCourante(a % 32);
            break;
        }
    }

    // The text built by clicks runs from the start without a single message.
    std::vector<std::string> texte = {"", "", ""};
    texte.insert(texte.end(), programme.begin(), programme.end());
    for (const QString& t : hote.ajoutees) texte.push_back(t.toStdString());
    velk::TModuleDonnee tables;
    tables.CreeTables();
    velk::test::MessagesEnregistres messages;
    velk::test::DessinEnregistre dessin;
    velk::test::OccupeCompte occupe;
    velk::Interprete interprete(tables, messages, dessin, occupe);
    if (interprete.ExecuteProgramme(texte) != 0) {
        for (const auto& m : messages.items) std::fprintf(stderr, "%s\n", m.c_str());
        Echoue("the text built by clicks does not run cleanly");
    }
    return 0;
}
