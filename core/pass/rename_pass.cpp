#include "pass/rename_pass.h"

#include <algorithm>

#include "files/directory_path.h"
#include "naming/name_composer.h"

namespace morvane {

PassResult ApplyRenames(const NamePlan& plan, const Text& directory, FileRenamer& renamer, ClashRetry retry,
                        PassRecorder* recorder) {
    PassResult result;
    RenameJournal& journal = result.Journal;
    journal.Directory = directory;
    journal.Entries.reserve(plan.Entries.size());
    for (const PlannedName& planned : plan.Entries) {
        JournalEntry entry{planned.Listed, planned.Listed, planned.Extension, EntryState::NotRenamed, {}, {}};
        if (planned.Action == PlanAction::Rename) {
            entry.Planned = planned.Target();
            entry.Identity = renamer.Identify(JoinPath(directory, planned.Listed));
        }
        journal.Entries.push_back(std::move(entry));
    }
    if (recorder) {
        if (const ErrorNumber err = recorder->Begin(journal); err != ErrNone) {
            result.Error = err;
            return result;
        }
    }

    FreeNameSearch search(renamer, directory, retry);
    for (std::size_t i = 0; i < plan.Entries.size(); ++i) {
        const PlannedName& planned = plan.Entries[i];
        if (planned.Action == PlanAction::Keep) continue;
        JournalEntry& entry = journal.Entries[i];
        // The file chosen, not whatever has its name now.
        if (planned.Action == PlanAction::SkipUnsafe ||
            (entry.Identity && renamer.Identify(JoinPath(directory, entry.From)) != entry.Identity)) {
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
                         PassRecorder* recorder) {
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
    result = ApplyRenames(plan, dirPath, renamer, ClashRetry::Remembered, recorder);
    // Files past the journal's end are not renamed: never report them as done.
    result.FilesSkipped = result.FilesSkipped || plan.Uncovered > 0;
    return result;
}

namespace {

// The name the entry's file has now, looked up by its identity where the
// journal's names no longer lead to it; nothing when it is gone.
std::optional<Text> WhereIsNow(const JournalEntry& entry, const Text& directory, FileRenamer& renamer) {
    if (!entry.Identity) return entry.To;
    for (const Text* name : {&entry.To, &entry.From})
        if (!name->empty() && renamer.Identify(JoinPath(directory, *name)) == entry.Identity) return *name;
    return renamer.Find(directory, *entry.Identity);
}

}  // namespace

UndoOutcome UndoLastPass(RenameJournal& journal, FileRenamer& renamer, ClashRetry retry) {
    UndoOutcome outcome;
    FreeNameSearch search(renamer, journal.Directory, retry);
    auto fail = [&outcome](ErrorNumber err) {
        if (outcome.FirstError == ErrNone) outcome.FirstError = err;
    };
    // Last renamed first: a name that an earlier file gave up may have been
    // taken by a later one, and is free again once the later one is back.
    for (auto entry = journal.Entries.rbegin(); entry != journal.Entries.rend(); ++entry) {
        if (entry->State != EntryState::Renamed && entry->State != EntryState::Interrupted) continue;
        const std::optional<Text> now = WhereIsNow(*entry, journal.Directory, renamer);
        if (!now) {
            // Deleted or moved away since: reported once, then left alone.
            entry->State = EntryState::Gone;
            fail(ErrFileNotFound);
            continue;
        }
        if (*now == entry->From) {  // never renamed, or put back by hand
            entry->State = EntryState::Restored;
            continue;
        }
        const ErrorNumber err = search.Move(*now, entry->From, entry->Extension, entry->From);
        if (err == ErrNone) {
            entry->State = EntryState::Restored;
        } else {
            entry->To = *now;
            // Without an identity a missing file is known by its name only.
            if (err == ErrFileNotFound) entry->State = EntryState::Gone;
            fail(err);
        }
    }
    return outcome;
}

}  // namespace morvane
