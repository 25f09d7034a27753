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

#include <gtest/gtest.h>

#include "error_number_checks.h"
#include "fault_injecting_renamer.h"
#include "temp_dir.h"

using namespace morvane;

// The system's calls with renameat2 and link answering the given errno (0: the real call).
static RenameCalls Forced(int rename, int link) {
    RenameCalls calls = SystemRenameCalls();
    if (rename) calls.RenameNoReplace = [rename](int, const char*, const char*) { return rename; };
    if (link) calls.Link = [link](int, const char*, const char*) { return link; };
    return calls;
}

TEST(RenameLayer, EveryFallbackRenamesButNeverReplaces) {
    // Forced answers of renameat2 and link; whether the placeholder is reached.
    const std::tuple<int, int, bool> chains[] = {
        {0, 0, false}, {EINVAL, 0, false}, {ENOSYS, 0, false}, {EOPNOTSUPP, EPERM, true}, {EINVAL, EOPNOTSUPP, true}};
    for (const auto& [rename, link, lastResort] : chains) {
        SCOPED_TRACE(testing::Message() << rename << " " << link);
        TempDir dir;
        dir.Write("a", "A");
        dir.Write("taken", "T");
        ASSERT_EQ(::link(dir.At("taken").c_str(), dir.At("twin").c_str()), 0);
        int plain = 0;  // plain renames: only onto a placeholder
        RenameCalls calls = Forced(rename, link);
        calls.Rename = [&plain, real = calls.Rename](int d, const char* f, const char* t) { return ++plain, real(d, f, t); };
        PosixRenamer renamer(calls);
        EXPECT_EQ(renamer.Rename(T(dir.At("a")), T(dir.At("taken"))), 58);
        EXPECT_EQ(renamer.Rename(T(dir.At("taken")), T(dir.At("twin"))), 58);  // two names of one file, not a case change
        EXPECT_EQ(renamer.Rename(T(dir.At("a")), T(dir.At("b é"))), 0);
        EXPECT_EQ(renamer.Rename(T(dir.At("gone")), T(dir.At("c"))), 53);
        EXPECT_EQ(renamer.Rename(T(dir.At("no/such")), T(dir.At("no/c"))), 76);
        EXPECT_EQ(dir.List(), (Files{{"b é", "A"}, {"taken", "T"}, {"twin", "T"}}));
        EXPECT_EQ(plain > 0, lastResort);
    }
}

TEST(RenameLayer, CaseOnlyChangeGoesThroughATemporaryNameAndNeverHidesTheFile) {
    const std::string stranded = ".morvane-" + std::to_string(getpid()) + "-1";
    // ownInodePerSpelling: as FAT and exFAT through FUSE report; twoFiles: "Photo" is really another file that
    // looks alike; secondStep: forced errno of the move to the new spelling, 0: it works; oldNameTaken: another
    // program takes "photo" while the file is away.
    struct Row { const char* name; bool ownInodePerSpelling, twoFiles; int secondStep; bool oldNameTaken; int number; Files files; };
    const Row rows[] = {
        {"changes case", false, false, 0, false, 0, {{"Photo", "P"}}},
        {"each spelling its own inode", true, false, 0, false, 0, {{"Photo", "P"}}},
        {"second step fails: put back", false, false, EIO, false, 57, {{"photo", "P"}}},
        {"put-back fails too: reported with the name", false, false, EIO, true, 79, {{stranded, "P"}, {"photo", "O"}}},
        {"look-alike of another file is not replaced", true, true, 0, false, 58, {{"photo", "P"}, {"Photo", "P"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        dir.Write("photo", "P");
        if (row.twoFiles) dir.Write("Photo", "P");
        // A file system that ignores case: "Photo" finds "photo".
        const std::string lower = dir.At("photo"), upper = dir.At("Photo");
        const RenameCalls real = SystemRenameCalls();
        RenameCalls calls = real;
        calls.Lstat = [=](int d, const char* p, struct stat& st) {
            const int err = real.Lstat(d, p == upper ? lower.c_str() : p, st);
            if (p == upper && row.ownInodePerSpelling) st.st_ino += 1000;
            return err;
        };
        calls.RenameNoReplace = [&](int d, const char* f, const char* t) {
            if (t != upper) return real.RenameNoReplace(d, f, t);
            if (access(lower.c_str(), F_OK) == 0) return EEXIST;
            if (row.oldNameTaken) dir.Write("photo", "O");
            return row.secondStep ? row.secondStep : real.RenameNoReplace(d, f, t);
        };
        PosixRenamer renamer(calls);
        const int number = NumberOf(renamer.Rename(T(lower), T(upper)));
        EXPECT_EQ(std::tuple(number, renamer.LastTemporaryName(), dir.List()),
                  std::tuple(row.number, row.number == 79 ? T(dir.At(stranded)) : Text(), row.files));
    }
}

TEST(RenameLayer, RefusalsAndHalfDoneMovesLeaveTheOldName) {
    TempDir dir;
    dir.Write("a", "A");
    const char* path = dir.path.c_str();
    const Text a = T(dir.At("a")), b = T(dir.At("b"));
    EXPECT_EQ(PosixRenamer(Forced(EPERM, EXDEV)).Rename(a, b), 75);  // a refusal, not a reason to fall back
    RenameCalls unlinkRefused = Forced(EINVAL, 0);
    unlinkRefused.Unlink = [real = unlinkRefused.Unlink](int d, const char* p) {
        return std::string_view(p).ends_with("/a") ? EBUSY : real(d, p);
    };
    EXPECT_EQ(PosixRenamer(unlinkRefused).Rename(a, b), 75);
    EXPECT_EQ(PosixRenamer().Rename(a, Text(u"/tmp/\xD800")), 52);
    const auto rename = [&] { return NumberOf(PosixRenamer().Rename(a, b)); };
    // Each runs in a child process: the rename's number, or 77 where the refusal cannot be set up here.
    const std::function<int()> refusals[] = {
        [&] {  // a read-only bind mount in a private mount namespace
            const bool bound = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                               mount(path, path, nullptr, MS_BIND, nullptr) == 0;
            return bound && mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0 ? rename() : 77;
        },
        [&] {  // a directory without write permission, and no capability to override it
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct none[2]{};
            return chmod(path, 0555) == 0 && syscall(SYS_capset, &header, none) == 0 ? rename() : 77;
        },
        [&] {  // an immutable file
            const int fd = open(dir.At("a").c_str(), O_RDONLY);
            int flags = 0;
            ioctl(fd, FS_IOC_GETFLAGS, &flags);
            flags |= FS_IMMUTABLE_FL;
            const int got = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0 ? rename() : 77;
            flags &= ~FS_IMMUTABLE_FL;
            return ioctl(fd, FS_IOC_SETFLAGS, &flags), got;
        },
    };
    bool skipped = false;
    for (const auto& refusal : refusals) {
        const pid_t pid = fork();
        if (pid == 0) _exit(refusal());
        int status = 0;
        waitpid(pid, &status, 0);
        const int got = WIFEXITED(status) ? WEXITSTATUS(status) : 255;
        EXPECT_TRUE(got == 75 || got == 77) << got;
        skipped |= got == 77;
    }
    chmod(path, 0700);
    EXPECT_EQ(dir.List(), (Files{{"a", "A"}}));
    if (skipped) GTEST_SKIP() << "some refusals cannot be made here";
}
