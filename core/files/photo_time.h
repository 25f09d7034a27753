#pragma once
// A moment in time, to the nanosecond, far beyond the years a camera writes,
// and a photo's date taken.
#include <compare>
#include <cstdint>

#include "naming/date_format.h"

namespace morvane {

struct PhotoTime {
    std::int64_t Seconds = 0;     // since 1970-01-01 00:00:00 UTC
    std::int32_t Nanoseconds = 0;  // 0..999,999,999

    auto operator<=>(const PhotoTime&) const = default;
};

// The date a photo was taken: the moment, for ordering, and the clock's
// reading as the camera wrote it, for the new name (no zone applied).
struct TakenDate {
    PhotoTime Moment;
    WallClock Written;

    bool operator==(const TakenDate&) const = default;
};

}  // namespace morvane
