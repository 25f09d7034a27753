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

// Where a file system writes the inode number into its handles, so that one
// call gives both: the layouts of ext4 and F2FS, XFS, btrfs and tmpfs.
enum class HandleInode : std::uint8_t { None, Ext4, Xfs, Btrfs, Tmpfs };

// How a file system's files are told apart, decided once per directory.
struct IdentityRule {
    IdentityKind Kind = IdentityKind::Fingerprint;
    std::uint64_t FileSystem = 0;   // statfs f_fsid; 0 where it means nothing (Fingerprint)
    std::uint32_t MtimeSeconds = 1; // resolution kept of the modification time (Fingerprint); 0: not kept
    std::string Type;               // "ext4", "tmpfs", "fuse.exfat"...: for reports
    // Handle: where the handles hold the inode number, as the directory's
    // own handle and stat agreed; None: a stat is asked for it.
    HandleInode InodeInHandle = HandleInode::None;
    // The mount's unique id (never given to another mount while the system
    // runs); 0 where the kernel does not tell it: then nothing a run saw of
    // a file there is trusted.
    std::uint64_t Mount = 0;
};

struct FileIdentity {
    IdentityKind Kind = IdentityKind::Fingerprint;
    std::uint64_t FileSystem = 0;
    std::uint64_t Inode = 0;  // 0 for Fingerprint: no inode number lasts there
    std::string Key;          // the handle's bytes, the birth time, or size + mtime + checksum

    auto operator<=>(const FileIdentity&) const = default;
};

// What the stat of a file showed when this run read its fingerprint, on the
// mount it read it on. Within that run, on that very mount, a file whose
// stat still shows all of it is taken for that file without its edges being
// read again; after a remount, a restart or any difference, the fingerprint
// decides as always.
struct SeenFile {
    std::uint64_t Mount = 0;  // IdentityRule::Mount; 0: never trusted
    std::uint64_t Inode = 0;  // as this mount numbers it now
    std::uint64_t Size = 0;
    std::int64_t MtimeSeconds = 0;
    std::uint32_t MtimeNanoseconds = 0;

    bool operator==(const SeenFile&) const = default;
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
// With seen, a fingerprint also tells what its stat showed (seen->Mount is
// the rule's).
std::optional<FileIdentity> IdentityAt(int dirFd, const std::string& name, const IdentityRule& rule,
                                       SeenFile* seen = nullptr);

// A handle identity taken with one call, where the rule reads the inode
// number off the handle; typeLetter is the entry's type as a read of the
// directory gave it ('f', 'd', 'l' or 'o'). Nothing when the file system
// does not give it that way (then IdentityAt), or when missing is set:
// nothing has the name.
std::optional<FileIdentity> HandleIdentityAt(int dirFd, const char* name, const IdentityRule& rule, char typeLetter,
                                             bool& missing);

// The letter an identity's key begins with for a directory entry's d_type;
// 0 where the read does not tell.
char TypeLetterOf(unsigned char dType);

// Whether the entry name in dirFd (never what a link points at) is the file
// identity records, as rule tells files apart there: a handle is compared
// after one lookup, without a stat; a fingerprint's size and time before any
// byte of the file is read, and with seen (what this run saw of it, on this
// very mount) nothing is read while its stat still shows all that was seen.
Presence PresenceAt(int dirFd, const std::string& name, const FileIdentity& identity, const IdentityRule& rule,
                    const SeenFile* seen = nullptr);

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
