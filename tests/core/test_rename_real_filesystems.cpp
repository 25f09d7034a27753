// The rename layer on real FAT and exFAT mounts (through FUSE), which have
// neither RENAME_NOREPLACE nor hard links, against another process that
// creates files at the target names with O_EXCL while the renames run.
// Needs root and FUSE; skipped elsewhere.
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "error_numbers.h"
#include "fault_injecting_renamer.h"
#include "temp_dir.h"

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

constexpr int kFiles = 100;

std::string Source(int i) { return "s" + std::to_string(i); }
std::string Target(int i) { return "t" + std::to_string(i); }

// Another program: told through a pipe as each rename starts, it tries to
// create that rename's target after a short wait that varies, so that it
// lands anywhere in the rename. made[i] tells which files it created.
[[noreturn]] void RunCreator(const std::string& dir, int starts, std::atomic<bool>* made) {
    unsigned delay = 1;
    int i = 0;
    while (read(starts, &i, sizeof i) == sizeof i) {
        delay = delay * 1103515245u + 12345u;
        for (unsigned spin = (delay >> 8) % 100000; spin > 0; --spin) asm volatile("" ::: "memory");
        const int fd = open((dir + "/" + Target(i)).c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        if (fd < 0) continue;
        const std::string content = "C" + std::to_string(i);
        made[i] = write(fd, content.data(), content.size()) == ssize_t(content.size());
        close(fd);
    }
    _exit(0);
}

// The creator process, stopped and waited for however the test ends.
struct CreatorProcess {
    std::atomic<bool>* made = static_cast<std::atomic<bool>*>(
        mmap(nullptr, sizeof(std::atomic<bool>) * kFiles, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    int starts = -1;  // write end of the pipe
    pid_t pid = -1;

    explicit CreatorProcess(const std::string& dir) {
        for (int i = 0; i < kFiles; ++i) new (&made[i]) std::atomic<bool>(false);
        int ends[2];
        if (pipe(ends) != 0) return;
        pid = fork();
        if (pid == 0) close(ends[1]), RunCreator(dir, ends[0], made);
        close(ends[0]);
        starts = ends[1];
    }
    void Starting(int i) { EXPECT_EQ(write(starts, &i, sizeof i), ssize_t(sizeof i)); }
    void Stop() {  // after the creator has dealt with every start
        if (starts >= 0) close(starts), starts = -1;
        if (pid > 0) waitpid(pid, nullptr, 0), pid = -1;
    }
    ~CreatorProcess() {
        if (pid > 0) kill(pid, SIGKILL);
        Stop();
        munmap(made, sizeof(std::atomic<bool>) * kFiles);
    }
};

}  // namespace

TEST(RenameRealFilesystems, RenamesOntoAPlaceholderAndAConcurrentCreatorLosesNothing) {
    const Mounts mounts;
    std::vector<std::string> kinds;
    for (const char* kind : {"vfat", "exfat"})
        if (mounts.paths.count(kind)) kinds.push_back(kind);
    if (kinds.empty()) GTEST_SKIP() << "no FAT or exFAT mount here (needs root, FUSE and " << MountTool() << ")";

    for (const std::string& kind : kinds) {
        SCOPED_TRACE(kind);
        const std::string dir = mounts.paths.at(kind) + "/race";
        ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
        for (int i = 0; i < kFiles; ++i) std::ofstream(dir + "/" + Source(i)) << "R" << i;
        std::ofstream(dir + "/photo") << "P";

        // A change of case: each spelling reports its own inode number here.
        PosixRenamer renamer;
        EXPECT_EQ(renamer.Rename(T(dir + "/photo"), T(dir + "/Photo")), 0);

        int renamed = 0;
        CreatorProcess creator(dir);
        ASSERT_GT(creator.pid, 0);
        for (int i = 0; i < kFiles; ++i) {
            creator.Starting(i);
            const int number = renamer.Rename(T(dir + "/" + Source(i)), T(dir + "/" + Target(i)));
            EXPECT_TRUE(number == ErrNone || number == ErrTargetExists) << i << ": " << number;
            renamed += number == ErrNone;
        }
        creator.Stop();

        Files expected{{"Photo", "P"}};
        int made = 0, lost = 0;
        const Files found = FilesIn(dir);
        for (int i = 0; i < kFiles; ++i) {
            const std::string mine = "R" + std::to_string(i), theirs = "C" + std::to_string(i);
            const bool atTarget = found.count(Target(i)) && found.at(Target(i)) == mine;
            lost += !(atTarget || (found.count(Source(i)) && found.at(Source(i)) == mine));
            expected[atTarget ? Target(i) : Source(i)] = mine;
            if (!creator.made[i]) continue;
            ++made;
            lost += !(found.count(Target(i)) && found.at(Target(i)) == theirs);
            expected[Target(i)] = theirs;
        }
        std::printf("%s: %d of %d files renamed, the creator made %d, %d lost\n", kind.c_str(), renamed, kFiles, made, lost);
        EXPECT_EQ(lost, 0);
        EXPECT_EQ(found, expected);  // nothing else either: no placeholder left behind
    }
}
