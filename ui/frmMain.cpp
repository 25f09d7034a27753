#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "app_icon.h"
#include "dialog_placement.h"
#include "form_builder.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "help_file_location.h"
#include "help_window.h"
#include "announce.h"
#include "name_list_box.h"
#include "options_logic.h"
#include "qt_text.h"
#include "report_text.h"
#include "settings_store.h"

frmMain::frmMain(morvane::RenameSession& session, SettingsStore& store, const MountTableSource& mounts,
                 QWidget* parent)
    : QMainWindow(parent), m_session(session), m_store(store), m_mounts(mounts) {
    setObjectName("frmMain");
    setWindowTitle("Morvane");
    QApplication::setWindowIcon(AppIcon());
    setWindowIcon(QApplication::windowIcon());
    BuildControls();
    BuildMenus();
    ConnectSession();
    ConnectPreview();
    ConnectOrdering();
    // F1 opens the help from this window and from its modeless dialogs.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this, this, &frmMain::MnuHelpHelp_Click);
    f1->setContext(Qt::ApplicationShortcut);
    EnableFileDrops();

    // The design size, centred on the screen; the frame stays resizable.
    resize(centralWidget()->minimumSize() + QSize(0, menuBar()->sizeHint().height()));
    new CentreOnceFramed(*this);
    Form_Load();
    RefreshUndoLast();
}

// The list empties itself while the window's controls go, with nothing left
// to follow it.
frmMain::~frmMain() { disconnect(List1->model(), nullptr, this, nullptr); }

void frmMain::Form_Load() {
    m_helpFilePath = HelpFileFor(QCoreApplication::applicationDirPath(), QLocale().uiLanguages());
    SetOptions(LoadOptions(m_store));
    DisableWorkflowButtons();
}

// Connected before anything that reads the session on the same signals.
void frmMain::ConnectSession() {
    connect(txtFile, &QLineEdit::textChanged, this, [this](const QString& text) { m_session.SetExample(ToText(text)); });
    connect(txtMask, &QLineEdit::textChanged, this, [this](const QString& text) { m_session.SetMask(ToText(text)); });
}

// A list replaced as a whole drops any ordering under way for the one before.
void frmMain::ShowListed() {
    StopOrdering();
    List1->SetNames(m_session.Listed());
}

void frmMain::TakeChosenFiles(const QString& directory, const QStringList& names) {
    std::vector<morvane::Text> chosen;
    chosen.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) chosen.push_back(ToText(name));
    (void)m_session.Choose(ToText(directory), std::move(chosen));  // refused only under review, where nothing is chosen
    ShowListed();
    if (m_session.State() == morvane::SessionState::Chosen) {
        txtFile->setText(ToQString(m_session.Example()));
        Command2->setEnabled(true);
        Command1->setEnabled(true);
        Command4->setEnabled(false);
    } else {
        DisableWorkflowButtons();
    }
    OrderList();
}

void frmMain::ShowExampleText(const QString& text) { SetAnnouncedText(*txtExample, text); }

void frmMain::ShowStatus(const QString& words) { SetAnnouncedLine(*lblStatus, words); }

void frmMain::ShowError(morvane::ErrorNumber error, const StatusContext& context) {
    ShowExampleText(ErrorText(error));
    ShowStatus(ErrorWords(error, context));
}

void frmMain::ShowUndo(const morvane::SessionUndo& undo, const QString& folder) {
    if (undo.Refused) return;
    ShowExampleText(undo.Error != morvane::ErrNone ? ErrorText(undo.Error) : QString());
    QString words = UndoReport(undo, folder);
    // The files not found are named in the report; the rest is said in words.
    const bool named = undo.Error == morvane::ErrFileNotFound && (undo.NoneFound || !undo.NotFound.empty());
    if (undo.Error != morvane::ErrNone && !named) words += ' ' + ErrorWords(undo.Error, {folder, {}, true});
    ShowStatus(words);
}

void frmMain::DisableWorkflowButtons() {
    Command2->setEnabled(false);
    Command1->setEnabled(false);
    Command4->setEnabled(false);
}

morvane::Options frmMain::Options() const { return m_session.Options(); }

void frmMain::SetOptions(const morvane::Options& options) {
    const bool reorder = options.Order != m_session.Options().Order;
    const bool letteringChanged = m_session.Options().LetteringPosition != options.LetteringPosition;
    m_session.SetOptions(options);
    lblOrder->setText(QString::number(static_cast<int>(options.Order)));
    if (reorder) OrderList();
    lblPrefix->setText(ToQString(options.Prefix));
    lblSufix->setText(ToQString(options.Sufix));
    lblStartNumber->setText(ToQString(options.StartNumber));
    lblLetteringPosition->setText(ToQString(options.LetteringPosition));
    // The lettering is part of the mask's analysis: a new one reaches the
    // example and the preview at once, as if "Extract" were pressed again.
    if (letteringChanged && m_session.State() == morvane::SessionState::Extracted) Command1_Click();
    RefreshPreview();
}

// "Set Mask": the highlighted part of the example name becomes the mask, by
// way of the clipboard, which keeps it afterwards. txtFile keeps its
// selection while the button has the focus.
void frmMain::Command2_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txtFile->selectedText());
    txtMask->setText(clipboard->text());
    Command1->setEnabled(true);
}

// "Extract": analyses the mask and previews the example's new name.
void frmMain::Command1_Click() {
    WaitForListOrder();
    const QString point = QLocale().decimalPoint();
    const char16_t separator = point.isEmpty() ? u'.' : point.at(0).unicode();
    const morvane::ExtractOutcome result = m_session.Extract(separator);
    if (result.Error != morvane::ErrNone) {
        ShowError(result.Error);
        return;
    }
    Command4->setEnabled(true);
    ShowExampleText(ToQString(result.Example));
    ShowStatus(QString());
}

// The first selected entry becomes the example; only that entry is read.
void frmMain::List1_DblClick() {
    const std::vector<int> selected = List1->SelectedRows();
    if (!selected.empty()) txtFile->setText(List1->text(selected.front()));
}

void frmMain::MnuFileExit_Click() { close(); }

// The chooser is modeless and may still be open: it goes with the window,
// and so does the help, so that closing this window ends the program.
void frmMain::closeEvent(QCloseEvent* event) {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible()) child->close();
    event->accept();
}

void frmMain::mnuClearOptions_Click() { SetOptions(ClearOptions(m_store)); }

void frmMain::mnuOptionsSetOptions_Click() {
    frmOptions dialog(*this, m_store);
    dialog.exec();
}

// A missing or unreadable help file ends this quietly.
void frmMain::MnuHelpHelp_Click() { HelpWindow::Open(m_helpFilePath, this); }

void frmMain::MnuHelpAbout_Click() { frmAbout::Open(this); }
