// Element painters: crosses for points, clipped strokes for lines, outlines for circles.
#include "view/dessine.h"

#include "store/module_donnee.h"
#include "geometry/conventions.h"
#include "view/decoupe_ligne.h"
#include "view/trace_image.h"

#include <QPainter>
#include <QPaintEngine>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>

namespace velk {

namespace {

// Circles larger than this (in pixels), or centred this far away, are drawn as a polyline
// of their visible arc: a painter's four-curve approximation strays by 2.7E-4 of the
// radius, and its fixed-point coordinates overflow far away. Direct pixel writing has no
// such error, but its cost grows with the radius.
constexpr Reel RayonCourbeMax = 1000;
// On a printer a device pixel is a fiftieth of a millimetre or less: curves and chords may
// stray by one of them, which keeps the page small and quick to print.
constexpr Reel RayonCourbeMaxImprimante = 3700;
constexpr Reel RayonPixelsMax = 4096;
constexpr Reel CentreCourbeMax = 1000000;
constexpr int DemiTailleImprimante = 10;

} // namespace

QColor CouleurQt(int32_t couleur)
{
    const CouleurRVB c = Palette()[static_cast<size_t>(std::clamp(couleur, 0, NombreCouleurs - 1))];
    return QColor(c.Rouge, c.Vert, c.Bleu);
}

namespace {

// The palette as pixel values, for direct writing: colours change at nearly every element.
QRgb PixelCouleur(int32_t couleur)
{
    static const std::array<QRgb, NombreCouleurs> pixels = [] {
        std::array<QRgb, NombreCouleurs> p{};
        for (int i = 0; i < NombreCouleurs; ++i)
            p[static_cast<size_t>(i)] = CouleurQt(i).rgb();
        return p;
    }();
    return pixels[static_cast<size_t>(std::clamp(couleur, 0, NombreCouleurs - 1))];
}

} // namespace

Peintre::Peintre(QPainter& painter, const TVue& vue, const TVisibilite& visibilite, Support support)
    : painter_(painter), vue_(vue), visibilite_(visibilite), demiTaille_(support == Support::Imprimante ? DemiTailleImprimante : 3)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setBrush(Qt::NoBrush);
    QPaintDevice* appareil = painter_.device();
    if (appareil != nullptr && appareil->devType() == QInternal::Image && !painter_.hasClipping()
        && painter_.worldTransform().isIdentity() && painter_.paintEngine() != nullptr
        && painter_.paintEngine()->type() == QPaintEngine::Raster) {
        QImage* image = static_cast<QImage*>(appareil);
        if (TraceImage::Accepte(*image))
            trace_ = std::make_unique<TraceImage>(*image);
    }
    if (!trace_)
        traits_.reserve(1024);
}

Peintre::~Peintre()
{
    Termine();
    painter_.restore();
}

void Peintre::Termine()
{
    EnvoieTraits();
    if (trace_)
        trace_->Vide();
}

void Peintre::EnvoieTraits()
{
    if (!traits_.empty()) {
        painter_.drawLines(traits_.data(), static_cast<int>(traits_.size()));
        traits_.clear();
    }
}

void Peintre::ChoisitCouleur(int32_t couleur)
{
    if (couleur == couleur_)
        return;
    EnvoieTraits();
    couleur_ = couleur;
    if (trace_) {
        trace_->SetCouleur(PixelCouleur(couleur));
        return;
    }
    QPen pen(CouleurQt(couleur));
    pen.setWidth(1);
    painter_.setPen(pen);
}

void Peintre::Trait(int x0, int y0, int x1, int y1, bool dernier)
{
    // A painter always covers both ends; on vector devices and printers the missing end
    // pixel is below what can be seen, so only direct strokes leave it out.
    if (trace_)
        trace_->Ligne(x0, y0, x1, y1, dernier);
    else
        traits_.emplace_back(x0, y0, x1, y1);
}

void Peintre::DessinePoint(const TRecPoint& p)
{
    if (!visibilite_.PointsVisibles() || !visibilite_.Visible(p.Couleur, p.Couche))
        return;
    if (!std::isfinite(p.X) || !std::isfinite(p.Y))
        return;
    const int64_t px = XEcran(vue_, p.X);
    const int64_t py = YEcran(vue_, p.Y);
    const int s = demiTaille_;
    if (px + s < 0 || py + s < 0 || px - s > vue_.Largeur || py - s > vue_.Hauteur)
        return;
    ChoisitCouleur(p.Couleur);
    // Two diagonals of 2s-1 pixels each, crossing at the point (the painter draws both
    // end pixels of a stroke).
    const int x = static_cast<int>(px), y = static_cast<int>(py);
    Trait(x - s + 1, y - s + 1, x + s - 1, y + s - 1);
    Trait(x + s - 1, y - s + 1, x - s + 1, y + s - 1);
}

void Peintre::DessineLigne(const TRecLigne& l)
{
    if (!visibilite_.LignesVisibles() || !visibilite_.Visible(l.Couleur, l.Couche))
        return;
    const CoupureLigne c = tangentes_ ? CoupeLigne(vue_, l.Xpd, l.Ypd, l.Aod, tangentes_->Pour(l.Numero, l.Aod))
                                      : CoupeLigne(vue_, l.Xpd, l.Ypd, l.Aod);
    // Two equal crossings (through a corner) make an empty stroke.
    if (c.Nombre < 2 || c.Points[0] == c.Points[1])
        return;
    ChoisitCouleur(l.Couleur);
    // The stroke runs from the first crossing up to, not including, the second: it matters
    // only when the second lies on the left column, the one border that is on the image.
    Trait(static_cast<int>(c.Points[0].X), static_cast<int>(c.Points[0].Y), static_cast<int>(c.Points[1].X),
          static_cast<int>(c.Points[1].Y), false);
}

void Peintre::DessineCercle(const TRecCercle& c)
{
    if (!visibilite_.CerclesVisibles() || !visibilite_.Visible(c.Couleur, c.Couche))
        return;
    if (!std::isfinite(c.Xc) || !std::isfinite(c.Yc) || !std::isfinite(c.Rc))
        return;
    // Real pixel position and radius, for culling and for large circles.
    const Reel cx = (c.Xc - vue_.OrigineX) * vue_.Echelle;
    const Reel hauteurCentre = (c.Yc - vue_.OrigineY) * vue_.Echelle;
    const Reel cy = vue_.Hauteur - hauteurCentre;
    const Reel r = std::fabs(c.Rc * vue_.Echelle);
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r))
        return;
    const Reel W = vue_.Largeur, H = vue_.Hauteur;
    // Wholly beside the surface.
    if (cx + r < -2 || cy + r < -2 || cx - r > W + 2 || cy - r > H + 2)
        return;
    // The surface wholly inside the circle: its farthest corner is nearer than the outline.
    const Reel dx = std::max(std::fabs(cx), std::fabs(W - cx));
    const Reel dy = std::max(std::fabs(cy), std::fabs(H - cy));
    if (r > 2 && dx * dx + dy * dy < (r - 2) * (r - 2))
        return;
    ChoisitCouleur(c.Couleur);
    EnvoieTraits();
    const Reel rayonCourbeMax = demiTaille_ == DemiTailleImprimante ? RayonCourbeMaxImprimante : RayonCourbeMax;
    if (r > (trace_ ? RayonPixelsMax : rayonCourbeMax) || std::fabs(cx) > CentreCourbeMax
        || std::fabs(cy) > CentreCourbeMax) {
        CercleImmense(cx, cy, r);
        return;
    }
    // XEcran and YEcran of the centre, from the products already at hand.
    const int px = ArrondiEntier(cx);
    const int py = vue_.Hauteur - ArrondiEntier(hauteurCentre);
    const int rp = std::abs(ArrondiEntier(c.Rc * vue_.Echelle));
    if (trace_)
        trace_->Cercle(px, py, rp);
    else
        painter_.drawEllipse(QPoint(px, py), rp, rp);
}

void Peintre::CercleImmense(Reel cx, Reel cy, Reel r)
{
    // Only the arc near the surface is drawn: the points of the circle within D of the
    // surface's centre lie within +-phi of the direction from the circle's centre to it.
    const Reel mx = vue_.Largeur / 2.0L, my = vue_.Hauteur / 2.0L;
    const Reel D = std::sqrt(mx * mx + my * my) + 4;
    const Reel ex = mx - cx, ey = my - cy;
    const Reel d = std::sqrt(ex * ex + ey * ey);
    Reel phi = Pi;
    Reel theta0 = 0;
    if (d > 0) {
        theta0 = std::atan2(ey, ex);
        const Reel cosPhi = (r * r + d * d - D * D) / (2 * r * d);
        if (cosPhi > 1)
            return;
        if (cosPhi > -1)
            phi = std::acos(cosPhi);
    }
    // Chords short enough that they stray at most a tenth of a pixel from the arc (a whole
    // device pixel on a printer): a chord of angle a strays by about r a^2 / 8.
    const Reel ecart = demiTaille_ == DemiTailleImprimante ? 1 : 0.1L;
    const Reel pas = std::min<Reel>(std::sqrt(8 * ecart / r), 0.05L);
    const int n = static_cast<int>(std::ceil(2 * phi / pas)) + 1;
    polyligne_.clear();
    polyligne_.reserve(static_cast<size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const Reel a = theta0 - phi + (2 * phi * i) / n;
        polyligne_.emplace_back(static_cast<double>(cx + r * std::cos(a)),
                                static_cast<double>(cy + r * std::sin(a)));
    }
    if (trace_) {
        for (size_t i = 1; i < polyligne_.size(); ++i)
            trace_->Ligne(std::lround(polyligne_[i - 1].x()), std::lround(polyligne_[i - 1].y()),
                          std::lround(polyligne_[i].x()), std::lround(polyligne_[i].y()));
        return;
    }
    painter_.drawPolyline(polyligne_.data(), static_cast<int>(polyligne_.size()));
}

void DessinePoint(const TRecPoint& p, QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
                  Support support)
{
    Peintre(painter, vue, visibilite, support).DessinePoint(p);
}

void DessineLigne(const TRecLigne& l, QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
                  Support support)
{
    Peintre(painter, vue, visibilite, support).DessineLigne(l);
}

void DessineCercle(const TRecCercle& c, QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
                   Support support)
{
    Peintre(painter, vue, visibilite, support).DessineCercle(c);
}

void DessineTout(TModuleDonnee& donnees, QPainter& painter, const TVue& vue, const TVisibilite& visibilite,
                 Support support, MemoireTangentes* tangentes)
{
    Peintre peintre(painter, vue, visibilite, support);
    peintre.SetMemoireTangentes(tangentes);
    if (visibilite.PointsVisibles()) {
        TRecPoint p;
        for (bool ok = donnees.PremierPoint(p); ok; ok = donnees.PointSuivant(p))
            peintre.DessinePoint(p);
    }
    if (visibilite.LignesVisibles()) {
        TRecLigne l;
        for (bool ok = donnees.PremiereLigne(l); ok; ok = donnees.LigneSuivante(l))
            peintre.DessineLigne(l);
    }
    if (visibilite.CerclesVisibles()) {
        TRecCercle c;
        for (bool ok = donnees.PremierCercle(c); ok; ok = donnees.CercleSuivant(c))
            peintre.DessineCercle(c);
    }
    peintre.Termine();
}

} // namespace velk
