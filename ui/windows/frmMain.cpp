#include "windows/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

#include "presenter/presenter.h"
#include "qt_text.h"
#include "texts/help_file_location.h"
#include "widgets/announce.h"
#include "widgets/app_icon.h"
#include "widgets/dialog_placement.h"
#include "widgets/name_list_box.h"
#include "windows/frmAbout.h"
#include "windows/frmOptions.h"
#include "windows/frmPreview.h"
#include "windows/help_window.h"

frmMain::frmMain(Presenter& presenter, SettingsStore& store, const MountTableSource& mounts, QWidget* parent)
    : QMainWindow(parent), m_presenter(presenter), m_store(store), m_mounts(mounts) {
    setObjectName("frmMain");
    setWindowTitle("Morvane");
    QApplication::setWindowIcon(AppIcon());
    setWindowIcon(QApplication::windowIcon());
    BuildControls();
    BuildMenus();
    ConnectPresenter();
    EnableFileDrops();

    // The design size, centred on the screen; the frame stays resizable.
    resize(centralWidget()->minimumSize() + QSize(0, menuBar()->sizeHint().height()));
    new CentreOnceFramed(*this);
    Form_Load();
}

// The list empties itself while the window's controls go, with nothing left
// to follow it.
frmMain::~frmMain() {
    disconnect(List1->model(), nullptr, this, nullptr);
    disconnect(&m_presenter, nullptr, this, nullptr);
}

void frmMain::Form_Load() {
    m_helpFilePath = HelpFileFor(QCoreApplication::applicationDirPath(), QLocale().uiLanguages());
    ShowOptions();
    ShowListed();
    ShowExample();
    ShowState();
}

// The example and the mask as typed are the workflow's; everything the
// presenter says is shown here.
void frmMain::ConnectPresenter() {
    Presenter* p = &m_presenter;
    connect(txtFile, &QLineEdit::textChanged, p, &Presenter::SetExample);
    connect(txtMask, &QLineEdit::textChanged, p, &Presenter::SetMask);
    connect(List1, &NameListBox::MoveRequested, p, &Presenter::MoveListed);
    connect(p, &Presenter::StateChanged, this, &frmMain::ShowState);
    connect(p, &Presenter::ListedChanged, this, &frmMain::ShowListed);
    connect(p, &Presenter::ListMoved, List1, &NameListBox::MoveRow);
    connect(p, &Presenter::ExampleChanged, this, &frmMain::ShowExample);
    connect(p, &Presenter::ExampleTextChanged, this, [this](const QString& text) { SetAnnouncedText(*txtExample, text); });
    connect(p, &Presenter::ExampleTextCleared, txtExample, &QLineEdit::clear);
    connect(p, &Presenter::StatusChanged, this, &frmMain::ShowStatus);
    connect(p, &Presenter::OptionsChanged, this, &frmMain::ShowOptions);
    connect(p, &Presenter::PredictionChanged, this, &frmMain::RefreshPreview);
    connect(p, &Presenter::HistoryChanged, this, &frmMain::ShowHistory);
    connect(p, &Presenter::ReviewOpened, this, &frmMain::OpenReview);
    connect(p, &Presenter::OrderProgress, this, &frmMain::ShowOrderProgress);
    connect(p, &Presenter::IdentityProgress, this, &frmMain::ShowIdentityProgress);
    connect(p, &Presenter::OrderProgressOver, lblOrderProgress, &QLabel::hide);
}

void frmMain::ShowState() {
    const Presenter::Steps steps = m_presenter.Offered();
    Command2->setEnabled(steps != Presenter::Steps::None);
    Command1->setEnabled(steps != Presenter::Steps::None);
    Command4->setEnabled(steps == Presenter::Steps::All);
    // The preview is only ever shown while it could be opened: an emptied
    // list (a pass, "Select ", a drop) closes it.
    const bool preview = m_presenter.PreviewAvailable();
    mnuFilePreview->setEnabled(preview);
    if (!preview && m_preview && m_preview->isVisible()) m_preview->close();
    mnuFileUndoLast->setEnabled(m_presenter.UndoAvailable());
}

void frmMain::ShowStatus(const QString& words) {
    SetAnnouncedLines(*lblStatus, words);
    const int extra = std::max(0, HeightForLines(*lblStatus) - m_statusDesign.height());
    lblStatus->setGeometry(m_statusDesign.adjusted(0, 0, 0, extra));
    for (const auto& [control, design] : m_belowStatus) control->setGeometry(design.translated(0, extra));
    centralWidget()->setMinimumSize(m_clientDesign + QSize(0, extra));
    // The window grows at once where it is too small now.
    if (layout()) layout()->activate();
}

// The option labels are the options' only copy users' scripts can read;
// they are never shown.
void frmMain::ShowOptions() {
    const morvane::Options& options = m_presenter.Options();
    lblPrefix->setText(ToQString(options.Prefix));
    lblSufix->setText(ToQString(options.Suffix));
    lblStartNumber->setText(ToQString(options.StartNumber));
    lblLetteringPosition->setText(options.OddLettering.empty() ? QString::number(static_cast<int>(options.Lettering))
                                                               : ToQString(options.OddLettering));
    lblOrder->setText(QString::number(static_cast<int>(options.Order)));
}

void frmMain::ShowExample() {
    const QString example = ToQString(m_presenter.Workflow().Example());
    const QString mask = ToQString(m_presenter.Workflow().Mask());
    if (txtFile->text() != example) txtFile->setText(example);
    if (txtMask->text() != mask) txtMask->setText(mask);
}

void frmMain::ShowListed() { List1->SetNames(m_presenter.Workflow().Listed()); }

// "Set Mask": the highlighted part of the example name becomes the mask, by
// way of the clipboard, which keeps it afterwards. txtFile keeps its
// selection while the button has the focus.
void frmMain::Command2_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txtFile->selectedText());
    txtMask->setText(clipboard->text());
}

// "Extract": analyses the mask and previews the example's new name.
void frmMain::Command1_Click() { m_presenter.Extract(); }

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

void frmMain::mnuClearOptions_Click() { m_presenter.ClearOptions(); }

void frmMain::mnuOptionsSetOptions_Click() {
    frmOptions dialog(*this, m_presenter.Options());
    connect(&dialog, &frmOptions::Confirmed, &m_presenter, &Presenter::ConfirmOptions);
    dialog.exec();
}

// A missing or unreadable help file ends this quietly.
void frmMain::MnuHelpHelp_Click() { HelpWindow::Open(m_helpFilePath, this); }

void frmMain::MnuHelpAbout_Click() { frmAbout::Open(this); }
