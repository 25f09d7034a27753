// The main window's handlers that work with the chooser and the rename pass:
// "Select " and "Rename".
#include <QLabel>
#include <QLineEdit>

#include <QAction>
#include <QMessageBox>

#include "busy_cursor.h"
#include "files/directory_listing.h"
#include "frmDir.h"
#include "frmMain.h"
#include "name_list_box.h"
#include "qt_text.h"
#include "pass/rename_pass.h"
#include "report_text.h"
#include "journal/stored_pass.h"

frmDir* frmMain::dirDialog() {
    // A dialog that has been closed is only waiting to be destroyed.
    if (m_dir && m_dir->isClosed()) m_dir = nullptr;
    if (!m_dir) m_dir = new frmDir(*this, m_ws, m_store, m_renamer, m_mounts, m_journals);
    return m_dir;
}

void frmMain::Command3_Click() {
    List1->clear();
    txtMask->setText("");
    txtFile->setText("");
    txtExample->setText("");
    ShowStatus(QString());
    frmDir* dialog = dirDialog();
    m_ws.DirPath = ToText(dialog->DirectoryPath());
    dialog->OpenChooser();  // reads the directory, once
}

void frmMain::Command4_Click() {
    const std::vector<morvane::Text> entries = ListedNames();
    frmDir* dialog = dirDialog();
    const morvane::Text directory = PassDirectory();
    if (!entries.empty() && !morvane::CanOpenDirectory(directory)) {
        ShowError(morvane::ErrPathNotFound, {ToQString(directory)});
        return;
    }
    morvane::PassOutcome outcome;
    {
        BusyCursor busy;
        std::optional<morvane::StoredPassRecorder> recorder;
        if (m_journals) recorder.emplace(*m_journals);
        outcome = morvane::RunRenamePass(m_ws, entries, directory, Options(), ToText(txtFile->text()), m_renamer,
                                         recorder ? &*recorder : nullptr);
    }
    if (outcome.Error != morvane::ErrNone) {
        ShowError(outcome.Error, {ToQString(directory), outcome.Refused});
        RefreshUndoLast();  // a pass that failed part way can be undone from the menu
        return;
    }
    ShowExampleText(PassReport(outcome.Error, outcome.FilesSkipped));
    ShowStatus(RenamedWords(outcome.Renamed, outcome.FilesSkipped));
    txtMask->setText("");
    List1->clear();
    txtFile->setText("");
    dialog->OpenReview(ToQString(directory));
    RefreshUndoLast();
}

// Where the files were chosen, whatever the chooser shows now or another copy
// of the program stored; the chooser's directory only when nothing was chosen
// in this run.
morvane::Text frmMain::PassDirectory() {
    return m_ws.DirPath.empty() ? ToText(dirDialog()->DirectoryPath()) : m_ws.DirPath;
}

void frmMain::RefreshUndoLast() {
    auto* undoLast = findChild<QAction*>("mnuFileUndoLast");
    bool enable = false;
    if (m_journals && !ReviewShowing()) {
        int error = 0;
        const auto ended = m_journals->FindLatestEnded(error);
        enable = ended && ended->Problem == morvane::JournalProblem::None &&
                 morvane::HasRenamed(morvane::FromStored(ended->Journal));
    }
    undoLast->setEnabled(enable);
}

// "Undo Last Rename": the last pass's files get their old names back, found
// by their identity wherever they are now, also after a restart.
void frmMain::mnuFileUndoLast_Click() {
    if (!m_journals || ReviewShowing()) return;
    int error = 0;
    auto ended = m_journals->FindLatestEnded(error);
    if (!ended || ended->Problem != morvane::JournalProblem::None) {
        RefreshUndoLast();
        return;
    }
    morvane::RenameJournal journal = morvane::FromStored(ended->Journal);
    const std::size_t renamed = morvane::CountRenamed(journal, m_renamer);
    const QString directory = ToQString(journal.Directory);
    const QString question =
        (renamed == 1 ? tr("Give the file renamed in %1 its old name back?")
                      : tr("Give the %n files renamed in %1 their old names back?", nullptr, int(renamed)))
            .arg(directory);
    if (QMessageBox::question(this, tr("Undo Last Rename"), question) != QMessageBox::Yes) return;
    morvane::UndoOutcome outcome;
    {
        BusyCursor busy;
        outcome = morvane::UndoLastPass(journal, m_renamer);
        morvane::StoreAfterUndo(*m_journals, ended->Lock, journal);
    }
    ended.reset();  // gives the journal's lock up
    if (outcome.FirstError != morvane::ErrNone) {
        ShowError(outcome.FirstError, {directory, {}, true});
    } else {
        ShowExampleText(QString());
        ShowStatus(RestoredWords(outcome.Restored));
    }
    RefreshUndoLast();
}
