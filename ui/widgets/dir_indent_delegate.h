#pragma once
// Draws each entry of the directory list indented by its depth, so the
// entry's text is the directory's name alone (as a screen reader reads it).
#include <QStyledItemDelegate>

// The depth of an entry below the root entry: 0, 1, 2, ...
inline constexpr int DirDepthRole = Qt::UserRole + 1;

class DirIndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static int Indent(const QStyleOptionViewItem& option, const QModelIndex& index);
};
