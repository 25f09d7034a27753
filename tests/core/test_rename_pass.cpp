// The rename pass and its undo on real directories. Mode 1 numbers every
// listed file P0001, P0002...; mode 2 takes the digits "12" of each name.
#include <gtest/gtest.h>

#include "error_number_checks.h"
#include "fault_injecting_renamer.h"
#include "pass/rename_pass.h"
#include "temp_dir.h"

using namespace morvane;
using Names = std::vector<std::string>;

struct RenamePass : testing::Test {
    TempDir dir;
    MaskAnalysis analysis;
    RenameJournal journal;  // the last pass's
    FaultInjectingRenamer renamer;
    std::string refused;  // the file whose renames answer 75

    RenamePass() {
        renamer.Fault = [this](const Text& from) { return !refused.empty() && from == T(refused) ? ErrCannotAccess : ErrNone; };
    }
    // a.txt, b.txt and c.txt, renamed P0001.txt... when told.
    void ThreeFiles(bool renamed = false) {
        for (const auto* name : {"a.txt", "b.txt", "c.txt"}) dir.Write(name, name);
        if (renamed) { ASSERT_EQ(Pass({u"a.txt", u"b.txt", u"c.txt"}, MaskMode::Empty, dir.path).Error, 0); }
    }
    PassResult Pass(const std::vector<Text>& listed, MaskMode mode, const std::string& path) {
        analysis.MaskMode = mode;
        analysis.Mask = u"12";
        return Run(listed, path, {u"P", u"", u"1"}, u"x12.txt", renamer);
    }
    PassResult Run(const std::vector<Text>& listed, const std::string& path, const Options& options, const Text& example,
                   FileRenamer& with) {
        PassResult result = RunRenamePass(listed, analysis, T(path), options, example, with);
        journal = result.Journal;
        return result;
    }
};

TEST_F(RenamePass, RenamesOnDiskAndUndoRestoresEveryName) {
    struct Case { const char* name; Names onDisk; std::vector<Text> listed; MaskMode mode; std::string refused; int error; bool skipped; Files after; };
    const Case cases[] = {
        {"clash numbers go before extensions of any length and restart for every file",
         {"a.jpg", "x.jpeg", "readme", "P0001.jpg", "P0001-1.jpg", "P0002.jpeg", "P0003"}, {u"a.jpg", u"x.jpeg", u"readme"}, MaskMode::Empty, "", 0, false,
         {{"P0001.jpg", "P0001.jpg"}, {"P0001-1.jpg", "P0001-1.jpg"}, {"P0001-2.jpg", "a.jpg"}, {"P0002.jpeg", "P0002.jpeg"},
          {"P0002-1.jpeg", "x.jpeg"}, {"P0003", "P0003"}, {"P0003-1", "readme"}}},
        {"a file that has its composed name stays; a name given up is taken by a later file",
         {"P0001.txt", "P0003.txt", "c.txt"}, {u"P0001.txt", u"P0003.txt", u"c.txt"}, MaskMode::Empty, "", 0, false,
         {{"P0001.txt", "P0001.txt"}, {"P0002.txt", "P0003.txt"}, {"P0003.txt", "c.txt"}}},
        {"two files composing one name", {"a12.txt", "b12.txt", "c12.jpg"}, {u"a12.txt", u"b12.txt", u"c12.jpg"}, MaskMode::Numeric, "", 0, false,
         {{"P12.txt", "a12.txt"}, {"P12-1.txt", "b12.txt"}, {"P12.jpg", "c12.jpg"}}},
        {"a refused file is skipped", {"a.txt", "b.txt", "c.txt"}, {u"a.txt", u"b.txt", u"c.txt"}, MaskMode::Empty, "b.txt", 0, true,
         {{"P0001.txt", "a.txt"}, {"b.txt", "b.txt"}, {"P0003.txt", "c.txt"}}},
        {"no mask analysed: nothing is renamed", {"a.txt"}, {u"a.txt"}, MaskMode::NotAnalysed, "", 0, false, {{"a.txt", "a.txt"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.path), std::filesystem::create_directory(dir.path);
        for (const auto& name : c.onDisk) dir.Write(name, name);
        const Files before = dir.List();
        refused = c.refused;
        const auto pass = Pass(c.listed, c.mode, dir.path);
        EXPECT_EQ(std::tuple(NumberOf(pass.Error), pass.FilesSkipped, dir.List()), std::tuple(c.error, c.skipped, c.after));
        EXPECT_EQ(UndoLastPass(journal, renamer).FirstError, 0);
        EXPECT_EQ(dir.List(), before);
    }
}

TEST_F(RenamePass, UndoGoesOnPastFailuresAndASecondUndoRetriesTheRest) {
    ASSERT_NO_FATAL_FAILURE(ThreeFiles(true));
    dir.Write("a.txt", "outsider");
    refused = "P0002.txt";
    EXPECT_EQ(UndoLastPass(journal, renamer).FirstError, 75);
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "outsider"}, {"a-1.txt", "a.txt"}, {"P0002.txt", "b.txt"}, {"c.txt", "c.txt"}}));
    EXPECT_EQ(std::tuple(journal.Entries[0].From, journal.Entries[0].State, journal.Entries[1].State, journal.Entries[2].State),
              std::tuple(u"a-1.txt", EntryState::Restored, EntryState::Renamed, EntryState::Restored));
    refused.clear(), renamer.From.clear();
    EXPECT_EQ(UndoLastPass(journal, renamer).FirstError, 0);
    EXPECT_EQ(renamer.From, std::vector<Text>{u"P0002.txt"});
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "outsider"}, {"a-1.txt", "a.txt"}, {"b.txt", "b.txt"}, {"c.txt", "c.txt"}}));
}

TEST_F(RenamePass, NeverActsOnUnsafeInputNorPastTheJournalsEnd) {
    std::vector<Text> many;
    for (int i = 0; i < 1002; ++i) many.push_back(T(std::string("f").append(std::to_string(i))));
    for (const Text& name : many) dir.Write(*ToUtf8(name), "x");
    struct Case { const char* name; std::string dir; std::vector<Text> listed; int error; bool skipped; std::size_t renames; Text firstSource; };
    const Case cases[] = {
        {"past the journal's end", dir.path, many, 0, true, 1001, u"f0"},
        {"names that leave the directory", dir.path, {u"../up.txt", u"a/b", u".", u".."}, 0, true, 0, u""},
        {"no directory", "", {u"a"}, 76, false, 0, u""},
        {"a file where the directory was", dir.At("f0"), {u"f1"}, 76, false, 0, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        renamer.From.clear();
        const auto pass = Pass(c.listed, MaskMode::Empty, c.dir);
        EXPECT_EQ(std::tuple(NumberOf(pass.Error), pass.FilesSkipped, renamer.From.size(), renamer.From.empty() ? u"" : renamer.From[0]),
                  std::tuple(c.error, c.skipped, c.renames, c.firstSource));
        renamer.From.clear();
        UndoLastPass(journal, renamer);
        EXPECT_EQ(renamer.From.size(), c.renames);
    }
}

TEST_F(RenamePass, ANumberedNameTooLongSkipsOneFile) {
    const std::string prefix(246, 'p');  // prefix + "0001.txt": 254 bytes; with "-1" 256
    for (const auto& name : {std::string("a.txt"), std::string("b.txt"), prefix + "0001.txt"}) dir.Write(name, name);
    analysis.MaskMode = MaskMode::Empty;
    const auto pass = Run({u"a.txt", u"b.txt"}, dir.path, {T(prefix), u"", u"1"}, u"", renamer);
    EXPECT_EQ(std::tuple(NumberOf(pass.Error), pass.FilesSkipped, dir.List(), pass.Skipped.Refused.size()),
              std::tuple(0, true, Files{{"a.txt", "a.txt"}, {prefix + "0001.txt", prefix + "0001.txt"}, {prefix + "0002.txt", "b.txt"}}, 1u));
    ASSERT_FALSE(pass.Skipped.Refused.empty());
    EXPECT_EQ(std::tuple(pass.Skipped.Refused[0].Cause, pass.Skipped.Refused[0].First), std::tuple(RefusalCause::NameTooLong, u"a.txt"));
}

TEST_F(RenamePass, UndoFindsEachFileByItsIdentityWhereverItIsNow) {
    ASSERT_NO_FATAL_FAILURE(ThreeFiles(true));
    std::filesystem::rename(dir.At("P0001.txt"), dir.At("by hand.txt"));  // renamed by hand since
    dir.Write("P0001.txt", "a newcomer");                                 // and its name taken by another file
    std::filesystem::rename(dir.At("P0003.txt"), dir.At("c.txt"));        // put back by hand
    EXPECT_EQ(UndoLastPass(journal, renamer).FirstError, 0);
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}, {"c.txt", "c.txt"}, {"P0001.txt", "a newcomer"}}));
}

TEST_F(RenamePass, AFileLeftUnderATemporaryNameEndsThePassAndIsJournalledThere) {
    struct Stranding : FileRenamer {
        TempDir& dir;
        explicit Stranding(TempDir& d) : dir(d) {}
        ErrorNumber Rename(const Text& from, const Text& to) override {
            const std::string at = dir.At(*ToUtf8(from));
            if (to != u"P0002.txt") return std::rename(at.c_str(), dir.At(*ToUtf8(to)).c_str()) == 0 ? ErrNone : ErrUnexpected;
            std::filesystem::rename(at, dir.At(".morvane-1-1"));
            return ErrLeftUnderTemporaryName;
        }
        Text LastTemporaryName() const override { return u".morvane-1-1"; }
    } stranding(dir);
    ThreeFiles();
    analysis.MaskMode = MaskMode::Empty;
    const auto pass = Run({u"a.txt", u"b.txt", u"c.txt"}, dir.path, {u"P", u"", u"1"}, u"", stranding);
    EXPECT_EQ(pass.Error, ErrLeftUnderTemporaryName);
    EXPECT_EQ(dir.List(), (Files{{"P0001.txt", "a.txt"}, {".morvane-1-1", "b.txt"}, {"c.txt", "c.txt"}}));
    EXPECT_EQ(UndoLastPass(journal, renamer).FirstError, 0);
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}, {"c.txt", "c.txt"}}));
}
