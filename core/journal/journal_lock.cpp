#include "journal/journal_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace morvane {

LockedJournal::LockedJournal(LockedJournal&& other) noexcept
    : name_(std::move(other.name_)), fd_(std::exchange(other.fd_, -1)) {}

LockedJournal& LockedJournal::operator=(LockedJournal&& other) noexcept {
    if (this != &other) {
        Release();
        name_ = std::move(other.name_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void LockedJournal::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void LockedJournal::Replace(int fd) {
    // The new file is locked before the old one is let go: there is no moment
    // at which the journal looks abandoned.
    Release();
    fd_ = fd;
}

LockAttempt TryLockFile(const std::string& dir, const std::string& name, int& fd, int& error) {
    const std::string path = dir + "/" + name;
    // A writer renames a new version over the name: a lock taken on the old
    // file, now nameless, says nothing about the new one, so look again.
    for (int attempt = 0; attempt < 8; ++attempt) {
        // Open for writing where allowed: an undo appends notes to the journal
        // it holds.
        fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
            fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            error = errno;
            fd = -1;
            return error == ENOENT ? LockAttempt::Vanished : LockAttempt::Failed;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            error = errno;
            if (error == EWOULDBLOCK) return LockAttempt::HeldElsewhere;
            ::close(fd);
            fd = -1;
            return LockAttempt::Failed;
        }
        struct stat held {}, named {};
        if (::fstat(fd, &held) != 0) {
            error = errno;
            ::close(fd);
            fd = -1;
            return LockAttempt::Failed;
        }
        if (::lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino)
            return LockAttempt::Taken;
        ::close(fd);
    }
    error = EAGAIN;
    fd = -1;
    return LockAttempt::Failed;
}

}  // namespace morvane
