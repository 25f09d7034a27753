#include "pass/leftovers.h"

#include <sys/stat.h>

#include <algorithm>
#include <utility>
#include <vector>


namespace morvane {

EntryLeftovers::EntryLeftovers(RenameJournal& journal, FileRenamer& renamer, LeftoverRecorder* recorder)
    : journal_(journal), renamer_(renamer), recorder_(recorder) {
    renamer_.Watch(this);
}

EntryLeftovers::~EntryLeftovers() { renamer_.Watch(nullptr); }

ErrorNumber EntryLeftovers::Leaving(const LeftName& left) {
    if (recorder_)
        if (const ErrorNumber err = recorder_->Leaving(entry_, left); err != ErrNone) return err;
    journal_.Leftovers.push_back({entry_, left});
    return ErrNone;
}

void EntryLeftovers::NotLeft() {
    if (!journal_.Leftovers.empty()) journal_.Leftovers.pop_back();
    if (recorder_) recorder_->NotLeft();
}

namespace {

bool Unsettled(const RenameJournal& journal, const Leftover& left) {
    return left.Entry < journal.Entries.size() && Unsettled(journal.Entries[left.Entry]);
}

// Unproven: an empty file, as a placeholder is between its making and its
// mark (a step killed there, or a power failure that lost the mark).
enum class Verdict { Gone, Ours, NotOurs, Unproven, Unknown };

// Only a file holding the mark noted for it is the program's placeholder:
// whatever else is at that name (the file renamed onto it, someone's empty
// file, a placeholder an older version noted without a mark) stays.
// A hidden name of the program's own (".morvane-<process>-<n>") is its own
// whatever it holds: no other program makes one.
Verdict JudgePlaceholder(const Leftover& left, FileRenamer& renamer, struct stat& st, ErrorNumber& err) {
    const std::string content = left.Left.Mark.empty() ? std::string() : PlaceholderContent(left.Left.Mark);
    const EntryStat found = renamer.Lstat(left.Left.Name);
    st = found.Stat;
    if ((err = found.Error) != ErrNone) return err == ErrFileNotFound ? Verdict::Gone : Verdict::Unknown;
    if (!S_ISREG(st.st_mode) || st.st_nlink != 1) return Verdict::NotOurs;
    if (st.st_size == 0) return left.Left.Name.starts_with(u".morvane-") ? Verdict::Ours : Verdict::Unproven;
    if (content.empty() || static_cast<std::size_t>(st.st_size) != content.size()) return Verdict::NotOurs;
    return renamer.ReadSmall(left.Left.Name, content.size()) == content ? Verdict::Ours : Verdict::NotOurs;
}

Verdict JudgeLink(const Leftover& left, const JournalEntry& entry, FileRenamer& renamer, ErrorNumber& err) {
    const EntryStat named = renamer.Lstat(left.Left.Name);
    if ((err = named.Error) != ErrNone) return err == ErrFileNotFound ? Verdict::Gone : Verdict::Unknown;
    const EntryStat from = renamer.Lstat(left.Left.Source);
    if ((err = from.Error) != ErrNone) return err == ErrFileNotFound ? Verdict::NotOurs : Verdict::Unknown;
    const struct stat &linked = named.Stat, &source = from.Stat;
    const bool sameFile = S_ISREG(linked.st_mode) && linked.st_dev == source.st_dev && linked.st_ino == source.st_ino;
    if (!sameFile || linked.st_nlink != left.Left.Links || !entry.Identity) return Verdict::NotOurs;
    return renamer.Holds(left.Left.Name, *entry.Identity) ? Verdict::Ours : Verdict::NotOurs;
}

}  // namespace

ErrorNumber ClearLeftovers(RenameJournal& journal, FileRenamer& renamer, std::vector<Leftover>& unproven) {
    ErrorNumber first = ErrNone;
    std::vector<bool> removed(journal.Leftovers.size(), false);
    std::vector<std::pair<dev_t, ino_t>> emptyFiles;  // each told once, whichever of its spellings a note names
    // Newest first: the steps of an undo came after those of its pass.
    for (std::size_t i = journal.Leftovers.size(); i-- > 0;) {
        const Leftover& left = journal.Leftovers[i];
        if (left.Left.Kind == LeftoverKind::Temporary || !Unsettled(journal, left)) continue;
        const JournalEntry& entry = journal.Entries[left.Entry];
        ErrorNumber err = ErrNone;
        struct stat st {};
        const Verdict verdict = left.Left.Kind == LeftoverKind::Link
                                    ? JudgeLink(left, entry, renamer, err)
                                    : JudgePlaceholder(left, renamer, st, err);
        if (verdict == Verdict::Ours) {
            err = renamer.Remove(left.Left.Name);
            removed[i] = err == ErrNone || err == ErrFileNotFound;
        }
        const auto sameName = [&](const Leftover& told) {
            return renamer.MayIgnoreCase() && MayBeOtherSpelling(told.Left.Name, left.Left.Name);
        };
        if (verdict == Verdict::Unproven && std::none_of(unproven.begin(), unproven.end(), sameName) &&
            std::find(emptyFiles.begin(), emptyFiles.end(), std::pair(st.st_dev, st.st_ino)) == emptyFiles.end()) {
            emptyFiles.emplace_back(st.st_dev, st.st_ino);
            unproven.push_back(left);
        }
        // The rest stay: a name the file may be found under, or a removal to try again.
        if (!removed[i] && (verdict == Verdict::Unknown || verdict == Verdict::Ours) && first == ErrNone)
            first = err;
    }
    std::size_t index = 0;
    std::erase_if(journal.Leftovers, [&](const Leftover&) { return removed[index++]; });
    return first;
}

void ForgetSettledLeftovers(RenameJournal& journal) {
    std::erase_if(journal.Leftovers, [&journal](const Leftover& left) { return !Unsettled(journal, left); });
}

}  // namespace morvane
