#include "rendering/DateCode.h"

#include <array>

#include "rendering/AppendFormatted.h"
#include "printdata/FormatCode.h"

namespace editor {
namespace {

struct HoldBackRow {
  std::int32_t Mask;
  std::array<int, 7> Days;  // by weekday of the base date, Monday first
};

// Days back to the latest masked weekday on or before the base date.
constexpr std::array<HoldBackRow, 10> kHoldBack = {{
    {9, {0, 1, 2, 0, 1, 2, 3}},
    {18, {3, 0, 1, 2, 0, 1, 2}},
    {36, {2, 3, 0, 1, 2, 0, 1}},
    {1, {0, 1, 2, 3, 4, 5, 6}},
    {2, {6, 0, 1, 2, 3, 4, 5}},
    {4, {5, 6, 0, 1, 2, 3, 4}},
    {8, {4, 5, 6, 0, 1, 2, 3}},
    {16, {3, 4, 5, 6, 0, 1, 2}},
    {32, {2, 3, 4, 5, 6, 0, 1}},
    {64, {1, 2, 3, 4, 5, 6, 0}},
}};

}  // namespace

int HoldBackDays(std::int32_t mask, int weekday) {
  if (weekday < 1 || weekday > 7) return 0;
  for (const HoldBackRow& row : kHoldBack) {
    if (row.Mask == mask) return row.Days[static_cast<std::size_t>(weekday - 1)];
  }
  return 0;
}

std::int64_t PrintedDay(const printdata::LayerObject& layer, const CivilDate& today) {
  // The weekday that decides the hold-back is that of the base date (today
  // plus the offset). Computed on day numbers, it is right for every offset
  // a file can hold, not only those down to -48999 days.
  const std::int64_t base = DaysFromCivil(today) + layer.DayOffset;
  return base - HoldBackDays(layer.WeekdayMask, IsoWeekday(base));
}

std::string ExpandDateCode(const printdata::LayerObject& layer, std::int64_t day) {
  const CivilDate date = CivilFromDays(day);
  const int weekday = IsoWeekday(day);
  const long long year = date.Year;
  const long long yy = date.Year % 100;
  std::string out;
  for (char ch : printdata::EffectiveFormatCode(layer.DateCode)) {
    switch (static_cast<std::uint8_t>(ch)) {
      case 0xA0: AppendFormatted(out, "%d", date.Day); break;
      case 0xA1: AppendFormatted(out, "%2d", date.Day); break;
      case 0xA2: AppendFormatted(out, "%02d", date.Day); break;
      case 0xA3: AppendFormatted(out, "%d", DayOfYear(day)); break;
      case 0xA4: AppendFormatted(out, "%3d", DayOfYear(day)); break;
      case 0xA5: AppendFormatted(out, "%03d", DayOfYear(day)); break;
      case 0xA6: AppendFormatted(out, "%2d", date.Day + 50); break;
      case 0xB0: AppendFormatted(out, "%d", weekday); break;
      case 0xB1: out += layer.WeekdayNames[static_cast<std::size_t>(weekday - 1)]; break;
      case 0xC0: AppendFormatted(out, "%d", date.Month); break;
      case 0xC1: AppendFormatted(out, "%2d", date.Month); break;
      case 0xC2: AppendFormatted(out, "%02d", date.Month); break;
      case 0xC3: out += layer.MonthNames[static_cast<std::size_t>(date.Month - 1)]; break;
      case 0xC4: AppendFormatted(out, "%2d", date.Month + 50); break;
      case 0xD0: AppendFormatted(out, "%lld", yy); break;
      case 0xD1: AppendFormatted(out, "%2lld", yy); break;
      case 0xD2: AppendFormatted(out, "%02lld", yy); break;
      case 0xD3: AppendFormatted(out, "%04lld", year); break;
      case 0xD4: AppendFormatted(out, "%2lld", yy + 50); break;
      case 0xE0: AppendFormatted(out, "%d", IsoWeek(day)); break;
      case 0xE1: AppendFormatted(out, "%2d", IsoWeek(day)); break;
      case 0xE2: AppendFormatted(out, "%02d", IsoWeek(day)); break;
      default: out += ch; break;
    }
  }
  return out;
}

std::string FormatDate(const printdata::PrintText& work, unsigned layer, const LocalDateTime& now) {
  if (layer >= static_cast<unsigned>(printdata::kLayerCount) || !IsValidDateTime(now)) return "";
  const printdata::LayerObject& l = work.Layers[layer];
  const std::int64_t day = PrintedDay(l, now.Date);
  // A day offset from a file can carry the date out of the calendar the
  // printer knows; such a date prints nothing rather than a year of six
  // digits or a negative one.
  const std::int64_t year = CivilFromDays(day).Year;
  if (year < kFirstYear || year > kLastYear) return "";
  return ExpandDateCode(l, day);
}

std::string RenderDateText(const printdata::PrintText& work, unsigned layer, const LocalDateTime& now) {
  return FormatDate(work, layer, now);
}

std::string RenderDateText(const printdata::PrintText& work, unsigned layer) {
  return FormatDate(work, layer, LocalNow());
}

}  // namespace editor
