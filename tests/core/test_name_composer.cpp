#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "error_number_checks.h"
#include "naming/date_format.h"
#include "naming/file_name_rules.h"
#include "naming/mask_preview.h"
#include "naming/name_composer.h"
#include "naming/running_number.h"

using namespace morvane;

static const Options kTrip{u"Trip", u"_x", u"7"};

// "Extract" on example with mask, then the composition over files: its error
// number and each file's new name with extension, or "keeps"; with dates,
// "no date", "refused NAME" where the file system refuses it, " (modified)"
// after a name dated by its modification time.
static std::pair<int, std::vector<Text>> Compose(const Text& mask, const char* lettering, const Text& example,
                                                 const std::vector<Text>& files, const Options& options = kTrip,
                                                 const Text& exampleAtPass = u"",
                                                 const std::vector<std::optional<FileDate>>& dates = {},
                                                 NameCharset charset = NameCharset::Any) {
    const Options extracted{u"Trip", u"_x", u"7", LetteringPosition(lettering[0] - '0')};
    const MaskAnalysis analysis = Extract({}, example, mask, extracted, u'.').Analysis;
    const NamePlan plan =
        ComposeNewNames(files, analysis, options, exampleAtPass.empty() ? example : exampleAtPass, dates, charset);
    std::vector<Text> names;
    for (const PlannedName& entry : plan.Entries)
        names.push_back(entry.Skip == SkipReason::RefusedCharacter ? u"refused " + entry.Target()
                        : entry.Skip == SkipReason::NoDate          ? Text(u"no date")
                        : entry.Action == PlanAction::Keep          ? Text(u"keeps")
                                                                    : entry.Target() + (entry.DateModifiedUsed ? u" (modified)" : u""));
    return {NumberOf(plan.Error), plan.Error != ErrNone ? std::vector<Text>{} : names};
}

TEST(ComposeNewNames, EachModeNamesTheListedFiles) {
    struct Row { Text mask; const char* lettering; Text example; std::vector<Text> files, expected; };
    const Row rows[] = {
        {u"", "0", u"any", {u"a.jpg", u"b.png", u"c", u".profile", u"notes."},
         {u"Trip0007_x.jpg", u"Trip0008_x.png", u"Trip0009_x", u"Trip0010_x.profile", u"Trip0011_x."}},
        {u"0042", "0", u"IMG_0042.JPG", {u"IMG_0043.JPG", u"DSC_1234.JPG", u"IMG_12.JPG", u"IMG_AB12.JPG", u"IMG_004.JPG"},
         {u"Trip0043_x.JPG", u"Trip1234_x.JPG", u"keeps", u"keeps", u"keeps"}},
        {u"2024", "0", u"holiday.2024.jpg", {u"holiday.2025.jpg"}, {u"Trip2025_x.jpg"}},
        {u"IMG", "0", u"IMG_0042.JPG", {u"IMG_0042.JPG", u"DSC_0001.JPG", u"old_IMG.png", u"img_0001.jpg"},
         {u"TripIMG-0007_x.JPG", u"keeps", u"TripIMG-0008_x.png", u"keeps"}},
        {u"I", "1", u"IMG_0042.JPG", {u"IMG_0042.JPG"}, {u"TripI-0007_x.JPG"}},
        {u"JPG", "0", u"a.JPG", {u"a.JPG", u"b.jpg"}, {u"TripJPG-0007_x.JPG", u"keeps"}},
        {u"aScan", "1", u"aScan.tif", {u"bScan.tif", u"Notes.txt"}, {u"TripbScan_x.tif", u"keeps"}},
        {u"Scana", "2", u"Scana.tif", {u"Scanb.tif", u"Scan.tif", u"xScan"},
         {u"TripScanb_x.tif", u"TripScan._x.tif", u"TripScan_x"}},
        {u"IMG_0042", "0", u"IMG_0042.JPG", {u"IMG_0057.JPG", u"IMG-0057.JPG", u"img_0057.jpg"},
         {u"TripIMG_0057_x.JPG", u"keeps", u"keeps"}},
        {u"G_0042", "2", u"IMG_0042.JPG", {u"IMG_0099.JPG", u"IMX_0099.JPG"}, {u"TripG_0099_x.JPG", u"keeps"}},
        {u"01a", "2", u"scan01a.tif", {u"scan01b.tif", u"scan02a.tif", u"scan1a.tif", u"scanXYa.tif", u"scan019.tif"},
         {u"Trip01b_x.tif", u"Trip02a_x.tif", u"keeps", u"keeps", u"Trip019_x.tif"}},
        {u"G_0042", "1", u"IMG_0042.JPG", {u"IMX_0099.JPG"}, {u"TripX_0099_x.JPG"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Compose(row.mask, row.lettering, row.example, row.files), std::pair(0, row.expected))
            << "mask \"" << *ToUtf8(row.mask) << "\", lettering " << row.lettering;
}

// A day of July 2024 at 09:05:03, as a camera writes it.
static std::optional<FileDate> July(int day, bool modified = false) {
    return FileDate{{2024, 7, day, 9, 5, 3}, modified};
}

// The composition with each file's date: every mode's name takes it in one
// place, reached here from a numbered, a taken and a masked mode.
TEST(ComposeNewNames, TheDateAfterThePrefixInEveryModeAndNumbersPerDay) {
    using Dates = std::vector<std::optional<FileDate>>;
    struct Row {
        const char* name; Text mask; const char* lettering; Text example; std::vector<Text> files; Dates dates;
        std::vector<Text> expected; Text format = DefaultDateFormat; bool perDay = false;
        DateChoice choice = DateChoice::Taken; NameCharset charset = NameCharset::Any;
    };
    const Dates two{July(14), July(15)};
    const Row rows[] = {
        {"mode 1", u"", "0", u"a", {u"a.jpg", u"b.png"}, two, {u"Trip2024-07-14_0007_x.jpg", u"Trip2024-07-15_0008_x.png"}},
        {"mode 2", u"0042", "0", u"IMG_0042.JPG", {u"IMG_0043.JPG", u"DSC_1.JPG"}, two, {u"Trip2024-07-14_0043_x.JPG", u"keeps"}},
        {"mode 3", u"IMG", "0", u"IMG_0042.JPG", {u"DSC_0001.JPG", u"IMG_0042.JPG"}, two, {u"keeps", u"Trip2024-07-15_IMG-0007_x.JPG"}},
        {"modified date flagged", u"", "0", u"a", {u"a.jpg"}, {July(14, true)}, {u"Trip2024-07-14_0007_x.jpg (modified)"}},
        {"per day, across days", u"", "0", u"a", {u"a", u"b", u"c", u"d"}, {July(14), July(14), July(15), July(15)},
         {u"Trip14_0007_x", u"Trip14_0008_x", u"Trip15_0007_x", u"Trip15_0008_x"}, u"dd_", true},
        {"per day, another day in between", u"IMG", "0", u"IMG", {u"IMG_1", u"IMG_2", u"IMG_3"}, {July(14), July(15), July(14)},
         {u"Trip14_IMG-0007_x", u"Trip15_IMG-0007_x", u"Trip14_IMG-0008_x"}, u"dd_", true},
        {"per day by the day the format does not show", u"", "0", u"a", {u"a", u"b"}, two,
         {u"Trip09_0007_x", u"Trip09_0007_x"}, u"HH_", true},
        {"without per day, one count", u"", "0", u"a", {u"a", u"b", u"c"}, {July(14), July(15), July(14)},
         {u"Trip14_0007_x", u"Trip15_0008_x", u"Trip14_0009_x"}, u"dd_"},
        {"no date: skipped, no number taken", u"", "0", u"a", {u"a", u"b", u"c"}, {July(14), std::nullopt, July(14)},
         {u"Trip14_0007_x", u"no date", u"Trip14_0008_x"}, u"dd_", true},
        {"fewer dates than files", u"", "0", u"a", {u"a", u"b"}, {July(14)}, {u"Trip14_0007_x", u"no date"}, u"dd_"},
        {"a kept file needs no date", u"IMG", "0", u"IMG", {u"DSC", u"IMG"}, {std::nullopt, July(14)},
         {u"keeps", u"Trip14_IMG-0007_x"}, u"dd_"},
        {"no date option: dates not looked at", u"", "0", u"a", {u"a", u"b"}, {}, {u"Trip0007_x", u"Trip0008_x"},
         DefaultDateFormat, true, DateChoice::None},
        {"a colon refused on FAT", u"", "0", u"a", {u"a.jpg", u"b.jpg"}, two,
         {u"refused Trip09:05_0007_x.jpg", u"refused Trip09:05_0008_x.jpg"}, u"HH:mm_", false, DateChoice::Taken,
         NameCharset::Windows},
        {"a colon taken elsewhere", u"", "0", u"a", {u"a.jpg"}, two, {u"Trip09:05_0007_x.jpg"}, u"HH:mm_"},
    };
    for (const Row& row : rows) {
        Options options = kTrip;
        std::tie(options.DateInName, options.DateFormat, options.NumberPerDay) = std::tuple(row.choice, row.format, row.perDay);
        EXPECT_EQ(Compose(row.mask, row.lettering, row.example, row.files, options, u"", row.dates, row.charset),
                  std::pair(0, row.expected)) << row.name;
    }
}

TEST(ComposeNewNames, FailsByNumberBeforeAnyFileIsTouched) {
    const std::tuple<const char*, int, int> rows[] = {
        {"mode 4, nothing in front of the mask", Compose(u"aScan", "1", u"aScan.tif", {u"bScan.tif", u"Scan.tif"}).first, 5},
        // The numeric mask is gone from the example: only names of at least L-1 characters fail.
        {"numeric mask gone, names too short", Compose(u"0042", "0", u"IMG_0042.JPG", {u"AB.JPG"}, kTrip, u"DSC_1.JPG").first, 0},
        {"numeric mask gone, a name long enough", Compose(u"0042", "0", u"IMG_0042.JPG", {u"AB.JPG", u"ABC.JPG"}, kTrip, u"DSC_1.JPG").first, 5},
        {"pattern mask not in the example", Compose(u"X_0042", "0", u"IMG_0042.JPG", {u"IMG_0042.JPG"}).first, 5},
        {"mode 1, starting number not a number", Compose(u"", "0", u"a", {u"a"}, {u"", u"", u"abc"}).first, 13},
        {"mode 5 does not read the number", Compose(u"IMG_0042", "0", u"IMG_0042.JPG", {u"a"}, {u"", u"", u"x"}).first, 0},
    };
    for (const auto& [name, error, expected] : rows) EXPECT_EQ(error, expected) << name;
}

// A refused name says which text it was and why, so that the window can say
// it in words; every file is refused with it.
TEST(ComposeNewNames, RefusesUnsafeNamesSayingWhichPartAndWhy) {
    using F = NameFault;
    using P = NamePart;
    struct Row { const char* name; Text mask; std::vector<Text> files; Options options; P part; F fault; Text refused; };
    const Text nul(1, u'\0');
    const auto dated = [](const Text& format) { return Options{u"", u"", u"1", LetteringPosition::None, {}, ListOrder::Name, DateChoice::Taken, format}; };
    const Row rows[] = {
        {"prefix leaves the directory", u"", {u"a.jpg"}, {u"../", u"", u"1"}, P::Prefix, F::Slash, u"../"},
        {"suffix holds NUL", u"", {u"a.jpg"}, {u"", u"x" + nul, u"1"}, P::Suffix, F::Nul, u"x" + nul},
        {"prefix first when both are bad", u"", {u"a.jpg"}, {u"a/", u"b/", u"1"}, P::Prefix, F::Slash, u"a/"},
        {"prefix refused though the rule keeps every file", u"IMG", {u"b.png"}, {u"../", u"", u"1"}, P::Prefix,
         F::Slash, u"../"},
        {"new name of 256 bytes", u"", {u"a.jpg"}, {Text(124, u'\u00e9'), u"", u"1"}, P::NewName, F::TooLong,
         Text(124, u'\u00e9') + u"0001.jpg"},
        {"new name of 254 bytes is taken", u"", {u"a.jpg"}, {Text(123, u'\u00e9'), u"", u"1"}, P::None, F::None, u""},
        {"new name with a lone surrogate", u"", {u"a.jpg"}, {Text(1, u'\xD800'), u"", u"1"}, P::NewName, F::NotUtf8,
         Text(1, u'\xD800') + u"0001.jpg"},
        {"date format holds a slash", u"", {u"a.jpg"}, dated(u"dd/MM"), P::DateFormat, F::Slash, u"dd/MM"},
        {"date format holds NUL", u"", {u"a.jpg"}, dated(u"dd" + nul), P::DateFormat, F::Nul, u"dd" + nul},
        {"empty date format", u"IMG", {u"b.png"}, dated(u""), P::DateFormat, F::Empty, u""},
        {"date format not looked at without a date", u"", {u"a.jpg"}, {u"", u"", u"1", LetteringPosition::None, {}, ListOrder::Name,
         DateChoice::None, u"/"}, P::None, F::None, u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MaskAnalysis analysis = Extract({}, row.files[0], row.mask, {u"", u"", u"1"}, u'.').Analysis;
        const NamePlan plan = ComposeNewNames(row.files, analysis, row.options, row.files[0]);
        // A refused plan names no file.
        EXPECT_EQ(std::tuple(NumberOf(plan.Error), plan.Refused.Part, plan.Refused.Fault, plan.Refused.Name,
                             row.part != P::None && !plan.Entries.empty()),
                  std::tuple(row.part == P::None ? 0 : 52, row.part, row.fault, row.refused, false));
    }
}

TEST(FileNameRules, NamesTheFaultOfATextAsNameAndAsPartOfOne) {
    using F = NameFault;
    struct Row { const char* name; Text text; F asName, asFragment; };
    const Row rows[] = {
        {"empty", u"", F::Empty, F::None},
        {"dot", u".", F::DotName, F::None},
        {"dot dot", u"..", F::DotName, F::None},
        {"three dots are a name", u"...", F::None, F::None},
        {"slash", u"a/b", F::Slash, F::Slash},
        {"NUL", Text(u"a\0b", 3), F::Nul, F::Nul},
        {"NUL before slash", Text(u"\0/", 2), F::Nul, F::Nul},
        {"lone surrogate", Text(1, u'\xDC00'), F::NotUtf8, F::None},
        {"255 bytes", Text(85, u'\u20ac'), F::None, F::None},
        {"256 bytes", Text(85, u'\u20ac') + u"x", F::TooLong, F::None},
    };
    for (const Row& row : rows)
        EXPECT_EQ(std::pair(FileNameFault(row.text), FragmentFault(row.text)), std::pair(row.asName, row.asFragment))
            << row.name;
}

TEST(DateFormat, WritesEachFieldAndRefusesWhatNoNameMayHold) {
    struct Row { const char* name; Text format; WallClock when; Text written; NameFault fault; };
    const WallClock day{2024, 7, 4, 9, 5, 3};
    const Row rows[] = {
        {"year of two digits", u"yy", {2005, 1, 1}, u"05", NameFault::None},
        {"small year padded", u"yyyy", {33, 1, 1}, u"0033", NameFault::None},
        {"hour", u"HH", {2024, 1, 1, 23}, u"23", NameFault::None},
        {"leap second", u"ss", {2016, 12, 31, 23, 59, 60}, u"60", NameFault::None},
        {"lone letters and others are literal", u"y M d H m s D Y h \u00e9:", day, u"y M d H m s D Y h \u00e9:", NameFault::None},
        {"longest field first", u"yyyyyMMMddd", day, u"2024y07M04d", NameFault::None},
        {"empty", u"", day, u"", NameFault::Empty},
        {"slash", u"yyyy/MM", day, u"2024/07", NameFault::Slash},
        {"NUL", Text(u"dd\0", 3), day, Text(u"04\0", 3), NameFault::Nul},
    };
    for (const Row& row : rows)
        EXPECT_EQ(std::pair(FormatDate(row.format, row.when), DateFormatFault(row.format)), std::pair(row.written, row.fault))
            << row.name;
}

TEST(FileNameRules, TheNamesAWindowsFileSystemRefuses) {
    const std::pair<Text, bool> rows[] = {
        {u"IMG 2024-07-14 (1).jpg", false}, {u".profile", false}, {u"a:b", true}, {u"a\\b", true}, {u"a*b", true},
        {u"a?b", true}, {u"a\"b", true}, {u"a<b", true}, {u"a>b", true}, {u"a|b", true}, {u"a\x1f", true},
        {u"notes.", true}, {u"notes ", true}, {u"\u00e9t\u00e9", false}};
    for (const auto& [name, refused] : rows) {
        EXPECT_EQ(std::tuple(CharsetRefuses(NameCharset::Windows, name), CharsetRefuses(NameCharset::Any, name)),
                  std::tuple(refused, false)) << *ToUtf8(name);
    }
}

TEST(RunningNumber, PadsByValueAndStepsAnyLength) {
    const Text rows[][3] = {{u"0", u"000", u"1"}, {u"9", u"000", u"10"}, {u"99", u"00", u"100"}, {u"999", u"0", u"1000"},
                            {u"1000", u"", u"1001"}, {u"007", u"000", u"8"}, {u"99999999999999999999", u"", u"100000000000000000000"}};
    for (const auto& [number, pad, next] : rows)
        EXPECT_EQ(std::pair(ZeroPadFor(number), NextNumber(number)), std::pair(pad, next)) << "number " << *ToUtf8(number);
}
