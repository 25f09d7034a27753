#include "rename_layer.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>

#include "errno_mapping.h"
#include "error_numbers.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace morvane {
namespace {

int ErrnoOf(long rc) { return rc == 0 ? 0 : errno; }

int SystemRenameNoReplace(const char* from, const char* to) {
#ifdef SYS_renameat2
    return ErrnoOf(syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
#else
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

}  // namespace

RenameCalls SystemRenameCalls() {
    return {SystemRenameNoReplace,
            [](const char* from, const char* to) { return ErrnoOf(::link(from, to)); },
            [](const char* path) { return ErrnoOf(::unlink(path)); },
            [](const char* from, const char* to) { return ErrnoOf(::rename(from, to)); },
            [](const char* path, struct stat& st) { return ErrnoOf(::lstat(path, &st)); }};
}

PosixRenamer::PosixRenamer() : calls_(SystemRenameCalls()) {}

PosixRenamer::PosixRenamer(RenameCalls calls) : calls_(std::move(calls)) {}

int PosixRenamer::Rename(const Text& fromPath, const Text& toPath) {
    const auto from = ToUtf8(fromPath);
    const auto to = ToUtf8(toPath);
    if (!from || !to || from->empty() || to->empty() || HasNul(*from) || HasNul(*to)) return ErrBadFileName;
    const int err = MoveNoReplace(from->c_str(), to->c_str());
    // The target is the source under another spelling: a change of case on a
    // file system that ignores case.
    if (err == EEXIST && *from != *to && SameFile(from->c_str(), to->c_str()))
        return MoveThroughTemporary(*from, *to);
    return err == 0 ? ErrNone : NumberFor(err, *from);
}

int PosixRenamer::MoveNoReplace(const char* from, const char* to) {
    int err = calls_.RenameNoReplace(from, to);
    if (!FlagUnsupported(err)) return err;

    err = calls_.Link(from, to);
    if (err == 0) {
        const int unlinkErr = calls_.Unlink(from);
        if (unlinkErr == 0) return 0;
        // Leave the file under its old name only.
        calls_.Unlink(to);
        return unlinkErr;
    }
    if (!LinkUnsupported(err)) return err;

    // Last resort, racy: a file created under the target name between the
    // check and the rename would be replaced. Only reached on file systems
    // that offer neither of the calls above.
    struct stat st {};
    err = calls_.Lstat(to, st);
    if (err == 0) return EEXIST;
    if (err != ENOENT) return err;
    return calls_.Rename(from, to);
}

int PosixRenamer::MoveThroughTemporary(const std::string& from, const std::string& to) {
    const std::string prefix = DirectoryPrefix(from) + ".morvane-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temp = prefix + std::to_string(++temporaries_);
        int err = MoveNoReplace(from.c_str(), temp.c_str());
        if (err == EEXIST) continue;
        if (err != 0) return NumberFor(err, from);
        // A target still present is another name of the same file (a hard
        // link), not a change of case: it must not be replaced.
        struct stat st {};
        err = calls_.Lstat(to.c_str(), st) == 0 ? EEXIST : MoveNoReplace(temp.c_str(), to.c_str());
        if (err == 0) return ErrNone;
        // Put the file back under its old name.
        MoveNoReplace(temp.c_str(), from.c_str());
        return NumberFor(err, from);
    }
    return ErrTargetExists;
}

bool PosixRenamer::SameFile(const char* a, const char* b) {
    struct stat sa {}, sb {};
    return calls_.Lstat(a, sa) == 0 && calls_.Lstat(b, sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

int PosixRenamer::NumberFor(int err, const std::string& from) {
    bool directoryMissing = false;
    if (err == ENOENT) {
        struct stat st {};
        directoryMissing = calls_.Lstat((DirectoryPrefix(from) + ".").c_str(), st) != 0;
    }
    return ErrorNumberForErrno(err, directoryMissing);
}

}  // namespace morvane
