#pragma once
// Where a report or window page lies on the sheet and how large its page
// bitmap is. The margins (left and top 20 mm, right 15 mm, bottom 20 mm)
// are device pixels from the corner of the printable area; the page bitmap
// has at most 600 pixels per inch, and every position on it is written in
// 1/300 inch: U(K) = K x r / 300.
#include <array>
#include <cstdint>

#include "printing/DeviceRect.h"
#include "printing/PrintDevice.h"

namespace printing {

struct PageGeometry {
  int dx = 0, dy = 0;  // the printer's pixels per inch
  int left = 0, top = 0, right = 0, bottom = 0;
  int r = 0;           // the page bitmap's pixels per inch
  int width = 0;       // the page bitmap, W x H
  int height = 0;

  int U(std::int64_t k) const { return static_cast<int>(k * r / 300); }
  // Where the page bitmap goes: (left, top), right - left + 1 wide and
  // bottom - top + 1 high.
  DeviceRect Destination() const { return {left, top, right + 1, bottom + 1}; }
  bool Empty() const { return width <= 0 || height <= 0; }
};

// The page bitmap's resolution: the printer's, at most 600.
int PageResolution(int dx);
// The resolutions tried, in order, when a page bitmap cannot be made.
inline constexpr std::array<int, 4> kFallbackResolutions = {600, 300, 200, 100};

// The page on a printer of these measures with a page bitmap at `r`; an
// empty bitmap when the printer has no resolution.
PageGeometry PageGeometryAt(const DeviceCaps& caps, int r);

}  // namespace printing
