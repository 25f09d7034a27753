#include "session/rename_session.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>

#include "base/errno_mapping.h"
#include "files/directory_listing.h"
#include "journal/stored_pass.h"
#include "naming/mask_preview.h"
#include "naming/name_composer.h"
#include "pass/name_snapshot.h"
#include "pass/rename_pass.h"
#include "session/undo_job.h"

namespace morvane {
namespace {

std::size_t CountState(const RenameJournal& journal, EntryState state) {
    return static_cast<std::size_t>(std::count_if(journal.Entries.begin(), journal.Entries.end(),
                                                  [state](const JournalEntry& e) { return e.State == state; }));
}

std::size_t CountStored(const StoredJournal& journal, StoredEntryState state) {
    return static_cast<std::size_t>(std::count_if(journal.Entries.begin(), journal.Entries.end(),
                                                  [state](const StoredEntry& e) { return e.State == state; }));
}

// The undo's counts go to the answer; its first failure is returned.
ErrorNumber TakeCounts(UndoOutcome undo, SessionUndo& out) {
    out.Restored = undo.Restored;
    out.AlreadyBack = undo.AlreadyBack;
    out.NotFound = std::move(undo.NotFound);
    out.RenamedLater = std::move(undo.RenamedLater);
    out.NoneFound = undo.NoneFound;
    out.LeftBehind = std::move(undo.LeftBehind);
    out.Blocked = std::move(undo.Blocked);
    return undo.FirstError;
}

bool Usable(const FoundJournal& found) { return found.Problem == JournalProblem::None; }

// undoing: the lock is held by an undo of this session's, which has not
// changed the journal yet.
PassStatus StatusOf(const FoundJournal& found, bool undoing) {
    const StoredJournal& j = found.Journal;
    if (j.State == JournalState::Running) return PassStatus::Unfinished;
    // Another copy of the program holds an ended pass while it is under review there.
    if (found.Problem == JournalProblem::InUse && !undoing) return PassStatus::UnderReview;
    if (j.State == JournalState::Undone) return PassStatus::Undone;
    const std::size_t restored = CountStored(j, StoredEntryState::Restored);
    if (restored == 0) return PassStatus::Accepted;
    return CountStored(j, StoredEntryState::Renamed) == 0 ? PassStatus::Undone : PassStatus::PartlyUndone;
}

}  // namespace

RenameSession::RenameSession(FileRenamer& renamer, JournalStore* store, RenamerMaker makeRenamer)
    : renamer_(renamer), store_(store), makeRenamer_(std::move(makeRenamer)) {
    if (!makeRenamer_) makeRenamer_ = [] { return std::make_unique<PosixRenamer>(); };
}

RenameSession::~RenameSession() = default;

template <class R>
R RenameSession::Answer(R result, bool refused) const {
    result.State = state_;
    result.Refused = refused;
    return result;
}

SessionResult RenameSession::Choose(const Text& directory, std::vector<Text> names) {
    if (state_ == SessionState::Reviewing) return Answer(SessionResult{}, true);
    directory_ = directory;
    listed_ = std::move(names);
    // The files as they are now: a pass renames these very files, in this very directory, or none.
    chosen_ = TakeIdentities(directory_, listed_);
    nameOrder_ = listed_;
    example_ = listed_.empty() ? Text() : listed_.front();
    mask_.clear();
    state_ = example_.empty() ? SessionState::Empty : SessionState::Chosen;
    return Answer(SessionResult{});
}

SessionResult RenameSession::Reorder(std::vector<Text> names) {
    if (state_ == SessionState::Reviewing || names.size() != listed_.size()) return Answer(SessionResult{}, true);
    std::vector<Text> given = names, listed = listed_;
    std::sort(given.begin(), given.end());
    std::sort(listed.begin(), listed.end());
    if (given != listed) return Answer(SessionResult{}, true);
    listed_ = std::move(names);
    return Answer(SessionResult{});
}

SessionResult RenameSession::MoveListed(std::size_t from, std::size_t to) {
    if (state_ == SessionState::Reviewing || from >= listed_.size() || to >= listed_.size())
        return Answer(SessionResult{}, true);
    const auto first = listed_.begin();
    if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
    else std::rotate(first + to, first + from, first + from + 1);
    return Answer(SessionResult{});
}

SessionResult RenameSession::SetExample(const Text& name) {
    example_ = name;
    return Answer(SessionResult{});
}

SessionResult RenameSession::SetMask(const Text& mask) {
    mask_ = mask;
    return Answer(SessionResult{});
}

SessionResult RenameSession::SetOptions(const morvane::Options& options) {
    options_ = options;
    return Answer(SessionResult{});
}

ExtractOutcome RenameSession::Extract(char16_t decimalSeparator) {
    ExtractOutcome out;
    const ExtractResult result = morvane::Extract(analysis_, example_, mask_, options_, decimalSeparator);
    if (result.Error != ErrNone) {
        out.Error = result.Error;  // the previous analysis stays
        return Answer(out);
    }
    analysis_ = result.Analysis;
    out.Example = result.Example;
    if (state_ == SessionState::Chosen) state_ = SessionState::Extracted;
    return Answer(out);
}

Prediction RenameSession::Preview() const {
    Prediction prediction;
    std::optional<NameSnapshot> names = NameSnapshot::Read(directory_);
    if (!names) {
        // A directory that is gone: the pass touches nothing and says so.
        if (!listed_.empty()) prediction.Error = ErrPathNotFound;
        return prediction;
    }
    const NamePlan plan = ComposeNewNames(listed_, analysis_, options_, example_);
    Prediction predicted = PredictPass(plan, directory_, *names);
    ListUncovered(predicted, listed_);
    return predicted;
}

RenameOutcome RenameSession::Rename() {
    RenameOutcome out;
    if (listed_.empty()) {
        // Nothing to rename: a pass under review stays so, and an accepted
        // pass is never turned back; otherwise an empty pass is reviewed.
        out.ReviewKept = state_ == SessionState::Reviewing;
        if (!out.ReviewKept) {
            review_ = RenameJournal{};
            review_.Directory = directory_;
            reviewLock_.Release();
            state_ = SessionState::Reviewing;
        }
        out.Directory = review_.Directory;
        return Answer(out);
    }
    // A new choice needs its "Extract" first; a pass under review never
    // has files listed beside it.
    if (state_ != SessionState::Extracted) return Answer(out, true);
    out.Directory = directory_;
    if (!store_) {
        out.Error = ErrorNumber::JournalFolderUnusable;
        return Answer(out);
    }
    if (!CanOpenDirectory(directory_)) {
        out.Error = ErrPathNotFound;
        return Answer(out);
    }
    StoredPassRecorder recorder(*store_);
    PassResult pass = RunRenamePass(listed_, analysis_, directory_, options_, example_, renamer_, &recorder, &chosen_);
    out.Renamed = CountState(pass.Journal, EntryState::Renamed);
    out.FilesSkipped = pass.FilesSkipped;
    out.RefusedName = pass.Refused;
    if (pass.Error != ErrNone) {
        // Ended early: the list stays, and what it renamed is in the history.
        out.Error = pass.Error;
        return Answer(out);
    }
    review_ = std::move(pass.Journal);
    reviewLock_ = recorder.TakeLock();
    out.Error = pass.RecordError;
    out.KeptInMemory = reviewEndMissing_ = pass.RecordError != ErrNone;
    listed_.clear();
    nameOrder_.clear();
    example_.clear();
    mask_.clear();
    state_ = SessionState::Reviewing;
    return Answer(out);
}

SessionResult RenameSession::Accept() {
    if (state_ != SessionState::Reviewing) return Answer(SessionResult{}, true);
    SessionResult out;
    // Still failing, the journal stays as the pass began it: the newest pass,
    // offered as unfinished, never skipped.
    if (reviewEndMissing_ && reviewLock_.Held() && store_)
        if (const int err = store_->Write(reviewLock_, ToStored(review_, JournalState::Finished)); err != 0)
            out.Error = ErrorNumberForErrno(err, false);
    review_ = {};
    reviewEndMissing_ = false;
    reviewLock_.Release();  // from now on "Undo Last Rename" and the history may take it
    state_ = listed_.empty() ? SessionState::Empty : SessionState::Chosen;
    return Answer(out);
}

SessionUndo RenameSession::Undo() {
    SessionUndo out;
    if (state_ != SessionState::Reviewing) return Answer(out, true);
    out.Directory = review_.Directory;
    std::optional<StoredUndoRecorder> notes;
    const bool stored = reviewLock_.Held() && store_;
    if (stored) notes.emplace(*store_, reviewLock_, review_);
    const LaterRenamed later = stored ? RenamedSince(reviewLock_.FileName()) : LaterRenamed{};
    const UndoContext context{notes ? &*notes : nullptr, &later, stored && !store_->SharesOrderedLog(review_.Directory)};
    const ErrorNumber failure = TakeCounts(UndoLastPass(review_, renamer_, ClashRetry::Remembered, context), out);
    // A pass that renamed nothing left no journal; one whose journal could
    // not be completed still holds its running journal, brought up to date here.
    if (stored) {
        out.RecordError = StoreAfterUndo(*store_, reviewLock_, review_);
        reviewEndMissing_ = reviewEndMissing_ && out.RecordError != ErrNone;
    }
    out.Error = failure != ErrNone ? failure : out.RecordError;
    if (!HasRenamed(review_)) {
        review_ = {};
        reviewEndMissing_ = false;
        reviewLock_.Release();
        state_ = listed_.empty() ? SessionState::Empty : SessionState::Chosen;
    }
    return Answer(out);
}

std::vector<PassSummary> RenameSession::History() const {
    std::vector<PassSummary> history;
    if (!store_) return history;
    int error = 0;
    const std::vector<std::string> names = store_->JournalNames(error);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
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
        history.push_back(std::move(summary));
    }
    return history;
}

bool RenameSession::Undoing(const std::string& fileName) const {
    return std::find(undoing_.begin(), undoing_.end(), fileName) != undoing_.end();
}

std::optional<FoundJournal> RenameSession::NewestToUndo() const {
    if (!store_ || state_ == SessionState::Reviewing) return std::nullopt;
    int error = 0;
    const std::vector<std::string> names = store_->JournalNames(error);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        // Newest first: an older pass waits for the undo under way.
        if (Undoing(*name)) return std::nullopt;
        std::optional<FoundJournal> found = store_->Take(*name);
        if (!found) continue;
        // Another copy holds it: its pass still runs, or is under review there.
        if (found->Problem == JournalProblem::InUse) {
            if (found->Journal.State == JournalState::Running || HasRenamed(FromStored(found->Journal))) return found;
            continue;
        }
        // Damaged: reported at start-up, never acted on.
        if (!Usable(*found)) continue;
        // An unfinished pass too: one whose end never reached the disk.
        if (HasRenamed(FromStored(found->Journal))) return found;
    }
    return std::nullopt;
}

bool RenameSession::HasPassToUndo() const { return NewestToUndo().has_value(); }

std::optional<UndoQuestion> RenameSession::NextToUndo() const {
    const std::optional<FoundJournal> found = NewestToUndo();
    if (!found) return std::nullopt;
    const RenameJournal journal = FromStored(found->Journal);
    UndoQuestion question{found->FileName, journal.Directory,
                          static_cast<std::size_t>(std::count_if(journal.Entries.begin(), journal.Entries.end(), Unsettled))};
    if (found->Problem == JournalProblem::InUse) {
        question.HeldElsewhere = true;
        question.StillRunning = found->Journal.State == JournalState::Running;
        const long writer = JournalStore::WriterProcess(found->FileName);
        if (writer > 0 && writer != ::getpid() && ::kill(static_cast<pid_t>(writer), 0) == 0) question.Holder = writer;
    }
    return question;
}

SessionResult RenameSession::Forget(const std::string& fileName) {
    const bool reviewed = reviewLock_.Held() && reviewLock_.FileName() == fileName;
    if (!store_ || reviewed || Undoing(fileName)) return Answer(SessionResult{}, true);
    std::optional<FoundJournal> found = store_->Take(fileName);
    if (!found) return Answer(SessionResult{});  // gone already
    if (!found->Lock.Held()) return Answer(SessionResult{}, true);
    SessionResult out;
    if (const int err = store_->Remove(found->Lock); err != 0) out.Error = ErrorNumberForErrno(err, false);
    return Answer(out);
}

// The files of the passes that began after fileName's and that are not back
// yet, whoever holds those passes.
LaterRenamed RenameSession::RenamedSince(const std::string& fileName) const {
    LaterRenamed later;
    if (!store_) return later;
    int error = 0;
    for (const std::string& name : store_->JournalNames(error)) {
        if (name <= fileName) continue;
        const std::optional<StoredJournal> journal = store_->Peek(name);
        if (!journal) continue;
        for (const JournalEntry& entry : FromStored(*journal).Entries)
            if (Unsettled(entry) && entry.Identity) later.insert(*entry.Identity);
    }
    return later;
}

std::unique_ptr<UndoJob> RenameSession::HandOutUndoLast(const std::string& asked) {
    std::optional<FoundJournal> found = NewestToUndo();
    if (!found || !found->Lock.Held() || (!asked.empty() && found->FileName != asked)) return nullptr;
    return HandOut(*found, makeRenamer_());
}

SessionUndo RenameSession::UndoLast(const std::string& asked) {
    std::optional<FoundJournal> found = NewestToUndo();
    if (!found || !found->Lock.Held() || (!asked.empty() && found->FileName != asked))
        return Answer(SessionUndo{}, true);
    return RunHere(HandOut(*found, BorrowRenamer(renamer_)));
}

// The job takes the journal's lock along: it is the job's until it ends.
std::unique_ptr<UndoJob> RenameSession::HandOut(FoundJournal& found, std::unique_ptr<FileRenamer> renamer) {
    undoing_.push_back(found.FileName);
    return std::make_unique<UndoJob>(found.FileName, FromStored(found.Journal), std::move(found.Lock), *store_,
                                     std::move(renamer), RenamedSince(found.FileName));
}

SessionUndo RenameSession::RunHere(std::unique_ptr<UndoJob> job) {
    job->Run();
    return TakeUndo(*job);
}

SessionUndo RenameSession::TakeUndo(const UndoJob& job) {
    const auto it = std::find(undoing_.begin(), undoing_.end(), job.FileName());
    if (it == undoing_.end() || !job.Ended()) return Answer(SessionUndo{}, true);
    undoing_.erase(it);
    SessionUndo out;
    out.Directory = job.Directory();
    const ErrorNumber failure = TakeCounts(job.Outcome(), out);
    out.RecordError = job.RecordError();
    out.Error = failure != ErrNone ? failure : out.RecordError;
    return Answer(out);
}

std::vector<UnfinishedPass> RenameSession::FindUnfinished() {
    std::vector<UnfinishedPass> found;
    if (!store_) return found;
    pending_ = store_->FindUnfinished().Journals;
    for (const FoundJournal& journal : pending_) {
        // The files it set out to rename (a journal holds only those); not how
        // many have new names now, which only its directory could tell.
        found.push_back(UnfinishedPass{journal.FileName, journal.Problem, journal.Journal.Directory,
                                       journal.Journal.Entries.size()});
    }
    return found;
}

FoundJournal* RenameSession::Pending(const std::string& fileName) {
    for (FoundJournal& journal : pending_)
        if (journal.FileName == fileName && journal.Lock.Held()) return &journal;
    return nullptr;
}

SessionUndo RenameSession::RecoverUndo(const std::string& fileName) {
    FoundJournal* found = Pending(fileName);
    if (!found || found->Problem != JournalProblem::None) return Answer(SessionUndo{}, true);
    return RunHere(HandOut(*found, BorrowRenamer(renamer_)));
}

std::unique_ptr<UndoJob> RenameSession::HandOutRecoverUndo(const std::string& fileName) {
    FoundJournal* found = Pending(fileName);
    if (!found || found->Problem != JournalProblem::None) return nullptr;
    return HandOut(*found, makeRenamer_());
}

SessionResult RenameSession::RecoverKeep(const std::string& fileName) {
    FoundJournal* found = Pending(fileName);
    if (!found || found->Problem != JournalProblem::None) return Answer(SessionResult{}, true);
    SessionResult out;
    // Kept: an ended pass like any other, in the history for "Undo Last Rename".
    const StoredJournal kept = ToStored(FromStored(found->Journal), JournalState::Finished);
    if (const int err = store_->Write(found->Lock, kept); err != 0) out.Error = ErrorNumberForErrno(err, false);
    found->Lock.Release();
    return Answer(out);
}

SessionResult RenameSession::SetAside(const std::string& fileName) {
    auto it = std::find_if(pending_.begin(), pending_.end(),
                           [&](const FoundJournal& j) { return j.FileName == fileName; });
    if (it == pending_.end() || it->Problem == JournalProblem::None) return Answer(SessionResult{}, true);
    SessionResult out;
    it->Lock.Release();
    if (const int err = store_->SetAside(fileName); err != 0) out.Error = ErrorNumberForErrno(err, false);
    pending_.erase(it);
    return Answer(out);
}

void RenameSession::LetUnfinishedGo() { pending_.clear(); }

}  // namespace morvane
