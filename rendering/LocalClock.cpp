#include "rendering/LocalClock.h"

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
  LocalDateTime t;
  if (!localtime_r(&seconds, &local)) {
    t.Date.Month = 0;  // no local time to be had
    return t;
  }
  t.Date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  t.Hour = local.tm_hour;
  t.Minute = local.tm_min;
  t.Second = local.tm_sec;
  t.Millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return t;
}

}  // namespace

bool IsValidDateTime(const LocalDateTime& t) {
  constexpr std::int64_t kYears = 1000000;
  if (t.Date.Year < -kYears || t.Date.Year > kYears || t.Date.Month < 1 || t.Date.Month > 12) return false;
  if (t.Date.Day < 1 || CivilFromDays(DaysFromCivil(t.Date)) != t.Date) return false;
  return t.Hour >= 0 && t.Hour <= 23 && t.Minute >= 0 && t.Minute <= 59 && t.Second >= 0 && t.Second <= 60 &&
         t.Millisecond >= 0 && t.Millisecond <= 999;
}

LocalDateTime LocalNow() { return Installed() ? Installed()() : SystemNow(); }

void SetLocalClock(LocalClock clock) { Installed() = std::move(clock); }

}  // namespace editor
