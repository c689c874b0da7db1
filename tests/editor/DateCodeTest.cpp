#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rendering/Calendar.h"
#include "rendering/DateCode.h"
#include "rendering/DateFormats.h"
#include "TestValues.h"

using namespace editor;
using printdata::LayerObject;
using printdata::PrintText;
using testvalues::Hex;
using testvalues::On;

namespace {

std::string Expand(const std::string& code, int year, int month, int day) {
  LayerObject layer;
  layer.DateCode = code;
  return ExpandDateCode(layer, DaysFromCivil({year, month, day}));
}

// The date a layer with `mask` and `offset` prints on `today`.
CivilDate Printed(std::int32_t mask, std::int32_t offset, CivilDate today) {
  LayerObject layer;
  layer.WeekdayMask = mask;
  layer.DayOffset = offset;
  return CivilFromDays(PrintedDay(layer, today));
}

}  // namespace

TEST(DateFormats, EveryFormatHasItsCodeAndPrintsItsText) {
  // 5 March 2024, a Tuesday and day 65 of the year.
  struct Case { const char* name; const char* code; const char* text; } cases[] = {
      {"dd.mm.yyyy", "A2 2E C2 2E D3", "05.03.2024"},
      {"dd.mm.yy", "A2 2E C2 2E D2", "05.03.24"},
      {"dd.mm.", "A2 2E C2 2E", "05.03."},
      {"dd.mm", "A2 2E C2", "05.03"},
      {"dd.", "A2 2E", "05."},
      {"dd", "A2", "05"},
      {"ddd", "A5", "065"},
      {"mm.dd.yyyy", "C2 2E A2 2E D3", "03.05.2024"},
      {"mm.dd.yy", "C2 2E A2 2E D2", "03.05.24"},
      {"mm.dd.", "C2 2E A2 2E", "03.05."},
      {"mm.dd", "C2 2E A2", "03.05"},
      {"mm.", "C2 2E", "03."},
      {"mm", "C2", "03"},
      {"yyyy.mm.dd", "D3 2E C2 2E A2", "2024.03.05"},
      {"yyyy.mm.", "D3 2E C2 2E", "2024.03."},
      {"yyyy.mm", "D3 2E C2", "2024.03"},
      {"yyyy.", "D3 2E", "2024."},
      {"yyyy", "D3", "2024"},
      {"yy.mm.dd", "D2 2E C2 2E A2", "24.03.05"},
      {"yy.mm.", "D2 2E C2 2E", "24.03."},
      {"yy.mm", "D2 2E C2", "24.03"},
      {"yy.", "D2 2E", "24."},
      {"yy", "D2", "24"},
      {"ddmmyyyy", "A2 C2 D3", "05032024"},
      {"ddmmyy", "A2 C2 D2", "050324"},
      {"ddmm", "A2 C2", "0503"},
      {"yyyymmdd", "D3 C2 A2", "20240305"},
      {"yymmdd", "D2 C2 A2", "240305"},
      {"mmdd", "C2 A2", "0305"},
      {"JANUARdd (DE)", "C3 A2", "MAERZ05"},
      {"JANdd (DE)", "C3 A2", "MRZ05"},
      {"MONTAG dd.mm.yyyy (DE)", "B1 20 A2 2E C2 2E D3", "DIENSTAG 05.03.2024"},
      {"MO dd.mm.yyyy (DE)", "B1 20 A2 2E C2 2E D3", "DI 05.03.2024"},
      {"JANUARYdd (EN)", "C3 A2", "MARCH05"},
      {"JANdd (EN)", "C3 A2", "MAR05"},
      {"JAdd (EN)", "C3 A2", "MR05"},
      {"MONDAY dd.mm.yyyy (EN)", "B1 20 A2 2E C2 2E D3", "TUESDAY 05.03.2024"},
      {"MON dd.mm.yyyy (EN)", "B1 20 A2 2E C2 2E D3", "TUE 05.03.2024"},
      {"MO dd.mm.yyyy (EN)", "B1 20 A2 2E C2 2E D3", "TU 05.03.2024"},
  };
  ASSERT_EQ(std::size(cases), 39u);
  const DateFormatTable& table = DateFormats();
  for (int i = 0; i < 39; ++i) {
    SCOPED_TRACE(cases[i].name);
    EXPECT_EQ(table[i].Name, cases[i].name);
    EXPECT_EQ(Hex(table[i].Code), cases[i].code);
    PrintText work;
    ApplyDateFormat(work, 2, i, On(2024, 3, 5));
    EXPECT_EQ(work.Layers[2].DateFormat, cases[i].name);
    EXPECT_EQ(work.Layers[2].DatePreview, cases[i].text);
  }
  for (int i = 39; i < kDateFormatTableSize; ++i) EXPECT_TRUE(table[i].Name.empty() && table[i].Code.empty());
}

TEST(DateFormats, BuildingReturnsTheLastIndexAndEmptiesTheRest) {
  DateFormatTable table;
  table[60].Name = "left over";
  EXPECT_EQ(BuildDateFormats(table), kLastDateFormatIndex);
  EXPECT_EQ(table[60].Name, "");
  EXPECT_EQ(table[31].WeekdayNames[6], "SONNTAG");
  EXPECT_EQ(table[29].MonthNames[2], "MAERZ");
  EXPECT_EQ(table[0].WeekdayNames[0], "");
}

TEST(DateFormats, FindIsExactAndCaseSensitive) {
  EXPECT_EQ(FindDateFormat("MO dd.mm.yyyy (EN)"), 38);
  EXPECT_EQ(FindDateFormat("MO dd.mm.yyyy (DE)"), 32);
  EXPECT_EQ(FindDateFormat("dd.mm.yyyy"), 0);
  EXPECT_EQ(FindDateFormat("DD.MM.YYYY"), -1);
  EXPECT_EQ(FindDateFormat(""), -1);
  EXPECT_EQ(FindDateFormat("dd.mm.yyyy "), -1);
}

TEST(DateFormats, ApplyCopiesNamesAndIgnoresEntriesOutsideTheTable) {
  PrintText work;
  ApplyDateFormat(work, 0, 31, On(2024, 3, 5));
  EXPECT_EQ(work.Layers[0].WeekdayNames[1], "DIENSTAG");
  EXPECT_EQ(work.Layers[0].MonthNames[0], "");
  const PrintText before = work;
  ApplyDateFormat(work, 0, 39, On(2024, 3, 5));
  ApplyDateFormat(work, 0, -1, On(2024, 3, 5));
  ApplyDateFormat(work, 5, 0, On(2024, 3, 5));
  EXPECT_EQ(work, before);
}

TEST(DateFormats, ChangeChoicesMapToMasksAndBack) {
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(DateChangeIndex(DateChangeMask(i)), i);
  EXPECT_EQ(DateChangeMask(0), 127);
  EXPECT_EQ(DateChangeMask(12), 127);
  EXPECT_EQ(DateChangeMask(11), 0);
  EXPECT_EQ(DateChangeIndex(127), 0);
  EXPECT_EQ(DateChangeIndex(3), 0);
  EXPECT_EQ(DateChangeIndex(0), 11);
  EXPECT_EQ(DateChangeIndex(36), 3);
}

TEST(DateCode, HoldBackGoesToTheLatestMaskedWeekday) {
  // 4 March 2024 is a Monday.
  for (std::int32_t mask : {9, 18, 36, 1, 2, 4, 8, 16, 32, 64}) {
    for (int day = 0; day < 7; ++day) {
      const CivilDate today{2024, 3, 4 + day};
      const std::int64_t printed = DaysFromCivil(Printed(mask, 0, today));
      const std::int64_t base = DaysFromCivil(today);
      ASSERT_LE(printed, base);
      EXPECT_TRUE(mask & (1 << (IsoWeekday(printed) - 1))) << mask << " " << day;
      for (std::int64_t d = printed + 1; d <= base; ++d)
        EXPECT_FALSE(mask & (1 << (IsoWeekday(d) - 1))) << mask << " " << day;
    }
  }
}

TEST(DateCode, HoldBackCases) {
  struct Case { std::int32_t mask, offset; CivilDate today, printed; } cases[] = {
      {9, 0, {2024, 3, 6}, {2024, 3, 4}},    // Wednesday: the Monday before
      {9, 0, {2024, 3, 7}, {2024, 3, 7}},    // Thursday itself
      {18, 0, {2024, 3, 4}, {2024, 3, 1}},   // Monday: the Friday before
      {36, 0, {2024, 3, 5}, {2024, 3, 2}},   // Tuesday: the Saturday before
      {127, 0, {2024, 3, 6}, {2024, 3, 6}},
      {0, 0, {2024, 3, 6}, {2024, 3, 6}},
      {3, 0, {2024, 3, 6}, {2024, 3, 6}},    // not a choice of the pane
      {1, 1, {2024, 3, 10}, {2024, 3, 11}},  // Sunday + 1 is a Monday: unchanged
      {1, 0, {2024, 3, 10}, {2024, 3, 4}},
      {64, -800, {2024, 3, 6}, {2021, 12, 26}},  // base 27 Dec 2021, a Monday
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Printed(c.mask, c.offset, c.today), c.printed) << c.mask << " " << c.offset;
  }
  EXPECT_EQ(HoldBackDays(9, 0), 0);
  EXPECT_EQ(HoldBackDays(9, 8), 0);
}

TEST(DateCode, AnyDayOffsetAFileCanHoldGivesAConsistentDate) {
  for (std::int32_t offset : {INT_MIN, -49006, -48999, 48999, INT_MAX}) {
    const CivilDate today{2024, 3, 5};
    const std::int64_t base = DaysFromCivil(today) + offset;
    EXPECT_EQ(DaysFromCivil(Printed(127, offset, today)), base);
    const std::int64_t held = DaysFromCivil(Printed(9, offset, today));
    EXPECT_TRUE(IsoWeekday(held) == 1 || IsoWeekday(held) == 4) << offset;
    EXPECT_LE(base - held, 3);
    LayerObject layer;
    layer.DayOffset = offset;
    layer.DateCode = "\xB1\xA2.\xC2.\xD3 \xE2";
    EXPECT_FALSE(ExpandDateCode(layer, PrintedDay(layer, today)).empty());
  }
}

TEST(DateCode, Placeholders) {
  struct Case { const char* code; int y, m, d; const char* text; } cases[] = {
      {"\xD0|\xD1|\xD2|\xD3|\xD4", 2005, 6, 1, "5| 5|05|2005|55"},
      {"\xA0|\xA1|\xA2|\xA6", 2024, 3, 7, "7| 7|07|57"},
      {"\xA3|\xA4|\xA5", 2024, 2, 1, "32| 32|032"},
      {"\xA3|\xA4|\xA5", 2023, 12, 31, "365|365|365"},
      {"\xC0|\xC1|\xC2|\xC4", 2024, 3, 7, "3| 3|03|53"},
      {"\xB0", 2024, 3, 10, "7"},
      {"\xB0", 2024, 3, 4, "1"},
      {"\xE0|\xE1|\xE2", 2024, 12, 31, "1| 1|01"},
      {"\xE0|\xE1|\xE2", 2021, 1, 1, "53|53|53"},
      {"\xE2", 2024, 3, 5, "10"},
      {"\xB2\xE3\xA7\x41", 2024, 3, 5, "\xB2\xE3\xA7\x41"},  // not placeholders: the bytes themselves
  };
  for (const Case& c : cases) EXPECT_EQ(Expand(c.code, c.y, c.m, c.d), c.text) << Hex(c.code);
}

TEST(DateCode, OnlyTheFirstTwentyBytesCountAndAZeroByteEndsTheCode) {
  const std::string code = std::string(19, '-') + "\xA2" + "\xA2\xA2\xA2\xA2\xA2";  // 25 bytes
  EXPECT_EQ(Expand(code, 2024, 3, 5), std::string(19, '-') + "05");
  EXPECT_EQ(Expand(std::string("\xA2.\0\xC2", 4), 2024, 3, 5), "05.");
  EXPECT_EQ(Expand("", 2024, 3, 5), "");
}

TEST(DateCode, EmptyWeekdayNamesPrintNothingForTheirPlaceholder) {
  EXPECT_EQ(Expand("\xB1 \xA2.\xC2", 2024, 3, 5), " 05.03");
  LayerObject layer;
  layer.DateCode = "\xC3-\xB1";
  layer.MonthNames[2] = "M\xE4rz";
  layer.WeekdayNames[1] = "Di";
  EXPECT_EQ(ExpandDateCode(layer, DaysFromCivil({2024, 3, 5})), "M\xE4rz-Di");
}

TEST(DateCode, RenderDateTextUsesTheLayerAndGuardsTheIndex) {
  PrintText work;
  work.Layers[1].DayOffset = 1;
  EXPECT_EQ(RenderDateText(work, 1, On(2024, 2, 28)), "29.02.2024");
  EXPECT_EQ(RenderDateText(work, 1, On(2024, 12, 31)), "01.01.2025");
  EXPECT_EQ(RenderDateText(work, 5, On(2024, 3, 5)), "");
  EXPECT_EQ(RenderDateText(work, static_cast<unsigned>(-1), On(2024, 3, 5)), "");
  EXPECT_EQ(FormatDate(work, 5, On(2024, 3, 5)), "");
}

TEST(DateCode, NoTextIsFormedFromSomethingThatIsNoDate) {
  PrintText work;
  LocalDateTime failed;  // what the system clock gives when it has no local time
  failed.Date.Month = 0;
  struct Case { const char* what; LocalDateTime now; } cases[] = {
      {"failed clock", failed},
      {"30 February", On(2024, 2, 30)},
      {"29 February 2023", On(2023, 2, 29)},
      {"month 13", On(2024, 13, 1)},
      {"day 0", On(2024, 3, 0)},
      {"hour 24", testvalues::At(24, 0, 0)},
      {"minute 60", testvalues::At(12, 60, 0)},
      {"second -1", testvalues::At(12, 0, -1)},
      {"year 10^12", testvalues::At(10, 0, 0, {1000000000000, 1, 1})},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(IsValidDateTime(c.now)) << c.what;
    EXPECT_EQ(RenderDateText(work, 0, c.now), "") << c.what;
  }
  EXPECT_TRUE(IsValidDateTime(On(2024, 2, 29)));
  EXPECT_TRUE(IsValidDateTime(testvalues::At(23, 59, 60)));  // a leap second
  SetLocalClock([failed] { return failed; });
  EXPECT_EQ(RenderDateText(work, 0), "");
  SetLocalClock({});
}

TEST(DateCode, TheClockCanBeReplaced) {
  SetLocalClock([] { return On(2030, 7, 1); });
  PrintText work;
  EXPECT_EQ(RenderDateText(work, 0), "01.07.2030");
  SetLocalClock({});
  EXPECT_EQ(RenderDateText(work, 0).size(), 10u);
}

TEST(DateCode, ADateOutsideTheYearsOneTo9999PrintsNothing) {
  PrintText work;
  work.Layers[0].DayOffset = INT_MAX;  // year 5.8 million
  EXPECT_EQ(RenderDateText(work, 0, On(2024, 3, 5)), "");
  EXPECT_EQ(FormatDate(work, 0, On(2024, 3, 5)), "");
  work.Layers[0].DayOffset = INT_MIN;
  EXPECT_EQ(RenderDateText(work, 0, On(2024, 3, 5)), "");
  // The last and first days of the range still print.
  work.Layers[0].DayOffset = static_cast<std::int32_t>(DaysFromCivil({9999, 12, 31}) - DaysFromCivil({2024, 3, 5}));
  EXPECT_EQ(RenderDateText(work, 0, On(2024, 3, 5)), "31.12.9999");
  ++work.Layers[0].DayOffset;
  EXPECT_EQ(RenderDateText(work, 0, On(2024, 3, 5)), "");
  work.Layers[0].DayOffset = static_cast<std::int32_t>(DaysFromCivil({1, 1, 1}) - DaysFromCivil({2024, 3, 5}));
  EXPECT_EQ(RenderDateText(work, 0, On(2024, 3, 5)), "01.01.0001");
  --work.Layers[0].DayOffset;
  EXPECT_EQ(RenderDateText(work, 0, On(2024, 3, 5)), "");
}
