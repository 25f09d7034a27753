#pragma once
// A small file system of one kind in an image file, mounted for one test and
// mounted again on demand (as after re-plugging a stick or a restart), then
// unmounted and removed, also when a check failed. Needs root and the kind's
// tools; Up() says whether it mounted.
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ScratchMount {
    std::string kind;  // "ext4", "ext4-nojournal", "tmpfs", "vfat", "exfat", "ntfs"
    std::string base = mkdtemp(std::string("/tmp/morvane-mount-XXXXXX").data());
    std::string image = base + "/image";
    std::string point = base + "/mnt";
    std::string loop;  // the loop device exFAT is mounted from
    bool mounted = false;

    explicit ScratchMount(std::string k) : kind(std::move(k)) { std::filesystem::create_directory(point); }
    ~ScratchMount() {
        Unmount();
        if (!loop.empty()) Run("losetup -d " + loop);
        std::error_code ignored;  // a mount that would not go leaves its folder; never abort the run
        std::filesystem::remove_all(base, ignored);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    static bool Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

    bool Up() {
        if (getuid() != 0) return false;
        const std::string make = kind == "ext4"             ? "mkfs.ext4 -q -F " + image
                                 : kind == "ext4-nojournal" ? "mkfs.ext4 -q -F -O ^has_journal " + image
                                 : kind == "vfat"           ? "mkfs.vfat " + image
                                 : kind == "exfat"          ? "mkfs.exfat " + image
                                 : kind == "ntfs"           ? "mkntfs -F -f -q " + image
                                                            : "true";
        const char* size = kind == "exfat" ? "32M" : "16M";
        if (kind != "tmpfs" && !Run("truncate -s " + std::string(size) + " " + image + " && " + make)) return false;
        if (kind == "exfat") {
            FILE* out = popen(("losetup -f --show " + image + " 2>/dev/null").c_str(), "r");
            char device[256] = {};
            if (out && std::fgets(device, sizeof device, out)) loop = std::string(device, strcspn(device, "\n"));
            if (out) pclose(out);
            if (loop.empty()) return false;
        }
        return Mount();
    }

    // Unmounts and mounts the same image again: the file system forgets
    // everything it kept in memory, inode numbers included.
    bool Remount() { return Unmount() && Mount(); }

    bool Mount() {
        const std::string command = kind.starts_with("ext4") ? "mount -o loop " + image + " " + point
                                    : kind == "tmpfs" ? "mount -t tmpfs -o size=4m tmpfs " + point
                                    : kind == "vfat"  ? "fusefat -o rw+ " + image + " " + point
                                    : kind == "exfat" ? "mount.exfat-fuse " + loop + " " + point
                                    : kind == "ntfs"  ? "ntfs-3g " + image + " " + point
                                                      : "false";
        mounted = Run(command) && Run("mountpoint -q " + point);
        return mounted;
    }

    bool Unmount() {
        if (!mounted) return true;
        Run("sync");
        const bool fuse = kind == "vfat" || kind == "exfat" || kind == "ntfs";
        mounted = !(fuse ? Run("fusermount -u " + point) || Run("umount " + point) : Run("umount " + point));
        return !mounted;
    }
};

// Runs `test` on a fresh scratch mount of each kind that comes up here, or on
// none (nullptr) for "", which stands for /tmp; each run is traced with its
// kind. Returns how many ran, so that a test none ran for can skip.
inline int OnEachMount(const std::vector<std::string>& kinds, const std::function<void(ScratchMount*)>& test) {
    int ran = 0;
    for (const std::string& kind : kinds) {
        SCOPED_TRACE(kind.empty() ? "/tmp" : kind);
        std::unique_ptr<ScratchMount> mount;
        if (!kind.empty() && !(mount = std::make_unique<ScratchMount>(kind))->Up()) continue;
        ++ran;
        test(mount.get());
    }
    return ran;
}
