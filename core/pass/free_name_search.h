#pragma once
// The clash retry of the pass and the undo: a file whose target name is taken
// goes to the first free name of base-1.ext, base-2.ext, ... (the number in
// front of the extension, counting from 1 for every file). The search
// remembers where the last file with the same base and extension found a free
// name and starts there; it takes exactly the names that trying 1, 2, 3, ...
// afresh for every file would take (a new search for each file does that).
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "files/rename_layer.h"
#include "base/text.h"

namespace morvane {

class FreeNameSearch {
public:
    // renamer has entered the directory the names are in.
    explicit FreeNameSearch(FileRenamer& renamer);

    // Renames the file `from` (a bare name in the directory) to `target`, or,
    // while that is taken, to the numbered names; extension is the part of
    // target the number goes in front of. On success `taken` is the name the
    // file now has. Returns ErrNone or the failure's number.
    // numberIfTaken, when given, is asked once target turns out taken:
    // false leaves the file where it is (ErrTargetExists).
    [[nodiscard]] ErrorNumber Move(const Text& from, const Text& target, const Text& extension, Text& taken,
                                   const std::function<bool()>& numberIfTaken = {});

    // Whether the last Move failed because its next numbered name was longer
    // than a file name may be: only that file is given up, not the search.
    bool NumberedNameTooLong() const { return tooLong_; }

private:
    using Key = std::pair<Text, Text>;  // base and extension of a target

    ErrorNumber Rename(const Text& from, const Text& to);
    void Freed(const Text& name);

    FileRenamer& renamer_;
    bool tooLong_ = false;
    // For each target that clashed: the first number not known to be taken.
    // Every name below it was refused during this search and not given up
    // since, so starting there finds exactly the name trying from 1 would.
    std::map<Key, long> next_;
    // The same keys by case-folded base and extension: a name given up frees
    // its other spellings too on a file system that ignores case.
    std::map<Key, std::vector<Key>> byFolded_;
};

}  // namespace morvane
