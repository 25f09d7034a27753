#include "frmDir.h"

#include <algorithm>
#include <vector>

#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include "dialog_placement.h"
#include "dir_list_box.h"
#include "directory_listing.h"
#include "directory_path.h"
#include "file_list_box.h"
#include "frmMain.h"
#include "busy_cursor.h"
#include "qt_text.h"
#include "rename_pass.h"
#include "report_text.h"
#include "settings_store.h"

namespace {

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);  // Enter presses neither button
    b->setDefault(false);
    return b;
}

// The directory the chooser falls back on: the user's home, or the root.
QString HomeDirectory() {
    const QString home = QDir::cleanPath(QDir::homePath());
    return morvane::CanOpenDirectory(ToText(home)) ? home : QStringLiteral("/");
}

}  // namespace

frmDir::frmDir(frmMain& main) : QDialog(&main), m_main(main) {
    setObjectName("frmDir");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(main.windowIcon());
    setFixedSize(Twips(7905), Twips(5955));
    BuildControls();
    Form_Load();
}

void frmDir::BuildControls() {
    Drive1 = new QComboBox(this);
    Drive1->setObjectName("Drive1");
    Drive1->setGeometry(TwipsRect(120, 120, 3015, 315));
    Drive1->setAccessibleName("Drive");

    Dir1 = new DirListBox(this);
    Dir1->setObjectName("Dir1");
    Dir1->setGeometry(TwipsRect(120, 600, 3495, 5040));
    Dir1->setAccessibleName("Directory");

    Command1 = MakeButton("Command1", "&OK", this);
    Command1->setGeometry(TwipsRect(4200, 120, 1215, 375));
    Command2 = MakeButton("Command2", "&Cancel", this);
    Command2->setGeometry(TwipsRect(6240, 120, 1215, 375));

    File1 = new FileListBox(this);
    File1->setObjectName("File1");
    File1->setGeometry(TwipsRect(3840, 600, 3975, 5100));
    File1->setAccessibleName("Files");

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, File1);

    connect(Dir1, &DirListBox::Change, this, &frmDir::Dir1_Change);
    connect(Command1, &QPushButton::clicked, this, &frmDir::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmDir::Command2_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &frmDir::File1_DblClick);
}

void frmDir::Form_Load() {
    CentreOnScreen(*this);
    FillDrives();
    // A stored directory that no longer opens gives the home directory, silently.
    if (!Dir1->setPath(m_main.store().read("Dir", HomeDirectory()))) Dir1->setPath(HomeDirectory());
    ShowDriveOf(Dir1->path());
    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmDir::Drive1_Change);
    Drive1->setFocus();
}

void frmDir::FillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Single files mounted in place (common in containers) are no volumes to browse.
        if (QFileInfo(root).isDir()) roots << root;
    }
    if (!roots.contains("/")) roots << "/";
    roots.sort();
    roots.removeDuplicates();
    Drive1->addItems(roots);
}

void frmDir::ShowDriveOf(const QString& path) {
    std::vector<morvane::Text> roots;
    for (int i = 0; i < Drive1->count(); ++i) roots.push_back(ToText(Drive1->itemText(i)));
    const int index = Drive1->findText(ToQString(morvane::VolumeOf(ToText(path), roots)));
    if (index >= 0) Drive1->setCurrentIndex(index);
}

void frmDir::Drive1_Change() {
    const QString root = Drive1->currentText();
    std::vector<morvane::Text> roots;
    for (int i = 0; i < Drive1->count(); ++i) roots.push_back(ToText(Drive1->itemText(i)));
    // Choosing the volume already shown keeps the directory shown.
    if (ToQString(morvane::VolumeOf(ToText(Dir1->path()), roots)) == root) return;
    // A volume that cannot be read: no message, the list goes back to the
    // volume of the directory shown.
    if (!Dir1->setPath(root)) ShowDriveOf(Dir1->path());
}

void frmDir::Dir1_Change() {
    File1->setPath(Dir1->path());
    ShowDriveOf(Dir1->path());  // opening a mount point moves onto its volume
}

void frmDir::Command1_Click() {
    m_main.store().write("Dir", Dir1->path());
    if (Command1->text() != "Accept") {
        const int count = File1->count();
        m_main.workState().LastIndex = count - 1;
        // Rows in the list's own order, not in the order they were clicked.
        std::vector<int> rows;
        for (const QItemSelectionRange& range : File1->selectionModel()->selection())
            for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        QStringList chosen;
        chosen.reserve(static_cast<qsizetype>(rows.size()));
        for (const int row : rows) chosen << File1->item(row)->text();
        m_main.TakeChosenFiles(chosen);
    } else {
        DisableWorkflowButtons();
    }
    HideAndClose();
}

void frmDir::Command2_Click() {
    if (Command2->text() == "Undo") {
        morvane::UndoOutcome outcome;
        {
            BusyCursor busy;
            outcome = morvane::UndoLastPass(m_main.workState().Journal, m_main.renamer());
        }
        File1->Refresh();
        if (outcome.FirstError != morvane::ErrNone) {
            // Stays open in review mode, so that "Undo" can be pressed again.
            m_main.txtExample->setText(ErrorText(outcome.FirstError));
            return;
        }
        Command2->setEnabled(false);
    }
    DisableWorkflowButtons();
    HideAndClose();
}

void frmDir::File1_DblClick() { Command1_Click(); }

void frmDir::OpenReview() {
    setWindowTitle("Accept the new names, or Undo the changes");
    show();
    raise();
    activateWindow();
    Command1->setText("Accept");
    Command2->setText("Undo");
    Command2->setEnabled(true);
    File1->Refresh();
}

void frmDir::DisableWorkflowButtons() {
    m_main.Command2->setEnabled(false);
    m_main.Command1->setEnabled(false);
    m_main.Command4->setEnabled(false);
}

void frmDir::HideAndClose() {
    hide();
    close();
}

void frmDir::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();  // neither closes the dialog nor presses a button
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmDir::closeEvent(QCloseEvent* event) {
    m_closed = true;
    QDialog::closeEvent(event);
}
