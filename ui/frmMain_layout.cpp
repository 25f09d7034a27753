// The main window's controls and menus: fixed positions; only the file list
// follows the window's size.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "form_builder.h"
#include "frmMain.h"
#include "name_list_box.h"

namespace {

using enum ControlKind;

// The option labels are the options' only copy while the program runs;
// they are never shown.
const ControlRow Controls[] = {
    {Picture, "Picture1", nullptr, 120, 240, 540, 540, NoTab, "Morvane", nullptr},
    {Title, "Label5", "Morvane Version 2.01", 960, 360, 4065, 360, NoTab, nullptr, nullptr},
    {Button, "Command3", "Select ", 120, 1440, 1215, 375, 6, "Select", nullptr},
    {Label, "Label8", "Select the directory where you have files", 1440, 1440, 2865, 195, NoTab, nullptr, nullptr},
    {Label, "Label1", "to rename and select the files to rename.", 1440, 1680, 2865, 195, NoTab, nullptr, nullptr},
    {KeepingTextBox, "txtFile", nullptr, 120, 1920, 5415, 375, 0, "Filename", "Do not include the extension"},
    {Button, "Command2", "Set Mask", 120, 2640, 1215, 375, 5, "Set Mask", nullptr},
    {Label, "Label2", "Highlight one part of the above filename to keep and press", 1440, 2640, 4140, 195, NoTab,
     nullptr, nullptr},
    {Label, "Label7", "Set mask button, or skip this button to number all the files.", 1440, 2880, 4065, 195, NoTab,
     nullptr, nullptr},
    {TextBox, "txtMask", nullptr, 120, 3120, 5415, 375, 1, "Mask", "If you missed a letter please add it"},
    {Button, "Command1", "Extract", 120, 3840, 1215, 375, 2, "Extract", nullptr},
    {Label, "Label4", "Edit the above mask if you missed a letter or two, then", 1440, 3840, 3810, 195, NoTab,
     nullptr, nullptr},
    {Label, "Label9", "press extract to see what the new name will look like.", 1440, 4080, 3750, 195, NoTab,
     nullptr, nullptr},
    {TextBox, "txtExample", nullptr, 120, 4320, 5415, 375, 3, "Example new filename", "Example Filename"},
    {Button, "Command4", "Rename", 120, 5040, 1215, 375, 7, "Rename", nullptr},
    {Label, "Label3", "Example new filename above, if you like it press rename to", 1440, 5040, 4110, 195, NoTab,
     nullptr, nullptr},
    {Label, "Label6", "rename all of the files that have the mask text in their name.", 1440, 5280, 4185, 195, NoTab,
     nullptr, nullptr},
    {List, "List1", nullptr, 5640, 840, 3255, 4740, 17, "Files to rename", "Double Click the file you want to use"},
    {HiddenLabel, "lblPrefix", nullptr, 0, 0, 0, 0, NoTab, "Prefix", nullptr},
    {HiddenLabel, "lblSufix", nullptr, 0, 0, 0, 0, NoTab, "Suffix", nullptr},
    {HiddenLabel, "lblStartNumber", nullptr, 0, 0, 0, 0, NoTab, "Starting Number", nullptr},
    {HiddenLabel, "lblLetteringPosition", nullptr, 0, 0, 0, 0, NoTab, "Consecutive Lettering Position", nullptr},
    {HiddenLabel, "lblOrder", nullptr, 0, 0, 0, 0, NoTab, "Number in order of", nullptr},
    {Label, "lblOrderProgress", nullptr, 5640, 480, 3255, 195, NoTab, nullptr, nullptr},
};

}  // namespace

void frmMain::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    const Form form = BuildForm(*client, Controls);

    Command1 = form.get<QPushButton>("Command1");
    Command2 = form.get<QPushButton>("Command2");
    Command3 = form.get<QPushButton>("Command3");
    Command4 = form.get<QPushButton>("Command4");
    txtFile = form.get<QLineEdit>("txtFile");
    txtMask = form.get<QLineEdit>("txtMask");
    txtExample = form.get<QLineEdit>("txtExample");
    List1 = form.get<NameListBox>("List1");
    lblPrefix = form.get<QLabel>("lblPrefix");
    lblSufix = form.get<QLabel>("lblSufix");
    lblStartNumber = form.get<QLabel>("lblStartNumber");
    lblLetteringPosition = form.get<QLabel>("lblLetteringPosition");
    lblOrder = form.get<QLabel>("lblOrder");
    lblOrderProgress = form.get<QLabel>("lblOrderProgress");
    lblOrderProgress->hide();

    form.get<QLabel>("Picture1")->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A client area of 9015 x 5700 twips at least; a larger window shows
    // more of the file list, and the other controls keep their places.
    client->setMinimumSize(form.Size(9015, 5700));
    client->resize(client->minimumSize());
    FollowRightAndBottom(*List1);

    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmMain::Command4_Click);
    connect(List1, &QAbstractItemView::doubleClicked, this, &frmMain::List1_DblClick);
}

void frmMain::BuildMenus() {
    auto addMenu = [this](const char* name, const QString& title) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(name);
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& text, void (frmMain::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* file = addMenu("MnuFile", "&File");
    mnuFilePreview = addItem(file, "mnuFilePreview", "&Preview New Names...", &frmMain::mnuFilePreview_Click);
    mnuFilePreview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFilePreview->setEnabled(false);
    addItem(file, "mnuFileUndoLast", "&Undo Last Rename", &frmMain::mnuFileUndoLast_Click);
    addItem(file, "mnuFileHistory", "Rename &History...", &frmMain::mnuFileHistory_Click);
    file->addSeparator();
    addItem(file, "MnuFileExit", "E&xit", &frmMain::MnuFileExit_Click);
    QMenu* options = addMenu("mnuOptions", "&Options");
    addItem(options, "mnuClearOptions", "&Clear Options", &frmMain::mnuClearOptions_Click);
    addItem(options, "mnuOptionsSetOptions", "&Set Options", &frmMain::mnuOptionsSetOptions_Click);
    QMenu* help = addMenu("mnuHelp", "&Help");
    addItem(help, "MnuHelpHelp", "Help", &frmMain::MnuHelpHelp_Click);
    addItem(help, "MnuHelpAbout", "About Morvane", &frmMain::MnuHelpAbout_Click);
}
