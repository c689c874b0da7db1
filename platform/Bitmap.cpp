#include "platform/Bitmap.h"

#include <algorithm>

namespace platform {

void Bitmap::Resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kWhite);
}

void Bitmap::Clear(ColourValue colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void Bitmap::FillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                      ColourValue colour) {
  left = std::max<std::int64_t>(left, 0);
  top = std::max<std::int64_t>(top, 0);
  right = std::min<std::int64_t>(right, width_);
  bottom = std::min<std::int64_t>(bottom, height_);
  for (std::int64_t y = top; y < bottom; ++y) {
    auto row = pixels_.begin() + y * width_;
    std::fill(row + left, row + std::max(left, right), colour);
  }
}

void Bitmap::DrawTransparent(const Bitmap& source, std::int64_t x, std::int64_t y) {
  for (int sy = 0; sy < source.height_; ++sy) {
    for (int sx = 0; sx < source.width_; ++sx) {
      ColourValue c = source.pixels_[static_cast<std::size_t>(sy * source.width_ + sx)];
      if (c != kWhite) SetPixel(x + sx, y + sy, c);
    }
  }
}

}  // namespace platform
