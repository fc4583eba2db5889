// PNG, SVG and PDF output of velk-run.
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

constexpr int CoteMax = 20000;
constexpr long long PixelsMax = 64LL * 1000 * 1000;

bool LitEntier(const std::string& texte, int& valeur)
{
    if (texte.empty() || texte.size() > 6)
        return false;
    int v = 0;
    for (char c : texte) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    valeur = v;
    return true;
}

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

bool LitTailleImage(const std::string& texte, int& largeur, int& hauteur, std::string& erreur)
{
    const auto x = texte.find_first_of("xX");
    int l = 0, h = 0;
    if (x == std::string::npos || !LitEntier(texte.substr(0, x), l) || !LitEntier(texte.substr(x + 1), h)) {
        erreur = "Taille d'image invalide : « " + texte + " » (attendu LARGEURxHAUTEUR, par exemple 800x600).";
        return false;
    }
    if (l < 1 || h < 1 || l > CoteMax || h > CoteMax || static_cast<long long>(l) * h > PixelsMax) {
        erreur = "Taille d'image hors limites : « " + texte + " » (de 1 à 20000 pixels par côté, "
                 "64 millions de pixels au plus).";
        return false;
    }
    largeur = l;
    hauteur = h;
    return true;
}

bool VerifieOptionsImage(const OptionsRun& options, std::string& erreur)
{
    int l = 0, h = 0;
    return LitTailleImage(options.tailleImage, l, h, erreur);
}

bool EcritImages(const OptionsRun& options, TModuleDonnee& tables, std::string& erreur)
{
    if (options.png.empty() && options.svg.empty() && options.pdf.empty())
        return true;
    int largeur = 0, hauteur = 0;
    if (!LitTailleImage(options.tailleImage, largeur, hauteur, erreur))
        return false;
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

} // namespace velk
