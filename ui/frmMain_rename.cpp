// The main window's handlers that lead a rename through the session: "Select "
// (the chooser), "Rename" (the pass and its review) and "Undo Last Rename".
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>

#include "busy_cursor.h"
#include "frmDir.h"
#include "frmHistory.h"
#include "frmMain.h"
#include "name_list_box.h"
#include "qt_text.h"
#include "report_text.h"
#include "session/undo_job.h"
#include "undo_progress.h"

frmDir* frmMain::dirDialog() {
    // A dialog that has been closed is only waiting to be destroyed.
    if (m_dir && m_dir->isClosed()) m_dir = nullptr;
    if (!m_dir) m_dir = new frmDir(*this, m_session, m_store, m_mounts);
    return m_dir;
}

void frmMain::Command3_Click() {
    frmDir* dialog = dirDialog();
    // The earlier choice goes; a pass under review, which lists nothing, stays as it is.
    (void)m_session.Choose(ToText(dialog->DirectoryPath()), {});
    ShowListed();
    txtMask->setText("");
    txtFile->setText("");
    txtExample->setText("");
    ShowStatus(QString());
    dialog->OpenChooser();  // reads the directory, once
}

void frmMain::Command4_Click() {
    WaitForListOrder();
    frmDir* dialog = dirDialog();
    morvane::RenameOutcome outcome;
    {
        BusyCursor busy;
        outcome = m_session.Rename();
    }
    if (outcome.Refused) return;
    if (outcome.State != morvane::SessionState::Reviewing) {
        // Ended early or never started: the list stays; what the pass renamed
        // can be undone from the menu.
        if (outcome.Error != morvane::ErrNone)
            ShowError(outcome.Error, {ToQString(outcome.Directory), outcome.RefusedName});
        else
            ShowExampleText(PassReport(outcome.Error, outcome.FilesSkipped));
        RefreshUndoLast();
        return;
    }
    // Under review; a journal that could not be completed is reported, the
    // review's Undo still works.
    if (outcome.KeptInMemory) {
        ShowError(outcome.Error, {ToQString(outcome.Directory)});
    } else {
        ShowExampleText(PassReport(morvane::ErrNone, outcome.FilesSkipped));
        ShowStatus(RenamedWords(outcome.Renamed, outcome.FilesSkipped));
    }
    txtMask->setText("");
    ShowListed();
    txtFile->setText("");
    // An empty pass before any choice in this run shows the chooser's directory.
    dialog->OpenReview(outcome.Directory.empty() ? dialog->DirectoryPath() : ToQString(outcome.Directory));
    RefreshUndoLast();
}

// The menu item and the open history follow the store, which another copy
// of the program may change too.
void frmMain::RefreshUndoLast() {
    auto* undoLast = findChild<QAction*>("mnuFileUndoLast");
    // From the journals alone: their folders may be on a mount that does not answer.
    const bool available = !ReviewShowing() && m_session.HasPassToUndo();
    undoLast->setEnabled(available);
    if (m_history && m_history->isVisible()) m_history->ShowHistory(m_session.History(), available);
}

void frmMain::mnuFileHistory_Click() {
    if (!m_history) {
        m_history = new frmHistory(this);
        connect(m_history, &frmHistory::UndoRequested, this, &frmMain::mnuFileUndoLast_Click);
        connect(m_history, &frmHistory::ForgetRequested, this, &frmMain::ForgetPass);
    }
    m_history->Open();
    RefreshUndoLast();
}

// A pass leaves the history only when the user asks, after a question.
void frmMain::ForgetPass(const morvane::PassSummary& pass) {
    const QString directory = ToQString(pass.Directory);
    const QString question =
        pass.Files == 1
            ? tr("Forget the rename of 1 file in %1? The file keeps the name it has now, and the rename can no "
                 "longer be undone.")
                  .arg(directory)
            : tr("Forget the rename of %n files in %1? The files keep the names they have now, and the rename can "
                 "no longer be undone.",
                 nullptr, int(pass.Files))
                  .arg(directory);
    if (QMessageBox::question(m_history ? static_cast<QWidget*>(m_history) : this, tr("Forget Rename"), question) !=
        QMessageBox::Yes)
        return;
    if (const morvane::SessionResult result = m_session.Forget(pass.FileName); result.Error != morvane::ErrNone)
        ShowError(result.Error);
    RefreshUndoLast();
}

// "Undo Last Rename": the newest pass not undone yet gets its old names back,
// after the question, also after a restart; again goes one pass further back.
void frmMain::mnuFileUndoLast_Click() {
    if (ReviewShowing()) return;
    const std::optional<morvane::UndoQuestion> next = m_session.NextToUndo();
    if (!next) {
        RefreshUndoLast();
        return;
    }
    const QString directory = ToQString(next->Directory);
    if (next->HeldElsewhere) {
        // Never skipped for an older pass: the copy that holds it lets it go first.
        const QString copy = next->Holder > 0 ? tr("another copy of Morvane (process %1)").arg(next->Holder)
                                              : tr("another copy of Morvane");
        QMessageBox::information(this, tr("Undo Last Rename"),
                                 next->StillRunning
                                     ? tr("The newest rename, in %1, is still running in %2. Wait until it ends, "
                                          "then undo it.")
                                           .arg(directory, copy)
                                     : tr("The newest rename, in %1, is under review in %2. Accept or undo it there "
                                          "first.")
                                           .arg(directory, copy));
        return;
    }
    // Asked from the journal alone; the outcome tells which files came back,
    // which were back already and which are gone.
    const QString question =
        next->Files == 1
            ? tr("Give the file renamed in %1 its old name back?").arg(directory)
            : tr("Give the %n files renamed in %1 their old names back?", nullptr, int(next->Files)).arg(directory);
    if (QMessageBox::question(this, tr("Undo Last Rename"), question) != QMessageBox::Yes) return;
    std::unique_ptr<morvane::UndoJob> job = m_session.HandOutUndoLast(next->FileName);
    if (!job) {
        RefreshUndoLast();
        return;
    }
    RunUndo(std::move(job), directory);
}

void frmMain::RunUndo(std::unique_ptr<morvane::UndoJob> job, const QString& folder) {
    RefreshUndoLast();  // no other undo of a stored pass while this one runs
    const bool ended = UndoProgress::Run(*this, std::move(job), folder, [this, folder](const morvane::UndoJob& done) {
        ShowUndo(m_session.TakeUndo(done), folder);
        RefreshUndoLast();
    });
    if (!ended) ShowStatus(UndoProgress::GaveUpWords(folder));
}
