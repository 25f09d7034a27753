#pragma once
// The CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320): the checksum
// that lets the journal reader tell a damaged file from a whole one.
#include <cstdint>
#include <string_view>

namespace morvane {

std::uint32_t Crc32(std::string_view bytes);

}  // namespace morvane
