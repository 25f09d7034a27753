// The chosen files in each order: ordering by the facts read, and real
// directories of photos and odd files read and ordered as the list does.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/file_order.h"
#include "local_zone.h"
#include "photo_samples.h"
#include "temp_dir.h"

namespace morvane {
namespace {

FileFacts Taken(std::int64_t seconds, std::int64_t modified = 0, std::int32_t nanos = 0) {
    return {TakenDate{{seconds, nanos}, {}}, PhotoTime{modified, 0}, 0};
}
FileFacts Modified(std::int64_t seconds) { return {std::nullopt, PhotoTime{seconds, 0}, 0}; }
FileFacts Sized(std::uint64_t size) { return {std::nullopt, PhotoTime{}, size}; }
const FileFacts Unknown{};

struct OrderRow { const char* name; ListOrder order; std::vector<FileFacts> facts; std::vector<std::size_t> expected; std::vector<bool> noDateTaken; };

TEST(OrderFiles, EachOrderOldestOrSmallestFirstTiesInTheOrderGiven) {
    using enum ListOrder;
    const OrderRow rows[] = {
        {"name: as given", Name, {Sized(9), Sized(1), Unknown}, {0, 1, 2}, {false, false, false}},
        {"taken, ties kept", DateTaken, {Taken(30), Taken(10), Taken(30), Taken(20)}, {1, 3, 0, 2}, {false, false, false, false}},
        {"taken, sub-seconds decide", DateTaken, {Taken(5, 0, 500), Taken(5, 0, 100)}, {1, 0}, {false, false}},
        {"no date taken counts by modification", DateTaken, {Taken(100, 1), Modified(50), Taken(10, 999)}, {2, 1, 0}, {false, true, false}},
        {"taken, a file not found comes last", DateTaken, {Unknown, Taken(7), Modified(8)}, {1, 2, 0}, {true, false, true}},
        {"modified, not found last", DateModified, {Unknown, Modified(5), Modified(3)}, {2, 1, 0}, {false, false, false}},
        {"modified ignores the date taken", DateModified, {Taken(1, 20), Taken(2, 10)}, {1, 0}, {false, false}},
        {"size, ties kept, not found last", Size, {Sized(10), Sized(3), Sized(10), Unknown, Sized(0)}, {4, 1, 0, 2, 3},
         {false, false, false, false, false}},
        {"nothing chosen", DateTaken, {}, {}, {}},
    };
    for (const OrderRow& row : rows) {
        const FileOrder result = OrderFiles(row.facts, row.order);
        EXPECT_EQ(std::pair(result.Positions, result.NoDateTaken), std::pair(row.expected, row.noDateTaken)) << row.name;
    }
}

std::vector<Text> Names(const std::vector<std::string>& ascii) {
    std::vector<Text> names;
    for (const std::string& name : ascii) names.push_back(Ascii(name));
    return names;
}

std::vector<std::string> Ordered(const std::vector<std::string>& names, const FileOrder& order) {
    std::vector<std::string> result;
    for (const std::size_t i : order.Positions) result.push_back(names[i]);
    return result;
}

std::vector<std::string> Flagged(const std::vector<std::string>& names, const FileOrder& order) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (order.NoDateTaken[i]) result.push_back(names[i]);
    return result;
}

// A camera and a phone of one holiday, a scan without metadata, a photo with
// damaged metadata, a FIFO, a file no one may read and a link to nothing.
class PhotoDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        using namespace photo_samples;
        WritePhoto(dir.At("IMG_0412.JPG"), TinyJpeg(),
                   {{"Exif.Photo.DateTimeOriginal", "2024:07:14 10:00:00"}, {"Exif.Photo.OffsetTimeOriginal", "+02:00"}});
        WritePhoto(dir.At("IMG_0413.JPG"), TinyJpeg(),
                   {{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:00:00"}, {"Exif.Photo.OffsetTimeOriginal", "+02:00"}});
        WritePhoto(dir.At("PXL_20240714_093000.jpg"), TinyJpeg(), {{"Xmp.xmp.CreateDate", "2024-07-14T09:30:00+02:00"}});
        WritePhoto(dir.At("scan.jpg"), TinyJpeg(), {});
        WritePhoto(dir.At("damaged.jpg"), TinyJpeg(), {{"Exif.Photo.DateTimeOriginal", "2024:07:14 08:00:00"}});
        WriteBytes(dir.At("damaged.jpg"), WithDamagedExif(ReadBytes(dir.At("damaged.jpg"))));
        WriteBytes(dir.At("locked.jpg"), "private");
        ::chmod(dir.At("locked.jpg").c_str(), 0);
        ::mkfifo(dir.At("pipe.jpg").c_str(), 0600);
        ::symlink("nowhere", dir.At("gone.jpg").c_str());
        // Modification times: the camera's copies were made later than the
        // phone's, in reverse; the others fall between the dates taken.
        const std::pair<const char*, std::int64_t> times[] = {
            {"IMG_0412.JPG", 3000}, {"IMG_0413.JPG", 2000}, {"PXL_20240714_093000.jpg", 1000}, {"scan.jpg", 1720941300},
            {"damaged.jpg", 1720950000}, {"locked.jpg", 1720945000}, {"pipe.jpg", 1720939000}};
        for (const auto& [name, seconds] : times) SetModified(dir.At(name), seconds);
    }
    void TearDown() override { ::chmod(dir.At("locked.jpg").c_str(), 0600); }

    TempDir dir;
    // The chooser's name order.
    const std::vector<std::string> chosen{"damaged.jpg", "gone.jpg",  "IMG_0412.JPG", "IMG_0413.JPG",
                                          "locked.jpg",  "pipe.jpg",  "PXL_20240714_093000.jpg", "scan.jpg"};
};

TEST_F(PhotoDirectory, EachOrderOverRealFiles) {
    struct Row { const char* name; ListOrder order; std::vector<std::string> expected, noDateTaken; };
    const Row rows[] = {
        {"name", ListOrder::Name, chosen, {}},
        {"date taken", ListOrder::DateTaken,
         {"pipe.jpg", "IMG_0413.JPG", "scan.jpg", "PXL_20240714_093000.jpg", "IMG_0412.JPG", "locked.jpg", "damaged.jpg", "gone.jpg"},
         {"damaged.jpg", "gone.jpg", "locked.jpg", "pipe.jpg", "scan.jpg"}},
        {"date modified", ListOrder::DateModified,
         {"PXL_20240714_093000.jpg", "IMG_0413.JPG", "IMG_0412.JPG", "pipe.jpg", "scan.jpg", "locked.jpg", "damaged.jpg", "gone.jpg"}, {}},
    };
    const LocalZone zone;
    for (const Row& row : rows) {
        std::atomic<std::size_t> done{0};
        const FileOrder order = OrderFiles(ReadFileFacts(Ascii(dir.path), Names(chosen), row.order, nullptr, &done), row.order);
        EXPECT_EQ(std::tuple(Ordered(chosen, order), Flagged(chosen, order), done.load()),
                  std::tuple(row.expected, row.noDateTaken, row.order == ListOrder::Name ? 0u : chosen.size())) << row.name;
    }
}

// The date in each name, read with the name order: the photo's date as it
// writes it (no zone applied), else the modification time in local time.
TEST_F(PhotoDirectory, TheDateInEachNameAsWrittenOrByTheLocalClock) {
    const auto july14 = [](int h, int m, int s, bool modified) { return FileDate{{2024, 7, 14, h, m, s}, modified}; };
    const auto jan1 = [](int m, int s) { return FileDate{{1970, 1, 1, 1, m, s}, false}; };
    using Dates = std::vector<std::optional<FileDate>>;
    const std::pair<DateChoice, Dates> rows[] = {
        {DateChoice::Taken,
         {july14(11, 40, 0, true), std::nullopt, july14(10, 0, 0, false), july14(9, 0, 0, false), july14(10, 16, 40, true),
          july14(8, 36, 40, true), july14(9, 30, 0, false), july14(9, 15, 0, true)}},
        {DateChoice::Modified,
         {july14(11, 40, 0, false), std::nullopt, jan1(50, 0), jan1(33, 20), july14(10, 16, 40, false),
          july14(8, 36, 40, false), jan1(16, 40), july14(9, 15, 0, false)}},
    };
    const LocalZone zone;
    for (const auto& [choice, expected] : rows) {
        std::atomic<std::size_t> done{0};
        const auto facts = ReadFileFacts(Ascii(dir.path), Names(chosen), ListOrder::Name, choice, nullptr, &done);
        EXPECT_EQ(std::pair(DatesInNames(facts, choice), done.load()), std::pair(expected, chosen.size())) << "choice " << int(choice);
    }
    EXPECT_TRUE(DatesInNames(ReadFileFacts(Ascii(dir.path), Names(chosen), ListOrder::Size), DateChoice::None).empty());
}

// Times are ordered over the photos above, sizes over these files as read;
// what is not read leaves the name order. Through the windows, the date
// taken is tests/ui/test_list_order.cpp's road.
TEST(ReadFileFacts, ReadingThatStopsOrFindsNoDirectoryLeavesTheNameOrder) {
    const TempDir dir;
    const std::vector<std::string> chosen{"a.txt", "b.txt", "c.txt"};
    const std::pair<const char*, const char*> files[] = {{"a.txt", "xyz"}, {"b.txt", "x"}, {"c.txt", "xy"}};
    for (const auto& [name, bytes] : files) dir.Write(name, bytes);
    const std::atomic<bool> stopped{true};
    const auto order = [&](const std::string& directory, const std::atomic<bool>* cancel) {
        return Ordered(chosen, OrderFiles(ReadFileFacts(Ascii(directory), Names(chosen), ListOrder::Size, cancel), ListOrder::Size));
    };
    EXPECT_EQ(order(dir.path, nullptr), (std::vector<std::string>{"b.txt", "c.txt", "a.txt"})) << "read";
    EXPECT_EQ(order(dir.path, &stopped), chosen) << "stopped before the first file";
    EXPECT_EQ(order(dir.At("gone"), nullptr), chosen) << "directory gone";
}

}  // namespace
}  // namespace morvane
