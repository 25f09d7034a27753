#pragma once
// Which file a name refers to, told by the strongest means its file system
// offers, so that a file is recognised again after a remount, a reboot or
// the reuse of its inode number, and another file never is:
//   Handle       the kernel's persistent file handle (it carries the inode's
//                generation) with the file system's own id: never reused;
//   InodeBirth   inode number with birth time, where there are no handles;
//   Fingerprint  no inode at all (FAT, exFAT, every FUSE mount): size,
//                modification time and a checksum of the first and last
//                4 KiB, compared only for the file at its journalled name.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

namespace morvane {

enum class IdentityKind : std::uint8_t { Handle, InodeBirth, Fingerprint };

// How a file system's files are told apart, decided once per directory.
struct IdentityRule {
    IdentityKind Kind = IdentityKind::Fingerprint;
    std::uint64_t FileSystem = 0;   // statfs f_fsid; 0 where it means nothing (Fingerprint)
    std::uint32_t MtimeSeconds = 1; // resolution kept of the modification time (Fingerprint); 0: not kept
    std::string Type;               // "ext4", "tmpfs", "fuse.exfat"...: for reports
};

struct FileIdentity {
    IdentityKind Kind = IdentityKind::Fingerprint;
    std::uint64_t FileSystem = 0;
    std::uint64_t Inode = 0;  // 0 for Fingerprint: no inode number lasts there
    std::string Key;          // the handle's bytes, the birth time, or size + mtime + checksum

    auto operator<=>(const FileIdentity&) const = default;
};

// Where a name stands against a recorded identity.
enum class Presence {
    Holds,    // the name refers to that very file
    Other,    // something else has the name: another file, a directory, a link
    Missing,  // nothing has the name
};

// The rule for the file system that holds the open directory dirFd; nothing
// when the file system cannot be asked.
std::optional<IdentityRule> RuleFor(int dirFd);

// The rule for a statfs f_type and the mount's type as the mount table
// names it (only consulted for FUSE). kernelHandles and birthTimes say what
// the file system answered when asked.
IdentityKind KindFor(std::uint64_t fsType, bool kernelHandles, bool birthTimes);

// The identity of the entry name in dirFd (a symbolic link itself, never what
// it points at) by rule; nothing when there is nothing there, or when the
// file system does not give what the rule needs. A directory on a file system
// without inodes has an empty key: nothing tells one directory from another
// there but the way to it.
std::optional<FileIdentity> IdentityAt(int dirFd, const std::string& name, const IdentityRule& rule);

// Whether the entry name in dirFd (never what a link points at) is the file
// identity records, as rule tells files apart there: a handle is compared
// after one lookup, without a stat; a fingerprint's size and time before any
// byte of the file is read.
Presence PresenceAt(int dirFd, const std::string& name, const FileIdentity& identity, const IdentityRule& rule);

// The identity of the directory dirFd itself, by rule.
std::optional<FileIdentity> DirectoryIdentity(int dirFd, const IdentityRule& rule);

// The type of the mount that holds the open file fd, as the mount table names
// it ("ext4", "fuse.fusefat", "fuseblk"...); empty when it cannot be told.
std::string MountType(int fd);

// The identity of whatever path names, under its own file system's rule.
std::optional<FileIdentity> IdentityOf(const Text& path);

// The words the journal stores an identity as, and back.
std::string_view KindWord(IdentityKind kind);
std::optional<IdentityKind> KindFromWord(std::string_view word);

}  // namespace morvane
