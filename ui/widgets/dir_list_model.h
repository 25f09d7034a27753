#pragma once
// Dir1's rows: the ancestors of a directory from the root down, then its
// subdirectories. Each row gives its bare name (the root its whole path) as
// the text, its full path under PathRole and its depth under DepthRole, so
// that a delegate can indent it; the names themselves carry no blanks.
#include <QAbstractListModel>
#include <QIcon>
#include <vector>

#include "base/text.h"

namespace morvane {

class DirListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int DepthRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Icons of an ancestor (open) and of a subdirectory (closed).
    void SetIcons(const QIcon& open, const QIcon& closed);
    // Shows dir's ancestors, dir included, and the given subdirectories.
    void Show(const Text& dir, std::vector<Text> subdirectories);
    // The row of dir itself: the last ancestor.
    int CurrentRow() const { return static_cast<int>(ancestors_.size()) - 1; }

private:
    Text dir_;
    std::vector<Text> ancestors_;
    std::vector<Text> subdirectories_;
    QIcon open_, closed_;
};

}  // namespace morvane
