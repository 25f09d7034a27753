#include "session/undo_job.h"

#include <algorithm>

#include "journal/stored_pass.h"

namespace morvane {

RenamerMaker RealRenamers(RenamerMaker given) {
    if (given) return given;
    return [] { return std::make_unique<PosixRenamer>(); };
}

LaterPasses RenamedSince(const JournalStore& store, const std::string& fileName) {
    LaterPasses later;
    const JournalList list = store.JournalNames();
    later.Error = list.Error;
    for (const std::string& name : list.Names) {
        if (name <= fileName) continue;
        // Gone meanwhile, or damaged: it holds no file to wait for.
        const std::optional<StoredJournal> journal = store.Peek(name);
        if (!journal) continue;
        for (const JournalEntry& entry : FromStored(*journal).Entries)
            if (Unsettled(entry) && entry.Identity) later.Files.insert(*entry.Identity);
    }
    return later;
}

ErrorNumber CountingRenamer::Rename(const Text& from, const Text& to) {
    const ErrorNumber err = inner_.Rename(from, to);
    if (err == ErrNone) renamed_.fetch_add(1, std::memory_order_relaxed);
    return err;
}

UndoJob::UndoJob(std::string fileName, RenameJournal journal, LockedJournal lock, std::optional<JournalStore> store,
                 std::unique_ptr<FileRenamer> renamer, LaterPasses later, LockAfter after)
    : fileName_(std::move(fileName)),
      journal_(std::move(journal)),
      lock_(std::move(lock)),
      store_(std::move(store)),
      renamer_(std::move(renamer)),
      counting_(*renamer_),
      later_(std::move(later)),
      after_(after),
      stored_(lock_.Held() && store_) {
    files_ = static_cast<std::size_t>(std::count_if(journal_.Entries.begin(), journal_.Entries.end(), Unsettled));
}

void UndoJob::Run() {
    if (started_.exchange(true)) return;
    if (later_.Error != ErrNone) {
        // Which files later passes hold is not known: nothing is touched.
        outcome_.FirstError = later_.Error;
    } else if (stored_) {
        // The names its steps may leave behind go into the journal it holds first.
        StoredUndoRecorder notes(*store_, lock_, journal_);
        // Asked here, on the job's thread: the directory may be on a mount that does not answer.
        const UndoContext context{&notes, &later_.Files, !store_->SharesOrderedLog(journal_.Directory)};
        outcome_ = UndoLastPass(journal_, counting_, context);
        recordError_ = StoreAfterUndo(*store_, lock_, journal_);
    } else {
        outcome_ = UndoLastPass(journal_, counting_, UndoContext{nullptr, &later_.Files, false});
    }
    if (after_ == LockAfter::Released) lock_.Release();
    ended_.store(true, std::memory_order_release);
}

SessionUndo UndoJob::Outcome() const {
    SessionUndo out;
    out.Directory = journal_.Directory;
    out.Restored = outcome_.Restored;
    out.AlreadyBack = outcome_.AlreadyBack;
    out.NotFound = outcome_.NotFound;
    out.RenamedLater = outcome_.RenamedLater;
    out.NoneFound = outcome_.NoneFound;
    out.LeftBehind = outcome_.LeftBehind;
    out.Blocked = outcome_.Blocked;
    out.RecordError = recordError_;
    out.Error = outcome_.FirstError != ErrNone ? outcome_.FirstError : recordError_;
    if (outcome_.FirstError != ErrNone) out.Cause = outcome_.FirstCause;
    return out;
}

}  // namespace morvane
