#include "files/file_choice.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "files/directory_listing.h"

namespace morvane {
namespace {

// The directory as the chooser would show it: the real path, which must be
// UTF-8 for the chooser to show it at all.
std::optional<std::string> RealPath(const std::string& dir) {
    const std::unique_ptr<char, decltype(&free)> real(realpath(dir.c_str(), nullptr), &free);
    if (!real) return std::nullopt;
    return std::string(real.get());
}

std::optional<Text> RealDirectory(const std::string& dir) {
    const auto real = RealPath(dir);
    return real ? FromUtf8(*real) : std::nullopt;
}

std::string Join(const std::string& dir, const std::string& name) {
    return dir == "/" ? dir + name : dir + "/" + name;
}

// A directory the chooser can show and list, by its real path.
struct ListableDir {
    std::string Bytes;
    Text Path;
};

// Looks each directory up once: a drop of many files names the same one
// many times.
class DirectoryLookup {
public:
    const std::optional<ListableDir>& operator()(const std::string& dir) {
        auto found = m_seen.find(dir);
        if (found == m_seen.end()) found = m_seen.emplace(dir, Find(dir)).first;
        return found->second;
    }

private:
    static std::optional<ListableDir> Find(const std::string& dir) {
        auto real = RealPath(dir);
        auto path = real ? FromUtf8(*real) : std::nullopt;
        // A file the chooser cannot list is unreadable.
        if (!path || !CanOpenDirectory(*path)) return std::nullopt;
        return ListableDir{std::move(*real), std::move(*path)};
    }

    std::unordered_map<std::string, std::optional<ListableDir>> m_seen;
};

struct Offer {
    Text Dir;
    Text Name;
};

// The directory and name under which the chooser would offer the file that
// path names, or nothing when it would not offer it.
std::optional<Offer> OfferOf(const std::string& path, DirectoryLookup& lookup) {
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    // An empty name (a trailing "/") names a directory; "." and ".." are hidden too.
    if (name.empty() || name[0] == '.') return std::nullopt;
    auto text = FromUtf8(name);
    const auto& dir = lookup(parent);
    if (!text || !dir) return std::nullopt;
    struct stat st {};
    if (stat(Join(dir->Bytes, name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return Offer{dir->Path, std::move(*text)};
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

FileChoice ChooseFiles(const std::vector<std::string>& paths) {
    FileChoice choice;
    if (paths.empty()) return choice;
    choice.What = FileChoice::Kind::Files;
    if (paths.size() == 1 && IsDirectory(paths[0])) {
        auto dir = RealDirectory(paths[0]);
        if (dir && CanOpenDirectory(*dir)) {
            choice.What = FileChoice::Kind::Directory;
            choice.Dir = std::move(*dir);
        } else {
            choice.Skipped = true;
        }
        return choice;
    }
    // The first file the chooser would offer decides the directory.
    std::unordered_set<Text> wanted;
    DirectoryLookup lookup;
    for (const std::string& path : paths) {
        auto offer = OfferOf(path, lookup);
        if (!offer || (!wanted.empty() && offer->Dir != choice.Dir)) {
            choice.Skipped = true;
            continue;
        }
        choice.Dir = std::move(offer->Dir);
        wanted.insert(std::move(offer->Name));
    }
    if (wanted.empty()) return choice;
    // The chooser's own listing gives the order and the count it offers.
    const std::vector<Text> listed = ListFiles(choice.Dir);
    choice.Offered = static_cast<int>(listed.size());
    for (const Text& name : listed)
        if (wanted.count(name) != 0) choice.Names.push_back(name);
    if (choice.Names.size() != wanted.size()) choice.Skipped = true;  // gone in the meantime
    return choice;
}

}  // namespace morvane
