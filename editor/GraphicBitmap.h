#pragma once
// A layer's graphic as a bitmap and back, and the stretching of the size
// steps. One bitmap pixel is one printed dot; a pixel of exactly white
// (0xFFFFFF) is no dot, every other colour is a dot.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Bitmap.h"

namespace editor {

// A width x height bitmap, white, with every pixel black whose character in
// `pixels` (row by row, pixel (r, c) at r x width + c) is not '0'; a pixel
// past the end of the text is black too. The sides are held to 0 to 1000,
// the most a graphic has, so a damaged size never asks for more.
platform::Bitmap PixelsToBitmap(std::int64_t width, std::int64_t height, std::string_view pixels);

// One character per pixel, row by row from the top: '0' for exactly white,
// '1' for any other colour.
std::string BitmapToPixels(const platform::Bitmap& picture);

// `source` drawn into a new width x height bitmap: every target pixel takes
// one source pixel, so rows and columns are dropped or repeated. With
// `blackWins` (a picture of one bit per pixel) the source pixels a target
// pixel stands for when shrinking are combined so that a dot among them
// survives. An empty source gives a white bitmap. Sides below 0 count as 0.
platform::Bitmap StretchBitmap(const platform::Bitmap& source, int width, int height, bool blackWins);

}  // namespace editor
