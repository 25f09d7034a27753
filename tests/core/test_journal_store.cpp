// The journal store on real directories: private files, atomic writes that
// cost two fsyncs, damaged files reported and never offered, and a lock that
// tells a running copy of the program from a dead one (real processes,
// killed with SIGKILL).
#include <linux/capability.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "../named_rows.h"
#include "error_number_checks.h"
#include "journal/journal_format.h"
#include "journal_samples.h"
#include "scratch_mount.h"
#include "journal/journal_store.h"
#include "temp_dir.h"

using namespace morvane;

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The system's calls with another fsync.
StoreCalls WithSync(std::function<int(int)> sync) {
    StoreCalls calls = SystemStoreCalls();
    calls.Sync = std::move(sync);
    return calls;
}

std::vector<std::string> NamesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A child process, killed and reaped at the latest when the test ends, even
// by a failed assertion: a child left running would hold the test's output
// open. It dies with its parent too.
struct Child {
    pid_t pid = -1;
    explicit Child(pid_t p) : pid(p) {}
    Child(const Child&) = delete;
    ~Child() { Kill(); }
    void Kill() {
        if (pid > 0) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
        pid = -1;
    }
};

struct JournalStoreTest : testing::Test {
    TempDir root;
    std::string dir = root.At("state/Morvane");
    Text here = Ascii(root.path);  // the directory the journals' passes renamed in
    int syncs = 0;
    int failingSync = 0;  // the call (counted from 1) that answers EIO
    JournalStore store{dir, WithSync([this](int fd) { return ++syncs == failingSync ? EIO : ::fsync(fd) == 0 ? 0 : errno; })};

    // A journal of a pass in the test's directory that ended.
    std::string StoreEnded(JournalState state) {
        LockedJournal lock;
        EXPECT_EQ(store.Create(RunningJournal(here), lock), 0);
        EXPECT_EQ(store.Write(lock, FinishedJournal(here, state)), 0);
        return lock.FileName();
    }
    // A child process that stores a running journal, tells the parent, and
    // then waits, or writes it again and again when rewriting.
    pid_t ChildHolding(bool rewriting) {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            LockedJournal lock;
            if (store.Create(RunningJournal(here), lock) != 0) ::_exit(1);
            (void)!::write(ready[1], "x", 1);
            for (;;) rewriting ? (void)store.Write(lock, RunningJournal(here), Durability::Lazy) : (void)::pause();
        }
        char c = 0;
        ::close(ready[1]);
        EXPECT_EQ(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        return child;
    }
};

}  // namespace

TEST(JournalDirectory, FollowsTheEnvironment) {
    const struct { const char* name; const char* xdg; const char* home; std::optional<std::string> dir; } rows[] = {
        {"state home set", "/x/state", "/home/me", "/x/state/Morvane"},
        {"state home unset", nullptr, "/home/me", "/home/me/.local/state/Morvane"},
        {"state home relative", "state", "/home/me", "/home/me/.local/state/Morvane"},
        {"no usable home", nullptr, "home", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(JournalDirectoryFor(row.xdg, row.home), row.dir) << row.name;
}

TEST_F(JournalStoreTest, KeepsItsFilesPrivateAndEachRecordIsSyncedBeforeItsName) {
    for (const bool existedOpen : {false, true}) {
        SCOPED_TRACE(existedOpen ? "directory there, open to all" : "no directory yet");
        std::filesystem::remove_all(root.At("state"));
        if (existedOpen) std::filesystem::create_directories(dir), ::chmod(dir.c_str(), 0755);
        LockedJournal lock;
        syncs = 0;
        ASSERT_EQ(store.Create(RunningJournal(here), lock), 0);
        // The entries of the two new directories are synced once; a folder made here is private.
        EXPECT_EQ(std::tuple(syncs, ModeOf(dir), existedOpen || ModeOf(root.At("state")) == 0700u, ModeOf(dir + "/" + lock.FileName())),
                  std::tuple(existedOpen ? 2 : 4, 0700u, true, 0600u));
        syncs = 0;
        ASSERT_EQ(store.Write(lock, FinishedJournal(here)), 0);
        EXPECT_EQ(std::pair(syncs, ModeOf(dir + "/" + lock.FileName())), std::pair(2, 0600u));
        syncs = 0;
        const StoredJournal undone = FinishedJournal(here, JournalState::Undone);
        ASSERT_EQ(store.Write(lock, undone, Durability::Lazy), 0);
        EXPECT_EQ(syncs, 1) << "the file's bytes reach the disk before its name";
        lock.Release();
        EXPECT_EQ(std::pair(store.Peek(lock.FileName()), NamesIn(dir)), std::pair(std::optional(undone), std::vector{lock.FileName()}));
    }
}

TEST_F(JournalStoreTest, AFailedSyncStoresNothingNewAndSaysSo) {
    const struct { const char* name; int failing; bool created; } rows[] = {
        {"file, creating", 1, false}, {"directory, creating", 2, false},
        {"file, updating", 3, true}, {"directory, updating", 4, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(dir), std::filesystem::create_directories(dir);
        syncs = 0, failingSync = row.failing;
        LockedJournal lock;
        EXPECT_EQ(store.Create(RunningJournal(here), lock), row.created ? 0 : 57);
        if (row.created) {
            EXPECT_EQ(store.Write(lock, FinishedJournal(here)), 57);
        }
        failingSync = 0;
        lock.Release();
        // An update that failed before its rename leaves the running journal;
        // one that failed after it leaves the new one. Never a stray file.
        const auto found = store.FindUnfinished().Journals;
        const auto peeked = store.Peek(lock.FileName());
        EXPECT_EQ(std::tuple(NamesIn(dir).size(), found.size(), peeked && peeked->State == JournalState::Finished),
                  std::tuple(row.created ? 1u : 0u, row.failing == 3 ? 1u : 0u, row.failing == 4));
    }
}

TEST_F(JournalStoreTest, AnEndingPassRemovesEndedJournalsPastTheNewestKept) {
    const std::string damaged = "pass-00000000000000000001-1-1.journal";
    std::filesystem::create_directories(dir);
    root.Write("state/Morvane/" + damaged, "MORVANE-JOURNAL 1\n");
    const std::string undone = StoreEnded(JournalState::Undone);
    LockedJournal dead;
    ASSERT_EQ(store.Create(RunningJournal(here), dead), 0);
    const std::string running = dead.FileName();
    dead.Release();
    std::vector<std::string> kept{damaged, running};
    for (std::size_t i = 0; i < KeptPasses; ++i) kept.push_back(StoreEnded(JournalState::Finished));
    // Only the ended journal past the newest KeptPasses went; the damaged and
    // the unfinished one stay to be reported and offered.
    EXPECT_EQ(std::tuple(NamesIn(dir), store.Peek(kept.back())), std::tuple(kept, std::optional(FinishedJournal(here))));
}

// The store hands on the reader's verdict (every kind of damage is the
// reader's tests' business); a directory gone is no damage (the history's
// start-up rows).
TEST_F(JournalStoreTest, ADamagedJournalIsReportedAndNeverOffered) {
    std::string flipped = *EncodeJournal(RunningJournal(here));
    flipped[flipped.size() / 2] ^= 0x04;
    std::filesystem::create_directories(dir);
    root.Write("state/Morvane/pass-1.journal", flipped);
    auto found = store.FindUnfinished().Journals;
    ASSERT_EQ(found.size(), 1u);
    // Only a whole journal is handed over.
    EXPECT_EQ(std::pair(found[0].Problem, found[0].Journal.Entries.size()), std::pair(JournalProblem::Garbled, std::size_t{0}));
    found.clear();  // lets the journal go
    EXPECT_FALSE(store.Peek("pass-1.journal").has_value()) << "a damaged journal is never read as a pass";
}

TEST_F(JournalStoreTest, AJournalOfARunningCopyIsNeverTakenForDeadOne) {
    // Each write puts a new file under the journal's name; a lock taken on
    // the one just replaced must not pass for the journal's.
    for (const bool rewriting : {false, true}) {
        SCOPED_TRACE(rewriting ? "owner writing it again and again" : "owner waiting");
        Child child(ChildHolding(rewriting));
        for (int round = 0; round < (rewriting ? 1000 : 1); ++round)
            ASSERT_TRUE(store.FindUnfinished().Journals.empty()) << "taken while its pass runs, round " << round;
        child.Kill();
        if (!rewriting) std::filesystem::remove_all(dir);
    }

    auto found = store.FindUnfinished().Journals;
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(std::pair(found[0].Problem, found[0].Journal), std::pair(JournalProblem::None, RunningJournal(here)));
    // Whoever found it holds it now: a second copy starting meanwhile does not recover it too.
    EXPECT_TRUE(store.FindUnfinished().Journals.empty()) << "offered twice";
    EXPECT_EQ(store.Remove(found[0].Lock), 0);
    // The owner killed while writing may leave its temporary file; the next
    // journal to end sweeps it (see the crash test below). No journal is left.
    for (const auto& name : NamesIn(dir)) EXPECT_TRUE(name.ends_with(".tmp")) << name;
}

TEST_F(JournalStoreTest, ACrashBetweenWritingAndRenamingLeavesTheOldJournal) {
    // The child dies by SIGKILL in the update's fsync: the new version is
    // written to its temporary file but never takes the journal's name.
    const pid_t child = ::fork();
    if (child == 0) {
        JournalStore dying(dir, WithSync([](int fd) { return ::fsync(fd) == 0 && ::raise(SIGKILL) == 0 ? 0 : errno; }));
        LockedJournal lock;
        // The parent looks at what is left: these calls need not succeed.
        (void)JournalStore(dir).Create(RunningJournal(here), lock);
        (void)dying.Write(lock, FinishedJournal(here));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(NamesIn(dir).size(), 2u) << "the journal and the temporary file";

    auto found = store.FindUnfinished().Journals;
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(std::pair(found[0].Problem, found[0].Journal), std::pair(JournalProblem::None, RunningJournal(here)));
    // The next journal to end takes the dead writer's temporary file with it.
    EXPECT_EQ(store.Write(found[0].Lock, FinishedJournal(here)), 0);
    EXPECT_EQ(NamesIn(dir), std::vector<std::string>{found[0].Lock.FileName()});
}

// The journal folder looked at as it is: a row sets it up in a child process
// (a mount there stays private to it) and names the folder to look at.
// make: nullopt where it cannot be made here; atFault: below base, "-" for no path.
struct FolderRow { const char* name; std::function<std::optional<std::string>(const std::string& base)> make; FolderFault fault; const char* atFault; };
void PrintTo(const FolderRow& row, std::ostream* out) { *out << row.name; }

bool PrivateMounts() {
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

const FolderRow kFolderRows[] = {
    {"no home folder", [](const std::string&) { return std::string(); }, FolderFault::NoFolder, "-"},
    {"missing where it can be made", [](const std::string& b) { return b + "/state/Morvane"; }, FolderFault::None, "-"},
    {"a file where the folder should be", [](const std::string& b) {
         std::ofstream(b + "/Morvane") << "x";
         return b + "/Morvane";
     }, FolderFault::NotAFolder, "/Morvane"},
    {"a file on its path", [](const std::string& b) {
         std::ofstream(b + "/state") << "x";
         return b + "/state/Morvane";
     }, FolderFault::NotAFolder, "/state"},
    {"a read-only file system", [](const std::string& b) -> std::optional<std::string> {
         const char* path = b.c_str();
         if (!PrivateMounts() || mount(path, path, nullptr, MS_BIND, nullptr) != 0 ||
             mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
             return std::nullopt;
         return b + "/Morvane";
     }, FolderFault::ReadOnlyFileSystem, ""},
    {"a full disk", [](const std::string& b) -> std::optional<std::string> {
         if (!PrivateMounts() || mount("tmpfs", b.c_str(), "tmpfs", 0, "size=64k") != 0) return std::nullopt;
         std::ofstream fill(b + "/fill");
         const std::string block(4096, 'x');
         for (int i = 0; i < 64 && fill; ++i) fill << block << std::flush;
         return b;
     }, FolderFault::Full, ""},
    {"not writable, without the capability to override it", [](const std::string& b) -> std::optional<std::string> {
         __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
         __user_cap_data_struct none[2]{};
         if (chmod(b.c_str(), 0555) != 0 || syscall(SYS_capset, &header, none) != 0) return std::nullopt;
         return b;
     }, FolderFault::NotWritable, ""},
};

class JournalFolderCheck : public testing::TestWithParam<FolderRow> {};

TEST_P(JournalFolderCheck, NamesWhatIsWrongAndWhere) {
    const FolderRow& row = GetParam();
    TempDir base;
    // In a child: 77 where the row cannot be made here, 1 for a wrong path,
    // else 100 + the fault found.
    const pid_t pid = fork();
    if (pid == 0) {
        const std::optional<std::string> dir = row.make(base.path);
        if (!dir) _exit(77);
        const FolderCheck check = CheckJournalFolder(*dir, true);
        const std::string at = row.atFault == std::string("-") ? std::string() : base.path + row.atFault;
        _exit(check.Path != at ? 1 : 100 + static_cast<int>(check.Fault));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    chmod(base.path.c_str(), 0700);
    const int got = WIFEXITED(status) ? WEXITSTATUS(status) : 255;
    if (got == 77) GTEST_SKIP() << "cannot be made here";
    EXPECT_EQ(got, 100 + static_cast<int>(row.fault));
}
NAMED_ROWS(Made, JournalFolderCheck, kFolderRows);

// The undo leaves the renamed folder unsynced only where the journal's own
// synced write implies its renames: one file system that keeps its changes
// in order. An ext4 made without its journal keeps none.
TEST(JournalStoreOrder, OnlyAJournalledFileSystemSharedWithTheFolderImpliesItsRenames) {
    const std::pair<std::string, bool> rows[] = {{"ext4", true}, {"ext4-nojournal", false}, {"tmpfs", false}};
    int ran = 0;
    for (const auto& [kind, ordered] : rows) {
        SCOPED_TRACE(kind);
        ScratchMount mount(kind);
        if (!mount.Up()) continue;
        ++ran;
        const std::string journals = mount.point + "/journals", files = mount.point + "/files";
        ASSERT_TRUE(std::filesystem::create_directory(journals) && std::filesystem::create_directory(files));
        EXPECT_EQ(JournalStore(journals).SharesOrderedLog(*FromUtf8(files)), ordered);
        EXPECT_FALSE(JournalStore(journals).SharesOrderedLog(*FromUtf8(mount.base))) << "another file system";
    }
    if (ran == 0) GTEST_SKIP() << "needs root to mount file systems";
}
