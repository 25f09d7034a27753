#pragma once
// What the file chooser offers from one directory: its ordinary files and its
// subdirectories. Names that are not valid UTF-8 are left out, because a name
// that cannot be shown faithfully cannot be renamed back faithfully either.
#include <optional>
#include <vector>

#include "base/text.h"

namespace morvane {

struct DirectoryListing {
    std::vector<Text> Files;
    std::vector<Text> Subdirectories;
};

// The ordinary files and the subdirectories of dir, as ListFiles and
// ListSubdirectories give them, from a single read of the directory.
DirectoryListing ListDirectory(const Text& dir);

// The ordinary files of dir (symbolic links count by what they point at),
// without hidden dot-files, in name order. A directory that cannot be read
// gives no files.
std::vector<Text> ListFiles(const Text& dir);

// The subdirectories of dir, without hidden ones, in name order.
std::vector<Text> ListSubdirectories(const Text& dir);

// Whether dir names a directory that can be opened for reading.
bool CanOpenDirectory(const Text& dir);

// Why dir cannot be opened for reading: an errno value, or 0 when it can.
int DirectoryOpenError(const Text& dir);

}  // namespace morvane
