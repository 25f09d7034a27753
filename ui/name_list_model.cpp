#include "name_list_model.h"

#include "qt_text.h"

namespace morvane {

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return ToQString(names_[static_cast<std::size_t>(index.row())]);
    return {};
}

void NameListModel::SetNames(std::vector<Text> names) {
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

void NameListModel::AddNames(const QStringList& names) {
    if (names.isEmpty()) return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(names.size()) - 1);
    names_.reserve(names_.size() + static_cast<std::size_t>(names.size()));
    for (const QString& name : names) names_.push_back(ToText(name));
    endInsertRows();
}

void NameListModel::Clear() { SetNames({}); }

}  // namespace morvane
