#pragma once
// The about box: title and version, description, copyright and a legal
// warning beside the program's icon. Modal; "OK" (also Enter and Escape)
// closes it.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    // Menu "About Morvane": shows a fresh box modally and returns when it has
    // closed.
    static void Open(QWidget* owner);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QFrame* Line1[2] = {};  // together the etched separator: [0] white, [1] grey on top
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void cmdOK_Click();

private:
    void BuildControls();
    void Form_Load();
};
