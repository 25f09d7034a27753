#pragma once
// A moment in time, to the nanosecond, far beyond the years a camera writes.
#include <compare>
#include <cstdint>

namespace morvane {

struct PhotoTime {
    std::int64_t Seconds = 0;     // since 1970-01-01 00:00:00 UTC
    std::int32_t Nanoseconds = 0;  // 0..999,999,999

    auto operator<=>(const PhotoTime&) const = default;
};

}  // namespace morvane
