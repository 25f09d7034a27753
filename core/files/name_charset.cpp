#include "files/name_charset.h"

#include <fcntl.h>
#include <sys/statfs.h>

#include "files/file_identity.h"
#include "files/unique_fd.h"

namespace morvane {
namespace {

// statfs f_type values.
constexpr std::uint64_t kMsdos = 0x4D44, kExfat = 0x2011BAB0, kNtfs3 = 0x7366746E, kNtfs = 0x5346544E,
                        kFuse = 0x65735546;

}  // namespace

NameCharset CharsetFor(std::uint64_t fsType, std::string_view mountType) {
    if (fsType == kMsdos || fsType == kExfat || fsType == kNtfs3 || fsType == kNtfs) return NameCharset::Windows;
    constexpr std::string_view windowsFuse[] = {"fuseblk", "fuse.fusefat", "fuse.exfat", "fuse.ntfs-3g",
                                                "fuse.ntfs"};
    if (fsType == kFuse)
        for (const std::string_view type : windowsFuse)
            if (mountType == type) return NameCharset::Windows;
    return NameCharset::Any;
}

NameCharset NameCharsetOf(int dirFd) {
    struct statfs fs {};
    if (::fstatfs(dirFd, &fs) != 0) return NameCharset::Any;
    const auto fsType = static_cast<std::uint64_t>(static_cast<unsigned long>(fs.f_type)) & 0xFFFFFFFFu;
    // The mount table is read only where its type decides.
    return CharsetFor(fsType, fsType == kFuse ? MountType(dirFd) : std::string());
}

NameCharset NameCharsetAt(const Text& directory) {
    const auto path = ToUtf8(directory);
    if (!path || path->empty()) return NameCharset::Any;
    const UniqueFd dir(::open(path->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir ? NameCharsetOf(dir.Get()) : NameCharset::Any;
}

}  // namespace morvane
