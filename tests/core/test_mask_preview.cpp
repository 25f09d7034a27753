#include <gtest/gtest.h>

#include "mask_preview.h"
#include "numeric_mask.h"

using namespace morvane;

static OptionTexts Trip(const char* lettering, const char* start = "7") {
    return {u"Trip", u"_x", Ascii(start), Ascii(lettering)};
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
        WorkState ws;
        const auto result = Extract(ws, u"IMG_0042.JPG", row.mask, Trip(row.lettering), u'.');
        EXPECT_EQ(std::tuple(result.Example, int(ws.MaskMode), ws.Mask, ws.MaskPos, result.EnableRename),
                  std::tuple(row.example, row.mode, row.maskAfter, row.maskPos, true));
    }
}

TEST(Extract, NumberPartAndExtensionOfTheExample) {
    const std::pair<const char*, Text> numbers[] = {
        {"", u"Trip0001_x"},    {"7", u"Trip0007_x"},     {"25", u"Trip0025_x"},  {"999", u"Trip0999_x"},
        {"1000", u"Trip1000_x"}, {"12345", u"Trip12345_x"}, {"07", u"Trip00007_x"}, {" 42 ", u"Trip0042_x"}};
    WorkState ws;
    for (const auto& [start, example] : numbers)
        EXPECT_EQ(Extract(ws, u"README", u"", Trip("0", start), u'.').Example, example) << start;
    const Text extensions[][3] = {{u"IMG_0042.JPG", u".JPG", u"JPG"}, {u"photo.2024.jpg", u".jpg", u"jpg"},
                                  {u"README", u"", u"README"}, {u"notes.", u".", u""}, {u".profile", u".profile", u"profile"}};
    for (const auto& [name, extension, current] : extensions) {
        const Text example = Extract(ws, name, u"", Trip("0"), u'.').Example;
        EXPECT_EQ(std::tuple(example, ws.Extensions[0], ws.CurrentName), std::tuple(u"Trip0007_x" + extension, extension, current));
    }
}

TEST(Extract, OptionThatDoesNotReadAsANumberChangesNothing) {
    const std::tuple<Text, const char*, const char*, Text> rows[] = {
        {u"IMG", "3", "7", u"Error # 13"}, {u"IMG", "x", "7", u"Error # 13"}, {u"", "", "7", u"Error # 13"},
        {u"0042", "-1", "7", u"Error # 13"}, {u"", "0", "-5", u"Error # 13"}, {u"I", "2", "1 2", u"Error # 13"},
        // The starting number only matters where the mode numbers the files.
        {u"0042", "0", "abc", u"Trip0042_x.png"}, {u"IMG", "1", "abc", u"Trip!MG_x.png"}};
    for (const auto& [mask, lettering, start, example] : rows) {
        WorkState ws;
        Extract(ws, u"IMG_0042.JPG", u"G_0042", Trip("1"), u'.');
        const auto result = Extract(ws, u"other.png", mask, Trip(lettering, start), u'.');
        EXPECT_EQ(std::pair(result.Example, result.EnableRename), std::pair(example, example != u"Error # 13"));
        if (result.EnableRename) continue;
        EXPECT_EQ(std::tuple(int(ws.MaskMode), ws.MaskPos, ws.Mask + ws.Extensions[0] + ws.CurrentName),
                  std::tuple(6, 3, u"_0042.JPGJPG"));
    }
}

TEST(NumericMask, ReadsStrictlyInTheGivenLocale) {
    const std::tuple<Text, char16_t, bool> rows[] = {
        {u" 42 ", '.', true},    {u"12.5", '.', true},   {u"12.5", ',', false},  {u"12,5", ',', true},
        {u".5", '.', true},      {u"5.", '.', true},     {u"1E3", '.', true},    {u"3.4e38", '.', true},
        {u"3.5e38", '.', false}, {u"0e999999999999", '.', true}, {Text(39, u'9'), '.', false}, {u"+42", '.', false},
        {u"1e-3", '.', false},   {u"inf", '.', false},   {u"0x1A", '.', false},  {u".", '.', false},
        {u"1.2.3", '.', false},  {u"   ", '.', false},  {u"1e", '.', false},    {u"4 2", '.', false}};
    for (const auto& [mask, separator, numeric] : rows) EXPECT_EQ(IsNumericMask(mask, separator), numeric) << *ToUtf8(mask);
}
