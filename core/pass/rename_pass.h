#pragma once
// "Rename" and "Undo" as core logic: the window's handler reads its controls,
// calls these, and shows what they return.
#include <vector>

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
// Each file's identity is taken before the first rename and recorded by
// recorder (when given) before any file is touched; right before its rename a
// file whose name now refers to another file is skipped.
PassResult ApplyRenames(const NamePlan& plan, const Text& directory, FileRenamer& renamer,
                        ClashRetry retry = ClashRetry::Remembered, PassRecorder* recorder = nullptr);

// "Rename": composes the plan for the listed files by analysis and options and
// applies it in dirPath. exampleName is the example's name, where a numeric
// mask is looked for again. FilesSkipped also tells of listed files past the
// last entry a pass covers.
PassResult RunRenamePass(const std::vector<Text>& listed, const MaskAnalysis& analysis, const Text& dirPath,
                         const Options& options, const Text& exampleName, FileRenamer& renamer,
                         PassRecorder* recorder = nullptr);

struct UndoOutcome {
    ErrorNumber FirstError = ErrNone;  // ErrNone: every renamed file has an old name again
};

// "Undo": renames every renamed file of the journal back, last first, taking
// a numbered name where its old name is taken meanwhile. A file is found by
// its identity wherever it is in the directory now; one that is not there is
// reported once (ErrFileNotFound) and marked Gone. A file that cannot be
// renamed back does not stop the others; its entry stays for the next
// "Undo", and the first such failure is returned.
UndoOutcome UndoLastPass(RenameJournal& journal, FileRenamer& renamer, ClashRetry retry = ClashRetry::Remembered);

}  // namespace morvane
