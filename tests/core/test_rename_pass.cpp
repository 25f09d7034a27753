// The rename pass and its undo on real directories. Mode 1 numbers every
// listed file P0001, P0002...; mode 2 takes the digits "12" of each name.
#include <gtest/gtest.h>

#include "fault_injecting_renamer.h"
#include "rename_pass.h"
#include "temp_dir.h"

using namespace morvane;
using Names = std::vector<std::string>;

namespace {

Text T(const std::string& s) { return *FromUtf8(s); }

struct RenamePass : testing::Test {
    TempDir dir;
    WorkState ws;
    FaultInjectingRenamer renamer;
    RecordingPointer pointer;
    OptionTexts options{u"P", u"", u"1", u"0"};
    std::string refused;  // the file whose renames answer 75

    RenamePass() {
        renamer.Fault = [this](const Text& from) {
            EXPECT_EQ(pointer.Current, PointerBusy);
            return !refused.empty() && from.ends_with(T("/" + refused)) ? 75 : 0;
        };
    }
    PassOutcome Pass(const Names& listed, int mode, const char* path = nullptr) {
        std::vector<Text> entries;
        for (const auto& name : listed) entries.push_back(T(name));
        ws.MaskMode = static_cast<std::int16_t>(mode);
        ws.Mask = u"12";
        const auto out = RunRenamePass(ws, entries, T(path ? path : dir.path), options, u"x12.txt", renamer, pointer);
        EXPECT_EQ(pointer.Current, 3);
        return out;
    }
    UndoOutcome Undo() {
        const auto out = UndoLastPass(ws, renamer, pointer);
        EXPECT_EQ(pointer.Current, 3);
        return out;
    }
};

}  // namespace

TEST_F(RenamePass, RenamesOnDiskAndUndoRestoresEveryName) {
    const struct {
        const char* Name;
        Names OnDisk, Listed;
        int Mode;
        std::string Refused;
        Text Example;
        Files After;
    } cases[] = {
        {"numbers restart for every file", {"a.jpg", "b.jpg", "P0001.jpg", "P0001-1.jpg", "P0002.jpg"}, {"a.jpg", "b.jpg"}, 1, "", u"",
         {{"P0001.jpg", "P0001.jpg"}, {"P0001-1.jpg", "P0001-1.jpg"}, {"P0001-2.jpg", "a.jpg"}, {"P0002.jpg", "P0002.jpg"}, {"P0002-1.jpg", "b.jpg"}}},
        {"number before extensions of any length", {"x.jpeg", "readme", "P0001.jpeg", "P0002"}, {"x.jpeg", "readme"}, 1, "", u"",
         {{"P0001.jpeg", "P0001.jpeg"}, {"P0001-1.jpeg", "x.jpeg"}, {"P0002", "P0002"}, {"P0002-1", "readme"}}},
        {"a file that has its composed name stays", {"P0001.txt", "b.txt"}, {"P0001.txt", "b.txt"}, 1, "", u"",
         {{"P0001.txt", "P0001.txt"}, {"P0002.txt", "b.txt"}}},
        {"a name given up is taken by a later file", {"P0002.txt", "c.txt"}, {"P0002.txt", "c.txt"}, 1, "", u"",
         {{"P0001.txt", "P0002.txt"}, {"P0002.txt", "c.txt"}}},
        {"several dots and a leading dot", {".profile", "a.b.c"}, {".profile", "a.b.c"}, 1, "", u"",
         {{"P0001.profile", ".profile"}, {"P0002.c", "a.b.c"}}},
        {"two files compose the same name", {"a12.txt", "b12.txt", "c12.jpg"}, {"a12.txt", "b12.txt", "c12.jpg"}, 2, "", u"",
         {{"P12.txt", "a12.txt"}, {"P12-1.txt", "b12.txt"}, {"P12.jpg", "c12.jpg"}}},
        {"a file that refuses is skipped", {"a.txt", "b.txt", "c.txt"}, {"a.txt", "b.txt", "c.txt"}, 1, "b.txt", u"Some Files Were Skipped",
         {{"P0001.txt", "a.txt"}, {"b.txt", "b.txt"}, {"P0003.txt", "c.txt"}}},
        {"a file deleted after listing ends the pass", {"a.txt", "c.txt"}, {"a.txt", "b.txt", "c.txt"}, 1, "", u"Error # 53",
         {{"P0001.txt", "a.txt"}, {"c.txt", "c.txt"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove_all(dir.path);
        std::filesystem::create_directory(dir.path);
        for (const auto& name : c.OnDisk) dir.Write(name, name);
        const Files before = dir.List();
        refused = c.Refused;
        const auto pass = Pass(c.Listed, c.Mode);
        EXPECT_EQ(pass.Completed, c.Example != u"Error # 53");
        EXPECT_EQ(pass.ExampleText, c.Example);
        EXPECT_EQ(dir.List(), c.After);
        EXPECT_TRUE(Undo().Completed);
        EXPECT_EQ(dir.List(), before);
    }
}

TEST_F(RenamePass, UndoGoesOnPastFailuresAndASecondUndoRetriesTheRest) {
    for (const auto* name : {"a.txt", "b.txt", "c.txt"}) dir.Write(name, name);
    ASSERT_TRUE(Pass({"a.txt", "b.txt", "c.txt"}, 1).Completed);
    dir.Write("a.txt", "outsider");
    ws.LastIndex = -1;  // a double-click on the emptied list between pass and undo
    refused = "P0002.txt";
    EXPECT_EQ(Undo().ExampleText, u"Error # 75");
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "outsider"}, {"a-1.txt", "a.txt"}, {"P0002.txt", "b.txt"}, {"c.txt", "c.txt"}}));
    refused.clear();
    renamer.From.clear();
    EXPECT_TRUE(Undo().Completed);
    EXPECT_EQ(renamer.From, std::vector<Text>{T(dir.At("P0002.txt"))});
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "outsider"}, {"a-1.txt", "a.txt"}, {"b.txt", "b.txt"}, {"c.txt", "c.txt"}}));
}

TEST_F(RenamePass, JoinsTheDirectoryOnceAndNeverActsOnUnsafeInput) {
    renamer.TouchDisk = false;
    Names many;
    for (int i = 0; i < 1002; ++i) many.push_back("f" + std::to_string(i));
    const struct {
        const char* Dir;
        Names Listed;
        Text Prefix, Start;
        int Mode;
        Text Example;
        std::size_t Renames;
        Text FirstSource;
    } cases[] = {
        {"/", many, u"P", u"1", 1, u"Some Files Were Skipped", 1001, u"/f0"},
        {"/tmp/x/", {"f0"}, u"P", u"1", 1, u"", 1, u"/tmp/x/f0"},
        {"/tmp/x", {"../up.txt", "a/b", ".", ".."}, u"P", u"1", 1, u"Some Files Were Skipped", 0, u""},
        {"", {"a"}, u"P", u"1", 1, u"Error # 76", 0, u""},
        {"/tmp/x", {"a"}, u"../", u"1", 1, u"Error # 52", 0, u""},
        {"/tmp/x", {"a"}, u"P", u"x", 1, u"Error # 13", 0, u""},
        {"/tmp/x", {"a"}, u"P", u"1", 0, u"", 0, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Dir << " " << c.Listed[0]);
        renamer.From.clear();
        options.Prefix = c.Prefix;
        options.StartNumber = c.Start;
        const auto pass = Pass(c.Listed, c.Mode, c.Dir);
        EXPECT_EQ(pass.Completed, !c.Example.starts_with(u"Error"));
        EXPECT_EQ(pass.ExampleText, c.Example);
        EXPECT_EQ(renamer.From.size(), c.Renames);
        EXPECT_EQ(renamer.From.empty() ? u"" : renamer.From[0], c.FirstSource);
        EXPECT_EQ(ws.JournalLastIndex, std::min<int>(c.Listed.size(), 1001) - 1);
        renamer.From.clear();
        Undo();
        EXPECT_EQ(renamer.From.size(), c.Renames);
    }
}
