// Writes the fuzz target's seed inputs into the directory given: whole
// journal files, and their bodies alone (which the target also frames).
#include <cstdio>
#include <fstream>
#include <string>

#include "journal/journal_format.h"

using namespace morvane;

namespace {

// The body of a whole file: between the two header lines and the checksum line.
std::string BodyOf(const std::string& file) {
    const auto start = file.find('\n', file.find('\n') + 1) + 1;
    return file.substr(start, file.size() - start - 9);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SEED-DIRECTORY\n", argv[0]);
        return 2;
    }
    const FileIdentity handle{IdentityKind::Handle, 2049, 11, std::string("f\x01\0\0\0\x0b\0\0\0\x2a", 10)};
    const FileIdentity birth{IdentityKind::InodeBirth, 7, 18446744073709551615u, std::string("f\xff\x01\x02", 4)};
    const FileIdentity print{IdentityKind::Fingerprint, 0, 0, "f0123456789abcdefghij"};
    const FileIdentity folder{IdentityKind::Fingerprint, 0, 0, "d"};
    const StoredJournal journals[] = {
        {u"/", JournalState::Running, {}, std::nullopt, {}},
        {u"/home/me/Photos", JournalState::Running,
         {{u"a.jpg", u"P0001.jpg", u"", StoredEntryState::NotRenamed, handle},
          {u"photo", u"Photo", u"", StoredEntryState::NotRenamed, birth}},
         handle, {}},
        {u"/home/me/Fotos \u00e9t\u00e9", JournalState::Finished,
         {{u"a\nb.jpg", u"P0001.jpg", u"P0001-1.jpg", StoredEntryState::Renamed, print},
          {u"photo", u"Photo", u"Photo", StoredEntryState::Renamed, std::nullopt},
          {u"b.jpg", u"P0002.jpg", u"", StoredEntryState::Restored, handle}},
         folder, {}},
        {u"/x", JournalState::Undone, {{u"3:abc", u"\U0001F600", u"\U0001F600-1", StoredEntryState::Renamed, birth}}, birth, {}},
    };
    int n = 0;
    for (const auto& journal : journals) {
        const std::string file = *EncodeJournal(journal);
        std::ofstream(std::string(argv[1]) + "/file-" + std::to_string(n)) << file;
        std::ofstream(std::string(argv[1]) + "/body-" + std::to_string(n)) << BodyOf(file);
        ++n;
    }
    // A killed pass's journal with the notes of the names its steps may
    // leave behind, one taken back, and an undo's notes after the end.
    std::string notes = *EncodeJournal(journals[1]);
    notes += *EncodeLeftNote(0, {LeftoverKind::Placeholder, u"P0001.jpg", {}, 0}) + EncodeDroppedNote();
    notes += *EncodeLeftNote(1, {LeftoverKind::Temporary, u".morvane-12-1", {}, 0});
    notes += *EncodeEndNotes({{0, u"P0001-1.jpg"}});
    notes += *EncodeLeftNote(0, {LeftoverKind::Link, u"a.jpg", u"P0001-1.jpg", 2});
    std::ofstream(std::string(argv[1]) + "/file-notes") << notes;
    return 0;
}
