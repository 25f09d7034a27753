#include "widgets/dir_list_box.h"

#include <QDir>
#include <QStyle>

#include "widgets/dir_list_model.h"
#include "files/directory_listing.h"
#include "qt_text.h"

DirListBox::DirListBox(QWidget* parent) : QListView(parent), model_(new morvane::DirListModel(this)) {
    model_->SetIcons(style()->standardIcon(QStyle::SP_DirOpenIcon), style()->standardIcon(QStyle::SP_DirClosedIcon));
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        Open(index.data(morvane::DirListModel::PathRole).toString());
    });
}

void DirListBox::Open(const QString& dir) {
    const QString before = m_path;
    // A directory that will not open is left alone; the one shown, opened
    // again, is read again.
    if (!setPath(dir)) emit OpenRefused(dir);
    else if (m_path == before) emit Change();
}

bool DirListBox::setPath(const QString& dir) {
    if (dir.isEmpty()) return false;
    const QString clean = QDir::cleanPath(QDir(m_path.isEmpty() ? QDir::rootPath() : m_path).absoluteFilePath(dir));
    if (!morvane::CanOpenDirectory(ToText(clean))) return false;
    if (clean == m_path) return true;
    m_path = clean;
    model_->Show(ToText(m_path), {});
    ShowCurrentRow();
    emit Change();
    return true;
}

void DirListBox::ShowSubdirectories(std::vector<morvane::Text> names) {
    model_->Show(ToText(m_path), std::move(names));
    ShowCurrentRow();
}

int DirListBox::count() const { return model_->rowCount(); }

void DirListBox::setCurrentRow(int row) { setCurrentIndex(model_->index(row)); }

void DirListBox::ShowCurrentRow() { setCurrentRow(model_->CurrentRow()); }
