// velk-capture: a picture of the main window for the documentation. Opens a program, runs
// it, frames all its elements and saves the window's own grab as a PNG. It runs on Qt's
// offscreen platform unless another one is chosen, so it needs no display.
//   velk-capture PROGRAMME.vlk IMAGE.png [LxH]
#include "construction/dialogues.h"
#include "shell/tf_principale.h"

#include <QApplication>
#include <QFileInfo>
#include <QTabWidget>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>

namespace {

// Nobody is there to answer: every question is refused and written on stderr, so a
// picture never waits on a dialog and an unexpected one is seen.
class DialoguesAbsents : public velk::Dialogues {
public:
    velk::Reponse Question(const QString& texte, bool) override
    {
        Note("Question", texte);
        return velk::Reponse::Annuler;
    }
    void Information(const QString& texte) override { Note("Information", texte); }
    void Avertissement(const QString& texte) override { Note("Avertissement", texte); }
    void Erreur(const QString& texte) override { Note("Erreur", texte); }
    std::optional<QString> DemandeValeur(const QString& libelle, int, QChar) override
    {
        Note("Valeur", libelle);
        return std::nullopt;
    }
    int Choix1() override { return 0; }
    velk::ChoixFichierOuvrir FichierOuvrir(const QString& titre, const QString&,
                                           const QString&) override
    {
        Note("Ouvrir", titre);
        return {};
    }
    QString FichierEnregistrer(const QString& titre, const QString&, const QString&,
                               const QString&, const QString&) override
    {
        Note("Enregistrer", titre);
        return {};
    }
    void Bip() override {}
    bool ChoixCouleur(int&, int&) override
    {
        Note("Couleur", QString());
        return false;
    }
    bool ChoixVisible(velk::TVisibilite&) override
    {
        Note("Visible", QString());
        return false;
    }
    void AfficheFormeCanonique(const velk::ContenuFormeCanonique& forme) override
    {
        Note("Forme canonique", QString(forme.genre) + QString::number(forme.numero));
    }

    int Nombre() const { return nombre_; }

private:
    void Note(const char* genre, const QString& texte)
    {
        ++nombre_;
        std::fprintf(stderr, "velk-capture : %s : %s\n", genre, texte.toUtf8().constData());
    }
    int nombre_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3 || argc > 4) {
        std::fputs("Usage : velk-capture PROGRAMME.vlk IMAGE.png [LxH]\n", stderr);
        return 2;
    }
    int largeur = 900, hauteur = 620;
    if (argc == 4 && std::sscanf(argv[3], "%dx%d", &largeur, &hauteur) != 2) {
        std::fprintf(stderr, "velk-capture : taille incorrecte : %s\n", argv[3]);
        return 2;
    }
    // The window would start on an empty program without a word: refuse instead.
    if (!QFileInfo(QString::fromLocal8Bit(argv[1])).isFile()) {
        std::fprintf(stderr, "velk-capture : programme introuvable : %s\n", argv[1]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");

    // The tables go to a folder of their own, so the picture touches no user's files.
    QTemporaryDir dossier;
    if (!dossier.isValid())
        return 2;
    DialoguesAbsents dialogues;
    velk::TFPrincipale fenetre(dialogues, dossier.path() + QLatin1Char('/'),
                               QStringLiteral("Velk"));
    fenetre.resize(largeur, hauteur);
    fenetre.SetFichierLigneCommande(QString::fromLocal8Bit(argv[1]));
    fenetre.show();
    fenetre.EtapeAffichage();
    // Opening a file shows its text: the picture is of the drawing, laid out at its size.
    fenetre.Dossier().setCurrentIndex(0);
    QApplication::processEvents();
    fenetre.ExecuterClick();
    fenetre.CadrageClick();
    QApplication::processEvents();

    if (dialogues.Nombre() > 0 || !fenetre.grab().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "velk-capture : pas d'image écrite dans %s\n", argv[2]);
        return 2;
    }
    return 0;
}
