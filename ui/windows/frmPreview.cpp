#include "windows/frmPreview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "widgets/announce.h"
#include "widgets/dialog_placement.h"
#include "widgets/form_builder.h"
#include "qt_text.h"
#include "texts/report_text.h"

frmPreview::frmPreview(QWidget* owner) : QDialog(owner) {
    setObjectName("frmPreview");
    setWindowTitle(tr("Preview New Names"));
    setAccessibleName(windowTitle());
    setModal(false);
    setSizeGripEnabled(true);
    BuildControls();
    resize(TwipScale::ForFont(font()).Size(7200, 5400));
}

// Sizable, so laid out rather than placed: the table takes the room.
void frmPreview::BuildControls() {
    m_rows = new QStandardItemModel(0, 3, this);
    m_rows->setHorizontalHeaderLabels({tr("Name"), tr("New Name"), tr("Note")});
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_rows);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);

    lstPreview = new QTableView(this);
    lstPreview->setObjectName("lstPreview");
    lstPreview->setAccessibleName(tr("New names"));
    lstPreview->setModel(m_sorted);
    lstPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstPreview->setWordWrap(false);
    lstPreview->verticalHeader()->hide();
    lstPreview->verticalHeader()->setDefaultSectionSize(lstPreview->fontMetrics().height() + 6);
    QHeaderView* header = lstPreview->horizontalHeader();
    header->setStretchLastSection(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // A third click on a column's header takes the sort away: list order again.
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    lstPreview->setSortingEnabled(true);

    lblPreviewSummary = new QLabel(this);
    lblPreviewSummary->setObjectName("lblPreviewSummary");
    // Its accessible name is its text, announced as it changes.
    lblPreviewSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPreviewSummary->setWordWrap(true);  // a long line never widens the window

    // Enter presses neither button: a rename only on purpose.
    cmdPreviewRename = new QPushButton(tr("&Rename"), this);
    cmdPreviewRename->setObjectName("cmdPreviewRename");
    cmdPreviewClose = new QPushButton(tr("&Close"), this);
    cmdPreviewClose->setObjectName("cmdPreviewClose");
    for (QPushButton* button : {cmdPreviewRename, cmdPreviewClose}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPreviewRename);
    buttons->addWidget(cmdPreviewClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstPreview);
    layout->addWidget(lblPreviewSummary);
    layout->addLayout(buttons);

    connect(cmdPreviewRename, &QPushButton::clicked, this, &frmPreview::cmdPreviewRename_Click);
    connect(cmdPreviewClose, &QPushButton::clicked, this, &frmPreview::cmdPreviewClose_Click);
}

void frmPreview::ShowPrediction(const morvane::Prediction& prediction, const QString& folder,
                                const std::unordered_set<morvane::Text>& noDateTaken) {
    m_rows->removeRows(0, m_rows->rowCount());
    for (const morvane::PredictedName& name : prediction.Names) {
        QList<QStandardItem*> row{new QStandardItem(ToQString(name.Listed)), new QStandardItem(ToQString(name.NewName)),
                                  new QStandardItem(PreviewNote(name, noDateTaken.contains(name.Listed)))};
        m_rows->appendRow(row);
    }
    // The files a pass would not reach, named so that the user sees which.
    const morvane::PredictedName skipped{{}, {}, morvane::PredictedOutcome::Skipped, false};
    for (const morvane::Text& name : prediction.UncoveredNames)
        m_rows->appendRow({new QStandardItem(ToQString(name)), new QStandardItem(ToQString(name)),
                           new QStandardItem(PreviewNote(skipped))});
    SetAnnouncedText(*lblPreviewSummary, PreviewSummary(prediction, folder));
    // The names as wide as they are, each within two fifths of the window.
    for (const int column : {0, 1}) {
        lstPreview->resizeColumnToContents(column);
        const int widest = width() * 2 / 5;
        if (lstPreview->columnWidth(column) > widest) lstPreview->setColumnWidth(column, widest);
    }
}

// Every column as wide as its content, the names each within two fifths
// of the screen: the window grows to show them, the notes in full.
void frmPreview::FitColumns() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() : width();
    int needed = 2 * lstPreview->frameWidth() + lstPreview->verticalScrollBar()->sizeHint().width();
    const QAbstractItemView& view = *lstPreview;  // where the hint is public
    for (const int column : {0, 1, 2}) {
        int wide = std::max(view.sizeHintForColumn(column), lstPreview->horizontalHeader()->sectionSizeHint(column));
        if (column < 2) lstPreview->setColumnWidth(column, wide = std::min(wide, room * 2 / 5));
        needed += wide;  // the notes' column takes what is left
    }
    if (layout()) layout()->activate();
    const int grow = needed - lstPreview->width();
    if (grow > 0) resize(std::min(width() + grow, room), height());
}

// Centred by its outer size each time it opens.
void frmPreview::Open() {
    const bool opening = !isVisible();
    if (opening) FitColumns();
    show();
    // Once shown, the layout has given the window its final size.
    if (opening) new CentreOnceFramed(*this);
    raise();
    activateWindow();
}

void frmPreview::cmdPreviewRename_Click() {
    emit RenameRequested();
    close();
}

void frmPreview::cmdPreviewClose_Click() { close(); }
