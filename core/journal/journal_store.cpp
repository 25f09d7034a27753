#include "journal/journal_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "base/errno_mapping.h"
#include "files/unique_fd.h"
#include "journal/journal_format.h"

namespace morvane {
namespace {

constexpr std::string_view kPrefix = "pass-";
constexpr std::string_view kJournalSuffix = ".journal";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kSequenceDigits = 20;
// Room for the header and checksum lines around the largest body.
constexpr std::size_t kMaxFileBytes = MaxJournalBytes + 64;

// Numbers that keep the names of journals and temporary files made by this
// process apart, whichever store makes them.
// Whether the ext4 on this device keeps a journal: the kernel lists a data
// mode among its options only then. Unknown counts as not.
bool Ext4Journalled(dev_t device) {
    const std::string block = "/sys/dev/block/" + std::to_string(major(device)) + ':' + std::to_string(minor(device));
    char target[PATH_MAX];
    const ssize_t length = ::readlink(block.c_str(), target, sizeof target - 1);
    if (length <= 0) return false;
    const std::string_view link(target, static_cast<std::size_t>(length));
    const std::string name(link.substr(link.rfind('/') + 1));
    const UniqueFd fd(::open(("/proc/fs/ext4/" + name + "/options").c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) return false;
    char options[4096];
    const ssize_t read = ::read(fd.Get(), options, sizeof options - 1);
    if (read <= 0) return false;
    const std::string_view text(options, static_cast<std::size_t>(read));
    return text.starts_with("data=") || text.find("\ndata=") != std::string_view::npos;
}

unsigned NextNumber() {
    static std::atomic<unsigned> counter{0};
    return ++counter;
}

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int ErrnoOf(int rc) { return rc == 0 ? 0 : errno; }

ErrorNumber NumberOf(int err) { return err == 0 ? ErrNone : ErrorNumberForErrno(err, false); }

// The whole file into bytes: Unreadable when reading fails, Garbled when it
// is not a regular file or larger than any journal can be.
JournalProblem ReadAll(int fd, std::string& bytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return JournalProblem::Unreadable;
    if (!S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > kMaxFileBytes) return JournalProblem::Garbled;
    // One byte more than its size: a file that grows meanwhile is read as one that does not match its length.
    bytes.assign(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return JournalProblem::Unreadable;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return JournalProblem::None;
}

// Makes dir and its missing parents, each 0700 as the XDG layout asks, and
// narrows dir itself to 0700. created receives the directories made.
int MakeDirectory(const std::string& dir, std::vector<std::string>& created) {
    for (std::size_t at = 1; at <= dir.size(); ++at) {
        if (at < dir.size() && dir[at] != '/') continue;
        std::string part = dir.substr(0, at);
        if (::mkdir(part.c_str(), 0700) == 0) {
            created.push_back(std::move(part));
        } else if (errno != EEXIST) {
            return errno;
        }
    }
    // A directory the user made a symbolic link to another disk is followed.
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0) return errno;
    if (!S_ISDIR(st.st_mode)) return ENOTDIR;
    if ((st.st_mode & 07777) != 0700 && ::chmod(dir.c_str(), 0700) != 0) return errno;
    return 0;
}

std::string ParentOf(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    const auto slash = dir.rfind('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : dir.substr(0, slash);
}

int SyncPath(const std::string& dir, const StoreCalls& calls) {
    const UniqueFd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd ? calls.Sync(fd.Get()) : errno;
}

// The sequence number in a journal's name, 0 when it has none.
std::uint64_t SequenceOf(const std::string& name) {
    std::uint64_t seq = 0;
    for (std::size_t i = kPrefix.size(); i < name.size() && i < kPrefix.size() + kSequenceDigits; ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        seq = seq * 10 + static_cast<std::uint64_t>(name[i] - '0');
    }
    return seq;
}

// The process that wrote a temporary file "<journal>.<pid>.<n>.tmp".
pid_t WriterOf(const std::string& temporary) {
    const auto at = temporary.find(std::string(kJournalSuffix) + ".");
    if (at == std::string::npos) return 0;
    return static_cast<pid_t>(std::atol(temporary.c_str() + at + kJournalSuffix.size() + 1));
}

bool Ended(const FoundJournal& found) {
    return found.Problem == JournalProblem::None && found.Journal.State != JournalState::Running;
}

}  // namespace

StoreCalls SystemStoreCalls() {
    return {.Write = WriteAll,
            .Sync = [](int fd) { return ErrnoOf(::fsync(fd)); },
            .Rename = [](const std::string& from, const std::string& to) { return ErrnoOf(::rename(from.c_str(), to.c_str())); },
            .Unlink = [](const std::string& path) { return ErrnoOf(::unlink(path.c_str())); }};
}

std::optional<std::string> JournalDirectoryFor(const char* xdgStateHome, const char* home) {
    if (IsAbsolute(xdgStateHome)) return std::string(xdgStateHome) + "/Morvane";
    if (IsAbsolute(home)) return std::string(home) + "/.local/state/Morvane";
    return std::nullopt;
}

FolderCheck CheckJournalFolder(const std::string& dir, bool writing) {
    if (dir.empty()) return {FolderFault::NoFolder, {}};
    std::string at = dir;
    struct stat st {};
    while (::stat(at.c_str(), &st) != 0) {
        if (at == "/") return {};
        at = ParentOf(at);
    }
    if (!S_ISDIR(st.st_mode)) return {FolderFault::NotAFolder, at};
    // A missing folder is to be made in the part of its path that exists.
    if (writing || at != dir) {
        struct statvfs fs {};
        const bool known = ::statvfs(at.c_str(), &fs) == 0;
        if (known && (fs.f_flag & ST_RDONLY) != 0) return {FolderFault::ReadOnlyFileSystem, at};
        if (::access(at.c_str(), W_OK | X_OK) != 0) return {FolderFault::NotWritable, at};
        const auto blocks = ::geteuid() == 0 ? fs.f_bfree : fs.f_bavail;
        // File systems that count no inodes report none free.
        if (known && fs.f_blocks > 0 && (blocks == 0 || (fs.f_files > 0 && fs.f_favail == 0)))
            return {FolderFault::Full, at};
    }
    if (::access(at.c_str(), R_OK | X_OK) != 0) return {FolderFault::NotReadable, at};
    return {};
}

std::int64_t StartTimeOf(const std::string& fileName) {
    return fileName.starts_with(kPrefix) ? static_cast<std::int64_t>(SequenceOf(fileName) / 1000000000u) : 0;
}

std::optional<std::string> DefaultJournalDirectory() {
    const char* home = std::getenv("HOME");
    if (!IsAbsolute(home)) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return JournalDirectoryFor(std::getenv("XDG_STATE_HOME"), home);
}

JournalStore::JournalStore(std::string directory, StoreCalls calls)
    : dir_(std::move(directory)), calls_(std::move(calls)) {}

ErrorNumber JournalStore::MakeReady() {
    std::vector<std::string> created;
    int err = MakeDirectory(dir_, created);
    // The entry of a new directory must reach the disk too, once.
    for (const auto& made : created) {
        if (err == 0) err = SyncPath(ParentOf(made), calls_);
    }
    return NumberOf(err);
}

ErrorNumber JournalStore::Create(const StoredJournal& journal, LockedJournal& lock) {
    if (const ErrorNumber err = MakeReady(); err != ErrNone) return err;
    const std::string name = NewName();
    UniqueFd fd;
    if (const int err = Store(name, journal, Durability::Synced, fd); err != 0) {
        // Stored but maybe not durable: the pass will not start, so the
        // journal must not be found later either.
        if (fd) (void)calls_.Unlink(dir_ + "/" + name);  // a failure here leaves a running journal: offered, never lost
        return NumberOf(err);
    }
    lock = LockedJournal(name, std::move(fd));
    return ErrNone;
}

ErrorNumber JournalStore::Write(LockedJournal& lock, const StoredJournal& journal, Durability durability) {
    if (!lock.Held()) return ErrUnexpected;
    UniqueFd fd;
    const int err = Store(lock.FileName(), journal, durability, fd);
    if (fd) lock.Replace(std::move(fd));
    if (err != 0) return NumberOf(err);
    if (journal.State != JournalState::Running) {
        RemoveBeyondKept();
        RemoveStrayTemporaries();
    }
    return ErrNone;
}

ErrorNumber JournalStore::AppendNote(LockedJournal& lock, std::string_view bytes) {
    if (!lock.Held()) return ErrUnexpected;
    if (::lseek(lock.Descriptor(), 0, SEEK_END) < 0) return NumberOf(errno);
    return NumberOf(calls_.Write(lock.Descriptor(), bytes));
}

ErrorNumber JournalStore::AppendEnd(LockedJournal& lock, std::string_view bytes) {
    if (const ErrorNumber err = AppendNote(lock, bytes); err != ErrNone) return err;
    RemoveBeyondKept();
    RemoveStrayTemporaries();
    return ErrNone;
}

ErrorNumber JournalStore::Remove(LockedJournal& lock) {
    if (!lock.Held()) return ErrUnexpected;
    const int err = calls_.Unlink(dir_ + "/" + lock.FileName());
    lock.Release();
    return NumberOf(err);
}

ErrorNumber JournalStore::SetAside(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos || !fileName.starts_with(kPrefix)) return ErrBadFileName;
    const std::string aside = dir_ + "/damaged";
    if (::mkdir(aside.c_str(), 0700) != 0 && errno != EEXIST) return NumberOf(errno);
    const std::string from = dir_ + "/" + fileName;
    // A link never replaces a file set aside before under the same name.
    for (int n = 0; n < 1000; ++n) {
        const std::string to = aside + "/" + fileName + (n == 0 ? std::string() : "-" + std::to_string(n));
        if (::link(from.c_str(), to.c_str()) != 0) {
            if (errno == EEXIST) continue;
            return NumberOf(errno);
        }
        if (::chmod(to.c_str(), 0600) != 0) return NumberOf(errno);
        if (const int err = calls_.Unlink(from); err != 0) return NumberOf(err);
        return NumberOf(SyncDirectory());
    }
    return ErrTargetExists;
}

JournalList JournalStore::JournalNames() const { return Names(std::string(kJournalSuffix)); }

std::optional<FoundJournal> JournalStore::Take(const std::string& fileName) const {
    bool vanished = false;
    FoundJournal found = Read(fileName, vanished);
    if (vanished) return std::nullopt;
    return found;
}

std::optional<StoredJournal> JournalStore::Peek(const std::string& fileName) const {
    if (fileName.find('/') != std::string::npos) return std::nullopt;
    const UniqueFd fd(::open((dir_ + "/" + fileName).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    std::string bytes;
    if (!fd || ReadAll(fd.Get(), bytes) != JournalProblem::None) return std::nullopt;
    DecodedJournal decoded = DecodeJournal(bytes);
    if (decoded.Problem != JournalProblem::None) return std::nullopt;
    return std::move(decoded.Journal);
}

bool JournalStore::SharesOrderedLog(const Text& directory) const {
    constexpr unsigned long kExt4 = 0xEF53, kXfs = 0x58465342;
    const auto path = ToUtf8(directory);
    struct stat store {}, other {};
    struct statfs fs {};
    if (!path || ::stat(dir_.c_str(), &store) != 0 || ::stat(path->c_str(), &other) != 0 ||
        ::statfs(dir_.c_str(), &fs) != 0 || store.st_dev != other.st_dev)
        return false;
    const auto type = static_cast<unsigned long>(fs.f_type) & 0xFFFFFFFFu;
    // XFS always logs; ext4 may be made without its journal, and then keeps no order at all.
    return type == kXfs || (type == kExt4 && Ext4Journalled(store.st_dev));
}

long JournalStore::WriterProcess(const std::string& fileName) {
    // "pass-<sequence>-<process>-<number>.journal"
    if (!fileName.starts_with(kPrefix) || !fileName.ends_with(kJournalSuffix)) return 0;
    const auto first = fileName.find('-', kPrefix.size());
    const auto second = first == std::string::npos ? first : fileName.find('-', first + 1);
    if (second == std::string::npos) return 0;
    return std::atol(fileName.c_str() + first + 1);
}

JournalScan JournalStore::FindUnfinished() {
    JournalScan scan;
    const JournalList list = JournalNames();
    scan.Error = list.Error;
    for (const auto& name : list.Names) {
        bool vanished = false;
        FoundJournal found = Read(name, vanished);
        if (vanished || found.Problem == JournalProblem::InUse || Ended(found)) continue;
        scan.Journals.push_back(std::move(found));
    }
    return scan;
}

JournalList JournalStore::Names(const std::string& suffix) const {
    JournalList list;
    const UniqueDir d(::opendir(dir_.c_str()));
    if (!d) {
        // Not made yet: no journal. Anything else hides the history.
        if (errno != ENOENT) list.Error = ErrorNumber::JournalFolderUnusable;
        return list;
    }
    errno = 0;
    while (const dirent* e = ::readdir(d.Get())) {
        const std::string name = e->d_name;
        if (name.starts_with(kPrefix) && name.ends_with(suffix)) list.Names.push_back(name);
    }
    if (errno != 0) list.Error = ErrorNumber::JournalFolderUnusable;
    std::sort(list.Names.begin(), list.Names.end());
    return list;
}

std::string JournalStore::NewName() const {
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::uint64_t seq = static_cast<std::uint64_t>(now.tv_sec) * 1000000000u + static_cast<std::uint64_t>(now.tv_nsec);
    // Names sort by age even when the clock was set back since the last pass;
    // a folder that cannot be listed fails the write that follows.
    for (const auto& name : JournalNames().Names) seq = std::max(seq, SequenceOf(name) + 1);
    std::string digits = std::to_string(seq);
    digits.insert(0, kSequenceDigits - std::min(kSequenceDigits, digits.size()), '0');
    return std::string(kPrefix) + digits + "-" + std::to_string(::getpid()) + "-" + std::to_string(NextNumber()) +
           std::string(kJournalSuffix);
}

FoundJournal JournalStore::Read(const std::string& name, bool& vanished) const {
    FoundJournal found;
    found.FileName = name;
    LockResult lock = TryLockFile(dir_, name);
    vanished = lock.Attempt == LockAttempt::Vanished;
    if (lock.Attempt == LockAttempt::Vanished || lock.Attempt == LockAttempt::Failed) {
        found.Problem = JournalProblem::Unreadable;
        return found;
    }
    std::string bytes;
    const JournalProblem readProblem = ReadAll(lock.Fd.Get(), bytes);
    const DecodedJournal decoded =
        readProblem == JournalProblem::None ? DecodeJournal(bytes) : DecodedJournal{readProblem, {}};
    if (decoded.Problem == JournalProblem::None) found.Journal = decoded.Journal;
    else if (decoded.Problem != JournalProblem::FutureVersion)
        found.Journal.Directory = DirectoryOfDamaged(bytes).value_or(Text());
    if (lock.Attempt == LockAttempt::HeldElsewhere) {
        found.Problem = JournalProblem::InUse;
        return found;
    }
    found.Lock = LockedJournal(name, std::move(lock.Fd));
    // The directory it names is not looked at here: it may sit on a mount
    // that does not answer, and reading the history must never wait for it.
    found.Problem = decoded.Problem;
    return found;
}

// The new version under name, its descriptor (locked) in fd once it has the
// name. 0 or an errno.
int JournalStore::Store(const std::string& name, const StoredJournal& journal, Durability durability, UniqueFd& fd) {
    fd.Reset();
    const auto bytes = EncodeJournal(journal);
    if (!bytes) return EINVAL;
    const std::string path = dir_ + "/" + name;
    const std::string temporary =
        path + "." + std::to_string(::getpid()) + "." + std::to_string(NextNumber()) + std::string(kTemporarySuffix);
    UniqueFd written(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!written) return errno;
    int err = 0;
    // Locked before it gets the journal's name, so that it is never seen
    // under that name unlocked.
    if (::flock(written.Get(), LOCK_EX | LOCK_NB) != 0 || ::fchmod(written.Get(), 0600) != 0) err = errno;
    if (err == 0) err = calls_.Write(written.Get(), *bytes);
    // Its bytes reach the disk before its name does: a power failure leaves
    // the old version or the new one, never a name over bytes not written.
    if (err == 0) err = calls_.Sync(written.Get());
    if (err == 0) err = calls_.Rename(temporary, path);
    if (err != 0) {
        (void)calls_.Unlink(temporary);  // a stray temporary file is swept by the next ended pass
        return err;
    }
    fd = std::move(written);
    return durability == Durability::Synced ? SyncDirectory() : 0;
}

int JournalStore::SyncDirectory() const { return SyncPath(dir_, calls_); }

// Journals past the newest KeptPasses go once their pass has ended; an
// unfinished or damaged one stays to be offered or reported.
void JournalStore::RemoveBeyondKept() {
    // A folder that cannot be listed keeps every journal: only ever more history.
    const std::vector<std::string> names = JournalNames().Names;
    if (names.size() <= KeptPasses) return;
    for (std::size_t i = 0; i + KeptPasses < names.size(); ++i) {
        bool vanished = false;
        FoundJournal found = Read(names[i], vanished);
        // One that stays is removed by the next pass to end: its failure is
        // only more history.
        if (found.Lock.Held() && Ended(found)) (void)calls_.Unlink(dir_ + "/" + names[i]);
    }
}

// A temporary file whose writer died between writing it and renaming it
// over its journal. One of a live writer is left alone: it is locked, and its
// writer is alive.
void JournalStore::RemoveStrayTemporaries() {
    // Strays the next ended pass does not see or cannot remove are swept by
    // the one after: they only take room.
    for (const auto& name : Names(std::string(kTemporarySuffix)).Names) {
        const pid_t writer = WriterOf(name);
        if (writer <= 0 || writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH) continue;
        if (TryLockFile(dir_, name).Attempt == LockAttempt::Taken) (void)calls_.Unlink(dir_ + "/" + name);
    }
}

}  // namespace morvane
