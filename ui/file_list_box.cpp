#include "file_list_box.h"

#include "directory_listing.h"
#include "qt_text.h"

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);  // keeps a list of 100,000 names quick to fill and lay out
}

void FileListBox::setPath(const QString& dir) {
    m_path = dir;
    Refresh();
}

void FileListBox::Refresh() {
    const auto names = morvane::ListFiles(ToText(m_path));
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& name : names) texts.push_back(ToQString(name));
    setUpdatesEnabled(false);
    clear();
    addItems(texts);
    setUpdatesEnabled(true);
}
