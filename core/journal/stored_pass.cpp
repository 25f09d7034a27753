#include "journal/stored_pass.h"

#include "base/errno_mapping.h"
#include "base/error_numbers.h"
#include "journal/journal_format.h"
#include "naming/file_name_rules.h"

namespace morvane {
namespace {

StoredEntryState StoredStateOf(EntryState state) {
    switch (state) {
    case EntryState::Renamed:
    case EntryState::Interrupted: return StoredEntryState::Renamed;
    case EntryState::Restored: return StoredEntryState::Restored;
    case EntryState::NotRenamed:
    case EntryState::Gone: break;
    }
    return StoredEntryState::NotRenamed;
}

ErrorNumber StoreError(int err) { return err == 0 ? ErrNone : ErrorNumberForErrno(err, false); }

bool Stored(const JournalEntry& entry) { return !entry.Planned.empty() && entry.State != EntryState::Gone; }

}  // namespace

StoredJournal ToStored(const RenameJournal& journal, JournalState state) {
    StoredJournal stored{journal.Directory, state, {}, journal.DirectoryIdentity};
    for (const JournalEntry& entry : journal.Entries) {
        if (!Stored(entry)) continue;
        StoredEntry s;
        s.Identity = entry.Identity;
        s.OldName = entry.From;
        s.PlannedName = entry.Planned;
        s.State = StoredStateOf(entry.State);
        if (state != JournalState::Running && entry.State == EntryState::Renamed) s.TakenName = entry.To;
        stored.Entries.push_back(std::move(s));
    }
    return stored;
}

RenameJournal FromStored(const StoredJournal& stored) {
    RenameJournal journal{stored.Directory, {}, stored.DirectoryIdentity};
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
    for (const JournalEntry& entry : journal.Entries)
        if (entry.State == EntryState::Renamed || entry.State == EntryState::Interrupted) return true;
    return false;
}

ErrorNumber StoredPassRecorder::Begin(const RenameJournal& planned) {
    if (store_.MakeReady() != 0) return ErrorNumber::JournalFolderUnusable;
    storedIndex_.clear();
    std::size_t next = 0;
    for (const JournalEntry& entry : planned.Entries) storedIndex_.push_back(Stored(entry) ? next++ : std::size_t(-1));
    return StoreError(store_.Create(ToStored(planned, JournalState::Running), lock_));
}

ErrorNumber StoredPassRecorder::End(const RenameJournal& done) {
    if (!lock_.Held()) return ErrUnexpected;
    // Nothing to undo: the pass leaves nothing in the history.
    if (!HasRenamed(done)) return StoreError(store_.Remove(lock_));
    std::vector<std::pair<std::size_t, Text>> taken;
    for (std::size_t i = 0; i < done.Entries.size() && i < storedIndex_.size(); ++i)
        if (done.Entries[i].State == EntryState::Renamed && storedIndex_[i] != std::size_t(-1))
            taken.emplace_back(storedIndex_[i], done.Entries[i].To);
    const auto notes = EncodeEndNotes(taken);
    if (!notes) return ErrUnexpected;
    // Appended, not synced, the journal neither read nor encoded again: the
    // journal written before the first rename already covers a power failure
    // (a journal whose end is lost is recovered as an unfinished pass).
    return StoreError(store_.AppendEnd(lock_, *notes));
}

ErrorNumber StoreAfterUndo(JournalStore& store, LockedJournal& lock, const RenameJournal& journal) {
    if (!lock.Held()) return ErrUnexpected;
    if (!HasRenamed(journal)) return StoreError(store.Remove(lock));
    // Not synced: a journal that still shows a restored file as renamed only
    // makes a later undo find it already back.
    return StoreError(store.Write(lock, ToStored(journal, JournalState::Finished), Durability::Lazy));
}

}  // namespace morvane
