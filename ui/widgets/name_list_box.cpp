#include "widgets/name_list_box.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>

#include "widgets/name_list_model.h"
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

std::vector<morvane::Text> NameListBox::TakeRows(const std::vector<int>& rows) {
    const std::vector<morvane::Text>& names = model_->Names();
    if (rows.size() == names.size()) return model_->TakeNames();
    std::vector<morvane::Text> taken;
    taken.reserve(rows.size());
    for (const int row : rows) taken.push_back(names[static_cast<std::size_t>(row)]);
    return taken;
}

void NameListBox::AddNames(const QStringList& names) { model_->AddNames(names); }

void NameListBox::clear() { model_->Clear(); }

void NameListBox::EnableMovingByHand() { movable_ = true; }

void NameListBox::MoveRow(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count()) return;
    model_->MoveRow(from, to);
    const QModelIndex moved = model_->index(to);
    setCurrentIndex(moved);
    scrollTo(moved);
}

void NameListBox::keyPressEvent(QKeyEvent* event) {
    const bool up = event->key() == Qt::Key_Up, down = event->key() == Qt::Key_Down;
    if (movable_ && (up || down) && event->modifiers() == Qt::AltModifier) {
        const std::vector<int> rows = SelectedRows();
        if (!rows.empty()) {
            const int to = rows.front() + (up ? -1 : 1);
            if (to >= 0 && to < count()) emit MoveRequested(rows.front(), to);
        }
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void NameListBox::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    const QModelIndex pressed = indexAt(event->position().toPoint());
    dragged_ = movable_ && event->button() == Qt::LeftButton && pressed.isValid() ? pressed.row() : -1;
}

// The dragged entry follows the pointer from row to row.
void NameListBox::mouseMoveEvent(QMouseEvent* event) {
    if (dragged_ < 0 || !(event->buttons() & Qt::LeftButton)) {
        QListView::mouseMoveEvent(event);
        return;
    }
    const QModelIndex over = indexAt(event->position().toPoint());
    if (over.isValid() && over.row() != dragged_) {
        const int from = dragged_;
        dragged_ = over.row();
        emit MoveRequested(from, over.row());
    }
    event->accept();
}

void NameListBox::mouseReleaseEvent(QMouseEvent* event) {
    dragged_ = -1;
    QListView::mouseReleaseEvent(event);
}
