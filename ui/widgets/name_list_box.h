#pragma once
// A list of file names shown over a NameListModel: List1, and the base of
// File1. Single selection unless the window asks for more.
#include <QListView>
#include <vector>

#include "base/text.h"

namespace morvane {
class NameListModel;
}

class NameListBox : public QListView {
    Q_OBJECT
public:
    explicit NameListBox(QWidget* parent = nullptr);

    int count() const;
    // The text of one row; an empty text outside the rows.
    QString text(int row) const;
    const std::vector<morvane::Text>& Names() const;
    // The selected rows in the list's own order.
    std::vector<int> SelectedRows() const;

    void SetNames(std::vector<morvane::Text> names);
    // The names at rows (in the list's own order); when every row is asked
    // for, they are moved out and the list is left empty.
    std::vector<morvane::Text> TakeRows(const std::vector<int>& rows);
    void AddNames(const QStringList& names);
    void clear();

    // Lets the user move an entry: Alt+Up and Alt+Down move the selected one
    // a place, and dragging an entry carries it along. Each move is asked for
    // with MoveRequested; MoveRow makes it and keeps the entry selected.
    void EnableMovingByHand();
    void MoveRow(int from, int to);

signals:
    void MoveRequested(int from, int to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    morvane::NameListModel* model_;
    bool movable_ = false;
    int dragged_ = -1;  // the row being dragged, or -1
};
