#pragma once
// The CRC-32 every ZIP entry carries (reflected polynomial 0xEDB88320). The
// register is neither preset nor inverted here: callers start with
// 0xFFFFFFFF and store the inverted register, so a long entry can be fed in
// pieces. Not the printer link's checksum, which is a different function.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zip {

// Entry n is the CRC of the byte n with an empty register.
extern const std::uint32_t CRC32_TABLE[256];

// The register after `length` bytes; no data or a length <= 0 leaves it as it is.
std::uint32_t UpdateCrc32(std::uint32_t crc, const void* data, std::int64_t length);
// The same on a register the caller keeps.
void UpdateCrc32(std::uint32_t* crc, const void* data, std::int64_t length);
// Lets the processor's carry-less multiplication be used (the default) or
// not, so that both paths can be checked against each other and measured.
void SetCrc32Hardware(bool allowed);

// Preset, update and invert in one call: the value an entry stores.
inline std::uint32_t Crc32Of(const void* data, std::int64_t length) {
  return ~UpdateCrc32(0xFFFFFFFFu, data, length);
}
inline std::uint32_t Crc32Of(std::string_view bytes) {
  return Crc32Of(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

}  // namespace zip
