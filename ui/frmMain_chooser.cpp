// The main window's handlers that work with the chooser and the rename pass:
// "Select " and "Rename".
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "frmDir.h"
#include "frmMain.h"
#include "options_logic.h"
#include "override_pointer.h"
#include "qt_text.h"
#include "rename_pass.h"

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
    const OptionValues labels = Options();
    const morvane::OptionTexts options{ToText(labels.Prefix), ToText(labels.Sufix), ToText(labels.StartingNumber),
                                       ToText(labels.LetteringPosition)};
    OverridePointer pointer;
    const morvane::PassOutcome outcome = morvane::RunRenamePass(m_ws, entries, ToText(dialog->DirectoryPath()), options,
                                                                ToText(txtFile->text()), m_renamer, pointer);
    txtExample->setText(ToQString(outcome.ExampleText));
    if (!outcome.Completed) return;
    txtMask->setText("");
    List1->clear();
    txtFile->setText("");
    dialog->OpenReview();
}
