// Read-only table models over the in-memory element tables, shown by the grids of the
// "DozoZur" tab. Rows are fetched by rank on demand, so 65 536 rows cost nothing until seen.
#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

class QTableView;

namespace velk {

class TModuleDonnee;

enum class GenreTable { Point, Ligne, Cercle, Variable };

class ModeleTable : public QAbstractTableModel {
    Q_OBJECT
public:
    ModeleTable(TModuleDonnee& donnees, GenreTable genre, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Resets the model when the tables changed since the last call (their version moved).
    void Actualise();

    // The length in characters of the longest text of each column, counted on the numbers
    // themselves without building any text.
    std::vector<int> LongueursMax() const;
    // True once after each reset: the columns are then to be fitted to the new contents.
    bool AAjuster();

private:
    TModuleDonnee& donnees_;
    GenreTable genre_;
    int lignes_ = 0;
    uint64_t version_ = ~uint64_t(0);
    uint64_t versionAjustee_ = ~uint64_t(0);
};

// Shortest text that reads back as the same double, always with "." as decimal point.
QString TexteReel(double valeur);

// Fits every column of the grid to the widest text it holds, once per change of the tables,
// so that no number is ever cut. A column the user narrows afterwards elides at the right.
void AjusteColonnes(QTableView& grille, ModeleTable& modele);

} // namespace velk
