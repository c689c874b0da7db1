#pragma once
// Reading raw bitmaps (extension r23, see RawBitmap.h) for the viewer: one
// picture column per 4-byte column of the file, 26 rows of which the last
// never holds a dot. Bytes after the last full column are ignored; the
// unused seven bits of each column's fourth byte are not shown.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"
#include "printdata/RawBitmap.h"

namespace printdata {

inline constexpr int kRawPictureRows = 26;
// The largest file taken in: 262144 columns, far more than any file of the
// printer file set holds (a print text has at most 600 columns, a layer's
// glyph bitmap a few thousand).
inline constexpr std::uint64_t kMaxRawBitmapBytes = std::uint64_t{1} << 20;

struct RawPicture {
  int Columns = 0;
  // Per column, bit y set: a dot in row y (0 to 24).
  std::vector<std::uint32_t> Dots;

  bool Dot(int x, int y) const {
    return x >= 0 && x < Columns && y >= 0 && y < kPrintFieldRows && ((Dots[static_cast<std::size_t>(x)] >> y) & 1);
  }
};

// The picture of a raw bitmap's bytes; more than kMaxRawBitmapBytes fail.
platform::Result<RawPicture> DecodeRawBitmap(std::string_view bytes);
// The picture of a raw bitmap file: a plain file of at most
// kMaxRawBitmapBytes, refused by its size before anything is read.
platform::Result<RawPicture> ReadRawBitmap(const std::string& path);

}  // namespace printdata
