// Times the preview of every new name: 1001 listed files in a directory of
// 100,000 entries, the snapshot of the directory's names included, beside a
// bare readdir loop over the same directory (the floor). Run by hand:
// build-dir/bench/bench_preview
#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "naming/name_composer.h"
#include "pass/name_snapshot.h"
#include "pass/pass_prediction.h"

using namespace morvane;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kEntries = 100000;
constexpr int kListed = 1001;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string Name(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "IMG_%06d.jpg", i);
    return name;
}

}  // namespace

int main() {
    char pattern[] = "/tmp/morvane-bench-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    for (int i = 0; i < kEntries; ++i) close(open((dir + "/" + Name(i)).c_str(), O_CREAT | O_WRONLY, 0600));
    std::vector<Text> listed;
    for (int i = 0; i < kListed; ++i) listed.push_back(Ascii(Name(i)));
    MaskAnalysis analysis;
    analysis.MaskMode = MaskMode::TextNumbered;  // "IMG-0001.jpg"...: every file renamed
    analysis.Mask = u"IMG";
    const Options options{u"", u"", u"1"};

    std::vector<double> preview, floor;
    std::size_t renamed = 0;
    for (int r = 0; r < 7; ++r) {
        auto start = Clock::now();
        auto snapshot = NameSnapshot::Read(Ascii(dir));
        const NamePlan plan = ComposeNewNames(listed, analysis, options, listed[0]);
        const Prediction prediction = PredictPass(plan, Ascii(dir), *snapshot);
        preview.push_back(Since(start));
        renamed = prediction.Count(PredictedOutcome::Renamed);

        start = Clock::now();
        std::size_t entries = 0;
        DIR* d = opendir(dir.c_str());
        while (readdir(d)) ++entries;
        closedir(d);
        floor.push_back(Since(start));
        if (entries < kEntries) std::fprintf(stderr, "short listing\n");
    }
    std::filesystem::remove_all(dir);
    std::printf("preview of %d files in a directory of %d entries (%zu renamed): %.1f ms (target < 100 ms)\n", kListed,
                kEntries, renamed, Median(preview) * 1e3);
    std::printf("bare readdir of that directory: %.1f ms\n", Median(floor) * 1e3);
    return 0;
}
