#pragma once
// A directory's names held in memory, renamed by the rules of the rename
// layer: a name that is taken refuses the rename, nothing is replaced. The
// preview runs the real pass against it instead of the disk.
#include <optional>
#include <unordered_map>
#include <vector>

#include "files/rename_layer.h"

namespace morvane {

class NameSnapshot final : public FileRenamer {
public:
    NameSnapshot(Text directory, const std::vector<Text>& names);

    // Every entry of dir (files, directories, links, hidden ones alike);
    // nothing when it cannot be read. Names that are not UTF-8 are left
    // out: no composed name can ever be one of them.
    static std::optional<NameSnapshot> Read(const Text& dir);

    // Names in the snapshot's directory.
    [[nodiscard]] ErrorNumber Rename(const Text& from, const Text& to) override;
    // Only the snapshot's own directory can be entered; nothing on disk is opened.
    [[nodiscard]] ErrorNumber Enter(const Text& dir, const std::optional<FileIdentity>& expected) override;
    void Leave() override {}
    std::optional<FileIdentity> DirectoryIdentity() const override { return std::nullopt; }
    // Each name stands for one file of its own, which keeps its identity
    // when it is renamed in the snapshot.
    std::optional<FileIdentity> Identify(const Text& name) override;
    Presence Check(const Text& name, const FileIdentity& identity) override {
        const auto now = Identify(name);
        return !now ? Presence::Missing : *now == identity ? Presence::Holds : Presence::Other;
    }
    std::optional<std::vector<std::pair<Text, std::uint64_t>>> ReadEntries() override;

    bool Contains(const Text& name) const { return names_.count(name) != 0; }
    std::size_t Size() const { return names_.size(); }

private:
    Text directory_;
    std::unordered_map<Text, std::uint64_t> names_;  // name -> its file's number
};

}  // namespace morvane
