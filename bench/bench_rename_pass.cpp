// Times a rename pass over 1001 files (a taken name for every tenth file)
// and its undo against the same number of bare renameat2 calls, and times
// composing 1001 names. Run by hand: build-dir/bench/bench_rename_pass
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "name_composer.h"
#include "rename_pass.h"

using namespace morvane;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kFiles = 1001;
constexpr int kRepeats = 9;

struct CountingRenamer : FileRenamer {
    PosixRenamer Real;
    int Calls = 0;
    int Rename(const Text& from, const Text& to) override {
        ++Calls;
        return Real.Rename(from, to);
    }
};

struct IdlePointer : PointerControl {
    std::int16_t Current = 0;
    std::int16_t Shape() const override { return Current; }
    void SetShape(std::int16_t shape) override { Current = shape; }
};

std::string Numbered(const char* prefix, int n, const char* ext) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d%s", prefix, n, ext);
    return name;
}

std::string MakeDirectory() {
    char pattern[] = "/tmp/morvane-bench-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    for (int i = 0; i < kFiles; ++i) {
        std::ofstream(dir + "/" + Numbered("file", i, ".dat")) << i;
        // The pass's own name for every tenth file is taken already.
        if (i % 10 == 0) std::ofstream(dir + "/" + Numbered("P", i + 1, ".dat")) << "taken";
    }
    return dir;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int RenameNoReplace(const std::string& from, const std::string& to) {
    return static_cast<int>(syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE));
}

// The pass and its undo; returns the seconds taken and the renames issued.
double TimePassAndUndo(const std::string& dir, int& calls) {
    auto ws = std::make_unique<WorkState>();
    ws->MaskMode = 1;
    const OptionTexts options{u"P", u"", u"1", u"0"};
    std::vector<Text> list;
    for (int i = 0; i < kFiles; ++i) list.push_back(Ascii(Numbered("file", i, ".dat")));
    CountingRenamer renamer;
    IdlePointer pointer;
    const auto start = Clock::now();
    const auto pass = RunRenamePass(*ws, list, Ascii(dir), options, u"", renamer, pointer);
    const auto undo = UndoLastPass(*ws, renamer, pointer);
    const auto took = Clock::now() - start;
    if (!pass.Completed || !undo.Completed) std::fprintf(stderr, "the pass or its undo did not complete\n");
    calls = renamer.Calls;
    return Seconds(took);
}

// The floor: the same number of renameat2 calls in a plain loop, forth,
// onto taken names, and back.
double TimeBareRenames(const std::string& dir, int calls) {
    const int clashes = calls - 2 * kFiles;
    std::vector<std::string> from, to;
    for (int i = 0; i < kFiles; ++i) {
        from.push_back(dir + "/" + Numbered("file", i, ".dat"));
        to.push_back(dir + "/" + Numbered("Q", i, ".dat"));
    }
    const auto start = Clock::now();
    for (int i = 0; i < kFiles; ++i) RenameNoReplace(from[i], to[i]);
    for (int i = 0; i < clashes; ++i) RenameNoReplace(to[i], to[i + 1]);
    for (int i = 0; i < kFiles; ++i) RenameNoReplace(to[i], from[i]);
    return Seconds(Clock::now() - start);
}

double TimeCompose() {
    auto ws = std::make_unique<WorkState>();
    ws->MaskMode = 1;
    const OptionTexts options{u"P", u"_x", u"1", u"0"};
    std::vector<double> times;
    for (int r = 0; r < 101; ++r) {
        for (int i = 0; i < kFiles; ++i) ws->OldNames[i] = Ascii(Numbered("IMG_", i, ".jpg"));
        const auto start = Clock::now();
        ComposeNewNames(*ws, kFiles, options, u"");
        times.push_back(Seconds(Clock::now() - start));
    }
    return Median(times);
}

}  // namespace

int main() {
    const std::string passDir = MakeDirectory(), floorDir = MakeDirectory();
    std::vector<double> passTimes, floorTimes;
    int calls = 0;
    for (int r = 0; r < kRepeats; ++r) {
        passTimes.push_back(TimePassAndUndo(passDir, calls));
        floorTimes.push_back(TimeBareRenames(floorDir, calls));
    }
    std::filesystem::remove_all(passDir);
    std::filesystem::remove_all(floorDir);
    const double pass = Median(passTimes), floor = Median(floorTimes);
    std::printf("pass and undo over %d files (%d renames): %.2f ms\n", kFiles, calls, pass * 1e3);
    std::printf("bare renameat2 loop, same number of calls: %.2f ms\n", floor * 1e3);
    std::printf("ratio: %.2f (target <= 1.5)\n", pass / floor);
    std::printf("composing %d names: %.3f ms (target < 1 ms)\n", kFiles, TimeCompose() * 1e3);
    return 0;
}
