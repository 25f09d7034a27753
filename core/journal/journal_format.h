#pragma once
// The bytes of a journal file. Layout, all numbers in decimal without
// leading zeros:
//   "MORVANE-JOURNAL <version>\n"
//   "<byte count of the body>\n"
//   body
//   "<CRC-32 of everything above, 8 lowercase hex digits>\n"
// The body is
//   "state running|finished|undone\n"
//   "directory <text>\n"
//   "entries <count>\n"
// and per entry
//   "entry <device> <inode> <state 0|1|2> <old> <planned> <taken>\n"
// (state: not renamed, renamed, restored by an undo). Version 1 files, still
// read, had "<renamed 0|1>" and a last "<temporary>" field that was never used.
// where every <text> is "<UTF-8 byte count>:<UTF-8 bytes>", so a name may hold
// any character, a newline included. The version comes first so that a newer
// layout is recognised before anything else is read; the byte count and the
// checksum make every truncation and every damaged byte show.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "journal/stored_journal.h"

namespace morvane {

inline constexpr int JournalVersion = 2;
// Bounds that keep a damaged or hostile file from making the reader allocate
// without limit.
inline constexpr std::size_t MaxJournalBytes = 256u << 20;
inline constexpr std::size_t MaxJournalEntries = 1000000;
inline constexpr std::size_t MaxDirectoryBytes = 4096;

// The file's bytes, or nothing when the journal cannot be stored faithfully:
// a directory that is not an absolute path, a name that is not one plain file
// name (or has no UTF-8 form), or more than the bounds above. Whatever this
// writes, DecodeJournal reads back equal.
std::optional<std::string> EncodeJournal(const StoredJournal& journal);

struct DecodedJournal {
    JournalProblem Problem = JournalProblem::None;  // None, Truncated, Garbled or FutureVersion
    StoredJournal Journal;                          // meaningful only when Problem is None
};

// Reads a journal file's bytes strictly: anything but exactly what
// EncodeJournal writes is a problem.
DecodedJournal DecodeJournal(std::string_view bytes);

// The directory a damaged journal names, where its line can still be read
// whole: for telling the user which pass it was. Never acted on.
std::optional<Text> DirectoryOfDamaged(std::string_view bytes);

// The header, byte count and checksum around a body: the framing that
// EncodeJournal puts around its body, for tests and the fuzz target to reach
// the body's reader.
std::string FrameJournalBody(std::string_view body, int version = JournalVersion);

}  // namespace morvane
