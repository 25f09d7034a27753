// The journal file's layout: what is written reads back equal, and nothing
// but exactly that is ever read as a journal.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

#include "error_number_checks.h"
#include "base/crc32.h"
#include "journal/journal_format.h"
#include "journal_samples.h"

using namespace morvane;

TEST(JournalFormat, WhatIsWrittenReadsBackEqual) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);  // the check value of CRC-32/ISO-HDLC
    EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    const Text fourBytes = u"\U0001F600";  // one character, a surrogate pair in Text, 4 bytes of UTF-8
    Text longest;
    for (int i = 0; i < 63; ++i) longest += fourBytes;  // 252 bytes
    const struct { const char* name; StoredJournal journal; } rows[] = {
        {"no entries", {u"/", JournalState::Running, {}, std::nullopt, {}}},
        {"before the pass", RunningJournal(u"/home/me/Photos")},
        {"after the pass", FinishedJournal(u"/home/me/Photos")},
        {"undone", {u"/x", JournalState::Undone, {JournalEntry(1, u"a", u"b", u"b-1")}, std::nullopt, {}}},
        {"names steps may leave behind",
         {u"/x", JournalState::Finished, {JournalEntry(1, u"a", u"b", u"b-1"), JournalEntry(2, u"c", u"C")}, std::nullopt,
          {{0, {LeftoverKind::Placeholder, u"b", {}, 0, std::string(PlaceholderMarkDigits, '0')}}, {0, {LeftoverKind::Link, u"b-1", u"a", 2, {}}},
           {1, {LeftoverKind::Temporary, u".morvane-7-1", {}, 0, {}}}}}},
        {"names holding the layout's own characters",
         {u"/a b/c\nd:1", JournalState::Running,
          {JournalEntry(1, u"line\nbreak", u"3:abc"), JournalEntry(2, u"entry 1 2 0 1:a", u" ", u"\n"),
           JournalEntry(3, u"caf\u00e9 " + fourBytes, u"\u00c9t\u00e9:" + fourBytes)}, std::nullopt, {}}},
        {"largest numbers and longest name",
         {u"/d", JournalState::Finished,
          {{Text(255, u'n'), Text(85, u'\u20ac'), longest, StoredEntryState::Renamed,
            FileIdentity{IdentityKind::Handle, ULLONG_MAX, ULLONG_MAX, std::string(MaxIdentityKeyBytes, '\xff')}},
           JournalEntry(2, u"a", u"b", {}, StoredEntryState::Restored)}, std::nullopt, {}}},
        {"every kind of identity, and none",
         {u"/d", JournalState::Finished,
          {{u"a", u"b", u"b", StoredEntryState::Renamed, FileIdentity{IdentityKind::InodeBirth, 7, 12, std::string("f\0\x01\x02", 4)}},
           {u"c", u"d", u"d", StoredEntryState::Renamed, FileIdentity{IdentityKind::Fingerprint, 0, 0, "f0123456789"}},
           {u"e", u"f", {}, StoredEntryState::NotRenamed, std::nullopt}},
          FileIdentity{IdentityKind::Fingerprint, 0, 0, "d"}, {}}},
    };
    for (const auto& row : rows) {
        const DecodedJournal read = DecodeJournal(EncodeJournal(row.journal).value_or(""));
        EXPECT_EQ(std::pair(read.Problem, read.Journal), std::pair(JournalProblem::None, row.journal)) << row.name;
    }
}

TEST(JournalFormat, EveryTruncationIsReportedAsTruncated) {
    const std::string whole = *EncodeJournal(FinishedJournal(u"/home/me/Photos"));
    for (std::size_t size = 0; size < whole.size(); ++size)
        EXPECT_EQ(DecodeJournal(whole.substr(0, size)).Problem, JournalProblem::Truncated)
            << "first " << size << " bytes";
}

TEST(JournalFormat, EveryChangedByteIsRejected) {
    const std::string whole = *EncodeJournal(FinishedJournal(u"/home/me/Photos"));
    for (std::size_t at = 0; at < whole.size(); ++at) {
        for (const unsigned char flip : {0x01, 0x20, 0x80, 0xFF}) {
            std::string damaged = whole;
            damaged[at] = static_cast<char>(damaged[at] ^ flip);
            EXPECT_NE(DecodeJournal(damaged).Problem, JournalProblem::None) << "byte " << at << " xor " << int(flip);
        }
    }
}

TEST(JournalFormat, ReadsNothingButWhatTheWriterWrites) {
    const std::string body = "state running\ndirectory 4:/tmp birth:1:9:6400\nentries 1\nentry handle:1:2:66ab 0 1:a 1:b 0:\n";
    const std::string secondVersionBody = "state running\ndirectory 4:/tmp\nentries 1\nentry 1 2 0 1:a 1:b 0:\n";
    const std::string firstVersionBody = "state running\ndirectory 4:/tmp\nentries 1\nentry 1 2 0 1:a 1:b 0: 0:\n";
    const std::string whole = FrameJournalBody(body);
    const auto withBody = [](std::string from, std::string_view what, std::string_view with) {
        return FrameJournalBody(from.replace(from.find(what), what.size(), with));
    };
    const struct { const char* name; std::string bytes; JournalProblem problem; } rows[] = {
        {"well-formed", whole, JournalProblem::None},
        {"empty file", "", JournalProblem::Truncated},
        {"another kind of file", "<?xml version=\"1.0\"?>\n", JournalProblem::Garbled},
        {"next version", "MORVANE-JOURNAL 6\n" + whole.substr(18), JournalProblem::FutureVersion},
        {"second version: device and inode, read as no identity", FrameJournalBody(secondVersionBody, 2), JournalProblem::None},
        {"first version", FrameJournalBody(firstVersionBody, 1), JournalProblem::None},
        {"first version without its last name", FrameJournalBody(secondVersionBody, 1), JournalProblem::Garbled},
        {"first version with a restored entry", FrameJournalBody("state running\ndirectory 4:/tmp\nentries 1\nentry 1 2 2 1:a 1:b 0: 0:\n", 1),
         JournalProblem::Garbled},
        {"a last name the first version had", FrameJournalBody(firstVersionBody, 2), JournalProblem::Garbled},
        {"device and inode in this version", FrameJournalBody(secondVersionBody), JournalProblem::Garbled},
        {"later version, another layout", "MORVANE-JOURNAL 17\n\x01\x02", JournalProblem::FutureVersion},
        {"version 0", "MORVANE-JOURNAL 0\n" + whole.substr(18), JournalProblem::Garbled},
        {"version with a leading zero", "MORVANE-JOURNAL 01\n" + whole.substr(18), JournalProblem::Garbled},
        {"a byte after the checksum: a note never written whole", whole + "\n", JournalProblem::None},
        {"checksum in capitals", whole.substr(0, whole.size() - 9) + "ABCDEF12\n", JournalProblem::Garbled},
        {"body size past the bound", "MORVANE-JOURNAL 2\n99999999999\n", JournalProblem::Garbled},
        // Bodies with a correct checksum: only their layout can refuse them.
        {"unknown state", withBody(body, "running", "paused"), JournalProblem::Garbled},
        {"relative directory", withBody(body, "4:/tmp", "3:tmp"), JournalProblem::Garbled},
        {"directory holding NUL", withBody(body, "4:/tmp", std::string("4:/t\0p", 6)), JournalProblem::Garbled},
        {"name with a slash", withBody(body, "1:a ", "3:../ "), JournalProblem::Garbled},
        {"name \"..\"", withBody(body, "1:b ", "2:.. "), JournalProblem::Garbled},
        {"empty old name", withBody(body, "1:a ", "0: "), JournalProblem::Garbled},
        {"name not UTF-8", withBody(body, "1:a ", "2:\xC3\x28 "), JournalProblem::Garbled},
        {"name longer than a file system allows", withBody(body, "1:a ", "256:" + std::string(256, 'a') + " "), JournalProblem::Garbled},
        {"fewer entries than counted", withBody(body, "entries 1", "entries 2"), JournalProblem::Garbled},
        {"more entries than counted", withBody(body, "entries 1", "entries 0"), JournalProblem::Garbled},
        {"count past what the body holds", withBody(body, "entries 1", "entries 999999"), JournalProblem::Garbled},
        {"number with a leading zero", withBody(body, "handle:1", "handle:01"), JournalProblem::Garbled},
        {"inode past 64 bits", withBody(body, ":2:", ":18446744073709551616:"), JournalProblem::Garbled},
        {"entry state 3", withBody(body, " 0 1:a", " 3 1:a"), JournalProblem::Garbled},
        {"unknown kind of identity", withBody(body, "handle:", "inode:"), JournalProblem::Garbled},
        {"identity without its key", withBody(body, ":66ab ", ": "), JournalProblem::Garbled},
        {"key of odd length", withBody(body, ":66ab ", ":66a "), JournalProblem::Garbled},
        {"key in capitals", withBody(body, ":66ab ", ":66AB "), JournalProblem::Garbled},
        {"key past its bound", withBody(body, ":66ab ", ":" + std::string(2 * MaxIdentityKeyBytes + 2, 'a') + " "), JournalProblem::Garbled},
        {"directory without identity", withBody(body, " birth:1:9:6400", ""), JournalProblem::Garbled},
        {"no identity", withBody(body, "handle:1:2:66ab", "-"), JournalProblem::None},
        {"text longer than its line", withBody(body, "0:\n", "5:\n"), JournalProblem::Garbled},
        {"no final newline", FrameJournalBody(body.substr(0, body.size() - 1)), JournalProblem::Garbled},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DecodeJournal(row.bytes).Problem, row.problem) << row.name;
}

TEST(JournalFormat, RefusesToStoreWhatItCouldNotReadBack) {
    const auto with = [](StoredEntry e) { return StoredJournal{u"/d", JournalState::Running, {std::move(e)}, std::nullopt, {}}; };
    const struct { const char* name; StoredJournal journal; } rows[] = {
        // The reader's own checks refuse the rest (see the rows above).
        {"relative directory", {u"d", JournalState::Running, {}, std::nullopt, {}}},
        {"a name left behind for no entry", {u"/d", JournalState::Running, {}, std::nullopt, {{0, {LeftoverKind::Temporary, u"t", {}, 0, {}}}}}},
        {"a second link without its source",
         {u"/d", JournalState::Running, {JournalEntry(1, u"a", u"b")}, std::nullopt, {{0, {LeftoverKind::Link, u"b", {}, 2, {}}}}}},
        {"empty planned name", with(JournalEntry(1, u"a", u""))},
        {"unpaired surrogate", with(JournalEntry(1, u"a", Text(1, u'\xD800')))},
        {"taken name \".\"", with(JournalEntry(1, u"a", u"b", u"."))},
        {"identity with an empty key", with({u"a", u"b", {}, StoredEntryState::NotRenamed, FileIdentity{IdentityKind::Handle, 1, 2, ""}})},
    };
    for (const auto& row : rows) EXPECT_FALSE(EncodeJournal(row.journal)) << row.name;
}

TEST(JournalFormat, NotesAreReadUpToTheFirstThatDoesNotCheckAndNeverMakeTheJournalDamaged) {
    // Notes are appended without waiting for the disk: after a power failure
    // the file may end in a torn note, or in zeros or garbage where its
    // length grew before its bytes were written. The head stays the truth.
    const std::string running = *EncodeJournal(RunningJournal(u"/home/me/Photos"));
    const std::string notes = *EncodeEndNotes({{0, u"P0001-1.jpg"}, {2, u"Photo"}});
    const std::string lastTaken = notes.substr(0, notes.rfind("ended"));
    const std::string mark(PlaceholderMarkDigits, 'c');
    const std::string placeholder = *EncodeLeftNote(0, {LeftoverKind::Placeholder, u"P0001.jpg", {}, 0, mark});
    const std::string link = *EncodeLeftNote(2, {LeftoverKind::Link, u"Photo", u"photo", 2, {}});
    const std::vector<Text> taken{u"P0001-1.jpg", u"", u"Photo"}, none{u"", u"", u""};
    struct Row { const char* name; std::string bytes; JournalState state; std::vector<Text> taken, left = {}; };
    const Row rows[] = {
        {"names taken and the end", running + notes, JournalState::Finished, taken},
        {"the end alone: nothing renamed", running + *EncodeEndNotes({}), JournalState::Finished, none},
        {"names without the end: the pass never ended", running + lastTaken, JournalState::Running, taken},
        {"the last note cut short", running + notes.substr(0, notes.size() - 3), JournalState::Running, taken},
        {"zeros where the length grew", running + lastTaken + std::string(700, '\0'), JournalState::Running, taken},
        {"torn inside the second note, zeros after", running + notes.substr(0, notes.find("taken 2") + 3) + std::string(notes.size(), '\0'),
         JournalState::Running, {u"P0001-1.jpg", u"", u""}},
        {"garbage where the length grew", running + lastTaken + "\x7f\x13garbage" + notes, JournalState::Running, taken},
        {"a damaged first note: nothing after it counts", running + "x" + notes.substr(1), JournalState::Running, none},
        {"a note after the end", running + notes + *EncodeEndNotes({{1, u"late"}}), JournalState::Finished, taken},
        {"notes after a journal that is not running", *EncodeJournal(FinishedJournal(u"/d")) + notes,
         JournalState::Finished, {u"P0001-1.jpg", u"P0002.jpg", u"Photo"}},
        {"an entry number past the entries", running + *EncodeEndNotes({{3, u"x"}}), JournalState::Running, none},
        {"names left behind by the pass and by an undo after its end", running + placeholder + notes + link, JournalState::Finished, taken,
         {u"P0001.jpg", u"Photo"}},
        {"a name taken back", running + placeholder + link + EncodeDroppedNote(), JournalState::Running, none, {u"P0001.jpg"}},
        {"a name taken back that was never left", running + EncodeDroppedNote() + notes, JournalState::Running, none},
        {"a name left for an entry past the entries", running + *EncodeLeftNote(3, {LeftoverKind::Temporary, u"t", {}, 0, {}}) + notes,
         JournalState::Running, none},
        {"a damaged name left behind", running + placeholder.substr(0, 6) + "x" + placeholder.substr(7) + notes, JournalState::Running, none},
    };
    for (const Row& row : rows) {
        const DecodedJournal read = DecodeJournal(row.bytes);
        std::vector<Text> taken, left;
        for (const StoredEntry& entry : read.Journal.Entries) taken.push_back(entry.TakenName);
        for (const Leftover& l : read.Journal.Leftovers) left.push_back(l.Left.Name);
        EXPECT_EQ(std::tuple(read.Problem, read.Journal.State, taken, left), std::tuple(JournalProblem::None, row.state, row.taken, row.left))
            << row.name;
    }
    EXPECT_FALSE(EncodeEndNotes({{0, u"a/b"}})) << "a name that is not one plain file name";
    EXPECT_FALSE(EncodeLeftNote(0, {LeftoverKind::Placeholder, u"b", {}, 0, "not a mark"}));
}

TEST(JournalFormat, APlaceholderKeepsItsMarkAndOneOfTheFourthVersionHasNone) {
    const std::string mark(PlaceholderMarkDigits, 'e');
    const std::string body = "state running\ndirectory 2:/d -\nentries 1\nentry - 0 1:a 1:b 0:\n";
    std::string fourth = "left 0 placeholder 1:b ";
    char crc[10];
    std::snprintf(crc, sizeof crc, "%08x\n", Crc32(fourth));
    fourth += crc;
    const struct { const char* name; std::string bytes; std::string mark; } rows[] = {
        {"marked", FrameJournalBody(body) + *EncodeLeftNote(0, {LeftoverKind::Placeholder, u"b", {}, 0, mark}), mark},
        {"noted without a mark", FrameJournalBody(body) + *EncodeLeftNote(0, {LeftoverKind::Placeholder, u"b", {}, 0, {}}), ""},
        {"fourth version", FrameJournalBody(body, 4) + fourth, ""},
    };
    for (const auto& row : rows) {
        const DecodedJournal read = DecodeJournal(row.bytes);
        std::vector<std::string> marks;
        for (const Leftover& left : read.Journal.Leftovers) marks.push_back(left.Left.Mark);
        EXPECT_EQ(std::pair(read.Problem, marks), std::pair(JournalProblem::None, std::vector{row.mark})) << row.name;
    }
}

TEST(JournalFormat, ADamagedJournalStillNamesItsFolderInEveryVersion) {
    const std::string third = FrameJournalBody("state running\ndirectory 7:/photos birth:1:9:6400\nentries 0\n", 3);
    const std::string second = FrameJournalBody("state running\ndirectory 7:/photos\nentries 0\n", 2);
    const std::string current = *EncodeJournal(FinishedJournal(u"/photos"));
    const auto garbled = [](std::string bytes) { return bytes[bytes.size() - 3] ^= 0x01, bytes; };  // in the checksum
    const struct { const char* name; std::string bytes; std::optional<Text> directory; } rows[] = {
        {"this version", garbled(current), u"/photos"},
        {"third version", garbled(third), u"/photos"},
        {"second version", garbled(second), u"/photos"},
        {"cut inside the folder's line", current.substr(0, current.find("/photos") + 3), std::nullopt},
        {"not a journal", "directory 7:/photos -\n", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(std::pair(DecodeJournal(row.bytes).Problem != JournalProblem::None, DirectoryOfDamaged(row.bytes)),
                  std::pair(true, row.directory)) << row.name;
}

TEST(JournalFormat, AFirstVersionJournalReadsAsTheSamePass) {
    // Journals of the first version stay on users' disks: their unused last
    // name is dropped, whatever it held, and their device and inode numbers
    // are no identity: the pass is offered, its files never acted on.
    const struct { const char* name; std::string entry; StoredEntry read; } rows[] = {
        {"renamed, last name empty", "entry 5 6 1 1:a 1:b 3:b-1 0:\n", {u"a", u"b", u"b-1", StoredEntryState::Renamed, std::nullopt}},
        {"not renamed, last name set", "entry 5 6 0 1:a 1:b 0: 3:.mv\n", {u"a", u"b", u"", StoredEntryState::NotRenamed, std::nullopt}},
    };
    for (const auto& row : rows) {
        const DecodedJournal read =
            DecodeJournal(FrameJournalBody("state finished\ndirectory 2:/d\nentries 1\n" + row.entry, 1));
        EXPECT_EQ(std::pair(read.Problem, read.Journal),
                  std::pair(JournalProblem::None, StoredJournal{u"/d", JournalState::Finished, {row.read}, std::nullopt, {}}))
            << row.name;
    }
}
