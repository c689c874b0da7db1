#include <gtest/gtest.h>

#include <climits>

#include "platform/DateTimeText.h"

TEST(DateTimeText, FixedFormatsWithLeadingZeros) {
  std::tm t{};
  t.tm_year = 2024 - 1900;
  t.tm_mon = 7;
  t.tm_mday = 7;
  t.tm_hour = 9;
  t.tm_min = 5;
  t.tm_sec = 3;
  EXPECT_EQ(platform::ShortDateText(t), "07.08.2024");
  EXPECT_EQ(platform::LongTimeText(t), "09:05:03");
  t.tm_hour = 22;
  EXPECT_EQ(platform::LongTimeText(t), "22:05:03");
}

TEST(DateTimeText, FieldsThatAreNoDateOrTimeGiveNoText) {
  std::tm valid{};
  valid.tm_year = 2024 - 1900;
  valid.tm_mday = 1;
  struct Case { const char* what; int std::tm::*field; int value; bool date; } cases[] = {
      {"day 0", &std::tm::tm_mday, 0, true},          {"day 32", &std::tm::tm_mday, 32, true},
      {"month 12", &std::tm::tm_mon, 12, true},        {"month -1", &std::tm::tm_mon, -1, true},
      {"year 10000", &std::tm::tm_year, 10000 - 1900, true}, {"largest year", &std::tm::tm_year, INT_MAX, true},
      {"hour 24", &std::tm::tm_hour, 24, false},       {"minute 60", &std::tm::tm_min, 60, false},
      {"second 61", &std::tm::tm_sec, 61, false},      {"second -1", &std::tm::tm_sec, -1, false},
  };
  for (const Case& c : cases) {
    std::tm t = valid;
    t.*c.field = c.value;
    EXPECT_EQ(c.date ? platform::ShortDateText(t) : platform::LongTimeText(t), "") << c.what;
    EXPECT_FALSE((c.date ? platform::LongTimeText(t) : platform::ShortDateText(t)).empty()) << c.what;
  }
  // What LocalNow gives when the system has no local time.
  std::tm none{};
  none.tm_hour = -1;
  EXPECT_EQ(platform::ShortDateText(none), "");
  EXPECT_EQ(platform::LongTimeText(none), "");
}
