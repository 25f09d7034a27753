// The rename layer where the file system has neither RENAME_NOREPLACE nor hard
// links: the target name is reserved with an empty file first. Another
// program acts between the layer's calls; nothing of either may be lost.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string_view>

#include "error_numbers.h"
#include "fault_injecting_renamer.h"
#include "concurrent_creator.h"
#include "temp_dir.h"

using namespace morvane;

static void Write(const TempDir& dir, const std::string& name, const std::string& content) {
    const int fd = open(dir.At(name).c_str(), O_WRONLY);
    ASSERT_EQ(write(fd, content.data(), content.size()), ssize_t(content.size()));
    close(fd);
}

TEST(RenamePlaceholder, EveryFailureLeavesTheFileAndWhatOthersMade) {
    struct Row {
        const char* name;
        std::map<std::string_view, int> answers;        // forced errno of these calls
        const char* when;                               // the call before which
        std::function<void(const TempDir&)> meanwhile;  // another program does this
        int number;
        Files files;
    };
    const auto nothing = [](const TempDir&) {};
    const auto writeB = [](const char* content) { return [=](const TempDir& d) { Write(d, "b", content); }; };
    const Row rows[] = {
        {"renamed onto the placeholder", {}, "rename", nothing, 0, {{"b", "A"}}},
        {"placeholder cannot be created", {{"open", EACCES}}, "open", nothing, 75, {{"a", "A"}}},
        {"target taken before the placeholder", {}, "open", [](const TempDir& d) { d.Write("b", "T"); }, 58,
         {{"a", "A"}, {"b", "T"}}},
        {"placeholder written to", {}, "fstat", writeB("W"), 58, {{"a", "A"}, {"b", "W"}}},
        {"placeholder given a second name", {}, "fstat",
         [](const TempDir& d) { ASSERT_EQ(link(d.At("b").c_str(), d.At("b2").c_str()), 0); }, 58,
         {{"a", "A"}, {"b", ""}, {"b2", ""}}},
        {"placeholder replaced by another file", {}, "lstat",
         [](const TempDir& d) { unlink(d.At("b").c_str()), d.Write("b", "X"); }, 58, {{"a", "A"}, {"b", "X"}}},
        {"placeholder removed by another program", {}, "lstat", [](const TempDir& d) { unlink(d.At("b").c_str()); },
         58, {{"a", "A"}}},
        {"placeholder cannot be checked", {{"fstat", EIO}}, "fstat", nothing, 57, {{"a", "A"}, {"b", ""}}},
        {"closing the placeholder fails", {{"close", EIO}}, "close", nothing, 0, {{"b", "A"}}},
        {"rename fails: placeholder removed", {{"rename", EIO}}, "rename", nothing, 57, {{"a", "A"}}},
        {"source moved away meanwhile", {}, "rename",
         [](const TempDir& d) { rename(d.At("a").c_str(), d.At("elsewhere").c_str()); }, 53, {{"elsewhere", "A"}}},
        {"rename fails after the placeholder was written to", {{"rename", EIO}}, "rename", writeB("W"), 57,
         {{"a", "A"}, {"b", "W"}}},
        {"rename fails and the placeholder cannot be removed", {{"rename", EIO}, {"unlink", EBUSY}}, "unlink", nothing,
         57, {{"a", "A"}, {"b", ""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        dir.Write("a", "A");
        bool reached = false;
        PosixRenamer renamer(Observed(SystemRenameCalls(), [&](const char* call) {
            if (!reached && std::string_view(call) == row.when) reached = true, row.meanwhile(dir);
            if (const int lacking = Lacking(Level::Placeholder, call)) return lacking;
            const auto answer = row.answers.find(call);
            return answer == row.answers.end() ? 0 : answer->second;
        }));
        EXPECT_EQ(renamer.Rename(T(dir.At("a")), T(dir.At("b"))), row.number);
        EXPECT_TRUE(reached);
        EXPECT_EQ(dir.List(), row.files);
    }
}

// Renames a to b while the creator tries to take creatorName just before
// call number `at`. Returns how many calls the rename made.
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
            ASSERT_TRUE(number == 0 || number == ErrTargetExists || number == ErrIoError || number == ErrLeftUnderTemporaryName)
                << from << " -> " << to << ": " << number;
            if (number != 0 && number != ErrLeftUnderTemporaryName) continue;
            // "T0" and "t0" look alike when made in one clock tick: a failed put-back leaves a temporary name.
            const Text temporary = renamer.LastTemporaryName();
            const std::string taken = number == 0 ? to : *ToUtf8(temporary.substr(temporary.rfind(u'/') + 1));
            const auto content = source->second;
            mine.erase(source);
            mine[taken] = content;
        }
        Files expected = creator.made;
        for (const auto& [name, content] : mine) ASSERT_TRUE(expected.emplace(name, content).second) << name;
        ASSERT_EQ(dir.List(), expected);
    }
}
