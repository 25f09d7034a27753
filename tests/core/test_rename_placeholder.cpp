// The rename layer where the file system has neither RENAME_NOREPLACE nor hard
// links: the target name is reserved with an empty file first. Another
// program acts between the layer's calls; nothing of either may be lost.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "error_number_checks.h"
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
    // A plain rename onto the placeholder, and a target taken before it, are
    // in the creator test below.
    const Row rows[] = {
        {"placeholder cannot be created", {{"open", EACCES}}, "open", nothing, 75, {{"a", "A"}}},
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

TEST(RenamePlaceholder, ACreatorBetweenAnyTwoCallsLosesNothingAtEveryLevel) {
    for (const Level level : {Level::Atomic, Level::Link, Level::Placeholder}) EveryCallAgainstACreator("/tmp", level);
}
