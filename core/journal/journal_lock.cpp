#include "journal/journal_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>

namespace morvane {

LockResult TryLockFile(const std::string& dir, const std::string& name) {
    const std::string path = dir + "/" + name;
    // A writer renames a new version over the name: a lock taken on the old
    // file, now nameless, says nothing about the new one, so look again.
    for (int attempt = 0; attempt < 8; ++attempt) {
        // Open for writing where allowed: an undo appends notes to the journal
        // it holds.
        UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        if (!fd && (errno == EACCES || errno == EROFS || errno == EPERM))
            fd.Reset(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        if (!fd) return {errno == ENOENT ? LockAttempt::Vanished : LockAttempt::Failed, {}};
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) return {LockAttempt::HeldElsewhere, std::move(fd)};
            return {LockAttempt::Failed, {}};
        }
        struct stat held {}, named {};
        if (::fstat(fd.Get(), &held) != 0) return {LockAttempt::Failed, {}};
        if (::lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino)
            return {LockAttempt::Taken, std::move(fd)};
    }
    return {LockAttempt::Failed, {}};
}

}  // namespace morvane
