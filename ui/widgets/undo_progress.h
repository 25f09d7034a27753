#pragma once
// An undo an owner handed out, run on a thread of its own so that a folder
// on a mount that does not answer never freezes the windows. The window
// keeps painting while it waits; after half a second a progress dialog
// (`dlgUndoProgress`) shows the files given back so far and lets the user
// give up waiting. The job then goes on by itself and stores its journal
// when it ends; its outcome is still delivered.
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QObject;
class QWidget;
namespace morvane {
class UndoJob;
}

class UndoProgress {
    Q_DECLARE_TR_FUNCTIONS(UndoProgress)
public:
    // Called on the window's thread once the job has ended, never from
    // within the wait itself: whatever it closes is not in use by then.
    using Delivery = std::function<void(morvane::UndoJob&)>;

    // Runs job and waits for it, the user's input held back until the
    // dialog shows over `over`. Returns true when the job ended (and deliver
    // has run), false when the user gave up: deliver then runs when the job
    // ends, as long as keeper lives.
    static bool Run(QObject& keeper, QWidget& over, std::unique_ptr<morvane::UndoJob> job, const QString& folder,
                    Delivery deliver);
    // The status line's words after giving up on the undo in folder.
    static QString GaveUpWords(const QString& folder);
};
