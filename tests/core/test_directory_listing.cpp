// The chooser's view of a directory: which entries are offered, in which
// order, and how paths are split and matched to their volume.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "directory_listing.h"
#include "directory_path.h"
#include "name_order.h"

using morvane::Text;

namespace {

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/morvane-listing-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    const std::string& path() const { return path_; }
    Text text() const { return *morvane::FromUtf8(path_); }
    void file(const std::string& name) const { std::ofstream(path_ + "/" + name) << "x"; }
    void dir(const std::string& name) const { mkdir((path_ + "/" + name).c_str(), 0755); }

private:
    std::string path_;
};

std::vector<Text> Texts(std::initializer_list<const char16_t*> items) {
    return std::vector<Text>(items.begin(), items.end());
}

}  // namespace

TEST(DirectoryListing, OffersOrdinaryFilesAndSubdirectoriesApart) {
    TempDir d;
    d.file("b.txt");
    d.file("A.jpg");
    d.file("img10.jpg");
    d.file("img9.jpg");
    d.file(".hidden");
    d.file("\xc3\xa9t\xc3\xa9.png");  // "été.png", valid UTF-8
    d.file("bad\xff.jpg");            // not UTF-8: never offered
    d.dir("sub");
    d.dir(".git");
    d.dir("odd\xfe");
    ASSERT_EQ(symlink("b.txt", (d.path() + "/link-to-file").c_str()), 0);
    ASSERT_EQ(symlink("sub", (d.path() + "/link-to-dir").c_str()), 0);
    ASSERT_EQ(symlink("missing", (d.path() + "/dangling").c_str()), 0);
    ASSERT_EQ(mkfifo((d.path() + "/pipe").c_str(), 0644), 0);

    EXPECT_EQ(morvane::ListFiles(d.text()), Texts({u"A.jpg", u"b.txt", u"img9.jpg", u"img10.jpg", u"link-to-file", u"\u00e9t\u00e9.png"}));
    EXPECT_EQ(morvane::ListSubdirectories(d.text()), Texts({u"link-to-dir", u"sub"}));
}

TEST(DirectoryListing, DirectoryThatCannotBeOpenedGivesNothing) {
    TempDir d;
    d.file("plain");
    const Text missing = d.text() + u"/gone";
    const Text aFile = d.text() + u"/plain";
    const Text notUtf8 = d.text() + u"/\xDC00";  // a lone surrogate has no UTF-8 form
    for (const Text& path : {missing, aFile, notUtf8, Text()}) {
        EXPECT_FALSE(morvane::CanOpenDirectory(path));
        EXPECT_TRUE(morvane::ListFiles(path).empty());
        EXPECT_TRUE(morvane::ListSubdirectories(path).empty());
    }
    EXPECT_TRUE(morvane::CanOpenDirectory(d.text()));
    EXPECT_TRUE(morvane::CanOpenDirectory(u"/"));
}

TEST(NameOrder, SortsNaturallyAndIgnoresCase) {
    struct Case {
        const char16_t* before;
        const char16_t* after;
    };
    const Case cases[] = {
        {u"img2.jpg", u"img10.jpg"},    // numbers by value
        {u"img9", u"IMG10"},            // and without regard to case
        {u"apple", u"Banana"},          // letters without regard to case
        {u"Apple", u"apple"},           // equal but for case: exact order decides
        {u"a7", u"a07b"},               // leading zeros do not count
        {u"a07", u"a7"},                // equal values: exact order decides
        {u"file", u"file1"},            // a prefix first
        {u"\u00c9t\u00e9", u"\u00e9t\u00e9s"},  // Latin-1 capitals fold too
        {u"x 1", u"x1"},                // a blank before a digit
        {u"z99999999999999999999", u"z100000000000000000000"},  // beyond any integer type
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(morvane::NameLess(c.before, c.after)) << "expected before";
        EXPECT_FALSE(morvane::NameLess(c.after, c.before)) << "expected after";
    }
    EXPECT_FALSE(morvane::NameLess(u"same", u"same"));
}

TEST(DirectoryPath, AncestorsJoinAndVolume) {
    EXPECT_EQ(morvane::AncestorsOf(u"/"), Texts({u"/"}));
    EXPECT_EQ(morvane::AncestorsOf(u"/home/ann/photos"), Texts({u"/", u"/home", u"/home/ann", u"/home/ann/photos"}));
    EXPECT_TRUE(morvane::AncestorsOf(u"relative").empty());

    EXPECT_EQ(morvane::JoinPath(u"/", u"a.jpg"), u"/a.jpg");
    EXPECT_EQ(morvane::JoinPath(u"/home/ann", u"a.jpg"), u"/home/ann/a.jpg");

    const std::vector<Text> roots = Texts({u"/", u"/home", u"/media/usb", u"/media/usb2"});
    struct Case {
        const char16_t* path;
        const char16_t* volume;
    };
    const Case cases[] = {
        {u"/", u"/"},
        {u"/etc", u"/"},
        {u"/home", u"/home"},
        {u"/home/ann/photos", u"/home"},
        {u"/homework", u"/"},          // a root is matched by whole names only
        {u"/media/usb2/x", u"/media/usb2"},
        {u"/media/usb", u"/media/usb"},
    };
    for (const auto& c : cases) EXPECT_EQ(morvane::VolumeOf(c.path, roots), Text(c.volume)) << "path";
    EXPECT_EQ(morvane::VolumeOf(u"/etc", Texts({u"/home"})), u"");
}
