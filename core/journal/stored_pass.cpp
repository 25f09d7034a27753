#include "journal/stored_pass.h"

#include <algorithm>

#include "base/error_numbers.h"
#include "journal/journal_format.h"
#include "naming/file_name_rules.h"

namespace morvane {
namespace {

// A file not found by the last undo stays renamed: a later undo, on the
// right stick or after it came back, looks for it again.
StoredEntryState StoredStateOf(EntryState state) {
    switch (state) {
    case EntryState::Renamed:
    case EntryState::Interrupted:
    case EntryState::Gone: return StoredEntryState::Renamed;
    case EntryState::Restored: return StoredEntryState::Restored;
    case EntryState::NotRenamed: break;
    }
    return StoredEntryState::NotRenamed;
}

// Entries keep their number on disk for the journal's life: notes name them by it.
bool Stored(const JournalEntry& entry) { return !entry.Planned.empty(); }

}  // namespace

std::vector<std::size_t> StoredNumbers(const RenameJournal& journal) {
    std::vector<std::size_t> numbers;
    numbers.reserve(journal.Entries.size());
    std::size_t next = 0;
    for (const JournalEntry& entry : journal.Entries) numbers.push_back(Stored(entry) ? next++ : NotStored);
    return numbers;
}

StoredJournal ToStored(const RenameJournal& journal, JournalState state) {
    StoredJournal stored{journal.Directory, state, {}, journal.DirectoryIdentity, {}};
    stored.Entries.reserve(journal.Entries.size());
    for (const JournalEntry& entry : journal.Entries) {
        if (!Stored(entry)) continue;
        StoredEntry s;
        s.Identity = entry.Identity;
        s.OldName = entry.From;
        s.PlannedName = entry.Planned;
        s.State = StoredStateOf(entry.State);
        // A file the undo did not find keeps the name it is known to have
        // taken, if any; read back without one it is looked for by identity.
        const bool taken = entry.State == EntryState::Renamed || (entry.State == EntryState::Gone && entry.To != entry.From);
        if (state != JournalState::Running && taken) s.TakenName = entry.To;
        stored.Entries.push_back(std::move(s));
    }
    const std::vector<std::size_t> numbers = StoredNumbers(journal);
    for (const Leftover& left : journal.Leftovers)
        if (left.Entry < numbers.size() && numbers[left.Entry] != NotStored)
            stored.Leftovers.push_back({numbers[left.Entry], left.Left});
    return stored;
}

RenameJournal FromStored(const StoredJournal& stored) {
    RenameJournal journal{stored.Directory, {}, stored.DirectoryIdentity, stored.Leftovers};
    for (const StoredEntry& s : stored.Entries) {
        JournalEntry entry;
        entry.From = s.OldName;
        entry.To = s.TakenName.empty() ? s.OldName : s.TakenName;
        entry.Extension = ExtensionOf(s.OldName);
        entry.Planned = s.PlannedName;
        entry.Identity = s.Identity;
        if (stored.State == JournalState::Running)
            entry.State = s.PlannedName != s.OldName ? EntryState::Interrupted : EntryState::NotRenamed;
        else if (s.State == StoredEntryState::Renamed)
            entry.State = s.TakenName.empty() ? EntryState::Interrupted : EntryState::Renamed;
        else
            entry.State = s.State == StoredEntryState::Restored ? EntryState::Restored : EntryState::NotRenamed;
        journal.Entries.push_back(std::move(entry));
    }
    return journal;
}

bool HasRenamed(const RenameJournal& journal) {
    return std::any_of(journal.Entries.begin(), journal.Entries.end(), Unsettled);
}

ErrorNumber StoredPassRecorder::Begin(const RenameJournal& planned) {
    if (store_.MakeReady() != ErrNone) return ErrorNumber::JournalFolderUnusable;
    storedIndex_ = StoredNumbers(planned);
    const ErrorNumber err = store_.Create(ToStored(planned, JournalState::Running), lock_);
    // The folder refused the journal (not writable, read-only, full): said
    // as the folder's fault, never as the files'.
    const bool folderRefused = err == ErrCannotAccess || err == ErrDiskFull || err == ErrPathNotFound ||
                               err == ErrFileNotFound;
    return folderRefused ? ErrorNumber::JournalFolderUnusable : err;
}

ErrorNumber StoredPassRecorder::Leaving(std::size_t entry, const LeftName& left) {
    return AppendLeftNote(store_, lock_, storedIndex_, entry, left);
}

// A drop note that is not written leaves the note before it standing: the
// undo then looks at a name the step did not leave, and finds it is not the
// program's. Nothing is lost.
void StoredPassRecorder::NotLeft() { (void)store_.AppendNote(lock_, EncodeDroppedNote()); }

ErrorNumber AppendLeftNote(JournalStore& store, LockedJournal& lock, const std::vector<std::size_t>& numbers,
                           std::size_t entry, const LeftName& left) {
    // Not journalled, or a name no note can carry: the step is not taken.
    if (entry >= numbers.size() || numbers[entry] == NotStored) return ErrBadFileName;
    const auto note = EncodeLeftNote(numbers[entry], left);
    return note ? store.AppendNote(lock, *note) : ErrBadFileName;
}

StoredUndoRecorder::StoredUndoRecorder(JournalStore& store, LockedJournal& lock, const RenameJournal& journal)
    : store_(store), lock_(lock), numbers_(StoredNumbers(journal)) {}

ErrorNumber StoredUndoRecorder::Leaving(std::size_t entry, const LeftName& left) {
    return AppendLeftNote(store_, lock_, numbers_, entry, left);
}

// As for the pass: a lost drop note only makes the next undo look once more.
void StoredUndoRecorder::NotLeft() { (void)store_.AppendNote(lock_, EncodeDroppedNote()); }

ErrorNumber StoredPassRecorder::End(const RenameJournal& done) {
    if (!lock_.Held()) return ErrUnexpected;
    // Nothing to undo: the pass leaves nothing in the history.
    if (!HasRenamed(done)) return store_.Remove(lock_);
    std::vector<std::pair<std::size_t, Text>> taken;
    for (std::size_t i = 0; i < done.Entries.size() && i < storedIndex_.size(); ++i)
        if (done.Entries[i].State == EntryState::Renamed && storedIndex_[i] != NotStored)
            taken.emplace_back(storedIndex_[i], done.Entries[i].To);
    const auto notes = EncodeEndNotes(taken);
    if (!notes) return ErrUnexpected;
    // Appended, not synced, the journal neither read nor encoded again: the
    // journal written before the first rename already covers a power failure
    // (a journal whose end is lost is recovered as an unfinished pass).
    return store_.AppendEnd(lock_, *notes);
}

ErrorNumber StoreAfterUndo(JournalStore& store, LockedJournal& lock, const RenameJournal& journal) {
    if (!lock.Held()) return ErrUnexpected;
    if (!HasRenamed(journal)) return store.Remove(lock);
    // Not synced: a journal that still shows a restored file as renamed only
    // makes a later undo find it already back.
    return store.Write(lock, ToStored(journal, JournalState::Finished), Durability::Lazy);
}

}  // namespace morvane
