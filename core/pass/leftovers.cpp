#include "pass/leftovers.h"

#include <sys/stat.h>

#include <vector>

#include "base/errno_mapping.h"

namespace morvane {

EntryLeftovers::EntryLeftovers(RenameJournal& journal, FileRenamer& renamer, LeftoverRecorder* recorder)
    : journal_(journal), renamer_(renamer), recorder_(recorder) {
    renamer_.Watch(this);
}

EntryLeftovers::~EntryLeftovers() { renamer_.Watch(nullptr); }

int EntryLeftovers::Leaving(const LeftName& left) {
    if (recorder_)
        if (const int err = recorder_->Leaving(entry_, left); err != 0) return err;
    journal_.Leftovers.push_back({entry_, left});
    return 0;
}

void EntryLeftovers::NotLeft() {
    if (!journal_.Leftovers.empty()) journal_.Leftovers.pop_back();
    if (recorder_) recorder_->NotLeft();
}

namespace {

bool Unsettled(const RenameJournal& journal, const Leftover& left) {
    if (left.Entry >= journal.Entries.size()) return false;
    const EntryState state = journal.Entries[left.Entry].State;
    return state == EntryState::Renamed || state == EntryState::Interrupted;
}

enum class Verdict { Gone, Ours, NotOurs, Unknown };

Verdict JudgePlaceholder(const Leftover& left, const JournalEntry& entry, FileRenamer& renamer, FileLocator& locator,
                         int& err) {
    // The pass finished onto it: that is the file itself now.
    if (entry.State == EntryState::Renamed && entry.To == left.Left.Name) return Verdict::NotOurs;
    struct stat st {};
    if ((err = renamer.Lstat(left.Left.Name, st)) != 0) return err == ENOENT ? Verdict::Gone : Verdict::Unknown;
    if (!S_ISREG(st.st_mode) || st.st_size != 0 || st.st_nlink != 1) return Verdict::NotOurs;
    // An empty chosen file looks like its placeholder: never removed.
    if (!entry.Identity || renamer.Holds(left.Left.Name, *entry.Identity)) return Verdict::NotOurs;
    return locator.FindAtNamesBut(entry, left.Left.Name) ? Verdict::Ours : Verdict::NotOurs;
}

Verdict JudgeLink(const Leftover& left, const JournalEntry& entry, FileRenamer& renamer, int& err) {
    struct stat linked {}, source {};
    if ((err = renamer.Lstat(left.Left.Name, linked)) != 0) return err == ENOENT ? Verdict::Gone : Verdict::Unknown;
    if ((err = renamer.Lstat(left.Left.Source, source)) != 0) return err == ENOENT ? Verdict::NotOurs : Verdict::Unknown;
    const bool sameFile = S_ISREG(linked.st_mode) && linked.st_dev == source.st_dev && linked.st_ino == source.st_ino;
    if (!sameFile || linked.st_nlink != left.Left.Links || !entry.Identity) return Verdict::NotOurs;
    return renamer.Holds(left.Left.Name, *entry.Identity) ? Verdict::Ours : Verdict::NotOurs;
}

}  // namespace

ErrorNumber ClearLeftovers(RenameJournal& journal, FileRenamer& renamer, FileLocator& locator) {
    ErrorNumber first = ErrNone;
    std::vector<bool> removed(journal.Leftovers.size(), false);
    // Newest first: the steps of an undo came after those of its pass.
    for (std::size_t i = journal.Leftovers.size(); i-- > 0;) {
        const Leftover& left = journal.Leftovers[i];
        if (left.Left.Kind == LeftoverKind::Temporary || !Unsettled(journal, left)) continue;
        const JournalEntry& entry = journal.Entries[left.Entry];
        int err = 0;
        const Verdict verdict = left.Left.Kind == LeftoverKind::Link
                                    ? JudgeLink(left, entry, renamer, err)
                                    : JudgePlaceholder(left, entry, renamer, locator, err);
        if (verdict == Verdict::Ours) {
            err = renamer.Remove(left.Left.Name);
            removed[i] = err == 0 || err == ENOENT;
        }
        // The rest stay: a name the file may be found under, or a removal to try again.
        if (!removed[i] && (verdict == Verdict::Unknown || verdict == Verdict::Ours) && first == ErrNone)
            first = ErrorNumberForErrno(err, false);
    }
    std::size_t index = 0;
    std::erase_if(journal.Leftovers, [&](const Leftover&) { return removed[index++]; });
    return first;
}

void ForgetSettledLeftovers(RenameJournal& journal) {
    std::erase_if(journal.Leftovers, [&journal](const Leftover& left) { return !Unsettled(journal, left); });
}

}  // namespace morvane
