#pragma once
// "Rename" and "Undo" as core logic: the window's handler reads its controls,
// calls these, and shows what they return.
#include <cstddef>
#include <optional>
#include <set>
#include <vector>

#include "files/chosen_files.h"
#include "files/open_directory.h"
#include "pass/free_name_search.h"
#include "naming/mask_analysis.h"
#include "naming/name_plan.h"
#include "naming/options.h"
#include "pass/rename_journal.h"
#include "files/rename_layer.h"

namespace morvane {

// The files the file system refused to rename for one cause.
struct FileRefusal {
    RefusalCause Cause = RefusalCause::None;
    Text First;             // the first file it refused, as listed
    std::size_t Count = 0;  // that one and the others
};

// The files a pass left under their names.
struct SkippedFiles {
    std::vector<FileRefusal> Refused;  // by cause, in the order first met
    // Left for another reason: a name that is not one plain file name, a
    // file replaced since it was chosen, a list longer than a pass covers.
    bool Other = false;

    bool Any() const { return Other || !Refused.empty(); }
    void Add(RefusalCause cause, const Text& name);
};

struct PassResult {
    ErrorNumber Error = ErrNone;         // the failure that ended (or never started) the pass, or ErrNone
    ErrorNumber RecordError = ErrNone;   // the recorder could not record the pass's end
    bool FilesSkipped = false;           // a file was left because it could not be renamed
    SkippedFiles Skipped;                // which, and why
    RenameJournal Journal;               // what was done, one entry per planned file
    NameRefusal Refused;                 // with ErrBadFileName from the composition: what was refused
};

// Applies the plan in list order in directory: each file to rename goes to
// its target, or to a numbered name while that is taken. A file that cannot
// be accessed, whose new name the file system refuses (too long, a character
// it does not accept) or whose next numbered name would be too long, is left
// and counted as skipped with its cause; any other failure ends the pass
// there, the files before it keeping their new names. A pass that never
// starts because its journal cannot be stored answers JournalFolderUnusable
// (the recorder says so).
// The directory is opened once and every rename is relative to it. The
// identities are those of chosen (when given: a directory that is not the
// one chosen ends the pass with ErrPathNotFound before anything is touched;
// a covered name whose identity is still being taken, with ErrUnexpected),
// otherwise taken before the first rename; they are recorded by recorder
// (when given) before any file is touched. A file with no identity, or whose
// name refers to another file right before its rename, is skipped.
PassResult ApplyRenames(const NamePlan& plan, const Text& directory, FileRenamer& renamer,
                        PassRecorder* recorder = nullptr, const ChosenFiles* chosen = nullptr);

// "Rename": composes the plan for the listed files by analysis and options and
// applies it in dirPath. exampleName is the example's name, where a numeric
// mask is looked for again. FilesSkipped also tells of listed files past the
// last entry a pass covers. chosen, when given, holds the identities taken
// when the files were chosen. dates are the listed files' dates for the date
// option (aligned with listed); a name the directory's file system refuses
// is skipped, as the preview shows it.
PassResult RunRenamePass(const std::vector<Text>& listed, const MaskAnalysis& analysis, const Text& dirPath,
                         const Options& options, const Text& exampleName, FileRenamer& renamer,
                         PassRecorder* recorder = nullptr, const ChosenFiles* chosen = nullptr,
                         const std::vector<std::optional<FileDate>>& dates = {});

struct UndoOutcome {
    ErrorNumber FirstError = ErrNone;  // the first failure to give a file back
    RefusalCause FirstCause = RefusalCause::None;  // when the file system refused it: why
    std::size_t Restored = 0;          // given their old names by this undo
    std::size_t AlreadyBack = 0;       // found under their old names already
    std::vector<Text> NotFound;        // old names of the files found nowhere
    std::vector<Text> RenamedLater;    // old names of the files a later pass renamed since
    // Files that may be placeholders a rename cut short left behind, which
    // nothing proves to be the program's: empty ones at names noted for
    // placeholders, and empty or mark-holding ones at old names to give back.
    // Left as they are, never removed on a guess.
    std::vector<Text> LeftBehind;
    // Old names held by such a file: their files are given back once it is gone.
    std::vector<Text> Blocked;
    // Not one of the files was found in the directory (another folder or
    // stick at its path, or every file moved away): nothing was changed.
    bool NoneFound = false;
};

// The files that later passes renamed and that are not back yet: an undo
// leaves them to those passes' undos.
using LaterRenamed = std::set<FileIdentity>;

// "Undo": renames every renamed file of the journal back, last first, taking
// a numbered name where its old name is taken meanwhile, in the journal's
// directory only while it is still the one the pass worked in. A file is the
// one with its recorded identity, wherever FileLocator finds it; it is back
// only under its old name spelt exactly. One found nowhere is reported by
// name (ErrFileNotFound) and marked Gone, to be looked for again by the next
// undo; when not one file of the journal is found, nothing at all is changed
// (NoneFound). A file in later (renamed by a later pass and not back yet) is
// left to that pass's undo and reported. A file that cannot be renamed back
// does not stop the others; its entry stays for the next "Undo", and the
// first such failure is returned. Before the first rename, the placeholders
// and second links that the journal's notes name are removed where each is
// still what the program left (see leftovers.h); every name the undo's own
// steps may leave behind is told to the context's notes (when given) first.
struct UndoContext {
    LeftoverRecorder* Notes = nullptr;  // told first of every name a step may leave behind
    const LaterRenamed* Later = nullptr;
    // The renames reach the disk before the undo returns, so that no journal
    // says a name is back before the disk does: needed where the journal
    // recording the undo lies on another file system than the directory
    // (JournalStore::SharesOrderedLog says when it is not).
    bool SyncRenames = false;
};
UndoOutcome UndoLastPass(RenameJournal& journal, FileRenamer& renamer, const UndoContext& context = {});

}  // namespace morvane
