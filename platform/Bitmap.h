#pragma once
// A picture of colour values, the stand-in for the device-independent
// bitmaps the program draws layers, glyph strips and rows into. Colours are
// 0x00BBGGRR numbers as everywhere in the program; white is the background
// and counts as "no dot".
#include <cstdint>
#include <vector>

#include "platform/Colours.h"

namespace platform {

using ColourValue = std::uint32_t;
using colours::kBlack;
using colours::kRed;
using colours::kWhite;

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height) { Resize(width, height); }

  int Width() const { return width_; }
  int Height() const { return height_; }

  // New size, every pixel white. Negative sizes count as 0.
  void Resize(int width, int height);
  void Clear(ColourValue colour = kWhite);

  // White outside the picture.
  ColourValue Pixel(std::int64_t x, std::int64_t y) const {
    return Contains(x, y) ? pixels_[static_cast<std::size_t>(y * width_ + x)] : kWhite;
  }
  // Pixels outside the picture are dropped.
  void SetPixel(std::int64_t x, std::int64_t y, ColourValue colour) {
    if (Contains(x, y)) pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
  }
  // Fills columns left..right-1 of rows top..bottom-1, clipped to the picture.
  void FillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                ColourValue colour);
  // Copies every pixel of `source` that is not white to (x + sx, y + sy):
  // drawing with white as the transparent colour.
  void DrawTransparent(const Bitmap& source, std::int64_t x, std::int64_t y);

  bool Contains(std::int64_t x, std::int64_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }
  bool operator==(const Bitmap&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<ColourValue> pixels_;
};

}  // namespace platform
