#pragma once
// The moment a photo was taken, as its own metadata records it: the original
// Exif date, else the digitized one, else the image's date, each with its
// sub-seconds and offset from UTC where present, else the XMP creation date;
// with it, the date and time as the photo writes it.
// This is the one place that reads image metadata; whatever a file holds,
// damaged or not an image at all, it gives a date or nothing.
#include <cstddef>
#include <optional>

#include "files/photo_time.h"

namespace morvane {

// From a file opened for reading. Anything but a regular file gives nothing
// without being read, so a FIFO or a device can never hold the caller up.
std::optional<TakenDate> ReadTakenDate(int fd);

// From a file's bytes held in memory.
std::optional<TakenDate> ReadTakenDate(const unsigned char* data, std::size_t size);

// The moment alone.
std::optional<PhotoTime> ReadPhotoDate(int fd);
std::optional<PhotoTime> ReadPhotoDate(const unsigned char* data, std::size_t size);

}  // namespace morvane
