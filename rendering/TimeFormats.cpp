#include "rendering/TimeFormats.h"

#include <cstdio>

#include "rendering/FormatLookup.h"
#include "rendering/TimeCode.h"

namespace editor {

int BuildTimeFormats(TimeFormatTable& table) {
  for (TimeFormatEntry& entry : table) entry = TimeFormatEntry{};
  // Codes: \xD2 hour, \xC2 hour of the 12-hour clock, \xB2 minute, \xA2
  // second, \xE0 the AM or PM text.
  static const TimeFormatEntry kEntries[] = {
      {"hh:mm:ss", "\xD2:\xB2:\xA2", "", "", 0},
      {"hh:mm", "\xD2:\xB2", "", "", 60},
      {"hh", "\xD2", "", "", 3600},
      {"hhmmss", "\xD2\xB2\xA2", "", "", 0},
      {"hhmm", "\xD2\xB2", "", "", 60},
      {"hh:mm:ss AM/PM", "\xC2:\xB2:\xA2 \xE0", "AM", "PM", 0},
      {"hh:mm AM/PM", "\xC2:\xB2 \xE0", "AM", "PM", 60},
      {"hh AM/PM", "\xC2 \xE0", "AM", "PM", 3600},
      {"hhmmss AM/PM", "\xC2\xB2\xA2 \xE0", "AM", "PM", 0},
      {"hhmm AM/PM", "\xC2\xB2 \xE0", "AM", "PM", 60},
      {"AM/PM", "\xE0", "AM", "PM", 3600},
      {"MORGEN/NACHMITTAG", "\xE0", "MORGEN", "NACHMITTAG", 3600},
  };
  int i = 0;
  for (const TimeFormatEntry& e : kEntries) table[static_cast<std::size_t>(i++)] = e;
  return i - 1;
}

const TimeFormatTable& TimeFormats() {
  static const TimeFormatTable table = [] {
    TimeFormatTable t;
    BuildTimeFormats(t);
    return t;
  }();
  return table;
}

int FindTimeFormat(std::string_view name) {
  return FindFormatByName(TimeFormats(), kLastTimeFormatIndex, name);
}

void ApplyTimeFormat(printdata::PrintText& work, unsigned layer, int entry, const LocalDateTime& now) {
  if (layer >= static_cast<unsigned>(printdata::kLayerCount)) return;
  if (entry < 0 || entry > kLastTimeFormatIndex) return;
  const TimeFormatEntry& e = TimeFormats()[static_cast<std::size_t>(entry)];
  printdata::LayerObject& l = work.Layers[layer];
  l.TimeFormat = e.Name;
  l.TimeCode = e.Code;
  l.AmText = e.AmText;
  l.PmText = e.PmText;
  l.TimeStep = e.Step;
  l.TimePreview = RenderTimeText(work, layer, now);
}

void ApplyTimeFormat(printdata::PrintText& work, unsigned layer, int entry) {
  ApplyTimeFormat(work, layer, entry, LocalNow());
}

std::int32_t TimeChangeInterval(int index) {
  return index >= 1 && index <= 5 ? kTimeChangeIntervals[static_cast<std::size_t>(index)] : 0;
}

int TimeChangeIndex(std::int32_t interval) {
  for (int i = 1; i <= 5; ++i) {
    if (kTimeChangeIntervals[static_cast<std::size_t>(i)] == interval) return i;
  }
  return 0;
}

std::string TimeOffsetText(std::int32_t seconds) {
  const std::int32_t minutes = seconds / 60;  // truncated toward zero
  char buffer[32];
  if (seconds >= 86400) return "+?";
  if (seconds <= -86400) return "-?";
  if (seconds >= 3600) {
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", minutes / 60, minutes % 60);
  } else if (seconds >= 0) {
    std::snprintf(buffer, sizeof buffer, "%d", minutes % 60);
  } else if (seconds > -3600) {
    std::snprintf(buffer, sizeof buffer, "-%d", (-minutes) % 60);
  } else {
    std::snprintf(buffer, sizeof buffer, "-%02d:%02d", (-minutes) / 60, (-minutes) % 60);
  }
  return buffer;
}

}  // namespace editor
