// Times a rename pass over 1001 files (a taken name for every tenth file)
// and its undo against the same number of bare renameat2 calls and against a
// "checked floor" (each of those calls preceded by one fstatat): the core's
// pass alone, with its journal, and the road the windows take through the
// session (choose, Extract, Rename, the review's Undo, with its journal);
// then composing 1001 names, and a pass whose files all compose to one name
// with each clash retry. Every alternative works in folders made afresh for
// each round, and they take turns in every round; medians are printed.
// Run by hand: build-dir/bench/bench_rename_pass [ROUNDS] [--ratios]
// (--ratios: the pass and its floors alone, without the clash retry's runs).
// build-dir/bench/bench_rename_pass --once DIR STATE runs the session's road
// once over the files DIR holds (as made by --make DIR), for strace -c;
// --each STATE DIR... runs it over each of several such folders in one
// process, for perf record.
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "../tests/core/one_by_one.h"
#include "pass/free_name_search.h"
#include "naming/name_composer.h"
#include "pass/rename_pass.h"
#include "journal/stored_pass.h"
#include "session/rename_session.h"
#include "session/undo_job.h"

using namespace morvane;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kFiles = 1001;
constexpr int kDefaultRounds = 41;

struct CountingRenamer : FileRenamer {
    PosixRenamer Real;
    int Calls = 0;
    ErrorNumber Rename(const Text& from, const Text& to) override {
        ++Calls;
        return Real.Rename(from, to);
    }
    ErrorNumber Enter(const Text& dir, const std::optional<FileIdentity>& expected) override {
        const ErrorNumber err = FileRenamer::Enter(dir, expected);
        return err != ErrNone ? err : Real.Enter(dir, expected);
    }
};

std::string Numbered(const char* prefix, int n, const char* ext) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d%s", prefix, n, ext);
    return name;
}

void MakeFiles(const std::string& dir) {
    for (int i = 0; i < kFiles; ++i) {
        std::ofstream(dir + "/" + Numbered("file", i, ".dat")) << i;
        // The pass's own name for every tenth file is taken already.
        if (i % 10 == 0) std::ofstream(dir + "/" + Numbered("P", i + 1, ".dat")) << "taken";
    }
}

std::string MakeDirectory() {
    char pattern[] = "/tmp/morvane-bench-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    MakeFiles(dir);
    return dir;
}

std::vector<Text> ListedFiles() {
    std::vector<Text> list;
    for (int i = 0; i < kFiles; ++i) list.push_back(Ascii(Numbered("file", i, ".dat")));
    return list;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Processor time of this process, system calls included: unlike the wall
// clock, not inflated by other work on a busy machine.
double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int RenameNoReplace(int dir, const std::string& from, const std::string& to) {
    return static_cast<int>(syscall(SYS_renameat2, dir, from.c_str(), dir, to.c_str(), RENAME_NOREPLACE));
}

// The pass and its undo, with the journal kept in a store in stateDir when
// one is given; returns the seconds taken and the renames issued.
double TimePassAndUndo(const std::string& dir, int& calls, const std::string& stateDir = {}) {
    std::optional<JournalStore> store;
    std::optional<StoredPassRecorder> recorder;
    if (!stateDir.empty()) {
        store.emplace(stateDir);
        recorder.emplace(*store);
    }
    MaskAnalysis analysis;
    analysis.MaskMode = MaskMode::Empty;
    const Options options{u"P", u"", u"1"};
    const std::vector<Text> list = ListedFiles();
    CountingRenamer renamer;
    // Taken when the files are chosen, before "Rename".
    const ChosenFiles chosen = TakeIdentities(Ascii(dir), list);
    const auto start = Clock::now();
    auto pass = RunRenamePass(list, analysis, Ascii(dir), options, u"", renamer, recorder ? &*recorder : nullptr,
                              &chosen);
    UndoContext context;
    context.SyncRenames = store && !store->SharesOrderedLog(Ascii(dir));
    const auto undo = UndoLastPass(pass.Journal, renamer, context);
    if (store) {
        // As the review's Undo does: the pass's journal is still held.
        LockedJournal lock = recorder->TakeLock();
        (void)StoreAfterUndo(*store, lock, pass.Journal);
    }
    const auto took = Clock::now() - start;
    if (pass.Error != ErrNone || undo.FirstError != ErrNone) std::fprintf(stderr, "the pass or its undo did not complete\n");
    calls = renamer.Calls;
    return Seconds(took);
}

// The road the windows take: the files chosen (their identities taken),
// "Extract", "Rename" and the review's "Undo", through the one session with
// its journal store in stateDir. Kept apart and small: the session's
// operations are all it calls.
// The road's steps, in seconds: where its time goes.
struct RoadSteps {
    static constexpr const char* Names[] = {"choose (identities)", "Extract", "Rename (journal, pass)",
                                            "hand out the undo", "the undo", "take it back (journal)"};
    double Took[std::size(Names)] = {};
};

double TimeSessionRoad(const std::string& dir, const std::string& stateDir, bool& complete, RoadSteps* steps = nullptr) {
    JournalStore store(stateDir);
    PosixRenamer renamer;
    RenameSession session(renamer, &store);
    std::vector<Text> list = ListedFiles();
    (void)session.SetOptions({u"P", u"", u"1"});
    const auto start = Clock::now();
    auto last = start;
    std::size_t step = 0;
    const auto stepEnds = [&] {
        const auto now = Clock::now();
        if (steps) steps->Took[step++] = Seconds(now - last);
        last = now;
    };
    (void)session.Choose(Ascii(dir), std::move(list));
    stepEnds();
    (void)session.Extract(u'.');
    stepEnds();
    const RenameOutcome pass = session.Rename();
    stepEnds();
    // The review's Undo as the windows run it: a job handed out and taken back.
    std::unique_ptr<UndoJob> job = session.HandOutUndo();
    stepEnds();
    if (job) job->Run();
    stepEnds();
    const ReviewUndo undo = job ? session.TakeUndo(*job) : ReviewUndo{};
    stepEnds();
    const auto took = Clock::now() - start;
    complete = pass.Error == ErrNone && pass.Renamed == kFiles && undo.Error == ErrNone && undo.Restored == kFiles &&
               session.State() == SessionState::Empty;
    return Seconds(took);
}

// The floors: the same number of renameat2 calls in a plain loop, forth,
// onto taken names, and back, relative to the open directory as the pass
// works. Checked: each call preceded by one fstatat of its source. Looked
// up: the identity calls the road cannot do without and nothing else, one
// name_to_handle_at per file when chosen, then one before each file's
// rename forth and back (none before a clash retry).
enum class Floor { Bare, Checked, LookedUp };

double TimeBareRenames(const std::string& dir, int calls, Floor kind) {
    const int clashes = calls - 2 * kFiles;
    std::vector<std::string> from, to;
    for (int i = 0; i < kFiles; ++i) {
        from.push_back(Numbered("file", i, ".dat"));
        to.push_back(Numbered("Q", i, ".dat"));
    }
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat st {};
    struct {
        file_handle handle;
        unsigned char bytes[MAX_HANDLE_SZ];
    } h{};
    int mount = 0;
    const auto lookUp = [&](const std::string& name) {
        h.handle.handle_bytes = MAX_HANDLE_SZ;
        ::name_to_handle_at(fd, name.c_str(), &h.handle, &mount, 0);
    };
    const auto rename = [&](const std::string& a, const std::string& b) {
        if (kind == Floor::Checked) ::fstatat(fd, a.c_str(), &st, AT_SYMLINK_NOFOLLOW);
        if (kind == Floor::LookedUp) lookUp(a);
        RenameNoReplace(fd, a, b);
    };
    const auto start = Clock::now();
    if (kind == Floor::LookedUp)
        for (const std::string& name : from) lookUp(name);
    for (int i = 0; i < kFiles; ++i) rename(from[i], to[i]);
    for (int i = 0; i < clashes; ++i)
        if (kind == Floor::LookedUp) RenameNoReplace(fd, to[i], to[i + 1]);
        else rename(to[i], to[i + 1]);
    for (int i = 0; i < kFiles; ++i) rename(to[i], from[i]);
    const double took = Seconds(Clock::now() - start);
    ::close(fd);
    return took;
}

double TimeCompose() {
    MaskAnalysis analysis;
    analysis.MaskMode = MaskMode::Empty;
    const Options options{u"P", u"_x", u"1"};
    std::vector<Text> list;
    for (int i = 0; i < kFiles; ++i) list.push_back(Ascii(Numbered("IMG_", i, ".jpg")));
    std::vector<double> times;
    for (int r = 0; r < 101; ++r) {
        const auto start = Clock::now();
        const NamePlan plan = ComposeNewNames(list, analysis, options, u"");
        times.push_back(Seconds(Clock::now() - start));
        if (plan.Entries.size() != list.size()) std::fprintf(stderr, "composition failed\n");
    }
    return Median(times);
}

// A pass over files that all compose to one name (every file after the first
// clashes), with the remembered clash retry or one by one as first written
// (tests/core/one_by_one.h); returns the seconds and the renames.
double TimeOneNamePass(bool oneByOne, int files, int& calls, double& cpu) {
    char pattern[] = "/tmp/morvane-bench-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    NamePlan plan;
    for (int i = 0; i < files; ++i) {
        const std::string name = Numbered("file", i, ".dat");
        std::ofstream(dir + "/" + name) << i;
        plan.Entries.push_back({Ascii(name), u".dat", u"same", PlanAction::Rename});
    }
    CountingRenamer renamer;
    const double cpuStart = CpuSeconds();
    const auto start = Clock::now();
    const PassResult result = oneByOne ? OneByOnePass(plan, Ascii(dir), renamer) : ApplyRenames(plan, Ascii(dir), renamer);
    const double took = Seconds(Clock::now() - start);
    cpu = CpuSeconds() - cpuStart;
    if (result.Error != ErrNone) std::fprintf(stderr, "the one-name pass failed\n");
    calls = renamer.Calls;
    std::filesystem::remove_all(dir);
    return took;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--make") {
        MakeFiles(argv[2]);
        return 0;
    }
    if (argc > 3 && std::string_view(argv[1]) == "--each") {
        std::vector<double> times;
        bool complete = true;
        for (int i = 3; i < argc; ++i) {
            bool done = false;
            times.push_back(TimeSessionRoad(argv[i], argv[2], done));
            complete = complete && done;
        }
        std::printf("median of %zu: %.2f ms\n", times.size(), Median(times) * 1e3);
        return complete ? 0 : 1;
    }
    if (argc == 4 && std::string_view(argv[1]) == "--once") {
        bool complete = false;
        RoadSteps steps;
        std::printf("%.2f ms\n", TimeSessionRoad(argv[2], argv[3], complete, &steps) * 1e3);
        for (std::size_t i = 0; i < std::size(steps.Took); ++i)
            std::printf("  %-24s %8.2f ms\n", RoadSteps::Names[i], steps.Took[i] * 1e3);
        return complete ? 0 : 1;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRounds;
    const bool ratiosOnly = argc > 2 && std::string_view(argv[2]) == "--ratios";
    // The journal's store lies in the user's state directory's file system,
    // not in /tmp, so that its fsyncs cost what they cost there.
    const std::string stateDir = (std::filesystem::temp_directory_path() / "morvane-bench-state").string();
    const char* home = std::getenv("HOME");
    const std::string journalDir = home ? std::string(home) + "/.cache/morvane-bench-journal" : stateDir;
    const std::string sessionJournalDir = journalDir + "-session";
    std::vector<double> passTimes, journalTimes, floorTimes, checkedTimes, lookedUpTimes, sessionTimes;
    std::vector<double> stepTimes[std::size(RoadSteps::Names)];
    int calls = 0, journalCalls = 0;
    bool sessionComplete = true;
    for (int r = 0; r < rounds; ++r) {
        const std::string passDir = MakeDirectory(), journalledDir = MakeDirectory(), floorDir = MakeDirectory(),
                          checkedDir = MakeDirectory(), lookedUpDir = MakeDirectory(), sessionDir = MakeDirectory();
        passTimes.push_back(TimePassAndUndo(passDir, calls));
        floorTimes.push_back(TimeBareRenames(floorDir, calls, Floor::Bare));
        bool complete = false;
        RoadSteps steps;
        sessionTimes.push_back(TimeSessionRoad(sessionDir, sessionJournalDir, complete, &steps));
        for (std::size_t i = 0; i < std::size(steps.Took); ++i) stepTimes[i].push_back(steps.Took[i]);
        sessionComplete = sessionComplete && complete;
        journalTimes.push_back(TimePassAndUndo(journalledDir, journalCalls, journalDir));
        checkedTimes.push_back(TimeBareRenames(checkedDir, calls, Floor::Checked));
        lookedUpTimes.push_back(TimeBareRenames(lookedUpDir, calls, Floor::LookedUp));
        for (const auto& dir : {passDir, journalledDir, floorDir, checkedDir, lookedUpDir, sessionDir}) std::filesystem::remove_all(dir);
    }
    for (const auto& dir : {journalDir, sessionJournalDir}) std::filesystem::remove_all(dir);
    if (!sessionComplete) std::fprintf(stderr, "the session's pass or its undo did not complete\n");
    const double pass = Median(passTimes), journalled = Median(journalTimes), floor = Median(floorTimes),
                 checked = Median(checkedTimes), lookedUp = Median(lookedUpTimes), session = Median(sessionTimes);
    std::string load;
    std::getline(std::ifstream("/proc/loadavg"), load);
    std::printf("medians of %d rounds, the alternatives taking turns, each in a folder made for it (load %s)\n",
                rounds, load.c_str());
    std::printf("pass and undo over %d files (%d renames): %.2f ms\n", kFiles, calls, pass * 1e3);
    std::printf("the same with the journal kept on disk: %.2f ms\n", journalled * 1e3);
    std::printf("the session's road (choose, Extract, Rename, Undo; journal kept): %.2f ms\n", session * 1e3);
    std::printf("bare renameat2 loop, same number of calls: %.2f ms\n", floor * 1e3);
    std::printf("checked floor (each call after one fstatat): %.2f ms\n", checked * 1e3);
    std::printf("the road's identity calls and renames alone (3 look-ups a file): %.2f ms\n", lookedUp * 1e3);
    std::printf("ratio without the journal: %.2f (target <= 1.2)\n", pass / floor);
    std::printf("ratio with the journal: %.2f (target <= 1.5)\n", journalled / floor);
    std::printf("ratio with the journal to the checked floor: %.2f (target <= 1.3)\n", journalled / checked);
    std::printf("the session's road to the bare loop: %.2f (target <= 1.45), to the checked floor: %.2f (target <= 1.3)\n",
                session / floor, session / checked);
    std::printf("the session's road to its identity calls and renames alone: %.2f; those to the bare loop: %.2f, to the "
                "checked floor: %.2f\n",
                session / lookedUp, lookedUp / floor, lookedUp / checked);
    std::printf("the session's road by step (medians):");
    for (std::size_t i = 0; i < std::size(stepTimes); ++i)
        std::printf("%s %s %.2f ms", i ? "," : "", RoadSteps::Names[i], Median(stepTimes[i]) * 1e3);
    std::printf("\n");
    // Where the rest goes: the pass and undo themselves, and the journal's part of each round.
    std::vector<double> journalParts;
    for (int r = 0; r < rounds; ++r) journalParts.push_back(journalTimes[r] - passTimes[r]);
    std::printf("ratio without the journal to the checked floor: %.2f; the journal's part: %.2f ms\n",
                pass / checked, Median(journalParts) * 1e3);
    if (ratiosOnly) return 0;
    std::printf("composing %d names: %.3f ms (target < 1 ms)\n", kFiles, TimeCompose() * 1e3);

    // Clash retry when every file composes to one name, side by side.
    std::vector<double> oneByOne, remembered, oneByOneCpu, rememberedCpu;
    int oneByOneCalls = 0, rememberedCalls = 0;
    for (int r = 0; r < 5; ++r) {
        double cpu = 0;
        oneByOne.push_back(TimeOneNamePass(true, kFiles, oneByOneCalls, cpu));
        oneByOneCpu.push_back(cpu);
        remembered.push_back(TimeOneNamePass(false, kFiles, rememberedCalls, cpu));
        rememberedCpu.push_back(cpu);
    }
    std::printf("%d files composing one name, one-by-one retry: %.1f ms, %.1f ms cpu (%d renames)\n", kFiles,
                Median(oneByOne) * 1e3, Median(oneByOneCpu) * 1e3, oneByOneCalls);
    std::printf("%d files composing one name, remembered retry: %.2f ms, %.2f ms cpu (%d renames, target <= 30 ms)\n",
                kFiles, Median(remembered) * 1e3, Median(rememberedCpu) * 1e3, rememberedCalls);
    return 0;
}
