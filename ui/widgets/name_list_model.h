#pragma once
// The rows of a list of file names, held once as the core's Text: a row
// becomes a QString only when a view asks for it, so a list of 300,000
// names costs the names and nothing per row besides.
#include <QAbstractListModel>
#include <QStringList>
#include <vector>

#include "base/text.h"

namespace morvane {

class NameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    ~NameListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const std::vector<Text>& Names() const { return names_; }
    // Replaces every row.
    void SetNames(std::vector<Text> names);
    // Appends rows after the last one.
    void AddNames(const QStringList& names);
    // Moves the row at `from` to `to`, the rows between closing up.
    void MoveRow(int from, int to);
    void Clear();
    // Every row handed over, the model left empty: no copy of a long list.
    std::vector<Text> TakeNames();

private:
    std::vector<Text> names_;
};

}  // namespace morvane
