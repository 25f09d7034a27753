#include "pass/name_snapshot.h"

#include <dirent.h>

#include "base/error_numbers.h"
#include "files/unique_fd.h"

namespace morvane {

NameSnapshot::NameSnapshot(Text directory, const std::vector<Text>& names) : directory_(std::move(directory)) {
    for (const Text& name : names) names_.emplace(name, names_.size() + 1);
}

std::optional<NameSnapshot> NameSnapshot::Read(const Text& dir) {
    const auto path = ToUtf8(dir);
    if (!path || path->empty()) return std::nullopt;
    const UniqueDir d(opendir(path->c_str()));
    if (!d) return std::nullopt;
    NameSnapshot snapshot(dir, {});
    snapshot.names_.reserve(1024);
    while (const dirent* entry = readdir(d.Get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (auto text = FromUtf8(name)) snapshot.names_.emplace(std::move(*text), snapshot.names_.size() + 1);
    }
    return snapshot;
}

ErrorNumber NameSnapshot::Enter(const Text& dir, const std::optional<FileIdentity>&) {
    return dir == directory_ ? ErrNone : ErrPathNotFound;
}

ErrorNumber NameSnapshot::Rename(const Text& from, const Text& to) {
    if (from.find(u'/') != Text::npos || to.find(u'/') != Text::npos) return ErrBadFileName;
    if (!Contains(from)) return ErrFileNotFound;
    if (Contains(to)) return ErrTargetExists;
    const auto node = names_.find(from);
    const std::uint64_t file = node->second;
    names_.erase(node);
    names_.emplace(to, file);
    return ErrNone;
}

std::optional<FileIdentity> NameSnapshot::Identify(const Text& name) {
    const auto found = names_.find(name);
    if (found == names_.end()) return std::nullopt;
    return FileIdentity{IdentityKind::Handle, 0, found->second, {}};
}

std::optional<std::vector<std::pair<Text, std::uint64_t>>> NameSnapshot::ReadEntries() {
    return std::vector<std::pair<Text, std::uint64_t>>(names_.begin(), names_.end());
}

}  // namespace morvane
