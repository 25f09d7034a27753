#pragma once
// The file chooser, which after a rename pass becomes the review dialog. Its
// mode is not a flag: each button's handler reads its own button's caption
// ("Accept" and "Undo" in review mode, anything else means choosing).
#include <QDialog>

class QComboBox;
class QPushButton;
class DirListBox;
class FileListBox;
class frmMain;

class frmDir : public QDialog {
    Q_OBJECT
public:
    // Created hidden, on the directory stored under "Dir". Whoever opens it
    // sets the caption and shows it.
    explicit frmDir(frmMain& main);

    // True once the dialog has been closed: it is about to be destroyed and
    // must not be used again.
    bool isClosed() const { return m_closed; }

    // Turns the dialog into the review dialog after a completed pass.
    void OpenReview();

    QComboBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;
    QPushButton* Command1 = nullptr;  // "&OK" / "Accept"
    QPushButton* Command2 = nullptr;  // "&Cancel" / "Undo"

public slots:
    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click();
    void Command2_Click();
    void File1_DblClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void FillDrives();
    void ShowDriveOf(const QString& path);
    void DisableWorkflowButtons();
    void HideAndClose();

    frmMain& m_main;
    bool m_closed = false;
};
