// Times the recovery of a pass over FILES chosen files in a directory of
// ENTRIES entries, from its journal as the next start of the program reads
// it: once with every file still under the name the pass gave it (a pass
// killed at its end), once with every file renamed by hand since (each must
// be found by one read of the directory, where the file system keeps inode
// numbers; elsewhere each is looked for at its journalled names only, and
// none is found). Run by hand, on the file system to measure:
//   build-dir/bench/bench_recovery [DIR] [ENTRIES] [FILES] [ROUNDS]
// defaults /tmp 100000 1001 5. With --prepared, DIR already holds the files
// (FILES chosen ones c000000.dat... and others o......dat, ENTRIES in all)
// and is left as it is: bench/bench_recovery_vfat prepares a FAT image so,
// since creating 10,000 files through the FAT driver takes many minutes.
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "files/open_directory.h"
#include "journal/stored_pass.h"
#include "pass/rename_pass.h"

using namespace morvane;
using Clock = std::chrono::steady_clock;

namespace {

std::string Numbered(const char* prefix, int n) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%06d.dat", prefix, n);
    return name;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// One round: the pass renames the chosen files, its journal goes through the
// encoding on disk and back, then is undone as a recovery would.
struct Round {
    double Seconds = 0, Cpu = 0;
    bool Complete = false;
};

Round RecoverOnce(const std::string& dir, int files, bool renamedByHand, bool searched) {
    std::vector<Text> chosenNames;
    NamePlan plan;
    for (int i = 0; i < files; ++i) {
        chosenNames.push_back(Ascii(Numbered("c", i)));
        plan.Entries.push_back({chosenNames.back(), u".dat", Ascii(Numbered("P", i).substr(0, 7)), PlanAction::Rename});
    }
    const ChosenFiles chosen = TakeIdentities(Ascii(dir), chosenNames);
    PosixRenamer renamer;
    PassResult pass = ApplyRenames(plan, Ascii(dir), renamer, nullptr, &chosen);
    if (pass.Error != ErrNone || pass.FilesSkipped) return {};
    if (renamedByHand)
        for (int i = 0; i < files; ++i)
            std::filesystem::rename(dir + "/" + *ToUtf8(pass.Journal.Entries[static_cast<std::size_t>(i)].To),
                                    dir + "/" + Numbered("h", i));
    // As read back after a kill: every entry's outcome unknown.
    RenameJournal journal = FromStored(ToStored(pass.Journal, JournalState::Running));
    const double cpu = CpuSeconds();
    const auto start = Clock::now();
    const UndoOutcome undo = UndoLastPass(journal, renamer);
    Round round;
    round.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
    round.Cpu = CpuSeconds() - cpu;
    // Where files are not searched for, every file renamed by hand is reported
    // as not found, and goes back to its old name here for the next round.
    const auto all = static_cast<std::size_t>(files);
    const std::size_t expected = renamedByHand && !searched ? 0 : all;
    round.Complete = undo.Restored == expected && undo.NotFound.size() == all - expected &&
                     (expected == 0 || undo.FirstError == ErrNone);
    if (renamedByHand && !searched)
        for (int i = 0; i < files; ++i) std::filesystem::rename(dir + "/" + Numbered("h", i), dir + "/" + Numbered("c", i));
    return round;
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is known
    const bool prepared = argc > 1 && std::string_view(argv[1]) == "--prepared";
    if (prepared) {
        --argc;
        ++argv;
    }
    const std::string under = argc > 1 ? argv[1] : "/tmp";
    const int entries = argc > 2 ? std::atoi(argv[2]) : 100000;
    const int files = argc > 3 ? std::atoi(argv[3]) : 1001;
    const int rounds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 5;
    const std::string dir = prepared ? under : under + "/morvane-bench-recovery-" + std::to_string(::getpid());
    if (!prepared) {
        std::filesystem::create_directory(dir);
        for (int i = 0; i < files; ++i) std::ofstream(dir + "/" + Numbered("c", i)) << "chosen " << i;
        for (int i = files; i < entries; ++i) std::ofstream(dir + "/" + Numbered("o", i));
    }
    std::optional<OpenDirectory> open;
    if (OpenDirectory::Open(Ascii(dir), std::nullopt, open) != ErrNone) return 1;
    std::printf("%s (%s, identity by %s): %d chosen files among %d entries, medians of %d rounds\n", dir.c_str(),
                open->Rule().Type.c_str(), std::string(KindWord(open->Rule().Kind)).c_str(), files, entries, rounds);
    // Without inode numbers a file is never looked for under other names.
    const bool searches = open->Rule().Kind != IdentityKind::Fingerprint;
    open.reset();
    for (const bool byHand : {false, true}) {
        std::vector<double> wall, cpu;
        bool complete = true;
        for (int r = 0; r < rounds; ++r) {
            const Round round = RecoverOnce(dir, files, byHand, searches);
            wall.push_back(round.Seconds);
            cpu.push_back(round.Cpu);
            complete = complete && round.Complete;
            // Files renamed by hand come back under their old names too: the next round starts alike.
        }
        const char* what = !byHand   ? "under the names the pass gave"
                           : searches ? "renamed by hand since (found by one read)"
                                      : "renamed by hand since (looked for at their journalled names only)";
        std::printf("recovery, files %s: %.3f s, %.3f s cpu%s\n", what, Median(wall), Median(cpu),
                    complete ? "" : " (NOT as expected: files missed or found)");
    }
    if (!prepared) std::filesystem::remove_all(dir);
    return 0;
}
