#pragma once
// The program's fixed date and time formats ("dd.mm.yyyy", "hh:mm:ss") and
// number separators. They are constants rather than process-wide settings,
// so every thread formats the same way without anything being rewritten
// under its feet.
#include <ctime>
#include <string>

namespace platform {

inline constexpr char kDecimalSeparator = '.';
inline constexpr char kThousandsSeparator = '\'';
inline constexpr char kDateSeparator = '.';
inline constexpr char kTimeSeparator = ':';

// "dd.mm.yyyy" of a broken-down local time; "" when its fields are no date
// (day 1..31, month 0..11, a year of at most four digits).
std::string ShortDateText(const std::tm& t);
// "hh:mm:ss", 24 hours; "" when its fields are no time (hour 0..23, minute
// 0..59, second 0..60).
std::string LongTimeText(const std::tm& t);
// The present local time, broken down (thread-safe). When the system has no
// local time, day 0 and hour -1, which neither text takes for a date or time.
std::tm LocalNow();

}  // namespace platform
