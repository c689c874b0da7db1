#include "platform/DateTimeText.h"

#include <cstdio>

namespace platform {

std::string ShortDateText(const std::tm& t) {
  // tm_year is counted from 1900; compared before adding, it cannot overflow.
  if (t.tm_mday < 1 || t.tm_mday > 31 || t.tm_mon < 0 || t.tm_mon > 11 || t.tm_year < -1900 ||
      t.tm_year > 9999 - 1900)
    return "";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d", t.tm_mday, kDateSeparator, t.tm_mon + 1,
                kDateSeparator, t.tm_year + 1900);
  return buf;
}

std::string LongTimeText(const std::tm& t) {
  if (t.tm_hour < 0 || t.tm_hour > 23 || t.tm_min < 0 || t.tm_min > 59 || t.tm_sec < 0 || t.tm_sec > 60) return "";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%c%02d%c%02d", t.tm_hour, kTimeSeparator, t.tm_min,
                kTimeSeparator, t.tm_sec);
  return buf;
}

std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  if (!localtime_r(&now, &t)) {
    t = std::tm{};
    t.tm_hour = -1;
  }
  return t;
}

}  // namespace platform
