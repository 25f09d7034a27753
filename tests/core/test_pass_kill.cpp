// A pass killed with SIGKILL part way, then recovered from the journal it left
// in the store, the way the program does it at its next start: every file is
// back under its old name with its own content, none lost or doubled.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "error_number_checks.h"
#include "fault_injecting_renamer.h"
#include "pass/rename_pass.h"
#include "journal/stored_pass.h"
#include "killing_renamer.h"
#include "temp_dir.h"

using namespace morvane;

namespace {

// The system's calls, made to behave like a file system that ignores case:
// a name taken in another spelling refuses a rename and answers for it.
RenameCalls CaseIgnoring(const std::string& dir, int killBeforeStepBack) {
    RenameCalls calls = SystemRenameCalls();
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
    calls.RenameNoReplace = [=](int d, const char* from, const char* to) {
        if (killBeforeStepBack && std::string(from).starts_with(".morvane-")) raise(SIGKILL);
        if (spelling(to) != to) return EEXIST;
        return real(d, from, to);
    };
    const auto lstat = calls.Lstat;
    calls.Lstat = [=](int d, const char* path, struct stat& st) { return lstat(d, spelling(path).c_str(), st); };
    return calls;
}

}  // namespace

TEST(PassKilled, RecoveryPutsEveryFileBackByItsIdentity) {
    const unsigned seed = 20261207;
    std::mt19937 rng(seed);
    for (int round = 0; round < 10; ++round) {
        const bool caseOnly = round % 3 == 2;
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", round " << round << (caseOnly ? ", change of case" : ""));
        TempDir dir, state;
        NamePlan plan;
        const int files = caseOnly ? 6 : 12 + int(rng() % 12);
        for (int i = 0; i < files; ++i) {
            const std::string name = (caseOnly ? "photo" : "f") + std::to_string(i) + ".jpg";
            dir.Write(name, "#" + name);
            // Many files compose the same few names, so clashes take "-N".
            const Text target = caseOnly ? T("PHOTO" + std::to_string(i)) : T("P" + std::to_string(rng() % 5));
            plan.Entries.push_back({T(name), u".jpg", target, PlanAction::Rename});
        }
        dir.Write("P1.jpg", "not listed");  // a name the pass must work around
        const Files before = dir.List();
        const int killAt = caseOnly ? 0 : 1 + int(rng() % files);

        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            JournalStore store(state.path);
            StoredPassRecorder recorder(store);
            KillingRenamer renamer(caseOnly ? CaseIgnoring(dir.path, 1) : SystemRenameCalls(), killAt);
            ApplyRenames(plan, T(dir.path), renamer, ClashRetry::Remembered, &recorder);
            _exit(0);  // the kill came too late: the test below says so
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the pass was not killed";

        JournalStore store(state.path);
        JournalScan scan = store.FindUnfinished();
        ASSERT_EQ(scan.Journals.size(), 1u);
        FoundJournal& found = scan.Journals[0];
        ASSERT_EQ(found.Problem, JournalProblem::None);
        RenameJournal journal = FromStored(found.Journal);
        EXPECT_EQ(CountStillRenamed(journal, *std::make_unique<PosixRenamer>()) > 0, killAt != 1);
        PosixRenamer renamer(caseOnly ? CaseIgnoring(dir.path, 0) : SystemRenameCalls());
        EXPECT_EQ(UndoLastPass(journal, renamer).FirstError, 0);
        EXPECT_EQ(dir.List(), before);
        EXPECT_EQ(StoreAfterUndo(store, found.Lock, journal), 0);
        EXPECT_TRUE(store.FindUnfinished().Journals.empty());
    }
}
