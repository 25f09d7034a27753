#include "session/pass_history.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>

#include "journal/stored_pass.h"

namespace morvane {
namespace {

std::size_t CountStored(const StoredJournal& journal, StoredEntryState state) {
    return static_cast<std::size_t>(std::count_if(journal.Entries.begin(), journal.Entries.end(),
                                                  [state](const StoredEntry& e) { return e.State == state; }));
}

// undoing: the lock is held by an undo of this history's, which has not
// changed the journal yet.
PassStatus StatusOf(const FoundJournal& found, bool undoing) {
    const StoredJournal& j = found.Journal;
    if (j.State == JournalState::Running) return PassStatus::Unfinished;
    // Another copy of the program (or this one's review) holds an ended pass while it is under review.
    if (found.Problem == JournalProblem::InUse && !undoing) return PassStatus::UnderReview;
    if (j.State == JournalState::Undone) return PassStatus::Undone;
    const std::size_t restored = CountStored(j, StoredEntryState::Restored);
    if (restored == 0) return PassStatus::Accepted;
    return CountStored(j, StoredEntryState::Renamed) == 0 ? PassStatus::Undone : PassStatus::PartlyUndone;
}

}  // namespace

PassHistory::PassHistory(JournalStore* store, RenamerMaker makeRenamer)
    : store_(store), makeRenamer_(RealRenamers(std::move(makeRenamer))) {}

PassHistory::~PassHistory() = default;

PassList PassHistory::Passes() const {
    PassList history;
    if (!store_) return history;
    const JournalList list = store_->JournalNames();
    history.Error = list.Error;
    for (auto name = list.Names.rbegin(); name != list.Names.rend(); ++name) {
        const std::optional<FoundJournal> found = store_->Take(*name);
        if (!found) continue;
        const bool readable = found->Problem == JournalProblem::None || found->Problem == JournalProblem::InUse;
        if (!readable) continue;  // damaged: reported at start-up, not a pass
        PassSummary summary;
        summary.FileName = *name;
        summary.When = StartTimeOf(*name);
        summary.Directory = found->Journal.Directory;
        summary.Status = StatusOf(*found, Undoing(*name));
        // An unfinished pass may have renamed any of the files it planned to.
        summary.Files = found->Journal.Entries.size();
        if (summary.Status != PassStatus::Unfinished)
            summary.Files -= CountStored(found->Journal, StoredEntryState::NotRenamed);
        if (summary.Files == 0 && summary.Status != PassStatus::Unfinished) continue;
        history.Passes.push_back(std::move(summary));
    }
    return history;
}

bool PassHistory::Undoing(const std::string& fileName) const {
    return std::find(undoing_.begin(), undoing_.end(), fileName) != undoing_.end();
}

PassHistory::Newest PassHistory::NewestToUndo() const {
    Newest newest;
    if (!store_) return newest;
    const JournalList list = store_->JournalNames();
    newest.Error = list.Error;
    if (list.Error != ErrNone) return newest;
    for (auto name = list.Names.rbegin(); name != list.Names.rend(); ++name) {
        // Newest first: an older pass waits for the undo under way.
        if (Undoing(*name)) return newest;
        std::optional<FoundJournal> found = store_->Take(*name);
        if (!found) continue;
        // Another copy holds it: its pass still runs, or is under review there.
        if (found->Problem == JournalProblem::InUse) {
            if (found->Journal.State == JournalState::Running || HasRenamed(FromStored(found->Journal))) {
                newest.Journal = std::move(found);
                return newest;
            }
            continue;
        }
        // Damaged: reported at start-up, never acted on.
        if (found->Problem != JournalProblem::None) continue;
        // An unfinished pass too: one whose end never reached the disk.
        if (HasRenamed(FromStored(found->Journal))) {
            newest.Journal = std::move(found);
            return newest;
        }
    }
    return newest;
}

NextUndo PassHistory::NextToUndo() const {
    const Newest newest = NewestToUndo();
    NextUndo next{newest.Error, std::nullopt};
    if (!newest.Journal) return next;
    const FoundJournal& found = *newest.Journal;
    const RenameJournal journal = FromStored(found.Journal);
    UndoQuestion question{found.FileName, journal.Directory,
                          static_cast<std::size_t>(std::count_if(journal.Entries.begin(), journal.Entries.end(), Unsettled))};
    if (found.Problem == JournalProblem::InUse) {
        question.HeldElsewhere = true;
        question.StillRunning = found.Journal.State == JournalState::Running;
        const long writer = JournalStore::WriterProcess(found.FileName);
        if (writer > 0 && writer != ::getpid() && ::kill(static_cast<pid_t>(writer), 0) == 0) question.Holder = writer;
    }
    next.Pass = std::move(question);
    return next;
}

HistoryResult PassHistory::Forget(const std::string& fileName) {
    if (!store_ || Undoing(fileName)) return {true, ErrNone};
    std::optional<FoundJournal> found = store_->Take(fileName);
    if (!found) return {};  // gone already
    // Held by another copy, or by this copy's review.
    if (!found->Lock.Held()) return {true, ErrNone};
    return {false, store_->Remove(found->Lock)};
}

std::unique_ptr<UndoJob> PassHistory::HandOutUndoLast(const std::string& asked) {
    Newest newest = NewestToUndo();
    if (!newest.Journal || !newest.Journal->Lock.Held() || (!asked.empty() && newest.Journal->FileName != asked))
        return nullptr;
    return HandOut(*newest.Journal);
}

// The job takes the journal's lock along: it is the job's until it ends.
std::unique_ptr<UndoJob> PassHistory::HandOut(FoundJournal& found) {
    undoing_.push_back(found.FileName);
    return std::make_unique<UndoJob>(found.FileName, FromStored(found.Journal), std::move(found.Lock), *store_,
                                     makeRenamer_(), RenamedSince(*store_, found.FileName));
}

SessionUndo PassHistory::TakeUndo(const UndoJob& job) {
    const auto it = std::find(undoing_.begin(), undoing_.end(), job.FileName());
    if (it == undoing_.end() || !job.Ended()) {
        SessionUndo refused;
        refused.Refused = true;
        return refused;
    }
    undoing_.erase(it);
    return job.Outcome();
}

UnfinishedScan PassHistory::FindUnfinished() {
    UnfinishedScan scan;
    if (!store_) return scan;
    JournalScan found = store_->FindUnfinished();
    scan.Error = found.Error;
    pending_ = std::move(found.Journals);
    for (const FoundJournal& journal : pending_) {
        // The files it set out to rename (a journal holds only those); not how
        // many have new names now, which only its directory could tell.
        scan.Passes.push_back(UnfinishedPass{journal.FileName, journal.Problem, journal.Journal.Directory,
                                             journal.Journal.Entries.size()});
    }
    return scan;
}

FoundJournal* PassHistory::Pending(const std::string& fileName) {
    for (FoundJournal& journal : pending_)
        if (journal.FileName == fileName && journal.Lock.Held() && journal.Problem == JournalProblem::None)
            return &journal;
    return nullptr;
}

std::unique_ptr<UndoJob> PassHistory::HandOutRecoverUndo(const std::string& fileName) {
    FoundJournal* found = Pending(fileName);
    return found ? HandOut(*found) : nullptr;
}

HistoryResult PassHistory::RecoverKeep(const std::string& fileName) {
    FoundJournal* found = Pending(fileName);
    if (!found) return {true, ErrNone};
    const StoredJournal kept = ToStored(FromStored(found->Journal), JournalState::Finished);
    const ErrorNumber err = store_->Write(found->Lock, kept);
    found->Lock.Release();
    return {false, err};
}

HistoryResult PassHistory::SetAside(const std::string& fileName) {
    auto it = std::find_if(pending_.begin(), pending_.end(),
                           [&](const FoundJournal& j) { return j.FileName == fileName; });
    if (it == pending_.end() || it->Problem == JournalProblem::None) return {true, ErrNone};
    it->Lock.Release();
    const ErrorNumber err = store_->SetAside(fileName);
    pending_.erase(it);
    return {false, err};
}

void PassHistory::LetUnfinishedGo() { pending_.clear(); }

}  // namespace morvane
