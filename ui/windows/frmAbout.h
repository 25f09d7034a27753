#pragma once
// The about box: title and version, description, copyright and a legal
// warning beside the program's icon. Modal; "OK" (also Enter and Escape)
// closes it.
#include <QDialog>

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Menu "About Morvane": shows a fresh box modally and returns when it has
    // closed.
    static void Open(QWidget* owner);

private slots:
    void cmdOK_Click();

private:
    explicit frmAbout(QWidget* owner);
    void BuildControls();
    void Form_Load();
};
