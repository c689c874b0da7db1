#include "editor/BmpFile.h"

#include <cstdint>

#include "platform/ByteOrder.h"

namespace editor {

std::string EncodeBmp(const platform::Bitmap& picture) {
  const std::uint32_t width = static_cast<std::uint32_t>(picture.Width());
  const std::uint32_t height = static_cast<std::uint32_t>(picture.Height());
  const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t imageBytes = rowBytes * height;
  const std::uint32_t headers = 14 + 40;
  std::string out;
  out.reserve(headers + imageBytes);
  out += "BM";
  platform::AppendLE32(out, headers + imageBytes);
  platform::AppendLE32(out, 0);
  platform::AppendLE32(out, headers);
  platform::AppendLE32(out, 40);
  platform::AppendLE32(out, width);
  platform::AppendLE32(out, height);  // positive: the last row comes first
  platform::AppendLE16(out, 1);       // planes
  platform::AppendLE16(out, 24);      // bits per pixel
  platform::AppendLE32(out, 0);       // no compression
  platform::AppendLE32(out, imageBytes);
  platform::AppendLE32(out, 3780);  // 96 dots per inch, as pixels per metre
  platform::AppendLE32(out, 3780);
  platform::AppendLE32(out, 0);
  platform::AppendLE32(out, 0);
  for (int y = picture.Height() - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < picture.Width(); ++x) {
      const platform::ColourValue c = picture.Pixel(x, y);  // 0x00BBGGRR
      out += static_cast<char>((c >> 16) & 0xFF);           // blue, green, red
      out += static_cast<char>((c >> 8) & 0xFF);
      out += static_cast<char>(c & 0xFF);
      written += 3;
    }
    out.append(rowBytes - written, '\0');
  }
  return out;
}

void MakeBlackAndWhite(platform::Bitmap& picture) {
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.Pixel(x, y) != platform::kWhite) picture.SetPixel(x, y, platform::kBlack);
}

}  // namespace editor
