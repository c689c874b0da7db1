#pragma once
// The printer link's checksum. It looks like CRC-32/MPEG-2 but is not: the
// table index comes from bits 8..15 of the register, not its top byte. The
// printer and every stored locked archive use exactly this form, so it must
// never be "fixed". No final inversion; written as "%08X".
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// The register after one byte.
std::uint32_t Crc32Update(std::uint32_t crc, std::uint8_t byte);

// The start value of a checksum that continues from `x`: x - 1, so
// CrcInitFrom(0) is 0xFFFFFFFF.
constexpr std::uint32_t CrcInitFrom(std::uint32_t x) { return x - 1u; }

// CrcInitFrom(previous) stepped over the bytes.
std::uint32_t Crc32Chain(std::uint32_t previous, const void* data, std::size_t length);
inline std::uint32_t Crc32Chain(std::uint32_t previous, std::string_view bytes) {
  return Crc32Chain(previous, bytes.data(), bytes.size());
}

}  // namespace platform
