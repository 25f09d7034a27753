#pragma once
// The undo of a stored pass, made to run on a thread of its own: a directory
// on a mount that does not answer then holds up that thread alone. The job
// carries all it works on (the journal, its lock, the journal store and a
// renamer of its own) and nothing of the session that handed it out, and it
// stores the journal itself when it is done, whether or not anyone still
// waits for it. Run it once, on any thread; read Done from any thread
// meanwhile; read the rest once Run has returned.
#include <atomic>
#include <memory>
#include <string>

#include "files/rename_layer.h"
#include "journal/journal_lock.h"
#include "journal/journal_store.h"
#include "pass/rename_journal.h"
#include "pass/rename_pass.h"

namespace morvane {

// Passes every call on to another renamer, counting the renames that succeed.
class CountingRenamer final : public FileRenamer {
public:
    explicit CountingRenamer(FileRenamer& inner) : inner_(inner) {}
    [[nodiscard]] ErrorNumber Rename(const Text& from, const Text& to) override;
    Text LastTemporaryName() const override { return inner_.LastTemporaryName(); }
    [[nodiscard]] ErrorNumber Enter(const Text& dir, const std::optional<FileIdentity>& expected) override {
        return inner_.Enter(dir, expected);
    }
    void Leave() override { inner_.Leave(); }
    std::optional<FileIdentity> DirectoryIdentity() const override { return inner_.DirectoryIdentity(); }
    std::optional<FileIdentity> Identify(const Text& name) override { return inner_.Identify(name); }
    Presence Check(const Text& name, const FileIdentity& identity) override { return inner_.Check(name, identity); }
    bool MayIgnoreCase() const override { return inner_.MayIgnoreCase(); }
    std::optional<std::vector<std::pair<Text, std::uint64_t>>> ReadEntries() override {
        return inner_.ReadEntries();
    }
    void Watch(LeftoverWatch* watch) override { inner_.Watch(watch); }
    int Lstat(const Text& name, struct stat& st) override { return inner_.Lstat(name, st); }
    int Remove(const Text& name) override { return inner_.Remove(name); }
    int SyncDirectory() override { return inner_.SyncDirectory(); }
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
    // lock holds the journal fileName in store; later are the files that
    // later passes renamed and that are not back yet, left alone.
    UndoJob(std::string fileName, RenameJournal journal, LockedJournal lock, JournalStore store,
            std::unique_ptr<FileRenamer> renamer, LaterRenamed later = {});
    UndoJob(const UndoJob&) = delete;
    UndoJob& operator=(const UndoJob&) = delete;

    // The journal's file name, which tells passes apart.
    const std::string& FileName() const { return fileName_; }
    const Text& Directory() const { return journal_.Directory; }
    // The files the journal holds as renamed: the most the undo can give back.
    std::size_t Files() const { return files_; }
    // Files given their old names back so far.
    std::size_t Done() const { return counting_.Renamed(); }
    bool Ended() const { return ended_.load(std::memory_order_acquire); }

    // Gives the files back, stores the journal (removed once every file is
    // back) and lets its lock go. Only the first call acts.
    void Run();

    // Once Ended: what the undo did, and whether the journal could be stored.
    const UndoOutcome& Outcome() const { return outcome_; }
    ErrorNumber RecordError() const { return recordError_; }

private:
    std::string fileName_;
    RenameJournal journal_;
    LockedJournal lock_;
    JournalStore store_;
    std::unique_ptr<FileRenamer> renamer_;
    CountingRenamer counting_;
    LaterRenamed later_;
    std::size_t files_ = 0;
    std::atomic<bool> started_{false};
    std::atomic<bool> ended_{false};
    UndoOutcome outcome_;
    ErrorNumber recordError_ = ErrNone;
};

// A renamer that hands every call to one owned elsewhere: for a job that
// runs on the owner's own thread, never on another.
std::unique_ptr<FileRenamer> BorrowRenamer(FileRenamer& owner);

}  // namespace morvane
