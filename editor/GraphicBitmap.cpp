#include "editor/GraphicBitmap.h"

#include <algorithm>

#include "editor/GraphicSize.h"

namespace editor {
using platform::Bitmap;

Bitmap PixelsToBitmap(std::int64_t width, std::int64_t height, std::string_view pixels) {
  const int w = static_cast<int>(std::clamp<std::int64_t>(width, 0, kGraphicMaxSize));
  const int h = static_cast<int>(std::clamp<std::int64_t>(height, 0, kGraphicMaxSize));
  Bitmap picture(w, h);
  // Positions in the text follow the layer's own width, also where the
  // bitmap had to be narrower.
  const std::int64_t stride = std::max<std::int64_t>(width, 0);
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < w; ++c) {
      const std::uint64_t at = static_cast<std::uint64_t>(r) * static_cast<std::uint64_t>(stride) + static_cast<std::uint64_t>(c);
      if (at >= pixels.size() || pixels[at] != '0') picture.SetPixel(c, r, platform::kBlack);
    }
  }
  return picture;
}

std::string BitmapToPixels(const Bitmap& picture) {
  std::string pixels;
  pixels.reserve(static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height()));
  for (int r = 0; r < picture.Height(); ++r)
    for (int c = 0; c < picture.Width(); ++c) pixels += picture.Pixel(c, r) == platform::kWhite ? '0' : '1';
  return pixels;
}

namespace {

// The source pixels [first, last) that target pixel `t` of `target` stands
// for; at least one.
struct Span {
  std::int64_t first, last;
};
Span SourceSpan(std::int64_t t, std::int64_t target, std::int64_t source, bool range) {
  const std::int64_t first = t * source / target;
  const std::int64_t last = range ? std::max(first + 1, (t + 1) * source / target) : first + 1;
  return {first, last};
}

}  // namespace

Bitmap StretchBitmap(const Bitmap& source, int width, int height, bool blackWins) {
  Bitmap target(std::max(width, 0), std::max(height, 0));
  const std::int64_t sw = source.Width(), sh = source.Height();
  if (sw == 0 || sh == 0) return target;
  for (int y = 0; y < target.Height(); ++y) {
    const Span rows = SourceSpan(y, target.Height(), sh, blackWins);
    for (int x = 0; x < target.Width(); ++x) {
      const Span columns = SourceSpan(x, target.Width(), sw, blackWins);
      platform::ColourValue colour = source.Pixel(columns.first, rows.first);
      for (std::int64_t sy = rows.first; sy < rows.last && colour == platform::kWhite; ++sy)
        for (std::int64_t sx = columns.first; sx < columns.last && colour == platform::kWhite; ++sx)
          colour = source.Pixel(sx, sy);
      target.SetPixel(x, y, colour);
    }
  }
  return target;
}

}  // namespace editor
