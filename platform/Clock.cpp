#include "platform/Clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace platform {
namespace {

class SteadyTime final : public TimeSource {
 public:
  std::uint32_t TickCount() override {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }
  void Sleep(std::uint32_t ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
};

std::atomic<TimeSource*> g_source{nullptr};

}  // namespace

TimeSource& SystemTime() {
  static SteadyTime steady;
  return steady;
}

TimeSource& Time() {
  TimeSource* s = g_source.load(std::memory_order_acquire);
  return s ? *s : SystemTime();
}

void SetTimeSource(TimeSource* source) { g_source.store(source, std::memory_order_release); }

}  // namespace platform
