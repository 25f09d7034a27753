#include "pass/rename_pass.h"

#include <algorithm>
#include <unordered_map>

#include "naming/name_composer.h"
#include "pass/file_locator.h"
#include "pass/leftovers.h"

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
    EntryLeftovers leftovers(journal, renamer, recorder);
    for (std::size_t i = 0; i < plan.Entries.size(); ++i) {
        const PlannedName& planned = plan.Entries[i];
        if (planned.Action == PlanAction::Keep) continue;
        leftovers.For(i);
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

UndoOutcome UndoLastPass(RenameJournal& journal, FileRenamer& renamer, ClashRetry retry, LeftoverRecorder* notes) {
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
    fail(ClearLeftovers(journal, renamer, locator));
    EntryLeftovers leftovers(journal, renamer, notes);
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
        leftovers.For(static_cast<std::size_t>(&*entry - journal.Entries.data()));
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
    ForgetSettledLeftovers(journal);
    return outcome;
}

}  // namespace morvane
