#pragma once
// The volumes the file chooser offers, read from the kernel's mount table as
// text (the format of /proc/self/mounts). Nothing here touches a mounted
// file system: a hung network or FUSE mount cannot stall the caller.
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace morvane {

// The mount points of the table, in its order, with the kernel's octal
// escapes (\040 for a blank, \134 for a backslash...) decoded. Left out:
// kernel pseudo file systems (proc, sysfs, cgroup, devpts, mqueue...), which
// hold no files, and whatever is mounted at or below /dev, /proc, /sys,
// /var/run and /var/lock. Lines that are not mount entries are skipped.
std::vector<std::string> MountPoints(std::string_view table);

// The roots the chooser's volume list shows: the mount points that are
// valid UTF-8, and "/" always, sorted and each once.
std::vector<Text> VolumeRoots(std::string_view table);

}  // namespace morvane
