#include <gtest/gtest.h>

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
