#include "files/directory_listing.h"

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "files/unique_fd.h"
#include "naming/name_order.h"

namespace morvane {
namespace {

enum class Kind { File, Directory };

// The path as the system calls take it. A NUL would cut it short there and
// name another directory (its parent, say), so such a path names none.
std::optional<std::string> SystemPath(const Text& dir) {
    auto path = ToUtf8(dir);
    if (!path || path->find('\0') != std::string::npos) return std::nullopt;
    return path;
}

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

// One pass over the directory, keeping the kinds asked for: a caller that
// wants only the subdirectories does not pay for converting and sorting the
// files.
DirectoryListing Read(const Text& dir, bool files, bool subdirectories) {
    DirectoryListing listing;
    const auto path = SystemPath(dir);
    if (!path) return listing;
    const UniqueDir d(opendir(path->c_str()));
    if (!d) return listing;
    const int fd = d.Fd();
    while (const dirent* entry = readdir(d.Get())) {
        if (entry->d_name[0] == '.') continue;  // ".", ".." and hidden entries
        const auto kind = KindOf(fd, *entry);
        std::vector<Text>* into = nullptr;
        if (kind == Kind::File && files) into = &listing.Files;
        if (kind == Kind::Directory && subdirectories) into = &listing.Subdirectories;
        if (!into) continue;
        if (auto name = FromUtf8(entry->d_name)) into->push_back(std::move(*name));
    }
    SortNames(listing.Files);
    SortNames(listing.Subdirectories);
    return listing;
}

}  // namespace

DirectoryListing ListDirectory(const Text& dir) { return Read(dir, true, true); }

std::vector<Text> ListFiles(const Text& dir) { return Read(dir, true, false).Files; }

std::vector<Text> ListSubdirectories(const Text& dir) { return Read(dir, false, true).Subdirectories; }

bool CanOpenDirectory(const Text& dir) { return DirectoryOpenError(dir) == 0; }

int DirectoryOpenError(const Text& dir) {
    const auto path = SystemPath(dir);
    if (!path || path->empty()) return ENOENT;
    errno = 0;
    if (UniqueDir(opendir(path->c_str()))) return 0;
    return errno != 0 ? errno : EIO;
}

}  // namespace morvane
