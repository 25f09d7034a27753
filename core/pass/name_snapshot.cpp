#include "pass/name_snapshot.h"

#include <dirent.h>

#include "files/directory_path.h"
#include "base/error_numbers.h"

namespace morvane {

NameSnapshot::NameSnapshot(Text directory, const std::vector<Text>& names) : directory_(std::move(directory)) {
    for (const Text& name : names) names_.emplace(name, names_.size() + 1);
}

std::optional<NameSnapshot> NameSnapshot::Read(const Text& dir) {
    const auto path = ToUtf8(dir);
    if (!path || path->empty()) return std::nullopt;
    DIR* d = opendir(path->c_str());
    if (!d) return std::nullopt;
    NameSnapshot snapshot(dir, {});
    snapshot.names_.reserve(1024);
    while (const dirent* entry = readdir(d)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (auto text = FromUtf8(name)) snapshot.names_.emplace(std::move(*text), snapshot.names_.size() + 1);
    }
    closedir(d);
    return snapshot;
}

std::optional<Text> NameSnapshot::NameIn(const Text& path) const {
    const Text prefix = JoinPath(directory_, Text());
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    Text name = path.substr(prefix.size());
    if (name.find(u'/') != Text::npos) return std::nullopt;
    return name;
}

ErrorNumber NameSnapshot::Rename(const Text& fromPath, const Text& toPath) {
    const auto from = NameIn(fromPath);
    const auto to = NameIn(toPath);
    if (!from || !to) return ErrBadFileName;
    if (!Contains(*from)) return ErrFileNotFound;
    if (Contains(*to)) return ErrTargetExists;
    const auto node = names_.find(*from);
    const std::uint64_t file = node->second;
    names_.erase(node);
    names_.emplace(*to, file);
    return ErrNone;
}

std::optional<FileIdentity> NameSnapshot::Identify(const Text& path) {
    const auto name = NameIn(path);
    const auto found = name ? names_.find(*name) : names_.end();
    if (found == names_.end()) return std::nullopt;
    return FileIdentity{0, found->second};
}

std::optional<Text> NameSnapshot::Find(const Text& dir, const FileIdentity& identity) {
    if (dir != directory_) return std::nullopt;
    for (const auto& [name, file] : names_)
        if (identity == FileIdentity{0, file}) return name;
    return std::nullopt;
}

}  // namespace morvane
