// Image-backed drawing surface.
#include "view/surface_image.h"

#include "store/module_donnee.h"
#include "view/dessine.h"

#include <QPainter>

namespace velk {

SurfaceImage::SurfaceImage(EtatVue& etat, const TVisibilite& visibilite)
    : etat_(etat), visibilite_(visibilite)
{
}

void SurfaceImage::EffaceDessin()
{
    attente_.clear();
    etat_.ReprendTailleSurface();
    const TVue& vue = etat_.VueEcran();
    image_ = QImage(vue.Largeur, vue.Hauteur, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

template <typename Element>
void SurfaceImage::Attend(const Element& element)
{
    attente_.emplace_back(element);
    // Painting in batches keeps a long run's memory bounded.
    if (attente_.size() >= TailleLot)
        PeintAttente();
}

void SurfaceImage::DessinePoint(const TRecPoint& p)
{
    Attend(p);
}

void SurfaceImage::DessineLigne(const TRecLigne& l)
{
    Attend(l);
}

void SurfaceImage::DessineCercle(const TRecCercle& c)
{
    Attend(c);
}

void SurfaceImage::PeintAttente()
{
    if (attente_.empty())
        return;
    if (image_.isNull()) {
        attente_.clear();
        return;
    }
    QPainter painter(&image_);
    Peintre peintre(painter, etat_.VueEcran(), visibilite_);
    peintre.SetMemoireTangentes(&tangentes_);
    for (const auto& element : attente_) {
        if (const auto* p = std::get_if<TRecPoint>(&element))
            peintre.DessinePoint(*p);
        else if (const auto* l = std::get_if<TRecLigne>(&element))
            peintre.DessineLigne(*l);
        else
            peintre.DessineCercle(std::get<TRecCercle>(element));
    }
    peintre.Termine();
    attente_.clear();
}

void SurfaceImage::Redessine(TModuleDonnee& donnees)
{
    EffaceDessin();
    if (image_.isNull())
        return;
    QPainter painter(&image_);
    DessineTout(donnees, painter, etat_.VueEcran(), visibilite_, Support::Ecran, &tangentes_);
}

const QImage& SurfaceImage::Image()
{
    PeintAttente();
    return image_;
}

} // namespace velk
