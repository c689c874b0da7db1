#pragma once
// The PC's local date and time, which the printed date and time texts are
// computed from. Replaceable so that tests can stand on any day.
#include <functional>

#include "rendering/Calendar.h"

namespace editor {

struct LocalDateTime {
  CivilDate Date;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

using LocalClock = std::function<LocalDateTime()>;

// Whether `t` is a date and time at all: month 1..12, a day its month has,
// hour 0..23, minute 0..59, second 0..60 (a leap second), millisecond
// 0..999 and a year within a million years of ours. A clock that fails
// gives one that is not (month 0); no date or time text is formed from it.
bool IsValidDateTime(const LocalDateTime& t);

LocalDateTime LocalNow();
// Installs a clock (an empty one restores the system's). Not for use while
// other threads read the clock.
void SetLocalClock(LocalClock clock);

}  // namespace editor
