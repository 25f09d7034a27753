#pragma once
// Which names a directory's file system takes, told from its kind, so that
// the composition never plans a name the disk would refuse.
#include <cstdint>
#include <string_view>

#include "base/text.h"
#include "naming/file_name_rules.h"

namespace morvane {

// The charset of a file system by its statfs f_type and its mount's type as
// the mount table names it: Windows for FAT, exFAT and NTFS, kernel drivers
// and FUSE ones ("fuse.fusefat", "fuse.exfat", "fuseblk", which on a desktop
// is exFAT or NTFS on a device); Any for the rest.
NameCharset CharsetFor(std::uint64_t fsType, std::string_view mountType);

// The charset of the file system that holds the open directory dirFd, or of
// the directory at path; Any when it cannot be asked.
NameCharset NameCharsetOf(int dirFd);
NameCharset NameCharsetAt(const Text& directory);

}  // namespace morvane
