#pragma once
// The lock a rename pass holds on its journal file while it runs, so that
// another copy of the program can tell a live pass from a dead one. It is a
// flock() on the open file: the kernel drops it when its holder exits or is
// killed, and never sooner.
#include <string>
#include <utility>

namespace morvane {

class LockedJournal {
public:
    LockedJournal() = default;
    LockedJournal(std::string fileName, int fd) : name_(std::move(fileName)), fd_(fd) {}
    LockedJournal(LockedJournal&& other) noexcept;
    LockedJournal& operator=(LockedJournal&& other) noexcept;
    LockedJournal(const LockedJournal&) = delete;
    LockedJournal& operator=(const LockedJournal&) = delete;
    ~LockedJournal() { Release(); }

    bool Held() const { return fd_ >= 0; }
    // The journal's file name within the state directory.
    const std::string& FileName() const { return name_; }
    int Descriptor() const { return fd_; }
    // Gives the lock up; another copy may take the journal from now on.
    void Release();
    // Holds fd (a newer version of the same journal) instead of the current one.
    void Replace(int fd);

private:
    std::string name_;
    int fd_ = -1;
};

enum class LockAttempt { Taken, HeldElsewhere, Vanished, Failed };

// Opens dir/name (for writing too where the file allows it: an undo appends
// its notes) and takes its lock without waiting. Taken: fd is open and holds
// the lock on the file that is under that name now (a journal replaced
// meanwhile is opened again). HeldElsewhere: fd is open, without the lock.
// Vanished: nothing is under the name. Failed: error holds the errno.
LockAttempt TryLockFile(const std::string& dir, const std::string& name, int& fd, int& error);

}  // namespace morvane
