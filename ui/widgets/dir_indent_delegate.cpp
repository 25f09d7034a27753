#include "widgets/dir_indent_delegate.h"

#include <QFontMetrics>

// Two average characters a level: wide enough to see, and it grows with the font.
int DirIndentDelegate::Indent(const QStyleOptionViewItem& option, const QModelIndex& index) {
    return index.data(DirDepthRole).toInt() * 2 * option.fontMetrics.averageCharWidth();
}

void DirIndentDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem shifted(option);
    shifted.rect.setLeft(option.rect.left() + Indent(option, index));
    QStyledItemDelegate::paint(painter, shifted, index);
}

QSize DirIndentDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(Indent(option, index), 0);
}
