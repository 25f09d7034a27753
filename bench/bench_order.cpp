// Ordering 1001 camera-sized photos by the moment each was taken: every file
// read for its Exif date, then the list ordered, as the main window does on
// its worker thread. With --date-in-name, the final preview with the date
// taken in every name as well, through the session as the program reaches
// it: the files chosen, the dates read in the same pass, "Extract", the names
// composed (numbered per day) and the pass predicted against the directory's
// names. The photos are made under /tmp (a few megabytes each: a camera's
// Exif block with its thumbnail, the picture's bytes after it), ten minutes
// apart over a week, in an order unlike their names', and removed at the end.
// The first round warms the page cache; the figure is the median of the
// rounds after it. Run by hand:
//   build-dir/bench/bench_order [FILES] [MEGABYTES] [ROUNDS] [--date-in-name]
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "../tests/core/photo_samples.h"
#include "files/file_order.h"
#include "files/rename_layer.h"
#include "session/rename_session.h"

using namespace morvane;

namespace {

// Processor time of this process: steadier than the wall time on a busy machine.
double ProcessorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
// The tags a camera writes besides the date, and a thumbnail of 16 KB.
photo_samples::Bytes CameraTemplate(const std::string& path) {
    using namespace photo_samples;
    WritePhoto(path, TinyJpeg(),
               {{"Exif.Image.Make", "Camera Maker"}, {"Exif.Image.Model", "Model 12"},
                {"Exif.Image.Orientation", "1"}, {"Exif.Image.XResolution", "72/1"},
                {"Exif.Image.YResolution", "72/1"}, {"Exif.Image.Software", "Firmware 1.02"},
                {"Exif.Photo.ExposureTime", "1/250"}, {"Exif.Photo.FNumber", "28/10"},
                {"Exif.Photo.ISOSpeedRatings", "200"}, {"Exif.Photo.FocalLength", "35/1"},
                {"Exif.Photo.PixelXDimension", "4000"}, {"Exif.Photo.PixelYDimension", "3000"},
                {"Exif.Photo.LensModel", "Lens 35mm"}, {"Exif.Photo.OffsetTimeOriginal", "+02:00"},
                {"Exif.Photo.SubSecTimeOriginal", "00"}, {"Exif.Photo.DateTimeOriginal", "2024:07:14 00:00:00"},
                {"Exif.Photo.DateTimeDigitized", "2024:07:14 00:00:00"}, {"Exif.Image.DateTime", "2024:07:14 00:00:00"}});
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path);
    image->readMetadata();
    Exiv2::ExifThumb thumb(image->exifData());
    Bytes thumbnail = TinyJpeg();
    thumbnail.insert(thumbnail.size() - 2, std::string(16 * 1024, '\x55'));
    thumb.setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(thumbnail.data()), static_cast<long>(thumbnail.size()));
    image->writeMetadata();
    return ReadBytes(path);
}

constexpr int kApart = 600;  // seconds between two photos

// The template with its own date, its picture grown to `size` bytes.
photo_samples::Bytes Photo(const std::string& scratch, int second, std::size_t size, const std::string& picture) {
    using namespace photo_samples;
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(scratch);
    image->readMetadata();
    char date[32];
    std::snprintf(date, sizeof date, "2024:07:%02d %02d:%02d:%02d", 14 + second / 86400, second / 3600 % 24,
                  second / 60 % 60, second % 60);
    image->exifData()["Exif.Photo.DateTimeOriginal"] = std::string(date);
    image->writeMetadata();
    Bytes bytes = ReadBytes(scratch);
    if (bytes.size() + 2 < size) bytes.insert(bytes.size() - 2, picture.substr(0, size - bytes.size()));
    return bytes;
}
#pragma GCC diagnostic pop

// The final preview with the date taken in the name, as the program reaches
// it: the files chosen (their identities taken), what the list orderer reads
// on its worker thread handed to the session, "Extract" and the preview.
struct DatedPreview {
    FileOrder Order;
    Prediction Predicted;
};

DatedPreview PreviewDatedNames(const std::string& dir, const std::vector<Text>& names) {
    DatedPreview result;
    PosixRenamer renamer;
    RenameSession session(renamer, nullptr);
    const Options options{u"Trip_", u"", u"1", LetteringPosition::None, {}, ListOrder::DateTaken, DateChoice::Taken, DefaultDateFormat, true};
    (void)session.SetOptions(options);
    (void)session.Choose(Ascii(dir), names);
    const auto facts = ReadFileFacts(Ascii(dir), names, ListOrder::DateTaken, DateChoice::Taken);
    result.Order = OrderFiles(facts, ListOrder::DateTaken);
    const auto dates = DatesInNames(facts, DateChoice::Taken);
    std::vector<Text> listed;
    std::vector<std::optional<FileDate>> listedDates;
    for (const std::size_t i : result.Order.Positions) {
        listed.push_back(names[i]);
        listedDates.push_back(dates[i]);
    }
    (void)session.Reorder(listed);
    (void)session.SetDates(DateChoice::Taken, listed, listedDates);
    (void)session.Extract(u'.');
    result.Predicted = session.Preview();
    return result;
}

// Whether every photo gets the name its day and its place that day give it.
bool RightNames(const DatedPreview& preview, const std::vector<std::size_t>& seconds) {
    if (preview.Predicted.Names.size() != seconds.size()) return false;
    for (std::size_t i = 0; i < seconds.size(); ++i) {
        const std::size_t at = seconds[preview.Order.Positions[i]] * kApart;
        char expected[64];
        std::snprintf(expected, sizeof expected, "Trip_2024-07-%02zu_%04zu.JPG", 14 + at / 86400, at % 86400 / kApart + 1);
        const PredictedName& name = preview.Predicted.Names[i];
        if (name.Outcome != PredictedOutcome::Renamed || name.NewName != Ascii(expected)) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool dated = argc > 1 && std::string(argv[argc - 1]) == "--date-in-name";
    if (dated) --argc;
    const std::size_t files = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1001;
    const std::size_t megabytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 3;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 7;
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);

    char pattern[] = "/tmp/morvane-bench-order-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    const std::string scratch = dir + "/.template.jpg";
    std::mt19937 random(12);
    std::string picture(megabytes << 20, '\0');
    for (char& c : picture) c = static_cast<char>(random() % 0xFF);  // no 0xFF: no marker inside the picture
    CameraTemplate(scratch);
    const std::vector<std::size_t> seconds = [&] {
        std::vector<std::size_t> s(files);
        for (std::size_t i = 0; i < files; ++i) s[i] = i;
        std::shuffle(s.begin(), s.end(), random);
        return s;
    }();
    std::vector<Text> names;
    for (std::size_t i = 0; i < files; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04zu.JPG", i);
        photo_samples::WriteBytes(dir + "/" + name,
                                  Photo(scratch, static_cast<int>(seconds[i]) * kApart, picture.size(), picture));
        names.push_back(Ascii(name));
    }
    std::filesystem::remove(scratch);
    std::printf("%zu photos of %zu MB in %s\n", files, megabytes, dir.c_str());

    std::vector<double> times, processor;
    bool right = true;
    for (int round = 0; round <= rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const double startProcessor = ProcessorSeconds();
        DatedPreview preview;
        if (dated) preview = PreviewDatedNames(dir, names);
        else preview.Order = OrderFiles(ReadFileFacts(Ascii(dir), names, ListOrder::DateTaken), ListOrder::DateTaken);
        const double seconds_taken = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (round > 0) {
            times.push_back(seconds_taken);
            processor.push_back(ProcessorSeconds() - startProcessor);
        }
        const FileOrder& order = preview.Order;
        for (std::size_t i = 0; i < files; ++i) right = right && seconds[order.Positions[i]] == i && !order.NoDateTaken[i];
        if (dated) right = right && RightNames(preview, seconds);
    }
    std::filesystem::remove_all(dir);
    std::sort(times.begin(), times.end());
    std::sort(processor.begin(), processor.end());
    std::printf("%s: median %.3f s (processor %.3f s), best %.3f s, worst %.3f s over %d warm rounds%s\n",
                dated ? "final preview with the date taken in every name (chosen, read, ordered, extracted, composed, predicted)"
                      : "date taken, read and ordered",
                times[times.size() / 2], processor[processor.size() / 2], times.front(), times.back(), rounds,
                right ? "" : dated ? "  WRONG NAMES" : "  WRONG ORDER");
    return right ? 0 : 1;
}
