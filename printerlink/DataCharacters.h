#pragma once
// File data on the link: every byte travels as two characters, high nibble
// first, each 0x30 plus the nibble ('0'..'9', ':', ';', '<', '=', '>', '?').
#include <cstddef>
#include <cstdint>
#include <string>

namespace printerlink {

inline void AppendDataCharacters(std::string& out, const std::uint8_t* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    out.push_back(static_cast<char>(0x30 + (bytes[i] >> 4)));
    out.push_back(static_cast<char>(0x30 + (bytes[i] & 0x0F)));
  }
}

// The receiver's rule, in 8 bits, whatever the characters are.
inline std::uint8_t DecodeDataPair(std::uint8_t first, std::uint8_t second) {
  return static_cast<std::uint8_t>((first - 0x30) * 16 + (second - 0x30));
}

inline bool IsDataCharacter(std::uint8_t c) { return c >= 0x30 && c <= 0x3F; }

}  // namespace printerlink
