#include "name_list_box.h"

#include <algorithm>

#include "name_list_model.h"
#include "qt_text.h"

NameListBox::NameListBox(QWidget* parent) : QListView(parent), model_(new morvane::NameListModel(this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Plain text rows of one height: with that known, a list of 300,000
    // names is laid out without asking for each row's size.
    setUniformItemSizes(true);
}

int NameListBox::count() const { return model_->rowCount(); }

QString NameListBox::text(int row) const {
    if (row < 0 || row >= count()) return {};
    return ToQString(model_->Names()[static_cast<std::size_t>(row)]);
}

const std::vector<morvane::Text>& NameListBox::Names() const { return model_->Names(); }

std::vector<int> NameListBox::SelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void NameListBox::SetNames(std::vector<morvane::Text> names) { model_->SetNames(std::move(names)); }

void NameListBox::AddNames(const QStringList& names) { model_->AddNames(names); }

void NameListBox::clear() { model_->Clear(); }
