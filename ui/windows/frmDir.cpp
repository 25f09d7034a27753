#include "windows/frmDir.h"

#include <vector>

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include "widgets/dialog_frame.h"
#include "widgets/dialog_placement.h"
#include "widgets/dir_indent_delegate.h"
#include "widgets/dir_list_box.h"
#include "files/directory_listing.h"
#include "files/directory_path.h"
#include "widgets/enter_escape_filter.h"
#include "widgets/file_list_box.h"
#include "widgets/form_builder.h"
#include "presenter/presenter.h"
#include "files/mount_table.h"
#include "widgets/mount_table_source.h"
#include "qt_text.h"
#include "settings_store.h"
#include "texts/status_text.h"

namespace {

using enum ControlKind;

// Neither button is a default button: Enter presses neither.
const ControlRow Controls[] = {
    {DriveList, "Drive1", nullptr, 120, 120, 3015, 315, 0, QT_TRANSLATE_NOOP("frmDir", "Drive"), nullptr},
    {DirList, "Dir1", nullptr, 120, 600, 3495, 5040, 1, QT_TRANSLATE_NOOP("frmDir", "Directory"), nullptr},
    {Button, "Command1", QT_TRANSLATE_NOOP("frmDir", "&OK"), 4200, 120, 1215, 375, 2, nullptr, nullptr},
    {Button, "Command2", QT_TRANSLATE_NOOP("frmDir", "&Cancel"), 6240, 120, 1215, 375, 3, nullptr, nullptr},
    {FileList, "File1", nullptr, 3840, 600, 3975, 5100, 4, QT_TRANSLATE_NOOP("frmDir", "Files"), nullptr},
};

// The directory the chooser falls back on: the user's home, or the root.
QString HomeDirectory() {
    const QString home = QDir::cleanPath(QDir::homePath());
    return morvane::CanOpenDirectory(ToText(home)) ? home : QStringLiteral("/");
}

}  // namespace

frmDir::frmDir(QWidget& owner, const Presenter& presenter, SettingsStore& store, const MountTableSource& mounts)
    : QDialog(&owner), m_presenter(presenter), m_store(store), m_mounts(mounts) {
    setObjectName("frmDir");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlags(kFixedDialogFrame);
    setWindowIcon(owner.windowIcon());
    BuildControls();
    Form_Load();
    connect(&presenter, &Presenter::StateChanged, this, &frmDir::ShowState);
    // A review whose undo left a file shows the names as they now are; one
    // whose every file is back ends, and the dialog with it.
    connect(&presenter, &Presenter::ReviewGoesOn, this, &frmDir::ListDirectory);
    connect(&presenter, &Presenter::ReviewEnded, this, &frmDir::HideAndClose);
    ShowState();
}

bool frmDir::Reviewing() const { return m_presenter.State() == morvane::SessionState::Reviewing; }

void frmDir::ShowState() {
    const bool reviewing = Reviewing();
    Command1->setText(reviewing ? tr("Accept") : tr("&OK"));
    Command2->setText(reviewing ? tr("Undo") : tr("&Cancel"));
    // Nothing to accept or undo while the review's undo is out.
    Command1->setEnabled(!m_presenter.ReviewUndoing());
    Command2->setEnabled(!m_presenter.ReviewUndoing());
}

void frmDir::BuildControls() {
    const Form form = BuildForm(*this, Controls, "frmDir");
    setFixedSize(form.Size(7905, 5955));
    Drive1 = form.get<QComboBox>("Drive1");
    Dir1 = form.get<DirListBox>("Dir1");
    Dir1->setItemDelegate(new DirIndentDelegate(Dir1));
    Command1 = form.get<QPushButton>("Command1");
    Command2 = form.get<QPushButton>("Command2");
    File1 = form.get<FileListBox>("File1");
    new EnterEscapeFilter(*this);

    connect(Dir1, &DirListBox::Change, this, &frmDir::Dir1_Change);
    connect(Dir1, &DirListBox::OpenRefused, this, &frmDir::Dir1_OpenRefused);
    connect(Command1, &QPushButton::clicked, this, &frmDir::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmDir::Command2_Click);
    connect(File1, &QAbstractItemView::doubleClicked, this, &frmDir::File1_DblClick);
}

void frmDir::Form_Load() {
    new CentreOnceFramed(*this);
    FillDrives();
    // A stored directory that no longer opens gives the home directory, silently.
    if (!Dir1->setPath(m_store.read("Dir", HomeDirectory()))) Dir1->setPath(HomeDirectory());
    ShowDriveOf(Dir1->path());
    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmDir::Drive1_Change);
    Drive1->setFocus();
}

// From the mount table's text alone: asking each file system about itself
// would wait on any mount that has stopped answering.
void frmDir::FillDrives() {
    const QByteArray table = m_mounts.MountTable();
    for (const morvane::Text& root : morvane::VolumeRoots(std::string_view(table.constData(), table.size())))
        Drive1->addItem(ToQString(root));
}

QString frmDir::VolumeOf(const QString& path) const {
    std::vector<morvane::Text> roots;
    for (int i = 0; i < Drive1->count(); ++i) roots.push_back(ToText(Drive1->itemText(i)));
    return ToQString(morvane::VolumeOf(ToText(path), roots));
}

void frmDir::ShowDriveOf(const QString& path) {
    const int index = Drive1->findText(VolumeOf(path));
    if (index >= 0) Drive1->setCurrentIndex(index);
}

void frmDir::Drive1_Change() {
    const QString root = Drive1->currentText();
    // Choosing the volume already shown keeps the directory shown.
    if (VolumeOf(Dir1->path()) == root) return;
    // A volume that cannot be read: no message, the list goes back to the
    // volume of the directory shown.
    if (!Dir1->setPath(root)) ShowDriveOf(Dir1->path());
}

void frmDir::Dir1_Change() {
    // A dialog not shown yet reads nothing: "Rename" creates it hidden and
    // has it read the directory once, after the pass, for the review.
    if (m_shown) ListDirectory();
    ShowDriveOf(Dir1->path());  // opening a mount point moves onto its volume
}

// One read of the directory gives Dir1 its subdirectories and File1 its files.
void frmDir::ListDirectory() {
    m_shown = true;
    morvane::DirectoryListing listing = morvane::ListDirectory(ToText(Dir1->path()));
    Dir1->ShowSubdirectories(std::move(listing.Subdirectories));
    File1->Show(Dir1->path(), std::move(listing.Files));
}

void frmDir::Command1_Click() {
    m_store.write("Dir", Dir1->path());
    if (Reviewing()) {
        emit Accepted();
    } else {
        // Rows in the list's own order, not in the order they were clicked;
        // the pass works where they were chosen.
        std::vector<morvane::Text> chosen = File1->TakeRows(File1->SelectedRows());
        emit Chosen(Dir1->path(), chosen);
    }
    HideAndClose();
}

// The review's "Undo" runs as every undo does; its outcome reaches the
// dialog through the presenter (the review goes on or ends).
void frmDir::Command2_Click() {
    if (Reviewing()) {
        emit UndoAsked();
        return;
    }
    emit Cancelled();
    HideAndClose();
}

void frmDir::File1_DblClick() { Command1_Click(); }

// A folder opened from the list that cannot be read says why; the list stays.
void frmDir::Dir1_OpenRefused(const QString& dir) {
    const QString folder = QDir::cleanPath(QDir(Dir1->path()).absoluteFilePath(dir));
    QMessageBox::warning(this, windowTitle(), FolderRefusedWords(folder, morvane::DirectoryOpenError(ToText(folder))));
}

QString frmDir::DirectoryPath() const { return Dir1->path(); }

void frmDir::OpenChooser() {
    setWindowTitle(tr("Select the files to rename"));
    ListDirectory();
    show();
    raise();
    activateWindow();
}

void frmDir::OpenReview(const QString& directory) {
    // A dialog already shown reads the directory as it moves there.
    const bool readOnTheMove = m_shown && directory != Dir1->path();
    if (directory != Dir1->path()) Dir1->setPath(directory);
    setWindowTitle(tr("Accept the new names, or Undo the changes"));
    show();
    raise();
    activateWindow();
    if (!readOnTheMove) ListDirectory();
}

void frmDir::HideAndClose() {
    hide();
    close();
}

void frmDir::closeEvent(QCloseEvent* event) {
    // Closed by its frame while reviewing: the names stay as they are, so
    // that a new choice can follow; "Undo Last Rename" can still undo them.
    m_closed = true;
    if (Reviewing()) emit ClosedInReview();
    QDialog::closeEvent(event);
}
