// Which paths from the command line or a drop are taken, and in which order.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "error_number_checks.h"
#include "files/file_choice.h"
#include "temp_dir.h"

using morvane::FileChoice;
using morvane::Text;
using Kind = FileChoice::Kind;
using Texts = std::vector<Text>;

namespace {

std::string RealPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&free)> real(realpath(path.c_str(), nullptr), &free);
    return real ? real.get() : "";
}

// Runs the rows from inside the temporary directory, so that relative paths
// mean something; "$" at the start of a path stands for that directory.
struct InDirectory {
    explicit InDirectory(const std::string& dir) : saved(RealPath(".")) { EXPECT_EQ(chdir(dir.c_str()), 0); }
    ~InDirectory() { EXPECT_EQ(chdir(saved.c_str()), 0); }
    std::string saved;
};

std::vector<std::string> Expand(const std::vector<std::string>& paths, const std::string& root) {
    std::vector<std::string> out;
    for (const std::string& p : paths) out.push_back(!p.empty() && p[0] == '$' ? root + p.substr(1) : p);
    return out;
}

}  // namespace

TEST(FileChoice, TakesWhatTheChooserOffersFromTheFirstFilesDirectory) {
    TempDir d;
    const std::string root = RealPath(d.path);
    for (const char* dir : {"files", "files/sub", "other"}) mkdir(d.At(dir).c_str(), 0755);
    for (const char* name : {"files/IMG_10.JPG", "files/IMG_9.JPG", "files/img_2.jpg", "files/.hidden",
                             "files/bad\xff.jpg", "files/sub/inner.txt", "other/x.jpg"})
        d.Write(name, name);
    ASSERT_EQ(symlink("../other/x.jpg", d.At("files/link.jpg").c_str()), 0);
    ASSERT_EQ(symlink("gone", d.At("files/dangling.jpg").c_str()), 0);
    ASSERT_EQ(symlink("files", d.At("files-link").c_str()), 0);
    mkfifo(d.At("files/pipe").c_str(), 0644);
    const Files before = FilesIn(d.At("files"));
    const Text files = *morvane::FromUtf8(root + "/files");
    const int offered = 4;  // IMG_10, IMG_9, img_2 and the link; no hidden, not-UTF-8 or other entry

    struct Row { const char* name; std::vector<std::string> paths; Kind what; Text dir; Texts names; bool skipped; };
    const Row rows[] = {
        {"no paths", {}, Kind::Nothing, u"", {}, false},
        {"natural order, not argument order", {"files/IMG_10.JPG", "files/img_2.jpg", "files/IMG_9.JPG"},
         Kind::Files, files, {u"img_2.jpg", u"IMG_9.JPG", u"IMG_10.JPG"}, false},
        {"absolute and roundabout paths, one file named twice", {"files/IMG_9.JPG", "$/files/IMG_9.JPG",
         "./other/../files//img_2.jpg"}, Kind::Files, files, {u"img_2.jpg", u"IMG_9.JPG"}, false},
        {"directory reached through a link is the same", {"files-link/IMG_9.JPG", "files/img_2.jpg"}, Kind::Files, files,
         {u"img_2.jpg", u"IMG_9.JPG"}, false},
        {"link to a file elsewhere counts here", {"files/link.jpg"}, Kind::Files, files, {u"link.jpg"}, false},
        {"hidden file", {"files/.hidden", "files/IMG_9.JPG"}, Kind::Files, files, {u"IMG_9.JPG"}, true},
        {"name not UTF-8", {"files/bad\xff.jpg", "files/IMG_9.JPG"}, Kind::Files, files, {u"IMG_9.JPG"}, true},
        {"other directory than the first file's", {"files/IMG_9.JPG", "other/x.jpg"}, Kind::Files, files, {u"IMG_9.JPG"}, true},
        {"the first file decides, not the first path", {"files/gone.jpg", "other/x.jpg", "files/IMG_9.JPG"},
         Kind::Files, *morvane::FromUtf8(root + "/other"), {u"x.jpg"}, true},
        {"directory among files", {"files/sub", "files/IMG_9.JPG"}, Kind::Files, files, {u"IMG_9.JPG"}, true},
        {"missing, dangling, a pipe, a trailing slash",
         {"files/gone.jpg", "files/dangling.jpg", "files/pipe", "files/IMG_9.JPG/", "files/IMG_9.JPG"},
         Kind::Files, files, {u"IMG_9.JPG"}, true},
        {"nothing usable", {"files/gone.jpg", "nowhere/x"}, Kind::Files, u"", {}, true},
        {"one directory opens the chooser there", {"files-link/sub/"}, Kind::Directory, *morvane::FromUtf8(root + "/files/sub"), {}, false},
        {"two directories are no choice", {"files/sub", "other"}, Kind::Files, u"", {}, true},
    };
    InDirectory inside(root);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FileChoice c = morvane::ChooseFiles(Expand(row.paths, root));
        EXPECT_EQ(std::tuple(c.What, c.Dir, c.Names, c.Skipped, c.Offered),
                  std::tuple(row.what, row.dir, row.names, row.skipped, row.names.empty() ? 0 : row.dir == files ? offered : 1));
    }
    EXPECT_EQ(FilesIn(d.At("files")), before);
}

// A directory that can be searched but not listed, and one that cannot even
// be searched. Root reads everything, so root looks at them as "nobody".
TEST(FileChoice, LeavesOutFilesThatCannotBeListed) {
    TempDir d;
    chmod(d.path.c_str(), 0755);
    for (const char* dir : {"open", "search-only", "closed"}) mkdir(d.At(dir).c_str(), 0755);
    for (const char* name : {"open/a.jpg", "search-only/b.jpg", "closed/c.jpg"}) d.Write(name, name);
    chmod(d.At("search-only").c_str(), 0111);
    chmod(d.At("closed").c_str(), 0);
    const bool asRoot = geteuid() == 0;
    if (asRoot && seteuid(65534) != 0) GTEST_SKIP() << "cannot look as an unprivileged user here";
    const FileChoice c = morvane::ChooseFiles({d.At("search-only/b.jpg"), d.At("closed/c.jpg"), d.At("open/a.jpg")});
    if (asRoot) {
        EXPECT_EQ(seteuid(0), 0);
    }
    EXPECT_EQ(std::tuple(c.Names, c.Skipped), std::tuple(Texts({u"a.jpg"}), true));
    const FileChoice dir = morvane::ChooseFiles({d.At("search-only")});
    EXPECT_EQ(dir.What, asRoot ? Kind::Directory : Kind::Files);  // root can list it after all
}
