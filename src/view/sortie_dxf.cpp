// DXF text of the drawing, written through dxflib.
#include "view/sortie_dxf.h"

#include "geometry/conventions.h"
#include "store/module_donnee.h"
#include "view/couleurs_aci.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

namespace velk {

namespace {

// dxflib writes only through a DL_WriterA, which opens a file of its own and writes reals
// with a fixed 16 decimals (too few below 1 to read back the same value, and a locale's
// decimal comma slips through). Every output call is taken over here to collect the text
// in memory; the base's file name is empty, so it never opens anything.
class EcrivainTexte : public DL_WriterA {
  public:
    EcrivainTexte() : DL_WriterA("", DL_VERSION_R12) {}

    std::string& Texte() { return texte_; }

    void dxfReal(int code, double valeur) const override {
        char nombre[400];
        // Fixed notation for ordinary magnitudes, which every reader takes; the shortest form
        // that reads back exactly in both cases.
        const double a = std::fabs(valeur);
        const auto format = (a == 0 || (a >= 1e-6 && a < 1e17)) ? std::chars_format::fixed
                                                                : std::chars_format::scientific;
        const auto fin = std::to_chars(nombre, nombre + sizeof nombre, valeur, format).ptr;
        Ligne(code, std::string_view(nombre, static_cast<size_t>(fin - nombre)));
    }
    void dxfInt(int code, int valeur) const override { Ligne(code, std::to_string(valeur)); }
    void dxfHex(int code, int valeur) const override {
        char nombre[16];
        const auto fin =
            std::to_chars(nombre, nombre + sizeof nombre, static_cast<unsigned>(valeur), 16).ptr;
        std::string texte(nombre, fin);
        for (char& c : texte)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        Ligne(code, texte);
    }
    void dxfString(int code, const char* valeur) const override {
        Ligne(code, valeur ? valeur : "");
    }
    void dxfString(int code, const std::string& valeur) const override { Ligne(code, valeur); }

  private:
    // A group: its code right-aligned on three columns, then its value, one line each.
    void Ligne(int code, std::string_view valeur) const {
        if (code >= 0 && code < 10)
            texte_ += "  ";
        else if (code >= 10 && code < 100)
            texte_ += ' ';
        texte_ += std::to_string(code);
        texte_ += '\n';
        texte_ += valeur;
        texte_ += '\n';
    }

    mutable std::string texte_;
};

bool Finis(std::initializer_list<Reel> valeurs) {
    for (Reel v : valeurs)
        if (!std::isfinite(static_cast<double>(v))) return false;
    return true;
}

// Degrees in [0, 360) of an angle in radians.
double Degres(Reel radians) {
    Reel d = std::fmod(radians * 180 / Pi, Reel(360));
    if (d < 0) d += 360;
    const double r = static_cast<double>(d);
    return r >= 360 ? 0 : r;
}

DL_Attributes Attributs(int32_t couleur, int32_t couche) {
    return DL_Attributes(NomCoucheDxf(couche), AciElement(couleur), 0, "CONTINUOUS", 1.0);
}

bool EstSegment(const TRecLigne& l) {
    return l.Xdd != 0 || l.Ydd != 0 || l.Xfd != 0 || l.Yfd != 0;
}

bool EstArc(const TRecCercle& c) {
    return c.Xdc != 0 || c.Ydc != 0 || c.Adc != 0 || c.Xfc != 0 || c.Yfc != 0 || c.Afc != 0;
}

// The entities of the visible elements, and the layers they use.
class Entites {
  public:
    Entites(DL_Dxf& dxf, EcrivainTexte& sortie, const TVisibilite& visibilite, const TVue& vue)
        : dxf_(dxf), sortie_(sortie), visibilite_(visibilite), rectangle_(RectangleVue(vue)) {}

    const std::set<int32_t>& Couches() const { return couches_; }

    void Point(const TRecPoint& p) {
        if (!visibilite_.PointsVisibles() || !visibilite_.Visible(p.Couleur, p.Couche) ||
            !Finis({p.X, p.Y}))
            return;
        dxf_.writePoint(sortie_, DL_PointData(double(p.X), double(p.Y), 0),
                        Attributs(p.Couleur, p.Couche));
        couches_.insert(p.Couche);
    }

    void Ligne(const TRecLigne& l) {
        if (!visibilite_.LignesVisibles() || !visibilite_.Visible(l.Couleur, l.Couche)) return;
        std::array<PointMonde, 2> bouts;
        if (EstSegment(l)) {
            bouts = {PointMonde{l.Xdd, l.Ydd}, PointMonde{l.Xfd, l.Yfd}};
        } else {
            const auto coupe = LigneDansRectangle(l.Xpd, l.Ypd, l.Aod, rectangle_);
            if (!coupe) return;
            bouts = *coupe;
        }
        if (!Finis({bouts[0].X, bouts[0].Y, bouts[1].X, bouts[1].Y})) return;
        dxf_.writeLine(sortie_,
                       DL_LineData(double(bouts[0].X), double(bouts[0].Y), 0, double(bouts[1].X),
                                   double(bouts[1].Y), 0),
                       Attributs(l.Couleur, l.Couche));
        couches_.insert(l.Couche);
    }

    void Cercle(const TRecCercle& c) {
        if (!visibilite_.CerclesVisibles() || !visibilite_.Visible(c.Couleur, c.Couche) ||
            !Finis({c.Xc, c.Yc, c.Rc, c.Adc, c.Afc}))
            return;
        // A negative radius draws the same circle; its arc is the one diametrically opposite.
        const double rayon = std::fabs(double(c.Rc));
        const Reel demiTour = c.Rc < 0 ? Pi : 0;
        const double debut = Degres(c.Adc + demiTour), fin = Degres(c.Afc + demiTour);
        // Ends a rounding apart (a turn added to one of them) make no arc but the circle.
        const double ecart = std::fabs(debut - fin);
        if (EstArc(c) && std::min(ecart, 360 - ecart) > 1e-9)
            dxf_.writeArc(sortie_, DL_ArcData(double(c.Xc), double(c.Yc), 0, rayon, debut, fin),
                          Attributs(c.Couleur, c.Couche));
        else
            dxf_.writeCircle(sortie_, DL_CircleData(double(c.Xc), double(c.Yc), 0, rayon),
                             Attributs(c.Couleur, c.Couche));
        couches_.insert(c.Couche);
    }

  private:
    DL_Dxf& dxf_;
    EcrivainTexte& sortie_;
    const TVisibilite& visibilite_;
    RectangleMonde rectangle_;
    std::set<int32_t> couches_;
};

void EcritTables(DL_Dxf& dxf, EcrivainTexte& sortie, const std::set<int32_t>& couches) {
    sortie.sectionTables();
    sortie.tableLinetypes(1);
    dxf.writeLinetype(sortie, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    sortie.tableEnd();
    // Layer "0" exists in every drawing; the element layers follow in increasing number.
    sortie.tableLayers(static_cast<int>(couches.size()) + 1);
    dxf.writeLayer(sortie, DL_LayerData("0", 0), DL_Attributes("", 7, 0, "CONTINUOUS", 1.0));
    for (int32_t couche : couches)
        dxf.writeLayer(sortie, DL_LayerData(NomCoucheDxf(couche), 0),
                       DL_Attributes("", 7, 0, "CONTINUOUS", 1.0));
    sortie.tableEnd();
    sortie.sectionEnd();
}

} // namespace

RectangleMonde RectangleVue(const TVue& vue) {
    return RectangleMonde{XReel(vue, 0), YReel(vue, vue.Hauteur), XReel(vue, vue.Largeur),
                          YReel(vue, 0)};
}

std::optional<std::array<PointMonde, 2>> LigneDansRectangle(Reel xpd, Reel ypd, Reel aod,
                                                            const RectangleMonde& r) {
    if (!Finis({xpd, ypd, aod, r.Xmin, r.Ymin, r.Xmax, r.Ymax})) return std::nullopt;
    // The angles come from 64-bit table fields, whose nearest value to a right angle is
    // off by up to 4.4E-16: a component that small is that rounding, not a slope, and an
    // axis line stays exactly on its coordinate.
    Reel dx = std::cos(aod), dy = std::sin(aod);
    constexpr Reel ArrondiAngle = 1e-15L;
    if (std::fabs(dx) < ArrondiAngle)
        dx = 0, dy = dy > 0 ? 1 : -1;
    else if (std::fabs(dy) < ArrondiAngle)
        dy = 0, dx = dx > 0 ? 1 : -1;
    // Parameters t of the points (xpd, ypd) + t (dx, dy) inside, one slab per axis.
    Reel t0 = -INFINITY, t1 = INFINITY;
    const auto tranche = [&](Reel origine, Reel d, Reel bas, Reel haut) {
        if (d == 0) return origine >= bas && origine <= haut;
        Reel ta = (bas - origine) / d, tb = (haut - origine) / d;
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        return true;
    };
    if (!tranche(xpd, dx, r.Xmin, r.Xmax) || !tranche(ypd, dy, r.Ymin, r.Ymax) || !(t0 < t1))
        return std::nullopt;
    const auto point = [&](Reel t) {
        // The coordinate along a slab's border is the border itself, not a rounded product.
        PointMonde p{xpd + t * dx, ypd + t * dy};
        if (dx == 0) p.X = xpd;
        if (dy == 0) p.Y = ypd;
        return p;
    };
    const PointMonde p0 = point(t0), p1 = point(t1);
    // Through a corner the two ends differ by a rounding only: no length in the file.
    if (double(p0.X) == double(p1.X) && double(p0.Y) == double(p1.Y)) return std::nullopt;
    return std::array<PointMonde, 2>{p0, p1};
}

std::string NomCoucheDxf(int32_t couche) {
    return "Couche " + std::to_string(couche);
}

std::string TexteDxf(TModuleDonnee& donnees, const TVisibilite& visibilite, const TVue& vue) {
    DL_Dxf dxf;
    // The release the entities are written for is set only by opening a file through the
    // library; with an empty name nothing opens and only the release is kept.
    delete dxf.out("", DL_VERSION_R12);
    // The entities are written first, since the layer table must list the layers they use;
    // the header and tables are then put in front of them.
    EcrivainTexte entites;
    // About 80 characters an entity: growing a text of many megabytes by doubling would copy
    // it over and over.
    entites.Texte().reserve(
        size_t(donnees.NombrePoints() + donnees.NombreLignes() + donnees.NombreCercles()) * 80 +
        64);
    entites.sectionEntities();
    Entites e(dxf, entites, visibilite, vue);
    TRecPoint p;
    for (bool ok = donnees.PremierPoint(p); ok; ok = donnees.PointSuivant(p))
        e.Point(p);
    TRecLigne l;
    for (bool ok = donnees.PremiereLigne(l); ok; ok = donnees.LigneSuivante(l))
        e.Ligne(l);
    TRecCercle c;
    for (bool ok = donnees.PremierCercle(c); ok; ok = donnees.CercleSuivant(c))
        e.Cercle(c);
    entites.sectionEnd();
    entites.dxfEOF();

    EcrivainTexte tete;
    dxf.writeHeader(tete);
    tete.sectionEnd();
    EcritTables(dxf, tete, e.Couches());
    std::string texte;
    texte.reserve(tete.Texte().size() + entites.Texte().size());
    texte += tete.Texte();
    texte += entites.Texte();
    return texte;
}

} // namespace velk
