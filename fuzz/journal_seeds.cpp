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
    const StoredJournal journals[] = {
        {u"/", JournalState::Running, {}},
        {u"/home/me/Photos", JournalState::Running,
         {{2049, 11, u"a.jpg", u"P0001.jpg", u"", StoredEntryState::NotRenamed},
          {2049, 12, u"photo", u"Photo", u"", StoredEntryState::NotRenamed}}},
        {u"/home/me/Fotos \u00e9t\u00e9", JournalState::Finished,
         {{2049, 11, u"a\nb.jpg", u"P0001.jpg", u"P0001-1.jpg", StoredEntryState::Renamed},
          {18446744073709551615u, 1, u"photo", u"Photo", u"Photo", StoredEntryState::Renamed},
          {2049, 13, u"b.jpg", u"P0002.jpg", u"", StoredEntryState::Restored}}},
        {u"/x", JournalState::Undone, {{1, 2, u"3:abc", u"\U0001F600", u"\U0001F600-1", StoredEntryState::Renamed}}},
    };
    int n = 0;
    for (const auto& journal : journals) {
        const std::string file = *EncodeJournal(journal);
        std::ofstream(std::string(argv[1]) + "/file-" + std::to_string(n)) << file;
        std::ofstream(std::string(argv[1]) + "/body-" + std::to_string(n)) << BodyOf(file);
        ++n;
    }
    return 0;
}
