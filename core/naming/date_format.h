#pragma once
// The date in a new name: the wall-clock time a file is dated with, and the
// format that writes it. The format knows yyyy, yy, MM, dd, HH, mm and ss;
// every other character stands for itself.
#include <compare>

#include "base/text.h"
#include "naming/file_name_rules.h"

namespace morvane {

inline const Text DefaultDateFormat = u"yyyy-MM-dd_";

// A date and time as a clock shows it, in no particular zone: a camera's
// as it wrote it, a modification time in the machine's local time.
struct WallClock {
    int Year = 1, Month = 1, Day = 1;   // 1..9999, 1..12, 1..31
    int Hour = 0, Minute = 0, Second = 0;  // 0..23, 0..59, 0..60

    auto operator<=>(const WallClock&) const = default;
};

// The date a file's new name shows.
struct FileDate {
    WallClock When;
    // Asked for its date taken, the file has none: When is its modification time.
    bool ModificationTime = false;

    bool operator==(const FileDate&) const = default;
};

// Why a format is refused: NameFault::Empty, Slash or Nul (the literal text
// would put "/" or NUL into every name); None when it may be used.
NameFault DateFormatFault(const Text& format);

// when written by format. Years are written with at least four digits
// (yyyy) or as their last two (yy); the other fields with two.
Text FormatDate(const Text& format, const WallClock& when);

// The day a date falls on, as one number (yyyyMMdd): the key that numbering
// per day counts by, whatever the format shows.
inline int DayOf(const WallClock& when) { return (when.Year * 100 + when.Month) * 100 + when.Day; }

}  // namespace morvane
