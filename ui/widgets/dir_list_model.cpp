#include "widgets/dir_list_model.h"

#include "files/directory_path.h"
#include "qt_text.h"

namespace morvane {

int DirListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ancestors_.size() + subdirectories_.size());
}

QVariant DirListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const bool ancestor = row < ancestors_.size();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (!ancestor) return ToQString(subdirectories_[row - ancestors_.size()]);
        return row == 0 ? ToQString(ancestors_[0]) : ToQString(ancestors_[row]).section('/', -1);
    case PathRole:
        return ToQString(ancestor ? ancestors_[row] : JoinPath(dir_, subdirectories_[row - ancestors_.size()]));
    case DepthRole:
        return ancestor ? index.row() : static_cast<int>(ancestors_.size());
    case Qt::DecorationRole:
        return ancestor ? open_ : closed_;
    default:
        return {};
    }
}

void DirListModel::SetIcons(const QIcon& open, const QIcon& closed) {
    open_ = open;
    closed_ = closed;
}

void DirListModel::Show(const Text& dir, std::vector<Text> subdirectories) {
    beginResetModel();
    dir_ = dir;
    ancestors_ = AncestorsOf(dir);
    subdirectories_ = std::move(subdirectories);
    endResetModel();
}

}  // namespace morvane
