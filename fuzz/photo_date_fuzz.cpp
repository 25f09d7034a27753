// Any bytes given to the date reader, as a file's content or as the date
// texts themselves, give a date or nothing: never a crash, an overread or
// undefined behaviour in the reader or in what the metadata library hands
// back to it. A date read is then written by the bytes taken as a date format.
#include <cstdint>
#include <string_view>

#include "files/photo_date_reader.h"
#include "files/photo_date_text.h"
#include "naming/date_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto taken = morvane::ReadTakenDate(data, size);
    // The texts split in three where the input says, as the three tags of one date.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t a = size > 0 ? data[0] % (size + 1) : 0;
    const std::size_t b = size > 1 ? a + data[1] % (size - a + 1) : a;
    const auto exif = morvane::ExifTakenDate(text.substr(0, a), text.substr(a, b - a), text.substr(b));
    const auto xmp = morvane::XmpTakenDate(text);
    const morvane::Text format(text.begin(), text.end());
    for (const auto& date : {taken, exif, xmp})
        if (date && morvane::DateFormatFault(format) == morvane::NameFault::None)
            (void)morvane::FormatDate(format, date->Written);
    return 0;
}
