#pragma once
// Plain text on paper (the configuration editor's and the firmware
// installer's "Drucken"): a box with 20 mm margins on every side, each
// measured with the printer's resolution in its own direction, filled line
// by line. A line wider than the box goes on in the next printed line, so
// that nothing of it is cut off.
#include <vector>

#include "printing/PageGeometry.h"
#include "printing/PrintDevice.h"

namespace printing {

inline constexpr int kTextMarginMm = 20;

// Whole device pixels per millimetre, the way the margins have always been
// measured: pixels per inch x 10 / 254.
int PixelsPerMm(int pixelsPerInch);

// The text box of a printer of these measures with its page bitmap at `r`
// pixels per inch (PageCanvas lays it out like a report page); an empty
// bitmap when the printer has no resolution or no room inside the margins.
PageGeometry TextPageGeometryAt(const DeviceCaps& caps, int r);

// A piece of a line on a printed line: characters [start, start + length)
// of line `line`.
struct TextSpan {
  int line = 0;
  int start = 0;
  int length = 0;
  bool operator==(const TextSpan&) const = default;
};
using TextPage = std::vector<TextSpan>;

// The lines of these lengths (in characters of a fixed-pitch font) on pages
// of `linesPerPage` lines of `charsPerLine` characters. No text is one
// empty page.
std::vector<TextPage> LayOutText(const std::vector<int>& lineLengths, int charsPerLine, int linesPerPage);

}  // namespace printing
