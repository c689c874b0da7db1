#include "PrinterClock.h"

#include <cstdio>
#include <ctime>

namespace printeremu {
namespace {

std::tm Broken(long long seconds) {
  std::time_t t = static_cast<std::time_t>(seconds);
  std::tm tm{};
  ::gmtime_r(&t, &tm);
  return tm;
}

}  // namespace

PrinterClock::PrinterClock() {
  std::time_t host = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&host, &local);
  Set(::timegm(&local));
}

void PrinterClock::Set(long long seconds) {
  base_ = seconds;
  at_ = std::chrono::steady_clock::now();
}

long long PrinterClock::Now() const {
  return base_ + std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - at_).count();
}

std::string PrinterClock::Text() const {
  static const char* const kDays[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  const std::tm t = Broken(Now());
  char text[64];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %s %02d:%02d:%02d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900,
                kDays[t.tm_wday], t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

bool PrinterClock::SetTime(const std::string& hhmmss) {
  int h, m, s;
  char tail;
  if (std::sscanf(hhmmss.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail) != 3) return false;
  if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return false;
  std::tm t = Broken(Now());
  t.tm_hour = h;
  t.tm_min = m;
  t.tm_sec = s;
  Set(::timegm(&t));
  return true;
}

bool PrinterClock::SetDate(const std::string& ddmmyyyy) {
  int d, mo, y;
  char tail;
  if (std::sscanf(ddmmyyyy.c_str(), "%2d.%2d.%4d%c", &d, &mo, &y, &tail) != 3) return false;
  if (d < 1 || d > 31 || mo < 1 || mo > 12 || y < 1970) return false;
  std::tm t = Broken(Now());
  t.tm_mday = d;
  t.tm_mon = mo - 1;
  t.tm_year = y - 1900;
  Set(::timegm(&t));
  return true;
}

}  // namespace printeremu
