// The rotation and symmetry tools: they first fix a transformation (a centre and an
// angle, or a centre or an axis), then copy each clicked element with it, one statement
// per element, numbered in the element's own kind. TermineConstruction brings the
// signature back to "RPA*", or to SignatureSymetrie, so that the tool repeats.
#include "construction/moteur_construction.h"

#include "construction/saisie_valeur.h"

namespace velk {

namespace {

using M = MoteurConstruction;

// Pick filters: {point, lines from, to, circles from, to}; -1 leaves it free.
constexpr M::FiltrePrise kUnPoint{1, 0, -1, 0, -1};
constexpr M::FiltrePrise kPasDePoint{0, 0, -1, 0, -1};
constexpr M::FiltrePrise kPasDePointDesLignes{0, 1, -1, 0, -1};
constexpr M::FiltrePrise kCerclesSeuls{0, 0, 0, 1, -1};

} // namespace

// The element to copy is taken in the order point, line, circle.
const M::Transition* MoteurConstruction::TransitionsRotationSymetrie(std::size_t& nombre)
{
    static const Transition kLignes[] = {
        // ---- Rotation: a centre point and an angle, then the elements ----
        {OutilRotation, "R*", true, kUnPoint, &M::RotationCentre, "RPA*", 26},
        {OutilRotation, "R*", true, kPasDePoint, nullptr, nullptr, -1},
        {OutilRotation, "RPA*", true, kUnPoint, &M::RotationPoint, nullptr, -1},
        {OutilRotation, "RPA*", true, kPasDePointDesLignes, &M::RotationLigne, nullptr, -1},
        {OutilRotation, "RPA*", true, kCerclesSeuls, &M::RotationCercle, nullptr, -1},

        // ---- Symmetry: a centre point or an axis line, then the elements ----
        {OutilSymetrie, "S*", true, kUnPoint, &M::SymetrieCentre, "SP*", 27},
        {OutilSymetrie, "S*", true, kPasDePointDesLignes, &M::SymetrieAxe, "SL*", 27},
        {OutilSymetrie, "S*", true, kCerclesSeuls, nullptr, nullptr, -1},
        {OutilSymetrie, "SP*", true, kUnPoint, &M::SymetriePoint, nullptr, -1},
        {OutilSymetrie, "SP*", true, kPasDePointDesLignes, &M::SymetrieLigne, nullptr, -1},
        {OutilSymetrie, "SP*", true, kCerclesSeuls, &M::SymetrieCercle, nullptr, -1},
        {OutilSymetrie, "SL*", true, kUnPoint, &M::SymetriePoint, nullptr, -1},
        {OutilSymetrie, "SL*", true, kPasDePointDesLignes, &M::SymetrieLigne, nullptr, -1},
        {OutilSymetrie, "SL*", true, kCerclesSeuls, &M::SymetrieCercle, nullptr, -1},
    };
    nombre = sizeof(kLignes) / sizeof(kLignes[0]);
    return kLignes;
}

// Replaces the statement by the copy of one element: its kind, the lowest free number of
// that kind, the element, then the transformation. With every number of the kind taken
// the click builds nothing and the tool keeps waiting for another element.
bool MoteurConstruction::Copie(char genre, int numero, const QString& transformation,
                               const char* signature)
{
    const std::optional<uint16_t> n = hote_.NumeroLibre(genre);
    if (!n) {
        invite_ = -1;
        hote_.AfficheInvite(TextePlusDeNumero());
        return true;
    }
    instruction_ = QChar::fromLatin1(genre) + QString::number(*n) + QStringLiteral(":=");
    AjouteElement(genre, numero);
    Ajoute(QLatin1Char(',') + transformation);
    signature_ = QString::fromLatin1(signature);
    return true;
}

// ---- Rotation ----

bool MoteurConstruction::RotationCentre(const Clic& c)
{
    centreRotation_ = c.e.NumPoint;
    const std::optional<QString> angle =
        Demande(14, QStringLiteral(" Angle de rotation :"), SaisieAngle);
    if (!angle)
        return false;
    angleRotation_ = *angle;
    return true;
}

// "P" centre "," "A" angle, or the centre or axis of the symmetry in use.
QString MoteurConstruction::Transformation() const
{
    if (outil_ == OutilRotation)
        return QStringLiteral("P") + QString::number(centreRotation_) + QStringLiteral(",A") +
               angleRotation_;
    if (signatureSymetrie_ == QLatin1String("SL*"))
        return QStringLiteral("L") + QString::number(axeSymetrie_);
    return QStringLiteral("P") + QString::number(centreSymetrie_);
}

bool MoteurConstruction::RotationPoint(const Clic& c)
{
    return Copie('P', c.e.NumPoint, Transformation(), "PPPA");
}

bool MoteurConstruction::RotationLigne(const Clic& c)
{
    return Copie('L', c.e.NumLigne1, Transformation(), "LLPA");
}

bool MoteurConstruction::RotationCercle(const Clic& c)
{
    return Copie('C', c.e.NumCercle1, Transformation(), "CCPA");
}

// ---- Symmetry ----

bool MoteurConstruction::SymetrieCentre(const Clic& c)
{
    centreSymetrie_ = c.e.NumPoint;
    return true;
}

bool MoteurConstruction::SymetrieAxe(const Clic& c)
{
    axeSymetrie_ = c.e.NumLigne1;
    return true;
}

// The prefix is kept so that the tool comes back to it after each copy.
bool MoteurConstruction::SymetriePoint(const Clic& c)
{
    signatureSymetrie_ = signature_;
    const bool axe = signature_ == QLatin1String("SL*");
    return Copie('P', c.e.NumPoint, Transformation(), axe ? "PPL" : "PPP");
}

bool MoteurConstruction::SymetrieLigne(const Clic& c)
{
    signatureSymetrie_ = signature_;
    const bool axe = signature_ == QLatin1String("SL*");
    return Copie('L', c.e.NumLigne1, Transformation(), axe ? "LLL" : "LLP");
}

bool MoteurConstruction::SymetrieCercle(const Clic& c)
{
    signatureSymetrie_ = signature_;
    const bool axe = signature_ == QLatin1String("SL*");
    return Copie('C', c.e.NumCercle1, Transformation(), axe ? "CCL" : "CCP");
}

} // namespace velk
