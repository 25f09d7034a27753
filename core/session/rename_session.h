#pragma once
// The one road from choosing files to undoing their rename. The session owns
// everything a rename is made of: the chosen directory and the listed names
// in their order, the example, the mask and its analysis, the one Options
// record, the pass under review, the history of passes (the journal store)
// and the rename layer. Windows call its named operations and show what each
// returns; none of them keeps workflow state of its own.
//
// States (docs/ARCHITECTURE.md has the picture):
//   Empty      nothing listed and no pass under review
//   Chosen     files listed, no "Extract" since they were chosen
//   Extracted  files listed and analysed: a pass can run
//   Reviewing  a pass is under review, to be accepted or undone
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
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

namespace morvane {

class UndoJob;

enum class SessionState { Empty, Chosen, Extracted, Reviewing };

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
    bool FilesSkipped = false;  // a file was left alone, or the list was longer than a pass covers
    NameRefusal RefusedName;    // with ErrBadFileName from the composition: the text refused and why
    bool ReviewKept = false;    // nothing was listed: the pass under review (if any) stays
    // The journal could not be completed on disk (Error says why): the pass
    // is under review all the same and its Undo works from memory.
    bool KeptInMemory = false;
};

struct SessionUndo : SessionResult {
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

enum class PassStatus { UnderReview, Accepted, PartlyUndone, Undone, Unfinished };

// One pass of the history.
struct PassSummary {
    std::string FileName;
    std::int64_t When = 0;  // seconds since the epoch when the pass started
    Text Directory;
    std::size_t Files = 0;  // files the pass renamed (planned to, when unfinished)
    PassStatus Status = PassStatus::Accepted;
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

// A renamer of its own for each undo that runs on another thread.
using RenamerMaker = std::function<std::unique_ptr<FileRenamer>()>;

class RenameSession {
public:
    // store may be null: there is no folder for journals, and no pass starts.
    // makeRenamer gives each undo handed out a renamer of its own (by
    // default one on the real file system).
    RenameSession(FileRenamer& renamer, JournalStore* store, RenamerMaker makeRenamer = {});
    ~RenameSession();
    RenameSession(const RenameSession&) = delete;
    RenameSession& operator=(const RenameSession&) = delete;

    SessionState State() const { return state_; }
    const Text& Directory() const { return directory_; }
    const std::vector<Text>& Listed() const { return listed_; }
    // The listed names as they were chosen, in the chooser's name order,
    // whatever order the list has taken since.
    const std::vector<Text>& NameOrder() const { return nameOrder_; }
    const Text& Example() const { return example_; }
    const Text& Mask() const { return mask_; }
    const morvane::Options& Options() const { return options_; }
    const MaskAnalysis& Analysis() const { return analysis_; }
    // Where the history is kept; empty without one.
    std::string JournalFolder() const { return store_ ? store_->Directory() : std::string(); }

    // The files of one directory, in the order listed; the first is the
    // example. The earlier choice and the mask go. Refused while a pass is
    // under review: it is never mixed with a new choice.
    SessionResult Choose(const Text& directory, std::vector<Text> names);
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
    // Analyses the mask against the example; decimalSeparator is the user's.
    ExtractOutcome Extract(char16_t decimalSeparator);
    // What Rename would do now, touching no file.
    Prediction Preview() const;
    // Renames the listed files. A pass that ends early keeps the list; the
    // files it renamed are in the history. A complete pass empties the list,
    // the example and the mask and goes under review. With nothing listed
    // nothing is renamed and the pass under review stays.
    [[nodiscard]] RenameOutcome Rename();
    // The review: Accept keeps the new names; Undo gives the pass under
    // review (and only it) its old names back, and stays under review while
    // a file could not be restored.
    SessionResult Accept();
    [[nodiscard]] SessionUndo Undo();

    // The history, newest first.
    std::vector<PassSummary> History() const;
    // The newest pass that still has a file under a new name, if there is
    // one, in the order the passes started, unfinished ones and those another
    // copy holds included (never skipped: an older pass waits for them); none
    // while a pass is under review (its own Undo is the way back) or while
    // that pass or a newer one is being undone by a job handed out. From the
    // journals alone.
    std::optional<UndoQuestion> NextToUndo() const;
    bool HasPassToUndo() const;
    // Removes a pass from the history for good, when the user asks (after a
    // question): its files keep the names they have. Refused for a pass
    // another copy holds, under review here or being undone.
    [[nodiscard]] SessionResult Forget(const std::string& fileName);
    // Undoes that pass; with asked, only while it is still the pass asked about.
    [[nodiscard]] SessionUndo UndoLast(const std::string& asked = {});

    // The same undo as a job to run on another thread; nothing when UndoLast
    // would be refused. The job holds the pass's journal locked until it
    // ends; until it is taken back, neither that pass nor an older one is
    // handed out again.
    [[nodiscard]] std::unique_ptr<UndoJob> HandOutUndoLast(const std::string& asked = {});
    // The undo of an unfinished pass found at start-up, as a job.
    [[nodiscard]] std::unique_ptr<UndoJob> HandOutRecoverUndo(const std::string& fileName);
    // A job handed out by this session, once it has ended: what it did.
    // Refused for a job still running or already taken back.
    [[nodiscard]] SessionUndo TakeUndo(const UndoJob& job);
    // Whether a job handed out has not been taken back yet.
    bool Undoing() const { return !undoing_.empty(); }

    // Start-up: journals of passes that never ended, and damaged ones; the
    // session holds them until each is undone, kept, set aside or let go.
    std::vector<UnfinishedPass> FindUnfinished();
    [[nodiscard]] SessionUndo RecoverUndo(const std::string& fileName);
    [[nodiscard]] SessionResult RecoverKeep(const std::string& fileName);
    // Moves a damaged journal out of the way, never to be reported again.
    [[nodiscard]] SessionResult SetAside(const std::string& fileName);
    void LetUnfinishedGo();

private:
    template <class R>
    R Answer(R result, bool refused = false) const;
    std::unique_ptr<UndoJob> HandOut(FoundJournal& found, std::unique_ptr<FileRenamer> renamer);
    LaterRenamed RenamedSince(const std::string& fileName) const;
    SessionUndo RunHere(std::unique_ptr<UndoJob> job);
    FoundJournal* Pending(const std::string& fileName);
    bool Undoing(const std::string& fileName) const;
    std::optional<FoundJournal> NewestToUndo() const;

    FileRenamer& renamer_;
    JournalStore* store_;
    RenamerMaker makeRenamer_;
    SessionState state_ = SessionState::Empty;
    Text directory_;
    std::vector<Text> listed_;
    ChosenFiles chosen_;  // the directory's and the listed files' identities when they were chosen
    std::vector<Text> nameOrder_;  // listed_ as chosen
    Text example_;
    Text mask_;
    MaskAnalysis analysis_;
    morvane::Options options_;
    RenameJournal review_;      // the pass under review
    LockedJournal reviewLock_;  // its journal, held while it is under review
    bool reviewEndMissing_ = false;  // its end could not be stored after the pass
    std::vector<FoundJournal> pending_;
    std::vector<std::string> undoing_;  // the journals of the jobs handed out and not taken back
};

}  // namespace morvane
