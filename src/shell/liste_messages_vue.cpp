// Message list model and view.
#include "shell/liste_messages_vue.h"

#include <QTimer>

#include "language/messages.h"

#include <charconv>

namespace velk {

int ModeleMessages::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : publies_;
}

QVariant ModeleMessages::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= publies_)
        return QVariant();
    return QString::fromStdString(Item(index.row()));
}

std::string ModeleMessages::Item(int i) const
{
    const Entree& e = entrees_[size_t(i)];
    if (e.entier)
        return autres_[e.ligne];
    if (e.sansIndice)
        return ComposeMessage(int(e.ligne), e.code);
    return ComposeMessage(int(e.ligne), e.code, std::to_string(e.indice));
}

void ModeleMessages::Vide()
{
    beginResetModel();
    entrees_.clear();
    entrees_.shrink_to_fit();
    autres_.clear();
    publies_ = 0;
    endResetModel();
}

void ModeleMessages::Ajoute(const std::string& item)
{
    entrees_.push_back(Entree{uint32_t(autres_.size()), 0, 0, 0, 1});
    autres_.push_back(item);
}

void ModeleMessages::Ajoute(int numeroLigne, int code, std::string_view indice)
{
    // The parts are kept only when composing them again gives the very same text.
    uint32_t n = 0;
    const auto r = std::from_chars(indice.data(), indice.data() + indice.size(), n);
    const bool numero = !indice.empty() && r.ec == std::errc() &&
                        r.ptr == indice.data() + indice.size() && n <= 0xFFFF &&
                        std::to_string(n) == indice;
    if (numeroLigne >= 1 && code >= 0 && code <= 0xFF && (indice.empty() || numero)) {
        entrees_.push_back(
            Entree{uint32_t(numeroLigne), uint16_t(n), uint8_t(code), indice.empty(), 0});
        return;
    }
    Ajoute(ComposeMessage(numeroLigne, code, indice));
}

void ModeleMessages::Publie()
{
    const int total = int(entrees_.size());
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
    PrevoitPublication();
}

void ListeMessagesVue::AjouteMessageCode(int numeroLigne, int code, std::string_view indice)
{
    modele_.Ajoute(numeroLigne, code, indice);
    PrevoitPublication();
}

void ListeMessagesVue::PrevoitPublication()
{
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
