#pragma once
// The directory a pass or an undo works in, opened once: every rename and
// check goes through its descriptor, so a directory moved, replaced or
// swapped for a link meanwhile can never redirect one. The identities of the
// chosen files are taken through the same means when they are chosen
// (chosen_files.h).
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/error_numbers.h"
#include "base/text.h"
#include "files/file_identity.h"
#include "files/unique_fd.h"

namespace morvane {

class OpenDirectory {
public:
    // Opens path as a directory, never through a symbolic link as its last
    // part. With expected, the directory must be that one: another one now
    // at the path gives ErrPathNotFound, as a missing one does.
    [[nodiscard]] static ErrorNumber Open(const Text& path, const std::optional<FileIdentity>& expected,
                                          std::optional<OpenDirectory>& opened);

    int Fd() const { return fd_.Get(); }
    const Text& Path() const { return path_; }
    const IdentityRule& Rule() const { return rule_; }
    const std::optional<FileIdentity>& Identity() const { return identity_; }

    // The identity of the entry name in this directory now.
    std::optional<FileIdentity> IdentityOf(const Text& name) const;

    // Whether name refers to the file with that identity now (PresenceAt):
    // as cheap as the check before each rename can be on this file system.
    // seen: what this run saw of the file where it read its fingerprint.
    Presence Check(const Text& name, const FileIdentity& identity, const SeenFile* seen = nullptr) const;

    // Whether a look-up of a name may find a file under another spelling
    // (FAT, exFAT, every FUSE mount, a folder that folds case): then only a
    // read of the directory tells the spelling a file really has.
    bool MayIgnoreCase() const { return mayIgnoreCase_; }

    // One read of the directory: every entry's name with its inode number as
    // the read gives it (a hint: the identity itself is checked by whoever
    // acts on a name). Names that are not UTF-8 are left out. Nothing when
    // the directory cannot be read.
    std::optional<std::vector<std::pair<Text, std::uint64_t>>> ReadEntries() const;

private:
    OpenDirectory(UniqueFd fd, Text path, IdentityRule rule) : fd_(std::move(fd)), path_(std::move(path)), rule_(std::move(rule)) {}

    UniqueFd fd_;
    Text path_;
    IdentityRule rule_;
    std::optional<FileIdentity> identity_;
    bool mayIgnoreCase_ = true;
};

}  // namespace morvane
