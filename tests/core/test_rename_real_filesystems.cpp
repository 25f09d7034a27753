// The rename layer on real FAT and exFAT mounts (through FUSE), which have
// neither RENAME_NOREPLACE nor hard links, against another program that
// creates a file with O_EXCL before each of the layer's calls in turn.
// Needs root and FUSE; skipped elsewhere.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "error_number_checks.h"
#include "concurrent_creator.h"

using namespace morvane;

namespace {

// The machine's tool that mounts small file systems of other kinds.
std::string MountTool() {
    const char* tool = getenv("MORVANE_TEST_FILESYSTEMS");
    return tool ? tool : "/work/shared/tools/test-filesystems";
}

// File systems mounted for one test and unmounted when it ends, also when a
// check failed: a FUSE mount left behind slows every statfs on the machine.
struct Mounts {
    std::string dir = mkdtemp(std::string("/tmp/morvane-mounts-XXXXXX").data());
    std::map<std::string, std::string> paths;  // kind -> mount point

    Mounts() {
        if (getuid() != 0 || access(MountTool().c_str(), X_OK) != 0) return;
        FILE* out = popen((MountTool() + " up " + dir + " 2>/dev/null").c_str(), "r");
        if (!out) return;
        char kind[64], path[4096];
        while (std::fscanf(out, "%63s %4095s", kind, path) == 2) paths[kind] = path;
        pclose(out);
    }
    ~Mounts() {
        if (getuid() == 0 && access(MountTool().c_str(), X_OK) == 0)
            std::system((MountTool() + " down " + dir + " >/dev/null 2>&1").c_str());
        for (const auto& entry : paths) rmdir(entry.second.c_str());
        rmdir(dir.c_str());
    }
};

}  // namespace

TEST(RenameRealFilesystems, RenamesOntoAPlaceholderAndAConcurrentCreatorLosesNothing) {
    const Mounts mounts;
    bool any = false;
    for (const char* kind : {"vfat", "exfat"}) {
        if (!mounts.paths.count(kind)) continue;
        any = true;
        SCOPED_TRACE(kind);
        const std::string root = mounts.paths.at(kind);
        // A change of case: each spelling reports its own inode number here.
        const TempDir dir(root);
        dir.Write("photo", "P");
        EXPECT_EQ(PosixRenamer().Rename(T(dir.At("photo")), T(dir.At("Photo"))), 0);
        EXPECT_EQ(dir.List(), (Files{{"Photo", "P"}}));
        // The file system's own answers decide the fallback here.
        EveryCallAgainstACreator(root, Level::Atomic);
    }
    if (!any) GTEST_SKIP() << "no FAT or exFAT mount here (needs root, FUSE and " << MountTool() << ")";
}
