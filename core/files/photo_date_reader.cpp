#include "files/photo_date_reader.h"

#include <sys/stat.h>

#include <climits>
#include <mutex>
#include <string>

// The metadata library of this release still hands images out in
// std::auto_ptr, which the compiler rightly calls deprecated.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

#include "files/photo_date_text.h"

namespace morvane {
namespace {

// Once per process, before any thread reads: the XMP toolkit is set up
// before concurrent use, and the library's complaints about damaged files
// stay off the terminal (a damaged file simply has no date).
void PrepareLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

struct ExifSource {
    const char* Date;
    const char* SubSeconds;
    const char* Offset;
};

constexpr ExifSource ExifSources[] = {
    {"Exif.Photo.DateTimeOriginal", "Exif.Photo.SubSecTimeOriginal", "Exif.Photo.OffsetTimeOriginal"},
    {"Exif.Photo.DateTimeDigitized", "Exif.Photo.SubSecTimeDigitized", "Exif.Photo.OffsetTimeDigitized"},
    {"Exif.Image.DateTime", "Exif.Photo.SubSecTime", "Exif.Photo.OffsetTime"},
};

std::string ExifText(const Exiv2::ExifData& exif, const char* key) {
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() ? std::string() : found->toString();
}

// The first date that reads as one: a camera without a clock writes zeros
// into the original date and may still have a usable one further down.
std::optional<TakenDate> DateOf(Exiv2::Image& image) {
    image.readMetadata();
    const Exiv2::ExifData& exif = image.exifData();
    for (const ExifSource& source : ExifSources) {
        const std::string date = ExifText(exif, source.Date);
        if (date.empty()) continue;
        if (auto when = ExifTakenDate(date, ExifText(exif, source.SubSeconds), ExifText(exif, source.Offset)))
            return when;
    }
    const Exiv2::XmpData& xmp = image.xmpData();
    const auto created = xmp.findKey(Exiv2::XmpKey("Xmp.xmp.CreateDate"));
    if (created != xmp.end()) return XmpTakenDate(created->toString());
    return std::nullopt;
}

// The library reports damage by throwing, and may run out of memory on a
// size field that lies: every way it can fail ends here as "no date".
template <class Open>
std::optional<TakenDate> Guarded(Open open) {
    try {
        PrepareLibrary();
        Exiv2::Image::AutoPtr image = open();
        if (!image.get()) return std::nullopt;
        return DateOf(*image);
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<TakenDate> ReadTakenDate(int fd) {
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    // The descriptor's own file, reached again by its name in /proc: the
    // library opens files by path, and the path of the name the caller
    // opened may since have become another file.
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    return Guarded([&] { return Exiv2::ImageFactory::open(path, false); });
}

std::optional<TakenDate> ReadTakenDate(const unsigned char* data, std::size_t size) {
    if (!data || size == 0 || size > static_cast<std::size_t>(LONG_MAX)) return std::nullopt;
    return Guarded([&] { return Exiv2::ImageFactory::open(data, static_cast<long>(size)); });
}

std::optional<PhotoTime> ReadPhotoDate(int fd) {
    const auto date = ReadTakenDate(fd);
    return date ? std::optional(date->Moment) : std::nullopt;
}

std::optional<PhotoTime> ReadPhotoDate(const unsigned char* data, std::size_t size) {
    const auto date = ReadTakenDate(data, size);
    return date ? std::optional(date->Moment) : std::nullopt;
}

}  // namespace morvane

#pragma GCC diagnostic pop
