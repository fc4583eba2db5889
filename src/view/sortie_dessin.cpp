// Drawing files: the images through the element painters, the DXF text through dxflib,
// each written to a temporary file that takes the final name only once complete.
#include "view/sortie_dessin.h"

#include "view/dessine.h"
#include "view/sortie_dxf.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#ifdef VELK_AVEC_SVG
#include <QSvgGenerator>
#endif

#include <functional>

namespace velk {

namespace {

std::string Nom(const QString& chemin) {
    return chemin.toStdString();
}

// Why the temporary file could not be made: the folder's state in French where it explains
// the failure, else the system's words.
std::string RaisonCreation(const QString& chemin, const QSaveFile& fichier) {
    const QFileInfo dossier(QFileInfo(chemin).absolutePath());
    if (!dossier.exists()) return "le dossier « " + Nom(dossier.filePath()) + " » n'existe pas";
    if (!dossier.isDir()) return "« " + Nom(dossier.filePath()) + " » n'est pas un dossier";
    if (!dossier.isWritable())
        return "le dossier « " + Nom(dossier.filePath()) + " » est protégé en écriture";
    return fichier.errorString().toStdString();
}

// Opens a temporary file beside chemin, lets ecrit fill it and gives it the final name.
// ecrit returns false when what it wrote is incomplete.
std::string EcritSur(const QString& chemin, const std::function<bool(QSaveFile&)>& ecrit) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return "Impossible de créer le fichier « " + Nom(chemin) +
               " » : " + RaisonCreation(chemin, fichier) + ".";
    if (!ecrit(fichier) || !fichier.commit()) {
        const QString raison = fichier.errorString();
        fichier.cancelWriting();
        return "Impossible d'écrire le fichier « " + Nom(chemin) + " »" +
               (raison.isEmpty() ? std::string() : " : " + raison.toStdString()) + ".";
    }
    return {};
}

// Vector strokes are centred on the pixel centres, so that a 1-unit stroke covers the same
// pixel row or column as on the image.
void PeintVecteurs(QPaintDevice& support, const TVue& vue, TModuleDonnee& donnees,
                   const TVisibilite& visibilite) {
    QPainter painter(&support);
    painter.fillRect(QRect(0, 0, vue.Largeur, vue.Hauteur), Qt::white);
    painter.setClipRect(QRect(0, 0, vue.Largeur, vue.Hauteur));
    painter.translate(0.5, 0.5);
    DessineTout(donnees, painter, vue, visibilite);
}

std::string EcritPng(const QString& chemin, const TVue& vue, TModuleDonnee& donnees,
                     const TVisibilite& visibilite) {
    // The screen's own surface: a white 32-bit image the painters write pixels into.
    QImage image(vue.Largeur, vue.Hauteur, QImage::Format_RGB32);
    if (image.isNull())
        return "Mémoire insuffisante pour une image de " + std::to_string(vue.Largeur) + " x " +
               std::to_string(vue.Hauteur) + " pixels (« " + Nom(chemin) + " » non écrit).";
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DessineTout(donnees, painter, vue, visibilite);
    }
    return EcritSur(chemin, [&](QSaveFile& f) { return image.save(&f, "PNG"); });
}

std::string EcritSvg(const QString& chemin, const TVue& vue, TModuleDonnee& donnees,
                     const TVisibilite& visibilite) {
#ifndef VELK_AVEC_SVG
    (void)vue;
    (void)donnees;
    (void)visibilite;
    return "Sortie SVG indisponible dans cette version (« " + Nom(chemin) + " » non écrit).";
#else
    return EcritSur(chemin, [&](QSaveFile& f) {
        QSvgGenerator svg;
        svg.setOutputDevice(&f);
        svg.setSize(QSize(vue.Largeur, vue.Hauteur));
        svg.setViewBox(QRect(0, 0, vue.Largeur, vue.Hauteur));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Velk"));
        PeintVecteurs(svg, vue, donnees, visibilite);
        return true;
    });
#endif
}

std::string EcritPdf(const QString& chemin, const TVue& vue, TModuleDonnee& donnees,
                     const TVisibilite& visibilite) {
    return EcritSur(chemin, [&](QSaveFile& f) {
        // One point per pixel: the page has the size of the surface.
        QPdfWriter pdf(&f);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(vue.Largeur, vue.Hauteur), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("Velk"));
        PeintVecteurs(pdf, vue, donnees, visibilite);
        return true;
    });
}

std::string EcritDxf(const QString& chemin, const TVue& vue, TModuleDonnee& donnees,
                     const TVisibilite& visibilite) {
    const std::string texte = TexteDxf(donnees, visibilite, vue);
    return EcritSur(chemin, [&](QSaveFile& f) {
        return f.write(texte.data(), static_cast<qint64>(texte.size())) ==
               static_cast<qint64>(texte.size());
    });
}

} // namespace

QString ExtensionFormat(FormatDessin format) {
    switch (format) {
    case FormatDessin::Png:
        return QStringLiteral("png");
    case FormatDessin::Svg:
        return QStringLiteral("svg");
    case FormatDessin::Pdf:
        return QStringLiteral("pdf");
    case FormatDessin::Dxf:
        return QStringLiteral("dxf");
    }
    return {};
}

std::optional<FormatDessin> FormatDuNom(const QString& chemin) {
    const QString extension = QFileInfo(chemin).suffix().toLower();
    for (FormatDessin f :
         {FormatDessin::Png, FormatDessin::Svg, FormatDessin::Pdf, FormatDessin::Dxf})
        if (extension == ExtensionFormat(f)) return f;
    return std::nullopt;
}

std::string EcritDessin(FormatDessin format, const QString& chemin, const TVue& vue,
                        TModuleDonnee& donnees, const TVisibilite& visibilite) {
    if (vue.Largeur < 1 || vue.Hauteur < 1)
        return "La zone de dessin n'a pas de taille (« " + Nom(chemin) + " » non écrit).";
    switch (format) {
    case FormatDessin::Png:
        return EcritPng(chemin, vue, donnees, visibilite);
    case FormatDessin::Svg:
        return EcritSvg(chemin, vue, donnees, visibilite);
    case FormatDessin::Pdf:
        return EcritPdf(chemin, vue, donnees, visibilite);
    case FormatDessin::Dxf:
        return EcritDxf(chemin, vue, donnees, visibilite);
    }
    return {};
}

} // namespace velk
