#pragma once
// The history of passes: one row per pass the journal store keeps, newest
// first, with when it ran, where, how many files it renamed and where it
// stands. Modeless and sizable; it shows what the main window hands it and
// reaches the main window only by asking for the undo of the newest pass or
// for a pass to be forgotten.
#include <QDialog>

#include <vector>

#include "session/pass_history.h"

class QPushButton;
class QStandardItemModel;
class QTreeView;

class frmHistory : public QDialog {
    Q_OBJECT
public:
    explicit frmHistory(QWidget* owner);

    // Shows the passes in place of the ones shown before; "&Undo" is
    // available when there is a pass to undo.
    void ShowHistory(const std::vector<morvane::PassSummary>& passes, bool undoAvailable);
    // Shows the window centred on the screen, or raises it when it is open.
    void Open();

signals:
    // "&Undo": the main window's "Undo Last Rename" is to run.
    void UndoRequested();
    // "&Forget...": the pass selected is to leave the history, after a question.
    void ForgetRequested(const morvane::PassSummary& pass);

private:
    void BuildControls();
    void FollowSelection();

    QStandardItemModel* m_rows = nullptr;
    QTreeView* lstHistory = nullptr;
    QPushButton* cmdHistoryUndo = nullptr;
    QPushButton* cmdHistoryForget = nullptr;
    std::vector<morvane::PassSummary> m_passes;
    QPushButton* cmdHistoryClose = nullptr;
};
