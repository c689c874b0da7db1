#include "printdata/CharacterSet.h"

#include <cstdint>
#include <string_view>

#include "printdata/FormatCode.h"

namespace printdata {
namespace {

void AddDigits(std::string& set, char from = '0', char to = '9') {
  for (char c = from; c <= to; ++c) AddCharsetChar(set, c);
}

void AddName(std::string& set, std::string_view name) {
  for (char c : name.substr(0, kCharsetNameLimit)) AddCharsetChar(set, c);
}

}  // namespace

void AddCharsetChar(std::string& set, char c) {
  if (std::string_view(set).substr(0, 2 * kMaxCharsetChars).find(c) != std::string_view::npos) return;
  if (c == ' ') return;
  set += c;
  set += ' ';
}

std::string DateCharset(const LayerObject& layer) {
  std::string set;
  for (char code : EffectiveFormatCode(layer.DateCode)) {
    switch (static_cast<std::uint8_t>(code)) {
      case 0xA0: case 0xA2: case 0xA3: case 0xA5: case 0xC0: case 0xC2:
      case 0xD0: case 0xD2: case 0xD3: case 0xE0: case 0xE2:
        AddDigits(set);
        break;
      case 0xA1: case 0xA4: case 0xA6: case 0xC1: case 0xC4: case 0xD1: case 0xD4: case 0xE1:
        AddCharsetChar(set, ' ');  // the padding blank, never a member
        AddDigits(set);
        break;
      case 0xB0: AddDigits(set, '1', '7'); break;
      case 0xB1: for (const std::string& name : layer.WeekdayNames) AddName(set, name); break;
      case 0xC3: for (const std::string& name : layer.MonthNames) AddName(set, name); break;
      default: AddCharsetChar(set, code); break;
    }
  }
  return set;
}

std::string TimeCharset(const LayerObject& layer) {
  std::string set;
  for (char code : EffectiveFormatCode(layer.TimeCode)) {
    switch (static_cast<std::uint8_t>(code)) {
      case 0xA0: case 0xA2: case 0xB0: case 0xB2: case 0xC0: case 0xC2: case 0xD0: case 0xD2:
        AddDigits(set);
        break;
      case 0xA1: case 0xB1: case 0xC1: case 0xD1:
        AddCharsetChar(set, ' ');
        AddDigits(set);
        break;
      case 0xE0:
        AddName(set, layer.AmText);
        AddName(set, layer.PmText);
        break;
      default: AddCharsetChar(set, code); break;
    }
  }
  return set;
}

}  // namespace printdata
