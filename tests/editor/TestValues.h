#pragma once
// Small helpers the editor's tests share: a fixed local time and byte
// strings written as hexadecimal.
#include <cstdio>
#include <string>

#include "rendering/LocalClock.h"

namespace testvalues {

// 5 March 2024 (a Tuesday) at 13:05:09 unless told otherwise.
inline editor::LocalDateTime At(int hour = 13, int minute = 5, int second = 9,
                                editor::CivilDate date = {2024, 3, 5}) {
  editor::LocalDateTime t;
  t.Date = date;
  t.Hour = hour;
  t.Minute = minute;
  t.Second = second;
  return t;
}

inline editor::LocalDateTime On(int year, int month, int day) { return At(10, 0, 0, {year, month, day}); }

// "A2 2E C2"
inline std::string Hex(const std::string& bytes) {
  std::string out;
  char buf[4];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof buf, out.empty() ? "%02X" : " %02X", c);
    out += buf;
  }
  return out;
}

}  // namespace testvalues
