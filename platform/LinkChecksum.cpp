#include "platform/LinkChecksum.h"

#include <array>

namespace platform {
namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> t{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i << 24;
    for (int k = 0; k < 8; ++k) c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : c << 1;
    t[i] = c;
  }
  return t;
}

constexpr auto kTable = MakeTable();

}  // namespace

std::uint32_t Crc32Update(std::uint32_t crc, std::uint8_t byte) {
  return kTable[((crc >> 8) ^ byte) & 0xFFu] ^ (crc << 8);
}

std::uint32_t Crc32Chain(std::uint32_t previous, const void* data, std::size_t length) {
  std::uint32_t crc = CrcInitFrom(previous);
  auto p = static_cast<const std::uint8_t*>(data);
  for (std::size_t i = 0; i < length; ++i) crc = Crc32Update(crc, p[i]);
  return crc;
}

}  // namespace platform
