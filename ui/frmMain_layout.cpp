// The main window's controls and menus: fixed positions, no layout on resize.
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include "app_icon.h"
#include "dialog_placement.h"
#include "frmMain.h"

namespace {

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAccessibleName(caption.trimmed());
    return button;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A line edit drops its selection when it loses the focus. The example name
// keeps it, so that "Set Mask" takes what was highlighted before the button
// took the focus; new text or the user's next click still replace it.
class SelectionKeepingLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        const int start = selectionStart();
        const int length = selectionLength();
        QLineEdit::focusOutEvent(event);
        if (start >= 0) setSelection(start, length);
    }
};

template <class Box = QLineEdit>
QLineEdit* AddTextBox(QWidget* parent, const char* name, const QString& toolTip, const QString& spokenName,
                      QRect geometry) {
    auto* box = new Box(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    box->setAccessibleName(spokenName);
    box->setAccessibleDescription(toolTip);
    box->setGeometry(geometry);
    return box;
}

// The option labels are the options' only copy while the program runs;
// they are never shown.
QLabel* AddOptionLabel(QWidget* parent, const char* name, const QString& spokenName) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(spokenName);
    label->hide();
    return label;
}

// The instruction texts were laid out for a narrow dialog font, and most
// desktop fonts are wider. They get the largest size, down to 7 points, at
// which every line fits the room left of the file list; each label grows to
// its text within that room. Text width scales with the point size, so one
// measurement gives the size (a loop over sizes cost start-up time).
void FitInstructions(const QList<QLabel*>& labels, int right) {
    QFont font = labels.front()->font();
    const double largest = font.pointSizeF() > 0 ? font.pointSizeF() : 9;
    double scale = 1;
    {
        const QFontMetrics metrics(font);
        for (QLabel* label : labels) {
            const int room = right - label->x(), needed = metrics.horizontalAdvance(label->text());
            if (needed > room) scale = std::min(scale, double(room) / needed);
        }
    }
    if (scale < 1) font.setPointSizeF(std::max(7.0, std::floor(largest * scale * 2) / 2));
    const QFontMetrics metrics(font);
    for (QLabel* label : labels) {
        label->setFont(font);
        const int width = std::max(label->width(), metrics.horizontalAdvance(label->text()) + 1);
        label->resize(std::min(width, right - label->x()), std::max(label->height(), metrics.height()));
    }
}

}  // namespace

void frmMain::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);

    Picture1 = new QLabel(client);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(TwipsRect(120, 240, 540, 540));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(AppIconPixmap(32));
    Picture1->setAccessibleName("Morvane");

    QLabel* title = AddLabel(client, "Label5", "Morvane Version 2.01", TwipsRect(960, 360, 4065, 360));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(13.5);
    title->setFont(titleFont);

    Command3 = AddButton(client, "Command3", "Select ", TwipsRect(120, 1440, 1215, 375));
    AddLabel(client, "Label8", "Select the directory where you have files", TwipsRect(1440, 1440, 2865, 195));
    AddLabel(client, "Label1", "to rename and select the files to rename.", TwipsRect(1440, 1680, 2865, 195));
    txtFile = AddTextBox<SelectionKeepingLineEdit>(client, "txtFile", "Do not include the extension", "Filename",
                         TwipsRect(120, 1920, 5415, 375));

    Command2 = AddButton(client, "Command2", "Set Mask", TwipsRect(120, 2640, 1215, 375));
    AddLabel(client, "Label2", "Highlight one part of the above filename to keep and press",
             TwipsRect(1440, 2640, 4140, 195));
    AddLabel(client, "Label7", "Set mask button, or skip this button to number all the files.",
             TwipsRect(1440, 2880, 4065, 195));
    txtMask = AddTextBox(client, "txtMask", "If you missed a letter please add it", "Mask",
                         TwipsRect(120, 3120, 5415, 375));

    Command1 = AddButton(client, "Command1", "Extract", TwipsRect(120, 3840, 1215, 375));
    AddLabel(client, "Label4", "Edit the above mask if you missed a letter or two, then",
             TwipsRect(1440, 3840, 3810, 195));
    AddLabel(client, "Label9", "press extract to see what the new name will look like.",
             TwipsRect(1440, 4080, 3750, 195));
    txtExample = AddTextBox(client, "txtExample", "Example Filename", "Example new filename",
                            TwipsRect(120, 4320, 5415, 375));

    Command4 = AddButton(client, "Command4", "Rename", TwipsRect(120, 5040, 1215, 375));
    AddLabel(client, "Label3", "Example new filename above, if you like it press rename to",
             TwipsRect(1440, 5040, 4110, 195));
    AddLabel(client, "Label6", "rename all of the files that have the mask text in their name.",
             TwipsRect(1440, 5280, 4185, 195));

    List1 = new QListWidget(client);
    List1->setObjectName("List1");
    List1->setGeometry(TwipsRect(5640, 840, 3255, 4740));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSortingEnabled(false);
    // Plain text rows of one height: with that known, a list of 100,000
    // names is laid out in a fraction of the time.
    List1->setUniformItemSizes(true);
    List1->setToolTip("Double Click the file you want to use");
    List1->setAccessibleName("Files to rename");
    List1->setAccessibleDescription(List1->toolTip());

    FitInstructions(client->findChildren<QLabel*>(QRegularExpression("^Label[1-46-9]$")), List1->x() - 4);

    lblPrefix = AddOptionLabel(client, "lblPrefix", "Prefix");
    lblSufix = AddOptionLabel(client, "lblSufix", "Suffix");
    lblStartNumber = AddOptionLabel(client, "lblStartNumber", "Starting Number");
    lblLetteringPosition = AddOptionLabel(client, "lblLetteringPosition", "Consecutive Lettering Position");

    // Labels and the picture take no focus; the rest follow the workflow's
    // tab order, starting in the example name.
    for (QLabel* label : client->findChildren<QLabel*>()) label->setFocusPolicy(Qt::NoFocus);
    QWidget* const order[] = {txtFile, txtMask, Command1, txtExample, Command2, Command3, Command4, List1};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    txtFile->setFocus();

    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmMain::Command4_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &frmMain::List1_DblClick);
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
    };

    QMenu* file = addMenu("MnuFile", "&File");
    addItem(file, "MnuFileExit", "E&xit", &frmMain::MnuFileExit_Click);
    QMenu* options = addMenu("mnuOptions", "&Options");
    addItem(options, "mnuClearOptions", "&Clear Options", &frmMain::mnuClearOptions_Click);
    addItem(options, "mnuOptionsSetOptions", "&Set Options", &frmMain::mnuOptionsSetOptions_Click);
    QMenu* help = addMenu("mnuHelp", "&Help");
    addItem(help, "MnuHelpHelp", "Help", &frmMain::MnuHelpHelp_Click);
    addItem(help, "MnuHelpAbout", "About Morvane", &frmMain::MnuHelpAbout_Click);
}
