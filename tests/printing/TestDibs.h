#pragma once
// Bitmaps for the print engine's tests: pictures of a few colours written
// as device-independent bitmaps at any depth (run-length encoded too), and
// the picture a device page must show, worked out independently of the
// engine: nearest neighbour straight from the picture.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "printing/DeviceRect.h"

namespace printingtest {

struct TestDib {
  std::vector<std::uint8_t> header;  // info header and colour table or masks
  std::vector<std::uint8_t> pixels;
};

// A picture of `colours` spread without a regular pattern.
platform::Bitmap Pattern(int width, int height, const std::vector<platform::ColourValue>& colours);

enum class Rows { BottomUp, TopDown };
// `bits` 1, 4 and 8 take the picture's colours as their table (in order of
// `colours`), 16 and 32 with `bitFields` take masks; 16 bits hold only
// colours whose channels are 0 or 255.
TestDib EncodeDib(const platform::Bitmap& picture, const std::vector<platform::ColourValue>& colours, int bits,
                  Rows rows = Rows::BottomUp, bool bitFields = false);
// RLE8 (bits 8) or RLE4 (bits 4): runs of one index along each row.
TestDib EncodeRle(const platform::Bitmap& picture, const std::vector<platform::ColourValue>& colours, int bits);

// The printable area `page` after printing source rectangle (sx, sy, sw, sh)
// of `picture` onto (x, y, w, h): each device pixel of the destination
// takes picture pixel (sx + (X - x) x sw / w, sy + (Y - y) x sh / h).
platform::Bitmap Reference(const platform::Bitmap& picture, int pageWidth, int pageHeight, int x, int y, int w, int h,
                           int sx, int sy, int sw, int sh);

// The first pixel where two pictures differ, as text; "" when they are equal.
std::string FirstDifference(const platform::Bitmap& a, const platform::Bitmap& b);

}  // namespace printingtest
