#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rendering/TimeCode.h"
#include "rendering/TimeFormats.h"
#include "TestValues.h"

using namespace editor;
using printdata::LayerObject;
using printdata::PrintText;
using testvalues::At;
using testvalues::Hex;

namespace {

std::string Expand(const std::string& code, const LocalDateTime& t) {
  LayerObject layer;
  layer.TimeCode = code;
  layer.AmText = "AM";
  layer.PmText = "PM";
  return ExpandTimeCode(layer, t);
}

std::string Printed(std::int32_t interval, std::int32_t offset, const LocalDateTime& now) {
  PrintText work;
  work.Layers[0].Interval = interval;
  work.Layers[0].TimeOffset = offset;
  return RenderTimeText(work, 0, now);
}

}  // namespace

TEST(TimeFormats, EveryFormatHasItsCodeStepAndPrintsItsText) {
  struct Case { const char* name; const char* code; const char* am; const char* pm; int step; const char* text; } cases[] = {
      {"hh:mm:ss", "D2 3A B2 3A A2", "", "", 0, "13:05:09"},
      {"hh:mm", "D2 3A B2", "", "", 60, "13:05"},
      {"hh", "D2", "", "", 3600, "13"},
      {"hhmmss", "D2 B2 A2", "", "", 0, "130509"},
      {"hhmm", "D2 B2", "", "", 60, "1305"},
      {"hh:mm:ss AM/PM", "C2 3A B2 3A A2 20 E0", "AM", "PM", 0, "01:05:09 PM"},
      {"hh:mm AM/PM", "C2 3A B2 20 E0", "AM", "PM", 60, "01:05 PM"},
      {"hh AM/PM", "C2 20 E0", "AM", "PM", 3600, "01 PM"},
      {"hhmmss AM/PM", "C2 B2 A2 20 E0", "AM", "PM", 0, "010509 PM"},
      {"hhmm AM/PM", "C2 B2 20 E0", "AM", "PM", 60, "0105 PM"},
      {"AM/PM", "E0", "AM", "PM", 3600, "PM"},
      {"MORGEN/NACHMITTAG", "E0", "MORGEN", "NACHMITTAG", 3600, "NACHMITTAG"},
  };
  ASSERT_EQ(std::size(cases), 12u);
  const TimeFormatTable& table = TimeFormats();
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(cases[i].name);
    EXPECT_EQ(table[i].Name, cases[i].name);
    EXPECT_EQ(Hex(table[i].Code), cases[i].code);
    PrintText work;
    work.Layers[4].TimeStep = 999;
    ApplyTimeFormat(work, 4, i, At(13, 5, 9));
    const LayerObject& l = work.Layers[4];
    EXPECT_EQ(l.TimeFormat, cases[i].name);
    EXPECT_EQ(l.AmText, cases[i].am);
    EXPECT_EQ(l.PmText, cases[i].pm);
    EXPECT_EQ(l.TimeStep, cases[i].step);
    EXPECT_EQ(l.TimePreview, cases[i].text);
  }
  TimeFormatTable fresh;
  fresh[50].Name = "x";
  EXPECT_EQ(BuildTimeFormats(fresh), kLastTimeFormatIndex);
  EXPECT_EQ(fresh[50].Name, "");
  EXPECT_EQ(fresh[12].Code, "");
}

TEST(TimeFormats, FindAndApplyGuardTheirArguments) {
  EXPECT_EQ(FindTimeFormat("MORGEN/NACHMITTAG"), 11);
  EXPECT_EQ(FindTimeFormat("hh:mm:ss"), 0);
  EXPECT_EQ(FindTimeFormat("HH:MM:SS"), -1);
  PrintText work;
  const PrintText before = work;
  ApplyTimeFormat(work, 0, 12, At(1, 2, 3));
  ApplyTimeFormat(work, 0, -1, At(1, 2, 3));
  ApplyTimeFormat(work, 7, 0, At(1, 2, 3));
  EXPECT_EQ(work, before);
}

TEST(TimeFormats, ChangeChoicesMapToIntervalsAndBack) {
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(TimeChangeIndex(TimeChangeInterval(i)), i);
  EXPECT_EQ(TimeChangeInterval(0), 0);
  EXPECT_EQ(TimeChangeInterval(6), 0);
  EXPECT_EQ(TimeChangeInterval(5), -1);
  EXPECT_EQ(TimeChangeIndex(0), 0);
  EXPECT_EQ(TimeChangeIndex(45), 0);
  EXPECT_EQ(TimeChangeIndex(43200), 4);
}

TEST(TimeFormats, OffsetTextShowsMinutesOrHoursAndMinutes) {
  struct Case { std::int32_t seconds; const char* text; } cases[] = {
      {0, "0"},         {60, "1"},         {3540, "59"},      {3600, "01:00"},  {5400, "01:30"},
      {86340, "23:59"}, {86399, "23:59"},  {86400, "+?"},     {90000, "+?"},    {-30, "-0"},
      {-60, "-1"},      {-90, "-1"},       {-3599, "-59"},    {-3600, "-01:00"}, {-5400, "-01:30"},
      {-86399, "-23:59"}, {-86400, "-?"},  {INT_MIN, "-?"},   {INT_MAX, "+?"},  {59, "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(TimeOffsetText(c.seconds), c.text) << c.seconds;
}

TEST(TimeCode, TwelveHourClockAndAmPm) {
  EXPECT_EQ(Expand("\xC0", At(0, 30, 0)), "12");
  EXPECT_EQ(Expand("\xC0", At(12, 30, 0)), "12");
  EXPECT_EQ(Expand("\xC0", At(13, 30, 0)), "1");
  EXPECT_EQ(Expand("\xC0", At(11, 30, 0)), "11");
  EXPECT_EQ(Expand("\xC1|\xC2", At(1, 0, 0)), " 1|01");
  EXPECT_EQ(Expand("\xC1|\xC2", At(0, 0, 0)), "12|12");
  EXPECT_EQ(Expand("\xE0", At(11, 59, 59)), "AM");
  EXPECT_EQ(Expand("\xE0", At(12, 0, 0)), "PM");
  EXPECT_EQ(Expand("\xE0", At(0, 0, 0)), "AM");
}

TEST(TimeCode, Placeholders) {
  EXPECT_EQ(Expand("\xA0|\xA1|\xA2", At(7, 8, 9)), "9| 9|09");
  EXPECT_EQ(Expand("\xB0|\xB1|\xB2", At(7, 8, 9)), "8| 8|08");
  EXPECT_EQ(Expand("\xD0|\xD1|\xD2", At(7, 8, 9)), "7| 7|07");
  EXPECT_EQ(Expand("\xE1\xE2\xA3\xB3\xD3", At(7, 8, 9)), "\xE1\xE2\xA3\xB3\xD3");
  EXPECT_EQ(Expand(std::string(20, 'x') + "\xD2", At(7, 8, 9)), std::string(20, 'x'));
  EXPECT_EQ(Expand(std::string("\xD2\0\xB2", 3), At(7, 8, 9)), "07");
}

TEST(TimeCode, IntervalsCutTheTimeDownFromMidnight) {
  EXPECT_EQ(Printed(43200, 0, At(13, 5, 0)), "12:00:00");
  EXPECT_EQ(Printed(43200, 0, At(11, 59, 0)), "00:00:00");
  EXPECT_EQ(Printed(600, 0, At(13, 5, 9)), "13:00:00");
  EXPECT_EQ(Printed(3600, 0, At(13, 5, 9)), "13:00:00");
  EXPECT_EQ(Printed(30, 15, At(10, 0, 20)), "10:00:30");
  EXPECT_EQ(Printed(0, 0, At(13, 5, 9)), "13:05:09");
  EXPECT_EQ(Printed(-1, 0, At(13, 5, 9)), "13:05:09");
  // An interval no choice gives (only a file holds one) still cuts safely.
  EXPECT_EQ(Printed(-5, 0, At(13, 5, 9)), "00:00:00");
  EXPECT_EQ(Printed(INT_MAX, 0, At(13, 5, 9)), "00:00:00");
  EXPECT_EQ(Printed(7, 0, At(0, 0, 20)), "00:00:14");
}

TEST(TimeCode, OffsetsCarryIntoOtherDays) {
  LayerObject layer;
  layer.TimeOffset = -60;
  LocalDateTime t = PrintedTime(layer, At(0, 0, 30, {2024, 3, 1}));
  EXPECT_EQ(t.Date, (CivilDate{2024, 2, 29}));
  EXPECT_EQ(ExpandTimeCode(layer, t), "23:59:30");
  layer.TimeOffset = 86399;
  t = PrintedTime(layer, At(0, 0, 1, {2024, 12, 31}));
  EXPECT_EQ(t.Date, (CivilDate{2025, 1, 1}));
  EXPECT_EQ(ExpandTimeCode(layer, t), "00:00:00");
  for (std::int32_t offset : {INT_MIN, INT_MAX}) {
    layer.TimeOffset = offset;
    EXPECT_EQ(ExpandTimeCode(layer, PrintedTime(layer, At(12, 0, 0))).size(), 8u);
  }
}

TEST(TimeCode, RenderTimeTextGuardsTheIndex) {
  PrintText work;
  EXPECT_EQ(RenderTimeText(work, 3, At(23, 59, 59)), "23:59:59");
  EXPECT_EQ(RenderTimeText(work, 5, At(1, 2, 3)), "");
  EXPECT_EQ(RenderTimeText(work, static_cast<unsigned>(-2), At(1, 2, 3)), "");
  EXPECT_EQ(FormatTime(work, 9, At(1, 2, 3)), "");
}

TEST(TimeCode, NoTextIsFormedFromSomethingThatIsNoTime) {
  PrintText work;
  for (const LocalDateTime& now : {At(24, 0, 0), At(-1, 0, 0), At(12, 61, 0), At(1, 2, 3, {2024, 2, 30})}) {
    EXPECT_EQ(RenderTimeText(work, 0, now), "");
  }
  LocalDateTime failed;
  failed.Date.Month = 0;
  EXPECT_EQ(RenderTimeText(work, 0, failed), "");
}
