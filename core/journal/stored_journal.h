#pragma once
// One rename pass's journal as it is kept on disk between runs of the
// program: enough to put every file back by its identity, and to leave alone
// every file that does not have it.
#include <cstdint>
#include <optional>
#include <vector>

#include "base/text.h"
#include "files/file_identity.h"
#include "files/leftover.h"

namespace morvane {

enum class JournalState {
    Running,   // written before the first rename; the pass has not ended
    Finished,  // the pass ended and the names it took are recorded (some may be restored since)
    Undone,    // every file of the pass has its old name again
};

// Where one file of the pass stands.
enum class StoredEntryState {
    NotRenamed = 0,  // the pass left it under its old name
    Renamed = 1,     // the pass renamed it (or was about to, while Running)
    Restored = 2,    // an undo gave it its old name back (OldName, which may have taken "-N")
};

struct StoredEntry {
    Text OldName;      // name in the directory before the pass
    Text PlannedName;  // name the pass means to give it
    Text TakenName;    // name it actually got ("-N" after a clash); empty until known
    StoredEntryState State = StoredEntryState::NotRenamed;
    std::optional<FileIdentity> Identity;  // of the file when it was chosen; none: never acted on

    bool operator==(const StoredEntry&) const = default;
};

struct StoredJournal {
    Text Directory;  // absolute path of the directory the pass renamed in
    JournalState State = JournalState::Running;
    std::vector<StoredEntry> Entries;
    std::optional<FileIdentity> DirectoryIdentity;  // of that directory when the pass began
    // Names a step may have left behind, by entry number, oldest first.
    std::vector<Leftover> Leftovers;

    bool operator==(const StoredJournal&) const = default;
};

// Why a journal file found on disk is not offered for acting on.
enum class JournalProblem {
    None,
    Unreadable,        // it could not be opened or read
    Truncated,         // it ends before its own length says it does
    Garbled,           // its bytes do not match its checksum or its layout
    FutureVersion,     // a newer version of the program wrote it
    InUse,             // a running copy of the program holds it
};

}  // namespace morvane
