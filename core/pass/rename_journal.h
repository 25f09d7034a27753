#pragma once
// What a pass actually did, entry by entry: the undo works from this and
// nothing else.
#include <cstddef>
#include <optional>
#include <vector>

#include "base/error_numbers.h"
#include "files/file_identity.h"
#include "files/leftover.h"
#include "base/text.h"

namespace morvane {

enum class EntryState {
    NotRenamed,   // the pass left the file under From
    Renamed,      // the file carries To
    Interrupted,  // the pass never ended: the file may carry From, To or a name on the way
    Restored,     // an undo gave it back From (which may have taken "-N")
    Gone,         // the last undo found it nowhere: still to be given back by a later one
};

struct JournalEntry {
    Text From;       // bare name before the pass (after an undo: the name restored)
    Text To;         // bare name the file has after the pass; From when not renamed
    Text Extension;  // of the listed name: clash numbers go in front of it
    EntryState State = EntryState::NotRenamed;
    Text Planned;    // the name the plan gave it, before any clash
    // The file itself, taken when it was chosen: the undo acts only on the
    // file that has it. Unknown for a file that was not there: never acted on.
    std::optional<FileIdentity> Identity;
    // What this run saw of the file where it read its fingerprint: checks
    // within this run compare it instead of reading the file again. Never
    // stored: a journal read back has none, and the fingerprint decides.
    std::optional<SeenFile> Seen = std::nullopt;
};

// Whether an entry still waits for an undo: renamed, perhaps renamed, or not
// found by the last undo.
inline bool Unsettled(const JournalEntry& entry) {
    return entry.State == EntryState::Renamed || entry.State == EntryState::Interrupted ||
           entry.State == EntryState::Gone;
}

struct RenameJournal {
    Text Directory;                     // where the pass worked
    std::vector<JournalEntry> Entries;  // one per covered list entry, in list order
    std::optional<FileIdentity> DirectoryIdentity;  // the directory itself: another one there is not undone
    std::vector<Leftover> Leftovers;    // in the order they were announced
};

// Where the names that steps may leave behind are recorded before each step.
class LeftoverRecorder {
public:
    virtual ~LeftoverRecorder() = default;
    // A step that cannot be recorded (an error number) is not taken.
    [[nodiscard]] virtual ErrorNumber Leaving(std::size_t entry, const LeftName& left) = 0;
    // The last one recorded was not left after all.
    virtual void NotLeft() = 0;
};

// Where a pass records what it does, so that it can be undone after the
// program ended or was killed.
class PassRecorder : public LeftoverRecorder {
public:
    virtual ~PassRecorder() = default;
    // The journal as the pass means to carry it out, before any file is
    // touched. An error number stops the pass before it starts.
    [[nodiscard]] virtual ErrorNumber Begin(const RenameJournal& planned) = 0;
    // What the pass did, once it ended, by a failure too. An error number
    // says the record could not be completed: the pass itself is done.
    [[nodiscard]] virtual ErrorNumber End(const RenameJournal& done) = 0;
};

}  // namespace morvane
