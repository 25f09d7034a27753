// A pass, or the undo after it, killed with SIGKILL before each of its system
// calls in turn, then recovered from the journal it left in the store the way
// the program does it at its next start: every file is back under its old
// name with its own content, and no name the program made is left behind.
// Every fallback route of the rename layer is killed at every step: the
// atomic rename, the second link, the placeholder, the temporary name of a
// change of case; on real FAT and NTFS mounts too where they can be made.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <memory>

#include "concurrent_creator.h"
#include "error_number_checks.h"
#include "journal/journal_format.h"
#include "journal/stored_pass.h"
#include "pass/rename_pass.h"
#include "scratch_mount.h"
#include "temp_dir.h"

using namespace morvane;

namespace {

// The system's calls, made to behave like a file system that ignores case:
// a name taken in another spelling refuses a rename and answers for it.
RenameCalls CaseIgnoring(RenameCalls calls, const std::string& dir) {
    auto folded = [](std::string s) {
        for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    // name is relative to the pass's directory.
    auto spelling = [dir, folded](const std::string& name) -> std::string {
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (folded(entry.path().filename().string()) == folded(name)) return entry.path().filename().string();
        return name;
    };
    const auto real = calls.RenameNoReplace;
    calls.RenameNoReplace = [=](int d, const char* from, const char* to) { return spelling(to) != to ? EEXIST : real(d, from, to); };
    const auto link = calls.Link;
    calls.Link = [=](int d, const char* from, const char* to) { return spelling(to) != to ? EEXIST : link(d, from, to); };
    const auto create = calls.CreateExclusive;
    calls.CreateExclusive = [=](int d, const char* path, int& fd) { return spelling(path) != path ? EEXIST : create(d, path, fd); };
    const auto lstat = calls.Lstat;
    calls.Lstat = [=](int d, const char* path, struct stat& st) { return lstat(d, spelling(path).c_str(), st); };
    return calls;
}

enum class Phase { Pass, Undo };

// level: the calls the file system lacks (emulated on the test's own directory); ignoresCase: names
// differing in case are one name, the files get new spellings only; mount: a real file system to run on instead.
struct Route { const char* name; Level level; bool ignoresCase; const char* mount; };

// Three files, one of them with a second name, renamed onto names one of which
// is taken; or, ignoring case, given new spellings of their names.
NamePlan Scene(const TempDir& dir, bool caseOnly) {
    NamePlan plan;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        dir.Write(name, std::string("content of ") + name);
        const Text target = caseOnly ? T(std::string(1, char(std::toupper(name[0])))) : T(name[0] == 'b' ? "Q" : "P");
        plan.Entries.push_back({T(name), u".txt", target, PlanAction::Rename});
    }
    if (!caseOnly) dir.Write("P.txt", "not listed");  // a name the pass must work around
    // A second name of a.txt, listed too: each name must come back as itself.
    if (link(dir.At("a.txt").c_str(), dir.At("d.txt").c_str()) == 0)
        plan.Entries.push_back({u"d.txt", u".txt", caseOnly ? u"D" : u"R", PlanAction::Rename});
    return plan;
}

RenameCalls CallsFor(const Route& route, const std::string& dir, const CallHook& hook) {
    RenameCalls calls = Observed(SystemRenameCalls(), [route, hook](const char* call) {
        if (const int answer = hook(call)) return answer;
        return route.mount ? 0 : Lacking(route.level, call);
    });
    return route.ignoresCase && !route.mount ? CaseIgnoring(std::move(calls), dir) : calls;
}

// Runs the pass and, for Phase::Undo, the undo of it in a child that kills
// itself before call number killAt of the phase. False when the phase ended
// before that call: every step has been tried.
bool KilledRound(const Route& route, const std::string& under, Phase phase, int killAt) {
    TempDir dir(under), state(std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp");
    const NamePlan plan = Scene(dir, route.ignoresCase);
    const Files before = dir.List();

    const pid_t child = fork();
    if (child == 0) {
        int calls = 0;
        bool counting = phase == Phase::Pass;
        PosixRenamer renamer(CallsFor(route, dir.path, [&](const char*) {
            if (counting && ++calls == killAt) raise(SIGKILL);
            return 0;
        }));
        JournalStore store(state.path);
        StoredPassRecorder recorder(store);
        PassResult pass = ApplyRenames(plan, T(dir.path), renamer, &recorder);
        if (pass.Error != ErrNone || pass.RecordError != ErrNone) _exit(4);
        if (phase == Phase::Undo) {
            counting = true;
            LockedJournal lock = recorder.TakeLock();
            StoredUndoRecorder notes(store, lock, pass.Journal);
            if (UndoLastPass(pass.Journal, renamer, {&notes}).FirstError != ErrNone) _exit(4);
        }
        _exit(3);  // not killed: the phase made fewer calls
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) return false;
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the pass or its undo failed";

    // The next start: the journal left behind, undone with the file system's own calls.
    JournalStore store(state.path);
    const std::vector<std::string> names = store.JournalNames().Names;
    EXPECT_LE(names.size(), 1u);
    for (const std::string& name : names) {
        std::optional<FoundJournal> found = store.Take(name);
        EXPECT_TRUE(found && found->Problem == JournalProblem::None);
        if (!found || found->Problem != JournalProblem::None) continue;
        RenameJournal journal = FromStored(found->Journal);
        PosixRenamer renamer(CallsFor(route, dir.path, [](const char*) { return 0; }));
        StoredUndoRecorder notes(store, found->Lock, journal);
        UndoOutcome undo = UndoLastPass(journal, renamer, {&notes, nullptr, true});
        // Killed between making a placeholder and writing its mark: an empty
        // file nothing proves to be the program's. It is named, never removed;
        // once the user removes it, the undo goes on.
        if (!undo.LeftBehind.empty()) {
            EXPECT_EQ(undo.LeftBehind.size(), 1u);
            struct stat st {};
            for (const Text& left : undo.LeftBehind) {
                EXPECT_TRUE(lstat(dir.At(*ToUtf8(left)).c_str(), &st) == 0 && st.st_size == 0) << "an empty file";
                std::filesystem::remove(dir.At(*ToUtf8(left)));
            }
            if (!undo.Blocked.empty()) undo = UndoLastPass(journal, renamer, {&notes, nullptr, true});
        }
        EXPECT_EQ(std::pair(NumberOf(undo.FirstError), NumberOf(StoreAfterUndo(store, found->Lock, journal))), std::pair(0, 0));
    }
    EXPECT_TRUE(store.JournalNames().Names.empty()) << "a journal was kept after every file came back";
    EXPECT_EQ(dir.List(), before);
    struct stat a {}, d {};
    // Where the second name could be made.
    EXPECT_TRUE(lstat(dir.At("d.txt").c_str(), &d) != 0 || (lstat(dir.At("a.txt").c_str(), &a) == 0 && a.st_ino == d.st_ino))
        << "the two names of one file are no longer one file";
    return true;
}

}  // namespace

TEST(PassKilled, AtEveryStepOfEveryRouteRecoveryPutsEveryNameBackAndLeavesNoneBehind) {
    const Route routes[] = {
        {"atomic rename", Level::Atomic, false, nullptr},
        {"second link", Level::Link, false, nullptr},
        {"placeholder", Level::Placeholder, false, nullptr},
        {"temporary name of a change of case", Level::Atomic, true, nullptr},
        {"temporary name through a second link", Level::Link, true, nullptr},
        {"temporary name onto a placeholder", Level::Placeholder, true, nullptr},
        {"real FAT (placeholders)", Level::Atomic, false, "vfat"},
        {"real NTFS (second links)", Level::Atomic, false, "ntfs"},
        {"real FAT, a change of case only", Level::Atomic, true, "vfat"},
        {"real exFAT, a change of case only", Level::Atomic, true, "exfat"},
    };
    for (const Route& route : routes) {
        std::unique_ptr<ScratchMount> mount;
        if (route.mount) {
            mount = std::make_unique<ScratchMount>(route.mount);
            if (!mount->Up()) continue;  // needs root and the file system's tools
        }
        const std::string under = mount ? mount->point : "/tmp";
        for (const Phase phase : {Phase::Pass, Phase::Undo}) {
            int killAt = 1;
            for (;; ++killAt) {
                SCOPED_TRACE(testing::Message() << route.name << (phase == Phase::Pass ? ", pass" : ", undo")
                                                << " killed before call " << killAt);
                // One failing round says enough: the rest of this phase is skipped.
                const auto* result = testing::UnitTest::GetInstance()->current_test_info()->result();
                const int reported = result->total_part_count();
                if (!KilledRound(route, under, phase, killAt) || result->total_part_count() > reported) break;
            }
            EXPECT_GT(killAt, 3) << route.name << ": the phase made too few calls to be killed in";
        }
    }
}

// What a later undo finds at a noted name when the program was not the last
// to act there: only what it left itself goes.
TEST(PassKilled, AnUndoRemovesOnlyWhatThePassLeftBehind) {
    // since: what happened at the noted names after the kill; after: beside a.txt, back under its name.
    struct Row { const char* name; LeftName left; std::function<void(const TempDir&)> since; Files after; std::vector<Text> emptyLeft = {}; };
    const std::string mark(PlaceholderMarkDigits, '7');
    const LeftName placeholder{LeftoverKind::Placeholder, u"b.txt", {}, 0, mark};
    const auto linkAToB = [](const TempDir& d) { ASSERT_EQ(link(d.At("a.txt").c_str(), d.At("b.txt").c_str()), 0); };
    const Row rows[] = {
        {"its placeholder, holding its mark", placeholder, [&](const TempDir& d) { d.Write("b.txt", mark + "\n"); }, {}},
        {"the placeholder written to since", placeholder, [&](const TempDir& d) { d.Write("b.txt", mark + "\nW"); },
         {{"b.txt", mark + "\nW"}}},
        {"another placeholder's mark", placeholder, [](const TempDir& d) { d.Write("b.txt", std::string(32, '8') + "\n"); },
         {{"b.txt", std::string(32, '8') + "\n"}}},
        {"an empty file: another's, or its own cut short before its mark", placeholder, [](const TempDir& d) { d.Write("b.txt", ""); },
         {{"b.txt", ""}}, {u"b.txt"}},
        {"an empty file at a hidden name of the program's own", {LeftoverKind::Placeholder, u".morvane-1-2", {}, 0, mark},
         [](const TempDir& d) { d.Write(".morvane-1-2", ""); }, {}},
        {"a placeholder an older version noted: never removed", {LeftoverKind::Placeholder, u"b.txt", {}, 0, {}},
         [&](const TempDir& d) { d.Write("b.txt", mark + "\n"); }, {{"b.txt", mark + "\n"}}},
        {"the placeholder's name now another file's second name", placeholder,
         [&](const TempDir& d) { d.Write("other", mark + "\n"), link(d.At("other").c_str(), d.At("b.txt").c_str()); },
         {{"b.txt", mark + "\n"}, {"other", mark + "\n"}}},
        {"the second name it made", {LeftoverKind::Link, u"b.txt", u"a.txt", 2, {}}, linkAToB, {}},
        {"the second name, linked once more since", {LeftoverKind::Link, u"b.txt", u"a.txt", 2, {}},
         [&](const TempDir& d) { linkAToB(d), link(d.At("a.txt").c_str(), d.At("c.txt").c_str()); },
         {{"b.txt", "A"}, {"c.txt", "A"}}},
        {"the second name now another file", {LeftoverKind::Link, u"b.txt", u"a.txt", 2, {}}, [](const TempDir& d) { d.Write("b.txt", "A"); },
         {{"b.txt", "A"}}},
        {"a temporary name: the file is looked for there", {LeftoverKind::Temporary, u".morvane-1-1", {}, 0, {}},
         [](const TempDir& d) { rename(d.At("a.txt").c_str(), d.At(".morvane-1-1").c_str()); }, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        dir.Write("a.txt", "A");
        RenameJournal journal{T(dir.path), {}, IdentityOf(T(dir.path)), {{0, row.left}}};
        journal.Entries.push_back({u"a.txt", u"a.txt", u".txt", EntryState::Interrupted, u"x.txt", IdentityOf(T(dir.At("a.txt")))});
        row.since(dir);
        PosixRenamer renamer;
        const UndoOutcome undo = UndoLastPass(journal, renamer);
        EXPECT_EQ(std::pair(NumberOf(undo.FirstError), undo.LeftBehind), std::pair(0, row.emptyLeft));
        Files expected = row.after;
        expected.emplace("a.txt", "A");
        EXPECT_EQ(dir.List(), expected);
        EXPECT_TRUE(journal.Leftovers.empty()) << "the file has its old name: its notes are over";
    }
}
