#include <gtest/gtest.h>

#include <climits>

#include "printdata/PrintField.h"
#include "printdata/Protection.h"
#include "printdata/StaticLayer.h"
#include "printdata/TotalLength.h"

using namespace printdata;

TEST(TotalLength, FollowsTheLayoutFormulas) {
  PrintText t;
  EXPECT_EQ(TotalLengthX1(t), 300);
  EXPECT_EQ(TotalLengthX2(t), 300);
  EXPECT_EQ(TotalLengthY(t), 0);

  t.Parameters.X2 = {50, 300, 3, 100, 2, 200, 70, 0};
  EXPECT_EQ(TotalLengthX2(t), 2520);
  EXPECT_EQ(TotalLengthX1(t), 300);
  t.Parameters.Y = {10, 25, 4, 20};
  EXPECT_EQ(TotalLengthY(t), 105);
}

TEST(TotalLength, WrapsAround32Bits) {
  struct Case {
    ParameterSetX x;
    std::int32_t total;
  } cases[] = {
      // (2e9 + 100) * 3 - 100 = 6'000'000'200, less 2^32.
      {{0, 2'000'000'000, 3, 100, 1, 200, 0, 0}, 1'705'032'904},
      {{0, 2'000'000'000, 2, 100, 1, 200, 0, 0}, -294'967'196},
      {{INT_MAX, 0, 1, 0, 1, 0, 1, 0}, INT_MIN},
      {{INT_MIN, 0, 0, INT_MIN, 0, INT_MIN, INT_MIN, 0}, INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(TotalLength(c.x), c.total) << c.x.Drucklaenge;
  EXPECT_EQ(TotalLength(ParameterSetY{0, INT_MAX, 3, 0}), -2);  // 2 * INT_MAX
}

TEST(StaticLayer, TellsFixedContentFromPrinterRenderedContent) {
  struct Case {
    std::uint8_t kind;
    std::int32_t mask, interval;
    bool isStatic, isDynamic;
  } cases[] = {
      {kKindNone, 127, 0, false, false},
      {kKindText, 127, 0, true, false},
      {kKindGraphic, 127, 0, true, false},
      {kKindDate, 127, 0, false, true},
      {kKindDate, 0, 0, true, false},
      {kKindDate, 0x40, 0, false, true},
      {kKindDate, 0x80, 0, true, false},   // no weekday among bits 0 to 6
      {kKindDate, 0x81, 0, false, true},
      {kKindDate, -1, 0, false, true},
      {kKindTime, 0, -1, true, false},
      {kKindTime, 0, 0, false, true},
      {kKindTime, 0, 3600, false, true},
      {7, 0, -1, false, false},
  };
  for (const auto& c : cases) {
    PrintText t;
    t.Layers[3].Kind = c.kind;
    t.Layers[3].WeekdayMask = c.mask;
    t.Layers[3].Interval = c.interval;
    EXPECT_EQ(IsStaticLayer(t, 3), c.isStatic) << int(c.kind) << " " << c.mask << " " << c.interval;
    EXPECT_EQ(IsDynamicLayer(t.Layers[3]), c.isDynamic) << int(c.kind) << " " << c.mask;
  }
  PrintText t;
  for (auto& l : t.Layers) l.Kind = kKindText;
  EXPECT_TRUE(IsStaticLayer(t, 4));
  EXPECT_FALSE(IsStaticLayer(t, 5));
  EXPECT_FALSE(IsStaticLayer(t, -1));
}

TEST(PrintField, IsSixColumnsPerWholeMillimetre) {
  struct Case { std::int32_t length, columns; } cases[] = {
      {300, 180}, {15, 6}, {19, 6}, {9, 0}, {1000, 600}, {-10, 0}, {INT_MAX, 214748364 * 6},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintFieldColumns(c.length), c.columns) << c.length;
  PrintText t;
  EXPECT_EQ(PrintFieldColumns(t), 180);
  EXPECT_EQ(kPrintFieldRows, 25);
}

TEST(Protection, TextThatIsNotANumberIsZero) {
  struct Case { const char* text; std::int32_t value; } cases[] = {
      {"", 0}, {"0", 0}, {"7", 7}, {"2", 2}, {"+4", 4}, {"abc", 0}, {" 1", 0}, {"1 ", 0},
      {"99999999999", 0}, {"-", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ProtectionValue(c.text), c.value) << c.text;
}
