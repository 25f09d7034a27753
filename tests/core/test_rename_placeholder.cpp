// The rename layer where the file system has neither RENAME_NOREPLACE nor hard
// links: the target name is reserved first with a file holding a random
// mark. Another program acts between the layer's calls; nothing of either
// may be lost.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "error_number_checks.h"
#include "concurrent_creator.h"
#include "temp_dir.h"

using namespace morvane;

// Another program overwrites a file it finds, in place.
static void Write(const TempDir& dir, const std::string& name, const std::string& content) {
    const int fd = open(dir.At(name).c_str(), O_WRONLY | O_TRUNC);
    ASSERT_EQ(write(fd, content.data(), content.size()), ssize_t(content.size()));
    close(fd);
}

// A directory's files with each placeholder's random mark read as "mark".
static Files MarksShown(Files files) {
    for (auto& [name, content] : files)
        if (content.size() == 33 && content.back() == '\n' && content.find_first_not_of("0123456789abcdef") == 32) content = "mark";
    return files;
}

TEST(RenamePlaceholder, EveryFailureLeavesTheFileAndWhatOthersMade) {
    // answers: forced errno of these calls; meanwhile: what another program does before the call `when`.
    struct Row { const char* name; std::map<std::string_view, int> answers; const char* when; std::function<void(const TempDir&)> meanwhile; int number; Files files; };
    const auto nothing = [](const TempDir&) {};
    const auto writeB = [](std::string content) { return [=](const TempDir& d) { Write(d, "b", content); }; };
    // A plain rename onto the placeholder, and a target taken before it, are
    // in the creator test below.
    const Row rows[] = {
        {"placeholder cannot be created", {{"open", EACCES}}, "open", nothing, 75, {{"a", "A"}}},
        {"its mark cannot be written: placeholder removed", {{"write", EIO}}, "write", nothing, 57, {{"a", "A"}}},
        {"placeholder written to", {}, "fstat", writeB("W"), 58, {{"a", "A"}, {"b", "W"}}},
        {"placeholder written to, same size", {}, "lstat", writeB(std::string(33, 'W')), 58, {{"a", "A"}, {"b", std::string(33, 'W')}}},
        {"placeholder given a second name", {}, "fstat", [](const TempDir& d) { ASSERT_EQ(link(d.At("b").c_str(), d.At("b2").c_str()), 0); },
         58, {{"a", "A"}, {"b", "mark"}, {"b2", "mark"}}},
        {"placeholder replaced by another file", {}, "lstat", [](const TempDir& d) { unlink(d.At("b").c_str()), d.Write("b", "X"); }, 58,
         {{"a", "A"}, {"b", "X"}}},
        {"placeholder removed by another program", {}, "lstat", [](const TempDir& d) { unlink(d.At("b").c_str()); }, 58, {{"a", "A"}}},
        {"placeholder cannot be checked", {{"fstat", EIO}}, "fstat", nothing, 57, {{"a", "A"}, {"b", "mark"}}},
        {"closing the placeholder fails", {{"close", EIO}}, "close", nothing, 0, {{"b", "A"}}},
        {"rename fails: placeholder removed", {{"rename", EIO}}, "rename", nothing, 57, {{"a", "A"}}},
        {"source moved away meanwhile", {}, "rename", [](const TempDir& d) { rename(d.At("a").c_str(), d.At("elsewhere").c_str()); }, 53,
         {{"elsewhere", "A"}}},
        {"rename fails after the placeholder was written to", {{"rename", EIO}}, "rename", writeB("W"), 57, {{"a", "A"}, {"b", "W"}}},
        {"rename fails and the placeholder cannot be removed", {{"rename", EIO}, {"unlink", EBUSY}}, "unlink", nothing, 57,
         {{"a", "A"}, {"b", "mark"}}},
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
        const int number = NumberOf(renamer.Rename(T(dir.At("a")), T(dir.At("b"))));
        EXPECT_EQ(std::tuple(number, reached, MarksShown(dir.List())), std::tuple(row.number, true, row.files));
    }
}

TEST(RenamePlaceholder, ACreatorBetweenAnyTwoCallsLosesNothingAtEveryLevel) {
    for (const Level level : {Level::Atomic, Level::Link, Level::Placeholder}) EveryCallAgainstACreator("/tmp", level);
}
