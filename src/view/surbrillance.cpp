// Highlight strokes for picked elements: a wider cross for a point, the line across the
// surface, the visible arc of a circle; and the rectangles to repaint around them.
#include "view/surbrillance.h"

#include "geometry/conventions.h"
#include "store/module_donnee.h"
#include "view/decoupe_ligne.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace velk {

namespace {

// Half the size of the highlighted cross; the drawn cross has 2.
constexpr double DemiCroix = 4;
// Pixels beyond the surface where strokes may still show.
constexpr long double Bord = 8;
// The longest side of a repaint rectangle before another one starts.
constexpr double CoteZone = 48;

// Pixel strokes run through pixel centres.
QPointF Centre(int64_t x, int64_t y)
{
    return QPointF(static_cast<double>(x) + 0.5, static_cast<double>(y) + 0.5);
}

void AjoutePoint(TSurbrillance& s, const TRecPoint& p, const TVue& vue)
{
    const int32_t x = XEcran(vue, p.X), y = YEcran(vue, p.Y);
    if (x < -Bord || y < -Bord || x > vue.Largeur + Bord || y > vue.Hauteur + Bord)
        return;
    const QPointF c = Centre(x, y);
    s.Traits.push_back(QPolygonF({c + QPointF(-DemiCroix, -DemiCroix), c + QPointF(DemiCroix, DemiCroix)}));
    s.Traits.push_back(QPolygonF({c + QPointF(DemiCroix, -DemiCroix), c + QPointF(-DemiCroix, DemiCroix)}));
}

void AjouteLigne(TSurbrillance& s, const TRecLigne& l, const TVue& vue)
{
    const CoupureLigne c = CoupeLigne(vue, l.Xpd, l.Ypd, l.Aod);
    if (c.Nombre < 2)
        return;
    s.Traits.push_back(QPolygonF({Centre(c.Points[0].X, c.Points[0].Y), Centre(c.Points[1].X, c.Points[1].Y)}));
}

// The part of the outline within reach of the surface, as chords that stray at most a
// tenth of a pixel from it.
void AjouteCercle(TSurbrillance& s, const TRecCercle& c, const TVue& vue)
{
    const Reel cx = (c.Xc - vue.OrigineX) * vue.Echelle + 0.5L;
    const Reel cy = vue.Hauteur - (c.Yc - vue.OrigineY) * vue.Echelle + 0.5L;
    const Reel r = std::fabs(c.Rc * vue.Echelle);
    const Reel mx = vue.Largeur / 2.0L, my = vue.Hauteur / 2.0L;
    const Reel portee = std::sqrt(mx * mx + my * my) + Bord;
    const Reel ex = mx - cx, ey = my - cy;
    const Reel d = std::sqrt(ex * ex + ey * ey);
    if (!std::isfinite(d) || !std::isfinite(r) || d > r + portee || r > d + portee)
        return;
    Reel phi = Pi, theta0 = 0;
    if (d > 0 && r > 0) {
        theta0 = std::atan2(ey, ex);
        const Reel cosPhi = (r * r + d * d - portee * portee) / (2 * r * d);
        if (cosPhi < 1 && cosPhi > -1)
            phi = std::acos(cosPhi);
    }
    const Reel pas = std::min<Reel>(std::sqrt(0.8L / std::max<Reel>(r, 0.5L)), 0.25L);
    const Reel morceaux = std::ceil(2 * phi / pas) + 1;
    const int n = morceaux < 20000 ? static_cast<int>(morceaux) : 20000;
    QPolygonF arc;
    arc.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        const Reel a = theta0 - phi + (2 * phi * i) / n;
        arc.append(QPointF(static_cast<double>(cx + r * std::cos(a)), static_cast<double>(cy + r * std::sin(a))));
    }
    s.Traits.push_back(std::move(arc));
}

} // namespace

std::vector<QRect> TSurbrillance::Zones() const
{
    std::vector<QRect> zones;
    const double m = EpaisseurSurbrillance / 2.0 + 2;
    for (const QPolygonF& trait : Traits) {
        if (trait.isEmpty())
            continue;
        double x0 = trait[0].x(), x1 = x0, y0 = trait[0].y(), y1 = y0;
        auto emet = [&] { zones.push_back(QRectF(QPointF(x0 - m, y0 - m), QPointF(x1 + m, y1 + m)).toAlignedRect()); };
        for (int i = 1; i < trait.size(); ++i) {
            const QPointF a = trait[i - 1], b = trait[i];
            const double longueur = std::hypot(b.x() - a.x(), b.y() - a.y());
            const int morceaux = std::max(1, static_cast<int>(std::ceil(longueur / CoteZone)));
            for (int k = 1; k <= morceaux; ++k) {
                const QPointF p = a + (b - a) * (static_cast<double>(k) / morceaux);
                x0 = std::min(x0, p.x());
                x1 = std::max(x1, p.x());
                y0 = std::min(y0, p.y());
                y1 = std::max(y1, p.y());
                if (x1 - x0 >= CoteZone || y1 - y0 >= CoteZone) {
                    emet();
                    x0 = x1 = p.x();
                    y0 = y1 = p.y();
                }
            }
        }
        emet();
    }
    return zones;
}

TSurbrillance TraceSurbrillance(const TElementsProches& proches, const TModuleDonnee& donnees, const TVue& vue,
                                const TVisibilite& visibilite)
{
    TSurbrillance s;
    auto numero = [](int32_t n) { return static_cast<uint16_t>(n); };
    auto existe = [](int32_t n, bool (TModuleDonnee::*existe)(uint16_t) const, const TModuleDonnee& d) {
        return n >= 0 && n < 65536 && (d.*existe)(static_cast<uint16_t>(n));
    };
    if (proches.PointTrouve == 1 && visibilite.PointsVisibles()
        && existe(proches.NumPoint, &TModuleDonnee::PointExiste, donnees)) {
        TRecPoint p;
        donnees.LitPoint(numero(proches.NumPoint), p);
        if (visibilite.Visible(p.Couleur, p.Couche))
            AjoutePoint(s, p, vue);
    }
    const int32_t lignes[] = {proches.NumLigne1, proches.NumLigne2};
    for (int i = 0; i < std::clamp(proches.NbLignes, 0, 2) && visibilite.LignesVisibles(); ++i) {
        if (!existe(lignes[i], &TModuleDonnee::LigneExiste, donnees))
            continue;
        TRecLigne l;
        donnees.LitLigne(numero(lignes[i]), l);
        if (visibilite.Visible(l.Couleur, l.Couche))
            AjouteLigne(s, l, vue);
    }
    const int32_t cercles[] = {proches.NumCercle1, proches.NumCercle2};
    for (int i = 0; i < std::clamp(proches.NbCercles, 0, 2) && visibilite.CerclesVisibles(); ++i) {
        if (!existe(cercles[i], &TModuleDonnee::CercleExiste, donnees))
            continue;
        TRecCercle c;
        donnees.LitCercle(numero(cercles[i]), c);
        if (visibilite.Visible(c.Couleur, c.Couche))
            AjouteCercle(s, c, vue);
    }
    return s;
}

QColor CouleurSurbrillance()
{
    return QColor(0, 160, 255, 150);
}

void PeintSurbrillance(QPainter& painter, const TSurbrillance& surbrillance)
{
    if (surbrillance.Vide())
        return;
    painter.save();
    // Without antialiasing: a wide translucent antialiased stroke across the surface costs
    // the raster engine milliseconds, too much for every mouse move.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(CouleurSurbrillance(), EpaisseurSurbrillance, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF& trait : surbrillance.Traits)
        painter.drawPolyline(trait);
    painter.restore();
}

} // namespace velk
