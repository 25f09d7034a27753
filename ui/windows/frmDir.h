#pragma once
// The file chooser, which while a pass is under review is the review dialog:
// its buttons are "&OK" and "&Cancel" while choosing, "Accept" and "Undo"
// while reviewing, as the presenter's state says. It says what the user
// asked for through its signals and reads nothing of another window.
#include <QDialog>
#include <QStringList>
#include <vector>

#include "base/text.h"

class QComboBox;
class QPushButton;
class DirListBox;
class FileListBox;
class MountTableSource;
class Presenter;
class SettingsStore;

class frmDir : public QDialog {
    Q_OBJECT
public:
    // Created hidden over owner, on the directory stored under "Dir", with
    // the volumes of the mount table. Whoever opens it sets the caption and
    // shows it.
    frmDir(QWidget& owner, const Presenter& presenter, SettingsStore& store, const MountTableSource& mounts);

    // True once the dialog has been closed: it is about to be destroyed and
    // must not be used again.
    bool isClosed() const { return m_closed; }

    // The directory shown.
    QString DirectoryPath() const;
    // Reads the directory shown and shows the dialog for choosing files.
    void OpenChooser();
    // Shows the dialog for the review of a completed pass in directory, and
    // reads that directory.
    void OpenReview(const QString& directory);

signals:
    // "&OK": these names of directory, in the list's order, are chosen.
    // The names are the receiver's to move from: a choice of every file of a
    // large folder is handed over, not copied.
    void Chosen(const QString& directory, std::vector<morvane::Text>& names);
    void Cancelled();
    // The review's "Accept" and "Undo".
    void Accepted();
    void UndoAsked();
    // Closed by its frame while a pass is under review: its names stay.
    void ClosedInReview();

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
    // The one place the buttons follow the state.
    void ShowState();
    bool Reviewing() const;
    void FillDrives();
    // Of the volumes listed, the one that holds path.
    QString VolumeOf(const QString& path) const;
    void ShowDriveOf(const QString& path);
    void HideAndClose();
    void ListDirectory();

    const Presenter& m_presenter;
    SettingsStore& m_store;
    const MountTableSource& m_mounts;
    bool m_closed = false;
    bool m_shown = false;  // the directory has been read for showing

    QComboBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;
    QPushButton* Command1 = nullptr;  // "&OK" / "Accept"
    QPushButton* Command2 = nullptr;  // "&Cancel" / "Undo"
};
