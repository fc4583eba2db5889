// The point, intersection, line and segment tools: their click and
// typed-value tables, and the steps the rows name. Every step appends to the statement
// text and saves the working records as its row of the construction says; the engine then sets
// the new signature and prompt and calls TermineConstruction.
#include "construction/moteur_construction.h"

#include "construction/saisie_valeur.h"
#include "geometry/conventions.h"

namespace velk {

namespace {

using M = MoteurConstruction;

// Pick filters: {point, lines from, to, circles from, to}; -1 leaves it free.
constexpr M::FiltrePrise kUnPoint{1, 0, -1, 0, -1};
constexpr M::FiltrePrise kPasDePointDesLignes{0, 1, -1, 0, -1};
constexpr M::FiltrePrise kCerclesSeuls{0, 0, 0, 1, -1};
constexpr M::FiltrePrise kPointSeul{1, 0, 0, 0, 0};
constexpr M::FiltrePrise kUneLigneOuPlus{-1, 1, -1, 0, -1};
constexpr M::FiltrePrise kSansLigneUnCercleOuPlus{-1, 0, 0, 1, -1};
constexpr M::FiltrePrise kSansPrise{-1, 0, -1, 0, -1};

} // namespace

// Click tables, row by row. Within a signature
// the first row whose filter accepts the pick applies; a row without a step beeps.
const M::Transition* MoteurConstruction::Transitions(std::size_t& nombre)
{
    static const Transition kLignes[] = {
        // ---- Point tool ----
        {OutilPoint, "P*", true, kUnPoint, &M::PointPoint, "PP*", 20},
        {OutilPoint, "P*", true, {0, 0, -1, 1, 1}, &M::PointCentre, "PC", -1},
        {OutilPoint, "P*", true, {0, 0, -1, 2, 2}, nullptr, nullptr, -1},
        {OutilPoint, "P*", true, {0, 1, -1, 0, 0}, nullptr, nullptr, -1},
        {OutilPoint, "PP*", true, kUnPoint, &M::PointMilieu, "PPPD", -1},
        {OutilPoint, "PP*", true, kPasDePointDesLignes, &M::PointSymetrique, "PPL", -1},
        {OutilPoint, "PP*", true, kCerclesSeuls, nullptr, nullptr, -1},

        // ---- Intersection tool: lines counted first, then circles ----
        {OutilInter, "P*", true, {-1, 1, 1, 0, 0}, &M::InterLigne, "PL*", 8},
        {OutilInter, "P*", true, {-1, 1, 1, 1, -1}, &M::InterLigneCercle, "PLCD", -1},
        {OutilInter, "P*", true, {-1, 2, 2, 0, -1}, &M::InterDeuxLignes, "PLL", -1},
        {OutilInter, "P*", true, {-1, 0, 0, 1, 1}, &M::InterCercle, "PC*", 8},
        {OutilInter, "P*", true, {-1, 0, 0, 2, 2}, &M::InterDeuxCercles, "PCCD", -1},
        {OutilInter, "P*", true, kPointSeul, nullptr, nullptr, -1},
        {OutilInter, "PL*", true, kUneLigneOuPlus, &M::InterSecondeLigne, "PLL", -1},
        {OutilInter, "PL*", true, kSansLigneUnCercleOuPlus, &M::InterPuisCercle, "PLCD", -1},
        {OutilInter, "PL*", true, kPointSeul, nullptr, nullptr, -1},
        {OutilInter, "PC*", true, kUneLigneOuPlus, &M::InterCerclePuisLigne, "PLCD", -1},
        {OutilInter, "PC*", true, kSansLigneUnCercleOuPlus, &M::InterCerclePuisCercle, "PCCD", -1},
        {OutilInter, "PC*", true, kPointSeul, nullptr, nullptr, -1},

        // ---- Line tool: a point, else a line, else a circle ----
        {OutilLigne, "L*", true, kUnPoint, &M::LignePoint, "LP*", 17},
        {OutilLigne, "L*", true, kPasDePointDesLignes, &M::LigneLigne, "LL*", 18},
        {OutilLigne, "L*", true, kCerclesSeuls, &M::LigneCercleAngle, "LCAD", -1},
        {OutilLigne, "LP*", true, kUneLigneOuPlus, &M::LigneParallele, "LPL", -1},
        {OutilLigne, "LP*", true, {-1, 0, 0, 0, -1}, nullptr, nullptr, -1},
        {OutilLigne, "LL*", true, {-1, 0, -1, 1, -1}, &M::LigneLigneCercle, "LLCD", -1},
        {OutilLigne, "LL*", true, {-1, 0, -1, 0, 0}, nullptr, nullptr, -1},
        {OutilLigne, "LLN*", false, kSansPrise, &M::LigneEcartCote, "LLND", -1},

        // ---- Segment tool: a point, else a line, else a circle ----
        {OutilSegment, "L*", true, kUnPoint, &M::SegmentPoint, "LP*", -1},
        {OutilSegment, "L*", true, kPasDePointDesLignes, &M::SegmentLigne, "LL*", -1},
        {OutilSegment, "L*", true, kCerclesSeuls, &M::SegmentCercle, "LC*", 4},
        {OutilSegment, "LP*", true, kUnPoint, &M::SegmentDeuxPoints, "LPP", -1},
        {OutilSegment, "LP*", true, kPasDePointDesLignes, &M::SegmentPerpendiculaire, "LPLD", -1},
        {OutilSegment, "LP*", true, kCerclesSeuls, &M::SegmentTangente, "LPCD", -1},
        {OutilSegment, "LL*", true, kUneLigneOuPlus, &M::SegmentBissectrice, "LLLD", -1},
        {OutilSegment, "LL*", true, kSansLigneUnCercleOuPlus, &M::SegmentPerpendiculaireTangente,
         "LLCDD", -1},
        {OutilSegment, "LL*", true, kPointSeul, nullptr, nullptr, -1},
        {OutilSegment, "LC*", true, {-1, 0, -1, 1, -1}, &M::SegmentDeuxCercles, "LCCDD", -1},
        {OutilSegment, "LC*", true, {-1, 0, -1, 0, 0}, nullptr, nullptr, -1},
    };
    nombre = sizeof(kLignes) / sizeof(kLignes[0]);
    return kLignes;
}

// Typed-value tables .
const M::Frappe* MoteurConstruction::Frappes(std::size_t& nombre)
{
    static const Frappe kLignes[] = {
        {OutilPoint, "P*", &M::ValeurPointCotes},
        {OutilPoint, "PP*", &M::ValeurPointDecalage},
        {OutilLigne, "L*", &M::ValeurLigneCotes},
        {OutilLigne, "LP*", &M::ValeurLigneAngle},
        {OutilLigne, "LL*", &M::ValeurLigneEcart},
    };
    nombre = sizeof(kLignes) / sizeof(kLignes[0]);
    return kLignes;
}

// ---- Point tool ----

bool MoteurConstruction::PointPoint(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    Ajoute(QStringLiteral(","));
    return true;
}

bool MoteurConstruction::PointCentre(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    return true;
}

bool MoteurConstruction::PointMilieu(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    Ajoute(QStringLiteral(",M"));
    return true;
}

bool MoteurConstruction::PointSymetrique(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    return true;
}

bool MoteurConstruction::ValeurPointCotes(QChar premier)
{
    const std::optional<QString> x =
        Demande(9, QStringLiteral(" Cote en X :"), SaisieQuelconque, premier);
    if (!x)
        return false;
    Ajoute(*x + QLatin1Char(','));
    const std::optional<QString> y = Demande(10, QStringLiteral(" Cote en Y :"), SaisieQuelconque);
    if (!y)
        return false;
    Ajoute(*y);
    signature_ = QStringLiteral("PNN");
    return true;
}

bool MoteurConstruction::ValeurPointDecalage(QChar premier)
{
    const std::optional<QString> dx =
        Demande(11, QStringLiteral(" Decalage en X :"), SaisieQuelconque, premier);
    if (!dx)
        return false;
    Ajoute(*dx + QLatin1Char(','));
    const std::optional<QString> dy =
        Demande(12, QStringLiteral(" Decalage en Y :"), SaisieQuelconque);
    if (!dy)
        return false;
    Ajoute(*dy);
    signature_ = QStringLiteral("PPNN");
    return true;
}

// ---- Intersection tool ----

// Two circles: right or left of both centres, else above or below the first centre.
char MoteurConstruction::LettreD2(const Clic& c) const
{
    const TVue& vue = hote_.VueEcran();
    const char d2 = CoteHorizontal(vue, c.colonne, cercle1_.Xc);
    if (CoteHorizontal(vue, c.colonne, cercle2_.Xc) != d2)
        return CoteVertical(vue, c.ligne, cercle1_.Yc);
    return d2;
}

bool MoteurConstruction::InterLigne(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(","));
    SauveLigne(c.e.NumLigne1);
    return true;
}

bool MoteurConstruction::InterLigneCercle(const Clic& c)
{
    InterLigne(c);
    return InterPuisCercle(c);
}

bool MoteurConstruction::InterDeuxLignes(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(","));
    AjouteElement('L', c.e.NumLigne2);
    return true;
}

bool MoteurConstruction::InterCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle1(c.e.NumCercle1);
    return true;
}

bool MoteurConstruction::InterDeuxCercles(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    AjouteElement('C', c.e.NumCercle2);
    Ajoute(QStringLiteral(","));
    SauveCercle1(c.e.NumCercle1);
    SauveCercle2(c.e.NumCercle2);
    Ajoute(QChar::fromLatin1(LettreD2(c)));
    return true;
}

bool MoteurConstruction::InterSecondeLigne(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    return true;
}

// "C" c ","; save circle 1; then D1.
bool MoteurConstruction::InterPuisCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle1(c.e.NumCercle1);
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, cercle1_.Xc, cercle1_.Yc)));
    return true;
}

// After a circle, a line: the text is rebuilt with the line first.
bool MoteurConstruction::InterCerclePuisLigne(const Clic& c)
{
    const int egal = instruction_.indexOf(QLatin1Char('='));
    const QString tete = instruction_.left(egal + 1);
    QString cercle = instruction_.mid(egal + 1);
    if (cercle.endsWith(QLatin1Char(',')))
        cercle.chop(1);
    instruction_ = tete;
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(","));
    SauveLigne(c.e.NumLigne1);
    Ajoute(cercle + QLatin1Char(','));
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, cercle1_.Xc, cercle1_.Yc)));
    return true;
}

bool MoteurConstruction::InterCerclePuisCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle2(c.e.NumCercle1);
    Ajoute(QChar::fromLatin1(LettreD2(c)));
    return true;
}

// ---- Line tool ----

bool MoteurConstruction::LignePoint(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    Ajoute(QStringLiteral(","));
    return true;
}

bool MoteurConstruction::LigneLigne(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(","));
    SauveLigne(c.e.NumLigne1);
    return true;
}

bool MoteurConstruction::LigneCercleAngle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle1(c.e.NumCercle1);
    const std::optional<QString> angle =
        Demande(14, QStringLiteral(" Angle (+ - 360°) :"), SaisieAngle);
    if (!angle)
        return false;
    Ajoute(QLatin1Char('A') + *angle + QLatin1Char(','));
    // The letter comes from the same click that picked the circle.
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, cercle1_.Xc, cercle1_.Yc)));
    return true;
}

bool MoteurConstruction::LigneParallele(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    return true;
}

bool MoteurConstruction::LigneLigneCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    SauveCercle1(c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, cercle1_.Xc, cercle1_.Yc)));
    return true;
}

// "LLN*": the side of the saved line where the click lies, from the foot of the
// perpendicular dropped from the click.
bool MoteurConstruction::LigneEcartCote(const Clic& c)
{
    const TRecPoint pied = Projection(PointClic(c), ligne_);
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, pied.X, pied.Y)));
    return true;
}

bool MoteurConstruction::ValeurLigneCotes(QChar premier)
{
    const std::optional<QString> x =
        Demande(9, QStringLiteral(" Cote en X :"), SaisieQuelconque, premier);
    if (!x)
        return false;
    Ajoute(*x + QLatin1Char(','));
    const std::optional<QString> y = Demande(10, QStringLiteral(" Cote en Y :"), SaisieQuelconque);
    if (!y)
        return false;
    Ajoute(*y + QLatin1Char(','));
    const std::optional<QString> angle =
        Demande(14, QStringLiteral(" Angle (+ - 360°) :"), SaisieAngle);
    if (!angle)
        return false;
    Ajoute(QLatin1Char('A') + *angle);
    signature_ = QStringLiteral("LNNA");
    return true;
}

bool MoteurConstruction::ValeurLigneAngle(QChar premier)
{
    // This label has no blank before its colon.
    const std::optional<QString> angle =
        Demande(14, QStringLiteral(" Angle (+ - 360°):"), SaisieAngle, premier);
    if (!angle)
        return false;
    Ajoute(QLatin1Char('A') + *angle);
    signature_ = QStringLiteral("LPA");
    return true;
}

bool MoteurConstruction::ValeurLigneEcart(QChar premier)
{
    const std::optional<QString> e =
        Demande(15, QStringLiteral(" Ecart :"), SaisieQuelconque, premier);
    if (!e)
        return false;
    Ajoute(*e + QLatin1Char(','));
    AfficheInvite(16);
    signature_ = QStringLiteral("LLN*");
    return true;
}

// ---- Segment tool ----

bool MoteurConstruction::SegmentPoint(const Clic& c)
{
    return LignePoint(c);
}

bool MoteurConstruction::SegmentLigne(const Clic& c)
{
    return LigneLigne(c);
}

bool MoteurConstruction::SegmentCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle1(c.e.NumCercle1);
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, cercle1_.Xc, cercle1_.Yc)));
    return true;
}

bool MoteurConstruction::SegmentDeuxPoints(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    return true;
}

bool MoteurConstruction::SegmentPerpendiculaire(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(",O"));
    return true;
}

bool MoteurConstruction::SegmentTangente(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    SauveCercle2(c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, cercle2_.Xc, cercle2_.Yc)));
    return true;
}

bool MoteurConstruction::SegmentBissectrice(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    Ajoute(QStringLiteral(",M"));
    return true;
}

bool MoteurConstruction::SegmentPerpendiculaireTangente(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    SauveCercle1(c.e.NumCercle1);
    Ajoute(QStringLiteral(",O,") +
           QChar::fromLatin1(CoteDominantDe(c, cercle1_.Xc, cercle1_.Yc)));
    return true;
}

// "LC*": the letter of the first circle moves to the end, so that each letter comes from
// the click on its own circle.
bool MoteurConstruction::SegmentDeuxCercles(const Clic& c)
{
    const QChar d1 = instruction_.isEmpty() ? QChar() : instruction_.back();
    instruction_.chop(1);
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(",") + d1);
    SauveCercle2(c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    Ajoute(QChar::fromLatin1(CoteDominantDe(c, cercle2_.Xc, cercle2_.Yc)));
    return true;
}

} // namespace velk
