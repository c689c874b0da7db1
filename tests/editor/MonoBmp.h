#pragma once
// Bitmap files of one bit per pixel for the editor's tests (24-bit files
// come from editor::EncodeBmp): a palette of black and white, rows
// bottom-up and padded to four bytes.
#include <cstdint>
#include <string>

#include "platform/Bitmap.h"

namespace editortest {

inline void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}
inline void Put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Palette entry 0 black, 1 white; a pixel that is not white is black.
inline std::string MonoBmp(const platform::Bitmap& picture) {
  const std::uint32_t w = static_cast<std::uint32_t>(picture.Width());
  const std::uint32_t h = static_cast<std::uint32_t>(picture.Height());
  const std::uint32_t rowBytes = (w + 31) / 32 * 4;
  const std::uint32_t offset = 14 + 40 + 8;
  std::string out = "BM";
  Put32(out, offset + rowBytes * h);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, w);
  Put32(out, h);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, 0);
  Put32(out, rowBytes * h);
  Put32(out, 3780);
  Put32(out, 3780);
  Put32(out, 2);
  Put32(out, 0);
  Put32(out, 0x00000000);  // black
  Put32(out, 0x00FFFFFF);  // white
  for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (std::uint32_t x = 0; x < w; ++x)
      if (picture.Pixel(x, y) == platform::kWhite) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    out += row;
  }
  return out;
}

}  // namespace editortest
