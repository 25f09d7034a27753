#include "files/open_directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>

#include <cerrno>

#include "base/errno_mapping.h"

namespace morvane {
namespace {

// A folder whose names ext4 or F2FS fold (its casefold attribute).
bool FoldsCase(int fd) {
    constexpr long kCasefold = 0x40000000;  // FS_CASEFOLD_FL
    long flags = 0;
    return ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & kCasefold) != 0;
}

}  // namespace

ErrorNumber OpenDirectory::Open(const Text& path, const std::optional<FileIdentity>& expected,
                                std::optional<OpenDirectory>& opened) {
    opened.reset();
    const auto bytes = ToUtf8(path);
    if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos) return ErrPathNotFound;
    // Readable, not just a path: the undo reads its entries through it.
    UniqueFd fd(::open(bytes->c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd) return errno == ENOTDIR || errno == ELOOP || errno == ENOENT ? ErrPathNotFound : ErrorNumberForErrno(errno, true);
    auto rule = RuleFor(fd.Get());
    if (!rule) return ErrPathNotFound;
    OpenDirectory dir(std::move(fd), path, std::move(*rule));
    dir.identity_ = DirectoryIdentity(dir.Fd(), dir.rule_);
    dir.mayIgnoreCase_ = dir.rule_.Kind == IdentityKind::Fingerprint || FoldsCase(dir.Fd());
    if (expected && dir.identity_ != expected) return ErrPathNotFound;
    opened.emplace(std::move(dir));
    return ErrNone;
}

std::optional<FileIdentity> OpenDirectory::IdentityOf(const Text& name) const {
    const auto bytes = ToUtf8(name);
    if (!bytes || bytes->empty() || bytes->find('/') != std::string::npos) return std::nullopt;
    return IdentityAt(Fd(), *bytes, rule_);
}

Presence OpenDirectory::Check(const Text& name, const FileIdentity& identity, const SeenFile* seen) const {
    const auto bytes = ToUtf8(name);
    if (!bytes || bytes->find('/') != std::string::npos) return Presence::Missing;
    return PresenceAt(Fd(), *bytes, identity, rule_, seen);
}

std::optional<std::vector<std::pair<Text, std::uint64_t>>> OpenDirectory::ReadEntries() const {
    // A stream of its own: the descriptor kept for the renames stays untouched.
    UniqueFd fd(::openat(Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) return std::nullopt;
    UniqueDir stream(::fdopendir(fd.Get()));
    if (!stream) return std::nullopt;
    (void)fd.Release();  // the stream's from now on: it closes it
    std::vector<std::pair<Text, std::uint64_t>> entries;
    while (const dirent* entry = ::readdir(stream.Get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (auto text = FromUtf8(name)) entries.emplace_back(std::move(*text), static_cast<std::uint64_t>(entry->d_ino));
    }
    return entries;
}

}  // namespace morvane
