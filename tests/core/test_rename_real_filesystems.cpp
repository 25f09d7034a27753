// The rename layer on real FAT and exFAT mounts (through FUSE), which have
// neither RENAME_NOREPLACE nor hard links, against another program that
// creates a file with O_EXCL before each of the layer's calls in turn.
// Needs root and the file systems' tools; skipped elsewhere.
#include <gtest/gtest.h>

#include "concurrent_creator.h"
#include "error_number_checks.h"
#include "scratch_mount.h"

using namespace morvane;

TEST(RenameRealFilesystems, RenamesOntoAPlaceholderAndAConcurrentCreatorLosesNothing) {
    bool any = false;
    for (const char* kind : {"vfat", "exfat"}) {
        ScratchMount mount(kind);
        if (!mount.Up()) continue;
        any = true;
        SCOPED_TRACE(kind);
        // A change of case: each spelling reports its own inode number here.
        const TempDir dir(mount.point);
        dir.Write("photo", "P");
        EXPECT_EQ(PosixRenamer().Rename(T(dir.At("photo")), T(dir.At("Photo"))), 0);
        EXPECT_EQ(dir.List(), (Files{{"Photo", "P"}}));
        // A character the file system refuses is named as the cause.
        PosixRenamer refused;
        EXPECT_EQ(refused.Rename(T(dir.At("Photo")), T(dir.At("Photo?.jpg"))), 52);
        EXPECT_EQ(refused.LastRefusal(), RefusalCause::CharacterRefused);
        EXPECT_EQ(dir.List(), (Files{{"Photo", "P"}}));
        // The file system's own answers decide the fallback here.
        EveryCallAgainstACreator(mount.point, Level::Atomic);
    }
    if (!any) GTEST_SKIP() << "no FAT or exFAT could be mounted here (needs root and the mount tools)";
}
