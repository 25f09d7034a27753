#pragma once
// Journals for the tests of the journal's layout and store.
#include <cstdint>
#include <optional>

#include "journal/stored_journal.h"

// Renamed when it took a name, not renamed otherwise, unless told.
inline morvane::StoredEntry JournalEntry(std::uint64_t inode, morvane::Text old, morvane::Text planned,
                                         morvane::Text taken = {}, std::optional<morvane::StoredEntryState> state = {}) {
    using enum morvane::StoredEntryState;
    const auto s = state.value_or(taken.empty() ? NotRenamed : Renamed);
    return {2049, inode, std::move(old), std::move(planned), std::move(taken), s};
}

// A pass over three files as it is stored before the first rename.
inline morvane::StoredJournal RunningJournal(morvane::Text dir) {
    return {std::move(dir), morvane::JournalState::Running,
            {JournalEntry(11, u"a.jpg", u"P0001.jpg"), JournalEntry(12, u"b.jpg", u"P0002.jpg"),
             JournalEntry(13, u"photo", u"Photo")}};
}

// The same pass once it has ended: one clash, one change of case.
inline morvane::StoredJournal FinishedJournal(morvane::Text dir) {
    return {std::move(dir), morvane::JournalState::Finished,
            {JournalEntry(11, u"a.jpg", u"P0001.jpg", u"P0001-1.jpg"),
             JournalEntry(12, u"b.jpg", u"P0002.jpg", u"P0002.jpg"),
             JournalEntry(13, u"photo", u"Photo", u"Photo")}};
}
