#pragma once
// Calendar arithmetic of the proleptic Gregorian calendar on day numbers
// (days since 1 January 1970), in 64 bits so that any day offset a file can
// carry stays exact instead of overflowing.
#include <cstdint>

namespace editor {

struct CivilDate {
  std::int64_t Year = 1970;
  int Month = 1;  // 1..12
  int Day = 1;    // 1..31
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

std::int64_t DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(std::int64_t days);
// ISO weekday: 1 Monday ... 7 Sunday.
int IsoWeekday(std::int64_t days);
// 1 January is day 1.
int DayOfYear(std::int64_t days);
// ISO 8601 week: weeks begin on Monday, week 1 holds the year's first Thursday.
int IsoWeek(std::int64_t days);

}  // namespace editor
