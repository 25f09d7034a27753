// The preview of every new name against a directory's names in memory.
#include <gtest/gtest.h>

#include "error_number_checks.h"
#include "fault_injecting_renamer.h"
#include "naming/mask_preview.h"
#include "naming/name_composer.h"
#include "pass/name_snapshot.h"
#include "pass/pass_prediction.h"
#include "temp_dir.h"

using namespace morvane;

TEST(PassPrediction, PredictsEachNameWithItsNoteAndTouchesNoFile) {
    using O = PredictedOutcome;
    struct Row { const char* name; Text mask; std::vector<Text> listed; std::vector<Text> others; Options options;
                 int error; std::vector<std::tuple<Text, O, bool>> expected; };
    const Options trip{u"Trip", u"", u"1"};
    const Row rows[] = {
        {"numbers every file; an unlisted file's name gets a number added", u"", {u"a.jpg", u"b.jpg"}, {u"Trip0002.jpg"}, trip, 0,
         {{u"Trip0001.jpg", O::Renamed, false}, {u"Trip0002-1.jpg", O::NumberAdded, false}}},
        {"the rule leaves a file without the mask alone", u"IMG", {u"IMG_1.jpg", u"DSC_2.jpg"}, {}, trip, 0,
         {{u"TripIMG-0001.jpg", O::Renamed, false}, {u"DSC_2.jpg", O::KeepsItsName, false}}},
        {"a name freed by an earlier file is taken again", u"", {u"Trip0002.jpg", u"x.jpg"}, {}, trip, 0,
         {{u"Trip0001.jpg", O::Renamed, false}, {u"Trip0002.jpg", O::Renamed, false}}},
        {"a name that would leave the directory is skipped", u"", {u"a/b.jpg"}, {}, trip, 0, {{u"a/b.jpg", O::Skipped, false}}},
        {"a mask ending as the extension hides every file", u".jpg", {u"a.jpg"}, {}, {u"", u"", u"1"}, 0,
         {{u".jpg-0001.jpg", O::Renamed, true}}},
        {"a composition failure names no file", u"", {u"a.jpg"}, {}, {u"", u"", u"x"}, 13, {}},
        {"a listed file gone ends the pass", u"", {u"gone.jpg"}, {}, trip, 53, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        for (const Text& name : row.listed) if (name != u"gone.jpg" && name.find(u'/') == Text::npos) dir.Write(*ToUtf8(name), "x");
        for (const Text& name : row.others) dir.Write(*ToUtf8(name), "x");
        const Files before = dir.List();
        const Options atExtract{row.options.Prefix, row.options.Suffix, u"1", row.options.Lettering};
        const MaskAnalysis analysis = Extract({}, row.listed[0], row.mask, atExtract, u'.').Analysis;
        const NamePlan plan = ComposeNewNames(row.listed, analysis, row.options, row.listed[0]);
        auto snapshot = NameSnapshot::Read(T(dir.path));
        ASSERT_TRUE(snapshot);
        const Prediction prediction = PredictPass(plan, T(dir.path), *snapshot);
        std::vector<std::tuple<Text, O, bool>> got;
        for (const PredictedName& n : prediction.Names) got.emplace_back(n.NewName, n.Outcome, n.Hidden);
        EXPECT_EQ(std::tuple(NumberOf(prediction.Error), got, dir.List()), std::tuple(row.error, row.expected, before));
    }
}

TEST(PassPrediction, SnapshotHoldsEveryEntryAndRefusesTakenNames) {
    TempDir dir;
    dir.Write("a.txt", "a");
    dir.Write(".hidden", "h");
    std::filesystem::create_directory(dir.At("sub"));
    auto snapshot = NameSnapshot::Read(T(dir.path));
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->Size(), 3u);
    const std::tuple<const char*, std::string, std::string, int> renames[] = {
        {"onto a directory's name", "a.txt", "sub", 58}, {"onto a hidden file's name", "a.txt", ".hidden", 58},
        {"a name not there", "b.txt", "c.txt", 53}, {"out of the directory", "a.txt", "sub/a.txt", 52},
        {"to a free name", "a.txt", "b.txt", 0}, {"the old name is free again", "b.txt", "a.txt", 0}};
    for (const auto& [name, from, to, error] : renames)
        EXPECT_EQ(snapshot->Rename(T(from), T(to)), error) << name;
    EXPECT_FALSE(NameSnapshot::Read(T(dir.At("missing"))).has_value());
}

// The files a pass would not reach are named, as the list ends.
TEST(PassPrediction, NamesTheFilesPastTheLastCoveredOne) {
    const std::tuple<const char*, ErrorNumber, std::size_t, std::vector<Text>, std::vector<Text>> rows[] = {  // name, error, uncovered, listed, named
        {"the last two", ErrNone, 2, {u"a", u"b", u"c"}, {u"b", u"c"}},
        {"a failed prediction names none", ErrBadFileName, 1, {u"a", u"b"}, {}},
        {"never more than were listed", ErrNone, 5, {u"a"}, {u"a"}},
    };
    for (const auto& [name, error, uncovered, listed, named] : rows) {
        Prediction prediction;
        std::tie(prediction.Error, prediction.Uncovered) = std::tuple(error, uncovered);
        ListUncovered(prediction, listed);
        EXPECT_EQ(std::tuple(prediction.UncoveredNames, prediction.Names.size()), std::tuple(named, std::size_t{0})) << name;
    }
}

// Dated names through the pass as the preview runs it: a per-day name taken
// by another file gets its number added, a file without a date and a name
// the file system refuses are left, each saying why.
TEST(PassPrediction, DatedNamesAndNamesTheFileSystemRefuses) {
    using Dates = std::vector<std::optional<FileDate>>;
    const auto on = [](int day, bool modified = false) { return FileDate{{2024, 7, day, 9, 5, 3}, modified}; };
    struct Row { const char* name; Text format; NameCharset charset; Dates dates; std::vector<Text> expected; };
    const Row rows[] = {
        {"per day, a clash", u"dd_", NameCharset::Any, {on(14), on(15, true), on(14)},
         {u"Trip14_0001-1.jpg number added", u"Trip15_0001.jpg modified", u"Trip14_0002.jpg"}},
        {"refused on FAT, and no date", u"HH:mm_", NameCharset::Windows, {on(14), std::nullopt, on(15, true)},
         {u"a.jpg refused Trip09:05_0001.jpg", u"b.jpg skipped, no date", u"c.jpg refused Trip09:05_0001.jpg modified"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<Text> listed{u"a.jpg", u"b.jpg", u"c.jpg"};
        Options options{u"Trip", u"", u"1", LetteringPosition::None, {}, ListOrder::Name, DateChoice::Taken, row.format, true};
        const MaskAnalysis analysis = Extract({}, listed[0], u"", options, u'.').Analysis;
        NameSnapshot snapshot(u"/d", {u"a.jpg", u"b.jpg", u"c.jpg", u"Trip14_0001.jpg"});
        const NamePlan plan = ComposeNewNames(listed, analysis, options, listed[0], row.dates, row.charset);
        std::vector<Text> got;
        for (const PredictedName& n : PredictPass(plan, u"/d", snapshot).Names) {
            using enum PredictedOutcome;
            got.push_back(n.NewName + (n.Outcome == NumberAdded ? u" number added" : u"") +
                          (n.Outcome == RefusedByFileSystem ? u" refused " + n.RefusedName : u"") +
                          (n.Outcome == Skipped && n.Skip == SkipReason::NoDate ? u" skipped, no date" : u"") +
                          (n.DateModifiedUsed ? u" modified" : u""));
        }
        EXPECT_EQ(got, row.expected);
    }
}
