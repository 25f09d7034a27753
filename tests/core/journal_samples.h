#pragma once
// Journals for the tests of the journal's layout and store.
#include <cstdint>
#include <optional>

#include "journal/stored_journal.h"

// A file's identity as ext4 gives it, told apart by its number.
inline morvane::FileIdentity HandleIdentity(std::uint64_t inode) {
    std::string key = "f";
    for (int i = 0; i < 8; ++i) key += static_cast<char>((inode >> (8 * i)) & 0xFF);
    return {morvane::IdentityKind::Handle, 2049, inode, key};
}

// Renamed when it took a name, not renamed otherwise, unless told.
inline morvane::StoredEntry JournalEntry(std::uint64_t inode, morvane::Text old, morvane::Text planned,
                                         morvane::Text taken = {}, std::optional<morvane::StoredEntryState> state = {}) {
    using enum morvane::StoredEntryState;
    const auto s = state.value_or(taken.empty() ? NotRenamed : Renamed);
    return {std::move(old), std::move(planned), std::move(taken), s, HandleIdentity(inode)};
}

// A pass over three files as it is stored before the first rename.
inline morvane::StoredJournal RunningJournal(morvane::Text dir) {
    return {std::move(dir), morvane::JournalState::Running,
            {JournalEntry(11, u"a.jpg", u"P0001.jpg"), JournalEntry(12, u"b.jpg", u"P0002.jpg"),
             JournalEntry(13, u"photo", u"Photo")},
            std::nullopt, {}};
}

// The same pass once it has ended (or in another state): one clash, one change of case.
inline morvane::StoredJournal FinishedJournal(morvane::Text dir, morvane::JournalState state = morvane::JournalState::Finished) {
    return {std::move(dir), state,
            {JournalEntry(11, u"a.jpg", u"P0001.jpg", u"P0001-1.jpg"),
             JournalEntry(12, u"b.jpg", u"P0002.jpg", u"P0002.jpg"),
             JournalEntry(13, u"photo", u"Photo", u"Photo")},
            HandleIdentity(2), {}};
}
