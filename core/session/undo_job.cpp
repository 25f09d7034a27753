#include "session/undo_job.h"

#include <algorithm>

#include "journal/stored_pass.h"

namespace morvane {

ErrorNumber CountingRenamer::Rename(const Text& from, const Text& to) {
    const ErrorNumber err = inner_.Rename(from, to);
    if (err == ErrNone) renamed_.fetch_add(1, std::memory_order_relaxed);
    return err;
}

UndoJob::UndoJob(std::string fileName, RenameJournal journal, LockedJournal lock, JournalStore store,
                 std::unique_ptr<FileRenamer> renamer, LaterRenamed later)
    : fileName_(std::move(fileName)),
      journal_(std::move(journal)),
      lock_(std::move(lock)),
      store_(std::move(store)),
      renamer_(std::move(renamer)),
      counting_(*renamer_),
      later_(std::move(later)) {
    files_ = static_cast<std::size_t>(std::count_if(journal_.Entries.begin(), journal_.Entries.end(), Unsettled));
}

void UndoJob::Run() {
    if (started_.exchange(true)) return;
    // The names its steps may leave behind go into the journal it holds first.
    StoredUndoRecorder notes(store_, lock_, journal_);
    // Asked here, on the job's thread: the directory may be on a mount that does not answer.
    const UndoContext context{&notes, &later_, !store_.SharesOrderedLog(journal_.Directory)};
    outcome_ = UndoLastPass(journal_, counting_, ClashRetry::Remembered, context);
    recordError_ = StoreAfterUndo(store_, lock_, journal_);
    lock_.Release();
    ended_.store(true, std::memory_order_release);
}

std::unique_ptr<FileRenamer> BorrowRenamer(FileRenamer& owner) { return std::make_unique<CountingRenamer>(owner); }

}  // namespace morvane
