#pragma once
// The object of one layer of a print text. A layer carries the fields of every
// kind at once: switching the kind keeps the date, time and graphic settings,
// and the print-text file stores them all. Texts are Windows-1252 bytes as
// entered; the date and time codes hold placeholder bytes from 0xA0 upward.
#include <array>
#include <cstdint>
#include <string>

#include "platform/FontDescription.h"

namespace printdata {

// Values of LayerObject::Kind. A file may carry any byte; only these print.
enum LayerKind : std::uint8_t {
  kKindNone = 0,
  kKindText = 1,
  kKindDate = 2,
  kKindTime = 3,
  kKindGraphic = 4,
};

// Bits of LayerObject::FontStyle: the font renderer's style bits.
using platform::kFontBold;
using platform::kFontItalic;
using platform::kFontStrikeOut;
using platform::kFontUnderline;

// Bits 0 to 6 of LayerObject::WeekdayMask, Monday to Sunday.
inline constexpr std::int32_t kAllWeekdays = 0x7F;
// LayerObject::Interval of a time that never changes.
inline constexpr std::int32_t kStaticTimeInterval = -1;

// Default layer positions are spread out so that new layers do not cover
// each other: layer i starts at kDefaultLayerStepX * i.
inline constexpr std::int32_t kDefaultLayerStepX = 12;

struct LayerObject {
  std::uint8_t Kind = kKindNone;
  // Font of text, date and time objects.
  std::string FontName = "Arial";
  std::uint8_t FontStyle = 0;
  std::int32_t Spacing = 0;  // extra dot columns after every character
  std::int32_t Height = 12;  // point size handed to the font
  std::int32_t Width = 7;    // average character width in dots
  // Position in dots; a larger PosY moves the object up.
  std::int32_t PosX = 0;
  std::int32_t PosY = 0;
  std::string Text = "ABC";
  // Date objects. DatePreview caches the date as last formatted.
  std::string DatePreview;
  std::string DateFormat = "dd.mm.yyyy";
  std::string DateCode = "\xA2.\xC2.\xD3";
  std::int32_t WeekdayMask = kAllWeekdays;  // 0: the date never changes
  std::int32_t DayOffset = 0;
  std::int32_t DateMode = 0;
  std::array<std::string, 7> WeekdayNames;  // Monday first
  std::array<std::string, 12> MonthNames;   // January first
  // Time objects. TimePreview caches the time as last formatted.
  std::string TimePreview;
  std::string TimeFormat = "hh:mm:ss";
  std::string TimeCode = "\xD2:\xB2:\xA2";
  std::int32_t Interval = 0;  // seconds the time is truncated to; -1: static
  std::int32_t TimeOffset = 0;
  std::string AmText;
  std::string PmText;
  std::int32_t TimeStep = 0;
  // Graphic objects: one '1' (black) or '0' (white) per pixel, row by row,
  // pixel (r, c) at r * GraphicWidth + c.
  std::int32_t GraphicHeight = 25;
  std::int32_t GraphicWidth = 50;
  std::string Pixels = std::string(25 * 50, '1');

  friend bool operator==(const LayerObject&, const LayerObject&) = default;
};

// A fresh layer for layer index `index` (0 to 4).
inline LayerObject DefaultLayer(int index) {
  LayerObject layer;
  layer.PosX = kDefaultLayerStepX * index;
  return layer;
}

}  // namespace printdata
