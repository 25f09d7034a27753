// The rename layer on real directories: every fallback forced in turn, and
// refusals made real where the machine allows it.
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

#include "rename_layer.h"
#include "temp_dir.h"

using namespace morvane;

namespace {

Text T(const std::string& s) { return *FromUtf8(s); }
RenameCalls Answer(RenameCalls calls, int rename, int link) {
    if (rename) calls.RenameNoReplace = [rename](const char*, const char*) { return rename; };
    if (link) calls.Link = [link](const char*, const char*) { return link; };
    return calls;
}

}  // namespace

TEST(RenameLayer, EveryFallbackRenamesButNeverReplaces) {
    // Forced answers of renameat2 and link (0: the real call); whether the racy last resort is reached.
    const std::tuple<int, int, bool> chains[] = {
        {0, 0, false}, {EINVAL, 0, false}, {ENOSYS, 0, false}, {EOPNOTSUPP, EPERM, true}, {EINVAL, EOPNOTSUPP, true}};
    for (const auto& [rename, link, lastResort] : chains) {
        SCOPED_TRACE(testing::Message() << rename << " " << link);
        TempDir dir;
        dir.Write("a", "A");
        dir.Write("taken", "T");
        int plain = 0;
        RenameCalls calls = Answer(SystemRenameCalls(), rename, link);
        calls.Rename = [&plain, real = calls.Rename](const char* f, const char* t) { return ++plain, real(f, t); };
        PosixRenamer renamer(calls);
        EXPECT_EQ(renamer.Rename(T(dir.At("a")), T(dir.At("taken"))), 58);
        EXPECT_EQ(renamer.Rename(T(dir.At("a")), T(dir.At("b é"))), 0);
        EXPECT_EQ(renamer.Rename(T(dir.At("gone")), T(dir.At("c"))), 53);
        EXPECT_EQ(renamer.Rename(T(dir.At("no/such")), T(dir.At("no/c"))), 76);
        EXPECT_EQ(dir.List(), (Files{{"b é", "A"}, {"taken", "T"}}));
        EXPECT_EQ(plain > 0, lastResort);
    }
}

TEST(RenameLayer, RefusalsAndHalfDoneFallbacksLeaveTheOldName) {
    TempDir dir;
    dir.Write("a", "A");
    const Text a = T(dir.At("a")), b = T(dir.At("b"));
    EXPECT_EQ(PosixRenamer(Answer(SystemRenameCalls(), EPERM, EXDEV)).Rename(a, b), 75);  // no fallback on EPERM
    RenameCalls unlinkRefused = Answer(SystemRenameCalls(), EINVAL, 0);
    unlinkRefused.Unlink = [real = unlinkRefused.Unlink](const char* p) { return *p && p[strlen(p) - 1] == 'a' ? EBUSY : real(p); };
    EXPECT_EQ(PosixRenamer(unlinkRefused).Rename(a, b), 75);
    EXPECT_EQ(PosixRenamer().Rename(a, Text(u"/tmp/\xD800")), 52);
    EXPECT_EQ(dir.List(), (Files{{"a", "A"}}));
}

TEST(RenameLayer, CaseOnlyChangeGoesThroughATemporaryNameAndPutsBackOnFailure) {
    for (const bool secondStepFails : {false, true}) {
        TempDir dir;
        dir.Write("photo", "P");
        // A file system that ignores case: "Photo" finds "photo".
        const std::string lower = dir.At("photo"), upper = dir.At("Photo");
        const RenameCalls real = SystemRenameCalls();
        RenameCalls calls = real;
        calls.Lstat = [=](const char* p, struct stat& st) { return real.Lstat(p == upper ? lower.c_str() : p, st); };
        calls.RenameNoReplace = [=](const char* f, const char* t) {
            struct stat st {};
            if (t != upper) return real.RenameNoReplace(f, t);
            return real.Lstat(lower.c_str(), st) == 0 ? EEXIST : secondStepFails ? EIO : real.RenameNoReplace(f, t);
        };
        EXPECT_EQ(PosixRenamer(calls).Rename(T(lower), T(upper)), secondStepFails ? 57 : 0);
        EXPECT_EQ(dir.List(), (Files{{secondStepFails ? "photo" : "Photo", "P"}}));
    }
    TempDir dir;  // two names of one file where case counts: not a change of case
    dir.Write("a", "A");
    ASSERT_EQ(link(dir.At("a").c_str(), dir.At("b").c_str()), 0);
    EXPECT_EQ(PosixRenamer().Rename(T(dir.At("a")), T(dir.At("b"))), 58);
    EXPECT_EQ(dir.List(), (Files{{"a", "A"}, {"b", "A"}}));
}

namespace {

// Runs body in a forked child and returns its exit code; 77: not possible here.
int InChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

bool ReadOnlyBindMount(const char* path) {
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount(path, path, nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

bool DropFileCapabilities() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) data[cap / 32].effective &= ~(1u << (cap % 32));
    return syscall(SYS_capset, &header, data) == 0;
}

bool SetImmutable(int fd, bool on) {
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) return false;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    return ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
}

}  // namespace

TEST(RenameLayer, RealRefusalsAreCannotAccess) {
    TempDir dir;
    dir.Write("a", "A");
    const Text from = T(dir.At("a")), to = T(dir.At("b"));
    const int readOnly = InChild([&] { return ReadOnlyBindMount(dir.path.c_str()) ? PosixRenamer().Rename(from, to) : 77; });
    chmod(dir.path.c_str(), 0555);
    const int denied = InChild([&] { return DropFileCapabilities() ? PosixRenamer().Rename(from, to) : 77; });
    chmod(dir.path.c_str(), 0700);
    const int fd = open(dir.At("a").c_str(), O_RDONLY);
    const int immutable = SetImmutable(fd, true) ? PosixRenamer().Rename(from, to) : 77;
    SetImmutable(fd, false);
    close(fd);
    EXPECT_EQ(dir.List(), (Files{{"a", "A"}}));
    for (const int got : {readOnly, denied, immutable}) EXPECT_TRUE(got == 75 || got == 77) << got;
    if (readOnly == 77 || denied == 77 || immutable == 77) GTEST_SKIP() << "some refusals cannot be made here";
}
