// TFAbout: the program frame (icon, name, version, platform line), the system, the user
// and organisation, and two gauges for memory and swap in use.
#include "shell/widgets/apropos.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace velk {

namespace {

QFrame* Cadre(QWidget* parent, QFrame::Shadow ombre)
{
    auto* cadre = new QFrame(parent);
    cadre->setFrameStyle(QFrame::Panel | ombre);
    return cadre;
}

QProgressBar* Jauge(QWidget* parent)
{
    auto* jauge = new QProgressBar(parent);
    jauge->setRange(0, 100);
    jauge->setTextVisible(true);
    jauge->setAlignment(Qt::AlignCenter);
    jauge->setFormat(QStringLiteral("%p %"));
    jauge->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid gray; background: white; text-align: center; }"
        "QProgressBar::chunk { background: #0000c0; }"));
    return jauge;
}

} // namespace

TFAbout::TFAbout(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    // The program frame keeps the size of the design.
    QFrame* logiciel = Cadre(this, QFrame::Raised);
    logiciel->setFixedSize(265, 152);
    icone_ = new QLabel(logiciel);
    icone_->setGeometry(40, 40, 32, 32);
    titreProgramme_ = new QLabel(logiciel);
    QFont gras = titreProgramme_->font();
    gras.setBold(true);
    gras.setPixelSize(20);
    titreProgramme_->setFont(gras);
    titreProgramme_->setAlignment(Qt::AlignCenter);
    titreProgramme_->setGeometry(80, 30, 180, 28);
    titreVersion_ = new QLabel(logiciel);
    QFont version = titreVersion_->font();
    version.setPixelSize(17);
    titreVersion_->setFont(version);
    titreVersion_->setAlignment(Qt::AlignCenter);
    titreVersion_->setGeometry(80, 62, 180, 24);
    titreLogiciel_ = new QLabel(QStringLiteral("Logiciel 64 bits pour Linux"), logiciel);
    titreLogiciel_->setAlignment(Qt::AlignCenter);
    titreLogiciel_->setGeometry(4, 112, 257, 24);

    QFrame* bevel2 = Cadre(this, QFrame::Sunken);
    auto* grilleOs = new QVBoxLayout(bevel2);
    grilleOs->addWidget(new QLabel(QStringLiteral("Système d'exploitation"), bevel2));
    os_ = new QLabel(bevel2);
    os_->setWordWrap(true);
    grilleOs->addWidget(os_);

    QFrame* bevel1 = Cadre(this, QFrame::Sunken);
    auto* grilleUtilisateur = new QGridLayout(bevel1);
    utilisateur_ = new QLabel(bevel1);
    societe_ = new QLabel(bevel1);
    grilleUtilisateur->addWidget(new QLabel(QStringLiteral("Utilisateur :"), bevel1), 0, 0);
    grilleUtilisateur->addWidget(utilisateur_, 0, 1);
    grilleUtilisateur->addWidget(new QLabel(QStringLiteral("Société     :"), bevel1), 1, 0);
    grilleUtilisateur->addWidget(societe_, 1, 1);
    grilleUtilisateur->setColumnStretch(1, 1);

    QFrame* bevel3 = Cadre(this, QFrame::Sunken);
    auto* grilleMemoire = new QGridLayout(bevel3);
    grilleMemoire->addWidget(new QLabel(QStringLiteral("Utilisation :"), bevel3), 0, 0, 1, 3);
    mem_ = new QLabel(bevel3);
    swap_ = new QLabel(bevel3);
    mem_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    swap_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gaugeMem_ = Jauge(bevel3);
    gaugeSwap_ = Jauge(bevel3);
    grilleMemoire->addWidget(new QLabel(QStringLiteral("Mémoire vive         :"), bevel3), 1, 0);
    grilleMemoire->addWidget(mem_, 1, 1);
    grilleMemoire->addWidget(gaugeMem_, 1, 2);
    grilleMemoire->addWidget(new QLabel(QStringLiteral("Fichier d'échange :"), bevel3), 2, 0);
    grilleMemoire->addWidget(swap_, 2, 1);
    grilleMemoire->addWidget(gaugeSwap_, 2, 2);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(16, 15, 16, 12);
    colonne->addWidget(logiciel, 0, Qt::AlignHCenter);
    colonne->addWidget(bevel2);
    colonne->addWidget(bevel1);
    colonne->addWidget(bevel3);
    colonne->addWidget(ok, 0, Qt::AlignHCenter);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
}

void TFAbout::Remplit(const InfosSysteme& infos)
{
    setWindowTitle(QStringLiteral(" A propos de ") + infos.titre);
    titreProgramme_->setText(infos.titre);
    icone_->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    titreVersion_->setText(QStringLiteral("Version ") + VersionLogiciel);
    utilisateur_->setText(infos.utilisateur);
    societe_->setText(infos.societe);
    os_->setText(infos.os);
    mem_->setText(TailleMo(infos.memoire.totalPhysique));
    swap_->setText(TailleMo(infos.memoire.totalEchange));
    gaugeMem_->setValue(ChargeMemoire(infos.memoire));
    gaugeSwap_->setValue(ChargeEchange(infos.memoire));
}

void TFAbout::showEvent(QShowEvent* evenement)
{
    const QString titre =
        TitreApplication.isEmpty() ? QApplication::applicationDisplayName() : TitreApplication;
    Remplit(InfosDuSysteme(titre));
    QDialog::showEvent(evenement);
}

} // namespace velk
