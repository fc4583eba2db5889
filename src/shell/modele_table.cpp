// Table models of the element grids.
#include "shell/modele_table.h"

#include "store/module_donnee.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>
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

// Writes the text of a real into tampon (64 bytes); returns its length.
int EcritReel(double valeur, char* tampon)
{
    const auto copie = [tampon](const char* t) {
        const int n = int(std::char_traits<char>::length(t));
        std::copy(t, t + n, tampon);
        return n;
    };
    if (std::isnan(valeur))
        return copie("NaN");
    if (std::isinf(valeur))
        return copie(valeur > 0 ? "INF" : "-INF");
    return int(std::to_chars(tampon, tampon + 64, valeur).ptr - tampon);
}

int LongueurReel(long double valeur)
{
    char tampon[64];
    return EcritReel(static_cast<double>(valeur), tampon);
}

int LongueurEntier(int64_t n)
{
    char tampon[24];
    return int(std::to_chars(tampon, tampon + sizeof tampon, n).ptr - tampon);
}

} // namespace

QString TexteReel(double valeur)
{
    char tampon[64];
    return QString::fromLatin1(tampon, EcritReel(valeur, tampon));
}

namespace {

// Keeps the larger of n[c] and each following length, column after column.
void Garde(std::vector<int>& n, std::initializer_list<int> longueurs)
{
    size_t c = 0;
    for (int l : longueurs) {
        n[c] = std::max(n[c], l);
        ++c;
    }
}

} // namespace

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
    // The tooltip gives the whole value of a cell the user made too narrow for it.
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() ||
        index.row() >= lignes_)
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

std::vector<int> ModeleTable::LongueursMax() const
{
    std::vector<int> n(size_t(columnCount()), 0);
    const auto R = [](long double v) { return LongueurReel(v); };
    const auto E = [](int64_t v) { return LongueurEntier(v); };
    // Optional fields absent from a row show nothing.
    const auto O = [](long double v, bool present) { return present ? LongueurReel(v) : 0; };
    for (int rang = 0; rang < lignes_; ++rang) {
        switch (genre_) {
        case GenreTable::Point: {
            TRecPoint p;
            if (donnees_.PointAuRang(rang, p))
                Garde(n, {E(p.Numero), R(p.X), R(p.Y), E(p.Couleur), E(p.Couche)});
            break;
        }
        case GenreTable::Ligne: {
            TRecLigne l;
            if (!donnees_.LigneAuRang(rang, l))
                break;
            const bool s = l.Xdd != 0 || l.Ydd != 0 || l.Xfd != 0 || l.Yfd != 0;
            Garde(n, {E(l.Numero), R(l.Xpd), R(l.Ypd), R(l.Aod), O(l.Xdd, s), O(l.Ydd, s),
                      O(l.Xfd, s), O(l.Yfd, s), E(l.Couleur), E(l.Couche)});
            break;
        }
        case GenreTable::Cercle: {
            TRecCercle k;
            if (!donnees_.CercleAuRang(rang, k))
                break;
            const bool a = k.Xdc != 0 || k.Ydc != 0 || k.Adc != 0 || k.Xfc != 0 || k.Yfc != 0 ||
                           k.Afc != 0;
            Garde(n, {E(k.Numero), R(k.Xc), R(k.Yc), R(k.Rc), O(k.Xdc, a), O(k.Ydc, a),
                      O(k.Adc, a), O(k.Xfc, a), O(k.Yfc, a), O(k.Afc, a), E(k.Couleur),
                      E(k.Couche)});
            break;
        }
        case GenreTable::Variable: {
            uint16_t numero = 0;
            Reel valeur = 0;
            if (donnees_.VariableAuRang(rang, numero, valeur))
                Garde(n, {E(numero), R(valeur)});
            break;
        }
        }
    }
    return n;
}

bool ModeleTable::AAjuster()
{
    if (versionAjustee_ == version_)
        return false;
    versionAjustee_ = version_;
    return true;
}

void AjusteColonnes(QTableView& grille, ModeleTable& modele)
{
    if (!modele.AAjuster())
        return;
    const std::vector<int> longueurs = modele.LongueursMax();
    // Every character a number's text can hold (the tables keep finite numbers only) counts
    // as the widest of them: a column is never narrower than its longest text.
    const QFontMetrics fm(grille.font());
    int caractere = 0;
    for (QChar c : QStringLiteral("0123456789.-+e"))
        caractere = std::max(caractere, fm.horizontalAdvance(c));
    // The item's text margins on both sides and the grid line; the title sets the least.
    const int marge =
        2 * (grille.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grille) + 1) + 4;
    QHeaderView* entete = grille.horizontalHeader();
    for (int c = 0; c < int(longueurs.size()); ++c)
        entete->resizeSection(c, std::max(longueurs[size_t(c)] * caractere + marge,
                                          entete->sectionSizeHint(c)));
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
