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

// "Rename": journals the listed names (entries 0..1000), composes the new
// names, renames the files in list order and reports. dirPath is the chosen
// directory, exampleName the text of txtFile. The busy pointer is shown while
// it works and always put back.
PassOutcome RunRenamePass(WorkState& ws, const std::vector<Text>& listEntries, const Text& dirPath,
                          const OptionTexts& options, const Text& exampleName, FileRenamer& renamer,
                          PointerControl& pointer);

struct UndoOutcome {
    bool Completed = false;  // true: close the review dialog; false: keep it open in review mode
    Text ExampleText;        // on failure "Error # n" for txtExample; empty otherwise
};

// "Undo": renames every file of the last pass back, taking a numbered name
// where its old name is taken meanwhile. A file that cannot be renamed back
// does not stop the others; its entry stays for the next "Undo", and the
// first such failure is reported.
UndoOutcome UndoLastPass(WorkState& ws, FileRenamer& renamer, PointerControl& pointer);

}  // namespace morvane
