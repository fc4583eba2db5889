// DialoguesQt: the modal boxes of the program, in French whatever the system language,
// and the file dialogs. The value and choice dialogs are created once here and reused.
#include "construction/qt/dialogues_qt.h"

#include "construction/qt/choix1.h"
#include "construction/qt/saisie.h"
#include "view/qt/tf_choix_couleur.h"
#include "view/qt/tf_choix_visible.h"
#include "view/qt/tf_fcanon.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>

#include <algorithm>

namespace velk {

DialoguesQt::DialoguesQt(QWidget* parent)
    : parent_(parent), saisie_(new TFSaisie(*this, parent)), choix_(new TFChoix1(parent)),
      couleur_(new TFChoixCouleur(parent)), visible_(new TFChoixVisible(parent)),
      fcanon_(new TFFCanon(parent))
{
    // 16 colours in 8 columns and 2 rows, 32 layers.
    visible_->PrepareVisible(8, 2, NombreCouches);
}

DialoguesQt::~DialoguesQt()
{
    // Without a parent nobody else deletes them.
    if (!parent_) {
        delete saisie_;
        delete choix_;
        delete couleur_;
        delete visible_;
        delete fcanon_;
    }
}

Reponse DialoguesQt::Question(const QString& texte, bool avecAnnuler)
{
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"), texte,
                      QMessageBox::NoButton, parent_);
    QPushButton* oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    QPushButton* annuler = nullptr;
    if (avecAnnuler) {
        annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        boite.setEscapeButton(annuler);
    } else {
        boite.setEscapeButton(non);
    }
    boite.setDefaultButton(oui);
    boite.exec();
    if (boite.clickedButton() == oui)
        return Reponse::Oui;
    if (boite.clickedButton() == non)
        return Reponse::Non;
    // Closed any other way: the safe answer.
    return avecAnnuler ? Reponse::Annuler : Reponse::Non;
}

void DialoguesQt::Information(const QString& texte)
{
    QMessageBox boite(QMessageBox::Information, QStringLiteral("Information"), texte,
                      QMessageBox::Ok, parent_);
    boite.exec();
}

void DialoguesQt::Avertissement(const QString& texte)
{
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Avertissement"), texte,
                      QMessageBox::Ok, parent_);
    boite.exec();
}

void DialoguesQt::Erreur(const QString& texte)
{
    QString titre = QApplication::applicationDisplayName();
    if (titre.isEmpty())
        titre = QStringLiteral("Erreur");
    QMessageBox boite(QMessageBox::Critical, titre, texte, QMessageBox::Ok, parent_);
    boite.exec();
}

std::optional<QString> DialoguesQt::DemandeValeur(const QString& libelle, int mode,
                                                  QChar premierCaractere)
{
    return saisie_->Demande(libelle, mode, premierCaractere);
}

int DialoguesQt::Choix1() { return choix_->Choisit(); }

QString DialoguesQt::FiltreQt(const QString& filtre)
{
    if (!filtre.contains(QLatin1Char('|')))
        return filtre;
    const QStringList morceaux = filtre.split(QLatin1Char('|'));
    QStringList choix;
    for (int i = 0; i + 1 < morceaux.size(); i += 2) {
        const QString texte = morceaux.at(i).trimmed();
        QString motifs = morceaux.at(i + 1).trimmed();
        motifs.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt takes the patterns from the last parentheses of each choice.
        choix << (texte.endsWith(QLatin1Char(')')) && texte.contains(QLatin1Char('('))
                      ? texte
                      : texte + QStringLiteral(" (") + motifs + QLatin1Char(')'));
    }
    return choix.join(QStringLiteral(";;"));
}

ChoixFichierOuvrir DialoguesQt::FichierOuvrir(const QString& titre, const QString& dossier,
                                              const QString& filtre)
{
    // Qt's own dialog, so that the read-only box can be added to it.
    QFileDialog dialogue(parent_, titre, dossier, FiltreQt(filtre));
    dialogue.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    dialogue.setLabelText(QFileDialog::Accept, QStringLiteral("&Ouvrir"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    auto* lectureSeule = new QCheckBox(QStringLiteral("Ouvrir en &lecture seule"), &dialogue);
    if (auto* grille = qobject_cast<QGridLayout*>(dialogue.layout()))
        grille->addWidget(lectureSeule, grille->rowCount(), 0, 1, grille->columnCount());

    ChoixFichierOuvrir choix;
    if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()) {
        choix.chemin = dialogue.selectedFiles().constFirst();
        choix.lectureSeule = lectureSeule->isChecked();
    }
    return choix;
}

QString DialoguesQt::FichierEnregistrer(const QString& titre, const QString& dossier,
                                        const QString& nomPropose, const QString& filtre,
                                        const QString& extensionParDefaut)
{
    QFileDialog dialogue(parent_, titre, dossier, FiltreQt(filtre));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    // The save command asks its own "Remplacer fichier" question.
    dialogue.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialogue.setDefaultSuffix(extensionParDefaut);
    dialogue.setLabelText(QFileDialog::Accept, QStringLiteral("&Enregistrer"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (!nomPropose.isEmpty())
        dialogue.selectFile(nomPropose);
    if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty())
        return dialogue.selectedFiles().constFirst();
    return {};
}

ChoixFichierExporter DialoguesQt::FichierExporter(const QString& titre, const QString& dossier,
                                                  const QString& nomPropose, const QStringList& filtres,
                                                  int filtreInitial)
{
    QFileDialog dialogue(parent_, titre, dossier);
    dialogue.setNameFilters(filtres);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    // The export command adds the chosen type's extension to a name without one, then asks
    // its own "Remplacer fichier" question.
    dialogue.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialogue.setLabelText(QFileDialog::Accept, QStringLiteral("&Enregistrer"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (filtreInitial >= 0 && filtreInitial < filtres.size())
        dialogue.selectNameFilter(filtres.at(filtreInitial));
    if (!nomPropose.isEmpty())
        dialogue.selectFile(nomPropose);
    ChoixFichierExporter choix;
    if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()) {
        choix.chemin = dialogue.selectedFiles().constFirst();
        choix.filtre = std::max<int>(0, static_cast<int>(filtres.indexOf(dialogue.selectedNameFilter())));
    }
    return choix;
}

void DialoguesQt::Bip() { QApplication::beep(); }

bool DialoguesQt::DialogueImpression(QPrinter& imprimante)
{
    // Qt's own dialog offers printing to a PDF file, at the same page size and scale.
    QPrintDialog dialogue(&imprimante, parent_);
    dialogue.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialogue.exec() == QDialog::Accepted;
}

void DialoguesQt::ConfigurationImpression(QPrinter& imprimante)
{
    QPageSetupDialog dialogue(&imprimante, parent_);
    dialogue.exec();
}

bool DialoguesQt::ChoixCouleur(int& couleur, int& couche)
{
    couleur_->NbColonnes = 8;
    couleur_->NbRangees = 2;
    couleur_->CouleurChoisie = couleur;
    couleur_->CoucheChoisie = couche;
    if (!couleur_->Execute())
        return false;
    couleur = couleur_->CouleurChoisie;
    couche = couleur_->CoucheChoisie;
    return true;
}

bool DialoguesQt::ChoixVisible(TVisibilite& visibilite)
{
    return visible_->Execute(visibilite);
}

void DialoguesQt::AfficheFormeCanonique(const ContenuFormeCanonique& forme)
{
    fcanon_->AfficheFormeCanonique(forme);
}

} // namespace velk
