#pragma once
// The lock a rename pass holds on its journal file while it runs, so that
// another copy of the program can tell a live pass from a dead one. It is a
// flock() on the open file: the kernel drops it when its holder exits or is
// killed, and never sooner.
#include <string>
#include <utility>

#include "files/unique_fd.h"

namespace morvane {

class LockedJournal {
public:
    LockedJournal() = default;
    LockedJournal(std::string fileName, UniqueFd fd) : name_(std::move(fileName)), fd_(std::move(fd)) {}

    bool Held() const { return fd_.Valid(); }
    // The journal's file name within the state directory.
    const std::string& FileName() const { return name_; }
    int Descriptor() const { return fd_.Get(); }
    // Gives the lock up; another copy may take the journal from now on.
    void Release() { fd_.Reset(); }
    // Holds fd (a newer version of the same journal, already locked) instead
    // of the current one: there is no moment at which the journal looks
    // abandoned.
    void Replace(UniqueFd fd) { fd_ = std::move(fd); }

private:
    std::string name_;
    UniqueFd fd_;
};

enum class LockAttempt { Taken, HeldElsewhere, Vanished, Failed };

struct LockResult {
    LockAttempt Attempt = LockAttempt::Failed;
    // Taken: open and holding the lock on the file that is under the name
    // now. HeldElsewhere: open, without the lock. Otherwise closed.
    UniqueFd Fd;
};

// Opens dir/name (for writing too where the file allows it: an undo appends
// its notes) and takes its lock without waiting. A journal replaced meanwhile
// is opened again. Vanished: nothing is under the name.
[[nodiscard]] LockResult TryLockFile(const std::string& dir, const std::string& name);

}  // namespace morvane
