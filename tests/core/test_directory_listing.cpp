// What the chooser offers from a directory, in which order, and how paths are
// split and matched to their volume.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "error_number_checks.h"
#include "files/directory_listing.h"
#include "files/directory_path.h"
#include "naming/name_order.h"
#include "temp_dir.h"

using morvane::Text;
using Texts = std::vector<Text>;

TEST(DirectoryListing, OffersOrdinaryFilesAndSubdirectoriesApartAndNothingUnreadable) {
    TempDir d;
    const std::string at = d.path + "/";
    for (const char* name : {"b.txt", "img10.jpg", "A.jpg", "img9.jpg", ".hidden", "\xc3\xa9t\xc3\xa9.png", "bad\xff.jpg"}) d.Write(name, "x");
    for (const char* name : {"sub", ".git", "odd\xfe"}) mkdir((at + name).c_str(), 0755);
    for (const auto& [to, name] : {std::pair("b.txt", "link-to-file"), {"sub", "link-to-dir"}, {"missing", "dangling"}})
        ASSERT_EQ(symlink(to, (at + name).c_str()), 0) << name;
    mkfifo((at + "pipe").c_str(), 0644);
    const Text dir = *morvane::FromUtf8(d.path);

    const Texts files{u"A.jpg", u"b.txt", u"img9.jpg", u"img10.jpg", u"link-to-file", u"\u00e9t\u00e9.png"};
    const Texts subdirectories{u"link-to-dir", u"sub"};
    const auto both = morvane::ListDirectory(dir);
    EXPECT_EQ(std::tuple(both.Files, both.Subdirectories, morvane::ListFiles(dir), morvane::ListSubdirectories(dir)),
              std::tuple(files, subdirectories, files, subdirectories));
    // A NUL would end the path early, at the directory itself here.
    const Text nulInside = dir + Text(1, u'\0') + u"/sub";
    for (const Text& bad : {dir + u"/gone", dir + u"/b.txt", dir + u"/\xDC00", Text(), nulInside}) {
        const auto none = morvane::ListDirectory(bad);
        EXPECT_EQ(std::tuple(morvane::CanOpenDirectory(bad), none.Files, none.Subdirectories, morvane::ListFiles(bad), morvane::ListSubdirectories(bad)),
                  std::tuple(false, Texts(), Texts(), Texts(), Texts()));
    }
}

TEST(NameOrder, NaturalAndCaseInsensitiveWithExactTieBreak) {
    const Text nines254(254, u'9'), one255 = u"1" + Text(254, u'0'), nines255(255, u'9'), one256 = u"1" + Text(255, u'0');
    const struct { const char* Name; Text Before, After; } ordered[] = {
        {"numbers by value", u"img9", u"IMG10"},
        {"case folded", u"apple", u"Banana"},
        {"a shorter number first", u"a7", u"a07b"},
        {"a name first before its extensions", u"file", u"file1"},
        {"space before digits", u"x 1", u"x1"},
        {"digits after slash", u"a/", u"a0"},
        {"digits before colon", u"a99", u"a:"},
        {"Latin-1 folded", u"\u00c9t\u00e9", u"\u00e9t\u00e9s"},
        {"Latin-1 after ASCII", u"z", u"\u00c9a"},
        {"multiplication sign not folded", u"\u00d7b", u"\u00f7a"},
        {"sharp s not folded", u"\u00dfb", u"\u00ffa"},
        {"twenty-one digits after twenty", u"z99999999999999999999", u"z100000000000000000000"},
        {"leading zeros do not count", u"z" + Text(300, u'0') + u"9", u"z10"},
        {"255 digits after 254", nines254, one255},
        {"256 digits after 255", nines255, one256},
        {"thorn before y with diaeresis", u"\u00fez", u"\u00ff"},
        {"y with diaeresis before A with macron", u"\u00ffz", u"\u0100"},
        // Equal but for case or leading zeros: the exact text decides.
        {"tie: capital first", u"Apple", u"apple"},
        {"tie: Latin-1 capital first", u"\u00dearn", u"\u00fearn"},
        {"tie: more leading zeros first", u"a001", u"a01"},
        {"tie: leading zero first", u"a07", u"a7"},
        {"tie: zero runs", u"a0", u"a00"},
        {"tie: decided after the digits", u"x01b", u"x1B"},
    };
    for (const auto& row : ordered) {
        Texts names{row.After, row.Before, row.After};
        morvane::SortNames(names);
        EXPECT_EQ(names, Texts({row.Before, row.After, row.After})) << row.Name;
    }
}

TEST(DirectoryPath, AncestorsAndVolumes) {
    EXPECT_EQ(morvane::AncestorsOf(u"/"), Texts({u"/"}));
    EXPECT_EQ(morvane::AncestorsOf(u"/home/ann/pics"), Texts({u"/", u"/home", u"/home/ann", u"/home/ann/pics"}));
    const Texts roots{u"/", u"/home", u"/media/usb", u"/media/usb2"};
    const std::pair<Text, Text> cases[] = {{u"/", u"/"}, {u"/etc", u"/"}, {u"/home/ann", u"/home"}, {u"/homework", u"/"}, {u"/media/usb2/x", u"/media/usb2"}};
    for (const auto& [path, volume] : cases) EXPECT_EQ(morvane::VolumeOf(path, roots), volume);
}
