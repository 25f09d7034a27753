#pragma once
// The first phase of the rename pass: decides every listed file's new name by
// the rule of the mask mode. It touches no file.
#include "options.h"
#include "work_state.h"

namespace morvane {

// Expects OldNames[0..count-1] to hold the listed bare names (count at most
// MaxJournalIndex + 1); fills Extensions and NewNames for those entries.
// exampleName is the current text of txtFile (used by the numeric mask).
// Returns ErrNone, or the error number that ends the pass.
int ComposeNewNames(WorkState& ws, int count, const OptionTexts& options, const Text& exampleName);

}  // namespace morvane
