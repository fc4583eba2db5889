// The printed page of velk-run, in the drawing module: a PDF page laid out as a printer's,
// with the print view fitted to its printable area, drawn by the main window's printing
// function.
#include "cli/impression_run.h"

#include "language/observateurs_simples.h"
#include "store/module_donnee.h"
#include "view/imprime_dessin.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <optional>

namespace {

// A printer's resolution: the print view's pixels are these device pixels.
constexpr int PointsParPouce = 1200;

} // namespace

// The module's entry point for --imprime, looked up by name (see ImprimePage).
extern "C" __attribute__((visibility("default"))) bool VelkImprimePage(
    const velk::DemandeImpression& demande, velk::TModuleDonnee& tables, std::string& erreur)
{
    using namespace velk;
    const QString chemin = QString::fromStdString(demande.fichier);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) {
        erreur = "Impossible de créer le fichier « " + demande.fichier + " » : "
                 + fichier.errorString().toStdString() + ".";
        return false;
    }
    std::string raison;
    {
        QPdfWriter pdf(&fichier);
        pdf.setResolution(PointsParPouce);
        pdf.setCreator(QStringLiteral("Velk"));
        pdf.setTitle(QString::fromStdString(demande.titre));
        const QPageSize papier(QSizeF(demande.papier.largeurMM, demande.papier.hauteurMM),
                               QPageSize::Millimeter, QString::fromLatin1(demande.papier.nom));
        const double m = MargeImpressionPoints;
        pdf.setPageLayout(QPageLayout(papier, demande.paysage ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(m, m, m, m), QPageLayout::Point));
        const TPage page = PageAppareil(pdf);
        const std::optional<TVue> vue =
            demande.parCadre ? CadreImpression(page, demande.xmin, demande.ymin, demande.xmax, demande.ymax)
                             : EchelleImpressionCentree(page, demande.x, demande.y, demande.echelle);
        raison = DefautPage(page);
        if (raison.empty() && !vue)
            raison = "la zone ou l'échelle ne donne aucune vue imprimable.";
        if (raison.empty()) {
            const TVisibilite visibilite;
            OccupeMuet occupe;
            raison = ImprimeDessin(pdf, *vue, tables, visibilite, occupe);
        }
    }
    if (!raison.empty()) {
        fichier.cancelWriting();
        erreur = "Impression impossible : " + raison;
        return false;
    }
    if (!fichier.commit()) {
        erreur = "Impossible d'écrire le fichier « " + demande.fichier + " » : "
                 + fichier.errorString().toStdString() + ".";
        return false;
    }
    return true;
}
