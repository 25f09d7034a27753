#include "windows/frmHistory.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "widgets/dialog_placement.h"
#include "widgets/form_builder.h"
#include "qt_text.h"
#include "texts/report_text.h"

frmHistory::frmHistory(QWidget* owner) : QDialog(owner) {
    setObjectName("frmHistory");
    setWindowTitle(tr("Rename History"));
    setAccessibleName(windowTitle());
    setModal(false);
    setSizeGripEnabled(true);
    BuildControls();
    resize(TwipScale::ForFont(font()).Size(8400, 4200));
}

// Sizable, so laid out rather than placed: the list takes the room.
void frmHistory::BuildControls() {
    m_rows = new QStandardItemModel(0, 4, this);
    m_rows->setHorizontalHeaderLabels({tr("When"), tr("Directory"), tr("Files"), tr("State")});

    lstHistory = new QTreeView(this);
    lstHistory->setObjectName("lstHistory");
    lstHistory->setAccessibleName(tr("Passes"));
    lstHistory->setModel(m_rows);
    lstHistory->setRootIsDecorated(false);
    lstHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstHistory->setWordWrap(false);
    lstHistory->header()->setStretchLastSection(true);

    // Enter presses neither button: an undo only on purpose.
    cmdHistoryUndo = new QPushButton(tr("&Undo"), this);
    cmdHistoryUndo->setObjectName("cmdHistoryUndo");
    cmdHistoryForget = new QPushButton(tr("&Forget..."), this);
    cmdHistoryForget->setObjectName("cmdHistoryForget");
    cmdHistoryForget->setEnabled(false);
    cmdHistoryClose = new QPushButton(tr("&Close"), this);
    cmdHistoryClose->setObjectName("cmdHistoryClose");
    for (QPushButton* button : {cmdHistoryUndo, cmdHistoryForget, cmdHistoryClose}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdHistoryUndo);
    buttons->addWidget(cmdHistoryForget);
    buttons->addWidget(cmdHistoryClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstHistory);
    layout->addLayout(buttons);

    connect(cmdHistoryUndo, &QPushButton::clicked, this, &frmHistory::UndoRequested);
    connect(lstHistory->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmHistory::FollowSelection);
    connect(cmdHistoryForget, &QPushButton::clicked, this, [this] {
        const QModelIndex row = lstHistory->currentIndex();
        if (row.isValid() && static_cast<std::size_t>(row.row()) < m_passes.size())
            emit ForgetRequested(m_passes[static_cast<std::size_t>(row.row())]);
    });
    connect(cmdHistoryClose, &QPushButton::clicked, this, &QDialog::close);
}

// A pass another copy holds under review is that copy's to forget.
void frmHistory::FollowSelection() {
    const QModelIndexList rows = lstHistory->selectionModel()->selectedRows();
    const bool forgettable = rows.size() == 1 && static_cast<std::size_t>(rows[0].row()) < m_passes.size() &&
                             m_passes[static_cast<std::size_t>(rows[0].row())].Status != morvane::PassStatus::UnderReview;
    cmdHistoryForget->setEnabled(forgettable);
}

void frmHistory::ShowHistory(const std::vector<morvane::PassSummary>& passes, bool undoAvailable) {
    m_passes = passes;
    m_rows->removeRows(0, m_rows->rowCount());
    const QLocale locale;
    for (const morvane::PassSummary& pass : passes) {
        const QDateTime when = QDateTime::fromSecsSinceEpoch(pass.When);
        auto* files = new QStandardItem(QString::number(pass.Files));
        files->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_rows->appendRow({new QStandardItem(MediumDateTime(locale, when)),
                           new QStandardItem(ToQString(pass.Directory)), files,
                           new QStandardItem(PassStatusText(pass.Status))});
    }
    for (const int column : {0, 1, 2}) lstHistory->resizeColumnToContents(column);
    cmdHistoryUndo->setEnabled(undoAvailable);
    FollowSelection();
}

// Centred by its outer size each time it opens.
void frmHistory::Open() {
    const bool opening = !isVisible();
    show();
    if (opening) new CentreOnceFramed(*this);
    raise();
    activateWindow();
}
