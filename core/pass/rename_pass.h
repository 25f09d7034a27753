#pragma once
// "Rename" and "Undo" as core logic: the window's handler reads its controls,
// calls these, and shows what they return.
#include <vector>

#include <cstddef>

#include "files/open_directory.h"
#include "pass/free_name_search.h"
#include "naming/mask_analysis.h"
#include "naming/name_plan.h"
#include "naming/options.h"
#include "pass/rename_journal.h"
#include "files/rename_layer.h"

namespace morvane {

struct PassResult {
    ErrorNumber Error = ErrNone;         // the failure that ended (or never started) the pass, or ErrNone
    ErrorNumber RecordError = ErrNone;   // the recorder could not record the pass's end
    bool FilesSkipped = false;           // a file was left because it could not be renamed
    RenameJournal Journal;               // what was done, one entry per planned file
    NameRefusal Refused;                 // with ErrBadFileName from the composition: what was refused
};

// Applies the plan in list order in directory: each file to rename goes to
// its target, or to a numbered name while that is taken. A file that cannot
// be accessed, or whose next numbered name would be too long, is left and
// counted as skipped; any other failure ends the pass there, the files before
// it keeping their new names.
// The directory is opened once and every rename is relative to it. The
// identities are those of chosen (when given: a directory that is not the
// one chosen ends the pass with ErrPathNotFound before anything is touched),
// otherwise taken before the first rename; they are recorded by recorder
// (when given) before any file is touched. A file with no identity, or whose
// name refers to another file right before its rename, is skipped.
PassResult ApplyRenames(const NamePlan& plan, const Text& directory, FileRenamer& renamer,
                        ClashRetry retry = ClashRetry::Remembered, PassRecorder* recorder = nullptr,
                        const ChosenFiles* chosen = nullptr);

// "Rename": composes the plan for the listed files by analysis and options and
// applies it in dirPath. exampleName is the example's name, where a numeric
// mask is looked for again. FilesSkipped also tells of listed files past the
// last entry a pass covers. chosen, when given, holds the identities taken
// when the files were chosen.
PassResult RunRenamePass(const std::vector<Text>& listed, const MaskAnalysis& analysis, const Text& dirPath,
                         const Options& options, const Text& exampleName, FileRenamer& renamer,
                         PassRecorder* recorder = nullptr, const ChosenFiles* chosen = nullptr);

struct UndoOutcome {
    ErrorNumber FirstError = ErrNone;  // ErrNone: every renamed file has an old name again
    std::size_t Restored = 0;          // given their old names by this undo
    std::size_t AlreadyBack = 0;       // found under their old names already
    std::vector<Text> NotFound;        // old names of the files found nowhere, each reported once
};

// "Undo": renames every renamed file of the journal back, last first, taking
// a numbered name where its old name is taken meanwhile, in the journal's
// directory only while it is still the one the pass worked in. A file is the
// one with its recorded identity: at its journalled names first, then, where
// the file system keeps inode numbers, wherever one read of the directory
// shows it; without inodes it is never looked for under other names. One that
// is found nowhere is reported once (ErrFileNotFound, by name) and marked
// Gone. A file that cannot be renamed back does not stop the others; its
// entry stays for the next "Undo", and the first such failure is returned.
// Before anything else, the placeholders and second links that the journal's
// notes name are removed where each is still what the program left (see
// leftovers.h); every name the undo's own steps may leave behind is told to
// notes (when given) first.
UndoOutcome UndoLastPass(RenameJournal& journal, FileRenamer& renamer, ClashRetry retry = ClashRetry::Remembered,
                         LeftoverRecorder* notes = nullptr);

}  // namespace morvane
