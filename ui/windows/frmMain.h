#pragma once
// The main window. It shows what the presenter holds and tells it what the
// user asked for; the dialogs it opens answer through their signals, which
// it hands on to the presenter. Its controls are its own.
#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <utility>
#include <vector>

#include "naming/options.h"
#include "widgets/mount_table_source.h"

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class NameListBox;
class Presenter;
class SettingsStore;
class frmDir;
class frmHistory;
class frmPreview;
namespace morvane {
struct FileChoice;
struct PassSummary;
}

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The window shows the presenter's state and works through it; the
    // chooser it opens reads its volumes from `mounts` and keeps its
    // directory in `store`.
    frmMain(Presenter& presenter, SettingsStore& store, const MountTableSource& mounts = SystemMountTable(),
            QWidget* parent = nullptr);
    ~frmMain() override;

    // Files named on the command line or dropped, taken as a choice made in
    // the chooser; does nothing while a pass is under review.
    void TakeFileChoice(const morvane::FileChoice& choice);
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
    void ConnectPresenter();
    // The one place the window's enabling follows the state: the workflow
    // buttons, "Preview New Names" (the open preview closes with it) and
    // "Undo Last Rename".
    void ShowState();
    // The option labels: the options in force, written here alone.
    void ShowOptions();
    // The example and the mask as the workflow holds them.
    void ShowExample();
    void ShowListed();
    void ShowOrderProgress();
    void ShowIdentityProgress();
    // The status line's words, whole: the line takes the lines they need,
    // the controls below it move down and the window grows with it.
    void ShowStatus(const QString& words);
    void RefreshPreview();
    void ShowHistory();
    void OpenReview(const QString& directory);
    // The chooser / review dialog: created (hidden) on first use, destroyed
    // when it closes.
    frmDir* dirDialog();

    Presenter& m_presenter;
    SettingsStore& m_store;
    const MountTableSource& m_mounts;
    QString m_helpFilePath;
    QPointer<frmDir> m_dir;
    QPointer<frmPreview> m_preview;  // created on first use, hidden when closed
    QPointer<frmHistory> m_history;  // the same
    QAction* mnuFilePreview = nullptr;
    QAction* mnuFileUndoLast = nullptr;

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
    // Where the status line and the controls below it lie with one line of
    // status, and the client's least size then.
    QRect m_statusDesign;
    std::vector<std::pair<QWidget*, QRect>> m_belowStatus;
    QSize m_clientDesign;
};
