#include <gtest/gtest.h>

#include <vector>

#include "error_numbers.h"
#include "file_name_rules.h"
#include "mask_preview.h"
#include "name_composer.h"
#include "running_number.h"

using namespace morvane;

namespace {

struct Outcome {
    int error = 0;
    std::vector<Text> names;  // new name with extension, or "keeps"
};

// "Extract" on example with mask, then the composition over files.
Outcome RunPass(const Text& mask, const char* lettering, const Text& example, const std::vector<Text>& files,
                OptionTexts options = {u"Trip", u"_x", u"7", u""}, const Text* exampleAtPass = nullptr) {
    Outcome pass;
    WorkState ws;
    Extract(ws, example, mask, {u"Trip", u"_x", u"7", Ascii(lettering)}, u'.');
    for (std::size_t i = 0; i < files.size(); ++i) ws.OldNames[i] = files[i];
    pass.error = ComposeNewNames(ws, static_cast<int>(files.size()), options,
                                 exampleAtPass ? *exampleAtPass : example);
    for (std::size_t i = 0; i < files.size(); ++i)
        pass.names.push_back(ws.NewNames[i] == files[i] ? Text(u"keeps")
                                                        : ws.NewNames[i] + ws.Extensions[i]);
    return pass;
}

}  // namespace

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
    for (const auto& row : rows) {
        const auto pass = RunPass(row.mask, row.lettering, row.example, row.files);
        EXPECT_EQ(pass.error, ErrNone) << *ToUtf8(row.mask);
        EXPECT_EQ(pass.names, row.expected) << *ToUtf8(row.mask);
    }
    const auto padded = RunPass(u"", "0", u"x", {u"a", u"b"}, {u"", u"", u"007", u""});
    EXPECT_EQ(padded.names, (std::vector<Text>{u"000007", u"0008"}));
}

TEST(ComposeNewNames, FailsByNumberBeforeAnyFileIsTouched) {
    const OptionTexts trip{u"Trip", u"_x", u"7", u""};
    const Text absent = u"DSC_1.JPG";
    struct Row { const char* what; int got; int error; };
    const Row rows[] = {
        {"nothing in front of the mask", RunPass(u"aScan", "1", u"aScan.tif", {u"bScan.tif", u"Scan.tif"}).error, 5},
        {"numeric mask gone, short names", RunPass(u"0042", "0", u"IMG_0042.JPG", {u"AB.JPG"}, trip, &absent).error, 0},
        {"numeric mask gone, L-1 long", RunPass(u"0042", "0", u"IMG_0042.JPG", {u"AB.JPG", u"ABC.JPG"}, trip, &absent).error, 5},
        {"pattern mask not in example", RunPass(u"X_0042", "0", u"IMG_0042.JPG", {u"IMG_0042.JPG"}).error, 5},
        {"start not a number, mode 1", RunPass(u"", "0", u"a", {u"a"}, {u"", u"", u"abc", u""}).error, 13},
        {"start not a number, mode 3", RunPass(u"IMG", "0", u"IMG", {u"b"}, {u"", u"", u"-1", u""}).error, 13},
        {"start not a number, no files", RunPass(u"", "0", u"a", {}, {u"", u"", u"abc", u""}).error, 0},
        {"start not used by mode 5", RunPass(u"IMG_0042", "0", u"IMG_0042.JPG", {u"a"}, {u"", u"", u"x", u""}).error, 0},
        {"prefix leaves the directory", RunPass(u"", "0", u"a", {u"a.jpg"}, {u"../", u"", u"", u""}).error, 52},
        {"slash in suffix", RunPass(u"", "0", u"a", {u"a.jpg"}, {u"", u"/x", u"", u""}).error, 52},
        {"256 bytes", RunPass(u"", "0", u"a", {u"a"}, {Text(252, u'a'), u"", u"", u""}).error, 52},
        {"kept names are not judged", RunPass(u"IMG", "0", u"IMG", {u"b.png"}, {u"../", u"", u"", u""}).error, 0},
    };
    for (const auto& row : rows) EXPECT_EQ(row.got, row.error) << row.what;

    WorkState fresh;  // no "Extract" yet: every file keeps its name
    fresh.OldNames[0] = u"a.jpg";
    EXPECT_EQ(ComposeNewNames(fresh, 1, trip, u"a.jpg"), ErrNone);
    EXPECT_EQ(fresh.NewNames[0] + fresh.Extensions[0], u"a.jpg.jpg");
}

TEST(RunningNumber, PadsByValueAndStepsAnyLength) {
    const Text rows[][3] = {{u"0", u"000", u"1"}, {u"9", u"000", u"10"}, {u"10", u"00", u"11"}, {u"99", u"00", u"100"},
                            {u"100", u"0", u"101"}, {u"999", u"0", u"1000"}, {u"1000", u"", u"1001"}, {u"007", u"000", u"8"},
                            {u"99999999999999999999", u"", u"100000000000000000000"}};
    for (const auto& [number, pad, next] : rows) {
        EXPECT_EQ(ZeroPadFor(number), pad) << *ToUtf8(number);
        EXPECT_EQ(NextNumber(number), next) << *ToUtf8(number);
    }
}

TEST(FileNameRules, JudgesPlainNames) {
    const std::pair<Text, bool> names[] = {
        {u"", false},   {u".", false}, {u"..", false}, {u"a/b", false}, {Text(u"a\0b", 3), false},
        {u"...", true}, {u".hidden", true}, {Text(255, u'a'), true}, {Text(256, u'a'), false},
        {Text(127, u'\u00e9'), true}, {Text(128, u'\u00e9'), false}, {Text(1, char16_t(0xDC00)), false}};
    for (const auto& [name, plain] : names) EXPECT_EQ(IsPlainFileName(name), plain) << name.size();
}
