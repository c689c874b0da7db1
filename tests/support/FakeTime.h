#pragma once
// A clock for tests: sleeping advances the clock at once instead of waiting.
#include <atomic>
#include <cstdint>

#include "platform/Clock.h"

namespace testsupport {

class FakeTime final : public platform::TimeSource {
 public:
  explicit FakeTime(std::uint32_t start = 1000) : now_(start) {}
  std::uint32_t TickCount() override { return now_.load(); }
  void Sleep(std::uint32_t ms) override {
    now_.fetch_add(ms);
    slept_.fetch_add(ms);
  }
  void Advance(std::uint32_t ms) { now_.fetch_add(ms); }
  std::uint64_t TotalSlept() const { return slept_.load(); }

 private:
  std::atomic<std::uint32_t> now_;
  std::atomic<std::uint64_t> slept_{0};
};

// Installs a FakeTime for the lifetime of the object.
class ScopedFakeTime {
 public:
  explicit ScopedFakeTime(std::uint32_t start = 1000) : time_(start) { platform::SetTimeSource(&time_); }
  ~ScopedFakeTime() { platform::SetTimeSource(nullptr); }
  FakeTime& operator*() { return time_; }
  FakeTime* operator->() { return &time_; }

 private:
  FakeTime time_;
};

}  // namespace testsupport
