#pragma once
// The options dialog: prefix, suffix, starting number, lettering position
// and the order the files are numbered in.
// Filled from the main window's options when it is created; "Ok" writes the
// store and hands the options back to the main window. Modal, owned by the
// main window, created afresh for each opening.
#include <QDialog>

#include "naming/options.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;
class SettingsStore;
class frmMain;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(frmMain& main, SettingsStore& store);

private slots:
    void cmdOk_Click();
    void cmdClearOptions_Click();

private:
    void BuildControls();
    void Form_Load();
    morvane::Options Values() const;
    void ShowValues(const morvane::Options& options);

    static void txtPrefix_KeyPress(qint16& KeyAscii);
    static void txtSufix_KeyPress(qint16& KeyAscii);
    static void txtStartingNumber_KeyPress(qint16& KeyAscii);

    frmMain& m_main;
    SettingsStore& m_store;
    QLineEdit* txtPrefix = nullptr;
    QLineEdit* txtSufix = nullptr;
    QLineEdit* txtStartingNumber = nullptr;
    QRadioButton* opt1[3] = {};  // "None", "First", "Last"
    QButtonGroup* m_lettering = nullptr;
    QComboBox* cboOrder = nullptr;  // "Name", "Date Taken", "Date Modified", "Size"
};
