// The main window's handlers that work with the chooser and the rename pass:
// "Select " and "Rename".
#include <QLabel>
#include <QLineEdit>

#include "busy_cursor.h"
#include "frmDir.h"
#include "frmMain.h"
#include "name_list_box.h"
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
    frmDir* dialog = dirDialog();
    m_ws.DirPath = ToText(dialog->DirectoryPath());
    dialog->OpenChooser();  // reads the directory, once
}

void frmMain::Command4_Click() {
    // The directory the open chooser shows, or the one stored under "Dir"
    // when the chooser is closed (creating it restores that directory).
    frmDir* dialog = dirDialog();
    morvane::PassOutcome outcome;
    {
        BusyCursor busy;
        outcome = morvane::RunRenamePass(m_ws, List1->Names(), ToText(dialog->DirectoryPath()), Options(),
                                         ToText(txtFile->text()), m_renamer);
    }
    txtExample->setText(PassReport(outcome.Error, outcome.FilesSkipped));
    if (outcome.Error != morvane::ErrNone) return;
    txtMask->setText("");
    List1->clear();
    txtFile->setText("");
    dialog->OpenReview();
}
