#include "widgets/undo_progress.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <limits>

#include "widgets/busy_cursor.h"
#include "session/undo_job.h"

namespace {

constexpr int kQuietMs = 500;       // an undo shorter than this shows no dialog
constexpr int kCountEveryMs = 100;  // how often the dialog's count follows the job

// Never deleted, so never waited for: an undo stuck on a mount that does not
// answer must not keep the program from ending. Each undo gets a thread at
// once, however many are stuck before it.
QThreadPool& UndoThreads() {
    static QThreadPool* const pool = [] {
        auto* threads = new QThreadPool;
        threads->setMaxThreadCount(std::numeric_limits<int>::max());
        return threads;
    }();
    return *pool;
}

}  // namespace

bool UndoProgress::Run(QObject& keeper, QWidget& over, std::unique_ptr<morvane::UndoJob> job, const QString& folder,
                       Delivery deliver) {
    const std::shared_ptr<morvane::UndoJob> shared = std::move(job);
    QEventLoop loop;
    const QPointer<QEventLoop> waiting(&loop);
    const auto ended = std::make_shared<bool>(false);
    // Owned by the keeper: it outlives this wait when the user gives up. A
    // job that ends while the wait goes on is delivered once the wait is
    // over; one that ends later, at once.
    auto* watcher = new QFutureWatcher<void>(&keeper);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher, shared, deliver, waiting, ended] {
        *ended = true;
        if (waiting) waiting->quit();
        else deliver(*shared);
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(&UndoThreads(), [shared] { shared->Run(); }));

    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setTimerType(Qt::PreciseTimer);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    quiet.start(kQuietMs);
    {
        // Painting and timers go on; clicks and keys wait until the dialog
        // shows, so that nothing starts beside the undo.
        BusyCursor busy;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // Ended, or the program is quitting (no dialog then).
    if (!*ended && !quiet.isActive()) {
        QProgressDialog dialog(&over);
        dialog.setObjectName("dlgUndoProgress");
        dialog.setWindowTitle(tr("Undo"));
        dialog.setAccessibleName(dialog.windowTitle());
        dialog.setLabelText(tr("Giving the files renamed in %1 their old names back...").arg(folder));
        dialog.setCancelButtonText(tr("Give Up"));
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setAutoReset(false);
        dialog.setAutoClose(false);
        // The count is set on the bar itself: the dialog's setValue would run
        // the event loop from within this one.
        auto* bar = new QProgressBar(&dialog);
        bar->setObjectName("barUndoProgress");
        bar->setFormat("%v / %m");
        bar->setRange(0, static_cast<int>(shared->Files()));
        dialog.setBar(bar);
        QTimer counting;
        QObject::connect(&counting, &QTimer::timeout, bar,
                         [bar, shared] { bar->setValue(static_cast<int>(shared->Done())); });
        bar->setValue(static_cast<int>(shared->Done()));
        counting.start(kCountEveryMs);
        QObject::connect(&dialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        dialog.show();
        loop.exec();
    }
    if (*ended) deliver(*shared);
    return *ended;
}

QString UndoProgress::GaveUpWords(const QString& folder) {
    return tr("Stopped waiting for %1. The undo goes on and reports when the folder answers.").arg(folder);
}
