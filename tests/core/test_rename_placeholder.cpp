// The rename layer where the file system has neither RENAME_NOREPLACE nor hard
// links: the target name is reserved with an empty file first. Another
// program acts between the layer's calls; nothing of either may be lost.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>

#include "error_numbers.h"
#include "fault_injecting_renamer.h"
#include "observed_calls.h"
#include "temp_dir.h"

using namespace morvane;

// Another program that creates its files only with O_EXCL, as it should.
struct Creator {
    const TempDir& dir;
    Files made;  // name -> content of every file it created
    bool Create(const std::string& name) {
        const int fd = open(dir.At(name).c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        if (fd < 0) return false;
        const std::string content = "C" + std::to_string(made.size());
        EXPECT_EQ(write(fd, content.data(), content.size()), ssize_t(content.size()));
        close(fd);
        made[name] = content;
        return true;
    }
};

static void Write(const TempDir& dir, const std::string& name, const std::string& content) {
    const int fd = open(dir.At(name).c_str(), O_WRONLY);
    ASSERT_EQ(write(fd, content.data(), content.size()), ssize_t(content.size()));
    close(fd);
}

TEST(RenamePlaceholder, EveryFailureLeavesTheFileAndWhatOthersMade) {
    struct Row {
        const char* name;
        const char* call;                                // the call before which the row acts
        int answer;                                      // that call's forced errno, 0: the real call runs
        std::function<void(const TempDir&)> meanwhile;   // what another program does just before it
        int number;
        Files files;
    };
    const auto nothing = [](const TempDir&) {};
    const Row rows[] = {
        {"renamed onto the placeholder", "rename", 0, nothing, 0, {{"b", "A"}}},
        {"placeholder cannot be created", "open", EACCES, nothing, 75, {{"a", "A"}}},
        {"target taken before the placeholder", "open", 0, [](const TempDir& d) { d.Write("b", "T"); }, 58, {{"a", "A"}, {"b", "T"}}},
        {"placeholder written to", "fstat", 0, [](const TempDir& d) { Write(d, "b", "W"); }, 58, {{"a", "A"}, {"b", "W"}}},
        {"placeholder given a second name", "fstat", 0,
         [](const TempDir& d) { ASSERT_EQ(link(d.At("b").c_str(), d.At("b2").c_str()), 0); }, 58,
         {{"a", "A"}, {"b", ""}, {"b2", ""}}},
        {"placeholder replaced by another file", "lstat", 0,
         [](const TempDir& d) { unlink(d.At("b").c_str()), d.Write("b", "X"); }, 58, {{"a", "A"}, {"b", "X"}}},
        {"placeholder removed by another program", "lstat", 0, [](const TempDir& d) { unlink(d.At("b").c_str()); }, 58,
         {{"a", "A"}}},
        {"placeholder cannot be checked", "fstat", EIO, nothing, 57, {{"a", "A"}, {"b", ""}}},
        {"rename fails: placeholder removed", "rename", EIO, nothing, 57, {{"a", "A"}}},
        {"source moved away meanwhile", "rename", 0,
         [](const TempDir& d) { rename(d.At("a").c_str(), d.At("elsewhere").c_str()); }, 53, {{"elsewhere", "A"}}},
        {"rename fails after the placeholder was written to", "rename", EIO,
         [](const TempDir& d) { Write(d, "b", "W"); }, 57, {{"a", "A"}, {"b", "W"}}},
        {"rename fails and the placeholder cannot be removed", "unlink", EBUSY, nothing, 57, {{"a", "A"}, {"b", ""}}},
        {"close fails after the move", "close", EIO, nothing, 0, {{"b", "A"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        dir.Write("a", "A");
        bool acted = false;
        PosixRenamer renamer(Observed(SystemRenameCalls(), [&](const char* call) {
            // A forced unlink or close answer only matters after a failed or finished rename.
            const bool rowCall = std::string_view(call) == row.call;
            if (rowCall && !acted) acted = true, row.meanwhile(dir);
            if (std::string_view(row.call) == "unlink" && rowCall) return row.answer;
            if (std::string_view(call) == "rename" && std::string_view(row.call) == "unlink") return EIO;
            return Lacking(Level::Placeholder, call) ? Lacking(Level::Placeholder, call) : rowCall ? row.answer : 0;
        }));
        EXPECT_EQ(renamer.Rename(T(dir.At("a")), T(dir.At("b"))), row.number);
        EXPECT_TRUE(acted);
        EXPECT_EQ(dir.List(), row.files);
    }
}

// Renames a to b while the creator tries to take b (and, once free, a) just
// before call number `at`. Returns how many calls the rename made.
static int RenameAgainstCreator(Level level, int at, const char* creatorName) {
    TempDir dir;
    dir.Write("a", "A");
    Creator creator{dir, {}};
    int calls = 0;
    PosixRenamer renamer(Observed(SystemRenameCalls(), [&](const char* call) {
        if (calls++ == at) creator.Create(creatorName);
        return Lacking(level, call);
    }));
    const int number = renamer.Rename(T(dir.At("a")), T(dir.At("b")));
    EXPECT_TRUE(number == 0 || number == ErrTargetExists) << number;
    Files expected = creator.made;
    const auto mine = expected.emplace(number == 0 ? "b" : "a", "A");
    EXPECT_TRUE(mine.second) << "the renamer's file and the creator's share a name";
    EXPECT_EQ(dir.List(), expected);
    return calls;
}

TEST(RenamePlaceholder, ACreatorBetweenAnyTwoCallsLosesNothingAtEveryLevel) {
    for (const Level level : {Level::Atomic, Level::Link, Level::Placeholder}) {
        for (const char* creatorName : {"b", "a"}) {
            for (int at = 0;; ++at) {
                SCOPED_TRACE(testing::Message() << NameOf(level) << ", creating " << creatorName << " before call " << at);
                if (RenameAgainstCreator(level, at, creatorName) <= at) break;
            }
        }
    }
}

TEST(RenamePlaceholder, RandomizedCreatorAndFailuresLoseNothing) {
    const unsigned seed = 20261207;
    std::printf("seed %u\n", seed);
    std::mt19937 rng(seed);
    const std::string pool[] = {"f0", "f1", "f2", "f3", "t0", "t1", "t2", "t3", "T0"};
    for (int round = 0; round < 200; ++round) {
        const Level level = Level(rng() % 3);
        SCOPED_TRACE(testing::Message() << "seed " << seed << " round " << round << " " << NameOf(level));
        TempDir dir;
        Creator creator{dir, {}};
        Files mine;  // name -> content of the renamer's files
        for (int i = 0; i < 4; ++i) dir.Write("f" + std::to_string(i), mine["f" + std::to_string(i)] = "R" + std::to_string(i));
        PosixRenamer renamer(Observed(SystemRenameCalls(), [&](const char* call) {
            if (rng() % 3 == 0) creator.Create(pool[rng() % std::size(pool)]);
            if (const int lacking = Lacking(level, call)) return lacking;
            // Failures of the moving calls; a failed check would leave an empty placeholder by design.
            const std::string_view c = call;
            const bool moves = c == "renameat2" || c == "link" || c == "open" || c == "rename";
            return moves && rng() % 8 == 0 ? int(EIO) : 0;
        }));
        for (int step = 0; step < 8; ++step) {
            auto source = mine.begin();
            std::advance(source, rng() % mine.size());
            const std::string from = source->first, to = pool[rng() % std::size(pool)];
            const int number = renamer.Rename(T(dir.At(from)), T(dir.At(to)));
            ASSERT_TRUE(number == 0 || number == ErrTargetExists || number == ErrIoError) << from << " -> " << to << ": " << number;
            if (number != 0) continue;
            const auto content = source->second;
            mine.erase(source);
            mine[to] = content;
        }
        Files expected = creator.made;
        for (const auto& [name, content] : mine) ASSERT_TRUE(expected.emplace(name, content).second) << name;
        ASSERT_EQ(dir.List(), expected);
    }
}
