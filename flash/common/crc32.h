#pragma once
// CRC-32 (IEEE 802.3, reflected, as zlib computes it).

#include <cstddef>
#include <cstdint>

namespace flash {

std::uint32_t Crc32(const void* data, std::size_t size, std::uint32_t crc = 0);

} // namespace flash
