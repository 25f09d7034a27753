#pragma once
// The undo of a pass, made to run on a thread of its own: a directory on a
// mount that does not answer then holds up that thread alone. The job
// carries all it works on (the journal, its lock, the journal store and a
// renamer of its own) and nothing of the owner that handed it out, and it
// stores the journal itself when it is done, whether or not anyone still
// waits for it. Run it once, on any thread; read Done from any thread
// meanwhile; read the rest once Run has returned. Both owners hand jobs out:
// the workflow for the pass under review, the history for a stored pass.
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/rename_layer.h"
#include "journal/journal_lock.h"
#include "journal/journal_store.h"
#include "pass/rename_journal.h"
#include "pass/rename_pass.h"

namespace morvane {

// A renamer of its own for each undo that runs on another thread.
using RenamerMaker = std::function<std::unique_ptr<FileRenamer>()>;
// The real file system's, where none is given.
RenamerMaker RealRenamers(RenamerMaker given);

// What an undo did, as its owner answers once the job is taken back.
struct SessionUndo {
    bool Refused = false;  // no such job to take back, or not ended yet: nothing changed
    ErrorNumber Error = ErrNone;
    RefusalCause Cause = RefusalCause::None;  // with a refused rename: what the file system refused
    Text Directory;
    std::size_t Restored = 0;     // files given their old names back by this undo
    std::size_t AlreadyBack = 0;  // files found under their old names already
    std::vector<Text> NotFound;   // old names of the files found nowhere; the pass keeps them
    // Old names of the files a later pass renamed since: that pass is to be
    // undone first. The pass keeps them.
    std::vector<Text> RenamedLater;
    // The folder holds none of the pass's files (another folder or stick at
    // its path): nothing was changed and the pass stays in the history.
    bool NoneFound = false;
    // Files that may be placeholders a rename cut short left behind, which
    // nothing proves to be the program's: left as they are. Old names held
    // by one of them: those files come back once it is gone.
    std::vector<Text> LeftBehind;
    std::vector<Text> Blocked;
    // The history could not be brought up to date; Error shows the undo's own
    // first failure before this one.
    ErrorNumber RecordError = ErrNone;
};

// The files that the passes begun after fileName's renamed and that are not
// back yet, whoever holds those passes; Error when the history cannot be
// read, so that they are not known.
struct LaterPasses {
    ErrorNumber Error = ErrNone;
    LaterRenamed Files;
};
[[nodiscard]] LaterPasses RenamedSince(const JournalStore& store, const std::string& fileName);

// Passes every call on to another renamer, counting the renames that succeed.
class CountingRenamer final : public FileRenamer {
public:
    explicit CountingRenamer(FileRenamer& inner) : inner_(inner) {}
    [[nodiscard]] ErrorNumber Rename(const Text& from, const Text& to) override;
    Text LastTemporaryName() const override { return inner_.LastTemporaryName(); }
    RefusalCause LastRefusal() const override { return inner_.LastRefusal(); }
    [[nodiscard]] ErrorNumber Enter(const Text& dir, const std::optional<FileIdentity>& expected) override {
        return inner_.Enter(dir, expected);
    }
    void Leave() override { inner_.Leave(); }
    std::optional<FileIdentity> DirectoryIdentity() const override { return inner_.DirectoryIdentity(); }
    std::optional<FileIdentity> Identify(const Text& name) override { return inner_.Identify(name); }
    Presence Check(const Text& name, const FileIdentity& identity) override { return inner_.Check(name, identity); }
    Presence CheckSeen(const Text& name, const FileIdentity& identity, const SeenFile& seen) override {
        return inner_.CheckSeen(name, identity, seen);
    }
    bool MayIgnoreCase() const override { return inner_.MayIgnoreCase(); }
    std::optional<std::vector<std::pair<Text, std::uint64_t>>> ReadEntries() override {
        return inner_.ReadEntries();
    }
    void Watch(LeftoverWatch* watch) override { inner_.Watch(watch); }
    [[nodiscard]] EntryStat Lstat(const Text& name) override { return inner_.Lstat(name); }
    [[nodiscard]] ErrorNumber Remove(const Text& name) override { return inner_.Remove(name); }
    [[nodiscard]] ErrorNumber SyncDirectory() override { return inner_.SyncDirectory(); }
    std::optional<std::string> ReadSmall(const Text& name, std::size_t max) override {
        return inner_.ReadSmall(name, max);
    }
    std::size_t Renamed() const { return renamed_.load(std::memory_order_relaxed); }

private:
    FileRenamer& inner_;
    std::atomic<std::size_t> renamed_{0};
};

class UndoJob {
public:
    // What becomes of the journal's lock when the job ends.
    enum class LockAfter {
        Released,  // let go: a stored pass, free for the history again
        Kept,      // kept for whoever takes the job back (the review, which may go on)
    };
    // lock holds the journal in store (a journal not held is not stored:
    // the undo works from journal alone); later are the files that later
    // passes renamed and that are not back yet, left alone (when they could
    // not be known, the job changes nothing and says why).
    UndoJob(std::string fileName, RenameJournal journal, LockedJournal lock, std::optional<JournalStore> store,
            std::unique_ptr<FileRenamer> renamer, LaterPasses later, LockAfter after = LockAfter::Released);
    UndoJob(const UndoJob&) = delete;
    UndoJob& operator=(const UndoJob&) = delete;

    // The journal's file name, which tells passes apart; empty for a pass
    // whose journal is not stored.
    const std::string& FileName() const { return fileName_; }
    const Text& Directory() const { return journal_.Directory; }
    // The files the journal holds as renamed: the most the undo can give back.
    std::size_t Files() const { return files_; }
    // Files given their old names back so far.
    std::size_t Done() const { return counting_.Renamed(); }
    bool Ended() const { return ended_.load(std::memory_order_acquire); }

    // Gives the files back, stores the journal (removed once every file is
    // back) and, unless kept, lets its lock go. Only the first call acts.
    void Run();

    // Once Ended: what the undo did, whether the journal could be stored,
    // and the journal as the undo left it.
    SessionUndo Outcome() const;
    bool Stored() const { return stored_; }
    const RenameJournal& Journal() const { return journal_; }
    // The same, taken by the owner that takes the job back (no copy of every entry).
    RenameJournal TakeJournal() { return std::move(journal_); }
    // Once Ended, with LockAfter::Kept: the journal's lock, when still held.
    LockedJournal TakeLock() { return std::move(lock_); }

private:
    std::string fileName_;
    RenameJournal journal_;
    LockedJournal lock_;
    std::optional<JournalStore> store_;
    std::unique_ptr<FileRenamer> renamer_;
    CountingRenamer counting_;
    LaterPasses later_;
    LockAfter after_;
    bool stored_ = false;
    std::size_t files_ = 0;
    std::atomic<bool> started_{false};
    std::atomic<bool> ended_{false};
    UndoOutcome outcome_;
    ErrorNumber recordError_ = ErrNone;
};

}  // namespace morvane
