// One page of the drawing on a printer or a PDF writer.
#include "view/imprime_dessin.h"

#include "language/interfaces.h"
#include "view/dessine.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace velk {

namespace {

// The device's own millimetres, refined from its resolution when both agree to within one
// millimetre (devices report whole millimetres).
Reel Millimetres(int pixels, int millimetres, int pointsParPouce)
{
    if (millimetres <= 0 || pointsParPouce <= 0)
        return millimetres > 0 ? millimetres : 0;
    const Reel fin = pixels * 25.4L / pointsParPouce;
    return std::fabs(fin - millimetres) <= 1 ? fin : Reel(millimetres);
}

// Keeps the busy indicator on for the life of one print, whatever way it ends.
class Occupe {
public:
    explicit Occupe(IndicateurOccupe& indicateur) : indicateur_(indicateur) { indicateur_.Debut(); }
    ~Occupe() { indicateur_.Fin(); }
    Occupe(const Occupe&) = delete;
    Occupe& operator=(const Occupe&) = delete;

private:
    IndicateurOccupe& indicateur_;
};

} // namespace

TPage PageAppareil(const QPaintDevice& appareil)
{
    TPage page;
    page.Largeur = appareil.width();
    page.Hauteur = appareil.height();
    page.LargeurMM = Millimetres(appareil.width(), appareil.widthMM(), appareil.physicalDpiX());
    page.HauteurMM = Millimetres(appareil.height(), appareil.heightMM(), appareil.physicalDpiY());
    return page;
}

std::string ImprimeDessin(QPaintDevice& appareil, const TVue& vueImpression, TModuleDonnee& donnees,
                          const TVisibilite& visibilite, IndicateurOccupe& occupe)
{
    const std::string defaut = DefautPage(PageAppareil(appareil));
    if (!defaut.empty())
        return defaut;
    if (!(vueImpression.Echelle > 0) || !std::isfinite(vueImpression.Echelle))
        return "l'échelle d'impression n'est pas utilisable.";
    Occupe sablier(occupe);
    QPainter painter;
    if (!painter.begin(&appareil))
        return "le document ne peut pas être commencé (imprimante indisponible ou fichier impossible "
               "à écrire).";
    painter.setClipRect(QRect(0, 0, vueImpression.Largeur, vueImpression.Hauteur));
    DessineTout(donnees, painter, vueImpression, visibilite, Support::Imprimante);
    if (!painter.end())
        return "le document n'a pas pu être terminé.";
    return {};
}

} // namespace velk
