// What the chooser offers from a directory, in which order, and how paths are
// split and matched to their volume.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "directory_listing.h"
#include "directory_path.h"
#include "name_order.h"
#include "temp_dir.h"

using morvane::Text;
using Texts = std::vector<Text>;

TEST(DirectoryListing, OffersOrdinaryFilesAndSubdirectoriesApartAndNothingUnreadable) {
    TempDir d;
    const std::string at = d.path + "/";
    for (const char* name : {"b.txt", "img10.jpg", "A.jpg", "img9.jpg", ".hidden", "\xc3\xa9t\xc3\xa9.png",
                             "bad\xff.jpg"})
        d.Write(name, "x");
    for (const char* name : {"sub", ".git", "odd\xfe"}) mkdir((at + name).c_str(), 0755);
    ASSERT_EQ(symlink("b.txt", (at + "link-to-file").c_str()), 0);
    ASSERT_EQ(symlink("sub", (at + "link-to-dir").c_str()), 0);
    ASSERT_EQ(symlink("missing", (at + "dangling").c_str()), 0);
    mkfifo((at + "pipe").c_str(), 0644);
    const Text dir = *morvane::FromUtf8(d.path);

    EXPECT_EQ(morvane::ListFiles(dir),
              Texts({u"A.jpg", u"b.txt", u"img9.jpg", u"img10.jpg", u"link-to-file", u"\u00e9t\u00e9.png"}));
    EXPECT_EQ(morvane::ListSubdirectories(dir), Texts({u"link-to-dir", u"sub"}));
    for (const Text& bad : {dir + u"/gone", dir + u"/b.txt", dir + u"/\xDC00", Text()}) {
        EXPECT_FALSE(morvane::CanOpenDirectory(bad));
        EXPECT_TRUE(morvane::ListFiles(bad).empty() && morvane::ListSubdirectories(bad).empty());
    }
}

TEST(NameOrder, NaturalAndCaseInsensitiveWithExactTieBreak) {
    const std::pair<Text, Text> ordered[] = {
        {u"img9", u"IMG10"}, {u"apple", u"Banana"}, {u"Apple", u"apple"}, {u"a7", u"a07b"},
        {u"a07", u"a7"}, {u"file", u"file1"}, {u"x 1", u"x1"}, {u"\u00c9t\u00e9", u"\u00e9t\u00e9s"},
        {u"z99999999999999999999", u"z100000000000000000000"},
    };
    for (const auto& [before, after] : ordered) {
        EXPECT_TRUE(morvane::NameLess(before, after));
        EXPECT_FALSE(morvane::NameLess(after, before));
    }
}

TEST(DirectoryPath, AncestorsAndVolumes) {
    EXPECT_EQ(morvane::AncestorsOf(u"/"), Texts({u"/"}));
    EXPECT_EQ(morvane::AncestorsOf(u"/home/ann/pics"), Texts({u"/", u"/home", u"/home/ann", u"/home/ann/pics"}));
    const Texts roots{u"/", u"/home", u"/media/usb", u"/media/usb2"};
    const std::pair<Text, Text> cases[] = {{u"/", u"/"}, {u"/etc", u"/"}, {u"/home/ann", u"/home"},
                                           {u"/homework", u"/"}, {u"/media/usb2/x", u"/media/usb2"}};
    for (const auto& [path, volume] : cases) EXPECT_EQ(morvane::VolumeOf(path, roots), volume);
    EXPECT_EQ(morvane::VolumeOf(u"/etc", {u"/home"}), u"");
}
