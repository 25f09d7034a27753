// Listing, sorting and converting the names of a large directory: today's
// code against the code before it, which is kept below as the reference, in
// the same run, alternating, median of the runs. A directory of 300,000 files
// with short names (and a few subdirectories) is made under /tmp and removed
// at the end. Run by hand:
//   build-dir/bench/bench_listing [FILES] [RUNS]
// Under callgrind each step runs once with its own dump, named after it:
//   valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file=/tmp/cg.%p build-dir/bench/bench_listing 100000
#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define RUNNING_ON_VALGRIND 0
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(label) ((void)(label))
#endif

#include "files/directory_listing.h"
#include "naming/name_order.h"
#include "base/text.h"

using namespace morvane;

namespace {

// ---- The reference: conversion, sorting and listing as they were. ----

std::optional<Text> OldFromUtf8(std::string_view utf8) {
    Text out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        std::size_t len;
        if (b0 < 0x80) { cp = b0; len = 1; }
        else if (b0 >= 0xC2 && b0 <= 0xDF) { cp = b0 & 0x1F; len = 2; }
        else if (b0 >= 0xE0 && b0 <= 0xEF) { cp = b0 & 0x0F; len = 3; }
        else if (b0 >= 0xF0 && b0 <= 0xF4) { cp = b0 & 0x07; len = 4; }
        else return std::nullopt;
        if (i + len > utf8.size()) return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

std::optional<std::string> OldToUtf8(const Text& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return std::nullopt;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return std::nullopt;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

char16_t OldFold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

Text OldSortKey(const Text& name) {
    Text key;
    key.reserve(name.size() + 4);
    for (std::size_t i = 0; i < name.size();) {
        if (!IsDigit(name[i])) {
            key.push_back(OldFold(name[i++]));
            continue;
        }
        std::size_t end = i;
        while (end < name.size() && IsDigit(name[end])) ++end;
        while (i + 1 < end && name[i] == u'0') ++i;
        key.push_back(u'0');
        key.push_back(static_cast<char16_t>(std::min<std::size_t>(end - i, 0xFFFF)));
        key.append(name, i, end - i);
        i = end;
    }
    return key;
}

void OldSortNames(std::vector<Text>& names) {
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Text key = OldSortKey(names[i]);
        std::string bytes;
        bytes.reserve(key.size() * 2 + 1);
        for (const char16_t c : key) {
            bytes.push_back(static_cast<char>(c >> 8));
            bytes.push_back(static_cast<char>(c & 0xFF));
        }
        keyed.emplace_back(std::move(bytes), i);
    }
    std::sort(keyed.begin(), keyed.end(), [&names](const auto& a, const auto& b) {
        if (const int c = a.first.compare(b.first); c != 0) return c < 0;
        return names[a.second] < names[b.second];
    });
    std::vector<Text> sorted;
    sorted.reserve(names.size());
    for (const auto& entry : keyed) sorted.push_back(std::move(names[entry.second]));
    names = std::move(sorted);
}

enum class OldKind { File, Directory };

std::optional<OldKind> OldKindOf(int dirFd, const dirent& entry) {
    switch (entry.d_type) {
    case DT_REG: return OldKind::File;
    case DT_DIR: return OldKind::Directory;
    case DT_LNK:
    case DT_UNKNOWN: break;
    default: return std::nullopt;
    }
    struct stat st {};
    if (fstatat(dirFd, entry.d_name, &st, 0) != 0) return std::nullopt;
    if (S_ISREG(st.st_mode)) return OldKind::File;
    if (S_ISDIR(st.st_mode)) return OldKind::Directory;
    return std::nullopt;
}

std::vector<Text> OldListKind(const Text& dir, OldKind wanted) {
    std::vector<Text> names;
    const auto path = OldToUtf8(dir);
    if (!path) return names;
    DIR* d = opendir(path->c_str());
    if (!d) return names;
    const int fd = dirfd(d);
    while (const dirent* entry = readdir(d)) {
        if (entry->d_name[0] == '.') continue;
        if (OldKindOf(fd, *entry) != wanted) continue;
        if (auto name = OldFromUtf8(entry->d_name)) names.push_back(std::move(*name));
    }
    closedir(d);
    OldSortNames(names);
    return names;
}

// ---- Measuring. ----

double CpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double WallMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Timing {
    std::vector<double> Wall, Cpu;
};

// Runs before() untimed, then step() timed; under callgrind, collects and
// dumps the instructions of step() alone under the label.
void Measure(const char* label, Timing& timing, const std::function<void()>& before,
             const std::function<void()>& step) {
    before();
    if (RUNNING_ON_VALGRIND) {
        CALLGRIND_TOGGLE_COLLECT;
        step();
        CALLGRIND_TOGGLE_COLLECT;
        CALLGRIND_DUMP_STATS_AT(label);
        return;
    }
    const double wall = WallMs(), cpu = CpuMs();
    step();
    timing.Wall.push_back(WallMs() - wall);
    timing.Cpu.push_back(CpuMs() - cpu);
}

void Report(const char* what, const Timing& old, const Timing& now) {
    if (old.Cpu.empty()) return;
    const double oc = Median(old.Cpu), nc = Median(now.Cpu);
    std::printf("%-46s %9.1f %9.1f %9.1f %9.1f  %5.2fx\n", what, Median(old.Wall), oc, Median(now.Wall), nc,
                oc / nc);
}

int Failed(const char* what) {
    std::fprintf(stderr, "results differ: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const int fileCount = argc > 1 ? std::atoi(argv[1]) : 300000;
    const int runs = RUNNING_ON_VALGRIND ? 1 : (argc > 2 ? std::max(5, std::atoi(argv[2])) : 7);
    constexpr int SubdirectoryCount = 20;

    char pattern[] = "/tmp/morvane-bench-listing-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    const std::string dir = pattern;
    struct RemoveAtEnd {
        std::string Dir;
        ~RemoveAtEnd() { std::filesystem::remove_all(Dir); }
    } removeAtEnd{dir};
    std::printf("creating %d files in %s...\n", fileCount, dir.c_str());
    for (int i = 0; i < fileCount; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/Holiday %06d.jpg", static_cast<int>((i * 7919LL) % fileCount));
        const int fd = ::open((dir + name).c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0) ::close(fd);
    }
    for (int i = 0; i < SubdirectoryCount; ++i) mkdir((dir + "/Album " + std::to_string(i)).c_str(), 0755);
    const Text dirText = *FromUtf8(dir);

    // The names as the directory gives them, in both encodings, and a set of
    // names that are not ASCII, for the conversions' general path.
    std::vector<std::string> ascii, accented;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.is_regular_file()) ascii.push_back(entry.path().filename().string());
    for (const std::string& name : ascii) accented.push_back("F\xC3\xAAte d'\xC3\xA9t\xC3\xA9 " + name.substr(8));
    std::vector<Text> asciiText, accentedText;
    for (const std::string& name : ascii) asciiText.push_back(*FromUtf8(name));
    for (const std::string& name : accented) accentedText.push_back(*FromUtf8(name));

    Timing oldList, newList, oldSort, newSort, oldFrom, newFrom, oldTo, newTo, oldFromX, newFromX, oldToX,
        newToX;
    std::vector<Text> files, subdirectories, oldFiles, oldSubdirectories, sorted, oldSorted;
    std::vector<std::optional<Text>> texts, oldTexts;
    std::vector<std::optional<std::string>> bytes, oldBytes;
    const auto none = [] {};
    OldListKind(dirText, OldKind::File);  // the directory into the cache, for both

    for (int r = 0; r < runs; ++r) {
        // Today's chooser reads the directory twice; ListDirectory once.
        Measure("list: reference", oldList, none, [&] {
            oldSubdirectories = OldListKind(dirText, OldKind::Directory);
            oldFiles = OldListKind(dirText, OldKind::File);
        });
        Measure("list: ListDirectory", newList, none, [&] {
            auto listing = ListDirectory(dirText);
            files = std::move(listing.Files);
            subdirectories = std::move(listing.Subdirectories);
        });
        Measure("sort: reference", oldSort, [&] { oldSorted = asciiText; }, [&] { OldSortNames(oldSorted); });
        Measure("sort: SortNames", newSort, [&] { sorted = asciiText; }, [&] { SortNames(sorted); });

        const auto fromAll = [](auto convert, const std::vector<std::string>& in, auto& out) {
            out.clear();
            out.reserve(in.size());
            for (const std::string& name : in) out.push_back(convert(name));
        };
        const auto toAll = [](auto convert, const std::vector<Text>& in, auto& out) {
            out.clear();
            out.reserve(in.size());
            for (const Text& name : in) out.push_back(convert(name));
        };
        Measure("from UTF-8, ASCII: reference", oldFrom, none, [&] { fromAll(OldFromUtf8, ascii, oldTexts); });
        Measure("from UTF-8, ASCII: FromUtf8", newFrom, none, [&] { fromAll(FromUtf8, ascii, texts); });
        if (oldTexts != texts) return Failed("FromUtf8 on ASCII names");
        Measure("to UTF-8, ASCII: reference", oldTo, none, [&] { toAll(OldToUtf8, asciiText, oldBytes); });
        Measure("to UTF-8, ASCII: ToUtf8", newTo, none, [&] { toAll(ToUtf8, asciiText, bytes); });
        if (oldBytes != bytes) return Failed("ToUtf8 on ASCII names");
        Measure("from UTF-8, accented: reference", oldFromX, none, [&] { fromAll(OldFromUtf8, accented, oldTexts); });
        Measure("from UTF-8, accented: FromUtf8", newFromX, none, [&] { fromAll(FromUtf8, accented, texts); });
        if (oldTexts != texts) return Failed("FromUtf8 on accented names");
        Measure("to UTF-8, accented: reference", oldToX, none, [&] { toAll(OldToUtf8, accentedText, oldBytes); });
        Measure("to UTF-8, accented: ToUtf8", newToX, none, [&] { toAll(ToUtf8, accentedText, bytes); });
        if (oldBytes != bytes) return Failed("ToUtf8 on accented names");
    }

    if (files != oldFiles || subdirectories != oldSubdirectories) return Failed("listing");
    if (sorted != oldSorted) return Failed("sorting");
    if (files.size() != static_cast<std::size_t>(fileCount) || subdirectories.size() != SubdirectoryCount)
        return Failed("listing: counts");
    if (RUNNING_ON_VALGRIND) return 0;

    std::printf("%d files, %d subdirectories; median of %d runs, in ms (reference = the code before)\n", fileCount,
                SubdirectoryCount, runs);
    std::printf("%-46s %9s %9s %9s %9s  %6s\n", "", "ref wall", "ref cpu", "new wall", "new cpu", "cpu");
    Report("list files and subdirectories (2 reads -> 1)", oldList, newList);
    Report("sort the names", oldSort, newSort);
    Report("FromUtf8, ASCII names", oldFrom, newFrom);
    Report("ToUtf8, ASCII names", oldTo, newTo);
    Report("FromUtf8, accented names", oldFromX, newFromX);
    Report("ToUtf8, accented names", oldToX, newToX);
    return 0;
}
