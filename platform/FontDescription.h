#pragma once
// What a caller asks of a font, and what the font reports back: the two
// halves of the Windows logical-font and text-metric records that the
// program relies on.
#include <cstdint>
#include <string>

namespace platform {

// Style bits as the print data stores them.
enum FontStyleBits : std::uint8_t {
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
  kFontStrikeOut = 8,
};

struct FontDescription {
  std::string Name = "Arial";  // face name as the caller knows it (Windows-1252)
  std::uint8_t Style = 0;      // FontStyleBits
  int PointSize = 12;          // character height in points at 96 dots per inch
  int Width = 0;               // average character width in pixels; 0: the font's own
};

struct TextMetrics {
  int Height = 0;        // cell height: ascent + descent
  int Ascent = 0;        // cell top to baseline
  int Descent = 0;       // baseline to cell bottom
  int AveCharWidth = 0;  // weighted average width of the lower-case letters and the blank
};

}  // namespace platform
