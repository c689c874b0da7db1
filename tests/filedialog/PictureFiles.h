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

// A file of tests/filedialog/data. rectangles.emf and rectangles.wmf are
// Inkscape 1.2's exports of rectangles.svg: a page of 200 x 100 pixels with
// a red rectangle from (20,10) to (80,50) and a blue one from (120,50) to
// (180,90), nothing else.
std::string SampleFile(const std::string& name);
std::string SamplePath(const std::string& name);

// Hand-made metafiles around the given records (each complete with its
// type and size): an EMF of 100 x 50 pixels whose device is a 96 dpi
// screen, and a placeable WMF of 100 x 50 pixels (1440 units per inch).
// The end-of-file record is added.
std::string MakeEmf(const std::vector<std::string>& records);
std::string MakeWmf(const std::vector<std::string>& records);
// A record of a device-independent bitmap: an EMF STRETCHDIBITS or a WMF
// STRETCHDIB drawing `info` (header and colour table) with `bits`.
std::string EmfStretchDibits(const std::string& info, const std::string& bits);
std::string WmfStretchDib(const std::string& dib);
// A bitmap info header.
std::string DibInfo(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                    std::uint32_t colours);

// Channel distance of two colours (the largest of the three).
int ColourDistance(std::uint32_t a, std::uint32_t b);

}  // namespace fdtest
