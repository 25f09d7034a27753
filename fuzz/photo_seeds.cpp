// Writes the date reader's seed inputs into the directory given: small
// photos whose dates the metadata library itself wrote, in each place the
// reader looks, and a few date texts.
#include <string>

#include "../tests/core/photo_samples.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    using namespace photo_samples;
    const std::string dir = argv[1];
    const std::pair<const char*, Tags> photos[] = {
        {"original", {{"Exif.Photo.DateTimeOriginal", "2024:07:14 10:11:12"},
                      {"Exif.Photo.SubSecTimeOriginal", "25"},
                      {"Exif.Photo.OffsetTimeOriginal", "+02:00"}}},
        {"digitized", {{"Exif.Photo.DateTimeOriginal", "0000:00:00 00:00:00"},
                       {"Exif.Photo.DateTimeDigitized", "2024:07:14 10:11:12"}}},
        {"image", {{"Exif.Image.DateTime", "2024:07:14 10:11:12"}, {"Exif.Photo.SubSecTime", "5"}}},
        {"xmp", {{"Xmp.xmp.CreateDate", "2024-07-14T10:11:12.5+02:00"}}},
    };
    for (const auto& [name, tags] : photos) {
        WritePhoto(dir + "/" + name + ".jpg", TinyJpeg(), tags);
        WritePhoto(dir + "/" + name + ".png", TinyPng(), tags);
    }
    WriteBytes(dir + "/damaged.jpg", WithDamagedExif(ReadBytes(dir + "/original.jpg")));
    WriteBytes(dir + "/exif-date.txt", "2024:07:14 10:11:12");
    WriteBytes(dir + "/xmp-date.txt", "2024-07-14T10:11:12+02:00");
    return 0;
}
