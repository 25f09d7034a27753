#include "journal/stored_pass.h"

#include "files/directory_path.h"
#include "base/errno_mapping.h"
#include "base/error_numbers.h"
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

}  // namespace

StoredJournal ToStored(const RenameJournal& journal, JournalState state) {
    StoredJournal stored{journal.Directory, state, {}};
    for (const JournalEntry& entry : journal.Entries) {
        if (entry.Planned.empty() || entry.State == EntryState::Gone) continue;
        StoredEntry s;
        if (entry.Identity) {
            s.Device = entry.Identity->Device;
            s.Inode = entry.Identity->Inode;
        }
        s.OldName = entry.From;
        s.PlannedName = entry.Planned;
        s.State = StoredStateOf(entry.State);
        if (state != JournalState::Running && entry.State == EntryState::Renamed) s.TakenName = entry.To;
        stored.Entries.push_back(std::move(s));
    }
    return stored;
}

RenameJournal FromStored(const StoredJournal& stored) {
    RenameJournal journal{stored.Directory, {}};
    for (const StoredEntry& s : stored.Entries) {
        JournalEntry entry;
        entry.From = s.OldName;
        entry.To = s.TakenName.empty() ? s.OldName : s.TakenName;
        entry.Extension = ExtensionOf(s.OldName);
        entry.Planned = s.PlannedName;
        if (s.Inode != 0) entry.Identity = FileIdentity{s.Device, s.Inode};
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

std::size_t CountRenamed(const RenameJournal& journal, FileRenamer& renamer) {
    std::size_t renamed = 0;
    for (const JournalEntry& entry : journal.Entries) {
        if (entry.State != EntryState::Renamed && entry.State != EntryState::Interrupted) continue;
        // Known by its identity: not counted when it is back under its old name.
        if (entry.Identity && renamer.Identify(JoinPath(journal.Directory, entry.From)) == entry.Identity) continue;
        // Without one, a file that never left its old name cannot be told from a newcomer there.
        if (!entry.Identity && entry.State == EntryState::Interrupted &&
            renamer.Identify(JoinPath(journal.Directory, entry.From)))
            continue;
        ++renamed;
    }
    return renamed;
}

bool HasRenamed(const RenameJournal& journal) {
    for (const JournalEntry& entry : journal.Entries)
        if (entry.State == EntryState::Renamed || entry.State == EntryState::Interrupted) return true;
    return false;
}

ErrorNumber StoredPassRecorder::Begin(const RenameJournal& planned) {
    if (store_.MakeReady() != 0) return ErrorNumber::JournalFolderUnusable;
    return StoreError(store_.Create(ToStored(planned, JournalState::Running), lock_));
}

ErrorNumber StoredPassRecorder::End(const RenameJournal& done) {
    if (!lock_.Held()) return ErrUnexpected;
    // Nothing to undo: the pass leaves nothing in the history.
    if (!HasRenamed(done)) return StoreError(store_.Remove(lock_));
    // Not synced: atomic against a crash of the program, and the journal
    // written before the first rename already covers a power failure.
    return StoreError(store_.Write(lock_, ToStored(done, JournalState::Finished), Durability::Lazy));
}

ErrorNumber StoreAfterUndo(JournalStore& store, LockedJournal& lock, const RenameJournal& journal) {
    if (!lock.Held()) return ErrUnexpected;
    if (!HasRenamed(journal)) return StoreError(store.Remove(lock));
    // Not synced: a journal that still shows a restored file as renamed only
    // makes a later undo find it already back.
    return StoreError(store.Write(lock, ToStored(journal, JournalState::Finished), Durability::Lazy));
}

}  // namespace morvane
