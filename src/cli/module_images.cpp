// The drawing half of velk-run's image output, built as a module that velk-run loads only
// when an image is asked for: a plain run then starts without the graphics libraries.
#include "cli/image_output.h"

#include "store/module_donnee.h"
#include "view/dessine.h"
#include "view/etat_vue.h"
#include "view/surface_image.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#ifdef VELK_AVEC_SVG
#include <QSvgGenerator>
#endif

namespace velk {

namespace {

std::string Nom(const QString& chemin)
{
    return chemin.toStdString();
}

// Vector strokes are centred on the pixel centres, so that a 1-unit stroke covers the same
// pixel row or column as on the image.
void CentrePixels(QPainter& painter)
{
    painter.translate(0.5, 0.5);
}

bool Termine(QSaveFile& fichier, bool peint, std::string& erreur)
{
    if (!peint || !fichier.commit()) {
        fichier.cancelWriting();
        erreur = "Impossible d'écrire le fichier « " + Nom(fichier.fileName()) + " »"
                 + (fichier.errorString().isEmpty() ? "" : " : " + fichier.errorString().toStdString()) + ".";
        return false;
    }
    return true;
}

bool Ouvre(QSaveFile& fichier, std::string& erreur)
{
    if (fichier.open(QIODevice::WriteOnly))
        return true;
    erreur = "Impossible de créer le fichier « " + Nom(fichier.fileName()) + " » : "
             + fichier.errorString().toStdString() + ".";
    return false;
}

bool EcritPng(const QString& chemin, EtatVue& etat, TModuleDonnee& tables, const TVisibilite& visibilite,
              std::string& erreur)
{
    SurfaceImage surface(etat, visibilite);
    surface.Redessine(tables);
    QSaveFile fichier(chemin);
    if (!Ouvre(fichier, erreur))
        return false;
    return Termine(fichier, surface.Image().save(&fichier, "PNG"), erreur);
}

void PeintVecteurs(QPaintDevice& support, const TVue& vue, TModuleDonnee& tables, const TVisibilite& visibilite)
{
    QPainter painter(&support);
    painter.fillRect(QRect(0, 0, vue.Largeur, vue.Hauteur), Qt::white);
    painter.setClipRect(QRect(0, 0, vue.Largeur, vue.Hauteur));
    CentrePixels(painter);
    DessineTout(tables, painter, vue, visibilite);
}

bool EcritSvg(const QString& chemin, const TVue& vue, TModuleDonnee& tables, const TVisibilite& visibilite,
              std::string& erreur)
{
#ifndef VELK_AVEC_SVG
    (void)vue;
    (void)tables;
    (void)visibilite;
    erreur = "Sortie SVG indisponible dans cette version (« " + Nom(chemin) + " » non écrit).";
    return false;
#else
    QSaveFile fichier(chemin);
    if (!Ouvre(fichier, erreur))
        return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&fichier);
    svg.setSize(QSize(vue.Largeur, vue.Hauteur));
    svg.setViewBox(QRect(0, 0, vue.Largeur, vue.Hauteur));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Velk"));
    PeintVecteurs(svg, vue, tables, visibilite);
    return Termine(fichier, true, erreur);
#endif
}

bool EcritPdf(const QString& chemin, const TVue& vue, TModuleDonnee& tables, const TVisibilite& visibilite,
              std::string& erreur)
{
    QSaveFile fichier(chemin);
    if (!Ouvre(fichier, erreur))
        return false;
    {
        // One point per pixel: the page has the size of the surface.
        QPdfWriter pdf(&fichier);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(vue.Largeur, vue.Hauteur), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("Velk"));
        PeintVecteurs(pdf, vue, tables, visibilite);
    }
    return Termine(fichier, true, erreur);
}

} // namespace

} // namespace velk

// The module's entry point, looked up by name (see EcritImages); the size is already checked.
extern "C" __attribute__((visibility("default"))) bool VelkEcritImages(
    const velk::OptionsRun& options, int largeur, int hauteur, velk::TModuleDonnee& tables,
    std::string& erreur)
{
    using namespace velk;
    EtatVue etat;
    etat.SetTailleSurface(largeur, hauteur);
    etat.VueOrigine();
    if (options.cadrage)
        etat.Cadrage(tables);
    const TVisibilite visibilite;
    const TVue vue = etat.VueEcran();
    if (!options.png.empty() && !EcritPng(QString::fromStdString(options.png), etat, tables, visibilite, erreur))
        return false;
    if (!options.svg.empty() && !EcritSvg(QString::fromStdString(options.svg), vue, tables, visibilite, erreur))
        return false;
    if (!options.pdf.empty() && !EcritPdf(QString::fromStdString(options.pdf), vue, tables, visibilite, erreur))
        return false;
    return true;
}
