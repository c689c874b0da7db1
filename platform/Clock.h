#pragma once
// Millisecond tick count and sleeping, behind one replaceable time source so
// that tests of the program's waits (500 ms, 1000 ms, 5000 ms ...) run at
// once on a fake clock.
#include <cstdint>

namespace platform {

class TimeSource {
 public:
  virtual ~TimeSource() = default;
  // Milliseconds since an arbitrary start; wraps around like a 32-bit tick.
  virtual std::uint32_t TickCount() = 0;
  virtual void Sleep(std::uint32_t ms) = 0;
};

// The real clock (steady, monotonic).
TimeSource& SystemTime();

// The source every caller uses; the system clock unless a test set another.
TimeSource& Time();
// Installs `source` (nullptr restores the system clock). Not for use while
// other threads are sleeping.
void SetTimeSource(TimeSource* source);

inline std::uint32_t TickCount() { return Time().TickCount(); }
inline void SleepMs(std::uint32_t ms) { Time().Sleep(ms); }

}  // namespace platform
