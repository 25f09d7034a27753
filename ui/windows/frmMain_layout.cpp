// The main window's controls and menus: fixed positions; only the file list
// follows the window's size.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "widgets/form_builder.h"
#include "windows/frmMain.h"
#include "widgets/name_list_box.h"

namespace {

using enum ControlKind;

// The option labels show the options in force (frmMain::ShowOptions); they
// are never shown on the screen.
const ControlRow Controls[] = {
    {Picture, "Picture1", nullptr, 120, 240, 540, 540, NoTab, QT_TRANSLATE_NOOP("frmMain", "Morvane"), nullptr},
    {Title, "Label5", QT_TRANSLATE_NOOP("frmMain", "Morvane Version 2.01"), 960, 360, 4065, 360, NoTab, nullptr,
     nullptr},
    {Button, "Command3", QT_TRANSLATE_NOOP("frmMain", "Select "), 120, 1440, 1215, 375, 6,
     QT_TRANSLATE_NOOP("frmMain", "Select"), nullptr},
    {Label, "Label8", QT_TRANSLATE_NOOP("frmMain", "Select the directory where you have files"), 1440, 1440, 2865,
     195, NoTab, nullptr, nullptr},
    {Label, "Label1", QT_TRANSLATE_NOOP("frmMain", "to rename and select the files to rename."), 1440, 1680, 2865,
     195, NoTab, nullptr, nullptr},
    {KeepingTextBox, "txtFile", nullptr, 120, 1920, 5415, 375, 0, QT_TRANSLATE_NOOP("frmMain", "Filename"),
     QT_TRANSLATE_NOOP("frmMain", "Highlight the part to keep; each file keeps its own extension")},
    {Button, "Command2", QT_TRANSLATE_NOOP("frmMain", "Set Mask"), 120, 2640, 1215, 375, 5,
     QT_TRANSLATE_NOOP("frmMain", "Set Mask"), nullptr},
    {Label, "Label2", QT_TRANSLATE_NOOP("frmMain", "Highlight one part of the above filename to keep and press"),
     1440, 2640, 4140, 195, NoTab,
     nullptr, nullptr},
    {Label, "Label7", QT_TRANSLATE_NOOP("frmMain", "Set mask button, or skip this button to number all the files."),
     1440, 2880, 4065, 195, NoTab,
     nullptr, nullptr},
    {TextBox, "txtMask", nullptr, 120, 3120, 5415, 375, 1, QT_TRANSLATE_NOOP("frmMain", "Mask"),
     QT_TRANSLATE_NOOP("frmMain", "If you missed a letter please add it")},
    {Button, "Command1", QT_TRANSLATE_NOOP("frmMain", "Extract"), 120, 3840, 1215, 375, 2,
     QT_TRANSLATE_NOOP("frmMain", "Extract"), nullptr},
    {Label, "Label4", QT_TRANSLATE_NOOP("frmMain", "Edit the above mask if you missed a letter or two, then"), 1440,
     3840, 3810, 195, NoTab,
     nullptr, nullptr},
    {Label, "Label9", QT_TRANSLATE_NOOP("frmMain", "press extract to see what the new name will look like."), 1440,
     4080, 3750, 195, NoTab,
     nullptr, nullptr},
    {TextBox, "txtExample", nullptr, 120, 4320, 5415, 375, 3, QT_TRANSLATE_NOOP("frmMain", "Example new filename"),
     QT_TRANSLATE_NOOP("frmMain", "Example Filename")},
    // What happened, in words; its accessible name is always its whole text.
    {Label, "lblStatus", nullptr, 120, 4740, 5415, 255, NoTab, nullptr, nullptr},  // grows to the lines it needs
    {Button, "Command4", QT_TRANSLATE_NOOP("frmMain", "Rename"), 120, 5040, 1215, 375, 7, QT_TRANSLATE_NOOP("frmMain",
     "Rename"), nullptr},
    {Label, "Label3", QT_TRANSLATE_NOOP("frmMain", "Example new filename above, if you like it press rename to"),
     1440, 5040, 4110, 195, NoTab,
     nullptr, nullptr},
    {Label, "Label6", QT_TRANSLATE_NOOP("frmMain", "rename all of the files that have the mask text in their name."),
     1440, 5280, 4185, 195, NoTab,
     nullptr, nullptr},
    {List, "List1", nullptr, 5640, 840, 3255, 4740, 17, QT_TRANSLATE_NOOP("frmMain", "Files to rename"),
     QT_TRANSLATE_NOOP("frmMain", "Double Click the file you want to use")},
    {HiddenLabel, "lblPrefix", nullptr, 0, 0, 0, 0, NoTab, QT_TRANSLATE_NOOP("frmMain", "Prefix"), nullptr},
    {HiddenLabel, "lblSufix", nullptr, 0, 0, 0, 0, NoTab, QT_TRANSLATE_NOOP("frmMain", "Suffix"), nullptr},
    {HiddenLabel, "lblStartNumber", nullptr, 0, 0, 0, 0, NoTab, QT_TRANSLATE_NOOP("frmMain", "Starting Number"),
     nullptr},
    {HiddenLabel, "lblLetteringPosition", nullptr, 0, 0, 0, 0, NoTab, QT_TRANSLATE_NOOP("frmMain",
     "Consecutive Lettering Position"), nullptr},
    {HiddenLabel, "lblOrder", nullptr, 0, 0, 0, 0, NoTab, QT_TRANSLATE_NOOP("frmMain", "Number in order of"), nullptr},
    {Label, "lblOrderProgress", nullptr, 5640, 480, 3255, 195, NoTab, nullptr, nullptr},
};

}  // namespace

void frmMain::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    const Form form = BuildForm(*client, Controls, "frmMain");

    Command1 = form.get<QPushButton>("Command1");
    Command2 = form.get<QPushButton>("Command2");
    Command3 = form.get<QPushButton>("Command3");
    Command4 = form.get<QPushButton>("Command4");
    txtFile = form.get<QLineEdit>("txtFile");
    txtMask = form.get<QLineEdit>("txtMask");
    txtExample = form.get<QLineEdit>("txtExample");
    lblStatus = form.get<QLabel>("lblStatus");
    List1 = form.get<NameListBox>("List1");
    lblPrefix = form.get<QLabel>("lblPrefix");
    lblSufix = form.get<QLabel>("lblSufix");
    lblStartNumber = form.get<QLabel>("lblStartNumber");
    lblLetteringPosition = form.get<QLabel>("lblLetteringPosition");
    lblOrder = form.get<QLabel>("lblOrder");
    lblOrderProgress = form.get<QLabel>("lblOrderProgress");
    lblOrderProgress->hide();

    form.get<QLabel>("Picture1")->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A screen reader hears each workflow button with the instruction beside
    // it, which the window shows on two lines.
    const auto instruction = [&form](const char* first, const char* second) {
        return form.get<QLabel>(first)->text() + ' ' + form.get<QLabel>(second)->text();
    };
    Command3->setAccessibleDescription(instruction("Label8", "Label1"));
    Command2->setAccessibleDescription(instruction("Label2", "Label7"));
    Command1->setAccessibleDescription(instruction("Label4", "Label9"));
    Command4->setAccessibleDescription(instruction("Label3", "Label6"));
    // A client area of 9015 x 5700 twips at least; a larger window shows
    // more of the file list, and the other controls keep their places.
    client->setMinimumSize(form.Size(9015, 5700));
    client->resize(client->minimumSize());
    m_clientDesign = client->minimumSize();
    m_statusDesign = lblStatus->geometry();
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != List1 && control->geometry().top() > m_statusDesign.bottom())
            m_belowStatus.emplace_back(control, control->geometry());
    FollowRightAndBottom(*List1);
    List1->EnableMovingByHand();

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

    QMenu* file = addMenu("MnuFile", tr("&File"));
    mnuFilePreview = addItem(file, "mnuFilePreview", tr("&Preview New Names..."), &frmMain::mnuFilePreview_Click);
    mnuFilePreview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFilePreview->setEnabled(false);
    mnuFileUndoLast = addItem(file, "mnuFileUndoLast", tr("&Undo Last Rename"), &frmMain::mnuFileUndoLast_Click);
    addItem(file, "mnuFileHistory", tr("Rename &History..."), &frmMain::mnuFileHistory_Click);
    file->addSeparator();
    addItem(file, "MnuFileExit", tr("E&xit"), &frmMain::MnuFileExit_Click);
    QMenu* options = addMenu("mnuOptions", tr("&Options"));
    addItem(options, "mnuClearOptions", tr("&Clear Options"), &frmMain::mnuClearOptions_Click);
    addItem(options, "mnuOptionsSetOptions", tr("&Set Options"), &frmMain::mnuOptionsSetOptions_Click);
    QMenu* help = addMenu("mnuHelp", tr("&Help"));
    // F1 opens the help from this window and from its modeless dialogs; the
    // menu shows it beside the item.
    QAction* helpItem = addItem(help, "MnuHelpHelp", tr("Help"), &frmMain::MnuHelpHelp_Click);
    helpItem->setShortcut(QKeySequence::HelpContents);
    helpItem->setShortcutContext(Qt::ApplicationShortcut);
    addItem(help, "MnuHelpAbout", tr("About Morvane"), &frmMain::MnuHelpAbout_Click);
}
