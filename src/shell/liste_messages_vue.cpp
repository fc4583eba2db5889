// Message list model and view.
#include "shell/liste_messages_vue.h"

#include <QTimer>

namespace velk {

int ModeleMessages::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : publies_;
}

QVariant ModeleMessages::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= publies_)
        return QVariant();
    return QString::fromStdString(items_[size_t(index.row())]);
}

void ModeleMessages::Vide()
{
    beginResetModel();
    items_.clear();
    publies_ = 0;
    endResetModel();
}

void ModeleMessages::Ajoute(const std::string& item)
{
    items_.push_back(item);
}

void ModeleMessages::Publie()
{
    const int total = int(items_.size());
    if (total == publies_)
        return;
    beginInsertRows(QModelIndex(), publies_, total - 1);
    publies_ = total;
    endInsertRows();
}

ListeMessagesVue::ListeMessagesVue(QWidget* parent) : QListView(parent), modele_(this)
{
    setModel(&modele_);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListView::clicked, this,
            [this](const QModelIndex& index) { emit ItemChoisi(index.row()); });
}

void ListeMessagesVue::EffaceMessages()
{
    modele_.Vide();
}

void ListeMessagesVue::AjouteMessage(const std::string& item)
{
    modele_.Ajoute(item);
    // Messages of a single statement built by clicks arrive outside a run: show them when
    // the event loop comes back, once for the whole batch.
    if (!publicationPrevue_) {
        publicationPrevue_ = true;
        QTimer::singleShot(0, this, [this] {
            publicationPrevue_ = false;
            modele_.Publie();
        });
    }
}

int ListeMessagesVue::NombreMessages() const
{
    return modele_.Nombre();
}

std::string ListeMessagesVue::Message(int i) const
{
    if (i < 0 || i >= modele_.Nombre())
        return std::string();
    return modele_.Item(i);
}

void ListeMessagesVue::SelectionneItem(int k)
{
    modele_.Publie();
    const QModelIndex index = modele_.index(k, 0);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index);
}

int ListeMessagesVue::ItemSelectionne() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

} // namespace velk
