#pragma once
// The bytes of a journal file. Layout, all numbers in decimal without
// leading zeros:
//   "MORVANE-JOURNAL <version>\n"
//   "<byte count of the body>\n"
//   body
//   "<CRC-32 of everything above, 8 lowercase hex digits>\n"
// The body is
//   "state running|finished|undone\n"
//   "directory <text> <identity>\n"
//   "entries <count>\n"
// and per entry
//   "entry <identity> <state 0|1|2> <old> <planned> <taken>\n"
// (state: not renamed, renamed, restored by an undo). Versions 1 and 2, still
// read, named files by "<device> <inode>" (read as no identity: never acted
// on) and had no directory identity; version 1 had "<renamed 0|1>" and a last
// "<temporary>" field that was never used.
// where every <text> is "<UTF-8 byte count>:<UTF-8 bytes>", so a name may hold
// any character, a newline included, and an <identity> is "-" (none) or
// "<handle|birth|print>:<file system id>:<inode>:<key in lowercase hex>".
// The version comes first so that a newer layout is recognised before
// anything else is read; the byte count and the checksum make every
// truncation and every damaged byte show.
// A running journal may be followed, when its pass ends, by notes, each
// followed by the checksum of its own bytes:
//   "taken <entry number> <text> <CRC-32>\n"   the name the entry's file got
//   "ended <CRC-32>\n"                          the pass ended (after its notes)
// so that ending a pass appends a few bytes instead of writing the journal
// again. Before every step of a rename that may leave a name behind (version
// 4), in any state:
//   "left <entry number> placeholder|temporary <text> <CRC-32>\n"
//   "left <entry number> link <text> <text linked from> <link count> <CRC-32>\n"
//   "dropped <CRC-32>\n"                        the last "left" left nothing
// A journal written whole carries its remaining "left" notes after its
// checksum line. Notes are read up to the first that does not check: what
// follows was never written whole (a writer killed in the middle, a power
// failure that kept the file's new length but not its bytes). Only a head
// that does not check is damage.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "journal/stored_journal.h"

namespace morvane {

inline constexpr int JournalVersion = 5;
// Bounds that keep a damaged or hostile file from making the reader allocate
// without limit.
inline constexpr std::size_t MaxJournalBytes = 256u << 20;
inline constexpr std::size_t MaxJournalEntries = 1000000;
inline constexpr std::size_t MaxDirectoryBytes = 4096;
inline constexpr std::size_t MaxIdentityKeyBytes = 512;

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

// The notes that record how a pass ended: the names taken by the renamed
// entries (by their number in the stored journal), then the end itself.
// Nothing when a name cannot be stored (see EncodeJournal).
std::optional<std::string> EncodeEndNotes(const std::vector<std::pair<std::size_t, Text>>& taken);

// The note recording a name a step may leave behind for a stored entry, and
// the note that takes the last such note back. Nothing when a name cannot be
// stored.
std::optional<std::string> EncodeLeftNote(std::size_t entry, const LeftName& left);
std::string EncodeDroppedNote();

// The header, byte count and checksum around a body: the framing that
// EncodeJournal puts around its body, for tests and the fuzz target to reach
// the body's reader.
std::string FrameJournalBody(std::string_view body, int version = JournalVersion);

}  // namespace morvane
