#pragma once
// Where the files of a journal are now, for an undo.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "files/rename_layer.h"
#include "pass/rename_journal.h"

namespace morvane {

// A file is looked for at the names the journal gives it first (new, old,
// planned, and the names its steps may have left it under). Where inode
// numbers last, the directory is then read once and only the entries with
// the recorded number are checked; where they do not (FAT, exFAT, FUSE),
// only the names a pass or an undo could have given it: its planned or old
// name with a clash number, and the program's temporary names. Where a
// look-up may find a file under another spelling, a name counts only as the
// directory lists it, byte for byte. The renamer has entered the directory.
class FileLocator {
public:
    FileLocator(const RenameJournal& journal, FileRenamer& renamer);

    // The name that holds the entry's file, spelt as the directory lists it, if any.
    std::optional<Text> Find(const JournalEntry& entry);
    // The same among the journal's names only, leaving out one name.
    std::optional<Text> FindAtNamesBut(const JournalEntry& entry, const Text& leftOut);
    // The entry's file went from one name to another.
    void Moved(const JournalEntry& entry, const Text& from, const Text& to);

private:
    std::vector<const Text*> NamesOf(const JournalEntry& entry) const;
    void ReadOnce();
    std::optional<Text> Spelt(const JournalEntry& entry, const Text& found);
    bool MayHaveGiven(const JournalEntry& entry, const Text& name) const;
    bool ClaimedByAnother(const JournalEntry& entry, const Text& name) const;

    const RenameJournal& journal_;
    FileRenamer& renamer_;
    const bool exactSpelling_;
    bool read_ = false;
    std::vector<Text> listed_;                                 // the directory's names, as read
    std::unordered_set<Text> listedSet_;
    std::unordered_multimap<std::uint64_t, Text> byInode_;
    std::vector<std::string> sharedKeys_;
};

}  // namespace morvane
