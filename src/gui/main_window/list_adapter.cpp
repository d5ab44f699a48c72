#include "main_window/list_adapter.h"

#include <vector>

#include "table/cell_patterns.h"

namespace glyphora {

ListAdapter::ListAdapter(QObject* parent) : QAbstractListModel(parent), blank_(BlankIcon()) {}

void ListAdapter::Sync(const ListViewModel& list) {
    bool same = list.items.size() == ids_.size();
    for (std::size_t i = 0; same && i < ids_.size(); ++i) same = list.items[i].id == ids_[i];
    if (!same) {
        beginResetModel();
        ids_.clear();
        texts_.clear();
        checks_.clear();
        for (const ListItem& item : list.items) {
            ids_.push_back(item.id);
            texts_.push_back(QString::fromStdU16String(item.text));
            checks_.push_back(item.check);
        }
        endResetModel();
        return;
    }
    // Only the icons move while the list stays: repaint the items that changed. A few get a
    // signal each, since a view repaints its whole viewport for a span of several; many, one
    // span.
    std::vector<int> changed;
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        if (checks_[i] == list.items[i].check) continue;
        checks_[i] = list.items[i].check;
        changed.push_back(static_cast<int>(i));
    }
    constexpr std::size_t kOneByOne = 32;
    if (changed.size() > kOneByOne) {
        emit dataChanged(index(changed.front()), index(changed.back()), {Qt::DecorationRole});
        return;
    }
    for (const int row : changed) emit dataChanged(index(row), index(row), {Qt::DecorationRole});
}

int ListAdapter::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

QVariant ListAdapter::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= texts_.size()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return texts_[index.row()];
        case Qt::DecorationRole:
            return checks_[static_cast<std::size_t>(index.row())] ? check_ : blank_;
        case Qt::ToolTipRole:
            if (!tips_) return {};
            return tips_(ids_[static_cast<std::size_t>(index.row())], texts_[index.row()]);
        default:
            return {};
    }
}

}  // namespace glyphora
