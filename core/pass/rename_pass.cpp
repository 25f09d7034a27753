#include "pass/rename_pass.h"

#include <sys/stat.h>

#include <algorithm>
#include <unordered_map>

#include "files/name_charset.h"
#include "naming/name_composer.h"
#include "pass/file_locator.h"
#include "pass/leftovers.h"

namespace morvane {

void SkippedFiles::Add(RefusalCause cause, const Text& name) {
    const auto same = std::find_if(Refused.begin(), Refused.end(), [cause](const FileRefusal& r) { return r.Cause == cause; });
    if (same == Refused.end()) Refused.push_back({cause, name, 1});
    else ++same->Count;
}

PassResult ApplyRenames(const NamePlan& plan, const Text& directory, FileRenamer& renamer, PassRecorder* recorder,
                        const ChosenFiles* chosen) {
    PassResult result;
    RenameJournal& journal = result.Journal;
    journal.Directory = directory;
    journal.Entries.reserve(plan.Entries.size());
    for (const PlannedName& planned : plan.Entries)
        journal.Entries.push_back({planned.Listed, planned.Listed, planned.Extension, EntryState::NotRenamed, {}, {}});

    // The identities taken when the files were chosen, each covered one in already.
    std::vector<std::optional<std::size_t>> positions(plan.Entries.size());
    if (chosen)
        for (std::size_t i = 0; i < plan.Entries.size(); ++i) {
            if (plan.Entries[i].Action != PlanAction::Rename) continue;
            positions[i] = chosen->PositionOf(plan.Entries[i].Listed);
            if (positions[i] && !chosen->Taken(*positions[i])) {
                result.Error = ErrUnexpected;
                return result;
            }
        }
    const EnteredDirectory entered(renamer, directory, chosen ? chosen->DirectoryIdentity() : std::nullopt);
    const bool chosenUnreadable = chosen && (!chosen->DirectoryIdentity() || chosen->Directory() != directory);
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
            if (positions[i]) {
                entry.Identity = chosen->Identity(*positions[i]);
                entry.Seen = chosen->Seen(*positions[i]);
            }
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

    FreeNameSearch search(renamer);
    EntryLeftovers leftovers(journal, renamer, recorder);
    for (std::size_t i = 0; i < plan.Entries.size(); ++i) {
        const PlannedName& planned = plan.Entries[i];
        if (planned.Action == PlanAction::Keep) continue;
        leftovers.For(i);
        JournalEntry& entry = journal.Entries[i];
        // A name the folder's file system would refuse is not tried: the
        // file is left, and the refusal named as the file system's would be.
        if (planned.Skip == SkipReason::RefusedCharacter) {
            result.FilesSkipped = true;
            result.Skipped.Add(RefusalCause::CharacterRefused, planned.Listed);
            continue;
        }
        if (planned.Action != PlanAction::SkipUnsafe && !entry.Identity) {
            // Nothing there to know it by: a listed file gone ends the pass,
            // as its rename would, without ever being journalled by name.
            result.Error = ErrFileNotFound;
            break;
        }
        // The file chosen, not whatever has its name now; a file gone since
        // ends the pass, as its rename would.
        const Presence presence = planned.Action == PlanAction::SkipUnsafe ? Presence::Other
                                  : entry.Seen ? renamer.CheckSeen(entry.From, *entry.Identity, *entry.Seen)
                                               : renamer.Check(entry.From, *entry.Identity);
        if (presence == Presence::Missing) {
            result.Error = ErrFileNotFound;
            break;
        }
        if (presence == Presence::Other) {
            result.FilesSkipped = result.Skipped.Other = true;
            continue;
        }
        const ErrorNumber err = search.Move(planned.Listed, planned.Target(), planned.Extension, entry.To);
        const RefusalCause cause = search.NumberedNameTooLong() ? RefusalCause::NameTooLong : renamer.LastRefusal();
        const bool nameRefused = err == ErrBadFileName && (cause == RefusalCause::NameTooLong ||
                                                           cause == RefusalCause::CharacterRefused);
        if (err == ErrNone) {
            entry.State = EntryState::Renamed;
        } else if (err == ErrCannotAccess || nameRefused) {
            result.FilesSkipped = true;
            result.Skipped.Add(cause, planned.Listed);
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
                         PassRecorder* recorder, const ChosenFiles* chosen,
                         const std::vector<std::optional<FileDate>>& dates) {
    PassResult result;
    result.Journal.Directory = dirPath;
    if (listed.empty()) return result;
    if (dirPath.empty()) {
        result.Error = ErrPathNotFound;
        return result;
    }
    const NamePlan plan = ComposeNewNames(listed, analysis, options, exampleName, dates, NameCharsetAt(dirPath));
    if (plan.Error != ErrNone) {
        result.Error = plan.Error;
        result.Refused = plan.Refused;
        return result;
    }
    result = ApplyRenames(plan, dirPath, renamer, recorder, chosen);
    // Files past the journal's end are not renamed: never report them as done.
    if (plan.Uncovered > 0) result.FilesSkipped = result.Skipped.Other = true;
    return result;
}

namespace {

// An empty file with one name, or one that holds only a placeholder's mark.
bool MayBePlaceholder(FileRenamer& renamer, const Text& name) {
    const std::size_t markSize = PlaceholderContent(std::string(PlaceholderMarkDigits, '0')).size();
    const EntryStat found = renamer.Lstat(name);
    const struct stat& st = found.Stat;
    if (found.Error != ErrNone || !S_ISREG(st.st_mode) || st.st_nlink != 1) return false;
    if (st.st_size == 0) return true;
    if (static_cast<std::size_t>(st.st_size) != markSize) return false;
    const auto content = renamer.ReadSmall(name, markSize);
    return content && content->back() == '\n' &&
           content->find_first_not_of("0123456789abcdef") == content->size() - 1;
}

// Two names of one file: the same name, or, where a look-up may ignore case,
// two spellings that find the same entry.
bool SameFile(FileRenamer& renamer, const Text& a, const Text& b) {
    if (a == b) return true;
    if (!MayBeOtherSpelling(a, b)) return false;
    if (renamer.MayIgnoreCase()) return true;
    const EntryStat sa = renamer.Lstat(a), sb = renamer.Lstat(b);
    return sa.Error == ErrNone && sb.Error == ErrNone && sa.Stat.st_dev == sb.Stat.st_dev &&
           sa.Stat.st_ino == sb.Stat.st_ino;
}

bool RenamedLater(const JournalEntry& entry, const LaterRenamed* later) {
    return later && entry.Identity && later->count(*entry.Identity) != 0;
}

// Whether the directory holds at least one of the files still to be given
// back: a folder that holds none of them is another one at the same path
// (another stick, a folder made again), where nothing is to be touched.
bool HoldsAny(const RenameJournal& journal, FileLocator& locator, const LaterRenamed* later) {
    bool looked = false;
    for (auto entry = journal.Entries.rbegin(); entry != journal.Entries.rend(); ++entry) {
        if (!Unsettled(*entry) || !entry->Identity || RenamedLater(*entry, later)) continue;
        if (locator.Find(*entry)) return true;
        looked = true;
    }
    return !looked;
}

}  // namespace

UndoOutcome UndoLastPass(RenameJournal& journal, FileRenamer& renamer, const UndoContext& context) {
    const LaterRenamed* later = context.Later;
    UndoOutcome outcome;
    auto fail = [&outcome](ErrorNumber err) {
        if (outcome.FirstError == ErrNone) outcome.FirstError = err;
    };
    const EnteredDirectory entered(renamer, journal.Directory, journal.DirectoryIdentity);
    if (entered.Error() != ErrNone) {
        fail(entered.Error());
        return outcome;
    }
    FreeNameSearch search(renamer);
    bool holdsAny = false;
    {
        FileLocator probe(journal, renamer);
        holdsAny = HoldsAny(journal, probe, later);
    }
    if (!holdsAny) {
        outcome.NoneFound = true;
        for (const JournalEntry& entry : journal.Entries)
            if (Unsettled(entry) && !RenamedLater(entry, later)) outcome.NotFound.push_back(entry.From);
        fail(ErrFileNotFound);
        return outcome;
    }
    std::vector<Leftover> unproven;
    fail(ClearLeftovers(journal, renamer, unproven));
    for (const Leftover& left : unproven) outcome.LeftBehind.push_back(left.Left.Name);
    FileLocator locator(journal, renamer);
    EntryLeftovers leftovers(journal, renamer, context.Notes);
    // Last renamed first: a name that an earlier file gave up may have been
    // taken by a later one, and is free again once the later one is back.
    for (auto entry = journal.Entries.rbegin(); entry != journal.Entries.rend(); ++entry) {
        if (!Unsettled(*entry)) continue;
        if (RenamedLater(*entry, later)) {
            // Newest first: that pass's undo brings it back here.
            outcome.RenamedLater.push_back(entry->From);
            continue;
        }
        const std::optional<Text> now = entry->Identity ? locator.Find(*entry) : std::nullopt;
        if (!now) {
            // Deleted, moved away or changed since: reported, kept for a later try.
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
        const auto index = static_cast<std::size_t>(&*entry - journal.Entries.data());
        Text taken;
        leftovers.For(index);
        // An old name held by an empty file or one holding a mark: perhaps
        // a placeholder of this undo's, cut short before its mark or its note
        // reached the disk. The file then waits where it is rather than take
        // "-1" beside it.
        bool blocked = false;
        const auto numberIfTaken = [&] {
            blocked = MayBePlaceholder(renamer, entry->From) && !renamer.Holds(entry->From, *entry->Identity);
            return !blocked;
        };
        const ErrorNumber err = search.Move(*now, entry->From, entry->Extension, taken, numberIfTaken);
        if (blocked) {
            outcome.Blocked.push_back(entry->From);
            if (std::none_of(outcome.LeftBehind.begin(), outcome.LeftBehind.end(),
                             [&](const Text& told) { return SameFile(renamer, told, entry->From); }))
                outcome.LeftBehind.push_back(entry->From);
            continue;
        }
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
            if (outcome.FirstError == ErrNone) outcome.FirstCause = renamer.LastRefusal();
            fail(err);
        }
    }
    // The names given back reach the disk before the journal says so: on
    // another disk than the journal's, a power failure could otherwise keep
    // the journal's word and lose the renames.
    if (context.SyncRenames && outcome.Restored > 0)
        fail(renamer.SyncDirectory());
    ForgetSettledLeftovers(journal);
    return outcome;
}

}  // namespace morvane
