#pragma once
// The names a pass or an undo may leave behind when it is cut short: each
// recorded before its step, and removed by the next undo where it is still
// exactly what the program left.
#include <cstddef>
#include <vector>

#include "base/error_numbers.h"
#include "files/rename_layer.h"
#include "pass/rename_journal.h"

namespace morvane {

// Watches the renamer while it lives: every name a step announces goes into
// the journal in memory and, first, to the recorder (when given), for the
// entry set by For.
class EntryLeftovers final : public LeftoverWatch {
public:
    EntryLeftovers(RenameJournal& journal, FileRenamer& renamer, LeftoverRecorder* recorder);
    ~EntryLeftovers() override;
    EntryLeftovers(const EntryLeftovers&) = delete;
    EntryLeftovers& operator=(const EntryLeftovers&) = delete;

    void For(std::size_t entry) { entry_ = entry; }
    [[nodiscard]] ErrorNumber Leaving(const LeftName& left) override;
    void NotLeft() override;

private:
    RenameJournal& journal_;
    FileRenamer& renamer_;
    LeftoverRecorder* recorder_;
    std::size_t entry_ = 0;
};

// Before an undo: removes every placeholder and second link that the notes of
// a file still to be given its old name name, while it is still what the
// program left (a placeholder: a file with one name holding exactly the mark
// noted for it, or an empty one under a hidden name of the program's own; a
// link: a second name of that very file, with the link count the step gave
// it), and forgets those notes. Anything else at such a name is left alone,
// and its note kept: the undo looks for the file there too. An empty file at
// a placeholder's name may be the program's (made, but cut short before its
// mark) or another's: it goes to unproven, never removed. Returns the first
// failure to remove.
ErrorNumber ClearLeftovers(RenameJournal& journal, FileRenamer& renamer, std::vector<Leftover>& unproven);

// After an undo: forgets the notes of the files that have their old names
// again (or are gone): their steps are over.
void ForgetSettledLeftovers(RenameJournal& journal);

}  // namespace morvane
