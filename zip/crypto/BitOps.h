#pragma once
// Small bit and buffer helpers of the cipher library.
#include <cstddef>
#include <cstdint>

namespace zip {

inline std::uint32_t ROL(std::uint32_t value, int count) {
  count &= 31;
  return count ? (value << count) | (value >> (32 - count)) : value;
}
inline std::uint32_t ROR(std::uint32_t value, int count) {
  count &= 31;
  return count ? (value >> count) | (value << (32 - count)) : value;
}
inline std::uint32_t ROLADD(std::uint32_t value, std::uint32_t add, int count) { return ROL(value, count) + add; }
inline std::uint32_t ROLSUB(std::uint32_t value, std::uint32_t sub, int count) { return ROL(value, count) - sub; }
inline std::uint32_t RORADD(std::uint32_t value, std::uint32_t add, int count) { return ROR(value, count) + add; }
inline std::uint32_t RORSUB(std::uint32_t value, std::uint32_t sub, int count) { return ROR(value, count) - sub; }

// The 32 bits in reverse order.
inline std::uint32_t SwapBits(std::uint32_t value) {
  std::uint32_t r = 0;
  for (int i = 0; i < 32; ++i, value >>= 1) r = (r << 1) | (value & 1);
  return r;
}
// Index of the lowest / highest set bit; 0 for 0.
inline int LSBit(std::uint32_t value) { return value ? __builtin_ctz(value) : 0; }
inline int MSBit(std::uint32_t value) { return value ? 31 - __builtin_clz(value) : 0; }
// Index of the only set bit; 0 when none or several are set.
inline int OneBit(std::uint32_t value) { return (value && !(value & (value - 1))) ? LSBit(value) : 0; }

// destination = a xor b; any of the three may be the same buffer.
inline void XORBuffers(const void* a, const void* b, std::size_t size, void* destination) {
  auto pa = static_cast<const std::uint8_t*>(a);
  auto pb = static_cast<const std::uint8_t*>(b);
  auto d = static_cast<std::uint8_t*>(destination);
  for (std::size_t i = 0; i < size; ++i) d[i] = pa[i] ^ pb[i];
}

// 0 when equal, else the first differing byte of a minus that of b.
inline int MemCompare(const void* a, const void* b, std::size_t size) {
  auto pa = static_cast<const std::uint8_t*>(a);
  auto pb = static_cast<const std::uint8_t*>(b);
  for (std::size_t i = 0; i < size; ++i)
    if (pa[i] != pb[i]) return int(pa[i]) - int(pb[i]);
  return 0;
}

}  // namespace zip
