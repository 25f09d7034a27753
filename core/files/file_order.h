#pragma once
// The chosen files in the order the user asked for: by name, by the moment
// each photo was taken, by modification time or by size, oldest or smallest
// first; and the date each new name shows. Reading what the order and the
// date need is apart from ordering, so that a window can read on another
// thread and order on its own.
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/text.h"
#include "files/photo_time.h"
#include "naming/date_format.h"
#include "naming/list_order.h"
#include "naming/options.h"

namespace morvane {

struct FileFacts {
    std::optional<TakenDate> Taken;     // read for ListOrder::DateTaken and DateChoice::Taken only
    std::optional<PhotoTime> Modified;  // none: the file could not be looked at
    std::optional<std::uint64_t> Size;
};

// What ordering by `order` and the date `date` in the new names need of each
// of the named files in directory, one entry per name: one read serves both.
// Nothing at all for ListOrder::Name with DateChoice::None. When `cancel`
// becomes true the reading stops and the rest stays unknown; `done` counts
// the files read so far.
std::vector<FileFacts> ReadFileFacts(const Text& directory, const std::vector<Text>& names, ListOrder order,
                                     DateChoice date, const std::atomic<bool>* cancel = nullptr,
                                     std::atomic<std::size_t>* done = nullptr);
// The same for the order alone.
std::vector<FileFacts> ReadFileFacts(const Text& directory, const std::vector<Text>& names, ListOrder order,
                                     const std::atomic<bool>* cancel = nullptr,
                                     std::atomic<std::size_t>* done = nullptr);

// The date each file's new name shows by `date`, from facts read for it (one
// per name, in the same order): for Taken the date as the photo writes it,
// else its modification time in local time, flagged; for Modified the
// modification time in local time. Empty for a file that could not be looked
// at, and an empty list for DateChoice::None.
std::vector<std::optional<FileDate>> DatesInNames(const std::vector<FileFacts>& facts, DateChoice date);

struct FileOrder {
    std::vector<std::size_t> Positions;  // indices of the names, in list order
    // Per name: ordered by its modification time because it has no date taken.
    std::vector<bool> NoDateTaken;
};

// Orders names (given in the chooser's name order, which ties keep) by
// their facts. A file without a date taken counts by its modification time;
// a file that could not be looked at comes after all others.
FileOrder OrderFiles(const std::vector<FileFacts>& facts, ListOrder order);

}  // namespace morvane
