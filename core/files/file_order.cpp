#include "files/file_order.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <numeric>

#include "files/photo_date_reader.h"
#include "files/photo_date_text.h"
#include "files/unique_fd.h"

namespace morvane {
namespace {

PhotoTime ModificationTime(const struct stat& info) {
    return {static_cast<std::int64_t>(info.st_mtim.tv_sec), static_cast<std::int32_t>(info.st_mtim.tv_nsec)};
}

FileFacts FactsOf(int directory, const Text& name, bool taken) {
    FileFacts facts;
    const std::optional<std::string> bytes = ToUtf8(name);
    if (!bytes || bytes->empty() || bytes->find('/') != std::string::npos) return facts;
    struct stat info {};
    if (taken) {
        // Never waits: a FIFO or device under a photo's name opens at once
        // and is then left unread.
        const UniqueFd file(::openat(directory, bytes->c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (file && ::fstat(file.Get(), &info) == 0) {
            facts.Taken = ReadTakenDate(file.Get());
            facts.Modified = ModificationTime(info);
            facts.Size = static_cast<std::uint64_t>(info.st_size);
            return facts;
        }
        // Unreadable: its modification time still counts.
    }
    if (::fstatat(directory, bytes->c_str(), &info, 0) == 0) {
        facts.Modified = ModificationTime(info);
        facts.Size = static_cast<std::uint64_t>(info.st_size);
    }
    return facts;
}

}  // namespace

std::vector<FileFacts> ReadFileFacts(const Text& directory, const std::vector<Text>& names, ListOrder order,
                                     const std::atomic<bool>* cancel, std::atomic<std::size_t>* done) {
    return ReadFileFacts(directory, names, order, DateChoice::None, cancel, done);
}

std::vector<FileFacts> ReadFileFacts(const Text& directory, const std::vector<Text>& names, ListOrder order,
                                     DateChoice date, const std::atomic<bool>* cancel,
                                     std::atomic<std::size_t>* done) {
    std::vector<FileFacts> facts(names.size());
    if (order == ListOrder::Name && date == DateChoice::None) return facts;
    const bool taken = order == ListOrder::DateTaken || date == DateChoice::Taken;
    const std::optional<std::string> path = ToUtf8(directory);
    if (!path) return facts;
    const UniqueFd dir(::open(path->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir) return facts;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (cancel && cancel->load(std::memory_order_relaxed)) break;
        facts[i] = FactsOf(dir.Get(), names[i], taken);
        if (done) done->fetch_add(1, std::memory_order_relaxed);
    }
    return facts;
}

FileOrder OrderFiles(const std::vector<FileFacts>& facts, ListOrder order) {
    FileOrder result;
    result.Positions.resize(facts.size());
    std::iota(result.Positions.begin(), result.Positions.end(), std::size_t{0});
    result.NoDateTaken.assign(facts.size(), false);
    if (order == ListOrder::Name) return result;

    // One key per file: known keys first, then by value.
    struct Key {
        bool Unknown = true;
        PhotoTime When;
        std::uint64_t Size = 0;
        auto operator<=>(const Key&) const = default;
    };
    std::vector<Key> keys(facts.size());
    for (std::size_t i = 0; i < facts.size(); ++i) {
        const FileFacts& f = facts[i];
        Key& key = keys[i];
        if (order == ListOrder::Size) {
            if (f.Size) key = {false, {}, *f.Size};
            continue;
        }
        std::optional<PhotoTime> when = f.Modified;
        if (order == ListOrder::DateTaken) {
            if (f.Taken) when = f.Taken->Moment;
            else result.NoDateTaken[i] = true;
        }
        if (when) key = {false, *when, 0};
    }
    std::stable_sort(result.Positions.begin(), result.Positions.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return result;
}

std::vector<std::optional<FileDate>> DatesInNames(const std::vector<FileFacts>& facts, DateChoice date) {
    std::vector<std::optional<FileDate>> dates;
    if (date == DateChoice::None) return dates;
    dates.reserve(facts.size());
    for (const FileFacts& f : facts) {
        std::optional<FileDate>& file = dates.emplace_back();
        if (date == DateChoice::Taken && f.Taken) {
            file = FileDate{f.Taken->Written, false};
            continue;
        }
        const auto local = f.Modified ? LocalWallClock(*f.Modified) : std::nullopt;
        if (local) file = FileDate{*local, date == DateChoice::Taken};
    }
    return dates;
}

}  // namespace morvane
