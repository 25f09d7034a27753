#include "rename_pass.h"

#include <algorithm>

#include "name_composer.h"

namespace morvane {

PassResult ApplyRenames(const NamePlan& plan, const Text& directory, FileRenamer& renamer, ClashRetry retry) {
    PassResult result;
    result.Journal.Directory = directory;
    result.Journal.Entries.reserve(plan.Entries.size());
    for (const PlannedName& planned : plan.Entries)
        result.Journal.Entries.push_back({planned.Listed, planned.Listed, planned.Extension, EntryState::NotRenamed});

    FreeNameSearch search(renamer, directory, retry);
    for (std::size_t i = 0; i < plan.Entries.size(); ++i) {
        const PlannedName& planned = plan.Entries[i];
        if (planned.Action == PlanAction::Keep) continue;
        if (planned.Action == PlanAction::SkipUnsafe) {
            result.FilesSkipped = true;
            continue;
        }
        JournalEntry& entry = result.Journal.Entries[i];
        const int err = search.Move(planned.Listed, planned.Target(), planned.Extension, entry.To);
        if (err == ErrNone) {
            entry.State = EntryState::Renamed;
        } else if (err == ErrCannotAccess || search.NumberedNameTooLong()) {
            result.FilesSkipped = true;
        } else {
            result.Error = err;
            break;
        }
    }
    return result;
}

PassOutcome RunRenamePass(WorkState& ws, const std::vector<Text>& listed, const Text& dirPath, const Options& options,
                          const Text& exampleName, FileRenamer& renamer) {
    ws.FilesSkipped = false;
    ws.DirPath = dirPath;
    ws.LastIndex = static_cast<int>(std::min<std::size_t>(listed.size(), MaxJournalIndex + 1)) - 1;
    ws.Journal = {dirPath, {}};
    if (!listed.empty() && dirPath.empty()) return {ErrPathNotFound, false};

    const NamePlan plan = ComposeNewNames(listed, ws.Analysis, options, exampleName);
    if (plan.Error != ErrNone) return {plan.Error, false};
    PassResult result = ApplyRenames(plan, dirPath, renamer);
    ws.Journal = std::move(result.Journal);
    // Files past the journal's end are not renamed: never report them as done.
    ws.FilesSkipped = result.FilesSkipped || plan.Uncovered > 0;
    return {result.Error, ws.FilesSkipped};
}

UndoOutcome UndoLastPass(RenameJournal& journal, FileRenamer& renamer, ClashRetry retry) {
    UndoOutcome outcome;
    FreeNameSearch search(renamer, journal.Directory, retry);
    // Last renamed first: a name that an earlier file gave up may have been
    // taken by a later one, and is free again once the later one is back.
    for (auto entry = journal.Entries.rbegin(); entry != journal.Entries.rend(); ++entry) {
        if (entry->State != EntryState::Renamed) continue;
        const int err = search.Move(entry->To, entry->From, entry->Extension, entry->From);
        if (err == ErrNone) entry->State = EntryState::Restored;
        // A file gone since the pass is reported once, then left out, so that
        // it cannot block every later undo.
        if (err == ErrFileNotFound) entry->State = EntryState::Gone;
        if (err != ErrNone && outcome.FirstError == ErrNone) outcome.FirstError = err;
    }
    return outcome;
}

}  // namespace morvane
