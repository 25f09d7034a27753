#pragma once
// "Rename" and "Undo" as core logic: the window's handler reads its controls,
// calls these, and writes back what they return.
#include <vector>

#include "busy_pointer.h"
#include "options.h"
#include "rename_layer.h"
#include "work_state.h"

namespace morvane {

struct PassOutcome {
    bool Completed = false;  // true: clear List1, txtMask, txtFile and open review mode
    Text ExampleText;        // new text of txtExample: "", "Some Files Were Skipped" or "Error # n"
};

PassOutcome RunRenamePass(WorkState& ws, const std::vector<Text>& listEntries, const Text& dirPath,
                          const OptionTexts& options, const Text& exampleName, FileRenamer& renamer,
                          PointerControl& pointer);

struct UndoOutcome {
    bool Completed = false;  // true: close the review dialog; false: keep it open in review mode
    Text ExampleText;        // on failure "Error # n" for txtExample; empty otherwise
};

UndoOutcome UndoLastPass(WorkState& ws, FileRenamer& renamer, PointerControl& pointer);

}  // namespace morvane
