#pragma once
// An undo the session handed out, run on a thread of its own so that a
// folder on a mount that does not answer never freezes the windows. The
// window keeps painting while it waits; after half a second a progress
// dialog (`dlgUndoProgress`) shows the files given back so far and lets the
// user give up waiting. The job then goes on by itself and stores its
// journal when it ends; its outcome is still delivered.
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QWidget;
namespace morvane {
class UndoJob;
}

class UndoProgress {
    Q_DECLARE_TR_FUNCTIONS(UndoProgress)
public:
    // Called on the window's thread once the job has ended.
    using Delivery = std::function<void(const morvane::UndoJob&)>;

    // Runs job and waits for it, the user's input held back until the
    // dialog shows. Returns true when the job ended (and deliver has run),
    // false when the user gave up: deliver then runs when the job ends, as
    // long as owner lives.
    static bool Run(QWidget& owner, std::unique_ptr<morvane::UndoJob> job, const QString& folder, Delivery deliver);
    // The status line's words after giving up on the undo in folder.
    static QString GaveUpWords(const QString& folder);
};
