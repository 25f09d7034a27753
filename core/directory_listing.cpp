#include "directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>

#include "name_order.h"

namespace morvane {
namespace {

enum class Kind { File, Directory };

// What an entry is, from the directory's own record when it tells us and
// from the inode (following links) otherwise.
std::optional<Kind> KindOf(int dirFd, const dirent& entry) {
    switch (entry.d_type) {
    case DT_REG: return Kind::File;
    case DT_DIR: return Kind::Directory;
    case DT_LNK:
    case DT_UNKNOWN: break;
    default: return std::nullopt;  // devices, pipes, sockets
    }
    struct stat st {};
    if (fstatat(dirFd, entry.d_name, &st, 0) != 0) return std::nullopt;  // dangling link
    if (S_ISREG(st.st_mode)) return Kind::File;
    if (S_ISDIR(st.st_mode)) return Kind::Directory;
    return std::nullopt;
}

std::vector<Text> ListKind(const Text& dir, Kind wanted) {
    std::vector<Text> names;
    const auto path = ToUtf8(dir);
    if (!path) return names;
    DIR* d = opendir(path->c_str());
    if (!d) return names;
    const int fd = dirfd(d);
    while (const dirent* entry = readdir(d)) {
        if (entry->d_name[0] == '.') continue;  // ".", ".." and hidden entries
        if (KindOf(fd, *entry) != wanted) continue;
        if (auto name = FromUtf8(entry->d_name)) names.push_back(std::move(*name));
    }
    closedir(d);
    SortNames(names);
    return names;
}

}  // namespace

std::vector<Text> ListFiles(const Text& dir) { return ListKind(dir, Kind::File); }

std::vector<Text> ListSubdirectories(const Text& dir) { return ListKind(dir, Kind::Directory); }

bool CanOpenDirectory(const Text& dir) {
    const auto path = ToUtf8(dir);
    if (!path || path->empty()) return false;
    DIR* d = opendir(path->c_str());
    if (!d) return false;
    closedir(d);
    return true;
}

}  // namespace morvane
