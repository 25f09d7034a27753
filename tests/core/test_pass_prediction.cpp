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
    EXPECT_FALSE(NameSnapshot::Read(u"/nonexistent/folder").has_value()) << "a folder gone is no empty folder";
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
