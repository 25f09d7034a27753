#include "rename_pass.h"

#include <algorithm>
#include <cstddef>

#include "directory_path.h"
#include "error_numbers.h"
#include "file_name_rules.h"
#include "name_composer.h"

namespace morvane {
namespace {

// A directory full of base-1.ext ... base-N.ext ends the search for a free
// name instead of hanging the program.
constexpr int kMaxClashRetries = 100000;

Text ErrorText(int number) { return u"Error # " + DecimalText(number); }

bool CanLeaveDirectory(const Text& option) { return option.find_first_of(Text(u"/\0", 2)) != Text::npos; }

// Renames from to target; while target is taken, tries base-1.ext,
// base-2.ext ... (the number before the extension). On success target holds
// the name actually taken.
int RenameWithClashRetry(WorkState& ws, FileRenamer& renamer, const Text& from, Text& target,
                         const Text& extension) {
    const std::size_t extLength = extension.size() <= target.size() ? extension.size() : 0;
    const Text base = target.substr(0, target.size() - extLength);
    const Text ext = target.substr(target.size() - extLength);
    Text candidate = target;
    ws.ConflictCounter = 1;
    ws.RenameRetried = false;
    int err = renamer.Rename(from, candidate);
    while (err == ErrTargetExists && ws.ConflictCounter <= kMaxClashRetries) {
        candidate = base + u"-" + DecimalText(ws.ConflictCounter) + ext;
        ++ws.ConflictCounter;
        ws.RenameRetried = true;
        err = renamer.Rename(from, candidate);
    }
    ws.ConflictCounter = 1;
    ws.RenameRetried = false;
    if (err == ErrNone) target = candidate;
    return err;
}

// Entries first..last are marked as not renamed, so that the journal never
// shows a file as renamed that was not.
void KeepNames(WorkState& ws, int first, int last) {
    for (int i = first; i <= last; ++i) ws.NewNames[i] = ws.OldNames[i];
}

// Renames, in list order, every file whose composed name differs from its
// own, and turns its journal entries into full paths. Returns ErrNone, or
// the number of the failure that ended it.
int ApplyRenames(WorkState& ws, int last, FileRenamer& renamer) {
    for (int i = 0; i <= last; ++i) {
        const Text listed = ws.OldNames[i];
        Text target = ws.NewNames[i] + ws.Extensions[i];
        if (listed == ws.NewNames[i]) continue;  // the rule left it alone
        if (target == listed) {                  // its composed name is the one it has
            ws.NewNames[i] = listed;
            continue;
        }
        ws.OldNames[i] = JoinPath(ws.DirPath, listed);
        // A listed or composed name that would reach outside the directory is never acted on.
        if (!IsPlainFileName(listed) || !IsPlainFileName(target)) {
            ws.NewNames[i] = ws.OldNames[i];
            ws.FilesSkipped = true;
            continue;
        }
        target = JoinPath(ws.DirPath, target);
        const int err = RenameWithClashRetry(ws, renamer, ws.OldNames[i], target, ws.Extensions[i]);
        if (err == ErrNone) {
            ws.NewNames[i] = target;
        } else if (err == ErrCannotAccess) {
            ws.NewNames[i] = ws.OldNames[i];
            ws.FilesSkipped = true;
        } else {
            KeepNames(ws, i, last);
            return err;
        }
    }
    return ErrNone;
}

int ComposeOrKeep(WorkState& ws, int count, const OptionTexts& options, const Text& exampleName) {
    if (count == 0) return ErrNone;
    if (ws.DirPath.empty()) return ErrPathNotFound;
    if (CanLeaveDirectory(options.Prefix) || CanLeaveDirectory(options.Sufix)) return ErrBadFileName;
    if (ws.MaskMode >= 1 && ws.MaskMode <= 6) return ComposeNewNames(ws, count, options, exampleName);
    // No mask analysed yet: no rule applies, every file keeps its name.
    for (int i = 0; i < count; ++i) {
        ws.Extensions[i] = ExtensionOf(ws.OldNames[i]);
        ws.NewNames[i] = ws.OldNames[i];
    }
    return ErrNone;
}

}  // namespace

PassOutcome RunRenamePass(WorkState& ws, const std::vector<Text>& listEntries, const Text& dirPath,
                          const OptionTexts& options, const Text& exampleName, FileRenamer& renamer,
                          PointerControl& pointer) {
    ws.FilesSkipped = false;
    BusyPointer busy(pointer, ws.SavedPointer);
    ws.DirPath = dirPath;
    const int count = static_cast<int>(std::min<std::size_t>(listEntries.size(), MaxJournalIndex + 1));
    ws.LastIndex = count - 1;
    ws.JournalLastIndex = count - 1;
    for (int i = 0; i < count; ++i) ws.OldNames[i] = listEntries[i];
    ws.ConflictCounter = 1;
    ws.RenameRetried = false;
    // Files past the journal's end are not renamed: never report them as done.
    if (listEntries.size() > static_cast<std::size_t>(count)) ws.FilesSkipped = true;

    int err = ComposeOrKeep(ws, count, options, exampleName);
    if (err != ErrNone) {
        KeepNames(ws, 0, count - 1);
        return {false, ErrorText(err)};
    }
    err = ApplyRenames(ws, count - 1, renamer);
    if (err != ErrNone) return {false, ErrorText(err)};
    return {true, ws.FilesSkipped ? Text(u"Some Files Were Skipped") : Text()};
}

UndoOutcome UndoLastPass(WorkState& ws, FileRenamer& renamer, PointerControl& pointer) {
    ws.ConflictCounter = 1;
    ws.RenameRetried = false;
    BusyPointer busy(pointer, ws.SavedPointer);
    int firstError = ErrNone;
    // Last renamed first: a name that an earlier file gave up may have been
    // taken by a later one, and is free again once the later one is back.
    for (int i = std::min(ws.JournalLastIndex, MaxJournalIndex); i >= 0; --i) {
        if (ws.OldNames[i] == ws.NewNames[i]) continue;
        Text restored = ws.OldNames[i];
        const int err = RenameWithClashRetry(ws, renamer, ws.NewNames[i], restored, ws.Extensions[i]);
        if (err == ErrNone) {
            ws.OldNames[i] = restored;
            ws.NewNames[i] = restored;
        } else if (firstError == ErrNone) {
            firstError = err;
        }
    }
    if (firstError != ErrNone) return {false, ErrorText(firstError)};
    return {true, Text()};
}

}  // namespace morvane
