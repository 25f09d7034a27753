#include "files/file_identity.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

#include "base/crc32.h"
#include "files/unique_fd.h"

namespace morvane {
namespace {

// statfs f_type values.
constexpr std::uint64_t kExt4 = 0xEF53, kXfs = 0x58465342, kBtrfs = 0x9123683E, kF2fs = 0xF2F52010,
                        kTmpfs = 0x01021994, kFuse = 0x65735546, kMsdos = 0x4D44, kExfat = 0x2011BAB0;

constexpr std::size_t kEdgeBytes = 4096;

#ifndef STATX_MNT_ID_UNIQUE
#define STATX_MNT_ID_UNIQUE 0x00004000U
#endif

void AppendNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

char TypeLetter(mode_t mode) {
    if (S_ISREG(mode)) return 'f';
    if (S_ISDIR(mode)) return 'd';
    if (S_ISLNK(mode)) return 'l';
    return 'o';
}

}  // namespace

std::string MountType(int fd) {
    struct statx sx {};
    if (::statx(fd, "", AT_EMPTY_PATH, STATX_MNT_ID, &sx) != 0 || !(sx.stx_mask & STATX_MNT_ID)) return {};
    std::ifstream table("/proc/self/mountinfo");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::uint64_t id = 0;
        if (!(fields >> id) || id != sx.stx_mnt_id) continue;
        // The type is the field after the lone "-" that ends the optional fields.
        std::string field;
        while (fields >> field && field != "-") {}
        fields >> field;
        return field;
    }
    return {};
}

namespace {

struct KernelHandle {
    file_handle head;
    unsigned char bytes[MAX_HANDLE_SZ];
};

// Asked before each rename: the buffer is left as the kernel fills it.
bool TakeKernelHandle(int dirFd, const char* name, int flags, KernelHandle& handle) {
    handle.head.handle_bytes = MAX_HANDLE_SZ;
    int mountId = 0;
    return ::name_to_handle_at(dirFd, name, &handle.head, &mountId, flags) == 0;
}

// The handle's type (4 bytes, least significant first) and bytes, as the key keeps them.
void AppendHandle(std::string& key, const KernelHandle& handle) {
    AppendNumber(key, static_cast<std::uint32_t>(handle.head.handle_type), 4);
    key.append(reinterpret_cast<const char*>(handle.head.f_handle), handle.head.handle_bytes);
}

bool HasKernelHandle(int dirFd, const char* name, int flags, std::string& key) {
    KernelHandle handle;
    if (!TakeKernelHandle(dirFd, name, flags, handle)) return false;
    AppendHandle(key, handle);
    return true;
}

// The inode number a handle holds, by the layout its file system writes
// (the kernel's own encoders: inode then generation in 32 bits each; XFS's
// 64-bit inodes first; btrfs's object id first; tmpfs's generation, then
// the inode number's low and high halves).
std::optional<std::uint64_t> InodeOf(const KernelHandle& handle, HandleInode layout) {
    const int type = handle.head.handle_type;
    const unsigned size = handle.head.handle_bytes;
    const auto word = [&](unsigned at) {
        std::uint32_t value = 0;
        std::memcpy(&value, handle.head.f_handle + at, sizeof value);
        return std::uint64_t{value};
    };
    const auto wide = [&] {
        std::uint64_t value = 0;
        std::memcpy(&value, handle.head.f_handle, sizeof value);
        return value;
    };
    constexpr int kIno32Gen = 1, kXfsIno64Gen = 0x81, kBtrfs = 0x4d;
    switch (layout) {
    case HandleInode::None: break;
    case HandleInode::Ext4:
        if (type == kIno32Gen && size == 8) return word(0);
        break;
    case HandleInode::Xfs:
        if (type == kIno32Gen && size == 8) return word(0);
        if (type == kXfsIno64Gen && size == 12) return wide();
        break;
    case HandleInode::Btrfs:
        if (type == kBtrfs && size >= 8) return wide();
        break;
    case HandleInode::Tmpfs:
        if (type == kIno32Gen && size == 12) return word(4) | word(8) << 32;
        break;
    }
    return std::nullopt;
}

// The checksum of the first and the last 4 KiB of an open regular file.
bool EdgeChecksum(int fd, std::uint64_t size, std::uint32_t& crc) {
    std::array<char, 2 * kEdgeBytes> buffer{};
    std::size_t got = 0;
    auto readAt = [&](off_t offset, std::size_t count) {
        while (count > 0) {
            const ssize_t n = ::pread(fd, buffer.data() + got, count, offset);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return n == 0;
            got += static_cast<std::size_t>(n);
            offset += n;
            count -= static_cast<std::size_t>(n);
        }
        return true;
    };
    const std::size_t head = static_cast<std::size_t>(std::min<std::uint64_t>(size, kEdgeBytes));
    if (!readAt(0, head)) return false;
    if (size > kEdgeBytes) {
        const std::uint64_t tailStart = std::max<std::uint64_t>(kEdgeBytes, size - kEdgeBytes);
        if (!readAt(static_cast<off_t>(tailStart), static_cast<std::size_t>(size - tailStart))) return false;
    }
    crc = Crc32(std::string_view(buffer.data(), got));
    return true;
}

// The key's fields that a stat gives: type letter, size, modification time.
std::string StatPart(const struct stat& st, const IdentityRule& rule) {
    std::string part(1, TypeLetter(st.st_mode));
    if (S_ISDIR(st.st_mode)) return part;
    const std::uint32_t step = rule.MtimeSeconds;
    const auto mtime = step == 0 ? 0 : static_cast<std::uint64_t>(st.st_mtim.tv_sec) / step * step;
    AppendNumber(part, static_cast<std::uint64_t>(st.st_size), 8);
    AppendNumber(part, mtime, 8);
    return part;
}

SeenFile SeenOf(const struct stat& st, const IdentityRule& rule) {
    return {rule.Mount, static_cast<std::uint64_t>(st.st_ino), static_cast<std::uint64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec), static_cast<std::uint32_t>(st.st_mtim.tv_nsec)};
}

// With expected, a file whose stat already differs from it gives nothing,
// before a byte of it is read: the edges of a file cost an open and two reads,
// which through FUSE are requests to a program that may search the directory.
// With seen (this run's, on this mount), a regular file whose stat shows all
// that was seen is taken as expected without a byte read. missing, when
// given, tells whether nothing had the name; stat, when given, receives the
// stat the fingerprint was read with.
std::optional<FileIdentity> FingerprintAt(int dirFd, const char* name, int flags, const IdentityRule& rule,
                                          std::optional<std::string_view> expected = std::nullopt,
                                          bool* missing = nullptr, const SeenFile* seen = nullptr,
                                          SeenFile* read = nullptr) {
    struct stat st {};
    if (::fstatat(dirFd, name, &st, flags | AT_SYMLINK_NOFOLLOW) != 0) {
        if (missing) *missing = errno == ENOENT;
        return std::nullopt;
    }
    FileIdentity id{IdentityKind::Fingerprint, 0, 0, StatPart(st, rule)};
    if (S_ISDIR(st.st_mode)) return id;
    if (expected && !expected->starts_with(id.Key)) return std::nullopt;
    if (expected && seen && seen->Mount != 0 && seen->Mount == rule.Mount && S_ISREG(st.st_mode) &&
        SeenOf(st, rule) == *seen)
        return FileIdentity{IdentityKind::Fingerprint, 0, 0, std::string(*expected)};
    std::uint32_t crc = 0;
    if (S_ISREG(st.st_mode)) {
        // Opened only once it is known to be a regular file: never a device or a pipe.
        const UniqueFd fd(::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        if (!fd || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
        if (!EdgeChecksum(fd.Get(), static_cast<std::uint64_t>(st.st_size), crc)) return std::nullopt;
        id.Key = StatPart(st, rule);  // as the open file is now
        if (read) *read = SeenOf(st, rule);
    }
    AppendNumber(id.Key, crc, 4);
    return id;
}

// Whether the entry name has the handle identity records: one lookup, no
// stat, nothing built to compare.
Presence HandlePresenceAt(int dirFd, const char* name, const FileIdentity& identity) {
    // The key is the type letter followed by the handle's type and bytes.
    const std::string_view recorded = std::string_view(identity.Key).substr(std::min<std::size_t>(1, identity.Key.size()));
    KernelHandle handle;
    if (!TakeKernelHandle(dirFd, name, 0, handle)) return errno == ENOENT ? Presence::Missing : Presence::Other;
    if (recorded.size() < 4) return Presence::Other;
    const auto type = static_cast<std::uint32_t>(handle.head.handle_type);
    for (int i = 0; i < 4; ++i)
        if (static_cast<unsigned char>(recorded[static_cast<std::size_t>(i)]) != ((type >> (8 * i)) & 0xFF))
            return Presence::Other;
    const bool same = recorded.substr(4) ==
                      std::string_view(reinterpret_cast<const char*>(handle.head.f_handle), handle.head.handle_bytes);
    return same ? Presence::Holds : Presence::Other;
}

Presence MissingOrOther(int dirFd, const char* name) {
    struct stat st {};
    return ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT ? Presence::Missing
                                                                                    : Presence::Other;
}

}  // namespace

IdentityKind KindFor(std::uint64_t fsType, bool kernelHandles, bool birthTimes) {
    if (fsType == kFuse || fsType == kMsdos || fsType == kExfat) return IdentityKind::Fingerprint;
    const bool persistentHandles =
        fsType == kExt4 || fsType == kXfs || fsType == kBtrfs || fsType == kF2fs || fsType == kTmpfs;
    if (persistentHandles && kernelHandles) return IdentityKind::Handle;
    return birthTimes ? IdentityKind::InodeBirth : IdentityKind::Fingerprint;
}

std::optional<IdentityRule> RuleFor(int dirFd) {
    struct statfs fs {};
    if (::fstatfs(dirFd, &fs) != 0) return std::nullopt;
    KernelHandle handle;
    const bool handles = TakeKernelHandle(dirFd, "", AT_EMPTY_PATH, handle);
    struct statx sx {};
    const bool asked = ::statx(dirFd, "", AT_EMPTY_PATH, STATX_BTIME | STATX_INO | STATX_MNT_ID_UNIQUE, &sx) == 0;
    const bool births = asked && (sx.stx_mask & STATX_BTIME);
    const auto fsType = static_cast<std::uint64_t>(static_cast<unsigned long>(fs.f_type)) & 0xFFFFFFFFu;
    IdentityRule rule;
    rule.Kind = KindFor(fsType, handles, births);
    rule.Type = MountType(dirFd);
    if (asked && (sx.stx_mask & STATX_MNT_ID_UNIQUE)) rule.Mount = sx.stx_mnt_id;
    if (rule.Kind != IdentityKind::Fingerprint) {
        std::uint32_t halves[2];
        std::memcpy(halves, &fs.f_fsid, sizeof halves);
        rule.FileSystem = (static_cast<std::uint64_t>(halves[0]) << 32) | halves[1];
    }
    if (rule.Kind == IdentityKind::Handle && asked && (sx.stx_mask & STATX_INO)) {
        // Trusted only where the directory's own handle gives its inode number.
        const HandleInode layout = fsType == kExt4 || fsType == kF2fs ? HandleInode::Ext4
                                   : fsType == kXfs                    ? HandleInode::Xfs
                                   : fsType == kBtrfs                  ? HandleInode::Btrfs
                                   : fsType == kTmpfs                  ? HandleInode::Tmpfs
                                                                       : HandleInode::None;
        if (InodeOf(handle, layout) == sx.stx_ino) rule.InodeInHandle = layout;
    }
    // FAT keeps modification times to two seconds; exFAT drivers differ in
    // what they keep below that. The FAT driver through FUSE stamps a file
    // with the time of its rename (seen once the kernel forgets the inode), so
    // there the time tells nothing and size and content decide alone.
    const bool fatLike = fsType == kMsdos || fsType == kExfat || rule.Type.find("fat") != std::string::npos;
    rule.MtimeSeconds = rule.Type == "fuse.fusefat" ? 0 : fatLike ? 2 : 1;
    return rule;
}

char TypeLetterOf(unsigned char dType) {
    switch (dType) {
    case DT_REG: return 'f';
    case DT_DIR: return 'd';
    case DT_LNK: return 'l';
    case DT_UNKNOWN: return 0;
    default: return 'o';
    }
}

std::optional<FileIdentity> HandleIdentityAt(int dirFd, const char* name, const IdentityRule& rule, char typeLetter,
                                             bool& missing) {
    missing = false;
    if (rule.Kind != IdentityKind::Handle || rule.InodeInHandle == HandleInode::None || typeLetter == 0)
        return std::nullopt;
    KernelHandle handle;
    if (!TakeKernelHandle(dirFd, name, 0, handle)) {
        missing = errno == ENOENT;
        return std::nullopt;
    }
    const auto inode = InodeOf(handle, rule.InodeInHandle);
    if (!inode) return std::nullopt;
    FileIdentity id{IdentityKind::Handle, rule.FileSystem, *inode, std::string(1, typeLetter)};
    AppendHandle(id.Key, handle);
    return id;
}

std::optional<FileIdentity> IdentityAt(int dirFd, const std::string& name, const IdentityRule& rule, SeenFile* seen) {
    if (name.find('\0') != std::string::npos) return std::nullopt;
    const char* path = name.c_str();
    const int emptyPath = name.empty() ? AT_EMPTY_PATH : 0;
    switch (rule.Kind) {
    case IdentityKind::Handle: {
        struct stat st {};
        FileIdentity id{IdentityKind::Handle, rule.FileSystem, 0, {}};
        if (::fstatat(dirFd, path, &st, emptyPath | AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
        id.Inode = static_cast<std::uint64_t>(st.st_ino);
        id.Key = TypeLetter(st.st_mode);
        if (!HasKernelHandle(dirFd, path, emptyPath, id.Key)) return std::nullopt;
        return id;
    }
    case IdentityKind::InodeBirth: {
        struct statx sx {};
        if (::statx(dirFd, path, emptyPath | AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0 ||
            !(sx.stx_mask & STATX_BTIME))
            return std::nullopt;
        FileIdentity id{IdentityKind::InodeBirth, rule.FileSystem, sx.stx_ino, std::string(1, TypeLetter(sx.stx_mode))};
        AppendNumber(id.Key, static_cast<std::uint64_t>(sx.stx_btime.tv_sec), 8);
        AppendNumber(id.Key, sx.stx_btime.tv_nsec, 4);
        return id;
    }
    case IdentityKind::Fingerprint: return FingerprintAt(dirFd, path, emptyPath, rule, std::nullopt, nullptr, nullptr, seen);
    }
    return std::nullopt;
}

Presence PresenceAt(int dirFd, const std::string& name, const FileIdentity& identity, const IdentityRule& rule,
                    const SeenFile* seen) {
    if (name.empty() || name.find('\0') != std::string::npos) return Presence::Missing;
    if (identity.Kind != rule.Kind || identity.FileSystem != rule.FileSystem) return MissingOrOther(dirFd, name.c_str());
    switch (rule.Kind) {
    case IdentityKind::Handle: return HandlePresenceAt(dirFd, name.c_str(), identity);
    case IdentityKind::InodeBirth: {
        const auto id = IdentityAt(dirFd, name, rule);
        if (!id) return MissingOrOther(dirFd, name.c_str());
        return *id == identity ? Presence::Holds : Presence::Other;
    }
    case IdentityKind::Fingerprint: {
        bool missing = false;
        if (FingerprintAt(dirFd, name.c_str(), 0, rule, identity.Key, &missing, seen) == identity) return Presence::Holds;
        return missing ? Presence::Missing : Presence::Other;
    }
    }
    return Presence::Other;
}

std::optional<FileIdentity> DirectoryIdentity(int dirFd, const IdentityRule& rule) {
    return IdentityAt(dirFd, std::string(), rule);
}

std::optional<FileIdentity> IdentityOf(const Text& path) {
    const auto bytes = ToUtf8(path);
    if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos) return std::nullopt;
    const auto slash = bytes->rfind('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : bytes->substr(0, slash);
    const std::string name = slash == std::string::npos ? *bytes : bytes->substr(slash + 1);
    if (name.empty()) return std::nullopt;
    const UniqueFd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dirFd) return std::nullopt;
    const auto rule = RuleFor(dirFd.Get());
    return rule ? IdentityAt(dirFd.Get(), name, *rule) : std::nullopt;
}

std::string_view KindWord(IdentityKind kind) {
    switch (kind) {
    case IdentityKind::Handle: return "handle";
    case IdentityKind::InodeBirth: return "birth";
    case IdentityKind::Fingerprint: return "print";
    }
    return "";
}

std::optional<IdentityKind> KindFromWord(std::string_view word) {
    for (const auto kind : {IdentityKind::Handle, IdentityKind::InodeBirth, IdentityKind::Fingerprint})
        if (word == KindWord(kind)) return kind;
    return std::nullopt;
}

}  // namespace morvane
