#include "session/rename_session.h"

#include <algorithm>

#include "files/directory_listing.h"
#include "files/name_charset.h"
#include "journal/stored_pass.h"
#include "naming/mask_preview.h"
#include "naming/name_composer.h"
#include "pass/name_snapshot.h"
#include "pass/rename_pass.h"

namespace morvane {
namespace {

std::size_t CountState(const RenameJournal& journal, EntryState state) {
    return static_cast<std::size_t>(std::count_if(journal.Entries.begin(), journal.Entries.end(),
                                                  [state](const JournalEntry& e) { return e.State == state; }));
}

}  // namespace

RenameSession::RenameSession(FileRenamer& renamer, JournalStore* store, RenamerMaker makeRenamer)
    : renamer_(renamer), store_(store), makeRenamer_(RealRenamers(std::move(makeRenamer))) {}

RenameSession::~RenameSession() {
    if (taking_) taking_->Cancel();
}

template <class R>
R RenameSession::Answer(R result, bool refused) const {
    result.State = state_;
    result.Refused = refused;
    return result;
}

SessionResult RenameSession::Choose(const Text& directory, std::vector<Text> names, IdentitiesTaken when) {
    if (state_ == SessionState::Reviewing) return Answer(SessionResult{}, true);
    if (taking_) taking_->Cancel();
    taking_.reset();
    directory_ = directory;
    listed_ = std::move(names);
    // The files as they are now: a pass renames these very files, in this very directory, or none.
    chosen_ = std::make_shared<ChosenFiles>(ChosenFiles::Open(directory_, listed_));
    if (when == IdentitiesTaken::Now) chosen_->Take(0, chosen_->Size());
    else if (!chosen_->AllTaken()) taking_ = std::make_shared<IdentityTaking>(chosen_);
    nameOrder_.clear();
    listedAsChosen_ = true;
    datesRead_ = DateChoice::None;
    dates_.clear();
    example_ = listed_.empty() ? Text() : listed_.front();
    mask_.clear();
    state_ = example_.empty() ? SessionState::Empty : SessionState::Chosen;
    return Answer(SessionResult{});
}

std::vector<std::size_t> RenameSession::Covered() const {
    std::vector<std::size_t> positions;
    if (!chosen_) return positions;
    const std::size_t covered = std::min(listed_.size(), static_cast<std::size_t>(MaxJournalIndex) + 1);
    positions.reserve(covered);
    for (std::size_t i = 0; i < covered; ++i)
        if (const auto position = chosen_->PositionOf(listed_[i])) positions.push_back(*position);
    return positions;
}

bool RenameSession::CoveredTaken() const {
    if (!chosen_ || chosen_->AllTaken()) return true;
    const std::vector<std::size_t> covered = Covered();
    return std::all_of(covered.begin(), covered.end(), [this](std::size_t i) { return chosen_->Taken(i); });
}

SessionResult RenameSession::Reorder(std::vector<Text> names) {
    if (state_ == SessionState::Reviewing || names.size() != listed_.size()) return Answer(SessionResult{}, true);
    std::vector<Text> given = names, listed = listed_;
    std::sort(given.begin(), given.end());
    std::sort(listed.begin(), listed.end());
    if (given != listed) return Answer(SessionResult{}, true);
    KeepNameOrder();
    listed_ = std::move(names);
    return Answer(SessionResult{});
}

void RenameSession::KeepNameOrder() {
    if (!listedAsChosen_) return;
    nameOrder_ = listed_;
    listedAsChosen_ = false;
}

SessionResult RenameSession::MoveListed(std::size_t from, std::size_t to) {
    if (state_ == SessionState::Reviewing || from >= listed_.size() || to >= listed_.size())
        return Answer(SessionResult{}, true);
    KeepNameOrder();
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

SessionResult RenameSession::SetDates(DateChoice choice, const std::vector<Text>& names,
                                      const std::vector<std::optional<FileDate>>& dates) {
    if (choice != DateChoice::None && names.size() != dates.size()) return Answer(SessionResult{}, true);
    datesRead_ = choice;
    dates_.clear();
    if (choice == DateChoice::None) return Answer(SessionResult{});
    for (std::size_t i = 0; i < names.size(); ++i) dates_.emplace(names[i], dates[i]);
    return Answer(SessionResult{});
}

// Dates never read for the option in force are unknown: such a file is
// skipped, never named by a date the window's thread would have to wait for.
std::vector<std::optional<FileDate>> RenameSession::ListedDates() const {
    if (options_.DateInName == DateChoice::None) return {};
    std::vector<std::optional<FileDate>> dates(listed_.size());
    if (datesRead_ != options_.DateInName) return dates;
    for (std::size_t i = 0; i < listed_.size(); ++i)
        if (const auto found = dates_.find(listed_[i]); found != dates_.end()) dates[i] = found->second;
    return dates;
}

ExtractOutcome RenameSession::Extract(char16_t decimalSeparator) {
    ExtractOutcome out;
    // The example's new name shows its date: a listed file's as read, or
    // the format itself for a name whose date is not known.
    std::optional<WallClock> exampleDate;
    if (options_.DateInName != DateChoice::None && datesRead_ == options_.DateInName)
        if (const auto found = dates_.find(example_); found != dates_.end() && found->second)
            exampleDate = found->second->When;
    const ExtractResult result = morvane::Extract(analysis_, example_, mask_, options_, decimalSeparator, exampleDate);
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
    const NamePlan plan =
        ComposeNewNames(listed_, analysis_, options_, example_, ListedDates(), NameCharsetAt(directory_));
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
    PassResult pass = RunRenamePass(listed_, analysis_, directory_, options_, example_, renamer_, &recorder, chosen_.get(),
                                    ListedDates());
    out.Renamed = CountState(pass.Journal, EntryState::Renamed);
    out.NumberAdded = static_cast<std::size_t>(
        std::count_if(pass.Journal.Entries.begin(), pass.Journal.Entries.end(), [](const JournalEntry& e) {
            return e.State == EntryState::Renamed && e.To != e.Planned;
        }));
    out.FilesSkipped = pass.FilesSkipped;
    out.Skipped = pass.Skipped;
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
    listedAsChosen_ = true;
    example_.clear();
    mask_.clear();
    if (taking_) taking_->Cancel();  // the rest of the choice is no longer listed
    taking_.reset();
    state_ = SessionState::Reviewing;
    return Answer(out);
}

AcceptOutcome RenameSession::Accept() {
    if (state_ != SessionState::Reviewing || reviewJob_) return Answer(AcceptOutcome{}, true);
    AcceptOutcome out;
    out.Kept = CountState(review_, EntryState::Renamed);
    // Still failing, the journal stays as the pass began it: the newest pass,
    // offered as unfinished, never skipped.
    if (reviewEndMissing_ && reviewLock_.Held() && store_)
        out.Error = store_->Write(reviewLock_, ToStored(review_, JournalState::Finished));
    EndReview();  // from now on "Undo Last Rename" and the history may take it
    return Answer(out);
}

void RenameSession::EndReview() {
    review_ = {};
    reviewEndMissing_ = false;
    reviewLock_.Release();
    state_ = listed_.empty() ? SessionState::Empty : SessionState::Chosen;
}

std::unique_ptr<UndoJob> RenameSession::HandOutUndo() {
    if (state_ != SessionState::Reviewing || reviewJob_) return nullptr;
    // A pass that renamed nothing left no journal; one whose journal could
    // not be completed still holds its running journal, brought up to date by the undo.
    const bool stored = reviewLock_.Held() && store_;
    const std::string fileName = stored ? reviewLock_.FileName() : std::string();
    LaterPasses later = stored ? RenamedSince(*store_, fileName) : LaterPasses{};
    // The entries go with the job and come back with it; the review keeps its directory meanwhile.
    RenameJournal handed = std::move(review_);
    review_ = RenameJournal{};
    review_.Directory = handed.Directory;
    auto job = std::make_unique<UndoJob>(fileName, std::move(handed), std::move(reviewLock_),
                                         store_ ? std::optional<JournalStore>(*store_) : std::nullopt, makeRenamer_(),
                                         std::move(later), UndoJob::LockAfter::Kept);
    reviewJob_ = job.get();
    return job;
}

ReviewUndo RenameSession::TakeUndo(UndoJob& job) {
    ReviewUndo out;
    if (&job != reviewJob_ || !job.Ended()) {
        out.Refused = true;
        out.State = state_;
        return out;
    }
    reviewJob_ = nullptr;
    static_cast<SessionUndo&>(out) = job.Outcome();
    review_ = job.TakeJournal();
    reviewLock_ = job.TakeLock();
    if (job.Stored()) reviewEndMissing_ = reviewEndMissing_ && out.RecordError != ErrNone;
    if (!HasRenamed(review_)) EndReview();
    out.State = state_;
    return out;
}

}  // namespace morvane
