// The message list under the editor: the run appends its messages here. Messages are kept
// in a plain vector and the view is told once per batch, so a run with tens of thousands of
// faulty lines stays quick.
#pragma once

#include "language/interfaces.h"

#include <QAbstractListModel>
#include <QListView>

#include <string>
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
    int Nombre() const { return int(items_.size()); }
    const std::string& Item(int i) const { return items_[size_t(i)]; }
    // Makes the view show every message added since the last call.
    void Publie();

private:
    std::vector<std::string> items_;
    int publies_ = 0;
};

class ListeMessagesVue : public QListView, public ListeMessages {
    Q_OBJECT
public:
    explicit ListeMessagesVue(QWidget* parent = nullptr);

    void EffaceMessages() override;
    void AjouteMessage(const std::string& item) override;
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
    ModeleMessages modele_;
    bool publicationPrevue_ = false;
};

} // namespace velk
