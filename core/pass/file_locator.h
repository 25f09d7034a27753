#pragma once
// Where the files of a journal are now, for an undo.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "files/rename_layer.h"
#include "pass/rename_journal.h"

namespace morvane {

// A file is looked for at the names the journal gives it first (new, old,
// planned, and the names its steps may have left it under); where inode
// numbers last, the directory is then read once and only the entries with
// the recorded number are checked. The renamer has entered the directory.
class FileLocator {
public:
    FileLocator(const RenameJournal& journal, FileRenamer& renamer);

    // The name that holds the entry's file, if any.
    std::optional<Text> Find(const JournalEntry& entry);
    // The same among the journal's names only, leaving out one name.
    std::optional<Text> FindAtNamesBut(const JournalEntry& entry, const Text& leftOut);
    // The entry's file went from one name to another.
    void Moved(const JournalEntry& entry, const Text& from, const Text& to);

private:
    std::vector<const Text*> NamesOf(const JournalEntry& entry) const;
    void ReadOnce();
    bool ClaimedByAnother(const JournalEntry& entry, const Text& name) const;

    const RenameJournal& journal_;
    FileRenamer& renamer_;
    bool read_ = false;
    std::unordered_multimap<std::uint64_t, Text> byInode_;
    std::vector<std::string> sharedKeys_;
};

}  // namespace morvane
