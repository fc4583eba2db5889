// The message list under the editor: the run appends its messages here. Each message is
// kept in 8 bytes (line, code, element number) and composed only when a row is shown; the
// view is told once per batch, so a run with millions of faulty lines stays quick and small.
#pragma once

#include "language/interfaces.h"

#include <QAbstractListModel>
#include <QListView>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

class ModeleMessages : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Vide();
    void Ajoute(const std::string& item);
    void Ajoute(int numeroLigne, int code, std::string_view indice);
    int Nombre() const { return int(entrees_.size()); }
    std::string Item(int i) const;
    // Makes the view show every message added since the last call.
    void Publie();

private:
    // A message by its parts; one whose parts do not fit (an index text that is not a
    // 16-bit number) is kept whole in autres_, its rank there in `ligne`.
    struct Entree {
        uint32_t ligne;
        uint16_t indice;
        uint8_t code;
        uint8_t sansIndice : 1, entier : 1;
    };
    static_assert(sizeof(Entree) == 8);
    std::vector<Entree> entrees_;
    std::vector<std::string> autres_;
    int publies_ = 0;
};

class ListeMessagesVue : public QListView, public ListeMessages {
    Q_OBJECT
public:
    explicit ListeMessagesVue(QWidget* parent = nullptr);

    void EffaceMessages() override;
    void AjouteMessage(const std::string& item) override;
    void AjouteMessageCode(int numeroLigne, int code, std::string_view indice) override;
    int NombreMessages() const override;
    std::string Message(int i) const override;

    // Shows pending messages and selects item k.
    void SelectionneItem(int k);
    int ItemSelectionne() const;
    void Publie() { modele_.Publie(); }

signals:
    // The user clicked (or moved with the keyboard to) item k.
    void ItemChoisi(int k);

private:
    void PrevoitPublication();

    ModeleMessages modele_;
    bool publicationPrevue_ = false;
};

} // namespace velk
