#pragma once
// The per-user directory that keeps rename pass journals between runs of the
// program. Every file in it is readable by the user alone (0600 in a 0700
// directory: it lists the user's file names). Every write is atomic (a
// temporary file in the same directory, fsync, rename over, fsync of the
// directory), so a crash at any moment leaves either the old or the new
// version of a journal, never a mix. Kept are the journals of the newest
// KeptPasses passes and every unfinished one; an older ended one goes when a
// newer pass ends. A damaged journal can be set aside into "damaged/", where
// the program never deletes it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/error_numbers.h"
#include "base/text.h"
#include "journal/journal_lock.h"
#include "journal/stored_journal.h"

namespace morvane {

// How many passes the history holds.
inline constexpr std::size_t KeptPasses = 20;

// $XDG_STATE_HOME/Morvane when that is set to an absolute path, otherwise
// $HOME/.local/state/Morvane; nothing when neither gives an absolute path.
std::optional<std::string> JournalDirectoryFor(const char* xdgStateHome, const char* home);
// The same for the environment of the running program.
std::optional<std::string> DefaultJournalDirectory();

// What stands in the way of keeping journals in a folder, as it is now.
enum class FolderFault : unsigned char {
    None,                // nothing found
    NoFolder,            // no home folder to keep it in
    NotAFolder,          // a file stands where the folder, or one on its path, should be
    NotWritable,         // the user may not write in it (or, while it is missing, where it would be made)
    NotReadable,         // the user may not read it
    ReadOnlyFileSystem,  // it (or where it would be made) lies on a read-only file system
    Full,                // its disk is full
};

struct FolderCheck {
    FolderFault Fault = FolderFault::None;
    std::string Path;  // what is at fault: the folder itself or one (or a file) on its path
};

// Looks at the folder dir, for storing journals (writing) or only reading
// them: the first fault found, at the folder or, while it is missing, at the
// nearest part of its path that exists.
FolderCheck CheckJournalFolder(const std::string& dir, bool writing);

// When the pass of a journal began, in seconds since the epoch, as its file
// name tells; 0 for a name the store did not make.
std::int64_t StartTimeOf(const std::string& fileName);

struct FoundJournal {
    std::string FileName;
    // None or InUse: Journal holds what the file says.
    // Unreadable, Truncated, Garbled or FutureVersion: the file must not be
    // acted on and Journal is empty, but for the directory it names where
    // that can still be read.
    JournalProblem Problem = JournalProblem::None;
    StoredJournal Journal;
    // Held unless Problem is InUse or Unreadable: nobody else acts on the
    // journal while the finder keeps it.
    LockedJournal Lock;
};

// Whether a write waits until its bytes are on the disk.
enum class Durability {
    // fsync of the file and of the directory: the new version survives a
    // power failure that comes after the call returns.
    Synced,
    // fsync of the file only: after a power failure the journal holds the old
    // version or the new one, never a mix and never bytes that are not there
    // yet. Enough after an undo: the old version only makes a later undo find
    // some files back already.
    Lazy,
};

// The calls through which the store changes its folder, each answering 0
// or an errno as the system call does: they stand for the system's calls,
// the store turns what they answer into error numbers. Tests record them, to
// build every state a power failure may leave, or make them fail.
struct StoreCalls {
    std::function<int(int fd, std::string_view bytes)> Write;  // all of bytes, at the file's offset
    std::function<int(int fd)> Sync;                           // fsync, of a file or of the folder
    std::function<int(const std::string& from, const std::string& to)> Rename;
    std::function<int(const std::string& path)> Unlink;
};

// The calls of the running system.
StoreCalls SystemStoreCalls();

// The journal files of the store, oldest first. Error: the folder could not
// be read (JournalFolderUnusable); a folder not made yet is no error.
struct JournalList {
    ErrorNumber Error = ErrNone;
    std::vector<std::string> Names;
};

struct JournalScan {
    ErrorNumber Error = ErrNone;  // as for JournalList
    std::vector<FoundJournal> Journals;
};

// Every operation that changes the folder answers ErrNone or the error
// number of its failure.
class JournalStore {
public:
    explicit JournalStore(std::string directory, StoreCalls calls = SystemStoreCalls());

    const std::string& Directory() const { return dir_; }

    // Makes the directory (and its missing parents, 0700) if needed: without
    // it no journal can be stored.
    [[nodiscard]] ErrorNumber MakeReady();

    // Stores the journal of a pass that is about to start, under a new name,
    // making the directory first if needed, and leaves it locked in lock.
    // Costs one fsync of the file and one of the directory. On failure
    // (ErrBadFileName: the journal cannot be stored, see EncodeJournal)
    // nothing is stored and the pass must not start.
    [[nodiscard]] ErrorNumber Create(const StoredJournal& journal, LockedJournal& lock);

    // Replaces the content of a journal this process holds, at the same cost
    // when Synced and without the folder's fsync when Lazy. On failure the previous content
    // stays, still locked. A journal that is no longer running makes every
    // older one that is not running go.
    [[nodiscard]] ErrorNumber Write(LockedJournal& lock, const StoredJournal& journal,
                                    Durability durability = Durability::Synced);

    // Adds bytes at the end of a journal this process holds, without fsync:
    // the notes that end a pass (see journal_format.h); the history is then
    // trimmed as by Write of an ended journal.
    [[nodiscard]] ErrorNumber AppendEnd(LockedJournal& lock, std::string_view bytes);
    // Adds a note at the end of a journal this process holds, without fsync
    // (it survives the program being killed) and without touching the rest
    // of the store.
    [[nodiscard]] ErrorNumber AppendNote(LockedJournal& lock, std::string_view bytes);

    // Deletes a journal this process holds (a damaged one included).
    [[nodiscard]] ErrorNumber Remove(LockedJournal& lock);

    // Moves a journal that cannot be used into the "damaged" folder of the
    // directory (0700, the file 0600), under its own name or, when that is
    // taken there, with "-N" added.
    [[nodiscard]] ErrorNumber SetAside(const std::string& fileName);

    [[nodiscard]] JournalList JournalNames() const;
    // One journal read and, unless another copy holds it or it cannot be
    // read, locked; nothing when it is no longer there.
    std::optional<FoundJournal> Take(const std::string& fileName) const;
    // One journal read without taking its lock, whoever holds it: nothing
    // when it is gone or cannot be read as a journal.
    std::optional<StoredJournal> Peek(const std::string& fileName) const;
    // Whether directory lies on the store's own file system and that keeps
    // its changes in the order they were made (ext4 with its journal, XFS):
    // a change to the journal that reached the disk then implies every
    // rename before it did.
    bool SharesOrderedLog(const Text& directory) const;
    // The process that began the pass of a journal, as its name tells; 0 for
    // a name the store did not make.
    static long WriterProcess(const std::string& fileName);

    // Journals of passes that never ended and whose process is gone, oldest
    // first, each returned locked; and every file that cannot be read as a
    // journal, with its problem. A journal locked by a running copy of the
    // program is not reported.
    [[nodiscard]] JournalScan FindUnfinished();

private:
    JournalList Names(const std::string& suffix) const;
    std::string NewName() const;
    FoundJournal Read(const std::string& name, bool& vanished) const;
    int Store(const std::string& name, const StoredJournal& journal, Durability durability, UniqueFd& fd);
    int SyncDirectory() const;
    void RemoveBeyondKept();
    void RemoveStrayTemporaries();

    std::string dir_;
    StoreCalls calls_;
};

}  // namespace morvane
