#pragma once
// A pass's journal kept in the journal store: what the pass writes before
// its first rename and when it ends, and the journals found there later, for
// the recovery after a killed pass, "Undo Last Rename" and the history.
#include <cstddef>
#include <vector>

#include "journal/journal_store.h"
#include "pass/rename_journal.h"
#include "files/rename_layer.h"

namespace morvane {

// The journal as the store keeps it: the entries that may be renamed (a gone
// one as not renamed), and the names steps may have left behind. state
// Running: the pass is about to start.
StoredJournal ToStored(const RenameJournal& journal, JournalState state);
// The journal as the undo works on it. A pass that never ended leaves its
// planned entries Interrupted: the undo finds each file by its identity.
RenameJournal FromStored(const StoredJournal& stored);

// Each entry's number in the stored journal, or NotStored.
inline constexpr std::size_t NotStored = std::size_t(-1);
std::vector<std::size_t> StoredNumbers(const RenameJournal& journal);

// Appends the note of a name a step may leave behind, for entry (numbered
// as in the journal in memory).
[[nodiscard]] ErrorNumber AppendLeftNote(JournalStore& store, LockedJournal& lock, const std::vector<std::size_t>& numbers,
                   std::size_t entry, const LeftName& left);

// Whether any file of the journal is still to be given its old name.
bool HasRenamed(const RenameJournal& journal);

// The pass's side of the store: one journal file, encoded and created once
// before the first rename (one fsync of the file and one of the directory);
// when the pass ends, the names taken are appended to it as notes, without
// fsync and without reading or encoding it again; locked from its creation until the
// recorder, or whoever took its lock, lets it go. A pass that renamed nothing
// leaves no journal.
class StoredPassRecorder final : public PassRecorder {
public:
    explicit StoredPassRecorder(JournalStore& store) : store_(store) {}
    // ErrorNumber::JournalFolderUnusable when the store's folder cannot be made.
    [[nodiscard]] ErrorNumber Begin(const RenameJournal& planned) override;
    [[nodiscard]] ErrorNumber End(const RenameJournal& done) override;
    // Appended before the step, without fsync: the note outlives the
    // program being killed at any later moment.
    [[nodiscard]] ErrorNumber Leaving(std::size_t entry, const LeftName& left) override;
    void NotLeft() override;
    // The journal's lock, for whoever keeps the pass (its review) from now on.
    LockedJournal TakeLock() { return std::move(lock_); }

private:
    JournalStore& store_;
    LockedJournal lock_;
    std::vector<std::size_t> storedIndex_;  // per journal entry: its number on disk, or npos when left out
};

// An undo's side of the store: the names its steps may leave behind, as
// notes appended to the journal it holds.
class StoredUndoRecorder final : public LeftoverRecorder {
public:
    StoredUndoRecorder(JournalStore& store, LockedJournal& lock, const RenameJournal& journal);
    [[nodiscard]] ErrorNumber Leaving(std::size_t entry, const LeftName& left) override;
    void NotLeft() override;

private:
    JournalStore& store_;
    LockedJournal& lock_;
    std::vector<std::size_t> numbers_;
};

// Writes the journal after an undo; a journal whose every file is back is
// removed. A lock not held (the journal was never stored) is an error too.
[[nodiscard]] ErrorNumber StoreAfterUndo(JournalStore& store, LockedJournal& lock, const RenameJournal& journal);

}  // namespace morvane
