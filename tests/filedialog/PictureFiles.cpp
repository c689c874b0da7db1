#include "PictureFiles.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace fdtest {
namespace {

void Put16(std::string& s, std::uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

}  // namespace

std::string BuildBmp(const BmpSpec& spec) {
  std::string header;
  if (spec.headerSize == 12) {
    Put32(header, 12);
    Put16(header, static_cast<std::uint32_t>(spec.width));
    Put16(header, static_cast<std::uint32_t>(spec.height));
    Put16(header, 1);
    Put16(header, static_cast<std::uint32_t>(spec.bits));
  } else {
    Put32(header, static_cast<std::uint32_t>(spec.headerSize));
    Put32(header, static_cast<std::uint32_t>(spec.width));
    Put32(header, static_cast<std::uint32_t>(spec.height));
    Put16(header, 1);
    Put16(header, static_cast<std::uint32_t>(spec.bits));
    Put32(header, spec.compression);
    Put32(header, static_cast<std::uint32_t>(spec.pixels.size()));
    Put32(header, 3780);
    Put32(header, 3780);
    Put32(header, static_cast<std::uint32_t>(spec.palette.size()));
    Put32(header, 0);
    if (spec.headerSize > 40) {
      for (std::size_t i = 0; i < 4; ++i) Put32(header, i < spec.masks.size() ? spec.masks[i] : 0);
      header.resize(static_cast<std::size_t>(spec.headerSize), '\0');
    } else if (!spec.masks.empty()) {
      for (std::uint32_t m : spec.masks) Put32(header, m);
    }
  }
  std::string palette;
  for (std::uint32_t c : spec.palette) {
    palette += static_cast<char>((c >> 16) & 0xFF);  // blue
    palette += static_cast<char>((c >> 8) & 0xFF);
    palette += static_cast<char>(c & 0xFF);
    if (spec.headerSize != 12) palette += '\0';
  }
  std::string file = "BM";
  const std::uint32_t offset = static_cast<std::uint32_t>(14 + header.size() + palette.size());
  Put32(file, static_cast<std::uint32_t>(offset + spec.pixels.size()));
  Put32(file, 0);
  Put32(file, offset);
  return file + header + palette + spec.pixels;
}

std::string PackRows(int width, int height, int bits, bool topDown, const std::function<std::uint32_t(int, int)>& value) {
  const std::size_t stride = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
  std::string data;
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    std::string line(stride, '\0');
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = value(x, y);
      switch (bits) {
        case 1: line[static_cast<std::size_t>(x / 8)] |= static_cast<char>((v & 1) << (7 - x % 8)); break;
        case 4: line[static_cast<std::size_t>(x / 2)] |= static_cast<char>((v & 15) << (x % 2 ? 0 : 4)); break;
        case 8: line[static_cast<std::size_t>(x)] = static_cast<char>(v); break;
        default:
          for (int b = 0; b < bits / 8; ++b)
            line[static_cast<std::size_t>(x * bits / 8 + b)] = static_cast<char>((v >> (8 * b)) & 0xFF);
      }
    }
    data += line;
  }
  return data;
}

std::string Bmp24(int width, int height, const ColourAt& colour, bool topDown) {
  BmpSpec s;
  s.width = width;
  s.height = topDown ? -height : height;
  s.bits = 24;
  // Stored blue, green, red: the word 0x00RRGGBB.
  s.pixels = PackRows(width, height, 24, topDown, [&](int x, int y) {
    const std::uint32_t c = colour(x, y);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  });
  return BuildBmp(s);
}

std::string MakeJpeg(const JpegSpec& spec, const ColourAt& colour) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(spec.width);
  cinfo.image_height = static_cast<JDIMENSION>(spec.height);
  cinfo.input_components = spec.grey ? 1 : spec.cmyk ? 4 : 3;
  cinfo.in_color_space = spec.grey ? JCS_GRAYSCALE : spec.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, spec.quality, TRUE);
  if (spec.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(spec.width * cinfo.input_components));
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < spec.width; ++x) {
      const std::uint32_t c = colour(x, y);
      const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      JSAMPLE* p = &row[static_cast<std::size_t>(x * cinfo.input_components)];
      if (spec.grey) {
        p[0] = static_cast<JSAMPLE>((r + g + b) / 3);
      } else if (spec.cmyk) {
        // libjpeg marks CMYK with Adobe's marker, whose files hold the
        // channels inverted: 255 - (255 - r) for cyan, 255 for no black.
        p[0] = static_cast<JSAMPLE>(r);
        p[1] = static_cast<JSAMPLE>(g);
        p[2] = static_cast<JSAMPLE>(b);
        p[3] = 255;
      } else {
        p[0] = static_cast<JSAMPLE>(r);
        p[1] = static_cast<JSAMPLE>(g);
        p[2] = static_cast<JSAMPLE>(b);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

int ColourDistance(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    if (d > worst) worst = d;
  }
  return worst;
}

}  // namespace fdtest
