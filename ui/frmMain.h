#pragma once
// The main window. Its controls are its own: the chooser, the review dialog
// and the options dialog reach it only through the operations below.
#include <QMainWindow>
#include <QPointer>
#include <QElapsedTimer>
#include <QStringList>

#include <unordered_set>

#include "mount_table_source.h"
#include "naming/options.h"
#include "session/rename_session.h"
#include "status_text.h"

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class NameListBox;
class ListOrderer;
struct OrderedChoice;
class QTimer;
class SettingsStore;
class frmDir;
class frmHistory;
class frmPreview;
namespace morvane {
struct FileChoice;
class UndoJob;
}

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The window shows the session and works through it; the chooser it
    // opens reads its volumes from `mounts`.
    frmMain(morvane::RenameSession& session, SettingsStore& store, const MountTableSource& mounts = SystemMountTable(),
            QWidget* parent = nullptr);
    ~frmMain() override;

    // The chooser's "&OK": the names of directory, in the given order, become
    // the session's choice and the list. When the list's first entry is not
    // empty it becomes the example name, "Set Mask" and "Extract" are enabled
    // and "Rename" disabled; otherwise all three are disabled. The list then
    // takes the order the options ask for; the example stays.
    void TakeChosenFiles(const QString& directory, const QStringList& names);
    // Puts the text in the example new name box.
    void ShowExampleText(const QString& text);
    // The status line below the example box: what happened, in words.
    void ShowStatus(const QString& words);
    // A failure: its number in the example box, its words in the status line.
    void ShowError(morvane::ErrorNumber error, const StatusContext& context = {});
    // What an undo did: the counts in the status line, and a failure as
    // "Error # n" in the example box with its words after the counts.
    void ShowUndo(const morvane::SessionUndo& undo, const QString& folder);
    // Runs an undo the session handed out for the pass in folder off the
    // window's thread, with its progress and a way to give up waiting, and
    // shows its outcome whenever it ends.
    void RunUndo(std::unique_ptr<morvane::UndoJob> job, const QString& folder);
    // Disables "Set Mask", "Extract" and "Rename".
    void DisableWorkflowButtons();
    // The session's options, which the option labels show.
    morvane::Options Options() const;
    void SetOptions(const morvane::Options& options);
    // Files named on the command line or dropped, taken as a choice made in
    // the chooser; does nothing while the review dialog shows a pass.
    void TakeFileChoice(const morvane::FileChoice& choice);
    // Enables "Undo Last Rename" while the store holds a pass that can still
    // be undone and no review dialog is open.
    void RefreshUndoLast();
    // Where "Help" looks for the help file.
    void SetHelpFilePath(const QString& path) { m_helpFilePath = path; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void List1_DblClick();
    void mnuFilePreview_Click();
    void MnuFileExit_Click();
    void mnuFileUndoLast_Click();
    void ForgetPass(const morvane::PassSummary& pass);
    void mnuFileHistory_Click();
    void mnuClearOptions_Click();
    void mnuOptionsSetOptions_Click();
    void MnuHelpHelp_Click();
    void MnuHelpAbout_Click();

private:
    void BuildControls();
    void BuildMenus();
    void Form_Load();
    void EnableFileDrops();
    bool ReviewShowing() const;
    // The chooser / review dialog: created (hidden) on first use, destroyed
    // when it closes.
    frmDir* dirDialog();
    // The example and the mask as typed are the session's.
    void ConnectSession();
    // The list shows the session's listed names.
    void ShowListed();
    // The preview of every new name (frmMain_preview.cpp): its menu item is
    // available exactly while "Rename" is enabled and files are listed, and
    // the open preview follows what the pass would do.
    void ConnectPreview();
    void UpdatePreviewItem();
    void RefreshPreview();
    morvane::Prediction PredictRename();
    // The list in the order of the options (frmMain_order.cpp): ordering
    // starts whenever files are chosen or the order changes, and the session
    // takes the order found; what needs the final order waits for it.
    void ConnectOrdering();
    void OrderList();
    void StopOrdering();
    void ShowOrderedList(OrderedChoice ordered);
    void WaitForListOrder();
    void ShowOrderProgress();
    void List1_MoveRequested(int from, int to);

    morvane::RenameSession& m_session;
    SettingsStore& m_store;
    const MountTableSource& m_mounts;
    QString m_helpFilePath;
    QPointer<frmDir> m_dir;
    QPointer<frmPreview> m_preview;  // created on first use, hidden when closed
    QPointer<frmHistory> m_history;  // the same
    QAction* mnuFilePreview = nullptr;

    QPushButton* Command1 = nullptr;  // "Extract"
    QPushButton* Command2 = nullptr;  // "Set Mask"
    QPushButton* Command3 = nullptr;  // "Select "
    QPushButton* Command4 = nullptr;  // "Rename"
    QLineEdit* txtFile = nullptr;
    QLineEdit* txtMask = nullptr;
    QLineEdit* txtExample = nullptr;
    QLabel* lblStatus = nullptr;
    NameListBox* List1 = nullptr;
    QLabel* lblPrefix = nullptr;
    QLabel* lblSufix = nullptr;
    QLabel* lblStartNumber = nullptr;
    QLabel* lblLetteringPosition = nullptr;
    QLabel* lblOrder = nullptr;          // the list order's number, "0".."3"
    QLabel* lblOrderProgress = nullptr;  // shown while a long ordering reads the files

    std::unordered_set<morvane::Text> m_noDateTaken;  // listed by modification time instead
    ListOrderer* m_orderer = nullptr;
    QTimer* m_orderProgress = nullptr;
    QElapsedTimer m_orderStarted;
};
