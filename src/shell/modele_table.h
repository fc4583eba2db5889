// Read-only table models over the in-memory element tables, shown by the grids of the
// "DozoZur" tab. Rows are fetched by rank on demand, so 65 536 rows cost nothing until seen.
#pragma once

#include <QAbstractTableModel>

#include <cstdint>

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

private:
    TModuleDonnee& donnees_;
    GenreTable genre_;
    int lignes_ = 0;
    uint64_t version_ = ~uint64_t(0);
};

// Shortest text that reads back as the same double, always with "." as decimal point.
QString TexteReel(double valeur);

} // namespace velk
