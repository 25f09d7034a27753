#include "widgets/file_list_box.h"

FileListBox::FileListBox(QWidget* parent) : NameListBox(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void FileListBox::Show(const QString& dir, std::vector<morvane::Text> names) {
    m_path = dir;
    SetNames(std::move(names));
}
