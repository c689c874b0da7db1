#include "zip/crypto/Crc16.h"

#include <array>

namespace zip {
namespace {

constexpr std::array<std::uint16_t, 256> MakeTable() {
  std::array<std::uint16_t, 256> t{};
  for (unsigned n = 0; n < 256; ++n) {
    unsigned c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xA001u : c >> 1;
    t[n] = static_cast<std::uint16_t>(c);
  }
  return t;
}
constexpr auto kTable = MakeTable();

}  // namespace

std::uint16_t CRC16(std::uint16_t crc, const void* data, std::size_t length) {
  auto p = static_cast<const std::uint8_t*>(data);
  for (std::size_t i = 0; i < length; ++i) crc = static_cast<std::uint16_t>((crc >> 8) ^ kTable[(crc ^ p[i]) & 0xFF]);
  return crc;
}

}  // namespace zip
