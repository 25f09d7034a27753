#include "pass/rename_pass.h"

#include <algorithm>
#include <unordered_map>

#include "naming/name_composer.h"

namespace morvane {

PassResult ApplyRenames(const NamePlan& plan, const Text& directory, FileRenamer& renamer, ClashRetry retry,
                        PassRecorder* recorder, const ChosenFiles* chosen) {
    PassResult result;
    RenameJournal& journal = result.Journal;
    journal.Directory = directory;
    journal.Entries.reserve(plan.Entries.size());
    for (const PlannedName& planned : plan.Entries)
        journal.Entries.push_back({planned.Listed, planned.Listed, planned.Extension, EntryState::NotRenamed, {}, {}});

    const EnteredDirectory entered(renamer, directory, chosen ? chosen->DirectoryIdentity : std::nullopt);
    const bool chosenUnreadable = chosen && (!chosen->DirectoryIdentity || chosen->Directory != directory);
    if (entered.Error() != ErrNone || chosenUnreadable) {
        result.Error = entered.Error() != ErrNone ? entered.Error() : ErrPathNotFound;
        return result;
    }
    journal.DirectoryIdentity = renamer.DirectoryIdentity();
    for (std::size_t i = 0; i < plan.Entries.size(); ++i) {
        const PlannedName& planned = plan.Entries[i];
        if (planned.Action != PlanAction::Rename) continue;
        JournalEntry& entry = journal.Entries[i];
        if (chosen) {
            const auto found = chosen->Files.find(planned.Listed);
            if (found != chosen->Files.end()) entry.Identity = found->second;
        } else {
            entry.Identity = renamer.Identify(planned.Listed);
        }
        // Journalled only with an identity: nothing is ever undone by name alone.
        if (entry.Identity) entry.Planned = planned.Target();
    }
    if (recorder) {
        if (const ErrorNumber err = recorder->Begin(journal); err != ErrNone) {
            result.Error = err;
            return result;
        }
    }

    FreeNameSearch search(renamer, retry);
    for (std::size_t i = 0; i < plan.Entries.size(); ++i) {
        const PlannedName& planned = plan.Entries[i];
        if (planned.Action == PlanAction::Keep) continue;
        JournalEntry& entry = journal.Entries[i];
        if (planned.Action != PlanAction::SkipUnsafe && !entry.Identity) {
            // Nothing there to know it by: a listed file gone ends the pass,
            // as its rename would, without ever being journalled by name.
            result.Error = ErrFileNotFound;
            break;
        }
        // The file chosen, not whatever has its name now.
        if (planned.Action == PlanAction::SkipUnsafe || !renamer.Holds(entry.From, *entry.Identity)) {
            result.FilesSkipped = true;
            continue;
        }
        const ErrorNumber err = search.Move(planned.Listed, planned.Target(), planned.Extension, entry.To);
        if (err == ErrNone) {
            entry.State = EntryState::Renamed;
        } else if (err == ErrCannotAccess || search.NumberedNameTooLong()) {
            result.FilesSkipped = true;
        } else {
            // A change of case that could neither finish nor go back leaves
            // the file under its temporary name: journal it there, so that the
            // undo brings it back, and go no further from an unknown state.
            const Text stranded = renamer.LastTemporaryName();
            if (err == ErrLeftUnderTemporaryName && !stranded.empty()) {
                entry.To = stranded.substr(stranded.rfind(u'/') + 1);
                entry.State = EntryState::Renamed;
            }
            result.Error = err;
            break;
        }
    }
    if (recorder) result.RecordError = recorder->End(journal);
    return result;
}

PassResult RunRenamePass(const std::vector<Text>& listed, const MaskAnalysis& analysis, const Text& dirPath,
                         const Options& options, const Text& exampleName, FileRenamer& renamer,
                         PassRecorder* recorder, const ChosenFiles* chosen) {
    PassResult result;
    result.Journal.Directory = dirPath;
    if (listed.empty()) return result;
    if (dirPath.empty()) {
        result.Error = ErrPathNotFound;
        return result;
    }
    const NamePlan plan = ComposeNewNames(listed, analysis, options, exampleName);
    if (plan.Error != ErrNone) {
        result.Error = plan.Error;
        result.Refused = plan.Refused;
        return result;
    }
    result = ApplyRenames(plan, dirPath, renamer, ClashRetry::Remembered, recorder, chosen);
    // Files past the journal's end are not renamed: never report them as done.
    result.FilesSkipped = result.FilesSkipped || plan.Uncovered > 0;
    return result;
}

namespace {

// Where the journal's files are now: their journalled names first; where
// inode numbers last, the directory read once and only the entries with the
// recorded number checked.
class FileLocator {
public:
    FileLocator(const RenameJournal& journal, FileRenamer& renamer) : journal_(journal), renamer_(renamer) {
        // Hard links share an identity: each of their names belongs to its own entry.
        std::unordered_map<std::string, int> seen;
        for (const JournalEntry& entry : journal.Entries)
            if (entry.Identity && ++seen[entry.Identity->Key] == 2) sharedKeys_.push_back(entry.Identity->Key);
    }

    std::optional<Text> Find(const JournalEntry& entry) {
        const FileIdentity& identity = *entry.Identity;
        for (const Text* name : {&entry.To, &entry.From, &entry.Planned})
            if (!name->empty() && renamer_.Holds(*name, identity)) return *name;
        if (identity.Kind == IdentityKind::Fingerprint) return std::nullopt;
        if (!read_) ReadOnce();
        const auto [first, last] = byInode_.equal_range(identity.Inode);
        for (auto it = first; it != last; ++it)
            if (!ClaimedByAnother(entry, it->second) && renamer_.Holds(it->second, identity)) return it->second;
        return std::nullopt;
    }

    void Moved(const JournalEntry& entry, const Text& from, const Text& to) {
        if (!read_ || !entry.Identity) return;
        const auto [first, last] = byInode_.equal_range(entry.Identity->Inode);
        for (auto it = first; it != last; ++it)
            if (it->second == from) {
                it->second = to;
                break;
            }
    }

private:
    void ReadOnce() {
        read_ = true;
        if (auto entries = renamer_.ReadEntries())
            for (auto& [name, inode] : *entries) byInode_.emplace(inode, std::move(name));
    }

    bool ClaimedByAnother(const JournalEntry& entry, const Text& name) const {
        if (std::find(sharedKeys_.begin(), sharedKeys_.end(), entry.Identity->Key) == sharedKeys_.end()) return false;
        for (const JournalEntry& other : journal_.Entries)
            if (&other != &entry && other.Identity == entry.Identity && (other.To == name || other.From == name))
                return true;
        return false;
    }

    const RenameJournal& journal_;
    FileRenamer& renamer_;
    bool read_ = false;
    std::unordered_multimap<std::uint64_t, Text> byInode_;
    std::vector<std::string> sharedKeys_;
};

}  // namespace

UndoOutcome UndoLastPass(RenameJournal& journal, FileRenamer& renamer, ClashRetry retry) {
    UndoOutcome outcome;
    auto fail = [&outcome](ErrorNumber err) {
        if (outcome.FirstError == ErrNone) outcome.FirstError = err;
    };
    const EnteredDirectory entered(renamer, journal.Directory, journal.DirectoryIdentity);
    if (entered.Error() != ErrNone) {
        fail(entered.Error());
        return outcome;
    }
    FreeNameSearch search(renamer, retry);
    FileLocator locator(journal, renamer);
    // Last renamed first: a name that an earlier file gave up may have been
    // taken by a later one, and is free again once the later one is back.
    for (auto entry = journal.Entries.rbegin(); entry != journal.Entries.rend(); ++entry) {
        if (entry->State != EntryState::Renamed && entry->State != EntryState::Interrupted) continue;
        const std::optional<Text> now = entry->Identity ? locator.Find(*entry) : std::nullopt;
        if (!now) {
            // Deleted, moved away or changed since: reported once, then left alone.
            entry->State = EntryState::Gone;
            outcome.NotFound.push_back(entry->From);
            fail(ErrFileNotFound);
            continue;
        }
        if (*now == entry->From) {  // never renamed, or put back by hand
            entry->State = EntryState::Restored;
            ++outcome.AlreadyBack;
            continue;
        }
        Text taken;
        const ErrorNumber err = search.Move(*now, entry->From, entry->Extension, taken);
        if (err == ErrNone) {
            locator.Moved(*entry, *now, taken);
            entry->From = taken;
            entry->State = EntryState::Restored;
            ++outcome.Restored;
        } else {
            entry->To = *now;
            if (err == ErrFileNotFound) {
                entry->State = EntryState::Gone;
                outcome.NotFound.push_back(entry->From);
            }
            fail(err);
        }
    }
    return outcome;
}

std::size_t CountStillRenamed(const RenameJournal& journal, FileRenamer& renamer) {
    const auto renamed = [](const JournalEntry& e) {
        return e.State == EntryState::Renamed || e.State == EntryState::Interrupted;
    };
    const EnteredDirectory entered(renamer, journal.Directory, journal.DirectoryIdentity);
    if (entered.Error() != ErrNone)
        return static_cast<std::size_t>(std::count_if(journal.Entries.begin(), journal.Entries.end(), renamed));
    FileLocator locator(journal, renamer);
    std::size_t count = 0;
    for (const JournalEntry& entry : journal.Entries) {
        if (!renamed(entry) || !entry.Identity) continue;
        const std::optional<Text> now = locator.Find(entry);
        if (now && *now != entry.From) ++count;
    }
    return count;
}

}  // namespace morvane
