#pragma once
// The options dialog: prefix, suffix, starting number, lettering position,
// the order the files are numbered in and the date in their names.
// Filled from the options in force when it is created; "Ok" says what was
// typed through Confirmed. Modal, created afresh for each opening.
#include <QDialog>

#include "naming/options.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(QWidget& owner, const morvane::Options& current);

signals:
    // "Ok": the options as typed; what the dialog does not show is as it was.
    void Confirmed(const morvane::Options& typed);

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

    morvane::Options m_current;
    QLineEdit* txtPrefix = nullptr;
    QLineEdit* txtSufix = nullptr;
    QLineEdit* txtStartingNumber = nullptr;
    QRadioButton* opt1[3] = {};  // "None", "First", "Last"
    QButtonGroup* m_lettering = nullptr;
    QComboBox* cboOrder = nullptr;  // "Name", "Date Taken", "Date Modified", "Size"
    QComboBox* cboDateInName = nullptr;  // "None", "Date Taken", "Date Modified"
    QLineEdit* txtDateFormat = nullptr;
    QCheckBox* chkNumberPerDay = nullptr;
};
