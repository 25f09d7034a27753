// The rename pass and its undo on real directories. Mode 1 numbers every
// listed file P0001, P0002...; mode 2 takes the digits "12" of each name.
#include <gtest/gtest.h>

#include "fault_injecting_renamer.h"
#include "rename_pass.h"
#include "temp_dir.h"

using namespace morvane;
using Names = std::vector<std::string>;

struct RenamePass : testing::Test {
    TempDir dir;
    WorkState ws;
    FaultInjectingRenamer renamer;
    RecordingPointer pointer;
    std::string refused;  // the file whose renames answer 75

    RenamePass() {
        renamer.Fault = [this](const Text& from) {
            EXPECT_EQ(pointer.Current, PointerBusy);
            return !refused.empty() && from.ends_with(T("/" + refused)) ? 75 : 0;
        };
    }
    PassOutcome Pass(const std::vector<Text>& listed, int mode, const std::string& path) {
        ws.MaskMode = std::int16_t(mode);
        ws.Mask = u"12";
        const auto out = RunRenamePass(ws, listed, T(path), {u"P", u"", u"1", u"0"}, u"x12.txt", renamer, pointer);
        EXPECT_EQ(pointer.Current, 3);
        return out;
    }
};

TEST_F(RenamePass, RenamesOnDiskAndUndoRestoresEveryName) {
    struct Case { Names onDisk; std::vector<Text> listed; int mode; std::string refused; Text example; Files after; };
    const Case cases[] = {
        // Clashes: the number goes before extensions of any length and restarts for every file.
        {{"a.jpg", "x.jpeg", "readme", "P0001.jpg", "P0001-1.jpg", "P0002.jpeg", "P0003"}, {u"a.jpg", u"x.jpeg", u"readme"}, 1, "", u"",
         {{"P0001.jpg", "P0001.jpg"}, {"P0001-1.jpg", "P0001-1.jpg"}, {"P0001-2.jpg", "a.jpg"}, {"P0002.jpeg", "P0002.jpeg"},
          {"P0002-1.jpeg", "x.jpeg"}, {"P0003", "P0003"}, {"P0003-1", "readme"}}},
        // A file that has its composed name stays; a name given up is taken by a later file.
        {{"P0001.txt", "P0003.txt", "c.txt"}, {u"P0001.txt", u"P0003.txt", u"c.txt"}, 1, "", u"",
         {{"P0001.txt", "P0001.txt"}, {"P0002.txt", "P0003.txt"}, {"P0003.txt", "c.txt"}}},
        {{"a12.txt", "b12.txt", "c12.jpg"}, {u"a12.txt", u"b12.txt", u"c12.jpg"}, 2, "", u"",
         {{"P12.txt", "a12.txt"}, {"P12-1.txt", "b12.txt"}, {"P12.jpg", "c12.jpg"}}},
        {{"a.txt", "b.txt", "c.txt"}, {u"a.txt", u"b.txt", u"c.txt"}, 1, "b.txt", u"Some Files Were Skipped",
         {{"P0001.txt", "a.txt"}, {"b.txt", "b.txt"}, {"P0003.txt", "c.txt"}}},
        // A file deleted after listing ends the pass.
        {{"a.txt", "c.txt"}, {u"a.txt", u"b.txt", u"c.txt"}, 1, "", u"Error # 53", {{"P0001.txt", "a.txt"}, {"c.txt", "c.txt"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        std::filesystem::remove_all(dir.path);
        std::filesystem::create_directory(dir.path);
        for (const auto& name : c.onDisk) dir.Write(name, name);
        const Files before = dir.List();
        refused = c.refused;
        const auto pass = Pass(c.listed, c.mode, dir.path);
        EXPECT_EQ(std::pair(pass.Completed, pass.ExampleText), std::pair(c.example != u"Error # 53", c.example));
        EXPECT_EQ(dir.List(), c.after);
        EXPECT_TRUE(UndoLastPass(ws, renamer, pointer).Completed);
        EXPECT_EQ(dir.List(), before);
    }
}

TEST_F(RenamePass, UndoGoesOnPastFailuresAndASecondUndoRetriesTheRest) {
    for (const auto* name : {"a.txt", "b.txt", "c.txt"}) dir.Write(name, name);
    ASSERT_TRUE(Pass({u"a.txt", u"b.txt", u"c.txt"}, 1, dir.path).Completed);
    dir.Write("a.txt", "outsider");
    ws.LastIndex = -1;  // a double-click on the emptied list between pass and undo
    refused = "P0002.txt";
    EXPECT_EQ(UndoLastPass(ws, renamer, pointer).ExampleText, u"Error # 75");
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "outsider"}, {"a-1.txt", "a.txt"}, {"P0002.txt", "b.txt"}, {"c.txt", "c.txt"}}));
    refused.clear();
    renamer.From.clear();
    EXPECT_TRUE(UndoLastPass(ws, renamer, pointer).Completed);
    EXPECT_EQ(renamer.From, std::vector<Text>{T(dir.At("P0002.txt"))});
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "outsider"}, {"a-1.txt", "a.txt"}, {"b.txt", "b.txt"}, {"c.txt", "c.txt"}}));
}

TEST_F(RenamePass, JoinsTheDirectoryOnceAndNeverActsOnUnsafeInput) {
    renamer.TouchDisk = false;
    std::vector<Text> many;
    for (int i = 0; i < 1002; ++i) many.push_back(T(std::string("f").append(std::to_string(i))));
    struct Case { const char* dir; std::vector<Text> listed; Text example; std::size_t renames; Text firstSource; };
    const Case cases[] = {
        {"/", many, u"Some Files Were Skipped", 1001, u"/f0"},  // past the journal's end
        {"/tmp/x", {u"../up.txt", u"a/b", u".", u".."}, u"Some Files Were Skipped", 0, u""},
        {"", {u"a"}, u"Error # 76", 0, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dir);
        renamer.From.clear();
        const auto pass = Pass(c.listed, 1, c.dir);
        EXPECT_EQ(std::pair(pass.Completed, pass.ExampleText), std::pair(!c.example.starts_with(u"Error"), c.example));
        EXPECT_EQ(std::pair(renamer.From.size(), renamer.From.empty() ? u"" : renamer.From[0]), std::pair(c.renames, c.firstSource));
        EXPECT_EQ(ws.JournalLastIndex, std::min<int>(c.listed.size(), 1001) - 1);
        renamer.From.clear();
        UndoLastPass(ws, renamer, pointer);
        EXPECT_EQ(renamer.From.size(), c.renames);
    }
}
