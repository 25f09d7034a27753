#include "pass/file_locator.h"

#include <algorithm>

namespace morvane {
namespace {

// target with a clash number in front of its extension: "P0001-3.jpg".
bool IsNumbered(const Text& name, const Text& target, const Text& extension) {
    const std::size_t ext = extension.size() <= target.size() && target.ends_with(extension) ? extension.size() : 0;
    const Text base = target.substr(0, target.size() - ext);
    if (name.size() < base.size() + ext + 2 || !name.starts_with(base) || !name.ends_with(target.substr(base.size())))
        return false;
    const Text number = name.substr(base.size(), name.size() - base.size() - ext);
    return number[0] == u'-' && number[1] != u'0' && std::all_of(number.begin() + 1, number.end(), IsDigit);
}

}  // namespace

FileLocator::FileLocator(const RenameJournal& journal, FileRenamer& renamer)
    : journal_(journal), renamer_(renamer), exactSpelling_(renamer.MayIgnoreCase()) {
    // Hard links share an identity: each of their names belongs to its own entry.
    std::vector<const std::string*> keys;
    keys.reserve(journal.Entries.size());
    for (const JournalEntry& entry : journal.Entries)
        if (entry.Identity) keys.push_back(&entry.Identity->Key);
    std::sort(keys.begin(), keys.end(), [](const std::string* a, const std::string* b) { return *a < *b; });
    for (std::size_t i = 1; i < keys.size(); ++i)
        if (*keys[i] == *keys[i - 1] && (sharedKeys_.empty() || sharedKeys_.back() != *keys[i]))
            sharedKeys_.push_back(*keys[i]);
}

std::vector<const Text*> FileLocator::NamesOf(const JournalEntry& entry) const {
    std::vector<const Text*> names{&entry.To, &entry.From, &entry.Planned};
    const auto index = static_cast<std::size_t>(&entry - journal_.Entries.data());
    for (auto left = journal_.Leftovers.rbegin(); left != journal_.Leftovers.rend(); ++left)
        if (left->Entry == index) names.push_back(&left->Left.Name);
    return names;
}

// A look-up that ignores case finds "P0001.txt" when asked for "p0001.txt":
// the file has the spelling the directory lists, which may be another one.
std::optional<Text> FileLocator::Spelt(const JournalEntry& entry, const Text& found) {
    if (!exactSpelling_) return found;
    ReadOnce();
    if (listedSet_.count(found) != 0) return found;
    for (const Text& name : listed_)
        if (MayBeOtherSpelling(name, found) && renamer_.Holds(name, *entry.Identity)) return name;
    return std::nullopt;
}

std::optional<Text> FileLocator::FindAtNamesBut(const JournalEntry& entry, const Text& leftOut) {
    const std::vector<const Text*> names = NamesOf(entry);
    for (auto name = names.begin(); name != names.end(); ++name) {
        // A killed pass's entry has its old name as its new one: asked once.
        const bool asked = std::any_of(names.begin(), name, [&](const Text* earlier) { return *earlier == **name; });
        // At its own names a file this run saw is told by its stat (FAT, exFAT, FUSE).
        if (!(*name)->empty() && **name != leftOut && !asked && renamer_.Holds(**name, *entry.Identity, entry.Seen))
            if (auto spelt = Spelt(entry, **name); spelt && *spelt != leftOut) return spelt;
    }
    return std::nullopt;
}

std::optional<Text> FileLocator::Find(const JournalEntry& entry) {
    const FileIdentity& identity = *entry.Identity;
    if (auto found = FindAtNamesBut(entry, Text())) return found;
    ReadOnce();
    if (identity.Kind == IdentityKind::Fingerprint) {
        // Without inode numbers only the names a pass or an undo may have
        // given it whose notes a power failure may have lost.
        for (const Text& name : listed_)
            if (MayHaveGiven(entry, name) && !ClaimedByAnother(entry, name) && renamer_.Holds(name, identity))
                return name;
        return std::nullopt;
    }
    const auto [first, last] = byInode_.equal_range(identity.Inode);
    for (auto it = first; it != last; ++it)
        if (!ClaimedByAnother(entry, it->second) && renamer_.Holds(it->second, identity)) return it->second;
    return std::nullopt;
}

bool FileLocator::MayHaveGiven(const JournalEntry& entry, const Text& name) const {
    return name.starts_with(u".morvane-") || IsNumbered(name, entry.Planned, entry.Extension) ||
           IsNumbered(name, entry.From, entry.Extension);
}

void FileLocator::Moved(const JournalEntry& entry, const Text& from, const Text& to) {
    if (!read_ || !entry.Identity) return;
    if (listedSet_.erase(from) != 0) {
        listedSet_.insert(to);
        std::replace(listed_.begin(), listed_.end(), from, to);
    }
    const auto [first, last] = byInode_.equal_range(entry.Identity->Inode);
    for (auto it = first; it != last; ++it)
        if (it->second == from) {
            it->second = to;
            break;
        }
}

void FileLocator::ReadOnce() {
    if (read_) return;
    read_ = true;
    if (auto entries = renamer_.ReadEntries()) {
        for (auto& [name, inode] : *entries) {
            listed_.push_back(name);
            listedSet_.insert(name);
            byInode_.emplace(inode, std::move(name));
        }
    }
}

bool FileLocator::ClaimedByAnother(const JournalEntry& entry, const Text& name) const {
    if (std::find(sharedKeys_.begin(), sharedKeys_.end(), entry.Identity->Key) == sharedKeys_.end()) return false;
    for (const JournalEntry& other : journal_.Entries)
        if (&other != &entry && other.Identity == entry.Identity && (other.To == name || other.From == name))
            return true;
    return false;
}

}  // namespace morvane
