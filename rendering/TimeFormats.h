#pragma once
// The fixed table of time formats the time pane offers, the choices of its
// "Wechsel" row, the caption of its offset, and copying a format into a
// layer. The table's texts are the printer's and are not translated.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rendering/LocalClock.h"
#include "printdata/PrintText.h"

namespace editor {

struct TimeFormatEntry {
  std::string Name;  // shown in the pane, stored into LayerObject::TimeFormat
  std::string Code;  // the time code, stored into LayerObject::TimeCode
  std::string AmText;
  std::string PmText;
  std::int32_t Step = 0;  // seconds between changes of the shown text: 0, 60 or 3600
};

inline constexpr int kTimeFormatTableSize = 100;
inline constexpr int kLastTimeFormatIndex = 11;
using TimeFormatTable = std::array<TimeFormatEntry, kTimeFormatTableSize>;

// Empties all entries, sets entries 0..11 and returns the last index, 11.
int BuildTimeFormats(TimeFormatTable& table);
// The table, built once.
const TimeFormatTable& TimeFormats();

// Index 0..11 of the first entry named exactly `name` (byte for byte), or -1.
int FindTimeFormat(std::string_view name);

// Copies entry `entry` (0..11) into layer `layer` of the working copy: name,
// code, AM and PM texts and step, then the layer's time text for `now`. Any
// other entry or layer changes nothing.
void ApplyTimeFormat(printdata::PrintText& work, unsigned layer, int entry, const LocalDateTime& now);
void ApplyTimeFormat(printdata::PrintText& work, unsigned layer, int entry);

// The six choices of the pane's "Wechsel" row: the interval each one stores
// (continuous 0 first, "Nie" -1 last).
inline constexpr std::array<std::int32_t, 6> kTimeChangeIntervals = {
    0, 30, 600, 3600, 43200, printdata::kStaticTimeInterval};
// The interval of choice `index`; an index outside 1..5 gives 0.
std::int32_t TimeChangeInterval(int index);
// The choice showing `interval`; an interval of no choice shows as 0.
int TimeChangeIndex(std::int32_t interval);

// A time offset in seconds as the pane and the data view show it: minutes
// ("0".."59", "-1"), or hours and minutes ("01:30", "-01:30") from an hour
// on; "+?" and "-?" for a day or more. Seconds are not shown.
std::string TimeOffsetText(std::int32_t seconds);

}  // namespace editor
