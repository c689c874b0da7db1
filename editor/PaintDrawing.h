#pragma once
// The painter's drawing on a bitmap: pixels, lines and pens of a width,
// rectangles and ellipses, the flood fill, dotted selection frames, clips
// and the whole-image operations. Everything outside the bitmap is clipped;
// coordinates may lie far outside it (a drag that left the window).
#include <cstdint>
#include <optional>

#include "platform/Bitmap.h"

namespace editor::paint {

using platform::Bitmap;
using platform::ColourValue;

struct Point {
  std::int64_t X = 0;
  std::int64_t Y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Columns Left..Right-1 and rows Top..Bottom-1.
struct Rect {
  std::int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  std::int64_t Width() const { return Right - Left; }
  std::int64_t Height() const { return Bottom - Top; }
};

// The rectangle a drag from `a` to `b` spans, both corners included.
Rect SpannedRect(Point a, Point b);

// A round mark of the pen's width centred on `at` (one pixel at width 1).
void DrawDot(Bitmap& image, Point at, int penWidth, ColourValue colour);

// A line from `from` to `to`. At width 1 the pixels of the line without its
// end pixel, which `withEnd` adds; wider pens are round, so the line has
// round ends and includes both of them.
void DrawLine(Bitmap& image, Point from, Point to, int penWidth, ColourValue colour, bool withEnd);

// The outline drawn with a pen of `penWidth` centred on the border pixels
// of `r`, and the inside filled with `fill` when given.
void DrawRectangle(Bitmap& image, const Rect& r, int penWidth, ColourValue pen, std::optional<ColourValue> fill);
// The ellipse inscribed in `r`, the same way.
void DrawEllipse(Bitmap& image, const Rect& r, int penWidth, ColourValue pen, std::optional<ColourValue> fill);

// Paints every pixel of the clicked pixel's colour that is joined to it
// through left, right, upper and lower neighbours. False when nothing
// changes (the pixel has the colour already, or lies outside).
bool FloodFill(Bitmap& image, Point at, ColourValue colour);

// Every second pixel of the border of `r`.
void DrawDottedFrame(Bitmap& image, const Rect& r, ColourValue colour);

// The pixels of `r` that lie in the image (an empty bitmap when none do).
Bitmap CopyRect(const Bitmap& image, const Rect& r);
// `clip` with its top left pixel on `at`; with `transparent` its white
// pixels are left out.
void PasteClip(Bitmap& image, const Bitmap& clip, Point at, bool transparent);

// Every black pixel white, every other pixel black.
void Invert(Bitmap& image);
// Rows 1, 3, 5, ... white.
void HatchRows(Bitmap& image);
// Columns 1, 3, 5, ... white.
void HatchColumns(Bitmap& image);
// Every pixel whose column plus row is odd white.
void HatchChecker(Bitmap& image);
// `image` := `source` mirrored left to right (top to bottom); both of one size.
void MirrorHorizontal(Bitmap& image, const Bitmap& source);
void MirrorVertical(Bitmap& image, const Bitmap& source);

}  // namespace editor::paint
