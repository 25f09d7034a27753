#pragma once
// The workflow, one of the session's two owners (beside the history of
// passes, pass_history.h): the chosen directory and the listed names in
// their order, the example, the mask and its analysis, the one Options
// record, the pass under review and its undo. Windows reach it through the
// presenter, which shows what each operation returns; none of them keeps
// workflow state of its own.
//
// States (docs/ARCHITECTURE.md has the picture):
//   Empty      nothing listed and no pass under review
//   Chosen     files listed, no "Extract" since they were chosen
//   Extracted  files listed and analysed: a pass can run
//   Reviewing  a pass is under review, to be accepted or undone; its undo,
//              once handed out, is out until it is taken back (Undoing)
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/error_numbers.h"
#include "files/open_directory.h"
#include "files/rename_layer.h"
#include "journal/journal_store.h"
#include "naming/mask_analysis.h"
#include "naming/options.h"
#include "pass/pass_prediction.h"
#include "pass/rename_journal.h"
#include "pass/rename_pass.h"
#include "session/identity_taking.h"
#include "session/undo_job.h"

namespace morvane {

enum class SessionState { Empty, Chosen, Extracted, Reviewing };

// When the chosen files' identities are taken: at once, or by a job that
// runs beside the window (Taking).
enum class IdentitiesTaken { Now, Apart };

// What every operation answers.
struct SessionResult {
    SessionState State = SessionState::Empty;  // the state after the operation
    bool Refused = false;                      // not done in the state it found: nothing changed
    ErrorNumber Error = ErrNone;
};

struct ExtractOutcome : SessionResult {
    Text Example;  // the example's new name, "!" standing for its lettering character
};

struct RenameOutcome : SessionResult {
    Text Directory;             // where the pass worked, or that of the pass kept under review
    std::size_t Renamed = 0;    // files this pass renamed (also when it failed part way)
    std::size_t NumberAdded = 0;  // of those, the ones whose name was taken, so that "-N" was added
    bool FilesSkipped = false;  // a file was left alone, or the list was longer than a pass covers
    SkippedFiles Skipped;       // which, and why
    NameRefusal RefusedName;    // with ErrBadFileName from the composition: the text refused and why
    bool ReviewKept = false;    // nothing was listed: the pass under review (if any) stays
    // The journal could not be completed on disk (Error says why): the pass
    // is under review all the same and its Undo works from memory.
    bool KeptInMemory = false;
};

struct AcceptOutcome : SessionResult {
    std::size_t Kept = 0;  // files that keep the new names the pass gave them
};

// The review's undo, taken back: what it did and the state reached.
struct ReviewUndo : SessionUndo {
    SessionState State = SessionState::Empty;
};

class RenameSession {
public:
    // store may be null: there is no folder for journals, and no pass starts.
    // makeRenamer gives the review's undo a renamer of its own (by default
    // one on the real file system).
    RenameSession(FileRenamer& renamer, JournalStore* store, RenamerMaker makeRenamer = {});
    ~RenameSession();
    RenameSession(const RenameSession&) = delete;
    RenameSession& operator=(const RenameSession&) = delete;

    SessionState State() const { return state_; }
    const Text& Directory() const { return directory_; }
    const std::vector<Text>& Listed() const { return listed_; }
    // The listed names as they were chosen, in the chooser's name order,
    // whatever order the list has taken since.
    const std::vector<Text>& NameOrder() const { return listedAsChosen_ ? listed_ : nameOrder_; }
    const Text& Example() const { return example_; }
    const Text& Mask() const { return mask_; }
    const morvane::Options& Options() const { return options_; }
    const MaskAnalysis& Analysis() const { return analysis_; }
    // Whether the review's undo is handed out and not taken back yet.
    bool Undoing() const { return reviewJob_ != nullptr; }

    // The files of one directory, in the order listed; the first is the
    // example. The earlier choice and the mask go. Refused while a pass is
    // under review: it is never mixed with a new choice.
    // The identities are taken now, or (Apart) by the job Taking hands out;
    // the job of an earlier choice is cancelled.
    SessionResult Choose(const Text& directory, std::vector<Text> names,
                         IdentitiesTaken when = IdentitiesTaken::Now);
    // The job that takes the chosen files' identities, to run once on
    // another thread: nothing when they were taken at once.
    std::shared_ptr<IdentityTaking> Taking() const { return taking_; }
    // Whether the identities of every file a pass covers are in; a Rename
    // before then is refused by the pass with ErrUnexpected, touching nothing.
    bool CoveredTaken() const;
    // The positions, in the chosen order, of the files a pass covers.
    std::vector<std::size_t> Covered() const;
    // The listed names in another order: the same names, each once. The
    // example, the mask and the analysis stay, and so does the state; only
    // which number each file gets changes. Refused under review, and for
    // names that are not the listed ones.
    SessionResult Reorder(std::vector<Text> names);
    // Moves the listed name at `from` to `to`, the names between closing up.
    SessionResult MoveListed(std::size_t from, std::size_t to);
    // The example's name (a listed file's, or as typed) and the mask's text.
    SessionResult SetExample(const Text& name);
    SessionResult SetMask(const Text& mask);
    SessionResult SetOptions(const morvane::Options& options);
    // The dates the listed files' new names show by `choice`, one per name
    // of `names` (none for DateChoice::None; files/file_order.h:
    // ReadFileFacts, DatesInNames), read off the window's thread. Kept by
    // name, so that they follow the list through every reorder and move;
    // a new choice drops them. Until they are given for the date option in
    // force every date is unknown: the example shows the format, and the
    // preview and the pass skip the files.
    SessionResult SetDates(DateChoice choice, const std::vector<Text>& names,
                           const std::vector<std::optional<FileDate>>& dates);
    // Analyses the mask against the example; decimalSeparator is the user's.
    ExtractOutcome Extract(char16_t decimalSeparator);
    // What Rename would do now, touching no file.
    Prediction Preview() const;
    // Renames the listed files. A pass that ends early keeps the list; the
    // files it renamed are in the history. A complete pass empties the list,
    // the example and the mask and goes under review. With nothing listed
    // nothing is renamed and the pass under review stays.
    [[nodiscard]] RenameOutcome Rename();
    // The review: Accept keeps the new names (refused while its undo is out).
    [[nodiscard]] AcceptOutcome Accept();
    // The review's Undo as a job to run on another thread, like every other
    // undo: it gives the pass under review (and only it) its old names back;
    // nothing when no pass is under review or its undo is out already.
    [[nodiscard]] std::unique_ptr<UndoJob> HandOutUndo();
    // That job, once ended: the review ends when every file is back, and
    // stays (for another Undo or Accept) while a file could not be restored.
    [[nodiscard]] ReviewUndo TakeUndo(UndoJob& job);

private:
    template <class R>
    R Answer(R result, bool refused = false) const;
    // The dates of the listed files' new names, in list order; empty without a date option.
    std::vector<std::optional<FileDate>> ListedDates() const;
    void EndReview();

    FileRenamer& renamer_;
    JournalStore* store_;
    RenamerMaker makeRenamer_;
    SessionState state_ = SessionState::Empty;
    Text directory_;
    std::vector<Text> listed_;
    // The directory's and the listed files' identities when they were chosen,
    // shared with the job that takes them.
    std::shared_ptr<ChosenFiles> chosen_;
    std::shared_ptr<IdentityTaking> taking_;
    // listed_ as chosen, kept apart only once the list takes another order:
    // a choice of hundreds of thousands of names is not held twice.
    std::vector<Text> nameOrder_;
    bool listedAsChosen_ = true;
    void KeepNameOrder();
    Text example_;
    Text mask_;
    MaskAnalysis analysis_;
    morvane::Options options_;
    DateChoice datesRead_ = DateChoice::None;  // what dates_ were read for
    std::unordered_map<Text, std::optional<FileDate>> dates_;
    RenameJournal review_;      // the pass under review
    LockedJournal reviewLock_;  // its journal, held while it is under review
    bool reviewEndMissing_ = false;  // its end could not be stored after the pass
    const UndoJob* reviewJob_ = nullptr;  // its undo, handed out and not taken back
};

}  // namespace morvane
