#pragma once
// Hex text <-> bytes for readable expected values in the crypto tests.
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace cryptotest {

using Bytes = std::vector<std::uint8_t>;

inline Bytes FromHex(std::string_view hex) {
  Bytes out;
  int hi = -1;
  for (char c : hex) {
    int v;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else continue;
    if (hi < 0) hi = v;
    else {
      out.push_back(static_cast<std::uint8_t>(hi << 4 | v));
      hi = -1;
    }
  }
  return out;
}

inline std::string ToHex(const std::uint8_t* p, std::size_t n) {
  static const char* digits = "0123456789abcdef";
  std::string s;
  for (std::size_t i = 0; i < n; ++i) {
    s += digits[p[i] >> 4];
    s += digits[p[i] & 15];
  }
  return s;
}
inline std::string ToHex(const Bytes& b) { return ToHex(b.data(), b.size()); }

inline Bytes ToBytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

// Deterministic "random" inputs so a failure can be reproduced.
inline Bytes RandomInput(std::mt19937& rng, std::size_t n) {
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}

}  // namespace cryptotest
