#pragma once
// Which file a name refers to: its device and inode number, the same
// whatever name the file has now.
#include <cstdint>
#include <optional>

#include "base/text.h"

namespace morvane {

struct FileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of whatever path names, a symbolic link itself and not what
// it points at; nothing when there is nothing there.
std::optional<FileIdentity> IdentityOf(const Text& path);

// The name under which the file with that identity sits in dir now; nothing
// when it is not in dir (deleted or moved away).
std::optional<Text> FindInDirectory(const Text& dir, const FileIdentity& identity);

}  // namespace morvane
