// Reading the volumes out of the kernel's mount table text.
#include <gtest/gtest.h>

#include "error_number_checks.h"
#include "files/mount_table.h"

using morvane::Text;

namespace {

struct Row { const char* name; std::string table; std::vector<std::string> points; };

TEST(MountTable, ListsTheMountPointsOfRealFileSystemsDecoded) {
    const Row rows[] = {
        {"ordinary volumes in table order", "/dev/sda2 / ext4 rw 0 0\n/dev/sda1 /boot/efi vfat rw 0 0\ntmpfs /run tmpfs rw 0 0\n",
         {"/", "/boot/efi", "/run"}},
        {"pseudo file systems left out", "proc /proc proc rw 0 0\ncgroup2 /mnt/cg cgroup2 rw 0 0\n"
                                         "mqueue /mq mqueue rw 0 0\nbinfmt_misc /bm binfmt_misc rw 0 0\n"
                                         "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n", {}},
        {"special trees left out whatever their type",
         "tmpfs /dev/shm tmpfs rw 0 0\ntmpfs /sys/fs/cgroup tmpfs rw 0 0\ntmpfs /var/run/x tmpfs rw 0 0\n"
         "tmpfs /var/lock tmpfs rw 0 0\ntmpfs /device tmpfs rw 0 0\ntmpfs /var/running tmpfs rw 0 0\n",
         {"/device", "/var/running"}},
        {"octal escapes decoded", "/dev/sdb1 /media/My\\040Disk\\011A\\134B\\012 exfat rw 0 0\nsrv:/x /mnt/a\\04b nfs rw 0 0\n",
         {"/media/My Disk\tA\\B\n", "/mnt/a\\04b"}},
        {"FUSE and network mounts kept", "/dev/loop0 /tmp/x fuseblk rw 0 0\nsshfs#h: /net/h fuse.sshfs rw 0 0\n"
                                         "//srv/share /mnt/share cifs rw 0 0\n",
         {"/tmp/x", "/net/h", "/mnt/share"}},
        {"broken and relative lines skipped", "\n   \nnone\nnone none\nnone relative ext4 rw 0 0\n/dev/sdc /last ext4 rw 0 0", {"/last"}},
    };
    for (const Row& row : rows) EXPECT_EQ(morvane::MountPoints(row.table), row.points) << row.name;
}

TEST(MountTable, VolumeRootsAlwaysHoldTheRootSortedOnceAndOnlyUtf8) {
    const std::tuple<const char*, std::string, std::vector<Text>> rows[] = {
        {"empty table", "", {u"/"}},
        {"sorted, duplicates once",
         "a /srv ext4 rw 0 0\nb / ext4 rw 0 0\nc /Media ext4 rw 0 0\nd /srv xfs rw 0 0\ne /boot ext4 rw 0 0\n",
         {u"/", u"/Media", u"/boot", u"/srv"}},
        {"not UTF-8 left out, UTF-8 kept", "a /bad\xff ext4 rw 0 0\nb /\xc3\xa9t\xc3\xa9 ext4 rw 0 0\n", {u"/", u"/\u00e9t\u00e9"}},
    };
    for (const auto& [name, table, roots] : rows) EXPECT_EQ(morvane::VolumeRoots(table), roots) << name;
}

}  // namespace
