#pragma once
// A metafile's picture is drawn at its own physical size on a screen of 96
// pixels per inch, as the dialog's bitmaps are shown pixel for pixel.
#include <cstdint>

namespace filedialog {

constexpr std::int64_t kScreenPixelsPerInch = 96;

// `units` of which `unitsPerInch` make an inch, in whole screen pixels
// (rounded to the nearest). Both must be positive.
constexpr std::int64_t ScreenPixels(std::int64_t units, std::int64_t unitsPerInch) {
  return (units * kScreenPixelsPerInch * 2 + unitsPerInch) / (unitsPerInch * 2);
}

}  // namespace filedialog
