// A scripted stand-in for the modal dialogs. Tests queue the answers the user would
// give, in order; every call is recorded (kind and text) so a test can check what was
// asked. A question nobody scripted fails the running test and gets the safe answer
// (cancel, no value, no file), so a missing answer never blocks or crashes a test.
#pragma once

#include "construction/dialogues.h"
#include "view/choix_visible.h"

#include <gtest/gtest.h>

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace velk::test {

enum class GenreDialogue {
    Question,
    Information,
    Avertissement,
    Erreur,
    DemandeValeur,
    Choix1,
    FichierOuvrir,
    FichierEnregistrer,
    FichierExporter,
    Bip,
    Impression,
    ConfigurationImpression,
    ChoixCouleur,
    ChoixVisible,
    FormeCanonique
};

inline const char* NomGenre(GenreDialogue g)
{
    switch (g) {
    case GenreDialogue::Question: return "Question";
    case GenreDialogue::Information: return "Information";
    case GenreDialogue::Avertissement: return "Avertissement";
    case GenreDialogue::Erreur: return "Erreur";
    case GenreDialogue::DemandeValeur: return "DemandeValeur";
    case GenreDialogue::Choix1: return "Choix1";
    case GenreDialogue::FichierOuvrir: return "FichierOuvrir";
    case GenreDialogue::FichierEnregistrer: return "FichierEnregistrer";
    case GenreDialogue::FichierExporter: return "FichierExporter";
    case GenreDialogue::Bip: return "Bip";
    case GenreDialogue::Impression: return "Impression";
    case GenreDialogue::ConfigurationImpression: return "ConfigurationImpression";
    case GenreDialogue::ChoixCouleur: return "ChoixCouleur";
    case GenreDialogue::ChoixVisible: return "ChoixVisible";
    case GenreDialogue::FormeCanonique: return "FormeCanonique";
    }
    return "?";
}

// One recorded call. `texte` is the question, message, value label or dialog title;
// the other fields keep the arguments that matter for the call's kind.
struct AppelDialogue {
    GenreDialogue genre = GenreDialogue::Question;
    QString texte;
    bool avecAnnuler = false; // Question
    int mode = 0;             // DemandeValeur
    QChar premierCaractere;   // DemandeValeur
    QString dossier;          // file dialogs
    QString filtre;           // file dialogs
    QString nomPropose;       // FichierEnregistrer
    QString extension;        // FichierEnregistrer
    QStringList filtres;      // FichierExporter
    int filtreInitial = 0;    // FichierExporter
    int couleur = 0;          // ChoixCouleur: the values it was opened on
    int couche = 0;
    ContenuFormeCanonique forme; // FormeCanonique
};

class DialoguesScriptes : public Dialogues {
public:
    // With verifieFin set, answers still queued when the double is destroyed fail the
    // test: a command that stopped asking early is a fault worth seeing.
    explicit DialoguesScriptes(bool verifieFin = true) : verifieFin_(verifieFin) {}
    ~DialoguesScriptes() override
    {
        if (verifieFin_ && !reponses_.empty())
            ADD_FAILURE() << reponses_.size() << " scripted answer(s) never asked for, first: "
                          << NomGenre(reponses_.front().genre);
    }

    // Queue the next answers, in the order the program will ask.
    DialoguesScriptes& RepondQuestion(Reponse r)
    {
        Entree e;
        e.genre = GenreDialogue::Question;
        e.reponse = r;
        reponses_.push_back(e);
        return *this;
    }
    DialoguesScriptes& RepondValeur(std::optional<QString> valeur)
    {
        Entree e;
        e.genre = GenreDialogue::DemandeValeur;
        e.valeur = std::move(valeur);
        reponses_.push_back(e);
        return *this;
    }
    DialoguesScriptes& RepondChoix1(int choix)
    {
        Entree e;
        e.genre = GenreDialogue::Choix1;
        e.choix = choix;
        reponses_.push_back(e);
        return *this;
    }
    DialoguesScriptes& RepondFichierOuvrir(const QString& chemin, bool lectureSeule = false)
    {
        Entree e;
        e.genre = GenreDialogue::FichierOuvrir;
        e.ouvrir.chemin = chemin;
        e.ouvrir.lectureSeule = lectureSeule;
        reponses_.push_back(e);
        return *this;
    }
    DialoguesScriptes& RepondFichierEnregistrer(const QString& chemin)
    {
        Entree e;
        e.genre = GenreDialogue::FichierEnregistrer;
        e.chemin = chemin;
        reponses_.push_back(e);
        return *this;
    }
    // The export dialog: the path typed and the index of the file type chosen.
    DialoguesScriptes& RepondFichierExporter(const QString& chemin, int filtre)
    {
        Entree e;
        e.genre = GenreDialogue::FichierExporter;
        e.exporter.chemin = chemin;
        e.exporter.filtre = filtre;
        reponses_.push_back(e);
        return *this;
    }

    // The print dialog: true prints (to whatever output the test gave the printer).
    DialoguesScriptes& RepondImpression(bool imprimer)
    {
        Entree e;
        e.genre = GenreDialogue::Impression;
        e.imprimer = imprimer;
        reponses_.push_back(e);
        return *this;
    }
    // OK with this colour and layer, or nothing for Cancel.
    DialoguesScriptes& RepondChoixCouleur(std::optional<std::pair<int, int>> couleurCouche)
    {
        Entree e;
        e.genre = GenreDialogue::ChoixCouleur;
        e.couleurCouche = couleurCouche;
        reponses_.push_back(e);
        return *this;
    }
    // Clicks on these cells of the visibility dialog, then the way out; the flags follow the
    // dialog's own rules (Cancel restores them, the close box keeps them).
    DialoguesScriptes& RepondChoixVisible(std::vector<ItemVisible> bascules, FinDialogue fin)
    {
        Entree e;
        e.genre = GenreDialogue::ChoixVisible;
        e.bascules = std::move(bascules);
        e.fin = fin;
        reponses_.push_back(e);
        return *this;
    }

    // Called while the value dialog is open, before it answers (to see the prompt then).
    void AvantValeur(std::function<void(const AppelDialogue&)> f) { avantValeur_ = std::move(f); }

    // What was asked, in order.
    const std::vector<AppelDialogue>& Appels() const { return appels_; }
    std::vector<QString> Textes(GenreDialogue g) const
    {
        std::vector<QString> r;
        for (const auto& a : appels_)
            if (a.genre == g)
                r.push_back(a.texte);
        return r;
    }
    int Nombre(GenreDialogue g) const
    {
        int n = 0;
        for (const auto& a : appels_)
            n += a.genre == g ? 1 : 0;
        return n;
    }
    int ReponsesRestantes() const { return static_cast<int>(reponses_.size()); }
    void EffaceAppels() { appels_.clear(); }

    // Dialogues
    Reponse Question(const QString& texte, bool avecAnnuler = true) override
    {
        AppelDialogue a = Appel(GenreDialogue::Question, texte);
        a.avecAnnuler = avecAnnuler;
        appels_.push_back(a);
        Entree e;
        if (!Prend(GenreDialogue::Question, texte, e))
            return avecAnnuler ? Reponse::Annuler : Reponse::Non;
        if (!avecAnnuler && e.reponse == Reponse::Annuler)
            ADD_FAILURE() << "Cancel scripted for a question without a cancel button: "
                          << texte.toStdString();
        return e.reponse;
    }
    void Information(const QString& texte) override
    {
        appels_.push_back(Appel(GenreDialogue::Information, texte));
    }
    void Avertissement(const QString& texte) override
    {
        appels_.push_back(Appel(GenreDialogue::Avertissement, texte));
    }
    void Erreur(const QString& texte) override { appels_.push_back(Appel(GenreDialogue::Erreur, texte)); }
    std::optional<QString> DemandeValeur(const QString& libelle, int mode,
                                         QChar premierCaractere = QChar()) override
    {
        AppelDialogue a = Appel(GenreDialogue::DemandeValeur, libelle);
        a.mode = mode;
        a.premierCaractere = premierCaractere;
        appels_.push_back(a);
        if (avantValeur_)
            avantValeur_(a);
        Entree e;
        if (!Prend(GenreDialogue::DemandeValeur, libelle, e))
            return std::nullopt;
        return e.valeur;
    }
    int Choix1() override
    {
        appels_.push_back(Appel(GenreDialogue::Choix1, QString()));
        Entree e;
        if (!Prend(GenreDialogue::Choix1, QString(), e))
            return 0;
        return e.choix;
    }
    ChoixFichierOuvrir FichierOuvrir(const QString& titre, const QString& dossier,
                                     const QString& filtre) override
    {
        AppelDialogue a = Appel(GenreDialogue::FichierOuvrir, titre);
        a.dossier = dossier;
        a.filtre = filtre;
        appels_.push_back(a);
        Entree e;
        if (!Prend(GenreDialogue::FichierOuvrir, titre, e))
            return {};
        return e.ouvrir;
    }
    QString FichierEnregistrer(const QString& titre, const QString& dossier,
                               const QString& nomPropose, const QString& filtre,
                               const QString& extensionParDefaut) override
    {
        AppelDialogue a = Appel(GenreDialogue::FichierEnregistrer, titre);
        a.dossier = dossier;
        a.filtre = filtre;
        a.nomPropose = nomPropose;
        a.extension = extensionParDefaut;
        appels_.push_back(a);
        Entree e;
        if (!Prend(GenreDialogue::FichierEnregistrer, titre, e))
            return {};
        return e.chemin;
    }
    ChoixFichierExporter FichierExporter(const QString& titre, const QString& dossier,
                                         const QString& nomPropose, const QStringList& filtres,
                                         int filtreInitial) override
    {
        AppelDialogue a = Appel(GenreDialogue::FichierExporter, titre);
        a.dossier = dossier;
        a.nomPropose = nomPropose;
        a.filtres = filtres;
        a.filtreInitial = filtreInitial;
        appels_.push_back(a);
        Entree e;
        if (!Prend(GenreDialogue::FichierExporter, titre, e))
            return {};
        return e.exporter;
    }
    void Bip() override { appels_.push_back(Appel(GenreDialogue::Bip, QString())); }
    // The printer itself is left alone: a test sets its output before the command.
    bool DialogueImpression(QPrinter&) override
    {
        appels_.push_back(Appel(GenreDialogue::Impression, QString()));
        Entree e;
        if (!Prend(GenreDialogue::Impression, QString(), e))
            return false;
        return e.imprimer;
    }
    void ConfigurationImpression(QPrinter&) override
    {
        appels_.push_back(Appel(GenreDialogue::ConfigurationImpression, QString()));
    }
    bool ChoixCouleur(int& couleur, int& couche) override
    {
        AppelDialogue a = Appel(GenreDialogue::ChoixCouleur, QString());
        a.couleur = couleur;
        a.couche = couche;
        appels_.push_back(a);
        Entree e;
        if (!Prend(GenreDialogue::ChoixCouleur, QString(), e) || !e.couleurCouche)
            return false;
        couleur = e.couleurCouche->first;
        couche = e.couleurCouche->second;
        return true;
    }
    bool ChoixVisible(TVisibilite& visibilite) override
    {
        appels_.push_back(Appel(GenreDialogue::ChoixVisible, QString()));
        Entree e;
        if (!Prend(GenreDialogue::ChoixVisible, QString(), e))
            return false;
        SessionChoixVisible session(visibilite);
        for (const ItemVisible& item : e.bascules)
            session.Bascule(item);
        return session.Termine(e.fin);
    }
    // Shown and closed at once: nothing to answer.
    void AfficheFormeCanonique(const ContenuFormeCanonique& forme) override
    {
        AppelDialogue a = Appel(GenreDialogue::FormeCanonique, QString(forme.genre));
        a.forme = forme;
        appels_.push_back(a);
    }
    // The forms shown, in order.
    std::vector<ContenuFormeCanonique> Formes() const
    {
        std::vector<ContenuFormeCanonique> r;
        for (const auto& a : appels_)
            if (a.genre == GenreDialogue::FormeCanonique)
                r.push_back(a.forme);
        return r;
    }

private:
    static AppelDialogue Appel(GenreDialogue g, const QString& texte)
    {
        AppelDialogue a;
        a.genre = g;
        a.texte = texte;
        return a;
    }

    struct Entree {
        GenreDialogue genre = GenreDialogue::Question;
        Reponse reponse = Reponse::Annuler;
        std::optional<QString> valeur;
        int choix = 0;
        ChoixFichierOuvrir ouvrir;
        QString chemin;
        ChoixFichierExporter exporter;
        bool imprimer = false;
        std::optional<std::pair<int, int>> couleurCouche;
        std::vector<ItemVisible> bascules;
        FinDialogue fin = FinDialogue::Annule;
    };

    // Takes the next scripted answer when it is of the kind asked; otherwise fails the
    // test and leaves the queue alone so later answers are not shifted.
    bool Prend(GenreDialogue g, const QString& texte, Entree& e)
    {
        if (reponses_.empty()) {
            ADD_FAILURE() << "Unscripted " << NomGenre(g) << ": " << texte.toStdString();
            return false;
        }
        if (reponses_.front().genre != g) {
            ADD_FAILURE() << "Asked " << NomGenre(g) << " (" << texte.toStdString()
                          << ") but the next scripted answer is "
                          << NomGenre(reponses_.front().genre);
            return false;
        }
        e = reponses_.front();
        reponses_.pop_front();
        return true;
    }

    bool verifieFin_;
    std::deque<Entree> reponses_;
    std::vector<AppelDialogue> appels_;
    std::function<void(const AppelDialogue&)> avantValeur_;
};

} // namespace velk::test
