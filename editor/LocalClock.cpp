#include "editor/LocalClock.h"

#include <chrono>
#include <ctime>

namespace editor {
namespace {

LocalClock& Installed() {
  static LocalClock clock;
  return clock;
}

LocalDateTime SystemNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  LocalDateTime t;
  t.Date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  t.Hour = local.tm_hour;
  t.Minute = local.tm_min;
  t.Second = local.tm_sec;
  t.Millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return t;
}

}  // namespace

LocalDateTime LocalNow() { return Installed() ? Installed()() : SystemNow(); }

void SetLocalClock(LocalClock clock) { Installed() = std::move(clock); }

}  // namespace editor
