// The main window's handlers that lead a rename: "Select " (the chooser),
// "Rename" (the pass and its review), "Undo Last Rename" and the history.
// The dialogs answer through their signals, handed on to the presenter.
#include <QAction>
#include <QMessageBox>

#include "presenter/presenter.h"
#include "qt_text.h"
#include "windows/frmDir.h"
#include "windows/frmHistory.h"
#include "windows/frmMain.h"

frmDir* frmMain::dirDialog() {
    // A dialog that has been closed is only waiting to be destroyed.
    if (m_dir && m_dir->isClosed()) m_dir = nullptr;
    if (m_dir) return m_dir;
    frmDir* dialog = new frmDir(*this, m_presenter, m_store, m_mounts);
    Presenter* p = &m_presenter;
    connect(dialog, &frmDir::Chosen, p,
            [p](const QString& directory, std::vector<morvane::Text>& names) { p->Choose(directory, std::move(names)); });
    connect(dialog, &frmDir::Cancelled, p, &Presenter::CancelChoosing);
    connect(dialog, &frmDir::Accepted, p, &Presenter::Accept);
    connect(dialog, &frmDir::UndoAsked, p, [p, dialog] { p->UndoReview(*dialog); });
    connect(dialog, &frmDir::ClosedInReview, p, &Presenter::CloseReview);
    m_dir = dialog;
    return dialog;
}

void frmMain::Command3_Click() {
    frmDir* dialog = dirDialog();
    m_presenter.StartChoosing(dialog->DirectoryPath());
    dialog->OpenChooser();  // reads the directory, once
}

void frmMain::Command4_Click() { m_presenter.Rename(); }

// An empty pass before any choice in this run shows the chooser's directory.
void frmMain::OpenReview(const QString& directory) {
    frmDir* dialog = dirDialog();
    dialog->OpenReview(directory.isEmpty() ? dialog->DirectoryPath() : directory);
}

// The open history follows the store, which another copy of the program may
// change too.
void frmMain::ShowHistory() {
    if (m_history && m_history->isVisible()) m_history->ShowHistory(m_presenter.Passes(), m_presenter.UndoAvailable());
}

void frmMain::mnuFileHistory_Click() {
    if (!m_history) {
        m_history = new frmHistory(this);
        connect(m_history, &frmHistory::UndoRequested, this, &frmMain::mnuFileUndoLast_Click);
        connect(m_history, &frmHistory::ForgetRequested, this, &frmMain::ForgetPass);
    }
    m_history->Open();
    m_presenter.RefreshHistory();
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
    m_presenter.Forget(pass.FileName);
}

// "Undo Last Rename": the newest pass not undone yet gets its old names back,
// after the question, also after a restart; again goes one pass further back.
void frmMain::mnuFileUndoLast_Click() {
    // Under review, the review's own Undo is the way back.
    if (m_presenter.State() == morvane::SessionState::Reviewing) return;
    const std::optional<morvane::UndoQuestion> next = m_presenter.NextToUndo();
    if (!next) return;
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
    m_presenter.UndoLast(next->FileName, directory, *this);
}
