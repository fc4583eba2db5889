// Program entry: a check for a display, splash, French translations, "." as decimal
// separator, the windows created once, then the event loop.
#include "construction/qt/dialogues_qt.h"
#include "shell/dossier_programme.h"
#include "shell/icone_application.h"
#include "shell/sans_affichage.h"
#include "shell/tf_principale.h"
#include "shell/tf_splash.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

// The real dialogs need the main window as their parent, and the main window needs the
// dialogs: this forwarder is handed to the window and bound to the dialogs right after.
class DialoguesDifferes : public velk::Dialogues {
public:
    void Lie(velk::Dialogues* cible) { cible_ = cible; }

    velk::Reponse Question(const QString& texte, bool avecAnnuler) override
    {
        return cible_->Question(texte, avecAnnuler);
    }
    void Information(const QString& texte) override { cible_->Information(texte); }
    void Avertissement(const QString& texte) override { cible_->Avertissement(texte); }
    void Erreur(const QString& texte) override { cible_->Erreur(texte); }
    std::optional<QString> DemandeValeur(const QString& libelle, int mode,
                                         QChar premier) override
    {
        return cible_->DemandeValeur(libelle, mode, premier);
    }
    int Choix1() override { return cible_->Choix1(); }
    velk::ChoixFichierOuvrir FichierOuvrir(const QString& titre, const QString& dossier,
                                           const QString& filtre) override
    {
        return cible_->FichierOuvrir(titre, dossier, filtre);
    }
    QString FichierEnregistrer(const QString& titre, const QString& dossier,
                               const QString& nom, const QString& filtre,
                               const QString& extension) override
    {
        return cible_->FichierEnregistrer(titre, dossier, nom, filtre, extension);
    }
    void Bip() override { cible_->Bip(); }
    bool DialogueImpression(QPrinter& imprimante) override { return cible_->DialogueImpression(imprimante); }
    void ConfigurationImpression(QPrinter& imprimante) override { cible_->ConfigurationImpression(imprimante); }
    bool ChoixCouleur(int& couleur, int& couche) override
    {
        return cible_->ChoixCouleur(couleur, couche);
    }
    bool ChoixVisible(velk::TVisibilite& visibilite) override
    {
        return cible_->ChoixVisible(visibilite);
    }
    void AfficheFormeCanonique(const velk::ContenuFormeCanonique& forme) override
    {
        cible_->AfficheFormeCanonique(forme);
    }

private:
    velk::Dialogues* cible_ = nullptr;
};

void ChargeTraductions(QApplication& app)
{
    const QStringList dossiers = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QStringLiteral("/usr/share/qt6/translations")};
    for (const char* nom : {"qtbase_fr", "qt_fr"}) {
        auto* traduction = new QTranslator(&app);
        bool charge = false;
        for (const QString& dossier : dossiers)
            if ((charge = traduction->load(QString::fromLatin1(nom), dossier)))
                break;
        if (charge)
            app.installTranslator(traduction);
        else
            delete traduction;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (velk::AffichageAbsent(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                              std::getenv("WAYLAND_DISPLAY"), argc, argv)) {
        velk::DitSansAffichage(argc, argv);
        return velk::SortieSansAffichage;
    }
    std::optional<velk::GardeCreationApplication> garde(std::in_place, argc, argv);
    QApplication app(argc, argv);
    garde.reset();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Every window, the splash and the dialogs included, takes the application's icon.
    QApplication::setWindowIcon(velk::IconeApplication());

    const QString titre = velk::TitreApplication(QCoreApplication::applicationFilePath());
    QCoreApplication::setApplicationName(titre);

    auto splash = std::make_unique<velk::TFSplash>();
    splash->AfficheMaintenant();

    ChargeTraductions(app);
    // Every conversion between numbers and text uses "." whatever the user's settings.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");

    DialoguesDifferes dialogues;
    velk::TFPrincipale fenetre(dialogues, velk::DossierProgramme(), titre);
    velk::DialoguesQt dialoguesQt(&fenetre);
    dialogues.Lie(&dialoguesQt);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        fenetre.SetFichierLigneCommande(arguments.at(1));

    splash.reset();
    QApplication::restoreOverrideCursor();
    fenetre.show();
    return app.exec();
}
