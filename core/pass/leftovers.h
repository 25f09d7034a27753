#pragma once
// The names a pass or an undo may leave behind when it is cut short: each
// recorded before its step, and removed by the next undo where it is still
// exactly what the program left.
#include <cstddef>

#include "base/error_numbers.h"
#include "files/rename_layer.h"
#include "pass/file_locator.h"
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
    int Leaving(const LeftName& left) override;
    void NotLeft() override;

private:
    RenameJournal& journal_;
    FileRenamer& renamer_;
    LeftoverRecorder* recorder_;
    std::size_t entry_ = 0;
};

// Before an undo: removes every placeholder and second link the journal's
// notes name while it is still what the program left (a placeholder: an
// empty file with one name, while its entry's file is found under another of
// its names; a link: a second name of that very file, with the link count
// the step gave it) and forgets the note; anything else at that name is
// left alone. Temporary names stay: the undo looks for files there. Returns
// the first failure to remove; its note stays for the next undo.
ErrorNumber ClearLeftovers(RenameJournal& journal, FileRenamer& renamer, FileLocator& locator);

// After an undo whose own notes start at undoFrom: forgets the notes of the
// files given their old names back (their steps ended, their temporary names
// are past), but for a name ClearLeftovers could not remove.
void ForgetSettledLeftovers(RenameJournal& journal, std::size_t undoFrom);

}  // namespace morvane
