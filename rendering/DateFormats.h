#pragma once
// The fixed table of date formats the date pane offers, the weekday choices
// of its "Wechsel" row, and copying a format into a layer. The table's
// texts are the printer's and are not translated.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rendering/LocalClock.h"
#include "printdata/PrintText.h"

namespace editor {

struct DateFormatEntry {
  std::string Name;  // shown in the pane, stored into LayerObject::DateFormat
  std::string Code;  // the date code, stored into LayerObject::DateCode
  std::array<std::string, 7> WeekdayNames;  // Monday first
  std::array<std::string, 12> MonthNames;   // January first
};

inline constexpr int kDateFormatTableSize = 100;
inline constexpr int kLastDateFormatIndex = 38;
using DateFormatTable = std::array<DateFormatEntry, kDateFormatTableSize>;

// Empties all entries, sets entries 0..38 and returns the last index, 38.
int BuildDateFormats(DateFormatTable& table);
// The table, built once.
const DateFormatTable& DateFormats();

// Index 0..38 of the first entry named exactly `name` (byte for byte), or -1.
int FindDateFormat(std::string_view name);

// Copies entry `entry` (0..38) into layer `layer` of the working copy: name,
// code, weekday and month names, then the layer's date text for `now`. Any
// other entry or layer changes nothing.
void ApplyDateFormat(printdata::PrintText& work, unsigned layer, int entry, const LocalDateTime& now);
void ApplyDateFormat(printdata::PrintText& work, unsigned layer, int entry);

// The twelve choices of the pane's "Wechsel" row: the weekday mask each one
// stores ("Täglich" 127 first, "Nie" 0 last).
inline constexpr std::array<std::int32_t, 12> kDateChangeMasks = {
    printdata::kAllWeekdays, 9, 18, 36, 1, 2, 4, 8, 16, 32, 64, 0};
// The mask of choice `index`; an index outside 1..11 gives 127.
std::int32_t DateChangeMask(int index);
// The choice showing `mask`; a mask of no choice shows as 0 ("Täglich").
int DateChangeIndex(std::int32_t mask);

}  // namespace editor
