// Table models of the element grids.
#include "shell/modele_table.h"

#include "store/module_donnee.h"

#include <array>
#include <charconv>
#include <cmath>

namespace velk {

namespace {

const std::array<const char*, 5> kColonnesPoint = {"Numero", "X", "Y", "Couleur", "Couche"};
const std::array<const char*, 10> kColonnesLigne = {"Numero", "Xpd", "Ypd", "Aod", "Xdd",
                                                    "Ydd", "Xfd", "Yfd", "Couleur", "Couche"};
const std::array<const char*, 12> kColonnesCercle = {"Numero", "Xc", "Yc", "Rc",
                                                     "Xdc", "Ydc", "Adc", "Xfc",
                                                     "Yfc", "Afc", "Couleur", "Couche"};
const std::array<const char*, 2> kColonnesVariable = {"Numero", "Valeur"};

QVariant Entier(int64_t n)
{
    return QString::number(n);
}

QVariant Decimal(long double v)
{
    return TexteReel(static_cast<double>(v));
}

// Segment and arc fields are optional: a whole line or circle keeps them empty.
QVariant Optionnel(long double v, bool present)
{
    return present ? Decimal(v) : QVariant();
}

} // namespace

QString TexteReel(double valeur)
{
    if (std::isnan(valeur))
        return QStringLiteral("NaN");
    if (std::isinf(valeur))
        return valeur > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    return QString::fromLatin1(tampon, int(r.ptr - tampon));
}

ModeleTable::ModeleTable(TModuleDonnee& donnees, GenreTable genre, QObject* parent)
    : QAbstractTableModel(parent), donnees_(donnees), genre_(genre)
{
    Actualise();
}

int ModeleTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : lignes_;
}

int ModeleTable::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    switch (genre_) {
    case GenreTable::Point: return int(kColonnesPoint.size());
    case GenreTable::Ligne: return int(kColonnesLigne.size());
    case GenreTable::Cercle: return int(kColonnesCercle.size());
    case GenreTable::Variable: return int(kColonnesVariable.size());
    }
    return 0;
}

QVariant ModeleTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount())
        return QVariant();
    switch (genre_) {
    case GenreTable::Point: return QString::fromLatin1(kColonnesPoint[section]);
    case GenreTable::Ligne: return QString::fromLatin1(kColonnesLigne[section]);
    case GenreTable::Cercle: return QString::fromLatin1(kColonnesCercle[section]);
    case GenreTable::Variable: return QString::fromLatin1(kColonnesVariable[section]);
    }
    return QVariant();
}

QVariant ModeleTable::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lignes_)
        return QVariant();
    const int rang = index.row();
    const int c = index.column();
    // A row that vanished since the last reset (the tables are being rewritten) shows
    // nothing rather than another element's values.
    switch (genre_) {
    case GenreTable::Point: {
        TRecPoint p;
        if (!donnees_.PointAuRang(rang, p))
            return QVariant();
        const std::array<QVariant, 5> v = {Entier(p.Numero), Decimal(p.X), Decimal(p.Y),
                                           Entier(p.Couleur), Entier(p.Couche)};
        return v[size_t(c)];
    }
    case GenreTable::Ligne: {
        TRecLigne l;
        if (!donnees_.LigneAuRang(rang, l))
            return QVariant();
        const bool segment = l.Xdd != 0 || l.Ydd != 0 || l.Xfd != 0 || l.Yfd != 0;
        const std::array<QVariant, 10> v = {
            Entier(l.Numero), Decimal(l.Xpd), Decimal(l.Ypd), Decimal(l.Aod),
            Optionnel(l.Xdd, segment), Optionnel(l.Ydd, segment), Optionnel(l.Xfd, segment),
            Optionnel(l.Yfd, segment), Entier(l.Couleur), Entier(l.Couche)};
        return v[size_t(c)];
    }
    case GenreTable::Cercle: {
        TRecCercle k;
        if (!donnees_.CercleAuRang(rang, k))
            return QVariant();
        const bool arc = k.Xdc != 0 || k.Ydc != 0 || k.Adc != 0 || k.Xfc != 0 || k.Yfc != 0 ||
                         k.Afc != 0;
        const std::array<QVariant, 12> v = {
            Entier(k.Numero), Decimal(k.Xc), Decimal(k.Yc), Decimal(k.Rc),
            Optionnel(k.Xdc, arc), Optionnel(k.Ydc, arc), Optionnel(k.Adc, arc),
            Optionnel(k.Xfc, arc), Optionnel(k.Yfc, arc), Optionnel(k.Afc, arc),
            Entier(k.Couleur), Entier(k.Couche)};
        return v[size_t(c)];
    }
    case GenreTable::Variable: {
        uint16_t n = 0;
        Reel valeur = 0;
        if (!donnees_.VariableAuRang(rang, n, valeur))
            return QVariant();
        return c == 0 ? Entier(n) : Decimal(valeur);
    }
    }
    return QVariant();
}

void ModeleTable::Actualise()
{
    if (donnees_.Version() == version_)
        return;
    beginResetModel();
    version_ = donnees_.Version();
    switch (genre_) {
    case GenreTable::Point: lignes_ = donnees_.NombrePoints(); break;
    case GenreTable::Ligne: lignes_ = donnees_.NombreLignes(); break;
    case GenreTable::Cercle: lignes_ = donnees_.NombreCercles(); break;
    case GenreTable::Variable: lignes_ = donnees_.NombreVariables(); break;
    }
    endResetModel();
}

} // namespace velk
