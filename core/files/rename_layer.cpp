#include "files/rename_layer.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>

#include "base/errno_mapping.h"
#include "base/error_numbers.h"
#include "files/unique_fd.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace morvane {
namespace {

int ErrnoOf(long rc) { return rc == 0 ? 0 : errno; }

// 128 random bits in lowercase hex: no file another program made holds them.
std::optional<std::string> NewPlaceholderMark() {
    unsigned char random[16];
    std::size_t got = 0;
    while (got < sizeof random) {
        const ssize_t n = ::getrandom(random + got, sizeof random - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        got += static_cast<std::size_t>(n);
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string mark;
    for (const unsigned char byte : random) {
        mark += kDigits[byte >> 4];
        mark += kDigits[byte & 0xF];
    }
    return mark;
}

int SystemRenameNoReplace(int dir, const char* from, const char* to) {
#ifdef SYS_renameat2
    return ErrnoOf(syscall(SYS_renameat2, dir, from, dir, to, RENAME_NOREPLACE));
#else
    (void)dir;
    (void)from;
    (void)to;
    return ENOSYS;
#endif
}

// The kernel or the file system does not know the flag.
bool FlagUnsupported(int err) { return err == EINVAL || err == ENOSYS || err == EOPNOTSUPP; }
// The file system has no hard links (FAT answers EPERM).
bool LinkUnsupported(int err) { return err == EPERM || err == EOPNOTSUPP; }

// The directory part of path with its trailing "/", empty for a bare name.
std::string DirectoryPrefix(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool HasNul(const std::string& s) { return s.find('\0') != std::string::npos; }


// The bytes of the regular file path (relative to dir) when it holds at most max.
std::optional<std::string> ReadUpTo(int dir, const char* path, std::size_t max) {
    const UniqueFd fd(::openat(dir, path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > max)
        return std::nullopt;
    // One byte more than allowed: a file that grew meanwhile is refused.
    std::string content(max + 1, '\0');
    std::size_t got = 0;
    while (got < content.size()) {
        const ssize_t n = ::read(fd.Get(), content.data() + got, content.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > max) return std::nullopt;
    content.resize(got);
    return content;
}

// FS_IOC_GETFLAGS of the regular file or folder path (relative to dir; "."
// is dir itself), opened without following a link or blocking.
int SystemAttributes(int dir, const char* path, unsigned& flags) {
    const UniqueFd fd(::openat(dir, path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstat(fd.Get(), &st) != 0) return errno;
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) return ENOTTY;
    int got = 0;
    if (::ioctl(fd.Get(), FS_IOC_GETFLAGS, &got) != 0) return errno;
    flags = static_cast<unsigned>(got);
    return 0;
}

}  // namespace

RenameCalls SystemRenameCalls() {
    return {.RenameNoReplace = SystemRenameNoReplace,
            .Link = [](int dir, const char* from, const char* to) { return ErrnoOf(::linkat(dir, from, dir, to, 0)); },
            .Unlink = [](int dir, const char* path) { return ErrnoOf(::unlinkat(dir, path, 0)); },
            .Rename = [](int dir, const char* from, const char* to) { return ErrnoOf(::renameat(dir, from, dir, to)); },
            .Lstat = [](int dir, const char* path, struct stat& st) {
                return ErrnoOf(::fstatat(dir, path, &st, AT_SYMLINK_NOFOLLOW));
            },
            .CreateExclusive =
                [](int dir, const char* path, int& fd) {
                    fd = ::openat(dir, path, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
                    return fd < 0 ? errno : 0;
                },
            .Fstat = [](int fd, struct stat& st) { return ErrnoOf(::fstat(fd, &st)); },
            .Close = [](int fd) { return ErrnoOf(::close(fd)); },
            .Write = [](int fd, std::string_view bytes) {
                while (!bytes.empty()) {
                    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
                    if (n < 0 && errno == EINTR) continue;
                    if (n <= 0) return n < 0 ? errno : EIO;
                    bytes.remove_prefix(static_cast<std::size_t>(n));
                }
                return 0;
            },
            .Sync = [](int fd) { return ErrnoOf(::fsync(fd)); },
            .Attributes = SystemAttributes};
}

namespace {

// A file system that keeps nothing to wait for, or cannot wait for a folder.
ErrorNumber Synced(int err) {
    return err == 0 || err == EINVAL || err == ENOSYS || err == EOPNOTSUPP || err == EROFS
               ? ErrNone
               : ErrorNumberForErrno(err, false);
}

// The answer of a call on a name in the entered directory.
ErrorNumber OnName(int err) { return err == 0 ? ErrNone : ErrorNumberForErrno(err, false); }

// A bare name the calls below may be given: never relative to the working
// directory, only a name in the entered one.
std::optional<std::string> EntryName(int dir, const Text& name) {
    const auto bytes = ToUtf8(name);
    if (dir == AT_FDCWD || !bytes || bytes->empty() || HasNul(*bytes)) return std::nullopt;
    return bytes;
}

}  // namespace

ErrorNumber FileRenamer::SyncDirectory() {
    return DirectoryFd() == AT_FDCWD ? ErrNone : Synced(ErrnoOf(::fsync(DirectoryFd())));
}

ErrorNumber PosixRenamer::SyncDirectory() {
    return DirectoryFd() == AT_FDCWD ? ErrNone : Synced(calls_.Sync(DirectoryFd()));
}

EntryStat FileRenamer::Lstat(const Text& name) {
    EntryStat found;
    const auto bytes = EntryName(DirectoryFd(), name);
    if (!bytes) found.Error = DirectoryFd() == AT_FDCWD ? ErrUnexpected : ErrBadFileName;
    else found.Error = OnName(ErrnoOf(::fstatat(DirectoryFd(), bytes->c_str(), &found.Stat, AT_SYMLINK_NOFOLLOW)));
    return found;
}

std::optional<std::string> FileRenamer::ReadSmall(const Text& name, std::size_t max) {
    if (DirectoryFd() == AT_FDCWD) return std::nullopt;
    const auto bytes = ToUtf8(name);
    if (!bytes || bytes->empty() || HasNul(*bytes)) return std::nullopt;
    return ReadUpTo(DirectoryFd(), bytes->c_str(), max);
}

ErrorNumber FileRenamer::Remove(const Text& name) {
    const auto bytes = EntryName(DirectoryFd(), name);
    if (!bytes) return DirectoryFd() == AT_FDCWD ? ErrUnexpected : ErrBadFileName;
    return OnName(ErrnoOf(::unlinkat(DirectoryFd(), bytes->c_str(), 0)));
}

PosixRenamer::PosixRenamer() : calls_(SystemRenameCalls()) {}

PosixRenamer::PosixRenamer(RenameCalls calls) : calls_(std::move(calls)) {}

EntryStat PosixRenamer::Lstat(const Text& name) {
    EntryStat found;
    const auto bytes = EntryName(DirectoryFd(), name);
    if (!bytes) found.Error = DirectoryFd() == AT_FDCWD ? ErrUnexpected : ErrBadFileName;
    else found.Error = OnName(calls_.Lstat(DirectoryFd(), bytes->c_str(), found.Stat));
    return found;
}

ErrorNumber PosixRenamer::Remove(const Text& name) {
    const auto bytes = EntryName(DirectoryFd(), name);
    if (!bytes) return DirectoryFd() == AT_FDCWD ? ErrUnexpected : ErrBadFileName;
    return OnName(calls_.Unlink(DirectoryFd(), bytes->c_str()));
}

// Only within an entered directory: the journal keeps bare names.
int PosixRenamer::Announce(LeftName left) {
    if (!Watched()) return 0;
    notRecorded_ = watch_->Leaving(left);
    return notRecorded_ == ErrNone ? 0 : NotRecorded;
}

int PosixRenamer::Announce(LeftoverKind kind, const char* name, const char* source, std::uint64_t links) {
    return Announce(LeftName{kind, FromUtf8(name).value_or(Text()), source ? FromUtf8(source).value_or(Text()) : Text(),
                             links, {}});
}

void PosixRenamer::Withdraw() {
    if (Watched()) watch_->NotLeft();
}

ErrorNumber PosixRenamer::Rename(const Text& fromPath, const Text& toPath) {
    lastTemporary_.clear();
    lastRefusal_ = RefusalCause::None;
    const auto from = ToUtf8(fromPath);
    const auto to = ToUtf8(toPath);
    if (!from || !to || from->empty() || to->empty() || HasNul(*from) || HasNul(*to)) return ErrBadFileName;
    const int err = MoveNoReplace(from->c_str(), to->c_str());
    // The target may be the source under another spelling: a change of case
    // on a file system that ignores case. Where names are kept as they are
    // spelt (a handle file system, no folding) two names that differ in more
    // than case are two entries: a taken name costs no look-up.
    const OpenDirectory* entered = Entered();
    const bool exact = entered && entered->Rule().Kind == IdentityKind::Handle && !entered->MayIgnoreCase() &&
                       !MayBeOtherSpelling(fromPath, toPath);
    if (err == EEXIST && *from != *to && !exact && MayBeOneFile(fromPath, toPath, from->c_str(), to->c_str()))
        return MoveThroughTemporary(*from, *to);
    if (err == 0) return ErrNone;
    if (CharacterRefused(err, *from, *to)) {
        lastRefusal_ = RefusalCause::CharacterRefused;
        return ErrBadFileName;
    }
    return NumberFor(err, *from);
}

// The FUSE drivers of FAT and exFAT answer a name with a character they do
// not accept (such as "?" or ":") with EPERM or ENOENT, not EINVAL: on such a
// file system, with the file still there, that is the name's fault.
bool PosixRenamer::CharacterRefused(int err, const std::string& from, const std::string& to) {
    if (err != EPERM && err != ENOENT && err != EACCES) return false;
    const std::string_view name = std::string_view(to).substr(to.rfind('/') + 1);
    const bool refusable = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || std::string_view("\"*:<>?\\|").find(c) != std::string_view::npos;
    });
    if (!refusable) return false;
    struct statfs fs {};
    const bool known = DirectoryFd() != AT_FDCWD ? ::fstatfs(DirectoryFd(), &fs) == 0
                                                 : ::statfs((DirectoryPrefix(from) + ".").c_str(), &fs) == 0;
    constexpr long kFuse = 0x65735546, kMsdos = 0x4d44, kExfat = 0x2011BAB0, kNtfs = 0x5346544e;
    const long type = known ? static_cast<long>(fs.f_type) : 0;
    if (type != kFuse && type != kMsdos && type != kExfat && type != kNtfs) return false;
    struct stat st {};
    return calls_.Lstat(DirectoryFd(), from.c_str(), st) == 0;
}

ErrorNumber PosixRenamer::Enter(const Text& dir, const std::optional<FileIdentity>& expected) {
    noReplaceLacking_ = linksLacking_ = false;
    return FileRenamer::Enter(dir, expected);
}

int PosixRenamer::MoveNoReplace(const char* from, const char* to) {
    int err = 0;
    if (!noReplaceLacking_) {
        err = calls_.RenameNoReplace(DirectoryFd(), from, to);
        if (!FlagUnsupported(err)) return err;
        noReplaceLacking_ = DirectoryFd() != AT_FDCWD;
    }
    if (linksLacking_) return MoveOntoPlaceholder(from, to);

    // The second name is in the journal before it exists, with the link
    // count it gives the file: an undo removes it only while both names are
    // still that file and nobody linked it since.
    struct stat source {};
    if (Watched()) {
        if ((err = calls_.Lstat(DirectoryFd(), from, source)) != 0) return err;
        if ((err = Announce(LeftoverKind::Link, to, from, source.st_nlink + 1)) != 0) return err;
    }
    err = calls_.Link(DirectoryFd(), from, to);
    if (err == 0) {
        const int unlinkErr = calls_.Unlink(DirectoryFd(), from);
        if (unlinkErr == 0) return 0;
        // Leave the file under its old name only.
        if (calls_.Unlink(DirectoryFd(), to) == 0) Withdraw();
        return unlinkErr;
    }
    Withdraw();
    if (!LinkUnsupported(err)) return err;
    linksLacking_ = DirectoryFd() != AT_FDCWD;
    return MoveOntoPlaceholder(from, to);
}

// For file systems with neither of the calls above (FAT and exFAT through
// FUSE): the target name is taken first with a file that only this program
// holds, and the file is renamed onto it only while it is still that file.
// A program that creates its files with O_EXCL can then never lose one:
// either it got the name first (we see EEXIST) or it gets EEXIST. What
// remains: a program that removes or overwrites an existing name on purpose
// between our last check and the rename can still have its file replaced, as
// it could on any file system when it replaces ours.
// The placeholder holds a random mark, noted in the journal before it is
// made: a later undo removes a file at that name only when it holds the mark,
// so an empty file of someone else's is never taken for it.
int PosixRenamer::MoveOntoPlaceholder(const char* from, const char* to) {
    const std::optional<std::string> mark = NewPlaceholderMark();
    if (!mark) return EIO;
    const std::string content = PlaceholderContent(*mark);
    int err = Announce(LeftName{LeftoverKind::Placeholder, FromUtf8(to).value_or(Text()), {}, 0, *mark});
    if (err != 0) return err;
    int created = -1;
    err = calls_.CreateExclusive(DirectoryFd(), to, created);
    if (err != 0) {
        Withdraw();
        return err;
    }
    UniqueFd fd(created);
    struct stat held {};
    err = calls_.Write(fd.Get(), content);
    const int statErr = calls_.Fstat(fd.Get(), held);
    // Closed before the move: a FUSE file system keeps a replaced file that
    // is still open under a hidden name, and FAT through FUSE then loses the
    // contents of other files in the directory. What closing reports is
    // about bytes the checks below read back anyway.
    (void)calls_.Close(fd.Release());
    if (err != 0 || statErr != 0) {
        // Ours, but perhaps without its whole mark: taken away again while still it.
        if (statErr == 0) DropPlaceholder(held, to, content);
        return err != 0 ? err : statErr;
    }
    const bool ours = IsOurPlaceholder(held, to, content, err);
    // Not ours any more (written to, linked, replaced): someone else's file, left alone.
    if (!ours) {
        if (err == 0) Withdraw();
        return err == 0 ? EEXIST : err;
    }
    err = calls_.Rename(DirectoryFd(), from, to);
    if (err != 0) DropPlaceholder(held, to, content);
    return err;
}

// Removes the placeholder held describes while it is still that file,
// holding what of its mark a failed write left, and takes its note back.
void PosixRenamer::DropPlaceholder(const struct stat& held, const char* path, const std::string& content) {
    int checkErr = 0;
    if (IsOurPlaceholder(held, path, content, checkErr, true) && calls_.Unlink(DirectoryFd(), path) == 0) Withdraw();
}

// Whether path still names the placeholder that held describes, with no
// other name and holding what we wrote into it (or, with partly, the start
// of it), nothing else. err is set when the check itself failed.
bool PosixRenamer::IsOurPlaceholder(const struct stat& held, const char* path, const std::string& content, int& err,
                                    bool partly) {
    struct stat named {};
    err = calls_.Lstat(DirectoryFd(), path, named);
    if (err == ENOENT) err = 0;  // removed meanwhile: not ours to act on
    const bool same = err == 0 && S_ISREG(named.st_mode) && named.st_dev == held.st_dev && named.st_ino == held.st_ino &&
                      named.st_nlink == 1 && held.st_nlink == 1;
    const auto size = static_cast<std::size_t>(named.st_size);
    if (!same || size > content.size() || (!partly && size != content.size())) return false;
    const auto read = ReadUpTo(DirectoryFd(), path, content.size());
    return read && content.starts_with(*read);
}

ErrorNumber PosixRenamer::MoveThroughTemporary(const std::string& from, const std::string& to) {
    const std::string prefix = DirectoryPrefix(from) + ".morvane-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temp = prefix + std::to_string(++temporaries_);
        // In the journal first: a pass cut short here leaves the file under it.
        int err = Announce(LeftoverKind::Temporary, temp.c_str());
        if (err != 0) return NumberFor(err, from);
        err = MoveNoReplace(from.c_str(), temp.c_str());
        if (err == EEXIST) {
            Withdraw();
            continue;
        }
        if (err != 0) return NumberFor(err, from);
        // A target still present is another file or another name of the same
        // file (a hard link), not a change of case: the move refuses it. No
        // lstat first: FUSE may still show the old spelling for a second,
        // while the exclusive create of the placeholder asks the file system.
        err = MoveNoReplace(temp.c_str(), to.c_str());
        if (err == 0) return ErrNone;
        // Put the file back under its old name. Where that fails too (the old
        // name was taken meanwhile), the caller must learn where it is.
        if (MoveNoReplace(temp.c_str(), from.c_str()) != 0) {
            lastTemporary_ = FromUtf8(temp).value_or(Text());
            return ErrLeftUnderTemporaryName;
        }
        return NumberFor(err, from);
    }
    return ErrTargetExists;
}

// Two names of one file: the same inode, or, where a file system that
// ignores case gives each spelling its own inode number (FAT and exFAT
// through FUSE), names that differ only in case and stats that agree. The
// move through a temporary name then proves it: the target must vanish
// with the source.
bool PosixRenamer::MayBeOneFile(const Text& fromPath, const Text& toPath, const char* from, const char* to) {
    struct stat a {}, b {};
    if (calls_.Lstat(DirectoryFd(), from, a) != 0 || calls_.Lstat(DirectoryFd(), to, b) != 0 || a.st_dev != b.st_dev) return false;
    if (a.st_ino == b.st_ino) return true;
    return MayBeOtherSpelling(fromPath, toPath) && a.st_mode == b.st_mode && a.st_size == b.st_size &&
           a.st_nlink == 1 && b.st_nlink == 1 && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// A file or folder marked immutable (or append-only) refuses with EPERM.
bool PosixRenamer::Immutable(const std::string& path) {
    unsigned flags = 0;
    return calls_.Attributes && calls_.Attributes(DirectoryFd(), path.c_str(), flags) == 0 &&
           (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
}

ErrorNumber PosixRenamer::NumberFor(int err, const std::string& from) {
    if (err == NotRecorded) return notRecorded_;
    lastRefusal_ = RefusalCauseForErrno(err);
    if (err == EPERM || err == EACCES) {
        if (Immutable(DirectoryPrefix(from) + ".")) lastRefusal_ = RefusalCause::ImmutableFolder;
        else if (Immutable(from)) lastRefusal_ = RefusalCause::ImmutableFile;
    }
    bool directoryMissing = false;
    if (err == ENOENT) {
        struct stat st {};
        directoryMissing = calls_.Lstat(DirectoryFd(), (DirectoryPrefix(from) + ".").c_str(), st) != 0;
    }
    return ErrorNumberForErrno(err, directoryMissing);
}

}  // namespace morvane
