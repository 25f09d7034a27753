#pragma once
// The options dialog: prefix, suffix, starting number and lettering position.
// Filled from the main window's option labels; "Ok" writes the store and the
// labels. Modal, owned by the main window, created afresh for each opening.
#include <QDialog>

#include "options.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmMain;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(frmMain& main);

    // Menu "&Set Options": loads the dialog, fills it from the labels and
    // shows it modally; returns when it has closed.
    static void Open(frmMain& main);

    QLabel* lblPrefix = nullptr;
    QLineEdit* txtPrefix = nullptr;
    QLabel* lblSufix = nullptr;
    QLineEdit* txtSufix = nullptr;
    QLabel* lblStartingNumber = nullptr;
    QLineEdit* txtStartingNumber = nullptr;
    QLabel* lblLettering = nullptr;
    QRadioButton* opt1[3] = {};  // "None", "First", "Last"
    QPushButton* cmdClearOptions = nullptr;
    QPushButton* cmdOk = nullptr;

public slots:
    void cmdOk_Click();
    void cmdClearOptions_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void FillFromLabels();
    morvane::Options Values() const;
    void ShowValues(const morvane::Options& options);

    static void txtPrefix_KeyPress(qint16& KeyAscii);
    static void txtSufix_KeyPress(qint16& KeyAscii);
    static void txtStartingNumber_KeyPress(qint16& KeyAscii);

    frmMain& m_main;
    QButtonGroup* m_lettering = nullptr;
};
