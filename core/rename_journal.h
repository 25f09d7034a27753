#pragma once
// What a pass actually did, entry by entry: the undo works from this and
// nothing else.
#include <vector>

#include "text.h"

namespace morvane {

enum class EntryState {
    NotRenamed,  // the pass left the file under From
    Renamed,     // the file carries To
    Restored,    // an undo gave it back From (which may have taken "-N")
    Gone,        // no longer in the directory when an undo looked for it
};

struct JournalEntry {
    Text From;       // bare name before the pass (after an undo: the name restored)
    Text To;         // bare name the pass gave it; equal to From when not renamed
    Text Extension;  // of the listed name: clash numbers go in front of it
    EntryState State = EntryState::NotRenamed;
};

struct RenameJournal {
    Text Directory;                     // where the pass worked
    std::vector<JournalEntry> Entries;  // one per covered list entry, in list order

    // Index of the last entry, -1 for a pass over an empty list.
    int LastIndex() const { return static_cast<int>(Entries.size()) - 1; }
};

}  // namespace morvane
