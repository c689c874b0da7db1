#pragma once
// The PC's local date and time, which the printed date and time texts are
// computed from. Replaceable so that tests can stand on any day.
#include <functional>

#include "editor/Calendar.h"

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

LocalDateTime LocalNow();
// Installs a clock (an empty one restores the system's). Not for use while
// other threads read the clock.
void SetLocalClock(LocalClock clock);

}  // namespace editor
