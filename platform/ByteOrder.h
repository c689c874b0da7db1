#pragma once
// Loading and storing words in a fixed byte order, whatever the machine's.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace platform {

inline std::uint16_t LoadLE16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline void StoreLE16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline std::uint32_t LoadBE32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return std::endian::native == std::endian::little ? __builtin_bswap32(v) : v;
}
inline void StoreBE32(std::uint8_t* p, std::uint32_t v) {
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap32(v);
  std::memcpy(p, &v, 4);
}
inline std::uint32_t LoadLE32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return std::endian::native == std::endian::big ? __builtin_bswap32(v) : v;
}
inline void StoreLE32(std::uint8_t* p, std::uint32_t v) {
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
  std::memcpy(p, &v, 4);
}
inline std::uint64_t LoadBE64(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return std::endian::native == std::endian::little ? __builtin_bswap64(v) : v;
}
inline void StoreBE64(std::uint8_t* p, std::uint64_t v) {
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
  std::memcpy(p, &v, 8);
}
inline std::uint64_t LoadLE64(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return std::endian::native == std::endian::big ? __builtin_bswap64(v) : v;
}
inline void StoreLE64(std::uint8_t* p, std::uint64_t v) {
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
  std::memcpy(p, &v, 8);
}

// Appending little-endian words to a byte string, as file headers are built.
inline void AppendLE16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}
inline void AppendLE32(std::string& out, std::uint32_t v) {
  AppendLE16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  AppendLE16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace platform
