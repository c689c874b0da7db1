#pragma once
// Time-seeded scrambling used to wipe feedback and digest registers. Not a
// source of secrets: salts and headers take their bytes from RandomBytes.
#include <cstddef>
#include <cstdint>

namespace zip {

// For each byte: seed = (seed with its low byte xor the byte) * 134775813 + 1,
// and the byte becomes the top 8 bits of the new seed. Returns the last seed.
std::uint32_t RndXORBuffer(std::uint32_t seed, void* buffer, std::size_t length);
// Milliseconds since midnight UTC, xor both halves of the performance counter.
std::uint32_t RndTimeSeed();
// The monotonic high-resolution counter (nanoseconds) and its frequency.
std::int64_t PerfCounter();
std::int64_t PerfFreq();

}  // namespace zip
