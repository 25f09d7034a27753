#pragma once
// The one record of values that pass from one handler to another. The
// application owns exactly one and hands it to its windows.
#include "naming/mask_analysis.h"
#include "pass/rename_journal.h"
#include "base/text.h"

namespace morvane {

inline constexpr int MaxJournalIndex = 1000;  // a pass covers list entries 0..1000

struct WorkState {
    MaskAnalysis Analysis;  // left by "Extract", applied by every pass until the next one
    RenameJournal Journal;  // the last pass, read by "Undo"
    // Shared list bound: the list's double-click and the chooser's
    // confirmation overwrite it with their own list's entry count minus 1.
    // The undo does not depend on it: the journal keeps its own entries.
    int LastIndex = 0;
    Text HelpFilePath;
    Text DirPath;             // the directory chosen, and the one the last pass worked in
    bool FilesSkipped = false;  // the last pass left a file it could not rename
};

}  // namespace morvane
