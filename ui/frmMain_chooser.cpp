// The main window's handlers that work with the chooser and the rename pass:
// "Select " and "Rename".
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "busy_cursor.h"
#include "frmDir.h"
#include "frmMain.h"
#include "qt_text.h"
#include "rename_pass.h"
#include "report_text.h"

frmDir* frmMain::dirDialog() {
    // A dialog that has been closed is only waiting to be destroyed.
    if (m_dir && m_dir->isClosed()) m_dir = nullptr;
    if (!m_dir) m_dir = new frmDir(*this, m_ws, m_store, m_renamer, m_mounts);
    return m_dir;
}

void frmMain::Command3_Click() {
    List1->clear();
    txtMask->setText("");
    txtFile->setText("");
    txtExample->setText("");
    const bool wasOpen = m_dir && !m_dir->isClosed();
    frmDir* dialog = dirDialog();
    m_ws.DirPath = ToText(dialog->DirectoryPath());
    dialog->OpenChooser();
    // A dialog created just now has read its directory a moment ago.
    if (wasOpen) dialog->RefreshFiles();
}

void frmMain::Command4_Click() {
    std::vector<morvane::Text> entries;
    entries.reserve(static_cast<std::size_t>(List1->count()));
    for (int i = 0; i < List1->count(); ++i) entries.push_back(ToText(List1->item(i)->text()));
    // The directory the open chooser shows, or the one stored under "Dir"
    // when the chooser is closed (creating it restores that directory).
    frmDir* dialog = dirDialog();
    morvane::PassOutcome outcome;
    {
        BusyCursor busy;
        outcome = morvane::RunRenamePass(m_ws, entries, ToText(dialog->DirectoryPath()), Options(),
                                         ToText(txtFile->text()), m_renamer);
    }
    txtExample->setText(PassReport(outcome.Error, outcome.FilesSkipped));
    if (outcome.Error != morvane::ErrNone) return;
    txtMask->setText("");
    List1->clear();
    txtFile->setText("");
    dialog->OpenReview();
}
