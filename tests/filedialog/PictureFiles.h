#pragma once
// Picture files made for tests: bitmaps with any header, depth and
// compression, and JPEG pictures written through libjpeg.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fdtest {

// Colours as 0x00BBGGRR.
using ColourAt = std::function<std::uint32_t(int x, int y)>;

struct BmpSpec {
  int headerSize = 40;  // 12, 40, 108 or 124
  std::int32_t width = 0, height = 0;  // height < 0: top-down
  int bits = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // colours
  std::vector<std::uint32_t> masks;    // three masks for bit fields
  std::string pixels;                  // the picture data as stored
};
std::string BuildBmp(const BmpSpec& spec);

// Rows as stored (bottom-up unless `topDown`), each padded to 4 bytes.
// `value` gives the stored number of a pixel: a palette index, or the 16-,
// 24- or 32-bit word.
std::string PackRows(int width, int height, int bits, bool topDown, const std::function<std::uint32_t(int, int)>& value);

// A 24-bit bitmap of the colours.
std::string Bmp24(int width, int height, const ColourAt& colour, bool topDown = false);

struct JpegSpec {
  int width = 16, height = 16;
  bool grey = false;
  bool progressive = false;
  bool cmyk = false;
  int quality = 95;
};
std::string MakeJpeg(const JpegSpec& spec, const ColourAt& colour);

// Channel distance of two colours (the largest of the three).
int ColourDistance(std::uint32_t a, std::uint32_t b);

}  // namespace fdtest
