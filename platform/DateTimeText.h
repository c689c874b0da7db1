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

// "dd.mm.yyyy" of a broken-down local time.
std::string ShortDateText(const std::tm& t);
// "hh:mm:ss", 24 hours.
std::string LongTimeText(const std::tm& t);
// The present local time, broken down (thread-safe).
std::tm LocalNow();

}  // namespace platform
