#include "platform/DateTimeText.h"

#include <cstdio>

namespace platform {

std::string ShortDateText(const std::tm& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d", t.tm_mday, kDateSeparator, t.tm_mon + 1,
                kDateSeparator, t.tm_year + 1900);
  return buf;
}

std::string LongTimeText(const std::tm& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%c%02d%c%02d", t.tm_hour, kTimeSeparator, t.tm_min,
                kTimeSeparator, t.tm_sec);
  return buf;
}

std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}

}  // namespace platform
