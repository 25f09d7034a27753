// The date a photo was taken: its date texts, and real files written by the
// metadata library, damaged, foreign or not files at all.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "files/photo_date_reader.h"
#include "files/photo_date_text.h"
#include "files/unique_fd.h"
#include "local_zone.h"
#include "photo_samples.h"
#include "temp_dir.h"

namespace morvane {

void PrintTo(const PhotoTime& t, std::ostream* os) { *os << t.Seconds << "." << t.Nanoseconds; }
void PrintTo(const WallClock& c, std::ostream* os) {
    *os << c.Year << "-" << c.Month << "-" << c.Day << " " << c.Hour << ":" << c.Minute << ":" << c.Second;
}
void PrintTo(const TakenDate& d, std::ostream* os) {
    PrintTo(d.Moment, os);
    *os << " written ";
    PrintTo(d.Written, os);
}

namespace {

using Moment = std::optional<PhotoTime>;
constexpr Moment None = std::nullopt;

// 2024-07-14 08:11:12 UTC, which is 10:11:12 in the test's summer time.
constexpr std::int64_t July14 = 1720944672;
constexpr WallClock Clock1011{2024, 7, 14, 10, 11, 12};

TEST(PhotoDateText, ExifDatesWithTheirSubSecondsAndOffsets) {
    const LocalZone zone;
    const std::tuple<const char*, std::string_view, const char*, const char*, Moment> rows[] = {  // name, date, sub-seconds, offset
        {"offset without colon", "2024:07:14 10:11:12", "", "+0200", PhotoTime{July14, 0}},
        {"UTC", "1999:12:31 23:59:59", "", "+00:00", PhotoTime{946684799, 0}},
        {"padded with blanks and NUL", std::string_view("2024:07:14 10:11:12\0", 20), "5  ", " +02:00 ",
         PhotoTime{July14, 500000000}},
        {"winter, local", "2024:01:14 10:11:12", "", "", PhotoTime{1705223472, 0}},
        {"blank offset is local", "2024:07:14 10:11:12", "", "   :  ", PhotoTime{July14, 0}},
        {"unreadable offset is local", "2024:07:14 10:11:12", "", "+25:00", PhotoTime{July14, 0}},
        {"unreadable sub-seconds dropped", "2024:07:14 10:11:12", "1a", "+02:00", PhotoTime{July14, 0}},
        {"dashes in the date", "2024-07-14 10:11:12", "", "+02:00", PhotoTime{July14, 0}},
        {"no clock: zeros", "0000:00:00 00:00:00", "", "", None},
        {"blank", "    :  :     :  :  ", "", "", None},
        {"empty", "", "", "", None},
        {"month 13", "2024:13:01 10:00:00", "", "", None},
        {"29 February of a common year", "2023:02:29 10:00:00", "", "", None},
        {"hour 24", "2024:07:14 24:00:00", "", "", None},
        {"date alone", "2024:07:14", "", "", None},
        {"trailing text", "2024:07:14 10:11:12 PM", "", "", None},
    };
    for (const auto& [name, date, subSeconds, offset, expected] : rows)
        EXPECT_EQ(ExifDateTime(date, subSeconds, offset), expected) << name;
}

TEST(PhotoDateText, XmpDates) {
    const LocalZone zone;
    const std::pair<const char*, Moment> rows[] = {
        {"2024-07-14T10:11:12+02:00", PhotoTime{July14, 0}},
        {"2024-07-14T08:11:12.5Z", PhotoTime{July14, 500000000}},
        {"2024-07-14T10:11+02:00", PhotoTime{1720944660, 0}},
        {"2024-07-14T10:11:12", PhotoTime{July14, 0}},
        {"2024-07-14T25:00Z", None},
        {"2024-07-14T10:11:12+2", None},
        {"2024-07-14T", None},
        {"07/14/2024", None},
        {"0000-00-00T00:00:00", None},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(XmpDateTime(text), expected) << text;
}

// written: the date as the photo writes it, no zone applied.
struct PhotoRow { const char* name; photo_samples::Bytes image; photo_samples::Tags tags; Moment expected; std::optional<WallClock> written = std::nullopt; };

// Reads the file as the list does, through a descriptor, and its bytes from
// memory as the fuzz target does: both must agree.
std::optional<TakenDate> ReadBoth(const std::string& path) {
    const std::string bytes = photo_samples::ReadBytes(path);
    const auto fromMemory = ReadTakenDate(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    const auto fromFile = ReadTakenDate(fd.Get());
    EXPECT_EQ(fromFile, fromMemory);
    EXPECT_EQ(ReadPhotoDate(fd.Get()), fromFile ? std::optional(fromFile->Moment) : None);
    return fromFile;
}

TEST(PhotoDateReader, TakesTheFirstUsableDateOfEachKind) {
    using photo_samples::TinyJpeg, photo_samples::TinyPng;
    const LocalZone zone;
    const PhotoRow rows[] = {
        {"original", TinyJpeg(), {{"Exif.Photo.DateTimeOriginal", "2024:07:14 10:11:12"},
         {"Exif.Photo.DateTimeDigitized", "2020:01:01 00:00:00"}, {"Exif.Image.DateTime", "2021:01:01 00:00:00"}},
         PhotoTime{July14, 0}, Clock1011},
        {"original with sub-seconds and offset", TinyJpeg(), {{"Exif.Photo.DateTimeOriginal", "2024:07:14 10:11:12"},
         {"Exif.Photo.SubSecTimeOriginal", "25"}, {"Exif.Photo.OffsetTimeOriginal", "-05:30"}, {"Exif.Photo.SubSecTime", "99"}},
         PhotoTime{1720971672, 250000000}, Clock1011},
        {"zeros in the original: digitized", TinyJpeg(), {{"Exif.Photo.DateTimeOriginal", "0000:00:00 00:00:00"},
         {"Exif.Photo.DateTimeDigitized", "2024:07:14 10:11:12"}, {"Exif.Photo.OffsetTimeDigitized", "+02:00"}},
         PhotoTime{July14, 0}, Clock1011},
        {"image date with its own sub-seconds", TinyJpeg(),
         {{"Exif.Image.DateTime", "2024:07:14 10:11:12"}, {"Exif.Photo.SubSecTime", "5"}},
         PhotoTime{July14, 500000000}, Clock1011},
        {"XMP day alone", TinyJpeg(), {{"Xmp.xmp.CreateDate", "2024-07-14"}}, PhotoTime{1720908000, 0},
         WallClock{2024, 7, 14, 0, 0, 0}},
        {"garbage Exif, XMP behind it", TinyJpeg(),
         {{"Exif.Photo.DateTimeOriginal", "not a date"}, {"Xmp.xmp.CreateDate", "2024-07-14T08:11:12-03:00"}},
         PhotoTime{1720955472, 0}, WallClock{2024, 7, 14, 8, 11, 12}},
        {"PNG", TinyPng(), {{"Exif.Photo.DateTimeOriginal", "2024:07:14 10:11:12"}}, PhotoTime{July14, 0}, Clock1011},
        {"only garbage", TinyJpeg(), {{"Exif.Photo.DateTimeOriginal", "yesterday"}}, None},
        {"other tags only", TinyJpeg(), {{"Exif.Image.Make", "Camera"}}, None},
    };
    const TempDir dir;
    for (const PhotoRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = dir.At(std::string(row.name) + ".jpg");
        photo_samples::WritePhoto(path, row.image, row.tags);
        const auto date = ReadBoth(path);
        EXPECT_EQ(std::tuple(date ? std::optional(date->Moment) : None, date ? std::optional(date->Written) : std::nullopt),
                  std::tuple(row.expected, row.written));
    }
}

// Nor does a FIFO named like a photo, which must not hold the reader up: with
// no writer, a read would wait for ever.
TEST(PhotoDateReader, DamagedForeignAndIrregularFilesHaveNoDate) {
    const photo_samples::Bytes dated = [] {
        const TempDir dir;
        photo_samples::WritePhoto(dir.At("a.jpg"), photo_samples::TinyJpeg(),
                                  {{"Exif.Photo.DateTimeOriginal", "2024:07:14 10:11:12"}});
        return photo_samples::ReadBytes(dir.At("a.jpg"));
    }();
    const std::pair<const char*, photo_samples::Bytes> rows[] = {
        {"directory beyond the end", photo_samples::WithDamagedExif(dated)},
        {"segment longer than the file", photo_samples::WithOverlongExifSegment(dated)},
        {"half a photo", dated.substr(0, dated.size() / 3)},
        {"text", "Holiday notes, not a photo\n"},
        {"empty", ""},
        {"JPEG start only", "\xFF\xD8\xFF"},
        {"TIFF header pointing nowhere", std::string("II*\0\xFF\xFF\xFF\x7F", 8)},
    };
    const TempDir dir;
    for (const auto& [name, bytes] : rows) {
        photo_samples::WriteBytes(dir.At("p.jpg"), bytes);
        EXPECT_EQ(ReadBoth(dir.At("p.jpg")), std::nullopt) << name;
    }
    ASSERT_EQ(::mkfifo(dir.At("pipe.jpg").c_str(), 0600), 0);
    const UniqueFd pipe(::open(dir.At("pipe.jpg").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    const UniqueFd directory(::open(dir.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    ASSERT_TRUE(pipe && directory);
    for (const int fd : {pipe.Get(), directory.Get(), -1}) EXPECT_EQ(ReadPhotoDate(fd), None) << "descriptor " << fd;
}

}  // namespace
}  // namespace morvane
