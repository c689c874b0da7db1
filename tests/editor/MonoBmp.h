#pragma once
// Bitmap files of one bit per pixel for the editor's tests (24-bit files
// come from editor::EncodeBmp): a palette of black and white, rows
// bottom-up and padded to four bytes.
#include <cstdint>
#include <string>

#include "platform/Bitmap.h"
#include "platform/ByteOrder.h"

namespace editortest {

// Palette entry 0 black, 1 white; a pixel that is not white is black.
inline std::string MonoBmp(const platform::Bitmap& picture) {
  const std::uint32_t w = static_cast<std::uint32_t>(picture.Width());
  const std::uint32_t h = static_cast<std::uint32_t>(picture.Height());
  const std::uint32_t rowBytes = (w + 31) / 32 * 4;
  const std::uint32_t offset = 14 + 40 + 8;
  std::string out = "BM";
  platform::AppendLE32(out, offset + rowBytes * h);
  platform::AppendLE32(out, 0);
  platform::AppendLE32(out, offset);
  platform::AppendLE32(out, 40);
  platform::AppendLE32(out, w);
  platform::AppendLE32(out, h);
  platform::AppendLE16(out, 1);
  platform::AppendLE16(out, 1);
  platform::AppendLE32(out, 0);
  platform::AppendLE32(out, rowBytes * h);
  platform::AppendLE32(out, 3780);
  platform::AppendLE32(out, 3780);
  platform::AppendLE32(out, 2);
  platform::AppendLE32(out, 0);
  platform::AppendLE32(out, 0x00000000);  // black
  platform::AppendLE32(out, 0x00FFFFFF);  // white
  for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (std::uint32_t x = 0; x < w; ++x)
      if (picture.Pixel(x, y) == platform::kWhite) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    out += row;
  }
  return out;
}

}  // namespace editortest
