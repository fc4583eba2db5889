// The circle tool and the three-point tool: their click and typed-value tables, and the
// steps the rows name. A circle comes from a centre point (through a point, tangent to a
// line or to a circle), from another circle (radius, radius difference or offset, chosen
// in TFChoix1), from typed values, or through three points.
#include "construction/moteur_construction.h"

#include "construction/saisie_valeur.h"
#include "geometry/conventions.h"

namespace velk {

namespace {

using M = MoteurConstruction;

// Pick filters: {point, lines from, to, circles from, to}; -1 leaves it free.
constexpr M::FiltrePrise kUnPoint{1, 0, -1, 0, -1};
constexpr M::FiltrePrise kPasDePoint{0, 0, -1, 0, -1};
constexpr M::FiltrePrise kPasDePointUnCercle{0, 0, -1, 1, -1};
constexpr M::FiltrePrise kLignesSeules{0, 1, -1, 0, 0};
constexpr M::FiltrePrise kPasDePointDesLignes{0, 1, -1, 0, -1};
constexpr M::FiltrePrise kCerclesSeuls{0, 0, 0, 1, -1};

} // namespace

// Within a signature the first row whose filter accepts the pick applies; a row without a
// step beeps.
const M::Transition* MoteurConstruction::TransitionsCercles(std::size_t& nombre)
{
    static const Transition kLignes[] = {
        // ---- Circle tool: a centre point, else a circle ----
        {OutilCercle, "C*", true, kUnPoint, &M::CerclePoint, "CP*", 22},
        {OutilCercle, "C*", true, kPasDePointUnCercle, &M::CercleDepuisCercle, nullptr, -1},
        {OutilCercle, "C*", true, kLignesSeules, nullptr, nullptr, -1},
        {OutilCercle, "CP*", true, kUnPoint, &M::CerclePointPoint, "CPP", -1},
        {OutilCercle, "CP*", true, kPasDePointDesLignes, &M::CerclePointLigne, "CPL", -1},
        {OutilCercle, "CP*", true, kCerclesSeuls, &M::CerclePointCercle, "CPCD", -1},

        // ---- Three-point tool: points only ----
        {OutilArc3, "C*", true, kUnPoint, &M::Arc3Point, "CP*", -1},
        {OutilArc3, "C*", true, kPasDePoint, nullptr, nullptr, -1},
        {OutilArc3, "CP*", true, kUnPoint, &M::Arc3Point, "CPP*", -1},
        {OutilArc3, "CP*", true, kPasDePoint, nullptr, nullptr, -1},
        {OutilArc3, "CPP*", true, kUnPoint, &M::Arc3DernierPoint, "CPPP", -1},
        {OutilArc3, "CPP*", true, kPasDePoint, nullptr, nullptr, -1},
    };
    nombre = sizeof(kLignes) / sizeof(kLignes[0]);
    return kLignes;
}

const M::Frappe* MoteurConstruction::FrappesCercles(std::size_t& nombre)
{
    static const Frappe kLignes[] = {
        {OutilCercle, "C*", &M::ValeurCercleCotes},
        {OutilCercle, "CP*", &M::ValeurCercleRayon},
    };
    nombre = sizeof(kLignes) / sizeof(kLignes[0]);
    return kLignes;
}

// ---- Shared by the circle tools ----

void MoteurConstruction::SauvePoint(int k, int numero)
{
    TRecPoint& p = points_[k < 1 ? 0 : k > 3 ? 2 : k - 1];
    p = TRecPoint();
    hote_.LitPoint(uint16_t(numero), p);
}

// The radius dialog: prompt 21, a positive value.
std::optional<QString> MoteurConstruction::DemandeRayon(QChar premier)
{
    return Demande(21, QStringLiteral(" Rayon :"), SaisiePositive, premier);
}

// ---- Circle tool ----

bool MoteurConstruction::CerclePoint(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    Ajoute(QStringLiteral(","));
    SauvePoint(1, c.e.NumPoint);
    return true;
}

// From another circle: the choice dialog says which construction, then its values.
bool MoteurConstruction::CercleDepuisCercle(const Clic& c)
{
    AfficheInvite(13);
    const int choix = dialogues_.Choix1();
    if (choix < 1 || choix > 3)
        return false;
    AjouteElement('C', c.e.NumCercle1);
    Ajoute(QStringLiteral(","));
    SauveCercle1(c.e.NumCercle1);
    if (choix == 1) {
        const std::optional<QString> r = DemandeRayon();
        if (!r)
            return false;
        Ajoute(*r);
        signature_ = QStringLiteral("CCN");
        return true;
    }
    if (choix == 2) {
        // A leading minus becomes the letter I (a smaller circle); anything else is G. A
        // text that is no number stays as typed, so that the run refuses it rather than
        // reading what is left after its first minus ("--5" must not become 5 with I).
        const std::optional<QString> s =
            Demande(23, QStringLiteral(" Différence de rayon :"), SaisieQuelconque);
        if (!s)
            return false;
        QString difference = *s;
        QChar lettre = QLatin1Char('G');
        Reel valeur = 0;
        if (difference.startsWith(QLatin1Char('-')) && LitReel(difference, valeur)) {
            difference.remove(0, 1);
            lettre = QLatin1Char('I');
        }
        Ajoute(difference + QLatin1Char(',') + lettre);
        signature_ = QStringLiteral("CCND");
        return true;
    }
    const std::optional<QString> dx =
        Demande(11, QStringLiteral(" Décalage en X :"), SaisieQuelconque);
    if (!dx)
        return false;
    Ajoute(*dx + QLatin1Char(','));
    const std::optional<QString> dy =
        Demande(12, QStringLiteral(" Décalage en Y :"), SaisieQuelconque);
    if (!dy)
        return false;
    Ajoute(*dy);
    signature_ = QStringLiteral("CCNN");
    return true;
}

bool MoteurConstruction::CerclePointPoint(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    return true;
}

bool MoteurConstruction::CerclePointLigne(const Clic& c)
{
    AjouteElement('L', c.e.NumLigne1);
    return true;
}

// Centred on the saved point, tangent to the clicked circle. From a centre inside the
// circle only the smaller circle (I) exists; from outside, a click farther from the point
// than the circle's centre asks for the greater one (G).
bool MoteurConstruction::CerclePointCercle(const Clic& c)
{
    AjouteElement('C', c.e.NumCercle1);
    SauveCercle1(c.e.NumCercle1);
    const TRecPoint& p = points_[0];
    TRecPoint centre;
    centre.X = cercle1_.Xc;
    centre.Y = cercle1_.Yc;
    const Reel d0 = Distance(p, centre);
    char lettre = 'I';
    if (cercle1_.Rc < d0 && d0 < Distance(p, PointClic(c)))
        lettre = 'G';
    Ajoute(QStringLiteral(",") + QChar::fromLatin1(lettre));
    return true;
}

bool MoteurConstruction::ValeurCercleCotes(QChar premier)
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
    const std::optional<QString> r = DemandeRayon();
    if (!r)
        return false;
    Ajoute(*r);
    signature_ = QStringLiteral("CNNN");
    return true;
}

bool MoteurConstruction::ValeurCercleRayon(QChar premier)
{
    const std::optional<QString> r = DemandeRayon(premier);
    if (!r)
        return false;
    Ajoute(*r);
    signature_ = QStringLiteral("CPN");
    return true;
}

// ---- Three-point tool ----

bool MoteurConstruction::Arc3Point(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    Ajoute(QStringLiteral(","));
    return true;
}

bool MoteurConstruction::Arc3DernierPoint(const Clic& c)
{
    AjouteElement('P', c.e.NumPoint);
    return true;
}

} // namespace velk
