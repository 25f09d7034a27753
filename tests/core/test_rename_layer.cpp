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

#include <functional>
#include <tuple>

#include "error_number_checks.h"
#include "fault_injecting_renamer.h"
#include "../named_rows.h"
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
    const Text a = T(dir.At("a")), b = T(dir.At("b"));
    EXPECT_EQ(PosixRenamer(Forced(EPERM, EXDEV)).Rename(a, b), 75);  // a refusal, not a reason to fall back
    // Each refusal says its cause: the rename's number and the cause named.
    const std::tuple<const char*, int, int, RefusalCause> causes[] = {
        {"read-only", EROFS, 75, RefusalCause::ReadOnlyFileSystem},
        {"no permission, nothing immutable", EPERM, 75, RefusalCause::NoPermission},
        {"busy", EBUSY, 75, RefusalCause::InUse},
        {"too long", ENAMETOOLONG, 52, RefusalCause::NameTooLong},
        {"a character refused", EILSEQ, 52, RefusalCause::CharacterRefused},
        {"a loop, nothing to name", ELOOP, 52, RefusalCause::None},
    };
    for (const auto& [name, err, number, cause] : causes) {
        PosixRenamer renamer(Forced(err, 0));
        const ErrorNumber error = renamer.Rename(a, b);
        EXPECT_EQ(std::tuple(NumberOf(error), renamer.LastRefusal()), std::tuple(number, cause)) << name;
    }
    RenameCalls unlinkRefused = Forced(EINVAL, 0);
    unlinkRefused.Unlink = [real = unlinkRefused.Unlink](int d, const char* p) {
        return std::string_view(p).ends_with("/a") ? EBUSY : real(d, p);
    };
    EXPECT_EQ(PosixRenamer(unlinkRefused).Rename(a, b), 75);
    EXPECT_EQ(PosixRenamer().Rename(a, Text(u"/tmp/\xD800")), 52);
    EXPECT_EQ(dir.List(), (Files{{"a", "A"}}));
}

// Sets or clears the immutable attribute of path; false where it cannot be set.
static bool MarkImmutable(const std::string& path, bool on) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    int flags = 0;
    bool done = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) close(fd);
    return done;
}

// A refusal made real, and the cause the renamer must name for it.
struct RealRefusal {
    const char* name;
    std::function<bool(const std::string& dir)> make;  // in a child process: false where it cannot be made here
    std::function<void(const std::string& dir)> undo;  // what must not outlive the child
    RefusalCause cause;
};
void PrintTo(const RealRefusal& row, std::ostream* out) { *out << row.name; }

const RealRefusal kRealRefusals[] = {
    {"a read-only bind mount", [](const std::string& d) {
         const char* path = d.c_str();
         return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                mount(path, path, nullptr, MS_BIND, nullptr) == 0 &&
                mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
     }, nullptr, RefusalCause::ReadOnlyFileSystem},
    {"a folder without write permission and no capability to override it", [](const std::string& d) {
         __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
         __user_cap_data_struct none[2]{};
         return chmod(d.c_str(), 0555) == 0 && syscall(SYS_capset, &header, none) == 0;
     }, nullptr, RefusalCause::NoPermission},
    {"an immutable file", [](const std::string& d) { return MarkImmutable(d + "/a", true); },
     [](const std::string& d) { MarkImmutable(d + "/a", false); }, RefusalCause::ImmutableFile},
    {"an immutable folder", [](const std::string& d) { return MarkImmutable(d, true); },
     [](const std::string& d) { MarkImmutable(d, false); }, RefusalCause::ImmutableFolder},
};

class RealRefusals : public testing::TestWithParam<RealRefusal> {};

TEST_P(RealRefusals, LeaveTheOldNameAndNameTheirCause) {
    const RealRefusal& row = GetParam();
    TempDir dir;
    dir.Write("a", "A");
    // In a child: 77 where the refusal cannot be made here, else the number
    // and the cause, as 100 + the cause for a refusal.
    const pid_t pid = fork();
    if (pid == 0) {
        if (!row.make(dir.path)) _exit(77);
        PosixRenamer renamer;
        const ErrorNumber err = renamer.Rename(T(dir.At("a")), T(dir.At("b")));
        if (row.undo) row.undo(dir.path);
        _exit(err == ErrCannotAccess ? 100 + static_cast<int>(renamer.LastRefusal()) : NumberOf(err));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const int got = WIFEXITED(status) ? WEXITSTATUS(status) : 255;
    chmod(dir.path.c_str(), 0700);
    EXPECT_EQ(dir.List(), (Files{{"a", "A"}}));
    if (got == 77) GTEST_SKIP() << "cannot be made here";
    EXPECT_EQ(got, 100 + static_cast<int>(row.cause));
}
NAMED_ROWS(Made, RealRefusals, kRealRefusals);
