#include "files/photo_date_text.h"

#include <chrono>
#include <cstdint>
#include <ctime>

namespace morvane {
namespace {

struct Fields {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    std::int32_t Nanoseconds = 0;
    std::optional<int> OffsetSeconds;  // east of UTC; none: local time
};

// Reads exactly `count` decimal digits at `at`, moving past them.
std::optional<int> Digits(std::string_view text, std::size_t& at, std::size_t count) {
    if (at > text.size() || text.size() - at < count) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    at += count;
    return value;
}

bool Take(std::string_view text, std::size_t& at, std::string_view oneOf) {
    if (at >= text.size() || oneOf.find(text[at]) == std::string_view::npos) return false;
    ++at;
    return true;
}

// Cameras pad their texts with blanks and the text's terminating NUL.
std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\0' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// Up to nine digits of a fraction of a second; further digits are dropped.
std::optional<std::int32_t> Fraction(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::int32_t nanos = 0, scale = 100000000;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        nanos += (c - '0') * scale;
        scale /= 10;
    }
    return nanos;
}

// "+hh:mm", "-hh:mm", "+hhmm" or "Z".
std::optional<int> Offset(std::string_view text) {
    if (text == "Z") return 0;
    std::size_t at = 0;
    if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
    const int sign = text[at++] == '-' ? -1 : 1;
    const auto hours = Digits(text, at, 2);
    Take(text, at, ":");
    const auto minutes = Digits(text, at, 2);
    if (!hours || !minutes || at != text.size() || *hours > 23 || *minutes > 59) return std::nullopt;
    return sign * (*hours * 3600 + *minutes * 60);
}

std::optional<TakenDate> ToTime(const Fields& f) {
    using namespace std::chrono;
    const year_month_day date{year{f.Year}, month{static_cast<unsigned>(f.Month)}, day{static_cast<unsigned>(f.Day)}};
    // Year 0 is what a camera without a clock writes.
    if (f.Year < 1 || !date.ok() || f.Hour > 23 || f.Minute > 59 || f.Second > 60) return std::nullopt;
    const std::int64_t civil = static_cast<std::int64_t>(sys_days(date).time_since_epoch().count()) * 86400 +
                               f.Hour * 3600 + f.Minute * 60 + f.Second;
    const WallClock written{f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second};
    if (f.OffsetSeconds) return TakenDate{{civil - *f.OffsetSeconds, f.Nanoseconds}, written};
    // Local time: the zone's offset at about that moment, checked once more
    // at the moment found, which settles the change to and from summer time.
    const auto offsetAt = [](std::int64_t when) -> std::int64_t {
        const std::time_t t = static_cast<std::time_t>(when);
        std::tm local{};
        return localtime_r(&t, &local) ? local.tm_gmtoff : 0;
    };
    std::int64_t utc = civil - offsetAt(civil);
    utc = civil - offsetAt(utc);
    return TakenDate{{utc, f.Nanoseconds}, written};
}

std::optional<PhotoTime> MomentOf(const std::optional<TakenDate>& date) {
    return date ? std::optional(date->Moment) : std::nullopt;
}

}  // namespace

std::optional<PhotoTime> ExifDateTime(std::string_view date, std::string_view subSeconds, std::string_view offset) {
    return MomentOf(ExifTakenDate(date, subSeconds, offset));
}

std::optional<PhotoTime> XmpDateTime(std::string_view date) { return MomentOf(XmpTakenDate(date)); }

std::optional<TakenDate> ExifTakenDate(std::string_view date, std::string_view subSeconds, std::string_view offset) {
    date = Trimmed(date);
    Fields f;
    std::size_t at = 0;
    const auto year = Digits(date, at, 4);
    const bool s1 = Take(date, at, ":-");
    const auto month = Digits(date, at, 2);
    const bool s2 = Take(date, at, ":-");
    const auto day = Digits(date, at, 2);
    const bool s3 = Take(date, at, " T");
    const auto hour = Digits(date, at, 2);
    const bool s4 = Take(date, at, ":");
    const auto minute = Digits(date, at, 2);
    const bool s5 = Take(date, at, ":");
    const auto second = Digits(date, at, 2);
    if (!year || !month || !day || !hour || !minute || !second || !s1 || !s2 || !s3 || !s4 || !s5 ||
        at != date.size())
        return std::nullopt;
    f.Year = *year, f.Month = *month, f.Day = *day, f.Hour = *hour, f.Minute = *minute, f.Second = *second;
    // Sub-seconds and offsets that cannot be read are left out: the date
    // itself still holds.
    if (const auto nanos = Fraction(Trimmed(subSeconds))) f.Nanoseconds = *nanos;
    f.OffsetSeconds = Offset(Trimmed(offset));
    return ToTime(f);
}

std::optional<TakenDate> XmpTakenDate(std::string_view date) {
    date = Trimmed(date);
    Fields f{0, 1, 1, 0, 0, 0, 0, std::nullopt};
    std::size_t at = 0;
    const auto year = Digits(date, at, 4);
    if (!year) return std::nullopt;
    f.Year = *year;
    if (Take(date, at, "-")) {
        const auto month = Digits(date, at, 2);
        if (!month) return std::nullopt;
        f.Month = *month;
        if (Take(date, at, "-")) {
            const auto day = Digits(date, at, 2);
            if (!day) return std::nullopt;
            f.Day = *day;
        }
    }
    if (Take(date, at, "T")) {
        const auto hour = Digits(date, at, 2);
        const bool colon = Take(date, at, ":");
        const auto minute = Digits(date, at, 2);
        if (!hour || !colon || !minute) return std::nullopt;
        f.Hour = *hour, f.Minute = *minute;
        if (Take(date, at, ":")) {
            const auto second = Digits(date, at, 2);
            if (!second) return std::nullopt;
            f.Second = *second;
            if (Take(date, at, ".,")) {
                const std::size_t start = at;
                while (at < date.size() && date[at] >= '0' && date[at] <= '9') ++at;
                const auto nanos = Fraction(date.substr(start, at - start));
                if (!nanos) return std::nullopt;
                f.Nanoseconds = *nanos;
            }
        }
        if (at < date.size()) {
            f.OffsetSeconds = Offset(date.substr(at));
            if (!f.OffsetSeconds) return std::nullopt;
            at = date.size();
        }
    }
    if (at != date.size()) return std::nullopt;
    return ToTime(f);
}

std::optional<WallClock> LocalWallClock(PhotoTime moment) {
    const auto seconds = static_cast<std::time_t>(moment.Seconds);
    std::tm local{};
    if (static_cast<std::int64_t>(seconds) != moment.Seconds || !localtime_r(&seconds, &local)) return std::nullopt;
    const int year = local.tm_year + 1900;
    if (year < 1 || year > 9999) return std::nullopt;
    return WallClock{year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace morvane
