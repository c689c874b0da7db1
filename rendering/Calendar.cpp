#include "rendering/Calendar.h"

namespace editor {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

// Howard Hinnant's days-from-civil algorithm: eras of 400 years.
std::int64_t DaysFromCivil(const CivilDate& date) {
  const std::int64_t y = date.Year - (date.Month <= 2);
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (date.Month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + date.Day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = FloorDiv(days, 146097);
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  CivilDate date;
  date.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  date.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  date.Year = yoe + era * 400 + (date.Month <= 2);
  return date;
}

int IsoWeekday(std::int64_t days) {
  // 1 January 1970 was a Thursday.
  std::int64_t r = (days + 3) % 7;
  if (r < 0) r += 7;
  return static_cast<int>(r) + 1;
}

int DayOfYear(std::int64_t days) {
  const CivilDate date = CivilFromDays(days);
  return static_cast<int>(days - DaysFromCivil({date.Year, 1, 1})) + 1;
}

int IsoWeek(std::int64_t days) {
  // The week belongs to the year of its Thursday.
  const std::int64_t thursday = days - IsoWeekday(days) + 4;
  return (DayOfYear(thursday) - 1) / 7 + 1;
}

}  // namespace editor
