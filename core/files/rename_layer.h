#pragma once
// Renaming one file within its directory, never replacing an existing file.
#include <fcntl.h>
#include <sys/stat.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/error_numbers.h"
#include "base/text.h"
#include "files/file_identity.h"
#include "files/leftover.h"
#include "files/open_directory.h"

namespace morvane {

// What Lstat finds under a name: its status, or why none (ErrFileNotFound:
// nothing is under the name).
struct EntryStat {
    ErrorNumber Error = ErrNone;
    struct stat Stat {};
};

// Works on names in the directory it entered (bare names), or on paths while
// it has entered none.
class FileRenamer {
public:
    FileRenamer() = default;
    FileRenamer(FileRenamer&&) = default;
    FileRenamer& operator=(FileRenamer&&) = default;
    virtual ~FileRenamer() = default;
    // Renames the file from to to (both in the same directory).
    // Returns ErrNone or an error number from error_numbers.h.
    [[nodiscard]] virtual ErrorNumber Rename(const Text& from, const Text& to) = 0;
    // After Rename returned ErrLeftUnderTemporaryName: the name the file now
    // has. Empty after any other outcome.
    virtual Text LastTemporaryName() const { return {}; }
    // After Rename failed: which refusal of the file system, where it says.
    virtual RefusalCause LastRefusal() const { return RefusalCause::None; }

    // Opens dir for everything that follows until Leave; with expected, only
    // when the directory at that path is still that one (ErrPathNotFound
    // otherwise). Doubles that keep names elsewhere answer for them.
    [[nodiscard]] virtual ErrorNumber Enter(const Text& dir, const std::optional<FileIdentity>& expected) {
        return OpenDirectory::Open(dir, expected, directory_);
    }
    virtual void Leave() { directory_.reset(); }
    // The entered directory's own identity.
    virtual std::optional<FileIdentity> DirectoryIdentity() const {
        return directory_ ? directory_->Identity() : std::nullopt;
    }

    // Which file name refers to now (see file_identity.h).
    virtual std::optional<FileIdentity> Identify(const Text& name) {
        return directory_ ? directory_->IdentityOf(name) : IdentityOf(name);
    }
    // Whether name refers to the file with that identity now, to something
    // else or to nothing; cheaper than Identify where the file system can tell.
    virtual Presence Check(const Text& name, const FileIdentity& identity) {
        if (directory_) return directory_->Check(name, identity);
        const auto now = IdentityOf(name);
        return !now ? Presence::Missing : *now == identity ? Presence::Holds : Presence::Other;
    }
    bool Holds(const Text& name, const FileIdentity& identity) { return Check(name, identity) == Presence::Holds; }
    // Check, where this run saw the file when it read its fingerprint (FAT,
    // exFAT, FUSE): on the mount it was seen on, a stat that still shows what
    // was seen stands for reading the file again. Doubles that override
    // Check override this too.
    virtual Presence CheckSeen(const Text& name, const FileIdentity& identity, const SeenFile& seen) {
        return directory_ ? directory_->Check(name, identity, &seen) : Check(name, identity);
    }
    bool Holds(const Text& name, const FileIdentity& identity, const std::optional<SeenFile>& seen) {
        return (seen ? CheckSeen(name, identity, *seen) : Check(name, identity)) == Presence::Holds;
    }
    // Whether a look-up of a name may find a file under another spelling.
    virtual bool MayIgnoreCase() const { return directory_ && directory_->MayIgnoreCase(); }
    // Every entry of the entered directory with its inode number from one read.
    virtual std::optional<std::vector<std::pair<Text, std::uint64_t>>> ReadEntries() {
        return directory_ ? directory_->ReadEntries() : std::nullopt;
    }

    // Who is told of every name a rename may leave behind (nobody: null).
    // Only renames within an entered directory tell.
    virtual void Watch(LeftoverWatch* watch) { (void)watch; }
    // The entry name itself (no link followed), for what a rename left
    // behind. Only in an entered directory.
    [[nodiscard]] virtual EntryStat Lstat(const Text& name);
    // Removes the entry name, a file the program itself left behind
    // (ErrFileNotFound: nothing was there).
    [[nodiscard]] virtual ErrorNumber Remove(const Text& name);
    // Waits until the renames made in the entered directory are on its disk
    // (at once where the file system has nothing to wait for).
    [[nodiscard]] virtual ErrorNumber SyncDirectory();
    // The bytes of the regular file name when it holds at most max of them;
    // nothing otherwise or when it cannot be read. For what a rename left.
    virtual std::optional<std::string> ReadSmall(const Text& name, std::size_t max);

protected:
    // The descriptor the renames are relative to.
    int DirectoryFd() const { return directory_ ? directory_->Fd() : AT_FDCWD; }
    // The directory entered, if any.
    const OpenDirectory* Entered() const { return directory_ ? &*directory_ : nullptr; }

private:
    std::optional<OpenDirectory> directory_;
};

// Entered for as long as it lives.
class EnteredDirectory {
public:
    EnteredDirectory(FileRenamer& renamer, const Text& dir, const std::optional<FileIdentity>& expected)
        : renamer_(renamer), error_(renamer.Enter(dir, expected)) {}
    ~EnteredDirectory() { renamer_.Leave(); }
    EnteredDirectory(const EnteredDirectory&) = delete;
    EnteredDirectory& operator=(const EnteredDirectory&) = delete;
    ErrorNumber Error() const { return error_; }

private:
    FileRenamer& renamer_;
    ErrorNumber error_;
};

// The system calls the renamer is built on, each relative to the directory
// descriptor dir (AT_FDCWD for paths). Each returns 0 or the errno value of
// its failure, as the system call does: the renamer alone reads them and
// answers error numbers. Tests replace single calls to force a fallback.
struct RenameCalls {
    std::function<int(int dir, const char* from, const char* to)> RenameNoReplace;  // renameat2, RENAME_NOREPLACE
    std::function<int(int dir, const char* from, const char* to)> Link;            // linkat
    std::function<int(int dir, const char* path)> Unlink;                           // unlinkat
    std::function<int(int dir, const char* from, const char* to)> Rename;  // renameat, may replace
    std::function<int(int dir, const char* path, struct stat& st)> Lstat;  // fstatat, no link followed
    // openat(O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW, 0600): a new empty file, fd set on success.
    std::function<int(int dir, const char* path, int& fd)> CreateExclusive;
    std::function<int(int fd, struct stat& st)> Fstat;
    std::function<int(int fd)> Close;
    std::function<int(int fd, std::string_view bytes)> Write;  // all of bytes
    std::function<int(int fd)> Sync;                           // fsync
    // The attribute flags (FS_IOC_GETFLAGS) of a regular file or folder, "." for dir itself.
    std::function<int(int dir, const char* path, unsigned& flags)> Attributes;
};

// The calls of the running system.
RenameCalls SystemRenameCalls();

// The real file system. Tries an atomic rename that refuses to replace; where
// the file system cannot do that, a hard link and unlink; where it has no
// hard links either, it reserves the target name with a new file holding a
// random mark (its placeholder) and renames onto that. A change of case on a
// file system that ignores case goes through a temporary name.
class PosixRenamer final : public FileRenamer {
public:
    PosixRenamer();
    explicit PosixRenamer(RenameCalls calls);
    [[nodiscard]] ErrorNumber Rename(const Text& fromPath, const Text& toPath) override;
    Text LastTemporaryName() const override { return lastTemporary_; }
    RefusalCause LastRefusal() const override { return lastRefusal_; }
    void Watch(LeftoverWatch* watch) override { watch_ = watch; }
    [[nodiscard]] ErrorNumber Enter(const Text& dir, const std::optional<FileIdentity>& expected) override;
    [[nodiscard]] EntryStat Lstat(const Text& name) override;
    [[nodiscard]] ErrorNumber Remove(const Text& name) override;
    [[nodiscard]] ErrorNumber SyncDirectory() override;

private:
    // The steps below answer 0 or an errno, or NotRecorded when the journal
    // could not record the step (notRecorded_ then says why).
    static constexpr int NotRecorded = -1;
    int Announce(LeftName left);
    int Announce(LeftoverKind kind, const char* name, const char* source = nullptr, std::uint64_t links = 0);
    void Withdraw();
    bool Watched() const { return watch_ && DirectoryFd() != AT_FDCWD; }
    int MoveNoReplace(const char* from, const char* to);
    int MoveOntoPlaceholder(const char* from, const char* to);
    bool IsOurPlaceholder(const struct stat& held, const char* path, const std::string& content, int& err,
                          bool partly = false);
    void DropPlaceholder(const struct stat& held, const char* path, const std::string& content);
    ErrorNumber MoveThroughTemporary(const std::string& from, const std::string& to);
    bool MayBeOneFile(const Text& fromPath, const Text& toPath, const char* from, const char* to);
    ErrorNumber NumberFor(int err, const std::string& from);
    bool Immutable(const std::string& path);
    bool CharacterRefused(int err, const std::string& from, const std::string& to);

    RenameCalls calls_;
    LeftoverWatch* watch_ = nullptr;
    // What the entered directory's file system was found to lack: not asked
    // again for every file (each refusal costs a look-up on a FUSE mount).
    bool noReplaceLacking_ = false;
    bool linksLacking_ = false;
    unsigned temporaries_ = 0;
    Text lastTemporary_;
    RefusalCause lastRefusal_ = RefusalCause::None;
    ErrorNumber notRecorded_ = ErrNone;
};

}  // namespace morvane
