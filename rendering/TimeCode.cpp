#include "rendering/TimeCode.h"

#include <cstdint>

#include "rendering/AppendFormatted.h"
#include "printdata/FormatCode.h"

namespace editor {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

LocalDateTime PrintedTime(const printdata::LayerObject& layer, const LocalDateTime& now) {
  std::int64_t total = DaysFromCivil(now.Date) * kSecondsPerDay + now.Hour * 3600LL +
                       now.Minute * 60LL + now.Second + layer.TimeOffset;
  std::int64_t days = total / kSecondsPerDay;
  std::int64_t second = total % kSecondsPerDay;
  if (second < 0) {
    second += kSecondsPerDay;
    --days;
  }
  if (layer.Interval != 0 && layer.Interval != printdata::kStaticTimeInterval) {
    // Both as unsigned 32-bit numbers, as the printer computes it: a
    // negative interval from a file cuts the time back to midnight.
    const auto step = static_cast<std::uint32_t>(layer.Interval);
    second -= static_cast<std::uint32_t>(second) % step;
  }
  LocalDateTime t;
  t.Date = CivilFromDays(days);
  t.Hour = static_cast<int>(second / 3600);
  t.Minute = static_cast<int>(second / 60 % 60);
  t.Second = static_cast<int>(second % 60);
  t.Millisecond = now.Millisecond;
  return t;
}

std::string ExpandTimeCode(const printdata::LayerObject& layer, const LocalDateTime& time) {
  const int hour12 = time.Hour == 0 || time.Hour == 12 ? 12 : time.Hour > 12 ? time.Hour - 12 : time.Hour;
  std::string out;
  for (char ch : printdata::EffectiveFormatCode(layer.TimeCode)) {
    switch (static_cast<std::uint8_t>(ch)) {
      case 0xA0: AppendFormatted(out, "%d", time.Second); break;
      case 0xA1: AppendFormatted(out, "%2d", time.Second); break;
      case 0xA2: AppendFormatted(out, "%02d", time.Second); break;
      case 0xB0: AppendFormatted(out, "%d", time.Minute); break;
      case 0xB1: AppendFormatted(out, "%2d", time.Minute); break;
      case 0xB2: AppendFormatted(out, "%02d", time.Minute); break;
      case 0xC0: AppendFormatted(out, "%d", hour12); break;
      case 0xC1: AppendFormatted(out, "%2d", hour12); break;
      case 0xC2: AppendFormatted(out, "%02d", hour12); break;
      case 0xD0: AppendFormatted(out, "%d", time.Hour); break;
      case 0xD1: AppendFormatted(out, "%2d", time.Hour); break;
      case 0xD2: AppendFormatted(out, "%02d", time.Hour); break;
      case 0xE0: out += time.Hour < 12 ? layer.AmText : layer.PmText; break;
      default: out += ch; break;
    }
  }
  return out;
}

std::string FormatTime(const printdata::PrintText& work, unsigned layer, const LocalDateTime& now) {
  if (layer >= static_cast<unsigned>(printdata::kLayerCount) || !IsValidDateTime(now)) return "";
  const printdata::LayerObject& l = work.Layers[layer];
  return ExpandTimeCode(l, PrintedTime(l, now));
}

std::string RenderTimeText(const printdata::PrintText& work, unsigned layer, const LocalDateTime& now) {
  return FormatTime(work, layer, now);
}

std::string RenderTimeText(const printdata::PrintText& work, unsigned layer) {
  return FormatTime(work, layer, LocalNow());
}

}  // namespace editor
