#pragma once
// The history of passes, the second owner beside the workflow: the passes
// the journal store keeps (this copy's and every other copy's), the undo of
// the newest one as a job handed out and taken back, forgetting a pass when
// the user asks, and at start-up the journals of passes that never ended.
// It reads the journals alone: a pass's directory is looked at only by the
// undo of it.
//
// States (docs/ARCHITECTURE.md has the picture):
//   Idle       nothing handed out
//   Undoing    an undo handed out and not taken back: neither that pass nor
//              an older one is handed out again
//   Offering   unfinished journals found at start-up are held (locked) until
//              each is undone, kept, set aside or let go
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/error_numbers.h"
#include "journal/journal_store.h"
#include "session/undo_job.h"

namespace morvane {

struct HistoryResult {
    bool Refused = false;  // not done in the state it found: nothing changed
    ErrorNumber Error = ErrNone;
};

// A pass "Undo Last Rename" would undo, for the question asked first; told
// from its journal alone, so that asking never waits for its directory.
struct UndoQuestion {
    std::string FileName;  // its journal's name, which tells passes apart
    Text Directory;
    std::size_t Files = 0;  // files the journal holds as renamed and not given back yet
    // Another copy of the program holds the pass, under review there or
    // still running: nothing older is undone here until it lets the pass go.
    bool HeldElsewhere = false;
    bool StillRunning = false;  // held elsewhere, its pass not ended yet
    long Holder = 0;            // that copy's process, when known
};

// The pass to undo next, if any; Error when the history cannot be read
// (never taken for "nothing to undo").
struct NextUndo {
    ErrorNumber Error = ErrNone;
    std::optional<UndoQuestion> Pass;
};

enum class PassStatus { UnderReview, Accepted, PartlyUndone, Undone, Unfinished };

// One pass of the history.
struct PassSummary {
    std::string FileName;
    std::int64_t When = 0;  // seconds since the epoch when the pass started
    Text Directory;
    std::size_t Files = 0;  // files the pass renamed (planned to, when unfinished)
    PassStatus Status = PassStatus::Accepted;
};

struct PassList {
    ErrorNumber Error = ErrNone;  // the history could not be read
    std::vector<PassSummary> Passes;  // newest first
};

// A journal found at start-up that is not a finished pass, told from the
// journal alone: its directory is not looked at until the user asks for
// the undo.
struct UnfinishedPass {
    std::string FileName;
    JournalProblem Problem = JournalProblem::None;  // None: it can be undone or kept
    Text Directory;         // what the journal names, where that can be read
    std::size_t Files = 0;  // files the pass set out to rename
};

struct UnfinishedScan {
    ErrorNumber Error = ErrNone;  // the history could not be read
    std::vector<UnfinishedPass> Passes;
};

class PassHistory {
public:
    // store may be null: there is no folder for journals, and no history.
    // makeRenamer gives each undo handed out a renamer of its own (by
    // default one on the real file system).
    explicit PassHistory(JournalStore* store, RenamerMaker makeRenamer = {});
    ~PassHistory();
    PassHistory(const PassHistory&) = delete;
    PassHistory& operator=(const PassHistory&) = delete;

    // Where the history is kept; empty without one.
    std::string Folder() const { return store_ ? store_->Directory() : std::string(); }
    // What stands in the way of that folder now, for storing or only reading.
    FolderCheck CheckFolder(bool writing) const { return CheckJournalFolder(Folder(), writing); }

    [[nodiscard]] PassList Passes() const;
    // The newest pass that still has a file under a new name, in the order
    // the passes started, unfinished ones and those another copy (or this
    // copy's review) holds included: never skipped, an older pass waits for
    // them. None while that pass or a newer one is being undone by a job
    // handed out.
    [[nodiscard]] NextUndo NextToUndo() const;
    // Removes a pass from the history for good, when the user asks (after a
    // question): its files keep the names they have. Refused for a pass
    // another copy or the review holds, or one being undone.
    [[nodiscard]] HistoryResult Forget(const std::string& fileName);

    // The undo of the newest pass as a job to run on another thread, only
    // while it is the one asked about (when asked is given); nothing when
    // there is none or another copy holds it. The job holds the pass's
    // journal locked until it ends.
    [[nodiscard]] std::unique_ptr<UndoJob> HandOutUndoLast(const std::string& asked = {});
    // The undo of an unfinished pass found at start-up, as a job.
    [[nodiscard]] std::unique_ptr<UndoJob> HandOutRecoverUndo(const std::string& fileName);
    // A job handed out here, once it has ended: what it did. Refused for a
    // job still running or already taken back.
    [[nodiscard]] SessionUndo TakeUndo(const UndoJob& job);
    // Whether a job handed out has not been taken back yet.
    bool Undoing() const { return !undoing_.empty(); }

    // Start-up: journals of passes that never ended, and damaged ones; the
    // history holds them until each is undone, kept, set aside or let go.
    [[nodiscard]] UnfinishedScan FindUnfinished();
    // Kept: an ended pass like any other, for "Undo Last Rename".
    [[nodiscard]] HistoryResult RecoverKeep(const std::string& fileName);
    // Moves a damaged journal out of the way, never to be reported again.
    [[nodiscard]] HistoryResult SetAside(const std::string& fileName);
    void LetUnfinishedGo();

private:
    std::unique_ptr<UndoJob> HandOut(FoundJournal& found);
    FoundJournal* Pending(const std::string& fileName);
    bool Undoing(const std::string& fileName) const;
    struct Newest {
        ErrorNumber Error = ErrNone;
        std::optional<FoundJournal> Journal;
    };
    Newest NewestToUndo() const;

    JournalStore* store_;
    RenamerMaker makeRenamer_;
    std::vector<FoundJournal> pending_;
    std::vector<std::string> undoing_;  // the journals of the jobs handed out and not taken back
};

}  // namespace morvane
