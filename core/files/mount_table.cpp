#include "files/mount_table.h"

#include <algorithm>
#include <iterator>

namespace morvane {

namespace {

// File systems that report no size: they hold no files to rename. The two
// FUSE ones are desktop services' views of other places.
constexpr std::string_view PseudoTypes[] = {
    "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2", "configfs", "debugfs", "devpts", "devtmpfs",
    "efivarfs", "fusectl", "hugetlbfs", "mqueue", "nfsd", "nsfs", "proc", "pstore", "ramfs", "rootfs",
    "rpc_pipefs", "securityfs", "selinuxfs", "sysfs", "tracefs", "fuse.gvfsd-fuse", "fuse.portal"};

constexpr std::string_view SpecialTrees[] = {"/dev", "/proc", "/sys", "/var/run", "/var/lock"};

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The kernel writes a blank, tab, newline and backslash in a field as a
// backslash and three octal digits.
std::string Unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
            IsOctal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool IsWithin(std::string_view path, std::string_view tree) {
    return path.starts_with(tree) && (path.size() == tree.size() || path[tree.size()] == '/');
}

// The blank-separated fields of one line.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        fields.push_back(line.substr(start, end - start));
        at = end;
    }
    return fields;
}

}  // namespace

std::vector<std::string> MountPoints(std::string_view table) {
    std::vector<std::string> points;
    while (!table.empty()) {
        const std::size_t end = std::min(table.find('\n'), table.size());
        const std::vector<std::string_view> fields = Fields(table.substr(0, end));
        table.remove_prefix(std::min(end + 1, table.size()));
        if (fields.size() < 3) continue;
        const std::string point = Unescape(fields[1]);
        const std::string type = Unescape(fields[2]);
        if (point.empty() || point[0] != '/') continue;
        if (std::ranges::find(PseudoTypes, type) != std::end(PseudoTypes)) continue;
        if (std::ranges::any_of(SpecialTrees, [&](std::string_view tree) { return IsWithin(point, tree); }))
            continue;
        points.push_back(point);
    }
    return points;
}

std::vector<Text> VolumeRoots(std::string_view table) {
    std::vector<Text> roots{u"/"};
    for (const std::string& point : MountPoints(table))
        if (const auto text = FromUtf8(point)) roots.push_back(*text);
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

}  // namespace morvane
