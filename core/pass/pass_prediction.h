#pragma once
// The preview of every new name: the real pass, clash retry included, run
// against a snapshot of the directory's names instead of the disk.
#include <cstddef>
#include <vector>

#include "naming/mask_analysis.h"
#include "naming/name_plan.h"
#include "naming/options.h"
#include "files/rename_layer.h"

namespace morvane {

enum class PredictedOutcome {
    Renamed,       // gets its composed name
    NumberAdded,   // gets its composed name with "-N", the name being taken
    KeepsItsName,  // the rule leaves it alone
    Skipped,       // the pass would leave it (not a plain name, no date, or a failure on the way)
    // The pass leaves it: the directory's file system refuses a character
    // of its new name (RefusedName), which would make the rename fail.
    RefusedByFileSystem,
};

struct PredictedName {
    Text Listed;
    Text NewName;  // the name after the pass (the listed name when it keeps or is skipped)
    PredictedOutcome Outcome = PredictedOutcome::KeepsItsName;
    bool Hidden = false;  // the new name begins with "." and file managers hide it
    SkipReason Skip = SkipReason::None;  // why the rule's name is not given, where the plan knows
    Text RefusedName = {};  // RefusedByFileSystem: the name the file system refuses
    // The date in its new name is its modification time: it has no date taken.
    bool DateModifiedUsed = false;
};

struct Prediction {
    ErrorNumber Error = ErrNone;  // the failure that would end the pass; then no names
    NameRefusal Refused;          // with ErrBadFileName from the composition: what was refused
    std::vector<PredictedName> Names;
    std::size_t Uncovered = 0;  // listed files past the last one a pass covers
    std::vector<Text> UncoveredNames;  // their names, when ListUncovered was given them

    std::size_t Count(PredictedOutcome outcome) const;
};

// What "Rename" would do now: plan is the composition of the listed files
// (given the directory's NameCharset, so that a name its file system refuses
// shows as RefusedByFileSystem), snapshot the directory's names as a renamer
// (NameSnapshot), which the prediction changes as the pass would change the
// directory.
Prediction PredictPass(const NamePlan& plan, const Text& directory, FileRenamer& snapshot);

// Names the files past the last one a pass covers (the tail of listed, as
// many as prediction.Uncovered), so that the preview shows which files a pass
// would skip. A prediction that failed gets none.
void ListUncovered(Prediction& prediction, const std::vector<Text>& listed);

}  // namespace morvane
