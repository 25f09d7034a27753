#pragma once
// A pass and an undo as the windows run them, on the test's own thread.
#include <gtest/gtest.h>

#include "fault_injecting_renamer.h"
#include "journal/stored_pass.h"
#include "session/pass_history.h"
#include "session/rename_session.h"

// Files of dir chosen and analysed: each numbered <prefix>0001, <prefix>0002...
inline void Analyse(morvane::RenameSession& session, const std::string& dir, std::vector<morvane::Text> names,
                    const morvane::Text& prefix = u"P") {
    ASSERT_EQ(session.SetOptions({prefix, u"", u"1"}).Error, morvane::ErrNone);
    ASSERT_EQ(session.Choose(T(dir), std::move(names)).State, morvane::SessionState::Chosen);
    ASSERT_EQ(session.Extract(u'.').State, morvane::SessionState::Extracted);
}

// Analysed, every file renamed, and accepted.
inline void AcceptedPass(morvane::RenameSession& session, const std::string& dir, std::vector<morvane::Text> names,
                         const morvane::Text& prefix = u"P") {
    const std::size_t count = names.size();
    Analyse(session, dir, std::move(names), prefix);
    ASSERT_EQ(session.Rename().Renamed, count);
    ASSERT_EQ(session.Accept().Error, morvane::ErrNone);
}

// The newest journal running again, as a pass killed after its renames leaves it.
inline void AsKilled(morvane::JournalStore& store) {
    std::optional<morvane::FoundJournal> found = store.Take(store.JournalNames().Names.back());
    ASSERT_TRUE(found);
    ASSERT_EQ(store.Write(found->Lock, morvane::ToStored(morvane::FromStored(found->Journal), morvane::JournalState::Running)),
              morvane::ErrNone);
}

// An undo handed out by its owner, run, taken back. Refused when nothing is handed out.

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
