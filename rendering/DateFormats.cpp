#include "rendering/DateFormats.h"

#include "rendering/DateCode.h"
#include "rendering/FormatLookup.h"

namespace editor {
namespace {

const std::array<std::string, 7> kWeekdaysDe = {"MONTAG",     "DIENSTAG", "MITTWOCH", "DONNERSTAG",
                                                "FREITAG",    "SAMSTAG",  "SONNTAG"};
const std::array<std::string, 7> kWeekdaysDeShort = {"MO", "DI", "MI", "DO", "FR", "SA", "SO"};
const std::array<std::string, 7> kWeekdaysEn = {"MONDAY", "TUESDAY",  "WEDNESDAY", "THURSDAY",
                                                "FRIDAY", "SATURDAY", "SUNDAY"};
const std::array<std::string, 7> kWeekdaysEn3 = {"MON", "TUE", "WED", "THU", "FRI", "SAT", "SUN"};
const std::array<std::string, 7> kWeekdaysEn2 = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
const std::array<std::string, 12> kMonthsDe = {"JANUAR", "FEBRUAR",   "MAERZ",   "APRIL",
                                               "MAI",    "JUNI",      "JULI",    "AUGUST",
                                               "SEPTEMBER", "OKTOBER", "NOVEMBER", "DEZEMBER"};
const std::array<std::string, 12> kMonthsDe3 = {"JAN", "FEB", "MRZ", "APR", "MAI", "JUN",
                                                "JUL", "AUG", "SEP", "OKT", "NOV", "DEZ"};
const std::array<std::string, 12> kMonthsEn = {"JANUARY", "FEBRUARY",  "MARCH",   "APRIL",
                                               "MAY",     "JUNE",      "JULY",    "AUGUST",
                                               "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
const std::array<std::string, 12> kMonthsEn3 = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
const std::array<std::string, 12> kMonthsEn2 = {"JA", "FE", "MR", "AL", "MA", "JN",
                                                "JL", "AU", "SE", "OC", "NO", "DE"};

// Codes: \xA2 day, \xC2 month, \xD3 / \xD2 four- and two-digit year, \xA5
// day of the year, \xB1 weekday name, \xC3 month name.
const std::string kWeekdayDate = "\xB1 \xA2.\xC2.\xD3";
const std::string kMonthDay = "\xC3\xA2";

}  // namespace

int BuildDateFormats(DateFormatTable& table) {
  for (DateFormatEntry& entry : table) entry = DateFormatEntry{};
  struct Plain { const char* name; const char* code; };
  static const Plain kPlain[] = {
      {"dd.mm.yyyy", "\xA2.\xC2.\xD3"}, {"dd.mm.yy", "\xA2.\xC2.\xD2"}, {"dd.mm.", "\xA2.\xC2."},
      {"dd.mm", "\xA2.\xC2"},           {"dd.", "\xA2."},               {"dd", "\xA2"},
      {"ddd", "\xA5"},                  {"mm.dd.yyyy", "\xC2.\xA2.\xD3"}, {"mm.dd.yy", "\xC2.\xA2.\xD2"},
      {"mm.dd.", "\xC2.\xA2."},         {"mm.dd", "\xC2.\xA2"},         {"mm.", "\xC2."},
      {"mm", "\xC2"},                   {"yyyy.mm.dd", "\xD3.\xC2.\xA2"}, {"yyyy.mm.", "\xD3.\xC2."},
      {"yyyy.mm", "\xD3.\xC2"},         {"yyyy.", "\xD3."},             {"yyyy", "\xD3"},
      {"yy.mm.dd", "\xD2.\xC2.\xA2"},   {"yy.mm.", "\xD2.\xC2."},       {"yy.mm", "\xD2.\xC2"},
      {"yy.", "\xD2."},                 {"yy", "\xD2"},                 {"ddmmyyyy", "\xA2\xC2\xD3"},
      {"ddmmyy", "\xA2\xC2\xD2"},       {"ddmm", "\xA2\xC2"},           {"yyyymmdd", "\xD3\xC2\xA2"},
      {"yymmdd", "\xD2\xC2\xA2"},       {"mmdd", "\xC2\xA2"},
  };
  int i = 0;
  for (const Plain& p : kPlain) {
    table[i].Name = p.name;
    table[i].Code = p.code;
    ++i;
  }
  auto months = [&](const char* name, const std::array<std::string, 12>& names) {
    table[i].Name = name;
    table[i].Code = kMonthDay;
    table[i].MonthNames = names;
    ++i;
  };
  auto weekdays = [&](const char* name, const std::array<std::string, 7>& names) {
    table[i].Name = name;
    table[i].Code = kWeekdayDate;
    table[i].WeekdayNames = names;
    ++i;
  };
  months("JANUARdd (DE)", kMonthsDe);
  months("JANdd (DE)", kMonthsDe3);
  weekdays("MONTAG dd.mm.yyyy (DE)", kWeekdaysDe);
  weekdays("MO dd.mm.yyyy (DE)", kWeekdaysDeShort);
  months("JANUARYdd (EN)", kMonthsEn);
  months("JANdd (EN)", kMonthsEn3);
  months("JAdd (EN)", kMonthsEn2);
  weekdays("MONDAY dd.mm.yyyy (EN)", kWeekdaysEn);
  weekdays("MON dd.mm.yyyy (EN)", kWeekdaysEn3);
  weekdays("MO dd.mm.yyyy (EN)", kWeekdaysEn2);
  return i - 1;
}

const DateFormatTable& DateFormats() {
  static const DateFormatTable table = [] {
    DateFormatTable t;
    BuildDateFormats(t);
    return t;
  }();
  return table;
}

int FindDateFormat(std::string_view name) {
  return FindFormatByName(DateFormats(), kLastDateFormatIndex, name);
}

void ApplyDateFormat(printdata::PrintText& work, unsigned layer, int entry, const LocalDateTime& now) {
  if (layer >= static_cast<unsigned>(printdata::kLayerCount)) return;
  if (entry < 0 || entry > kLastDateFormatIndex) return;
  const DateFormatEntry& e = DateFormats()[static_cast<std::size_t>(entry)];
  printdata::LayerObject& l = work.Layers[layer];
  l.DateFormat = e.Name;
  l.DateCode = e.Code;
  l.WeekdayNames = e.WeekdayNames;
  l.MonthNames = e.MonthNames;
  l.DatePreview = RenderDateText(work, layer, now);
}

void ApplyDateFormat(printdata::PrintText& work, unsigned layer, int entry) {
  ApplyDateFormat(work, layer, entry, LocalNow());
}

std::int32_t DateChangeMask(int index) {
  return index >= 1 && index <= 11 ? kDateChangeMasks[static_cast<std::size_t>(index)] : printdata::kAllWeekdays;
}

int DateChangeIndex(std::int32_t mask) {
  for (int i = 1; i <= 11; ++i) {
    if (kDateChangeMasks[static_cast<std::size_t>(i)] == mask) return i;
  }
  return 0;
}

}  // namespace editor
