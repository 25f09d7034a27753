#pragma once
// An undo as the windows run it, on the test's own thread: handed out by
// its owner, run, taken back. Refused when nothing is handed out.
#include "session/pass_history.h"
#include "session/rename_session.h"

inline morvane::ReviewUndo UndoReview(morvane::RenameSession& workflow) {
    std::unique_ptr<morvane::UndoJob> job = workflow.HandOutUndo();
    if (!job) {
        morvane::ReviewUndo refused;
        refused.Refused = true;
        refused.State = workflow.State();
        return refused;
    }
    job->Run();
    return workflow.TakeUndo(*job);
}

inline morvane::SessionUndo RunUndo(morvane::PassHistory& history, std::unique_ptr<morvane::UndoJob> job) {
    if (!job) {
        morvane::SessionUndo refused;
        refused.Refused = true;
        return refused;
    }
    job->Run();
    return history.TakeUndo(*job);
}

inline morvane::SessionUndo UndoLast(morvane::PassHistory& history, const std::string& asked = {}) {
    return RunUndo(history, history.HandOutUndoLast(asked));
}
