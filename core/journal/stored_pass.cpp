#include "journal/stored_pass.h"

#include <set>

#include "files/directory_path.h"
#include "base/errno_mapping.h"
#include "base/error_numbers.h"
#include "naming/file_name_rules.h"
#include "journal/journal_format.h"

namespace morvane {

namespace {

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
        s.Renamed = entry.State == EntryState::Renamed || entry.State == EntryState::Interrupted;
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
        else
            entry.State = s.Renamed ? (s.TakenName.empty() ? EntryState::Interrupted : EntryState::Renamed)
                                    : EntryState::NotRenamed;
        journal.Entries.push_back(std::move(entry));
    }
    return journal;
}

std::size_t CountRenamed(const RenameJournal& journal, FileRenamer& renamer) {
    std::size_t renamed = 0;
    const EnteredDirectory entered(renamer, journal.Directory, journal.DirectoryIdentity);
    for (const JournalEntry& entry : journal.Entries) {
        if (entry.State == EntryState::Renamed) {
            ++renamed;
        } else if (entry.State == EntryState::Interrupted) {
            if (entered.Error() != ErrNone || !entry.Identity || !renamer.Holds(entry.From, *entry.Identity)) ++renamed;
        }
    }
    return renamed;
}

bool HasRenamed(const RenameJournal& journal) {
    for (const JournalEntry& entry : journal.Entries)
        if (entry.State == EntryState::Renamed || entry.State == EntryState::Interrupted) return true;
    return false;
}

ErrorNumber StoredPassRecorder::Begin(const RenameJournal& planned) {
    storedIndex_.clear();
    std::size_t next = 0;
    for (const JournalEntry& entry : planned.Entries) storedIndex_.push_back(Stored(entry) ? next++ : std::size_t(-1));
    const int err = store_.Create(ToStored(planned, JournalState::Running), lock_);
    return err == 0 ? ErrNone : ErrorNumberForErrno(err, false);
}

void StoredPassRecorder::End(const RenameJournal& done) {
    if (!lock_.Held()) return;
    std::vector<std::pair<std::size_t, Text>> taken;
    for (std::size_t i = 0; i < done.Entries.size() && i < storedIndex_.size(); ++i)
        if (done.Entries[i].State == EntryState::Renamed && storedIndex_[i] != std::size_t(-1))
            taken.emplace_back(storedIndex_[i], done.Entries[i].To);
    // Not synced: the journal written before the first rename already covers
    // a power failure; a journal whose end is lost is recovered as unfinished.
    if (const auto notes = EncodeEndNotes(taken)) (void)store_.Append(lock_, *notes);
    lock_.Release();
}

ErrorNumber StoreAfterUndo(JournalStore& store, LockedJournal& lock, const RenameJournal& journal) {
    const JournalState state = HasRenamed(journal) ? JournalState::Finished : JournalState::Undone;
    // Not synced: a journal that still shows a restored file as renamed only
    // makes a later undo find it already back.
    const int err = store.Write(lock, ToStored(journal, state), Durability::Lazy);
    return err == 0 ? ErrNone : ErrorNumberForErrno(err, false);
}

ErrorNumber RecordUndo(JournalStore& store, const RenameJournal& journal) {
    int error = 0;
    auto ended = store.FindLatestEnded(error);
    if (!ended || ended->Problem != JournalProblem::None) return ErrNone;
    const StoredJournal& stored = ended->Journal;
    // Only the same pass: same directory, and the same files by identity.
    const StoredJournal undone = ToStored(journal, JournalState::Finished);
    if (stored.Directory != journal.Directory) return ErrNone;
    std::set<std::string> files;
    for (const StoredEntry& entry : stored.Entries)
        if (entry.Identity) files.insert(entry.Identity->Key);
    for (const StoredEntry& entry : undone.Entries)
        if (!entry.Identity || !files.count(entry.Identity->Key)) return ErrNone;
    return StoreAfterUndo(store, ended->Lock, journal);
}

}  // namespace morvane
