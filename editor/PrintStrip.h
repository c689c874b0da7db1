#pragma once
// The print view's strip: how the prints of parameter set X1 lie along the
// product, each part in its own colour: lead-in, prints (the composed print
// image in black on white), the distances between prints and between
// groups, and the run-out, at 6 pixels per millimetre and 25 rows.
//
// With 100 groups of 100 prints a strip is tens of millions of pixels
// long, so it is never drawn whole: any pixel of it can be told from the
// layout, and the strip is drawn straight at the size it is shown in.
#include <cstdint>

#include "platform/Bitmap.h"
#include "printdata/PrintParameters.h"

namespace editor {

inline constexpr std::uint32_t kStripBackground = 0xC0C0C0;
inline constexpr std::uint32_t kStripLeadIn = 0x0000FF;     // red
inline constexpr std::uint32_t kStripPrint = 0xFFFFFF;      // white
inline constexpr std::uint32_t kStripDistance = 0x00FF00;   // green
inline constexpr std::uint32_t kStripGroupGap = 0xFFFF00;   // cyan
inline constexpr std::uint32_t kStripRunOut = 0xFF00FF;     // magenta

struct PrintStripLayout {
  // Pixels (whole millimetres x 6).
  std::int64_t LeadIn = 0, Print = 0, Distance = 0, GroupDistance = 0, RunOut = 0;
  std::int64_t Prints = 1;  // per group
  std::int64_t Groups = 1;
  bool Turned = false;  // orientation other than 0: every print turned by 180 degrees
  std::int64_t GroupLength = 0;  // prints and the distances between them
  std::int64_t Body = 0;         // the groups and the distances between them
  std::int64_t Width = 0;        // the whole strip
};

// The layout of `x1`. Counts of 1 or less are 1, and a single print has no
// groups. Values are taken within the ranges the parameters pane keeps, so
// that no layout overflows whatever a file holds.
PrintStripLayout LayoutPrintStrip(const printdata::ParameterSetX& x1);

// What the strip shows at column `x` (0 .. Width - 1) and row `y` (0..24):
// a part's colour, or for a print the pixel of `printImage` (the print
// length x 25 composed image), turned when the layout says so.
std::uint32_t StripPixel(const PrintStripLayout& layout, const platform::Bitmap& printImage, std::int64_t x, int y);

// The strip drawn into `width` x `height` pixels, each one the strip's
// pixel at the same relative place.
platform::Bitmap RenderPrintStrip(const PrintStripLayout& layout, const platform::Bitmap& printImage, int width,
                                  int height);

struct FittedSize {
  int Width;
  int Height;
};
// The largest size with the proportions of `width` x `height` that fits
// into `areaWidth` x `areaHeight` (at least 1 x 1).
FittedSize FitInto(std::int64_t width, std::int64_t height, int areaWidth, int areaHeight);

// The print image of the strip: the five layer pictures drawn over each
// other on white, every pixel that is not white turned black.
platform::Bitmap ComposePrintImage(const platform::Bitmap* const layers[], int count, int width, int height);

}  // namespace editor
