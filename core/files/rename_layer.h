#pragma once
// Renaming one file within its directory, never replacing an existing file.
#include <sys/stat.h>

#include <functional>
#include <string>

#include "base/error_numbers.h"
#include "files/file_identity.h"
#include "base/text.h"

namespace morvane {

class FileRenamer {
public:
    virtual ~FileRenamer() = default;
    // Renames the file at fromPath to toPath (full paths, same directory).
    // Returns ErrNone or an error number from error_numbers.h.
    [[nodiscard]] virtual ErrorNumber Rename(const Text& fromPath, const Text& toPath) = 0;
    // After Rename returned ErrLeftUnderTemporaryName: the full path the file
    // now has. Empty after any other outcome.
    virtual Text LastTemporaryName() const { return {}; }

    // Which file path names now (see file_identity.h); doubles that keep
    // names elsewhere answer for them.
    virtual std::optional<FileIdentity> Identify(const Text& path) { return IdentityOf(path); }
    // The name the file with that identity has in dir now.
    virtual std::optional<Text> Find(const Text& dir, const FileIdentity& identity) {
        return FindInDirectory(dir, identity);
    }
};

// The system calls the renamer is built on. Each returns 0 or the errno
// value of its failure; tests replace single calls to force a fallback.
struct RenameCalls {
    std::function<int(const char* from, const char* to)> RenameNoReplace;  // renameat2, RENAME_NOREPLACE
    std::function<int(const char* from, const char* to)> Link;
    std::function<int(const char* path)> Unlink;
    std::function<int(const char* from, const char* to)> Rename;  // plain rename, may replace
    std::function<int(const char* path, struct stat& st)> Lstat;
    // open(O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW, 0600): a new empty file, fd set on success.
    std::function<int(const char* path, int& fd)> CreateExclusive;
    std::function<int(int fd, struct stat& st)> Fstat;
    std::function<int(int fd)> Close;
};

// The calls of the running system.
RenameCalls SystemRenameCalls();

// The real file system. Tries an atomic rename that refuses to replace; where
// the file system cannot do that, a hard link and unlink; where it has no
// hard links either, it reserves the target name with a new empty file and
// renames onto that. A change of case on a file system that ignores case
// goes through a temporary name.
class PosixRenamer final : public FileRenamer {
public:
    PosixRenamer();
    explicit PosixRenamer(RenameCalls calls);
    [[nodiscard]] ErrorNumber Rename(const Text& fromPath, const Text& toPath) override;
    Text LastTemporaryName() const override { return lastTemporary_; }

private:
    int MoveNoReplace(const char* from, const char* to);
    int MoveOntoPlaceholder(const char* from, const char* to);
    bool IsOurPlaceholder(const struct stat& held, const char* path, int& err);
    ErrorNumber MoveThroughTemporary(const std::string& from, const std::string& to);
    bool MayBeOneFile(const Text& fromPath, const Text& toPath, const char* from, const char* to);
    ErrorNumber NumberFor(int err, const std::string& from);

    RenameCalls calls_;
    unsigned temporaries_ = 0;
    Text lastTemporary_;
};

}  // namespace morvane
