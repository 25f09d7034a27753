#include "pass/file_locator.h"

#include <algorithm>

namespace morvane {

FileLocator::FileLocator(const RenameJournal& journal, FileRenamer& renamer) : journal_(journal), renamer_(renamer) {
    // Hard links share an identity: each of their names belongs to its own entry.
    std::unordered_map<std::string, int> seen;
    for (const JournalEntry& entry : journal.Entries)
        if (entry.Identity && ++seen[entry.Identity->Key] == 2) sharedKeys_.push_back(entry.Identity->Key);
}

std::vector<const Text*> FileLocator::NamesOf(const JournalEntry& entry) const {
    std::vector<const Text*> names{&entry.To, &entry.From, &entry.Planned};
    const auto index = static_cast<std::size_t>(&entry - journal_.Entries.data());
    for (auto left = journal_.Leftovers.rbegin(); left != journal_.Leftovers.rend(); ++left)
        if (left->Entry == index) names.push_back(&left->Left.Name);
    return names;
}

std::optional<Text> FileLocator::FindAtNamesBut(const JournalEntry& entry, const Text& leftOut) {
    const std::vector<const Text*> names = NamesOf(entry);
    for (auto name = names.begin(); name != names.end(); ++name) {
        // A killed pass's entry has its old name as its new one: asked once.
        const bool asked = std::any_of(names.begin(), name, [&](const Text* earlier) { return *earlier == **name; });
        if (!(*name)->empty() && **name != leftOut && !asked && renamer_.Holds(**name, *entry.Identity)) return **name;
    }
    return std::nullopt;
}

std::optional<Text> FileLocator::Find(const JournalEntry& entry) {
    const FileIdentity& identity = *entry.Identity;
    if (auto found = FindAtNamesBut(entry, Text())) return found;
    if (identity.Kind == IdentityKind::Fingerprint) return std::nullopt;
    if (!read_) ReadOnce();
    const auto [first, last] = byInode_.equal_range(identity.Inode);
    for (auto it = first; it != last; ++it)
        if (!ClaimedByAnother(entry, it->second) && renamer_.Holds(it->second, identity)) return it->second;
    return std::nullopt;
}

void FileLocator::Moved(const JournalEntry& entry, const Text& from, const Text& to) {
    if (!read_ || !entry.Identity) return;
    const auto [first, last] = byInode_.equal_range(entry.Identity->Inode);
    for (auto it = first; it != last; ++it)
        if (it->second == from) {
            it->second = to;
            break;
        }
}

void FileLocator::ReadOnce() {
    read_ = true;
    if (auto entries = renamer_.ReadEntries())
        for (auto& [name, inode] : *entries) byInode_.emplace(inode, std::move(name));
}

bool FileLocator::ClaimedByAnother(const JournalEntry& entry, const Text& name) const {
    if (std::find(sharedKeys_.begin(), sharedKeys_.end(), entry.Identity->Key) == sharedKeys_.end()) return false;
    for (const JournalEntry& other : journal_.Entries)
        if (&other != &entry && other.Identity == entry.Identity && (other.To == name || other.From == name))
            return true;
    return false;
}

}  // namespace morvane
