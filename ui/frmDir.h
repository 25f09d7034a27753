#pragma once
// The file chooser, which after a rename pass becomes the review dialog. It
// acts on the main window only through the main window's public operations,
// and on the rename only through the session.
#include <QDialog>

#include "session/rename_session.h"

class QComboBox;
class QPushButton;
class DirListBox;
class FileListBox;
class MountTableSource;
class SettingsStore;
class frmMain;

// What the dialog is for: its buttons are "&OK" and "&Cancel" while choosing,
// "Accept" and "Undo" while reviewing.
enum class DirMode { Choosing, Reviewing };

class frmDir : public QDialog {
    Q_OBJECT
public:
    // Created hidden, on the directory stored under "Dir", with the volumes
    // of the mount table. Whoever opens it sets the caption and shows it.
    frmDir(frmMain& main, morvane::RenameSession& session, SettingsStore& store, const MountTableSource& mounts);

    // True once the dialog has been closed: it is about to be destroyed and
    // must not be used again.
    bool isClosed() const { return m_closed; }

    // The directory shown.
    QString DirectoryPath() const;
    // Reads the directory shown and shows the dialog for choosing files.
    void OpenChooser();
    // Turns the dialog into the review dialog after a completed pass in
    // directory, and reads that directory.
    void OpenReview(const QString& directory);
    // Whether it shows a pass to accept or undo.
    bool InReview() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click();
    void Command2_Click();
    void File1_DblClick();
    void Dir1_OpenRefused(const QString& dir);

private:
    void BuildControls();
    void Form_Load();
    void FillDrives();
    // Of the volumes listed, the one that holds path.
    QString VolumeOf(const QString& path) const;
    void ShowDriveOf(const QString& path);
    void HideAndClose();
    void ListDirectory();

    frmMain& m_main;
    morvane::RenameSession& m_session;
    SettingsStore& m_store;
    const MountTableSource& m_mounts;
    DirMode m_mode = DirMode::Choosing;
    bool m_closed = false;
    bool m_shown = false;  // the directory has been read for showing

    QComboBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;
    QPushButton* Command1 = nullptr;  // "&OK" / "Accept"
    QPushButton* Command2 = nullptr;  // "&Cancel" / "Undo"
};
