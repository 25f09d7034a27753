#include "widgets/name_list_model.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include "qt_text.h"

namespace morvane {
namespace {

// Freeing 300,000 names one by one takes tens of milliseconds, which the
// window would spend frozen as the chooser closes or refills: a worker thread
// frees a long list instead. A short one, or one no thread could be started
// for, is freed here.
void Release(std::vector<Text> names) {
    constexpr std::size_t Long = 10000;
    if (names.size() < Long) return;
    try {
        std::thread([old = std::move(names)]() mutable { old = {}; }).detach();
    } catch (const std::system_error&) {
    }
}

}  // namespace

NameListModel::~NameListModel() { Release(std::move(names_)); }

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
    names_.swap(names);
    endResetModel();
    Release(std::move(names));
}

void NameListModel::AddNames(const QStringList& names) {
    if (names.isEmpty()) return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(names.size()) - 1);
    names_.reserve(names_.size() + static_cast<std::size_t>(names.size()));
    for (const QString& name : names) names_.push_back(ToText(name));
    endInsertRows();
}

void NameListModel::MoveRow(int from, int to) {
    const int rows = rowCount();
    if (from == to || from < 0 || to < 0 || from >= rows || to >= rows) return;
    // The model's move names the row the moved one will stand before.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    const auto first = names_.begin();
    if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
    else std::rotate(first + to, first + from, first + from + 1);
    endMoveRows();
}

void NameListModel::Clear() { SetNames({}); }

std::vector<Text> NameListModel::TakeNames() {
    beginResetModel();
    std::vector<Text> names = std::move(names_);
    names_.clear();
    endResetModel();
    return names;
}

}  // namespace morvane
