#pragma once
// The main window. Its controls are public members because the chooser and
// the review dialog act on them directly (list, text boxes, workflow buttons,
// option labels).
#include <QMainWindow>
#include <QPointer>

#include "options.h"
#include "rename_layer.h"
#include "work_state.h"

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SettingsStore;
class frmDir;
namespace morvane {
struct FileChoice;
}

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(morvane::WorkState& ws, SettingsStore& store, morvane::FileRenamer& renamer,
            QWidget* parent = nullptr);
    ~frmMain() override;

    morvane::WorkState& workState() { return m_ws; }
    SettingsStore& store() { return m_store; }
    morvane::FileRenamer& renamer() { return m_renamer; }

    // The options as the option labels hold them.
    morvane::Options Options() const;
    void ShowOptions(const morvane::Options& options);

    // The chooser / review dialog: created (hidden) on first use, destroyed
    // when it closes.
    frmDir* dirDialog();

    QPushButton* Command1 = nullptr;  // "Extract"
    QPushButton* Command2 = nullptr;  // "Set Mask"
    QPushButton* Command3 = nullptr;  // "Select "
    QPushButton* Command4 = nullptr;  // "Rename"
    QLineEdit* txtFile = nullptr;
    QLineEdit* txtMask = nullptr;
    QLineEdit* txtExample = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* lblPrefix = nullptr;
    QLabel* lblSufix = nullptr;
    QLabel* lblStartNumber = nullptr;
    QLabel* lblLetteringPosition = nullptr;
    QLabel* Picture1 = nullptr;

    // What "&OK" in choosing mode does to this window once the chooser's list
    // has been walked: the names are appended to List1, the first becomes the
    // example and "Set Mask" and "Extract" are enabled, "Rename" is not; with
    // no name, all three are disabled.
    void TakeChosenFiles(const QStringList& names);
    void ShowExampleText(const QString& text);
    // Files named on the command line or dropped, taken as a choice made in
    // the chooser; does nothing while the review dialog shows a pass.
    void TakeFileChoice(const morvane::FileChoice& choice);

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void List1_DblClick();
    void MnuFileExit_Click();
    void mnuClearOptions_Click();
    void mnuOptionsSetOptions_Click();
    void MnuHelpHelp_Click();
    void MnuHelpAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void Form_Load();
    void EnableFileDrops();
    bool ReviewShowing() const;

    morvane::WorkState& m_ws;
    SettingsStore& m_store;
    morvane::FileRenamer& m_renamer;
    QPointer<frmDir> m_dir;
};
