#pragma once
// The directory and the files as the user chose them: the identity of each
// chosen file, taken when it is chosen, so that a pass renames these very
// files or none. A chooser may hand over hundreds of thousands of names, of
// which a pass renames at most 1001 in whatever order the list takes later:
// the identities are kept compactly (the names once, as UTF-8, and each key
// in place), and are taken in parts, so that a window can take them on
// another thread with a cancel flag and a progress count and wait only for
// the files a pass covers.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "files/file_identity.h"
#include "files/open_directory.h"

namespace morvane {

class ChosenFiles {
public:
    ChosenFiles();  // nothing chosen
    ~ChosenFiles();
    ChosenFiles(ChosenFiles&&) noexcept;
    ChosenFiles& operator=(ChosenFiles&&) noexcept;

    // Opens dir once and takes its own identity; no file's identity is taken
    // yet (Take). A directory that cannot be opened has no identity, and no
    // name gets one: a pass then touches nothing.
    static ChosenFiles Open(const Text& dir, const std::vector<Text>& names);

    const Text& Directory() const { return directory_; }
    const std::optional<FileIdentity>& DirectoryIdentity() const { return directoryIdentity_; }
    // The names given to Open, by position.
    std::size_t Size() const { return ends_.size(); }

    // Takes the identity of each name at [first, last) not taken yet, with
    // one call per file where the file system allows it (a handle that holds
    // its inode number, a statx); a directory read gives the entries' types
    // where reading it costs less than a second call per file. Stops when
    // cancel becomes true; done grows by one for each name looked at. One
    // thread at a time; Taken, Identity and Seen may be asked from another
    // meanwhile. Once every name is taken, the directory is closed.
    void Take(std::size_t first, std::size_t last, const std::atomic<bool>* cancel = nullptr,
              std::atomic<std::size_t>* done = nullptr);
    // The same for the names at the given positions, in their order.
    void TakeAt(const std::vector<std::size_t>& positions, const std::atomic<bool>* cancel = nullptr,
                std::atomic<std::size_t>* done = nullptr);

    // The position of a name given to Open, if it was given.
    std::optional<std::size_t> PositionOf(const Text& name) const;
    // Whether the name at position has been looked at (Take), and whether all have.
    bool Taken(std::size_t position) const;
    bool AllTaken() const { return taken_.load(std::memory_order_acquire) == Size(); }
    // The identity of the name at position, once taken: nothing for a name
    // with no file there (or not taken yet).
    std::optional<FileIdentity> Identity(std::size_t position) const;
    // What this run saw of that file where its fingerprint was read (FAT,
    // exFAT, FUSE): a check before a rename in this run compares it instead
    // of reading the file again, while the directory is on the same mount.
    std::optional<SeenFile> Seen(std::size_t position) const;
    // The files taken that have an identity.
    std::size_t Identified() const;

private:
    struct Record;
    struct Apart;
    std::string_view NameAt(std::size_t position) const;
    void Prepare();
    bool Step(std::size_t position, const std::atomic<bool>* cancel, std::atomic<std::size_t>* done);
    void Settle();
    void TakeOne(std::size_t position);
    void ReadTypes();
    bool WorthReading() const;

    Text directory_;
    std::optional<FileIdentity> directoryIdentity_;
    std::optional<OpenDirectory> opened_;  // until every name is taken
    IdentityRule rule_;
    std::string names_;                  // each name as UTF-8 with a NUL after it
    std::vector<std::uint32_t> ends_;    // where each name's NUL is
    std::vector<std::uint32_t> index_;   // open addressing: 1 + position, 0 empty
    std::unique_ptr<Record[]> records_;
    std::unique_ptr<SeenFile[]> seen_;   // fingerprints only
    std::unique_ptr<Apart> apart_;
    std::vector<char> types_;            // from one read of the directory, while taking
    bool typesRead_ = false;
    std::atomic<std::size_t> taken_{0};
};

// The directory and every name's identity at once, through one opening of
// dir: what a pass needs when the names are few.
ChosenFiles TakeIdentities(const Text& dir, const std::vector<Text>& names);

}  // namespace morvane
