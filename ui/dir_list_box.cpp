#include "dir_list_box.h"

#include <QDir>
#include <QStyle>

#include "dir_indent_delegate.h"
#include "directory_listing.h"
#include "directory_path.h"
#include "qt_text.h"

namespace {
constexpr int PathRole = Qt::UserRole;
}  // namespace

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    connect(this, &QListWidget::activated, this, [this](const QModelIndex& index) {
        setPath(index.data(PathRole).toString());  // a directory that will not open is left alone
    });
}

bool DirListBox::setPath(const QString& dir) {
    if (dir.isEmpty()) return false;
    const QString clean = QDir::cleanPath(QDir(m_path.isEmpty() ? QDir::rootPath() : m_path).absoluteFilePath(dir));
    if (!morvane::CanOpenDirectory(ToText(clean))) return false;
    const bool changed = clean != m_path;
    m_path = clean;
    Fill();
    if (changed) emit Change();
    return true;
}

void DirListBox::Refresh() { Fill(); }

void DirListBox::Fill() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto chain = morvane::AncestorsOf(ToText(m_path));
    int depth = 0;
    for (const auto& ancestor : chain) {
        const QString full = ToQString(ancestor);
        const QString name = depth == 0 ? full : full.section('/', -1);
        auto* item = new QListWidgetItem(open, name, this);
        item->setData(PathRole, full);
        item->setData(DirDepthRole, depth);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const auto here = ToText(m_path);
    for (const auto& sub : morvane::ListSubdirectories(here)) {
        auto* item = new QListWidgetItem(closed, ToQString(sub), this);
        item->setData(PathRole, ToQString(morvane::JoinPath(here, sub)));
        item->setData(DirDepthRole, depth);
    }
}
