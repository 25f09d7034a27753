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
#include "naming/mask_preview.h"
#include "name_list_box.h"
#include "options_logic.h"
#include "qt_text.h"
#include "report_text.h"
#include "settings_store.h"

frmMain::frmMain(morvane::WorkState& ws, SettingsStore& store, morvane::FileRenamer& renamer,
                 const MountTableSource& mounts, morvane::JournalStore* journals, QWidget* parent)
    : QMainWindow(parent), m_ws(ws), m_store(store), m_renamer(renamer), m_mounts(mounts), m_journals(journals) {
    setObjectName("frmMain");
    setWindowTitle("Morvane");
    QApplication::setWindowIcon(AppIcon());
    setWindowIcon(QApplication::windowIcon());
    BuildControls();
    BuildMenus();
    ConnectPreview();
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
    m_ws.HelpFilePath = ToText(HelpFileFor(QCoreApplication::applicationDirPath(), QLocale().uiLanguages()));
    SetOptions(LoadOptions(m_store));
    DisableWorkflowButtons();
}

void frmMain::TakeChosenFiles(const QStringList& names) {
    List1->AddNames(names);
    if (List1->count() > 0 && !List1->text(0).isEmpty()) {
        txtFile->setText(List1->text(0));
        Command2->setEnabled(true);
        Command1->setEnabled(true);
        Command4->setEnabled(false);
    } else {
        DisableWorkflowButtons();
    }
}

void frmMain::ShowExampleText(const QString& text) { SetAnnouncedText(*txtExample, text); }

void frmMain::ShowStatus(const QString& words) { SetAnnouncedLine(*lblStatus, words); }

void frmMain::ShowError(morvane::ErrorNumber error, const StatusContext& context) {
    ShowExampleText(ErrorText(error));
    ShowStatus(ErrorWords(error, context));
}

void frmMain::DisableWorkflowButtons() {
    Command2->setEnabled(false);
    Command1->setEnabled(false);
    Command4->setEnabled(false);
}

morvane::Options frmMain::Options() const {
    return {ToText(lblPrefix->text()), ToText(lblSufix->text()), ToText(lblStartNumber->text()),
            ToText(lblLetteringPosition->text())};
}

void frmMain::SetOptions(const morvane::Options& options) {
    const bool letteringChanged = lblLetteringPosition->text() != ToQString(options.LetteringPosition);
    lblPrefix->setText(ToQString(options.Prefix));
    lblSufix->setText(ToQString(options.Sufix));
    lblStartNumber->setText(ToQString(options.StartNumber));
    lblLetteringPosition->setText(ToQString(options.LetteringPosition));
    // The lettering is part of the mask's analysis: a new one reaches the
    // example and the preview at once, as if "Extract" were pressed again.
    if (letteringChanged && Command4->isEnabled() && m_ws.Analysis.MaskMode != morvane::MaskMode::NotAnalysed)
        Command1_Click();
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
    const QString point = QLocale().decimalPoint();
    const char16_t separator = point.isEmpty() ? u'.' : point.at(0).unicode();
    const morvane::ExtractResult result =
        morvane::Extract(m_ws.Analysis, ToText(txtFile->text()), ToText(txtMask->text()), Options(), separator);
    if (result.Error != morvane::ErrNone) {
        ShowError(result.Error);
        return;
    }
    m_ws.Analysis = result.Analysis;
    Command4->setEnabled(true);
    ShowExampleText(ToQString(result.Example));
    ShowStatus(QString());
}

// The first selected entry becomes the example; only that entry is read.
void frmMain::List1_DblClick() {
    m_ws.LastIndex = morvane::ListBound(List1->count());
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
void frmMain::MnuHelpHelp_Click() { HelpWindow::Open(ToQString(m_ws.HelpFilePath), this); }

void frmMain::MnuHelpAbout_Click() { frmAbout::Open(this); }
