#pragma once
// Renaming one file within its directory, never replacing an existing file.
#include "text.h"

namespace morvane {

class FileRenamer {
public:
    virtual ~FileRenamer() = default;
    // Renames the file at fromPath to toPath (full paths, same directory).
    // Returns ErrNone or an error number from error_numbers.h.
    virtual int Rename(const Text& fromPath, const Text& toPath) = 0;
};

// The real file system.
class PosixRenamer final : public FileRenamer {
public:
    int Rename(const Text& fromPath, const Text& toPath) override;
};

}  // namespace morvane
