#include <gtest/gtest.h>

#include "error_number_checks.h"
#include "naming/mask_preview.h"
#include "naming/numeric_mask.h"

using namespace morvane;

static Options Trip(const char* lettering, const char* start = "7") {
    Options options{u"Trip", u"_x", Ascii(start)};
    const std::string_view text = lettering;
    if (text == "0" || text == "1" || text == "2") options.Lettering = LetteringPosition(text[0] - '0');
    else options.OddLettering = Ascii(lettering);  // as a store edited by hand keeps it
    return options;
}

static std::string Named(const Text& mask, const char* lettering) {
    return "mask \"" + ToUtf8(mask).value_or("?").substr(0, 20) + "\", lettering " + lettering;
}

TEST(Extract, ChoosesTheModeAndPreviewsTheExample) {
    struct Row { Text mask; const char* lettering; int mode; Text example; Text maskAfter; int maskPos; };
    // Only the first 100 characters of a long mask are judged.
    const Text plain = Text(u"b").append(148, u'a') + u"c", digitAt100 = Text(99, u'a') + u"7" + Text(50, u'b');
    const Row rows[] = {
        {u"", "1", 1, u"Trip0007_x.JPG", u"", 1},                  {u"0042", "2", 2, u"Trip0042_x.JPG", u"0042", 5},
        {u"IMG", "0", 3, u"TripIMG-0007_x.JPG", u"IMG", 1},        {u"I", "1", 3, u"TripI-0007_x.JPG", u"I", 1},
        {u"IMG", "1", 4, u"Trip!MG_x.JPG", u"MG", 1},              {u"IMG", "2", 4, u"TripIM!_x.JPG", u"IM", 1},
        {u"IMG_0042", "0", 5, u"TripIMG_0042_x.JPG", u"IMG_0042", 1}, {u"G_0042", "1", 6, u"Trip!_0042_x.JPG", u"_0042", 3},
        {u"G_0042", "2", 5, u"TripG_0042_x.JPG", u"G_0042", 3},    {u"-0042", "0", 5, u"Trip-0042_x.JPG", u"-0042", 0},
        {u"-0042", "1", 6, u"Trip!0042_x.JPG", u"0042", 0},        {u"42+", "0", 5, u"Trip42+_x.JPG", u"42+", 0},
        {u"ab", "1", 4, u"Trip!b_x.JPG", u"b", 0},                 {u"12.5", "0", 2, u"Trip12.5_x.JPG", u"12.5", 0},
        {plain, "1", 4, u"Trip!" + Text(98, u'a') + u"c_x.JPG", Text(98, u'a') + u"c", 0},
        {plain, "2", 4, u"Tripb" + Text(98, u'a') + u"!_x.JPG", u"b" + Text(98, u'a'), 0},
        {digitAt100, "2", 5, u"Trip" + digitAt100 + u"_x.JPG", digitAt100, 0},
        {Text(100, u'a') + u"5", "0", 3, u"Trip" + Text(100, u'a') + u"5-0007_x.JPG", Text(100, u'a') + u"5", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Named(row.mask, row.lettering));
        const auto result = Extract({}, u"IMG_0042.JPG", row.mask, Trip(row.lettering), u'.');
        const MaskAnalysis& a = result.Analysis;
        EXPECT_EQ(std::tuple(result.Example, int(a.MaskMode), a.Mask, a.MaskPos, result.Error),
                  std::tuple(row.example, row.mode, row.maskAfter, row.maskPos, 0));
    }
}

// The example's extension is the new names' (tests/core/test_name_composer.cpp).
TEST(Extract, NumberPartOfTheExample) {
    const std::pair<const char*, Text> numbers[] = {
        {"", u"Trip0001_x"},    {"7", u"Trip0007_x"},     {"25", u"Trip0025_x"},  {"999", u"Trip0999_x"},
        {"1000", u"Trip1000_x"}, {"12345", u"Trip12345_x"}, {"07", u"Trip00007_x"}, {" 42 ", u"Trip0042_x"}};
    for (const auto& [start, example] : numbers)
        EXPECT_EQ(Extract({}, u"README", u"", Trip("0", start), u'.').Example, example) << "starting number " << start;
}

TEST(Extract, OptionThatDoesNotReadAsANumberChangesNothing) {
    const std::tuple<Text, const char*, const char*, Text> rows[] = {
        {u"IMG", "3", "7", u"Error # 13"}, {u"IMG", "x", "7", u"Error # 13"}, {u"IMG", " 1", "7", u"Trip!MG_x.png"},
        {u"0042", "-1", "7", u"Error # 13"}, {u"", "0", "-5", u"Error # 13"}, {u"I", "2", "1 2", u"Error # 13"},
        // The starting number only matters where the mode numbers the files.
        {u"0042", "0", "abc", u"Trip0042_x.png"}, {u"IMG", "1", "abc", u"Trip!MG_x.png"}};
    const MaskAnalysis before = Extract({}, u"IMG_0042.JPG", u"G_0042", Trip("1"), u'.').Analysis;
    for (const auto& [mask, lettering, start, example] : rows) {
        SCOPED_TRACE(Named(mask, lettering) + ", starting number " + start);
        const auto result = Extract(before, u"other.png", mask, Trip(lettering, start), u'.');
        const bool fails = example == u"Error # 13";
        EXPECT_EQ(std::pair(result.Example, NumberOf(result.Error)), std::pair(fails ? Text() : example, fails ? 13 : 0));
        if (!fails) continue;
        const MaskAnalysis& a = result.Analysis;
        EXPECT_EQ(std::tuple(int(a.MaskMode), a.MaskPos, a.Mask, int(a.LetteringPos)), std::tuple(6, 3, u"_0042", 1));
    }
}

// The example's date after the prefix, or the format standing for it while
// the example's date is not known.
TEST(Extract, TheExampleShowsItsDate) {
    const WallClock july14{2024, 7, 14, 10, 11, 12};
    const std::tuple<const char*, Text, DateChoice, std::optional<WallClock>, Text> rows[] = {
        {"date taken", u"", DateChoice::Taken, july14, u"Trip2024-07-14_0007_x.JPG"},
        {"date modified, pattern", u"G_0042", DateChoice::Modified, july14, u"Trip2024-07-14_G_0042_x.JPG"},
        {"date not read yet", u"IMG", DateChoice::Taken, std::nullopt, u"Tripyyyy-MM-dd_IMG-0007_x.JPG"},
        {"no date option", u"", DateChoice::None, july14, u"Trip0007_x.JPG"},
    };
    for (const auto& [name, mask, choice, date, example] : rows) {
        Options options = Trip("0");
        options.DateInName = choice;
        EXPECT_EQ(Extract({}, u"IMG_0042.JPG", mask, options, u'.', date).Example, example) << name;
    }
}

TEST(NumericMask, ReadsStrictlyInTheGivenLocale) {
    const std::tuple<Text, char16_t, bool> rows[] = {
        {u" 42 ", '.', true},    {u"12.5", '.', true},   {u"12.5", ',', false},  {u"12,5", ',', true},
        {u".5", '.', true},      {u"5.", '.', true},     {u"1E3", '.', true},    {u"3.4e38", '.', true},
        {u"3.5e38", '.', false}, {u"0e999999999999", '.', true}, {Text(39, u'9'), '.', false}, {u"+42", '.', false},
        {u"1e-3", '.', false},   {u"inf", '.', false},   {u"0x1A", '.', false},  {u".", '.', false},
        {u"1.2.3", '.', false},  {u"   ", '.', false},  {u"1e", '.', false},    {u"4 2", '.', false}};
    for (const auto& [mask, separator, numeric] : rows)
        EXPECT_EQ(IsNumericMask(mask, separator), numeric) << "mask \"" << *ToUtf8(mask) << "\" separator " << char(separator);
}
