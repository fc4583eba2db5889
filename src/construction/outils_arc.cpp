// The arc tool: a circle of typed radius through or tangent to two elements. Its table
// takes the first two clicks (a point before a line before a circle), asks the radius at
// once, and then a "Position" click whose place, without picking, gives the choice
// letters that tell which of the possible circles is meant.
#include "construction/moteur_construction.h"

#include "construction/saisie_valeur.h"
#include "geometry/conventions.h"
#include "geometry/solvers.h"

namespace velk {

namespace {

using M = MoteurConstruction;

// Pick filters: {point, lines from, to, circles from, to}; -1 leaves it free.
constexpr M::FiltrePrise kUnPoint{1, 0, -1, 0, -1};
constexpr M::FiltrePrise kPasDePointDesLignes{0, 1, -1, 0, -1};
constexpr M::FiltrePrise kCerclesSeuls{0, 0, 0, 1, -1};
constexpr M::FiltrePrise kUneLigneOuPlus{-1, 1, -1, 0, -1};
constexpr M::FiltrePrise kSansLigneUnCercleOuPlus{-1, 0, 0, 1, -1};
constexpr M::FiltrePrise kPointSeul{1, 0, 0, 0, 0};
constexpr M::FiltrePrise kUnCercleOuPlus{-1, 0, -1, 1, -1};
constexpr M::FiltrePrise kSansCercle{-1, 0, -1, 0, 0};
constexpr M::FiltrePrise kSansPrise{-1, 0, -1, 0, -1};

TRecPoint Centre(const TRecCercle& c)
{
    TRecPoint p;
    p.X = c.Xc;
    p.Y = c.Yc;
    return p;
}

// Outside or inside tangency from where the click lies against a circle picked away from
// its centre: 'E' when the click is at least as far from the centre as from the place
// where the circle was picked.
char TangenceParPrise(const TRecPoint& clic, const TRecCercle& c, const TRecPoint& prise)
{
    return Distance(clic, Centre(c)) >= Distance(clic, prise) ? 'E' : 'I';
}

} // namespace

// Within a signature the first row whose filter accepts the pick applies; a row without a
// step beeps. The "Position" rows take the click without picking.
const M::Transition* MoteurConstruction::TransitionsArc(std::size_t& nombre)
{
    static const Transition kLignes[] = {
        {OutilArc, "C*", true, kUnPoint, &M::ArcPoint, "CP*", -1},
        {OutilArc, "C*", true, kPasDePointDesLignes, &M::ArcLigne, "CL*", 8},
        {OutilArc, "C*", true, kCerclesSeuls, &M::ArcCercle, "CC*", 4},
        {OutilArc, "CP*", true, kUnPoint, &M::ArcPointPoint, "CPP*", 16},
        {OutilArc, "CP*", true, kPasDePointDesLignes, &M::ArcPointLigne, "CPL*", 16},
        {OutilArc, "CP*", true, kCerclesSeuls, &M::ArcPointCercle, "CPC*", 16},
        {OutilArc, "CL*", true, kUneLigneOuPlus, &M::ArcLigneLigne, "CLL*", 16},
        {OutilArc, "CL*", true, kSansLigneUnCercleOuPlus, &M::ArcLigneCercle, "CLC*", 16},
        {OutilArc, "CL*", true, kPointSeul, nullptr, nullptr, -1},
        {OutilArc, "CC*", true, kUnCercleOuPlus, &M::ArcCercleCercle, "CCC*", 16},
        {OutilArc, "CC*", true, kSansCercle, nullptr, nullptr, -1},
        {OutilArc, "CPP*", false, kSansPrise, &M::PositionPointPoint, "CPPND", -1},
        {OutilArc, "CPL*", false, kSansPrise, &M::PositionPointLigne, "CPLND", -1},
        {OutilArc, "CPC*", false, kSansPrise, &M::PositionPointCercle, "CPCNDD", -1},
        {OutilArc, "CLL*", false, kSansPrise, &M::PositionLigneLigne, "CLLNDD", -1},
        {OutilArc, "CLC*", false, kSansPrise, &M::PositionLigneCercle, "CLCNDDD", -1},
        {OutilArc, "CCC*", false, kSansPrise, &M::PositionCercleCercle, "CCCNDDD", -1},
    };
    nombre = sizeof(kLignes) / sizeof(kLignes[0]);
    return kLignes;
}

// The radius dialog of the second step. The accepted text goes into the statement as
// typed; the dialog's positive check has already made it a finite number above 0, and the
// same conversion keeps its value for the two-circle case.
bool MoteurConstruction::DemandeRayonArc()
{
    const std::optional<QString> r = DemandeRayon();
    if (!r)
        return false;
    Ajoute(*r + QLatin1Char(','));
    rayonArc_ = 0;
    Reel valeur = 0;
    if (LitReel(*r, valeur))
        rayonArc_ = valeur;
    return true;
}

// ---- First click ----

bool MoteurConstruction::ArcPoint(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    Ajoute(QStringLiteral(","));
    SauvePoint(1, c.e.NumPoint);
    return true;
}

bool MoteurConstruction::ArcLigne(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(","));
    SauveLigne(c.e.NumLigne1);
    return true;
}

bool MoteurConstruction::ArcCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle1(c.e.NumCercle1);
    points_[0] = PointClic(c);
    return true;
}

// ---- Second click, then the radius ----

bool MoteurConstruction::ArcPointPoint(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    Ajoute(QStringLiteral(","));
    SauvePoint(2, c.e.NumPoint);
    return DemandeRayonArc();
}

bool MoteurConstruction::ArcPointLigne(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(","));
    SauveLigne(c.e.NumLigne1);
    return DemandeRayonArc();
}

bool MoteurConstruction::ArcPointCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle1(c.e.NumCercle1);
    points_[1] = PointClic(c);
    return DemandeRayonArc();
}

bool MoteurConstruction::ArcLigneLigne(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(","));
    SauveLigne2(c.e.NumLigne1);
    return DemandeRayonArc();
}

bool MoteurConstruction::ArcLigneCercle(const Clic& c)
{
    return ArcPointCercle(c);
}

bool MoteurConstruction::ArcCercleCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle2(c.e.NumCercle1);
    points_[1] = PointClic(c);
    return DemandeRayonArc();
}

// ---- The "Position" click ----

// Right or left of both points gives that side; a click between them gives above or below
// the first point.
bool MoteurConstruction::PositionPointPoint(const Clic& c)
{
    const TVue& vue = hote_.VueEcran();
    const char a = CoteHorizontal(vue, c.colonne, points_[0].X);
    const char b = CoteVertical(vue, c.ligne, points_[0].Y);
    const char cote2 = CoteHorizontal(vue, c.colonne, points_[1].X);
    Ajoute(QChar::fromLatin1(cote2 == a ? a : b));
    return true;
}

// The two circles through p tangent to l lie on either side of p along l: above or below p
// when l runs up and down (p right or left of it), else right or left of p.
bool MoteurConstruction::PositionPointLigne(const Clic& c)
{
    const TVue& vue = hote_.VueEcran();
    const TRecPoint& p = points_[0];
    const TRecPoint pied = Projection(p, ligne_);
    const char e = CoteDominant(vue, XEcran(vue, p.X), YEcran(vue, p.Y), pied.X, pied.Y);
    const bool lateral = e == 'D' || e == 'G';
    Ajoute(QChar::fromLatin1(lateral ? CoteVertical(vue, c.ligne, p.Y)
                                     : CoteHorizontal(vue, c.colonne, p.X)));
    return true;
}

bool MoteurConstruction::PositionPointCercle(const Clic& c)
{
    const TRecPoint clic = PointClic(c);
    const TRecPoint& p = points_[0];
    const TRecPoint centre = Centre(cercle1_);
    char tangence;
    if (cercle1_.Rc >= Distance(p, centre))
        tangence = Distance(clic, centre) > cercle1_.Rc ? 'E' : 'I';
    else
        tangence = TangenceParPrise(clic, cercle1_, points_[1]);
    Ajoute(QChar::fromLatin1(tangence) + QLatin1Char(',') +
           QChar::fromLatin1(CoteDominantDe(c, p.X, p.Y)));
    return true;
}

// Each letter is the side of its line on which the click lies.
bool MoteurConstruction::PositionLigneLigne(const Clic& c)
{
    const TRecPoint clic = PointClic(c);
    const TRecPoint pied1 = Projection(clic, ligne_);
    const TRecPoint pied2 = Projection(clic, ligne2_);
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, pied1.X, pied1.Y)) + QLatin1Char(',') +
           QChar::fromLatin1(CoteDominantDe(c, pied2.X, pied2.Y)));
    return true;
}

// The side of the line, the tangency, then the side of the circle's centre across the
// line's direction.
bool MoteurConstruction::PositionLigneCercle(const Clic& c)
{
    const TVue& vue = hote_.VueEcran();
    const TRecPoint clic = PointClic(c);
    const TRecPoint pied = Projection(clic, ligne_);
    const char d1 = CoteDominantDe(c, pied.X, pied.Y);
    const char tangence = Distance(clic, Centre(cercle1_)) <= cercle1_.Rc
                              ? 'I'
                              : TangenceParPrise(clic, cercle1_, points_[1]);
    const char d3 = (d1 == 'B' || d1 == 'H') ? CoteHorizontal(vue, c.colonne, cercle1_.Xc)
                                             : CoteVertical(vue, c.ligne, cercle1_.Yc);
    Ajoute(QChar::fromLatin1(d1) + QLatin1Char(',') + QChar::fromLatin1(tangence) +
           QLatin1Char(',') + QChar::fromLatin1(d3));
    return true;
}

// Two tangency letters from the click, then both candidate circles are computed and the
// one whose centre is nearer the click wins (a tie to the first). A candidate without
// solution never wins over one that has it; when neither has one, the first letter stays
// and the run refuses the statement.
bool MoteurConstruction::PositionCercleCercle(const Clic& c)
{
    const TVue& vue = hote_.VueEcran();
    const TRecPoint clic = PointClic(c);
    const TRecPoint o1 = Centre(cercle1_);
    const TRecPoint o2 = Centre(cercle2_);
    char e1, e2;
    if (Distance(o1, o2) > cercle1_.Rc + cercle2_.Rc) {
        e1 = Distance(clic, points_[0]) <= Distance(clic, o1) ? 'E' : 'I';
        e2 = Distance(clic, points_[1]) <= Distance(clic, o2) ? 'E' : 'I';
    } else {
        e1 = Distance(clic, o1) >= cercle1_.Rc ? 'E' : 'I';
        e2 = Distance(clic, o2) >= cercle2_.Rc ? 'E' : 'I';
    }
    // Centres side by side: the candidates lie above and below the line of centres;
    // otherwise right and left of it.
    const char e = CoteDominant(vue, XEcran(vue, o1.X), YEcran(vue, o1.Y), o2.X, o2.Y);
    const bool cote = e == 'D' || e == 'G';
    const char premiere = cote ? 'H' : 'D';
    const char seconde = cote ? 'B' : 'G';
    bool sans1 = false, sans2 = false;
    const TRecCercle k1 =
        CercleDeuxCerclesRayon(cercle1_, cercle2_, rayonArc_, e1, e2, premiere, sans1);
    const TRecCercle k2 =
        CercleDeuxCerclesRayon(cercle1_, cercle2_, rayonArc_, e1, e2, seconde, sans2);
    char d3 = premiere;
    if (sans1 && !sans2)
        d3 = seconde;
    else if (!sans1 && !sans2 && Distance(clic, Centre(k1)) > Distance(clic, Centre(k2)))
        d3 = seconde;
    Ajoute(QChar::fromLatin1(e1) + QLatin1Char(',') + QChar::fromLatin1(e2) + QLatin1Char(',') +
           QChar::fromLatin1(d3));
    return true;
}

} // namespace velk
