#pragma once
// The printer's real-time clock: it runs from the host's local time at
// start and is set by "RTC.TIME hh:mm:ss" and "RTC.DATE dd.mm.yyyy Wd".
#include <chrono>
#include <string>

namespace printeremu {

class PrinterClock {
 public:
  PrinterClock();
  // "dd.mm.yyyy Wd hh:mm:ss", the weekday in the printer's two letters.
  std::string Text() const;
  bool SetTime(const std::string& hhmmss);
  bool SetDate(const std::string& ddmmyyyy);

 private:
  // Seconds of the printer's wall clock, counted like a UTC time_t.
  long long Now() const;
  void Set(long long seconds);

  long long base_ = 0;
  std::chrono::steady_clock::time_point at_;
};

}  // namespace printeremu
