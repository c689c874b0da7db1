#include "TestDibs.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/ByteOrder.h"

namespace printingtest {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::vector<std::uint8_t> InfoHeader(int width, int height, int bits, std::uint32_t compression,
                                     std::uint32_t sizeImage, std::uint32_t clrUsed) {
  std::vector<std::uint8_t> h;
  Put32(h, 40);
  Put32(h, static_cast<std::uint32_t>(width));
  Put32(h, static_cast<std::uint32_t>(height));
  Put16(h, 1);
  Put16(h, static_cast<std::uint16_t>(bits));
  Put32(h, compression);
  Put32(h, sizeImage);
  Put32(h, 0);
  Put32(h, 0);
  Put32(h, clrUsed);
  Put32(h, clrUsed);
  return h;
}

void PutTable(std::vector<std::uint8_t>& h, const std::vector<platform::ColourValue>& colours) {
  for (platform::ColourValue c : colours) {
    h.push_back(static_cast<std::uint8_t>(c >> 16));  // blue, green, red, 0
    h.push_back(static_cast<std::uint8_t>(c >> 8));
    h.push_back(static_cast<std::uint8_t>(c));
    h.push_back(0);
  }
}

std::uint32_t IndexOf(const std::vector<platform::ColourValue>& colours, platform::ColourValue c) {
  const auto at = std::find(colours.begin(), colours.end(), c);
  if (at == colours.end()) throw std::logic_error("colour not in the table");
  return static_cast<std::uint32_t>(at - colours.begin());
}

std::uint32_t Channel(platform::ColourValue c, int shift) { return (c >> shift) & 0xFF; }

}  // namespace

platform::Bitmap Pattern(int width, int height, const std::vector<platform::ColourValue>& colours) {
  platform::Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned v = static_cast<unsigned>(x * 7 + y * 13 + (x * y) % 5 + (x / 3) * (y / 2));
      b.SetPixel(x, y, colours[v % colours.size()]);
    }
  return b;
}

TestDib EncodeDib(const platform::Bitmap& picture, const std::vector<platform::ColourValue>& colours, int bits,
                  Rows rows, bool bitFields) {
  const int w = picture.Width(), h = picture.Height();
  const std::int64_t stride = ((std::int64_t{w} * bits + 31) >> 5) * 4;
  TestDib d;
  const bool indexed = bits <= 8;
  d.header = InfoHeader(w, rows == Rows::TopDown ? -h : h, bits, bitFields ? 3 : 0,
                        static_cast<std::uint32_t>(stride * h), indexed ? static_cast<std::uint32_t>(colours.size()) : 0);
  if (indexed) PutTable(d.header, colours);
  if (bitFields) {
    if (bits == 16) {
      Put32(d.header, 0xF800);  // 5-6-5
      Put32(d.header, 0x07E0);
      Put32(d.header, 0x001F);
    } else {
      Put32(d.header, 0x00FF0000);
      Put32(d.header, 0x0000FF00);
      Put32(d.header, 0x000000FF);
    }
  }
  d.pixels.assign(static_cast<std::size_t>(stride * h), 0);
  for (int y = 0; y < h; ++y) {
    const int row = rows == Rows::TopDown ? y : h - 1 - y;
    std::uint8_t* p = d.pixels.data() + row * stride;
    for (int x = 0; x < w; ++x) {
      const platform::ColourValue c = picture.Pixel(x, y);
      const std::uint32_t r = Channel(c, 0), g = Channel(c, 8), b = Channel(c, 16);
      switch (bits) {
        case 1: p[x / 8] = static_cast<std::uint8_t>(p[x / 8] | (IndexOf(colours, c) << (7 - x % 8))); break;
        case 4: p[x / 2] = static_cast<std::uint8_t>(p[x / 2] | (IndexOf(colours, c) << ((x & 1) ? 0 : 4))); break;
        case 8: p[x] = static_cast<std::uint8_t>(IndexOf(colours, c)); break;
        case 16: {
          const std::uint16_t v = bitFields ? static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3))
                                            : static_cast<std::uint16_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
          platform::StoreLE16(p + 2 * x, v);
          break;
        }
        case 24:
          p[3 * x] = static_cast<std::uint8_t>(b);
          p[3 * x + 1] = static_cast<std::uint8_t>(g);
          p[3 * x + 2] = static_cast<std::uint8_t>(r);
          break;
        default:
          platform::StoreLE32(p + 4 * x, (r << 16) | (g << 8) | b);
          break;
      }
    }
  }
  return d;
}

TestDib EncodeRle(const platform::Bitmap& picture, const std::vector<platform::ColourValue>& colours, int bits) {
  const int w = picture.Width(), h = picture.Height();
  TestDib d;
  std::vector<std::uint8_t>& out = d.pixels;
  for (int y = h - 1; y >= 0; --y) {  // bottom row first
    int x = 0;
    while (x < w) {
      const std::uint32_t index = IndexOf(colours, picture.Pixel(x, y));
      int run = 1;
      while (x + run < w && run < 255 && IndexOf(colours, picture.Pixel(x + run, y)) == index) ++run;
      out.push_back(static_cast<std::uint8_t>(run));
      out.push_back(static_cast<std::uint8_t>(bits == 8 ? index : index * 17));
      x += run;
    }
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(1);
  d.header = InfoHeader(w, h, bits, bits == 8 ? 1 : 2, static_cast<std::uint32_t>(out.size()),
                        static_cast<std::uint32_t>(colours.size()));
  PutTable(d.header, colours);
  return d;
}

platform::Bitmap Reference(const platform::Bitmap& picture, int pageWidth, int pageHeight, int x, int y, int w, int h,
                           int sx, int sy, int sw, int sh) {
  platform::Bitmap page(pageWidth, pageHeight);
  for (int Y = std::max(0, y); Y < std::min(pageHeight, y + h); ++Y)
    for (int X = std::max(0, x); X < std::min(pageWidth, x + w); ++X)
      page.SetPixel(X, Y,
                    picture.Pixel(sx + std::int64_t{X - x} * sw / w, sy + std::int64_t{Y - y} * sh / h));
  return page;
}

std::string FirstDifference(const platform::Bitmap& a, const platform::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y))
        return "at " + std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(a.Pixel(x, y)) +
               " != " + std::to_string(b.Pixel(x, y));
  return "";
}

}  // namespace printingtest
