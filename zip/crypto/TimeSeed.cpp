#include "zip/crypto/TimeSeed.h"

#include <chrono>

namespace zip {

std::uint32_t RndXORBuffer(std::uint32_t seed, void* buffer, std::size_t length) {
  auto p = static_cast<std::uint8_t*>(buffer);
  for (std::size_t i = 0; i < length; ++i) {
    seed = (seed ^ p[i]) * 134775813u + 1u;
    p[i] = static_cast<std::uint8_t>(seed >> 24);
  }
  return seed;
}

std::int64_t PerfCounter() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::int64_t PerfFreq() { return 1000000000; }

std::uint32_t RndTimeSeed() {
  using namespace std::chrono;
  auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  auto msOfDay = static_cast<std::uint32_t>(now % (24LL * 60 * 60 * 1000));
  auto counter = static_cast<std::uint64_t>(PerfCounter());
  return msOfDay ^ static_cast<std::uint32_t>(counter) ^ static_cast<std::uint32_t>(counter >> 32);
}

}  // namespace zip
