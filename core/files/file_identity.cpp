#include "files/file_identity.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <string_view>

namespace morvane {

std::optional<FileIdentity> IdentityOf(const Text& path) {
    const auto bytes = ToUtf8(path);
    if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos) return std::nullopt;
    struct stat st {};
    if (fstatat(AT_FDCWD, bytes->c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

std::optional<Text> FindInDirectory(const Text& dir, const FileIdentity& identity) {
    const auto bytes = ToUtf8(dir);
    if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos) return std::nullopt;
    DIR* d = opendir(bytes->c_str());
    if (!d) return std::nullopt;
    std::optional<Text> found;
    while (const dirent* entry = readdir(d)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        // The entry's own inode number is only a hint on some file systems:
        // the identity is what the name reports now.
        struct stat st {};
        if (fstatat(dirfd(d), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (static_cast<std::uint64_t>(st.st_ino) != identity.Inode ||
            static_cast<std::uint64_t>(st.st_dev) != identity.Device)
            continue;
        found = FromUtf8(name);
        if (found) break;
    }
    closedir(d);
    return found;
}

}  // namespace morvane
