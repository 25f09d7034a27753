#pragma once
// The date texts photos carry, read as moments in time. Anything that is not
// a real date (empty, zeros, a month 13, letters) gives nothing.
#include <optional>
#include <string_view>

#include "files/photo_time.h"

namespace morvane {

// "YYYY:MM:DD HH:MM:SS" as Exif writes it, with the sub-second digits
// ("5" is half a second) and the offset from UTC ("+02:00") written beside
// it, either of which may be empty or blank. Without an offset the date is
// the local time of this machine.
std::optional<PhotoTime> ExifDateTime(std::string_view date, std::string_view subSeconds = {},
                                      std::string_view offset = {});

// An ISO 8601 date as XMP writes it: "YYYY-MM-DD" with optionally
// "Thh:mm", ":ss", a fraction and "Z" or "+hh:mm". Local time without a zone.
std::optional<PhotoTime> XmpDateTime(std::string_view date);

// The same, each with the date and time as written (no zone applied, the
// time of an XMP date without one 00:00:00). Either both or nothing.
std::optional<TakenDate> ExifTakenDate(std::string_view date, std::string_view subSeconds = {},
                                       std::string_view offset = {});
std::optional<TakenDate> XmpTakenDate(std::string_view date);

// A moment as this machine's local time shows it; nothing outside the
// years 1..9999.
std::optional<WallClock> LocalWallClock(PhotoTime moment);

}  // namespace morvane
